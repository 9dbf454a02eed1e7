#include <QRadioButton>

#include "device/sim_requests.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

// A successful read from the window's side: every button usable, the data
// valid, the link closed and the cursor back.
class ReadFamilyTest : public WindowTest {
 protected:
  void ExpectReadSucceeded() {
    EXPECT_THAT(Disabled({"ReadButton", "ProgramButton", "OnlineSpeedButton"}), IsEmpty());
    EXPECT_TRUE(form->DeviceDataValid());
    EXPECT_TRUE(services.dialogs.boxes.empty());
    EXPECT_FALSE(services.sim.factory.IsOpen(SimEnvironment::kSimCom));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Widget<QProgressBar>("ActivityProgressBar")->value(), 0);
  }

  bool Checked(const char* radioButton) const {
    return Widget<QRadioButton>(radioButton)->isChecked();
  }
};

TEST_F(ReadFamilyTest, Family1ShowsTheSwitchBesideItsProgrammer) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start();
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_EQ(form->DeviceFamily(), 1);

  EXPECT_EQ(
      Texts({"DeviceInformationGroupBox", "SerialNumberLabel", "DeviceTypeLabel",
             "ProgrammerTypeLabel", "SoftwareVersionDeviceLabel", "SoftwareVersionProgrammerLabel",
             "PressureRangeLabel", "PressureRangeUnitLabel", "TemperatureRangeLabel",
             "AnalogOutputRangeLabel", "PressureLabel", "VoltageLabel"}),
      (TextsByName{{"DeviceInformationGroupBox", "LX-60 MB"},
                   {"SerialNumberLabel", "310042"},
                   {"DeviceTypeLabel", "60.1"},
                   {"ProgrammerTypeLabel", "12.1"},
                   {"SoftwareVersionDeviceLabel", "2.4"},
                   {"SoftwareVersionProgrammerLabel", "5.12"},
                   {"PressureRangeLabel", "0.00 ... 10.00"},
                   {"PressureRangeUnitLabel", "bar"},
                   {"TemperatureRangeLabel", "-25 ... 85"},
                   {"AnalogOutputRangeLabel", "0.5 ... 4.5"},
                   {"PressureLabel", ""},
                   {"VoltageLabel", ""}}));
  EXPECT_EQ(Texts({"SW1TypeLabel", "SW1HLevelEdit", "SW1LLevelEdit", "SW1CDEdit", "SW1ODEdit",
                   "SW2TypeLabel", "SW2HLevelEdit", "SW2LLevelEdit", "SW2CDEdit", "SW2ODEdit",
                   "SW1HLUnitLabel", "SW1DelayStepLabel", "SW1DelayRangeLabel"}),
            (TextsByName{{"SW1TypeLabel", "PNP"},
                         {"SW1HLevelEdit", "6.00"},
                         {"SW1LLevelEdit", "5.00"},
                         {"SW1CDEdit", "0.50"},
                         {"SW1ODEdit", "1.00"},
                         {"SW2TypeLabel", "NPN"},
                         {"SW2HLevelEdit", "5.00"},
                         {"SW2LLevelEdit", "3.00"},
                         {"SW2CDEdit", "0.00"},
                         {"SW2ODEdit", "0.20"},
                         {"SW1HLUnitLabel", "bar"},
                         {"SW1DelayStepLabel", "0.02s step"},
                         {"SW1DelayRangeLabel", "0 .. 5s"}}));
  EXPECT_TRUE(Checked("SW1HysteresisRadioButton") && Checked("SW1NORadioButton"));
  EXPECT_TRUE(Checked("SW2WindowRadioButton") && Checked("SW2NORadioButton"));

  EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet", "SW2TabSheet"));
  EXPECT_THAT(Hidden({"LX1Image",
                      "SeparationLabel",
                      "ProgrammerTypeLabel",
                      "SeparationLabel2",
                      "SoftwareVersionProgrammerLabel",
                      "SerialNumberLabel",
                      "DeviceTypeLabel",
                      "SoftwareVersionDeviceLabel",
                      "PressureRangeLabel",
                      "PressureRangeUnitLabel",
                      "TemperatureRangeLabel",
                      "TemperatureRangeUnitLabel",
                      "AnalogOutputRangeHeadLabel",
                      "AnalogOutputRangeLabel",
                      "AnalogOutputRangeUnitLabel",
                      "PressureLabel",
                      "PressureUnitLabel",
                      "VoltageLabel",
                      "VoltageUnitLabel",
                      "Switch1Label",
                      "Switch2Label",
                      "SW1TypeLabel",
                      "SW1HystGroupBox",
                      "SW1SwitchGroupBox",
                      "SW1HLevelEdit",
                      "SW1CDEdit",
                      "SW2TypeLabel",
                      "SW2ODEdit"}),
              IsEmpty());
  EXPECT_THAT(Shown({"QM4Image", "MV1Image", "BusAddressHeadLabel", "BusAddressLabel",
                     "NoAnalogLabel", "Morvik_unit_label", "SW1OpenImage", "SW1ClosedImage",
                     "SW2OpenImage", "SW2ClosedImage", "ReadAddressEdit", "ProgramFromEdit"}),
              IsEmpty());
}

TEST_F(ReadFamilyTest, Family1TalksOnlyToItsProgrammerAtTheDefaultAddress) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  Start();
  ReadOut();

  const std::vector<RequestFrame> wire = Wire();
  ASSERT_EQ(wire.size(), 27U);  // identify, 2 jobs with 3 polls each, 18 reads
  EXPECT_EQ(wire.front(), IdentifyRequest(250));
  EXPECT_EQ(wire[1], StartJobRequest(250, 1));
  EXPECT_EQ(wire[5], StartJobRequest(250, 2));
  EXPECT_EQ(wire.back(), ReadChannelRequest(250, 2));
  EXPECT_THAT(wire, Each(Field(&RequestFrame::address, 250)));
  EXPECT_THAT(progress,
              ElementsAre(5, 10, 15, 20, 25, 30, 35, 40, 50, 60, 70, 80, 85, 90, 95, 100, 0));
}

TEST_F(ReadFamilyTest, Family1WithoutAnalogOutputSaysSo) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{1}).SetAnalogOutputWorks(false);
  // 0.5 V at the bottom of the range: only a measured voltage proves the output.
  Start();
  ReadOut();
  EXPECT_THAT(Hidden({"NoAnalogLabel", "AnalogOutputRangeLabel"}), IsEmpty());
  EXPECT_EQ(Text("NoAnalogLabel"), "No analog output");
  EXPECT_THAT(Shown({"PressureLabel", "PressureUnitLabel", "VoltageLabel", "VoltageUnitLabel"}),
              IsEmpty());
}

TEST_F(ReadFamilyTest, Family1ShowsOnlyTheSwitchesItHas) {
  auto& station = services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  station.Stored().parameters[3] = {0, 2, 0, 0};  // switch 1 none, switch 2 PNP
  station.SyncProgrammerCopy();
  Start();
  ReadOut();
  EXPECT_THAT(ShownTabs(), ElementsAre("SW2TabSheet"));
  EXPECT_THAT(Shown({"Switch1Label"}), IsEmpty());
  EXPECT_THAT(Hidden({"Switch2Label"}), IsEmpty());
  EXPECT_EQ(FrontPage(), "SW2TabSheet");
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
  EXPECT_THAT(Hidden({"LX1Image", "BusAddressHeadLabel", "BusAddressLabel", "PressureLabel",
                      "PressureUnitLabel", "VoltageLabel", "VoltageUnitLabel", "ReadAddressLabel",
                      "ReadAddressEdit", "ProgramFromEdit", "ProgramToEdit",
                      "AnalogOutputRangeLabel", "SoftwareVersionProgrammerLabel"}),
              IsEmpty());
  EXPECT_THAT(Shown({"NoAnalogLabel", "QM4Image", "MV1Image"}), IsEmpty());

  EXPECT_EQ(
      Texts({"PressureRangeMinReadEdit", "PressureRangeMaxReadEdit", "TemperatureRangeMinReadEdit",
             "TemperatureRangeMaxReadEdit", "SW1HReadEdit", "SW1LReadEdit", "SW2HReadEdit",
             "SW2LReadEdit", "SNReadEdit", "SW1STReadComboBox", "SW2STReadComboBox",
             "SW1SFReadComboBox", "SW2SFReadComboBox", "SW1CDReadEdit", "SW1ODReadEdit",
             "SW2CDReadEdit", "SW2ODReadEdit", "WHReadEdit", "AnalogOutReadComboBox"}),
      (TextsByName{{"PressureRangeMinReadEdit", "0.00"},
                   {"PressureRangeMaxReadEdit", "10.00"},
                   {"TemperatureRangeMinReadEdit", "-25"},
                   {"TemperatureRangeMaxReadEdit", "85"},
                   {"SW1HReadEdit", "6.00"},
                   {"SW1LReadEdit", "5.00"},
                   {"SW2HReadEdit", "5.00"},
                   {"SW2LReadEdit", "3.00"},
                   {"SNReadEdit", "310042"},
                   {"SW1STReadComboBox", "PNP"},
                   {"SW2STReadComboBox", "NPN"},
                   {"SW1SFReadComboBox", "Hyst. NO"},
                   {"SW2SFReadComboBox", "Fenster NO"},
                   {"SW1CDReadEdit", "25"},
                   {"SW1ODReadEdit", "50"},
                   {"SW2CDReadEdit", "0"},
                   {"SW2ODReadEdit", "10"},
                   {"WHReadEdit", "10"},
                   {"AnalogOutReadComboBox", "0,5 ... 4,5 Volt"}}));
}

TEST_F(ReadFamilyTest, Family1InFactoryModeReadsAtTheTypedAddressAndTwiceOver) {
  services.sim.bus.Add<Family1Station>(std::uint8_t{7});
  Start({"workshop"});
  Widget<QLineEdit>("ReadAddressEdit")->setText("263");  // only the low byte counts: 7
  ReadOut();
  ExpectReadSucceeded();

  const std::vector<RequestFrame> wire = Wire();
  ASSERT_EQ(wire.size(), 41U);  // the normal read and 14 reads for the read-back page
  EXPECT_EQ(wire.front(), IdentifyRequest(7));
  EXPECT_EQ(wire.back(), ReadParameterRequest(7, 11));
  EXPECT_THAT(wire, Each(Field(&RequestFrame::address, 7)));
}

TEST_F(ReadFamilyTest, Family2ShowsTheSwitchDeviceWithoutDelaysOrAnalogOutput) {
  services.sim.bus.Add<Family2Station>(std::uint8_t{1});
  Start();
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_EQ(form->DeviceFamily(), 2);

  EXPECT_EQ(Texts({"DeviceInformationGroupBox", "SerialNumberLabel", "DeviceTypeLabel",
                   "SoftwareVersionDeviceLabel", "PressureRangeLabel", "TemperatureRangeLabel",
                   "SW1HLevelEdit", "SW1LLevelEdit", "SW2HLevelEdit", "SW2LLevelEdit",
                   "SW2DelayStepLabel", "SW2DelayRangeLabel"}),
            (TextsByName{{"DeviceInformationGroupBox", "QM-4 KX"},
                         {"SerialNumberLabel", "220311"},
                         {"DeviceTypeLabel", "11.10"},
                         {"SoftwareVersionDeviceLabel", "2.1"},
                         {"PressureRangeLabel", "0.00 ... 16.00"},
                         {"TemperatureRangeLabel", "-20 ... 80"},
                         {"SW1HLevelEdit", "8.00"},
                         {"SW1LLevelEdit", "7.00"},
                         {"SW2HLevelEdit", "12.00"},
                         {"SW2LLevelEdit", "6.00"},
                         {"SW2DelayStepLabel", "0.02s step"},
                         {"SW2DelayRangeLabel", "0 .. 5s"}}));
  EXPECT_TRUE(Checked("SW1HysteresisRadioButton") && Checked("SW1NORadioButton"));
  EXPECT_TRUE(Checked("SW2WindowRadioButton") && Checked("SW2NCRadioButton"));

  EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet", "SW2TabSheet"));
  EXPECT_THAT(Hidden({"QM4Image", "SerialNumberLabel", "DeviceTypeLabel",
                      "SoftwareVersionDeviceLabel", "PressureRangeLabel", "PressureRangeUnitLabel",
                      "TemperatureRangeLabel", "PressureLabel", "PressureUnitLabel", "Switch1Label",
                      "Switch2Label", "SW1HLevelEdit", "SW1HLUnitLabel", "SW2WindowImage"}),
              IsEmpty());
  EXPECT_THAT(Shown({"LX1Image", "MV1Image", "SeparationLabel", "ProgrammerTypeLabel",
                     "SoftwareVersionProgrammerLabel", "AnalogOutputRangeHeadLabel",
                     "AnalogOutputRangeLabel", "BusAddressLabel", "VoltageLabel",
                     "VoltageUnitLabel", "NoAnalogLabel", "SW1TypeLabel", "SW2TypeLabel",
                     "SW1Panel", "SW1CDEdit", "SW2ODEdit", "Morvik_unit_label"}),
              IsEmpty());

  EXPECT_THAT(Wire(), ElementsAre(IdentifyRequest(250), ReadCoefficientRequest(250, 80),
                                  ReadCoefficientRequest(250, 81), ReadCoefficientRequest(250, 86),
                                  ReadCoefficientRequest(250, 87), ReadConfigRequest(250, 18),
                                  ReadCoefficientRequest(250, 72), ReadCoefficientRequest(250, 73),
                                  ReadCoefficientRequest(250, 78), ReadCoefficientRequest(250, 79),
                                  ReadSerialNumberRequest(250), SetBusAddressRequest(250, 0)));
  EXPECT_THAT(progress, ElementsAre(5, 10, 60, 70, 80, 90, 100, 0));
}

TEST_F(ReadFamilyTest, Family2InFactoryModeIsIdentifiedAtTheTypedAddressAndReadAt250) {
  services.sim.bus.Add<Family2Station>(std::uint8_t{5});
  Start({"workshop"});
  Widget<QLineEdit>("ReadAddressEdit")->setText("5");
  ReadOut();
  ExpectReadSucceeded();

  const std::vector<RequestFrame> wire = Wire();
  ASSERT_EQ(wire.size(), 12U);
  EXPECT_EQ(wire.front(), IdentifyRequest(5));
  EXPECT_THAT(std::vector<RequestFrame>(wire.begin() + 1, wire.end()),
              Each(Field(&RequestFrame::address, 250)));
  // The switch pages of the device replace the programming page; the
  // read-back page stays hidden and out of sight.
  EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet", "SW2TabSheet"));
  EXPECT_EQ(FrontPage(), "SW1TabSheet");
  EXPECT_THAT(Hidden({"ReadAddressEdit", "ProgramFromEdit"}), IsEmpty());
}

TEST_F(ReadFamilyTest, Family4ShowsTheLevelDeviceWithItsUnitAndWholeSecondDelays) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  Start();
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_EQ(form->DeviceFamily(), 4);

  EXPECT_EQ(Texts({"DeviceInformationGroupBox", "SerialNumberLabel", "DeviceTypeLabel",
                   "SoftwareVersionDeviceLabel", "PressureRangeLabel", "Morvik_unit_label",
                   "SW1HLevelEdit", "SW1LLevelEdit", "SW1HLUnitLabel", "SW1CDEdit", "SW1ODEdit",
                   "SW2CDEdit", "SW2ODEdit", "SW1DelayStepLabel", "SW1DelayRangeLabel"}),
            (TextsByName{{"DeviceInformationGroupBox", "Morvik"},
                         {"SerialNumberLabel", "400017"},
                         {"DeviceTypeLabel", "15.1"},
                         {"SoftwareVersionDeviceLabel", "10.0"},
                         {"PressureRangeLabel", "0.000 ... 1000.000"},
                         {"Morvik_unit_label", "Unit CH0: Liter (l)"},
                         {"SW1HLevelEdit", "800"},
                         {"SW1LLevelEdit", "700"},
                         {"SW1HLUnitLabel", ""},
                         {"SW1CDEdit", "5.00"},
                         {"SW1ODEdit", "2.00"},
                         {"SW2CDEdit", "0.00"},
                         {"SW2ODEdit", "10.00"},
                         {"SW1DelayStepLabel", "1s step"},
                         {"SW1DelayRangeLabel", "0 .. 255s"}}));

  EXPECT_THAT(ShownTabs(), ElementsAre("SW1TabSheet", "SW2TabSheet"));
  EXPECT_THAT(Hidden({"MV1Image", "Morvik_unit_label", "SerialNumberLabel", "DeviceTypeLabel",
                      "PressureLabel", "Switch1Label", "Switch2Label", "SW1CDEdit", "SW1Panel",
                      "SW2ODEdit"}),
              IsEmpty());
  EXPECT_THAT(Shown({"PressureRangeHeadLabel", "PressureRangeLabel", "TemperatureRangeHeadLabel",
                     "TemperatureRangeLabel", "AnalogOutputRangeHeadLabel", "PressureUnitLabel",
                     "VoltageLabel", "NoAnalogLabel", "SeparationLabel", "SW1TypeLabel"}),
              IsEmpty());
  EXPECT_THAT(progress, ElementsAre(5, 10, 70, 80, 100, 0));
}

TEST_F(ReadFamilyTest, Family4BeforeVersion948HasNoDelayFields) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1}, std::uint8_t{6}, std::uint8_t{10});
  Start();
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_THAT(Shown({"SW1Panel", "SW1CDEdit", "SW1ODEdit", "SW2DelayLabel", "SW2CDEdit"}),
              IsEmpty());
  EXPECT_EQ(Text("SW1DelayStepLabel"), "1s step");
  EXPECT_EQ(Text("SW2DelayRangeLabel"), "0 .. 255s");
}

TEST_F(ReadFamilyTest, Family4InFactoryModeReadsItsSwitchesAtTheTypedAddress) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{5});
  Start({"workshop"});
  Widget<QLineEdit>("ReadAddressEdit")->setText("5");
  ReadOut();
  ExpectReadSucceeded();
  EXPECT_THAT(Wire(), ElementsAre(IdentifyRequest(5), ReadSerialNumberRequest(250),
                                  ReadCoefficientRequest(250, 80), ReadCoefficientRequest(250, 81),
                                  ReadCoefficientRequest(250, 86), ReadCoefficientRequest(250, 87),
                                  ReadCoefficientRequest(5, 72), ReadCoefficientRequest(5, 73),
                                  ReadCoefficientRequest(5, 78), ReadCoefficientRequest(5, 79),
                                  ReadParameterRequest(5, 9), ReadParameterRequest(5, 10),
                                  ReadConfigRequest(5, 11)));
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
  EXPECT_THAT(Hidden({"PressureRangeLabel", "TemperatureRangeHeadLabel", "SW1HLUnitLabel",
                      "PressureUnitLabel"}),
              IsEmpty());
}

}  // namespace
}  // namespace tarnwick::testing
