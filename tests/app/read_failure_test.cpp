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
constexpr char kNotSupported[] = "Device not supported by this software!";
constexpr char kReadAgain[] = "No Pressure Switch connected to the programmer! Read-out again?";
constexpr char kReadFailed[] = "Error during reading!";

constexpr std::uint8_t kReadCoefficient = 30;
constexpr std::uint8_t kReadConfig = 100;

StationFaults FailingCommand(std::uint8_t function, std::uint8_t index) {
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
      EXPECT_FALSE(services.sim.factory.IsOpen(SimEnvironment::kSimCom));
      EXPECT_EQ(Widget<QProgressBar>("ActivityProgressBar")->value(), 0);
      EXPECT_EQ(form->DeviceFamily(), 0);
      EXPECT_FALSE(form->DeviceDataValid());
      ExpectEmptyView();
      EXPECT_THAT(Enabled({"ProgramButton", "OnlineSpeedButton"}), IsEmpty());
    };
  }

  void ExpectEmptyView() {
    EXPECT_EQ(Text("DeviceInformationGroupBox"), "");
    EXPECT_TRUE(Widget<QRadioButton>("SW1OffRadioButton")->isChecked());
    EXPECT_TRUE(Widget<QRadioButton>("SW2OffRadioButton")->isChecked());
    EXPECT_THAT(ShownTabs(),
                ElementsAre(form->FactoryMode() ? "ProgrammingTabSheet" : "SW1TabSheet"));
    EXPECT_THAT(Shown({"LX1Image", "QM4Image", "MV1Image", "SerialNumberLabel", "DeviceTypeLabel",
                       "PressureRangeLabel", "AnalogOutputRangeHeadLabel", "PressureLabel",
                       "VoltageLabel", "NoAnalogLabel", "Switch1Label", "SW1HystGroupBox",
                       "SW1SwitchGroupBox", "SW1HLevelEdit", "SW1HysteresisImage", "SW1Panel"}),
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

TEST_F(ReadFailureTest, APortThatCannotBeOpenedIsMessage50AndNothingIsSent) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  services.settings.values["COM-Port"] = 9;
  Start();
  CheckTheReportBehindEveryBox();
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre(kOpenFailed));
  EXPECT_THAT(Wire(), IsEmpty());
  ExpectReadyForANewSession(false);
  EXPECT_THAT(progress, ElementsAre(5, 0));

  form.reset();
  services.settings.values["COM-Port"] = SimEnvironment::kSimCom;
  services.sim.factory.SetBusy(SimEnvironment::kSimCom, true);
  Start();
  CheckTheReportBehindEveryBox();
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre(kOpenFailed));
}

TEST_F(ReadFailureTest, NoAnswerIsMessage51AfterOneRetryHalfASecondLater) {
  Start();
  CheckTheReportBehindEveryBox();
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre(kNoAnswer));
  EXPECT_THAT(Wire(), ElementsAre(IdentifyRequest(250), IdentifyRequest(250)));
  const auto& log = services.sim.bus.RequestLog();
  EXPECT_GE(log[1].time - log[0].time, std::chrono::milliseconds(1000));  // time-out, then 500 ms
  ExpectReadyForANewSession(false);
  EXPECT_THAT(progress, ElementsAre(5, 10, 0));
}

TEST_F(ReadFailureTest, TheBroadcastAddressGetsNoAnswerInFactoryMode) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start({"workshop"});
  Widget<QLineEdit>("ReadAddressEdit")->setText("0");
  CheckTheReportBehindEveryBox();
  const auto pressed = services.sim.clock.Now();
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre(kNoAnswer));
  EXPECT_THAT(Wire(), ElementsAre(IdentifyRequest(0), IdentifyRequest(0)));
  // The open's 500 ms, then each broadcast waits out the read time-out, with
  // the retry pause between.
  const auto took = services.sim.clock.Now() - pressed;
  EXPECT_GE(took, std::chrono::milliseconds(2000));
  EXPECT_LE(took, std::chrono::milliseconds(2050));
  ExpectReadyForANewSession(true);
}

TEST_F(ReadFailureTest, AnUnsupportedVersionIsMessage52) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1}, std::uint8_t{9});  // programmer 5.9
  Start();
  CheckTheReportBehindEveryBox();
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre(kNotSupported));
  EXPECT_THAT(Wire(), ElementsAre(IdentifyRequest(250)));
  ExpectReadyForANewSession(false);

  services.sim.bus.RemoveAll();
  services.sim.bus.Add<Family4Station>(std::uint8_t{1}, std::uint8_t{6}, std::uint8_t{3});
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre(kNotSupported));
}

TEST_F(ReadFailureTest, AFailedReadCommandIsMessage60InEveryFamily) {
  struct Case {
    const char* family;
    std::function<SimStation&(SimBus&)> add;
    StationFaults fault;
  };
  const Case cases[] = {
      {"1", [](SimBus& bus) -> SimStation& { return bus.Add<Family1Station>(std::uint8_t{1}); },
       FailingCommand(kReadCoefficient, 72)},
      {"2", [](SimBus& bus) -> SimStation& { return bus.Add<Family2Station>(std::uint8_t{1}); },
       FailingCommand(kReadConfig, 18)},
      {"4", [](SimBus& bus) -> SimStation& { return bus.Add<Family4Station>(std::uint8_t{1}); },
       FailingCommand(kReadConfig, 11)},
  };
  Start();
  CheckTheReportBehindEveryBox();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("family ") + c.family);
    services.sim.bus.RemoveAll();
    c.add(services.sim.bus).SetFaults(c.fault);
    ReadOut();
    EXPECT_THAT(services.dialogs.Errors(), ElementsAre(kReadFailed));
    ExpectReadyForANewSession(false);
    ASSERT_FALSE(Wire().empty());
    EXPECT_EQ(Wire().back().data.front(), *c.fault.onlyIndex) << "nothing after the failed command";
  }
}

TEST_F(ReadFailureTest, CancelToTheReadAgainQuestionEndsWithoutAMessage) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1}).SetFaults({.noSwitch = true});
  Start({"workshop"});
  services.dialogs.QueueAnswer(false);
  ReadOut();

  ASSERT_EQ(services.dialogs.boxes.size(), 1U);
  EXPECT_EQ(services.dialogs.boxes[0].kind, BoxKind::kOkCancel);
  EXPECT_EQ(services.dialogs.boxes[0].text.toStdString(), kReadAgain);
  EXPECT_TRUE(services.dialogs.boxes[0].busyCursor);
  EXPECT_EQ(form->DeviceFamily(), 0);
  EXPECT_FALSE(services.sim.factory.IsOpen(SimEnvironment::kSimCom));
  EXPECT_EQ(Widget<QProgressBar>("ActivityProgressBar")->value(), 0);
  ExpectEmptyView();
  EXPECT_THAT(Hidden({"ReadAddressLabel", "ReadAddressEdit", "ProgramFromEdit", "ProgramToEdit"}),
              IsEmpty());
  ExpectReadyForANewSession(true);
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
  EXPECT_TRUE(form->DeviceDataValid());
  EXPECT_EQ(Text("DeviceInformationGroupBox"), "LX-60 MB");
  const std::vector<RequestFrame> wire = Wire();
  EXPECT_EQ(std::count(wire.begin(), wire.end(), StartJobRequest(250, 1)), 3);
  EXPECT_EQ(std::count(wire.begin(), wire.end(), StartJobRequest(250, 2)), 1);
  // Every search starts the bar again at 5.
  EXPECT_EQ(std::count(progress.begin(), progress.end(), 5), 3);
}

TEST_F(ReadFailureTest, ButtonsAfterEachOutcomeInBothModes) {
  struct Outcome {
    const char* name;
    std::function<void(SimBus&)> prepare;
    bool programEnabledInFactoryMode;
    bool question = false;
  };
  const Outcome outcomes[] = {
      {"link not opened",
       [this](SimBus&) { services.sim.factory.SetBusy(SimEnvironment::kSimCom, true); }, true},
      {"no answer", [](SimBus&) {}, true},
      {"not supported",
       [](SimBus& bus) { bus.Add<Family1Station>(std::uint8_t{1}, std::uint8_t{21}); }, true},
      {"family-1 read-out failed",
       [](SimBus& bus) {
         bus.Add<Family1Station>(std::uint8_t{1}).SetFaults(FailingCommand(kReadCoefficient, 93));
       },
       true},
      {"family-1 read-out declined",
       [](SimBus& bus) { bus.Add<Family1Station>(std::uint8_t{1}).SetFaults({.noSwitch = true}); },
       true, true},
      {"family-2 read-out failed",
       [](SimBus& bus) {
         bus.Add<Family2Station>(std::uint8_t{1}).SetFaults(FailingCommand(kReadCoefficient, 79));
       },
       false},
      {"family-4 read-out failed",
       [](SimBus& bus) {
         bus.Add<Family4Station>(std::uint8_t{1}).SetFaults(FailingCommand(kReadCoefficient, 80));
       },
       false},
  };
  for (const bool factory : {false, true}) {
    for (const Outcome& outcome : outcomes) {
      SCOPED_TRACE(std::string(outcome.name) + (factory ? " in factory mode" : ""));
      services.sim.factory.SetBusy(SimEnvironment::kSimCom, false);
      services.sim.bus.RemoveAll();
      outcome.prepare(services.sim.bus);
      Start(factory ? QStringList{"workshop"} : QStringList{});
      if (outcome.question) services.dialogs.QueueAnswer(false);
      ReadOut();
      ExpectReadyForANewSession(factory && outcome.programEnabledInFactoryMode);
      form.reset();
    }
  }
}

TEST_F(ReadFailureTest, AnAddressThatIsNoNumberEndsTheReadBeforeItStarts) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start({"workshop"});
  ReadOut();
  ASSERT_TRUE(form->DeviceDataValid());

  Widget<QLineEdit>("ReadAddressEdit")->setText("abc");
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre("'abc' is not a valid integer value"));
  EXPECT_THAT(Wire(), IsEmpty());
  EXPECT_THAT(progress, IsEmpty());
  EXPECT_TRUE(form->DeviceDataValid());
  EXPECT_EQ(form->DeviceFamily(), 1);
  EXPECT_THAT(ShownTabs(), ElementsAre("ProgrammingTabSheet", "ReadoutTabSheet"));
  EXPECT_THAT(Disabled({"ReadButton", "ProgramButton", "OnlineSpeedButton"}), IsEmpty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tarnwick::testing
