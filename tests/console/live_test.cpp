// The live display: the toggle button, one tick of each family, and the ways
// a tick ends the display.
#include <QAbstractButton>

#include "device/sim_requests.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

// A level device whose switch state byte and level are the test's to choose.
class ScriptedLevelDevice final : public SimStation {
 public:
  explicit ScriptedLevelDevice(std::uint8_t address)
      : SimStation(address, Family4Station(address).Identity()),
        memory_(Family4Station(address).Stored()) {}

  int Family() const override { return 4; }
  StationMemory& Stored() override { return memory_; }

  std::uint8_t stateByte = 0;

 protected:
  Reply ReadParameter(std::uint8_t index, std::chrono::microseconds at) override {
    if (index != 0) return SimStation::ReadParameter(index, at);
    return Reply::Data({0, 0, stateByte, 0});
  }
  Reply ReadChannel(std::uint8_t, std::chrono::microseconds) override {
    return ChannelReply(1234.5F);
  }

 private:
  StationMemory memory_;
};

class LiveTest : public WindowTest {
 protected:
  void ReadAndDisplay() {
    Start();
    ReadOut();
    services.dialogs.boxes.clear();
    Click("OnlineSpeedButton");
    services.sim.ClearRecords();
  }
  bool Running() const { return Widget<QAbstractButton>("OnlineSpeedButton")->isChecked(); }
  void Tick() { form->OnlineTimerTimer(); }
};

TEST_F(LiveTest, EachFamilyShowsItsReadingsAndSwitchStates) {
  struct Case {
    int family;
    std::vector<RequestFrame> tick;
    std::vector<const char*> shown;
    std::vector<const char*> hidden;
  };
  const Case cases[] = {
      {1,
       {ReadChannelRequest(250, 2), ReadChannelRequest(250, 1), ReadParameterRequest(250, 0)},
       {"PressureLabel", "VoltageLabel", "PressureUnitLabel", "VoltageUnitLabel"},
       {"NoAnalogLabel"}},
      {2,
       {ReadChannelRequest(250, 1), ReadConfigRequest(250, 18)},
       {"PressureLabel", "PressureUnitLabel"},
       {"VoltageLabel", "VoltageUnitLabel"}},
      {4,
       {ReadChannelRequest(250, 0), ReadParameterRequest(250, 0)},
       {"PressureLabel"},
       {"PressureUnitLabel", "VoltageUnitLabel"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("family " + std::to_string(c.family));
    services.sim.AddStation(c.family, 1).SetMotion({});
    ReadAndDisplay();
    EXPECT_TRUE(Running());
    EXPECT_TRUE(services.sim.factory.IsOpen(SimEnvironment::kSimCom)) << "open while it runs";
    Tick();
    EXPECT_EQ(Wire(), c.tick);
    for (const char* name : c.shown) EXPECT_FALSE(Widget(name)->isHidden()) << name;
    for (const char* name : c.hidden) EXPECT_TRUE(Widget(name)->isHidden()) << name;
    EXPECT_FALSE(Text("PressureLabel").empty());
    EXPECT_NE(Widget("SW1OpenImage")->isHidden(), Widget("SW1ClosedImage")->isHidden());

    Click("OnlineSpeedButton");
    EXPECT_FALSE(Running());
    EXPECT_FALSE(services.sim.factory.IsOpen(SimEnvironment::kSimCom)) << "closed when stopped";
    EXPECT_THAT(services.dialogs.boxes, IsEmpty());
    form.reset();
    services.sim.bus.RemoveAll();
  }
}

// At the bottom of a 0.5 V range, only a measured voltage proves the output.
TEST_F(LiveTest, APressureSwitchWithoutAWorkingAnalogOutputSaysSoAndReadsNoPressure) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1}).SetAnalogOutputWorks(false);
  ReadAndDisplay();
  Tick();
  EXPECT_FALSE(Widget("NoAnalogLabel")->isHidden());
  EXPECT_THAT(Shown({"PressureLabel", "VoltageLabel"}), IsEmpty());
  EXPECT_THAT(Wire(), Not(Contains(ReadChannelRequest(250, 1))));
  EXPECT_NE(Widget("SW1OpenImage")->isHidden(), Widget("SW1ClosedImage")->isHidden());
}

TEST_F(LiveTest, StateByteTwoClosesOutputTwoAndSevenChangesNothing) {
  auto& device = services.sim.bus.Add<ScriptedLevelDevice>(std::uint8_t{1});
  ReadAndDisplay();
  device.stateByte = 2;
  Tick();
  EXPECT_THAT(Shown({"SW1OpenImage", "SW1ClosedImage", "SW2OpenImage", "SW2ClosedImage"}),
              ElementsAre("SW1OpenImage", "SW2ClosedImage"));
  // As read, no unit conversion, at the decimals of the pressures: none before a range set them.
  EXPECT_EQ(Text("PressureLabel"), "1235");
  device.stateByte = 7;
  Tick();
  EXPECT_THAT(Shown({"SW1OpenImage", "SW1ClosedImage", "SW2OpenImage", "SW2ClosedImage"}),
              ElementsAre("SW1OpenImage", "SW2ClosedImage"));
}

TEST_F(LiveTest, AnUnpluggedPortEndsTheDisplayWithOneMessageAndKeepsTheView) {
  services.sim.bus.Add<Family2Station>(std::uint8_t{1});
  ReadAndDisplay();
  Tick();
  const std::string reading = Text("PressureLabel");
  services.sim.factory.Unplug(SimEnvironment::kSimCom);
  Tick();
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("No device (QM-40 RT or QM-4 KX) connected to the COM-Port or device "
                          "not ready!"));
  EXPECT_FALSE(Running());
  EXPECT_EQ(Text("PressureLabel"), reading);
  EXPECT_EQ(form->DeviceFamily(), DeviceFamily::kSwitchDevice) << "the device is not forgotten";
  EXPECT_TRUE(Widget("OnlineSpeedButton")->isEnabled()) << "it can be pressed again";
}

TEST_F(LiveTest, AProgrammerThatLosesItsSwitchIsTheFullFailureReport) {
  auto& programmer = services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  programmer.SetAnalogOutputWorks(false);
  ReadAndDisplay();
  programmer.SetFaults({.noSwitch = true});
  Tick();
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("No Pressure Switch connected to the programmer!"));
  EXPECT_EQ(form->DeviceFamily(), DeviceFamily::kNone);
  EXPECT_FALSE(Widget("OnlineSpeedButton")->isEnabled());
}

TEST_F(LiveTest, ReadingOrProgrammingStopsTheDisplayFirst) {
  services.sim.bus.Add<Family2Station>(std::uint8_t{1});
  for (const char* button : {"ReadButton", "ProgramButton"}) {
    ReadAndDisplay();
    Click(button);
    EXPECT_FALSE(Running()) << button;
    EXPECT_THAT(services.dialogs.boxes, IsEmpty()) << button;
    form.reset();
  }
}

}  // namespace
}  // namespace tarnwick::testing
