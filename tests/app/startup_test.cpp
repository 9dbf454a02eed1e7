#include <QCheckBox>
#include <QKeySequence>
#include <QSignalSpy>

#include "app/tform2.h"
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
  EXPECT_THAT(
      Shown({"ReadAddressLabel",  "ReadAddressEdit", "ProgramFromLabel", "ProgramFromEdit",
             "ProgramToLabel",    "ProgramToEdit",   "PrintButton",      "Read1Panel",
             "Read2Panel",        "Read3Panel",      "Read4Panel",       "Program1Panel",
             "Program2Panel",     "Program3Panel",   "Program4Panel",    "Morvik_unit_label",
             "LX1Image",          "QM4Image",        "MV1Image",         "SW1HystGroupBox",
             "SW1SwitchGroupBox", "SW1HLevelEdit",   "PressureLabel",    "NoAnalogLabel",
             "Switch1Label"}),
      IsEmpty());
  EXPECT_THAT(
      Hidden({"ReadButton", "ProgramButton", "OnlineSpeedButton", "MenuLinePanel",
              "DeviceInformationGroupBox", "SerialNumberHeadLabel", "DeviceTypeHeadLabel",
              "SoftwareVersionHeadLabel", "PressureRangeHeadLabel", "TemperatureRangeHeadLabel"}),
      IsEmpty());
  EXPECT_THAT(Enabled({"ProgramButton", "OnlineSpeedButton"}), IsEmpty());
  EXPECT_THAT(Disabled({"ReadButton"}), IsEmpty());
  EXPECT_EQ(Text("DeviceInformationGroupBox"), "");
  EXPECT_EQ(Widget<QProgressBar>("ActivityProgressBar")->value(), 0);
  EXPECT_FALSE(form->DeviceDataValid());

  EXPECT_FALSE(Action("OpenMenuItem")->isVisible());
  EXPECT_FALSE(Action("SaveAsMenuItem")->isVisible());
  EXPECT_FALSE(Action("N1MenuItem")->isVisible());
  EXPECT_TRUE(Action("ExitMenuItem")->isVisible());
}

TEST_F(StartupTest, FactoryModeOffersAddressesProgrammingAndTheCard) {
  Start({"workshop"});
  EXPECT_THAT(ShownTabs(), ElementsAre("ProgrammingTabSheet"));
  EXPECT_THAT(Hidden({"ReadAddressLabel", "ReadAddressEdit", "ProgramFromLabel", "ProgramFromEdit",
                      "ProgramToLabel", "ProgramToEdit", "PrintButton", "Read1Panel", "Read2Panel",
                      "Read3Panel", "Read4Panel", "Program1Panel", "Program2Panel", "Program3Panel",
                      "Program4Panel"}),
              IsEmpty());
  EXPECT_THAT(Disabled({"ReadButton", "ProgramButton"}), IsEmpty());
  EXPECT_THAT(Enabled({"OnlineSpeedButton"}), IsEmpty());
  EXPECT_TRUE(Action("OpenMenuItem")->isVisible());
  EXPECT_TRUE(Action("SaveAsMenuItem")->isVisible());
  EXPECT_TRUE(Action("N1MenuItem")->isVisible());
  EXPECT_EQ(
      Texts({"ReadAddressEdit", "ProgramFromEdit", "ProgramToEdit"}),
      (TextsByName{{"ReadAddressEdit", "1"}, {"ProgramFromEdit", "1"}, {"ProgramToEdit", "10"}}));
}

TEST_F(StartupTest, FactoryInputsStartAtTheirFirstValues) {
  Start({"workshop"});
  EXPECT_EQ(Texts({"PressureRangeMinEdit", "PressureRangeMaxEdit", "TemperatureRangeMinEdit",
                   "TemperatureRangeMaxEdit", "SW1HProgramEdit", "SW1LProgramEdit",
                   "SW2HProgramEdit", "SW2LProgramEdit", "SNEdit", "CloseDelay1Edit",
                   "OpenDelay1Edit", "CloseDelay2Edit", "OpenDelay2Edit", "WHEdit"}),
            (TextsByName{{"PressureRangeMinEdit", "0"},
                         {"PressureRangeMaxEdit", "0"},
                         {"TemperatureRangeMinEdit", "0"},
                         {"TemperatureRangeMaxEdit", "0"},
                         {"SW1HProgramEdit", "0"},
                         {"SW1LProgramEdit", "0"},
                         {"SW2HProgramEdit", "0"},
                         {"SW2LProgramEdit", "0"},
                         {"SNEdit", "0"},
                         {"CloseDelay1Edit", "1"},
                         {"OpenDelay1Edit", "1"},
                         {"CloseDelay2Edit", "1"},
                         {"OpenDelay2Edit", "1"},
                         {"WHEdit", "1"}}));
  EXPECT_TRUE(Widget<QCheckBox>("SNCheckBox")->isChecked());
  for (const char* list :
       {"AnalogOutComboBox", "SW1STComboBox", "SW2STComboBox", "SW1SFComboBox", "SW2SFComboBox"}) {
    EXPECT_EQ(Widget<QComboBox>(list)->currentIndex(), 0) << list;
  }
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
