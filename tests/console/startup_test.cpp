#include <QCheckBox>
#include <QKeySequence>
#include <QSignalSpy>

#include "console/shell/about_box.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using StartupTest = WindowTest;

// Presses a shortcut in the active main window, as the keyboard does.
void PressShortcut(QWidget& window, const QKeySequence& keys) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keySequence(&window, keys);
  QApplication::processEvents();
}

TEST_F(StartupTest, FactoryModeIsTheWordAnywhereInTheJoinedArguments) {
  struct Case {
    QStringList arguments;
    bool factory;
  };
  const Case cases[] = {
      {{}, false},           {{"workshop"}, true},
      {{"WorkShop"}, true},  {{"-v", "/WORKSHOP"}, true},
      {{"workshops"}, true}, {{"work", "shop"}, false},
      {{"shopwork"}, false},
  };
  for (const Case& c : cases) {
    Start(c.arguments);
    EXPECT_EQ(form->FactoryMode(), c.factory) << c.arguments.join(' ').toStdString();
    form.reset();
  }
}

TEST_F(StartupTest, NormalModeOffersOneDeviceAtTheDefaultAddress) {
  Start();
  EXPECT_EQ(form->centralWidget()->size(), QSize(765, 523));
  EXPECT_EQ(form->windowTitle().toStdString(), "Tarnwick");
  EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet"));
  EXPECT_THAT(Shown({"ReadAddressEdit", "ProgramToEdit", "PrintButton", "Read1Panel",
                     "Program4Panel", "Morvik_unit_label", "LX1Image", "SW1HystGroupBox",
                     "SW1HLevelEdit", "PressureLabel", "NoAnalogLabel", "Switch1Label"}),
              IsEmpty());
  EXPECT_THAT(Hidden({"ReadButton", "MenuLinePanel", "DeviceInformationGroupBox",
                      "SerialNumberHeadLabel", "TemperatureRangeHeadLabel"}),
              IsEmpty());
  EXPECT_THAT(Enabled({"ProgramButton", "OnlineSpeedButton"}), IsEmpty());
  EXPECT_TRUE(Widget("ReadButton")->isEnabled());
  EXPECT_EQ(Text("DeviceInformationGroupBox"), "");
  EXPECT_FALSE(form->DeviceDataValid());
  EXPECT_FALSE(Action("OpenMenuItem")->isVisible());
  EXPECT_FALSE(Action("N1MenuItem")->isVisible());
  EXPECT_TRUE(Action("ExitMenuItem")->isVisible());
}

TEST_F(StartupTest, FactoryModeOffersAddressesProgrammingAndTheCard) {
  Start({"workshop"});
  EXPECT_THAT(ShownTabs(), ElementsAre("ProgrammingTabSheet"));
  EXPECT_THAT(
      Hidden({"ReadAddressEdit", "ProgramToEdit", "PrintButton", "Read1Panel", "Program4Panel"}),
      IsEmpty());
  EXPECT_THAT(Disabled({"ReadButton", "ProgramButton"}), IsEmpty());
  EXPECT_FALSE(Widget("OnlineSpeedButton")->isEnabled());
  EXPECT_TRUE(Action("OpenMenuItem")->isVisible());
  EXPECT_TRUE(Action("N1MenuItem")->isVisible());
  ExpectTexts(
      {Shows{"ReadAddressEdit", "1"}, Shows{"ProgramFromEdit", "1"}, Shows{"ProgramToEdit", "10"}});
  // The programming page's first values.
  ExpectTexts({Shows{"PressureRangeMaxEdit", "0"}, Shows{"SNEdit", "0"},
               Shows{"CloseDelay1Edit", "1"}, Shows{"WHEdit", "1"}});
  EXPECT_TRUE(Widget<QCheckBox>("SNCheckBox")->isChecked());
  EXPECT_EQ(Widget<QComboBox>("SW2SFComboBox")->currentIndex(), 0);
}

TEST_F(StartupTest, TheFileShortcutsActOnlyInFactoryMode) {
  Start();
  QSignalSpy normalSaves(Action("SaveAsMenuItem"), &QAction::triggered);
  PressShortcut(*form, QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(normalSaves.count(), 0);
  EXPECT_TRUE(services.dialogs.boxes.empty());

  Restart({"workshop"});
  QSignalSpy factorySaves(Action("SaveAsMenuItem"), &QAction::triggered);
  PressShortcut(*form, QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(factorySaves.count(), 1);
}

TEST_F(StartupTest, ASecondInfoLeavesTheOneAboutBoxAsItIs) {
  Start();
  Choose("InfoMenuItem");
  const auto boxes = form->findChildren<TForm2*>();
  ASSERT_EQ(boxes.size(), 1);
  TForm2& about = *boxes.front();
  EXPECT_TRUE(about.isVisible());
  EXPECT_FALSE(about.isModal());
  EXPECT_LE((about.frameGeometry().center() - form->frameGeometry().center()).manhattanLength(), 4);

  about.move(about.pos() + QPoint(40, 30));
  const QPoint moved = about.pos();
  Choose("InfoMenuItem");
  EXPECT_EQ(form->findChildren<TForm2*>().size(), 1);
  EXPECT_TRUE(about.isVisible());
  EXPECT_EQ(about.pos(), moved);

  about.close();
  EXPECT_EQ(form->findChildren<TForm2*>().size(), 1);
  Choose("InfoMenuItem");
  EXPECT_TRUE(about.isVisible());
}

}  // namespace
}  // namespace tarnwick::testing
