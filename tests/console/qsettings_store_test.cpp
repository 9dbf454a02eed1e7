#include "console/shell/qsettings_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "settings/settings_model.h"

namespace tarnwick {
namespace {

using ::testing::Optional;

// An INI file in a fresh folder, written by hand as a user might edit it.
class QSettingsStoreTest : public ::testing::Test {
 protected:
  QString Path() const { return folder_.filePath(QStringLiteral("Tarnwick.conf")); }

  void WriteFile(const char* text) const {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }

  QByteArray ReadFile() const {
    QFile file(Path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryDir folder_;
};

TEST_F(QSettingsStoreTest, WhatIsWrittenReadsBackWithItsType) {
  {
    QSettingsStore store(Path());
    EXPECT_TRUE(store.WriteInteger("Language", 3));
    EXPECT_TRUE(store.WriteInteger("MainLeft", -2000));
    EXPECT_TRUE(store.WriteString("PressureUnit", "MPa"));
  }
  const QSettingsStore store(Path());
  EXPECT_THAT(store.ReadInteger("MainLeft"), Optional(-2000));
  EXPECT_THAT(store.ReadString("PressureUnit"), Optional(std::string("MPa")));
  EXPECT_EQ(store.ReadInteger("PressureUnit"), std::nullopt);
  EXPECT_EQ(store.ReadInteger("MainTop"), std::nullopt);
  EXPECT_TRUE(ReadFile().contains("Language=3"));
}

TEST_F(QSettingsStoreTest, OnlyAWholeDecimalNumberWithin32BitsIsAnInteger) {
  WriteFile(
      "[General]\n"
      "a=abc\nb=2.0\nc=0x10\nd=1e3\ne=\nf=4294967296\ng=3 4\nh=1, 2\ni=@Point(1 2)\n"
      "j=+12\nk=-2147483648\nl=70000\n");
  const QSettingsStore store(Path());
  for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i"}) {
    EXPECT_EQ(store.ReadInteger(name), std::nullopt) << name;
  }
  EXPECT_THAT(store.ReadInteger("j"), Optional(12));
  EXPECT_THAT(store.ReadInteger("k"), Optional(-2147483647 - 1));
  EXPECT_THAT(store.ReadInteger("l"), Optional(70000));
  // Any text is a string; a list or a typed value is not.
  EXPECT_THAT(store.ReadString("j"), Optional(std::string("+12")));
  EXPECT_EQ(store.ReadString("h"), std::nullopt);
  EXPECT_EQ(store.ReadString("i"), std::nullopt);
}

TEST_F(QSettingsStoreTest, AStoreThatCannotBeWrittenSaysSoAndKeepsGoing) {
  // A file where the folder of the settings should be: nothing can be created
  // below it, whoever runs the test.
  WriteFile("not a folder");
  QSettingsStore store(QDir(Path()).filePath(QStringLiteral("Tarnwick.conf")));
  EXPECT_EQ(store.ReadInteger("Language"), std::nullopt);
  EXPECT_FALSE(SaveConsoleSettings(store, ConsoleSettings{}));
}

TEST_F(QSettingsStoreTest, TheProgramsStoreLivesUnderTheMakersName) {
  QTemporaryDir home;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
  EXPECT_TRUE(QSettingsStore().WriteString("PressureUnit", "PSI"));
  EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("Vostrand/Tarnwick.conf"))));
}

}  // namespace
}  // namespace tarnwick
