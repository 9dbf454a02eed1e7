#include <QRadioButton>

#include "device/sim_requests.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

// Visibility is set row by row and group by group; the lists below name one
// widget of each.
class ReadFamilyTest : public WindowTest {
 protected:
  // A successful read from the window's side: every button usable, the data
  // valid, the link closed and the cursor back.
  void ExpectReadSucceeded() {
    EXPECT_THAT(Disabled({"ReadButton", "ProgramButton", "OnlineSpeedButton"}), IsEmpty());
    EXPECT_TRUE(form->DeviceDataValid());
    EXPECT_TRUE(services.dialogs.boxes.empty());
    EXPECT_FALSE(services.sim.factory.IsOpen(SimEnvironment::kSimCom));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }

  bool Checked(const char* radioButton) const {
    return Widget<QRadioButton>(radioButton)->isChecked();
  }

  std::vector<int> AddressesOnTheWire() const {
    std::vector<int> addresses;
    for (const RequestFrame& frame : Wire()) addresses.push_back(frame.address);
    return addresses;
  }
};

TEST_F(ReadFamilyTest, Family1ShowsTheSwitchBesideItsProgrammerReadAt250) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start();
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_EQ(form->DeviceFamily(), DeviceFamily::kPressureSwitch);

  ExpectTexts(
      {Shows{"DeviceInformationGroupBox", "LX-60 MB"}, Shows{"SerialNumberLabel", "310042"},
       Shows{"DeviceTypeLabel", "60.1"}, Shows{"ProgrammerTypeLabel", "12.1"},
       Shows{"SoftwareVersionDeviceLabel", "2.4"}, Shows{"SoftwareVersionProgrammerLabel", "5.12"},
       Shows{"PressureRangeLabel", "0.00 ... 10.00"}, Shows{"TemperatureRangeLabel", "-25 ... 85"},
       Shows{"AnalogOutputRangeLabel", "0.5 ... 4.5"}, Shows{"SW1TypeLabel", "PNP"},
       Shows{"SW1HLevelEdit", "6.00"}, Shows{"SW1LLevelEdit", "5.00"}, Shows{"SW1CDEdit", "0.50"},
       Shows{"SW1ODEdit", "1.00"}, Shows{"SW2TypeLabel", "NPN"}, Shows{"SW2ODEdit", "0.20"}});
  EXPECT_TRUE(Checked("SW1HysteresisRadioButton") && Checked("SW1NORadioButton"));
  EXPECT_TRUE(Checked("SW2WindowRadioButton") && Checked("SW2NORadioButton"));

  EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet", "SW2TabSheet"));
  EXPECT_THAT(Hidden({"LX1Image", "ProgrammerTypeLabel", "SerialNumberLabel", "PressureRangeLabel",
                      "TemperatureRangeLabel", "AnalogOutputRangeLabel", "PressureLabel",
                      "VoltageLabel", "Switch1Label", "Switch2Label", "SW1TypeLabel",
                      "SW1HystGroupBox", "SW1SwitchGroupBox", "SW1HLevelEdit", "SW1CDEdit"}),
              IsEmpty());
  EXPECT_THAT(Shown({"QM4Image", "MV1Image", "BusAddressLabel", "NoAnalogLabel",
                     "Morvik_unit_label", "SW1OpenImage", "ReadAddressEdit"}),
              IsEmpty());

  ASSERT_EQ(Wire().size(), 27U);  // identify, 2 jobs with 3 polls each, 18 reads
  EXPECT_EQ(Wire().front(), IdentifyRequest(250));
  EXPECT_THAT(Wire(), Each(Field(&RequestFrame::address, 250)));
  EXPECT_THAT(progress,
              ElementsAre(5, 10, 15, 20, 25, 30, 35, 40, 50, 60, 70, 80, 85, 90, 95, 100, 0));
}

TEST_F(ReadFamilyTest, Family1WithoutAnalogOutputSaysSo) {
  // 0.5 V at the bottom of the range: only a measured voltage proves the output.
  services.sim.bus.Add<Family1Station>(std::uint8_t{1}).SetAnalogOutputWorks(false);
  Start();
  ReadOut();
  EXPECT_THAT(Hidden({"NoAnalogLabel", "AnalogOutputRangeLabel"}), IsEmpty());
  EXPECT_EQ(Text("NoAnalogLabel"), "No analog output");
  EXPECT_THAT(Shown({"PressureLabel", "PressureUnitLabel", "VoltageLabel"}), IsEmpty());
}

TEST_F(ReadFamilyTest, Family1ShowsOnlyTheSwitchesItHas) {
  auto& station = services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  station.Stored().parameters[3] = {0, 2, 0, 0};  // switch 1 none, switch 2 PNP
  station.SyncProgrammerCopy();
  Start();
  ReadOut();
  EXPECT_THAT(ShownTabs(), ElementsAre("SW2TabSheet"));
  EXPECT_EQ(FrontPage(), "SW2TabSheet");
  EXPECT_THAT(Shown({"Switch1Label"}), IsEmpty());
  EXPECT_THAT(Hidden({"Switch2Label"}), IsEmpty());
}

TEST_F(ReadFamilyTest, Family1InFactoryModeShowsTheStoredValuesInBar) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start({"workshop"});
  ReadOut();
  ExpectReadSucceeded();

  EXPECT_THAT(ShownTabs(), ElementsAre("ProgrammingTabSheet", "ReadoutTabSheet"));
  EXPECT_EQ(FrontPage(), "ReadoutTabSheet");
  EXPECT_EQ(Text("DeviceInformationGroupBox"), "");
  EXPECT_EQ(Text("BusAddressLabel"), "1");
  EXPECT_THAT(Hidden({"LX1Image", "BusAddressLabel", "PressureLabel", "VoltageLabel",
                      "ReadAddressEdit", "AnalogOutputRangeLabel", "ProgrammerTypeLabel"}),
              IsEmpty());
  EXPECT_THAT(Shown({"NoAnalogLabel", "QM4Image", "MV1Image"}), IsEmpty());

  ExpectTexts({Shows{"PressureRangeMaxReadEdit", "10.00"},
               Shows{"TemperatureRangeMinReadEdit", "-25"}, Shows{"SNReadEdit", "310042"},
               Shows{"WHReadEdit", "10"}, Shows{"AnalogOutReadComboBox", "0,5 ... 4,5 Volt"},
               Shows{"SW1HReadEdit", "6.00"}, Shows{"SW1LReadEdit", "5.00"},
               Shows{"SW1STReadComboBox", "PNP"}, Shows{"SW1SFReadComboBox", "Hyst. NO"},
               Shows{"SW1CDReadEdit", "25"}, Shows{"SW1ODReadEdit", "50"},
               Shows{"SW2SFReadComboBox", "Fenster NO"}});
}

TEST_F(ReadFamilyTest, Family2ShowsTheSwitchDeviceWithoutDelaysOrAnalogOutputReadAt250) {
  services.sim.bus.Add<Family2Station>(std::uint8_t{1});
  Start();
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_EQ(form->DeviceFamily(), DeviceFamily::kSwitchDevice);

  ExpectTexts({Shows{"DeviceInformationGroupBox", "QM-4 KX"}, Shows{"SerialNumberLabel", "220311"},
               Shows{"DeviceTypeLabel", "11.10"}, Shows{"SoftwareVersionDeviceLabel", "2.1"},
               Shows{"PressureRangeLabel", "0.00 ... 16.00"}, Shows{"SW2HLevelEdit", "12.00"},
               Shows{"SW2DelayStepLabel", "0.02s step"}});
  EXPECT_TRUE(Checked("SW2WindowRadioButton") && Checked("SW2NCRadioButton"));

  EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet", "SW2TabSheet"));
  EXPECT_THAT(Hidden({"QM4Image", "SerialNumberLabel", "PressureRangeLabel",
                      "TemperatureRangeLabel", "PressureLabel", "PressureUnitLabel", "Switch2Label",
                      "SW1HLevelEdit", "SW1HLUnitLabel", "SW2WindowImage"}),
              IsEmpty());
  EXPECT_THAT(Shown({"LX1Image", "MV1Image", "ProgrammerTypeLabel", "AnalogOutputRangeLabel",
                     "BusAddressLabel", "VoltageLabel", "NoAnalogLabel", "SW1TypeLabel",
                     "SW1CDEdit", "Morvik_unit_label"}),
              IsEmpty());
  EXPECT_EQ(AddressesOnTheWire(), std::vector<int>(12, 250));
}

// The pressure switch is read at the typed address, twice over for the
// read-back page; the switch device only identified there and read at 250;
// the level device reads its switches there. The switch pages of the other
// families replace the programming page.
TEST_F(ReadFamilyTest, FactoryModeReadsAtTheTypedAddress) {
  struct Case {
    int family;
    const char* typed;
    std::vector<int> addresses;
    Names tabs;
  };
  const Case cases[] = {
      {1, "263", std::vector<int>(41, 7), {"ProgrammingTabSheet", "ReadoutTabSheet"}},
      {2,
       "7",
       {7, 250, 250, 250, 250, 250, 250, 250, 250, 250, 250, 250},
       {"SW1TabSheet", "SW2TabSheet"}},
      {4, "7", {7, 250, 250, 250, 250, 250, 7, 7, 7, 7, 7, 7, 7}, {"SW1TabSheet", "SW2TabSheet"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("family " + std::to_string(c.family));
    services.sim.bus.RemoveAll();
    services.sim.AddStation(c.family, 7);
    Start({"workshop"});
    Widget<QLineEdit>("ReadAddressEdit")->setText(c.typed);  // only the low byte counts
    ReadOut();
    ExpectReadSucceeded();
    EXPECT_EQ(AddressesOnTheWire(), c.addresses);
    EXPECT_EQ(ShownTabs(), c.tabs);
    EXPECT_THAT(Hidden({"ReadAddressEdit", "ProgramFromEdit"}), IsEmpty());
    form.reset();
  }
}

TEST_F(ReadFamilyTest, Family4ShowsTheLevelDeviceWithItsUnitAndWholeSecondDelays) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  Start();
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_EQ(form->DeviceFamily(), DeviceFamily::kLevelDevice);

  ExpectTexts({Shows{"DeviceInformationGroupBox", "Morvik"}, Shows{"SerialNumberLabel", "400017"},
               Shows{"DeviceTypeLabel", "15.1"}, Shows{"SoftwareVersionDeviceLabel", "10.0"},
               Shows{"Morvik_unit_label", "Unit CH0: Liter (l)"}, Shows{"SW1HLevelEdit", "800"},
               Shows{"SW1HLUnitLabel", ""}, Shows{"SW1CDEdit", "5.00"},
               Shows{"SW1DelayStepLabel", "1s step"}});

  EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet", "SW2TabSheet"));
  EXPECT_THAT(Hidden({"MV1Image", "Morvik_unit_label", "SerialNumberLabel", "PressureLabel",
                      "Switch1Label", "SW1CDEdit"}),
              IsEmpty());
  EXPECT_THAT(Shown({"PressureRangeLabel", "TemperatureRangeLabel", "AnalogOutputRangeHeadLabel",
                     "PressureUnitLabel", "VoltageLabel", "NoAnalogLabel", "SeparationLabel",
                     "SW1TypeLabel"}),
              IsEmpty());
}

TEST_F(ReadFamilyTest, Family4BeforeVersion948HasNoDelayFields) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1}, std::uint8_t{6}, std::uint8_t{10});
  Start();
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_THAT(Shown({"SW1Panel", "SW1CDEdit", "SW2DelayLabel", "SW2CDEdit"}), IsEmpty());
}

TEST_F(ReadFamilyTest, EveryReadStartsFromTheEmptyView) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  Start();
  ReadOut();
  ASSERT_EQ(Text("DeviceInformationGroupBox"), "Morvik");

  services.sim.bus.RemoveAll();
  services.sim.bus.Add<Family2Station>(std::uint8_t{1});
  ReadOut();
  EXPECT_EQ(Text("DeviceInformationGroupBox"), "QM-4 KX");
  EXPECT_THAT(Shown({"MV1Image", "Morvik_unit_label"}), IsEmpty());
  EXPECT_EQ(Text("SW1HLUnitLabel"), "bar");
  EXPECT_THAT(Hidden({"PressureRangeLabel", "SW1HLUnitLabel", "PressureUnitLabel"}), IsEmpty());
}

}  // namespace
}  // namespace tarnwick::testing
