#include "bus/device_commands.h"
#include "device/analog_output.h"
#include "device/identification.h"
#include "device/readout_engines.h"
#include "device/readout_steps.h"
#include "device/value_numbers.h"

namespace tarnwick {
namespace {

constexpr int kPollIntervalMs = 200;
constexpr int kMaxPolls = 21;
constexpr int kProgressPerPoll = 5;
constexpr int kProgressAfterReadAgain = 5;
// Where the progress bar stands after each step of the read-out.
constexpr int kProgressRangesRead = 50;
constexpr int kProgressAnalogRangeRead = 60;
constexpr int kProgressSwitch1PointsRead = 70;
constexpr int kProgressSwitch2PointsRead = 80;
constexpr int kProgressSerialNumberRead = 85;
constexpr int kProgressSwitchInfoRead = 90;
constexpr int kProgressOutputTypesRead = 95;
constexpr int kProgressSwitch1SettingsRead = 100;

// The programmer is reached only through its own address; it finds the
// switch, copies its data into itself, and then answers ordinary reads.
class Family1Reader {
 public:
  Family1Reader(BusLink& link, std::uint8_t address, EngineObserver& observer)
      : link_(link), address_(address), observer_(observer) {}

  ReadoutResult Run(const DeviceIdentity& identity, bool factoryMode);

 private:
  bool StartJobAndWait(std::uint8_t job);
  bool WaitForProgrammer();
  EngineOutcome FindSwitch();
  bool CopySwitchData();
  bool ReadRangesAndPoints(DeviceReadout& r);
  bool ReadDeviceValues(DeviceReadout& r);
  bool ReadSwitchSettings(DeviceReadout& r);
  bool ReadAnalogPresence(DeviceReadout& r);
  bool ReadFactoryReadBack(FactoryReadBack& back);

  BusLink& link_;
  std::uint8_t address_;
  EngineObserver& observer_;
  std::uint8_t status_ = 0;
};

ReadoutResult Family1Reader::Run(const DeviceIdentity& identity, bool factoryMode) {
  if (const EngineOutcome found = FindSwitch(); !found.succeeded()) return {found, {}};
  DeviceReadout r;
  r.family = DeviceFamily::kPressureSwitch;
  r.identity = identity;
  if (!CopySwitchData() || !ReadRangesAndPoints(r) || !ReadDeviceValues(r) ||
      !ReadSwitchSettings(r) || !ReadAnalogPresence(r)) {
    return ReadoutFailed();
  }
  if (factoryMode) {
    FactoryReadBack back;
    back.serialNumber = r.serialNumber;
    if (!ReadFactoryReadBack(back)) return ReadoutFailed();
    r.factoryReadBack = back;
  }
  return {EngineOutcome::Success(), r};
}

bool Family1Reader::StartJobAndWait(std::uint8_t job) {
  return StartProgrammerJob(link_, address_, job) == BusResult::kOk && WaitForProgrammer();
}

// Leaves the last status read in status_; a programmer still busy after the
// last poll keeps its busy bits there.
bool Family1Reader::WaitForProgrammer() {
  ParameterBytes d{};
  for (int polls = 0; polls < kMaxPolls;) {
    if (ReadParameter(link_, address_, kParamStatus, d) != BusResult::kOk) return false;
    link_.clock().Sleep(kPollIntervalMs);
    ++polls;
    observer_.AdvanceProgress(kProgressPerPoll);
    if ((d[0] & kProgrammerStatusBusyMask) == 0) break;
  }
  status_ = d[0];
  return true;
}

EngineOutcome Family1Reader::FindSwitch() {
  if (!StartJobAndWait(kJobFindSwitch)) return EngineOutcome::Failure(kMsgReadFailed);
  if (status_ == kProgrammerStatusNoSwitch) {
    // Whatever the search finds next, only a ready programmer ends the asking.
    do {
      if (!observer_.AskReadAgain()) return EngineOutcome::Declined();
      if (StartProgrammerJob(link_, address_, kJobFindSwitch) != BusResult::kOk) {
        return EngineOutcome::Failure(kMsgReadFailed);
      }
      observer_.SetProgress(kProgressAfterReadAgain);
      if (!WaitForProgrammer()) return EngineOutcome::Failure(kMsgReadFailed);
    } while (status_ != kProgrammerStatusReady);
  } else if (status_ != kProgrammerStatusReady) {
    return EngineOutcome::Failure(kMsgReadFailed);
  }
  return EngineOutcome::Success();
}

bool Family1Reader::CopySwitchData() {
  if (!StartJobAndWait(kJobCopySwitchData) || status_ != kProgrammerStatusTransferred) return false;
  // The sequence reads the status once more before the values; nothing in the reply is used.
  ParameterBytes unused{};
  return ReadParameter(link_, address_, kParamStatus, unused) == BusResult::kOk;
}

bool Family1Reader::ReadRangesAndPoints(DeviceReadout& r) {
  if (ReadRange(link_, address_, kCoefStoredPressureRangeMin, kCoefStoredPressureRangeMax,
                r.pressureRangeBar) != BusResult::kOk ||
      ReadRange(link_, address_, kCoefTemperatureMin, kCoefTemperatureMax, r.temperatureRange) !=
          BusResult::kOk) {
    return false;
  }
  observer_.SetProgress(kProgressRangesRead);
  ValueRange analog;
  if (ReadRange(link_, address_, kCoefAnalogOutMin, kCoefAnalogOutMax, analog) != BusResult::kOk)
    return false;
  r.analogOutputRange = analog;
  observer_.SetProgress(kProgressAnalogRangeRead);
  if (ReadSwitchPoints(link_, address_, kCoefSwitch1High, kCoefSwitch1Low, r.switches[0].highBar,
                       r.switches[0].lowBar) != BusResult::kOk) {
    return false;
  }
  observer_.SetProgress(kProgressSwitch1PointsRead);
  if (ReadSwitchPoints(link_, address_, kCoefSwitch2High, kCoefSwitch2Low, r.switches[1].highBar,
                       r.switches[1].lowBar) != BusResult::kOk) {
    return false;
  }
  observer_.SetProgress(kProgressSwitch2PointsRead);
  return true;
}

bool Family1Reader::ReadDeviceValues(DeviceReadout& r) {
  if (ReadSerialNumber(link_, address_, r.serialNumber) != BusResult::kOk) return false;
  observer_.SetProgress(kProgressSerialNumberRead);
  std::uint8_t reported = 0;
  if (SetBusAddress(link_, address_, 0, reported) != BusResult::kOk) return false;
  r.reportedBusAddress = reported;
  ParameterBytes d{};
  if (ReadParameter(link_, address_, kParamDeviceInfo, d) != BusResult::kOk) return false;
  r.attachedSwitch = AttachedSwitchInfo{d[0], d[1], d[2], d[3]};
  observer_.SetProgress(kProgressSwitchInfoRead);
  return true;
}

bool Family1Reader::ReadSwitchSettings(DeviceReadout& r) {
  ParameterBytes d{};
  if (ReadParameter(link_, address_, kParamOutputTypes, d) != BusResult::kOk) return false;
  r.switches[0].outputType = DecodeOutputType(d[0]);
  r.switches[1].outputType = DecodeOutputType(d[1]);
  observer_.SetProgress(kProgressOutputTypesRead);
  if (ReadParameter(link_, address_, kParamSwitch1, d) != BusResult::kOk) return false;
  ApplySwitchParameter(d, r.switches[0]);
  observer_.SetProgress(kProgressSwitch1SettingsRead);
  if (ReadParameter(link_, address_, kParamSwitch2, d) != BusResult::kOk) return false;
  ApplySwitchParameter(d, r.switches[1]);
  return true;
}

bool Family1Reader::ReadAnalogPresence(DeviceReadout& r) {
  float volts = 0.0F;
  std::uint8_t channelStatus = 0;
  if (ReadChannel(link_, address_, kChannelAnalogOutput, volts, channelStatus) != BusResult::kOk)
    return false;
  r.analogOutputPresent = AnalogOutputWorking(volts, r.analogOutputRange->min);
  return true;
}

bool Family1Reader::ReadFactoryReadBack(FactoryReadBack& back) {
  auto& [sw1, sw2] = back.switches;
  ValueRange analog;  // read again like the rest, but the read-back tab has a fixed entry for it
  if (ReadRange(link_, address_, kCoefStoredPressureRangeMin, kCoefStoredPressureRangeMax,
                back.pressureRangeBar) != BusResult::kOk ||
      ReadRange(link_, address_, kCoefTemperatureMin, kCoefTemperatureMax, back.temperatureRange) !=
          BusResult::kOk ||
      ReadRange(link_, address_, kCoefAnalogOutMin, kCoefAnalogOutMax, analog) != BusResult::kOk ||
      ReadSwitchPoints(link_, address_, kCoefSwitch1High, kCoefSwitch1Low, sw1.highBar,
                       sw1.lowBar) != BusResult::kOk ||
      ReadSwitchPoints(link_, address_, kCoefSwitch2High, kCoefSwitch2Low, sw2.highBar,
                       sw2.lowBar) != BusResult::kOk) {
    return false;
  }
  ParameterBytes types{};
  std::array<ParameterBytes, 2> settings{};
  ParameterBytes hysteresis{};
  if (ReadParameter(link_, address_, kParamOutputTypes, types) != BusResult::kOk ||
      ReadParameter(link_, address_, kParamSwitch1, settings[0]) != BusResult::kOk ||
      ReadParameter(link_, address_, kParamSwitch2, settings[1]) != BusResult::kOk ||
      ReadParameter(link_, address_, kParamWindowHysteresis, hysteresis) != BusResult::kOk) {
    return false;
  }
  for (std::size_t n = 0; n < back.switches.size(); ++n) {
    FactoryReadBack::Switch& s = back.switches[n];
    s.outputTypeCode = types[n];
    s.functionCode = settings[n][0];
    s.closingDelaySteps = settings[n][1];
    s.openingDelaySteps = settings[n][2];
  }
  back.windowHysteresis = hysteresis[0];
  return true;
}

}  // namespace

ReadoutResult ReadOutFamily1(BusLink& link, std::uint8_t address, const DeviceIdentity& identity,
                             bool factoryMode, EngineObserver& observer) {
  return Family1Reader(link, address, observer).Run(identity, factoryMode);
}

}  // namespace tarnwick
