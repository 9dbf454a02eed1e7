#include <QRadioButton>

#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SwitchDiagramTest : public WindowTest {
 protected:
  // The contact pictures shown on switch tab `n`, as "Open1", "Closed2", …
  Names ContactSymbols(int n) const {
    Names shown;
    for (const char* state : {"Open", "Closed"}) {
      for (int place = 1; place <= 6; ++place) {
        const std::string name = "SW" + std::to_string(n) + state + std::to_string(place) + "Image";
        if (!Widget(name.c_str())->isHidden()) shown.push_back(state + std::to_string(place));
      }
    }
    return shown;
  }

  // Clicks a picture of the window: it reacts when the button comes up.
  void ClickPicture(const char* objectName) {
    QTest::mouseClick(Widget(objectName), Qt::LeftButton);
    QApplication::processEvents();
  }

  bool Checked(const char* radioButton) const {
    return Widget<QRadioButton>(radioButton)->isChecked();
  }

  void ReadFamily1() {
    services.sim.bus.Add<Family1Station>(std::uint8_t{1});
    Start();
    ReadOut();
  }
};

TEST_F(SwitchDiagramTest, OffHidesEverythingButTheFunctionAndHysteresisBringsItBack) {
  ReadFamily1();
  Click("SW1OffRadioButton");
  EXPECT_THAT(ContactSymbols(1), IsEmpty());
  EXPECT_THAT(Shown({"SW1SwitchGroupBox", "SW1HysteresisImage", "SW1WindowImage", "SW1HLevelEdit",
                     "SW1HLUnitLabel", "SW1Panel", "SW1CDEdit"}),
              IsEmpty());
  EXPECT_THAT(Hidden({"SW1HystGroupBox", "SW1TypeLabel"}), IsEmpty());

  Click("SW1HysteresisRadioButton");
  EXPECT_THAT(Hidden({"SW1SwitchGroupBox", "SW1HysteresisImage", "SW1HLevelEdit", "SW1CDEdit"}),
              IsEmpty());
  EXPECT_EQ(Text("SW1HLevelEdit"), "6.00");
  EXPECT_THAT(ContactSymbols(1), ElementsAre("Open1", "Open3", "Closed2"));
}

TEST_F(SwitchDiagramTest, ContactAndFunctionChangesMoveTheSymbols) {
  ReadFamily1();  // switch 2 window NO
  EXPECT_THAT(ContactSymbols(2), ElementsAre("Open4", "Open6", "Closed5"));
  EXPECT_THAT(Hidden({"SW2WindowImage"}), IsEmpty());
  EXPECT_THAT(Shown({"SW2HysteresisImage"}), IsEmpty());

  Widget<QTabWidget>("PageControl")->setCurrentWidget(Widget("SW2TabSheet"));
  ClickPicture("SW2NCImage");  // window NO becomes window NC
  EXPECT_TRUE(Checked("SW2NCRadioButton"));
  EXPECT_THAT(ContactSymbols(2), ElementsAre("Open5", "Closed4", "Closed6"));

  Click("SW2HysteresisRadioButton");  // the contact stays, the symbols go under the graph
  EXPECT_TRUE(Checked("SW2NCRadioButton"));
  EXPECT_THAT(ContactSymbols(2), ElementsAre("Open2", "Closed1", "Closed3"));

  ClickPicture("SW2NOImage");
  EXPECT_TRUE(Checked("SW2NORadioButton"));
  EXPECT_THAT(ContactSymbols(2), ElementsAre("Open1", "Open3", "Closed2"));

  Click("SW2NCRadioButton");
  EXPECT_THAT(ContactSymbols(2), ElementsAre("Open2", "Closed1", "Closed3"));
}

TEST_F(SwitchDiagramTest, TheDiagramFollowsAnArrowKeyWhenItIsReleased) {
  ReadFamily1();
  auto* hysteresis = Widget<QRadioButton>("SW1HysteresisRadioButton");
  hysteresis->setFocus();
  QTest::keyPress(hysteresis, Qt::Key_Down);
  ASSERT_TRUE(Checked("SW1WindowRadioButton"));
  QApplication::processEvents();
  EXPECT_THAT(ContactSymbols(1), ElementsAre("Open1", "Open3", "Closed2")) << "not yet released";

  QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Down);
  QApplication::processEvents();
  EXPECT_THAT(ContactSymbols(1), ElementsAre("Open4", "Open6", "Closed5"));
}

TEST_F(SwitchDiagramTest, OnlyThePressureSwitchAndNewerLevelDevicesShowDelays) {
  services.sim.bus.Add<Family2Station>(std::uint8_t{1});
  Start();
  ReadOut();
  Click("SW1WindowRadioButton");
  EXPECT_THAT(Hidden({"SW1WindowImage", "SW1HLevelEdit", "SW1SwitchGroupBox"}), IsEmpty());
  EXPECT_THAT(Shown({"SW1Panel", "SW1CDEdit", "SW2Panel", "SW2ODEdit"}), IsEmpty());

  form.reset();
  services.sim.bus.RemoveAll();
  services.sim.bus.Add<Family4Station>(std::uint8_t{1}, std::uint8_t{9}, std::uint8_t{48});
  Start();
  ReadOut();
  Click("SW1OffRadioButton");
  Click("SW1WindowRadioButton");
  EXPECT_THAT(Hidden({"SW1Panel", "SW1CDEdit", "SW1ODEdit"}), IsEmpty());
}

}  // namespace
}  // namespace tarnwick::testing
