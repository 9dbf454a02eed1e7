#include "sim/family1_station.h"

#include <algorithm>

#include "bus/byte_order.h"
#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "sim/switch_logic.h"

namespace tarnwick {
namespace {

constexpr std::uint8_t kProgrammerClass = 12;
constexpr std::uint8_t kProgrammerGroup = 1;
constexpr std::uint8_t kProgrammerMajor = 5;

constexpr std::uint8_t kStatusParameter = 0;
constexpr std::uint8_t kSerialParameter = 2;
constexpr std::uint8_t kOutputTypeParameter = 3;
constexpr std::uint8_t kSwitch1Parameter = 9;
constexpr std::uint8_t kSwitch2Parameter = 10;

constexpr std::uint8_t kPressureChannel = 1;
constexpr std::uint8_t kAnalogChannel = 2;

// Pressure at the ends of the analog output, and the range it reports.
constexpr std::uint8_t kAnalogPressureMin = 80;
constexpr std::uint8_t kAnalogPressureMax = 81;
constexpr std::uint8_t kRangeMin = 92;
constexpr std::uint8_t kRangeMax = 93;
constexpr std::uint8_t kAnalogVoltsMin = 94;
constexpr std::uint8_t kAnalogVoltsMax = 95;

constexpr float kDefaultPressure = 4.2f;
constexpr float kDefaultWobble = 0.05f;

StationMemory DefaultSwitchMemory() {
  StationMemory memory;
  for (std::uint8_t number = 72; number <= 95; ++number) memory.coefficients[number] = 0.0f;
  memory.coefficients[72] = 6.0f;  // switch 1: hysteresis 6.0 / 5.0 bar
  memory.coefficients[73] = 5.0f;
  memory.coefficients[78] = 5.0f;  // switch 2: window 3.0 … 5.0 bar
  memory.coefficients[79] = 3.0f;
  memory.coefficients[kAnalogPressureMin] = 0.0f;
  memory.coefficients[kAnalogPressureMax] = 10.0f;
  memory.coefficients[86] = -25.0f;
  memory.coefficients[87] = 85.0f;
  memory.coefficients[kRangeMin] = 0.0f;
  memory.coefficients[kRangeMax] = 10.0f;
  memory.coefficients[kAnalogVoltsMin] = 0.5f;
  memory.coefficients[kAnalogVoltsMax] = 4.5f;
  memory.parameters[kStatusParameter] = {0, 0, 0, 0};
  memory.parameters[1] = {60, 1, 2, 4};                    // switch type 60.1, software 2.4
  memory.parameters[kOutputTypeParameter] = {2, 1, 0, 0};  // PNP, NPN
  memory.parameters[kSwitch1Parameter] = {1, 25, 50, 0};   // Hyst. NO, 0.50 s, 1.00 s
  memory.parameters[kSwitch2Parameter] = {3, 0, 10, 0};    // Window NO, 0.00 s, 0.20 s
  memory.parameters[11] = {10, 0, 0, 0};                   // window hysteresis
  memory.serialNumber = 310042;
  return memory;
}

std::vector<std::uint8_t> ParameterData(const ParameterBytes& bytes) {
  return {bytes.begin(), bytes.end()};
}

}  // namespace

Family1Station::Family1Station(std::uint8_t address, std::uint8_t versionMinor)
    : SimStation(address,
                 {kProgrammerClass, kProgrammerGroup, kProgrammerMajor, versionMinor, 0, 0}),
      switchMemory_(DefaultSwitchMemory()),
      programmerCopy_(switchMemory_) {
  SetLiveBase(kDefaultPressure);
  SetMotion({kDefaultWobble, std::chrono::milliseconds(10000)});
}

bool Family1Station::SwitchAttached() const {
  const StationFaults& faults = Faults();
  if (faults.noSwitch) return false;
  return !(faults.removeSwitchAfter && RequestsSinceFaultsSet() > *faults.removeSwitchAfter);
}

std::uint8_t Family1Station::Status() const {
  if (Faults().programmerBusyForever) return runningJob_ != 0 ? runningJob_ : 1;
  if (runningJob_ != 0) return runningJob_;
  return SwitchAttached() ? lastResult_ : kStatusNoSwitch;
}

SimStation::Reply Family1Station::Handle(const RequestFrame& request,
                                         std::chrono::microseconds at) {
  // Status polls are what moves a job on.
  const bool statusPoll = request.function == kFnReadParameter && !request.data.empty() &&
                          request.data[0] == kStatusParameter;
  if (statusPoll && runningJob_ != 0 && !Faults().programmerBusyForever) {
    if (pollsLeft_ > 0) {
      --pollsLeft_;
    } else {
      FinishJob();
    }
  }
  return SimStation::Handle(request, at);
}

void Family1Station::FinishJob() {
  const bool attached = SwitchAttached();
  if (runningJob_ == 2 && attached) {
    programmerCopy_ = switchMemory_;
    lastResult_ = kStatusTransferred;
  } else {
    lastResult_ = attached ? kStatusReady : kStatusNoSwitch;
  }
  runningJob_ = 0;
}

SimStation::Reply Family1Station::StartProgrammerJob(std::uint8_t job) {
  if (job != 1 && job != 2) return Reply::Exception(kSimExceptionValue);
  runningJob_ = job;
  pollsLeft_ = busyPolls_;
  if (busyPolls_ == 0 && !Faults().programmerBusyForever) FinishJob();
  return Reply::Data({job});
}

SimStation::Reply Family1Station::IdentifyWithCode(std::uint8_t first, std::uint8_t second) {
  if (first != kIdentifyCode[0] || second != kIdentifyCode[1]) return Reply::None();
  const DeviceIdentity& id = Identity();
  return Reply::Data({id.Class, id.Group, id.VersionMajor, id.VersionMinor, id.Spare1, id.Spare2});
}

SimStation::Reply Family1Station::WriteCoefficient(std::uint8_t number, float value) {
  Reply reply = SimStation::WriteCoefficient(number, value);
  if (reply.exception) return reply;
  // The range the switch reports is the one its analog output was set up for.
  std::vector<std::uint8_t> numbers{number};
  if (number == kAnalogPressureMin) numbers.push_back(kRangeMin);
  if (number == kAnalogPressureMax) numbers.push_back(kRangeMax);
  for (const std::uint8_t n : numbers) {
    programmerCopy_.coefficients[n] = value;
    if (SwitchAttached()) switchMemory_.coefficients[n] = value;
  }
  return reply;
}

SimStation::Reply Family1Station::WriteParameter(std::uint8_t index, const ParameterBytes& bytes) {
  const bool attached = SwitchAttached();
  if (index == kSerialParameter) {
    programmerCopy_.serialNumber = static_cast<std::int32_t>(GetU32BE(bytes.data()));
    if (attached) switchMemory_.serialNumber = programmerCopy_.serialNumber;
    MarkStoredChanged();
    return Reply::Data({index});
  }
  if (index == kStatusParameter) {
    // Status and switch states are live; only the factory code is kept.
    programmerCopy_.parameters[index][3] = bytes[3];
    if (attached) switchMemory_.parameters[index][3] = bytes[3];
    MarkStoredChanged();
    return Reply::Data({index});
  }
  Reply reply = SimStation::WriteParameter(index, bytes);
  if (!reply.exception && attached) switchMemory_.parameters[index] = bytes;
  return reply;
}

SimStation::Reply Family1Station::ReadParameter(std::uint8_t index, std::chrono::microseconds at) {
  if (index == kSerialParameter) {
    ParameterBytes bytes{};
    PutU32BE(bytes.data(), static_cast<std::uint32_t>(programmerCopy_.serialNumber));
    return Reply::Data(ParameterData(bytes));
  }
  if (index != kStatusParameter) return SimStation::ReadParameter(index, at);
  const bool attached = SwitchAttached();
  return Reply::Data({Status(), 0, attached ? SwitchStates(at) : std::uint8_t{0},
                      programmerCopy_.parameters[kStatusParameter][3]});
}

SimStation::Reply Family1Station::ReadChannel(std::uint8_t channel, std::chrono::microseconds at) {
  if (channel != kPressureChannel && channel != kAnalogChannel) {
    return Reply::Exception(kSimExceptionAddress);
  }
  if (!SwitchAttached()) return ChannelReply(0.0f);
  const float pressure = LiveValue(at);
  if (channel == kPressureChannel) return ChannelReply(pressure);
  return ChannelReply(analogOutputWorks_ ? AnalogVolts(pressure) : 0.0f);
}

float Family1Station::AnalogVolts(float pressure) const {
  auto& c = switchMemory_.coefficients;
  const float pMin = c.at(kAnalogPressureMin);
  const float pMax = c.at(kAnalogPressureMax);
  const float uMin = c.at(kAnalogVoltsMin);
  const float uMax = c.at(kAnalogVoltsMax);
  if (pMax == pMin) return uMin;
  const float volts = uMin + (pressure - pMin) / (pMax - pMin) * (uMax - uMin);
  return std::clamp(volts, std::min(uMin, uMax), std::max(uMin, uMax));
}

std::uint8_t Family1Station::SwitchStates(std::chrono::microseconds at) {
  const auto& c = switchMemory_.coefficients;
  const auto& p = switchMemory_.parameters;
  const ParameterBytes& types = p.at(kOutputTypeParameter);
  const SwitchSetting first{p.at(kSwitch1Parameter)[0], c.at(72), c.at(73), types[0] != 0};
  const SwitchSetting second{p.at(kSwitch2Parameter)[0], c.at(78), c.at(79), types[1] != 0};
  std::uint8_t& states = SwitchStateMemory();
  states = SwitchStateByte(first, second, LiveValue(at), states);
  return states;
}

}  // namespace tarnwick
