// The program button in both modes: what goes over the wire, what the
// simulated stations hold afterwards, and what the window shows.
#include <QLineEdit>
#include <QRadioButton>
#include <fstream>

#include "device/sim_requests.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class ProgramTest : public WindowTest {
 protected:
  SimStation& ReadDevice(int family, std::uint8_t address = 1) {
    SimStation& station = services.sim.AddStation(family, address);
    Start();
    ReadOut();
    return station;
  }
  void SetText(const char* edit, const char* text) { Widget<QLineEdit>(edit)->setText(text); }
  void Program() {
    services.sim.ClearRecords();
    services.dialogs.boxes.clear();
    Click("ProgramButton");
  }
  bool Sent(const RequestFrame& frame) const {
    const std::vector<RequestFrame> wire = Wire();
    return std::find(wire.begin(), wire.end(), frame) != wire.end();
  }
};

TEST_F(ProgramTest, EachFamilyIsWrittenReadBackAndShown) {
  struct Case {
    int family;
    const char* delay;                  // typed into SW1CDEdit
    std::optional<std::uint8_t> steps;  // what parameter 9 then holds in D1
    const char* delayShown;
  };
  for (const Case& c :
       {Case{1, "1.06", 53, "1.06"}, Case{2, "", std::nullopt, ""}, Case{4, "3.7", 3, "3.00"}}) {
    SCOPED_TRACE("family " + std::to_string(c.family));
    SimStation& station = ReadDevice(c.family);
    Click("SW1WindowRadioButton");
    Click("SW1NCRadioButton");
    SetText("SW1HLevelEdit", "7.5");
    SetText("SW1LLevelEdit", "2.25");
    if (c.steps) SetText("SW1CDEdit", c.delay);
    Program();

    EXPECT_THAT(services.dialogs.boxes, IsEmpty());
    EXPECT_FLOAT_EQ(station.Stored().coefficients.at(72), 7.5F);
    EXPECT_FLOAT_EQ(station.Stored().coefficients.at(73), 2.25F);
    if (c.family == 2) {
      EXPECT_EQ(station.Stored().registers.at(18)[0], 0x19) << "Window, NC";
    } else {
      EXPECT_EQ(station.Stored().parameters.at(9)[0], 4) << "Window NC";
      EXPECT_EQ(station.Stored().parameters.at(9)[1], *c.steps);
      EXPECT_EQ(Text("SW1CDEdit"), c.delayShown) << "read back";
    }
    EXPECT_TRUE(Widget<QRadioButton>("SW1WindowRadioButton")->isChecked());
    EXPECT_THAT(Disabled({"ReadButton", "ProgramButton", "OnlineSpeedButton"}), IsEmpty());
    EXPECT_FALSE(services.sim.factory.IsOpen(SimEnvironment::kSimCom));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(progress.back(), 0);
    form.reset();
    services.sim.bus.RemoveAll();
  }
}

// 100 PSI goes out as the float 6.894745 bar: 40 DC A1 C0.
TEST_F(ProgramTest, PointsGoOutInBarWhateverTheUnitShown) {
  services.settings.values["PressureUnit"] = std::string("PSI");
  ReadDevice(2);
  SetText("SW1HLevelEdit", "100");
  SetText("SW1LLevelEdit", "50");
  Program();
  EXPECT_TRUE(Sent({250, 31, {72, 0x40, 0xDC, 0xA1, 0xC0}}));
}

TEST_F(ProgramTest, AHighPointNotAboveItsLowPointIsRefusedOnAShownTabOnly) {
  Family1Station& station = services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  station.Stored().parameters[3] = {2, 0, 0, 0};  // no output 2: its tab is hidden
  station.SyncProgrammerCopy();
  Start();
  ReadOut();
  SetText("SW2HLevelEdit", "1");
  SetText("SW2LLevelEdit", "1");
  SetText("SW1HLevelEdit", "4");
  SetText("SW1LLevelEdit", "4");
  Program();
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("This value has to be higher than the value below!"));
  EXPECT_THAT(Wire(), IsEmpty());
  EXPECT_EQ(FrontPage(), "SW1TabSheet");

  SetText("SW1HLevelEdit", "5");
  Program();
  EXPECT_THAT(services.dialogs.boxes, IsEmpty()) << "switch 2 has no tab and is not checked";
  EXPECT_FALSE(Wire().empty());
}

TEST_F(ProgramTest, AnotherDeviceOrAFailedWriteEndsWithItsMessage) {
  auto& station = static_cast<Family1Station&>(ReadDevice(1));
  station.Stored().serialNumber = 4711;  // another switch on the same programmer
  station.SyncProgrammerCopy();
  Program();
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("Device has been changed! Please read out the new device first!"));
  EXPECT_THAT(Wire(), Contains(ReadSerialNumberRequest(250)));
  EXPECT_FALSE(Sent(ReadParameterRequest(250, 9)));

  station.Stored().serialNumber = 310042;
  ReadOut();
  station.SetFaults({.silent = true, .onlyFunction = 31, .onlyIndex = 73});
  Program();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre("Error during writing!"));
  EXPECT_FALSE(Sent(ReadParameterRequest(250, 10))) << "nothing after the failed write";
  EXPECT_THAT(Enabled({"ReadButton", "ProgramButton"}), ElementsAre("ReadButton"));
}

TEST_F(ProgramTest, ADeviceThatKeepsAnotherValueIsNamedInAWarning) {
  SimStation& station = ReadDevice(1);
  station.SetFaults({.ignoredWrite = 72});
  SetText("SW1HLevelEdit", "7.5");
  Program();
  ASSERT_EQ(services.dialogs.TextsOf(BoxKind::kWarning).size(), 1U);
  EXPECT_THAT(services.dialogs.TextsOf(BoxKind::kWarning).front(),
              HasSubstr("Switch 1, high switch point: written 7.50 bar, read 6.00 bar"));
  EXPECT_EQ(Text("SW1HLevelEdit"), "6.00") << "the view shows what the device holds";
}

class FactoryProgramTest : public ProgramTest {
 protected:
  void AddProgrammers(std::initializer_list<std::uint8_t> addresses) {
    for (const std::uint8_t address : addresses) {
      programmers.push_back(&services.sim.bus.Add<Family1Station>(address));
    }
    Start({"workshop"});
  }
  std::vector<std::string> JournalLines() const {
    std::vector<std::string> lines;
    for (const auto& file : std::filesystem::directory_iterator(services.journal.path())) {
      std::ifstream in(file.path());
      for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    return lines;
  }

  std::vector<Family1Station*> programmers;
};

TEST_F(FactoryProgramTest, ARangeGetsAscendingSerialNumbersAndAJournalLineEach) {
  AddProgrammers({3, 4, 5});
  SetText("ProgramFromEdit", "3");
  SetText("ProgramToEdit", "5");
  SetText("SNEdit", "1000");
  SetText("SW1HProgramEdit", "8");
  Program();
  EXPECT_THAT(services.dialogs.boxes, IsEmpty());
  for (std::uint8_t n = 0; n < 3; ++n) {
    EXPECT_TRUE(Sent(WriteParameterRequest(3 + n, 2, {0x00, 0x00, 0x03, std::uint8_t(0xE8 + n)})));
    EXPECT_TRUE(Sent(StartJobRequest(3 + n, 2)));
    EXPECT_EQ(programmers[n]->Stored().serialNumber, 1000 + n);
  }
  const std::vector<std::string> journal = JournalLines();
  ASSERT_EQ(journal.size(), 3U);
  EXPECT_THAT(journal[2], HasSubstr(R"("port":"COM3","address":5,"serialNumber":1002)"));
  EXPECT_THAT(journal[2], HasSubstr(R"("result":"done")"));
}

TEST_F(FactoryProgramTest, AFirstAddressAboveTheLastServesItAlone) {
  AddProgrammers({5, 7});
  SetText("ProgramFromEdit", "7");
  SetText("ProgramToEdit", "5");
  Program();
  for (const RequestFrame& frame : Wire()) EXPECT_EQ(frame.address, 7);
  EXPECT_TRUE(Sent(StartJobRequest(7, 2)));
}

TEST_F(FactoryProgramTest, AProgrammerThatNeverGetsReadyStopsTheRunAtItsAddress) {
  AddProgrammers({1, 2});
  programmers[1]->SetFaults({.programmerBusyForever = true});
  SetText("ProgramToEdit", "2");
  Program();
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre("Error during writing! Adr: 2"));
  EXPECT_THAT(Enabled({"ReadButton", "ProgramButton"}), ElementsAre("ReadButton", "ProgramButton"));
  EXPECT_THAT(JournalLines(), Contains(HasSubstr(R"("address":2,)")));
}

TEST_F(FactoryProgramTest, AnInputThatDoesNotFitItsFieldIsRefusedBeforeThePortOpens) {
  AddProgrammers({1});
  SetText("ProgramToEdit", "300");
  Program();
  ASSERT_EQ(services.dialogs.Errors().size(), 1U);
  EXPECT_THAT(services.dialogs.Errors().front(), HasSubstr("bis Adresse"));
  EXPECT_EQ(services.sim.factory.OpenCount(SimEnvironment::kSimCom), 0);
}

}  // namespace
}  // namespace tarnwick::testing
