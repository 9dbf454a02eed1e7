#include <QRadioButton>
#include <algorithm>
#include <chrono>
#include <functional>

#include "device/sim_requests.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kOpenFailed[] =
    "Unable to open the COM-Port: It doesn't exist or is currently used by another program.";
constexpr char kNoAnswer[] =
    "No device (QM-40 RT or QM-4 KX) connected to the COM-Port or device not ready!";
constexpr char kReadAgain[] = "No Pressure Switch connected to the programmer! Read-out again?";

StationFaults FailingRead(std::uint8_t function, std::uint8_t index) {
  return {.exception = kSimExceptionAddress, .onlyFunction = function, .onlyIndex = index};
}

class ReadFailureTest : public WindowTest {
 protected:
  // While the failure box is open the report has already cleaned up: link
  // closed, bar at 0, cursor back, nothing identified, the view empty.
  void CheckTheReportBehindEveryBox() {
    services.dialogs.whileShown = [this](const ShownBox& box) {
      if (box.kind != BoxKind::kError) return;
      EXPECT_FALSE(box.busyCursor);
      ExpectCleanedUp();
      EXPECT_THAT(Enabled({"ProgramButton", "OnlineSpeedButton"}), IsEmpty());
    };
  }

  void ExpectCleanedUp() {
    EXPECT_FALSE(services.sim.factory.IsOpen(SimEnvironment::kSimCom));
    EXPECT_EQ(Widget<QProgressBar>("ActivityProgressBar")->value(), 0);
    EXPECT_EQ(form->DeviceFamily(), DeviceFamily::kNone);
    EXPECT_FALSE(form->DeviceDataValid());
    EXPECT_EQ(Text("DeviceInformationGroupBox"), "");
    EXPECT_TRUE(Widget<QRadioButton>("SW1OffRadioButton")->isChecked());
    EXPECT_THAT(ShownTabs(),
                ElementsAre(form->FactoryMode() ? "ProgrammingTabSheet" : "SW1TabSheet"));
    EXPECT_THAT(Shown({"LX1Image", "SerialNumberLabel", "AnalogOutputRangeHeadLabel",
                       "PressureLabel", "NoAnalogLabel", "Switch1Label", "SW1HystGroupBox",
                       "SW1HLevelEdit", "SW1HysteresisImage", "SW1Panel"}),
                IsEmpty());
    EXPECT_EQ(Text("SW1HLevelEdit"), "");
  }

  // The session's end after a failure: only Read out, and Program in
  // factory mode when the failure leaves factory programming possible.
  void ExpectReadyForANewSession(bool programEnabled) {
    EXPECT_TRUE(Widget("ReadButton")->isEnabled());
    EXPECT_EQ(Widget("ProgramButton")->isEnabled(), programEnabled);
    EXPECT_FALSE(Widget("OnlineSpeedButton")->isEnabled());
    EXPECT_FALSE(form->DeviceDataValid());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
};

// Messages 50, 51, 52 and 60 in every family, and the buttons each leaves.
TEST_F(ReadFailureTest, EachFailureReportsItsMessageAndLeavesTheButtonsInBothModes) {
  struct Outcome {
    const char* name;
    std::function<void(SimBus&)> prepare;
    std::string message;
    bool programEnabledInFactoryMode;
  };
  const Outcome outcomes[] = {
      {"port in use",
       [this](SimBus&) { services.sim.factory.SetBusy(SimEnvironment::kSimCom, true); },
       kOpenFailed, true},
      {"port that does not exist",
       [this](SimBus& bus) {
         bus.Add<Family1Station>(std::uint8_t{1});
         services.settings.values["COM-Port"] = 9;
       },
       kOpenFailed, true},
      {"no answer", [](SimBus&) {}, kNoAnswer, true},
      {"not supported",
       [](SimBus& bus) { bus.Add<Family1Station>(std::uint8_t{1}, std::uint8_t{21}); },
       "Device not supported by this software!", true},
      {"family-1 read-out failed",
       [](SimBus& bus) { bus.Add<Family1Station>(std::uint8_t{1}).SetFaults(FailingRead(30, 93)); },
       "Error during reading!", true},
      {"family-2 read-out failed",
       [](SimBus& bus) {
         bus.Add<Family2Station>(std::uint8_t{1}).SetFaults(FailingRead(100, 18));
       },
       "Error during reading!", false},
      {"family-4 read-out failed",
       [](SimBus& bus) { bus.Add<Family4Station>(std::uint8_t{1}).SetFaults(FailingRead(30, 80)); },
       "Error during reading!", false},
  };
  for (const bool factory : {false, true}) {
    for (const Outcome& outcome : outcomes) {
      SCOPED_TRACE(std::string(outcome.name) + (factory ? " in factory mode" : ""));
      services.sim.factory.SetBusy(SimEnvironment::kSimCom, false);
      services.settings.values["COM-Port"] = SimEnvironment::kSimCom;
      services.sim.bus.RemoveAll();
      outcome.prepare(services.sim.bus);
      Start(factory ? QStringList{"workshop"} : QStringList{});
      CheckTheReportBehindEveryBox();
      ReadOut();
      EXPECT_THAT(services.dialogs.Errors(), ElementsAre(outcome.message));
      if (outcome.message == kOpenFailed) {
        EXPECT_THAT(Wire(), IsEmpty());
      }
      ExpectReadyForANewSession(factory && outcome.programEnabledInFactoryMode);
      form.reset();
    }
  }
}

TEST_F(ReadFailureTest, NoAnswerIsMessage51AfterOneRetryHalfASecondLater) {
  Start();
  ReadOut();
  EXPECT_THAT(Wire(), ElementsAre(IdentifyRequest(250), IdentifyRequest(250)));
  const auto& log = services.sim.bus.RequestLog();
  EXPECT_GE(log[1].time - log[0].time, std::chrono::milliseconds(1000));  // time-out, then 500 ms
  EXPECT_THAT(progress, ElementsAre(5, 10, 0));
}

TEST_F(ReadFailureTest, TheBroadcastAddressGetsNoAnswerInFactoryMode) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start({"workshop"});
  Widget<QLineEdit>("ReadAddressEdit")->setText("0");
  const auto pressed = services.sim.clock.Now();
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre(kNoAnswer));
  EXPECT_THAT(Wire(), ElementsAre(IdentifyRequest(0), IdentifyRequest(0)));
  // The open's 500 ms, then each broadcast waits out the read time-out, with
  // the retry pause between.
  const auto took = services.sim.clock.Now() - pressed;
  EXPECT_GE(took, std::chrono::milliseconds(2000));
  EXPECT_LE(took, std::chrono::milliseconds(2050));
}

TEST_F(ReadFailureTest, CancelToTheReadAgainQuestionEndsWithoutAMessage) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1}).SetFaults({.noSwitch = true});
  for (const bool factory : {false, true}) {
    Start(factory ? QStringList{"workshop"} : QStringList{});
    services.dialogs.QueueAnswer(false);
    ReadOut();
    ASSERT_EQ(services.dialogs.boxes.size(), 1U);
    EXPECT_EQ(services.dialogs.boxes[0].kind, BoxKind::kOkCancel);
    EXPECT_EQ(services.dialogs.boxes[0].text.toStdString(), kReadAgain);
    EXPECT_TRUE(services.dialogs.boxes[0].busyCursor);
    ExpectCleanedUp();
    ExpectReadyForANewSession(factory);
    EXPECT_EQ(Hidden({"ReadAddressEdit", "ProgramToEdit"}).empty(), factory);
    form.reset();
  }
}

TEST_F(ReadFailureTest, OkSearchesAgainUntilTheSwitchIsThere) {
  auto& station = services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  station.SetFaults({.noSwitch = true});
  Start();
  services.dialogs.QueueAnswer(true);  // still no switch: asked again
  services.dialogs.QueueAnswer(true);  // now it is attached
  services.dialogs.whileShown = [&](const ShownBox&) {
    if (services.dialogs.boxes.size() == 2) station.ClearFaults();
  };
  ReadOut();

  EXPECT_THAT(services.dialogs.Questions(), ElementsAre(kReadAgain, kReadAgain));
  EXPECT_THAT(services.dialogs.Errors(), IsEmpty());
  EXPECT_EQ(Text("DeviceInformationGroupBox"), "LX-60 MB");
  const std::vector<RequestFrame> wire = Wire();
  EXPECT_EQ(std::count(wire.begin(), wire.end(), StartJobRequest(250, 1)), 3);
  // Every search starts the bar again at 5.
  EXPECT_EQ(std::count(progress.begin(), progress.end(), 5), 3);
}

TEST_F(ReadFailureTest, AnAddressThatIsNoNumberEndsTheReadBeforeItStarts) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start({"workshop"});
  ReadOut();
  ASSERT_TRUE(form->DeviceDataValid());

  Widget<QLineEdit>("ReadAddressEdit")->setText("abc");
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre("Adresse: \"abc\" is not a whole number."));
  EXPECT_THAT(Wire(), IsEmpty());
  EXPECT_THAT(progress, IsEmpty());
  EXPECT_TRUE(form->DeviceDataValid());
  EXPECT_THAT(ShownTabs(), ElementsAre("ProgrammingTabSheet", "ReadoutTabSheet"));
  EXPECT_THAT(Disabled({"ReadButton", "ProgramButton", "OnlineSpeedButton"}), IsEmpty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tarnwick::testing
