// Typing into the switch-point and delay edits and leaving them, on a
// pressure switch of 0 to 10 bar (two decimals) and a level device.
#include <QLineEdit>
#include <QLocale>

#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;

class EntryTest : public WindowTest {
 protected:
  // Reads a device, then makes the window active so that the focus moves.
  void ReadDevice(int family) {
    services.sim.AddStation(family, 1);
    Start();
    ReadOut();
    QApplication::setActiveWindow(form.get());
  }

  // Types `keys` into the emptied edit, then moves the focus on; what the edit shows.
  std::string TypeAndLeave(const char* editName, const QString& keys) {
    auto* edit = Widget<QLineEdit>(editName);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, keys);
    Widget<QLineEdit>(edit->objectName() == "SW2ODEdit" ? "SW1ODEdit" : "SW2ODEdit")->setFocus();
    return Text(editName);
  }
};

struct Typed {
  const char* edit;
  const char* keys;  // with "." for the user's separator
  const char* shown;
};

// A minus cannot be typed into a switch point, nor a second separator; delays
// have no key filter and are cleaned when left.
TEST_F(EntryTest, TextTypedIsShownInCanonicalFormWithEitherSeparator) {
  const Typed cases[] = {
      {"SW1HLevelEdit", "1.2.3", "1.23"}, {"SW1HLevelEdit", "12-3", "11.00"},
      {"SW1LLevelEdit", "1e5", "11.00"},  {"SW1LLevelEdit", "11", "11.00"},
      {"SW2HLevelEdit", "4.5", "4.50"},   {"SW1HLevelEdit", "", "0.00"},
      {"SW2HLevelEdit", "", "0"},         {"SW1CDEdit", "0.123", "0.12"},
      {"SW1CDEdit", "0.131", "0.14"},     {"SW1ODEdit", "7", "5.00"},
      {"SW2CDEdit", "-1", "0.00"},        {"SW2ODEdit", "abc", "0.00"},
  };
  const QLocale previous;
  for (const QLocale& locale : {QLocale(QLocale::English), QLocale(QLocale::German)}) {
    QLocale::setDefault(locale);
    const QString separator = locale.decimalPoint();
    ReadDevice(1);
    for (const Typed& c : cases) {
      SCOPED_TRACE(std::string(c.edit) + " '" + c.keys + "' " + separator.toStdString());
      EXPECT_EQ(TypeAndLeave(c.edit, QString(c.keys).replace('.', separator)),
                QString(c.shown).replace('.', separator).toStdString());
    }
    form.reset();
    services.sim.bus.RemoveAll();
  }
  QLocale::setDefault(previous);
}

TEST_F(EntryTest, LevelDeviceDelaysAreWholeSecondsAndItsPointsHaveNoRangeLimit) {
  ReadDevice(4);
  EXPECT_EQ(TypeAndLeave("SW1CDEdit", "2.5"), "2.00");
  EXPECT_EQ(TypeAndLeave("SW1CDEdit", "3.5"), "4.00");
  EXPECT_EQ(TypeAndLeave("SW1ODEdit", "300"), "255.00");
  EXPECT_EQ(TypeAndLeave("SW1HLevelEdit", "99999"), "99999");
}

TEST_F(EntryTest, ASeparatorAloneIsAConversionErrorAndStaysAsTyped) {
  ReadDevice(1);
  EXPECT_EQ(TypeAndLeave("SW1HLevelEdit", "."), ".");
  EXPECT_EQ(TypeAndLeave("SW1CDEdit", ","), ",");
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("Switch 1, high switch point: \".\" is not a number.",
                          "Switch 1, closing delay: \",\" is not a number."));
}

}  // namespace
}  // namespace tarnwick::testing
