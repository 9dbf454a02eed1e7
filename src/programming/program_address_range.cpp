#include "programming/program_address_range.h"

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "bus/byte_order.h"
#include "bus/commands.h"
#include "programming/programmer_layout.h"
#include "programming/programmer_wait.h"

namespace tarnwick {
namespace {

constexpr float kAnalogOutMinVolt = 0.5f;
constexpr float kAnalogOutMaxVolt = 4.5f;

// A range ending at 255 means to stop there, not to run on into address 0,
// which as the broadcast address never answers.
std::vector<std::uint8_t> RangeAddresses(std::uint8_t first, std::uint8_t last) {
  std::vector<std::uint8_t> addresses{first};
  for (int address = first + 1; address <= last; ++address) {
    addresses.push_back(static_cast<std::uint8_t>(address));
  }
  return addresses;
}

BusResult Announce(std::uint8_t address) {
  DeviceIdentity identity;
  const BusResult identified = IdentifyWithCode(address, identity);
  if (identified != kBusOk) return identified;
  return StartProgrammerJob(address, kJobFindSwitch);
}

ParameterBytes SerialNumberBytes(std::uint32_t serialNumber) {
  ParameterBytes bytes{};
  PutU32BE(bytes.data(), serialNumber);
  return bytes;
}

BusResult WriteParameters(std::uint8_t address,
                          std::initializer_list<std::pair<std::uint8_t, ParameterBytes>> blocks) {
  for (const auto& [index, bytes] : blocks) {
    const BusResult result = WriteParameter(address, index, bytes);
    if (result != kBusOk) return result;
  }
  return kBusOk;
}

// Everything a programmer receives once it is ready, ending with the job that
// makes it look for its switch again. False at the first failed command.
bool WriteProgrammingValues(std::uint8_t address, const FactoryProgramInputs& inputs,
                            std::uint32_t serialNumber) {
  const FactorySwitchValues& s1 = inputs.switch1;
  const FactorySwitchValues& s2 = inputs.switch2;
  if (WriteParameter(address, kParameterStatus, {0, 0, 0, kProgrammerFactoryCode}) != kBusOk) {
    return false;
  }
  if (WriteCoefficients(address, {{kCoefficientPressureRangeMin, inputs.pressureRangeMinBar},
                                  {kCoefficientPressureRangeMax, inputs.pressureRangeMaxBar},
                                  {kCoefficientTemperatureRangeMin, inputs.temperatureRangeMin},
                                  {kCoefficientTemperatureRangeMax, inputs.temperatureRangeMax}}) !=
      kBusOk) {
    return false;
  }
  if (inputs.analogOutSelected &&
      WriteCoefficients(address, {{kCoefficientAnalogOutMin, kAnalogOutMinVolt},
                                  {kCoefficientAnalogOutMax, kAnalogOutMaxVolt}}) != kBusOk) {
    return false;
  }
  if (WriteCoefficients(address, {{kCoefficientSwitch1High, s1.highBar},
                                  {kCoefficientSwitch1Low, s1.lowBar},
                                  {kCoefficientSwitch2High, s2.highBar},
                                  {kCoefficientSwitch2Low, s2.lowBar}}) != kBusOk) {
    return false;
  }
  if (inputs.writeSerialNumbers &&
      WriteParameter(address, kParameterSerialNumber, SerialNumberBytes(serialNumber)) != kBusOk) {
    return false;
  }
  return WriteParameters(
             address,
             {{kParameterOutputTypes, {s1.outputType, s2.outputType, 0, 0}},
              {kParameterSwitch1, {s1.functionCode, s1.closingDelaySteps, s1.openingDelaySteps, 0}},
              {kParameterSwitch2, {s2.functionCode, s2.closingDelaySteps, s2.openingDelaySteps, 0}},
              {kParameterWindowHysteresis, {inputs.windowHysteresis, 0, 0, 0}}}) == kBusOk &&
         StartProgrammerJob(address, kJobFindSwitch) == kBusOk;
}

// A programmer that cannot be read is gone (51); one that answers but never
// becomes ready has no usable switch (61).
std::optional<EngineOutcome> AwaitReady(std::uint8_t address, bool reportProgress, Clock& clock,
                                        EngineObserver& observer) {
  const ProgrammerPoll poll = WaitProgrammerReady(address, reportProgress, clock, observer);
  if (!poll.answered()) return EngineOutcome::FailureAt(kMsgNoAnswer, address);
  if (!poll.ready()) return EngineOutcome::FailureAt(kMsgWriteFailed, address);
  return std::nullopt;
}

}  // namespace

EngineOutcome ProgramAddressRange(const FactoryProgramInputs& inputs, Clock& clock,
                                  EngineObserver& observer) {
  const std::vector<std::uint8_t> addresses =
      RangeAddresses(inputs.firstAddress, inputs.lastAddress);
  observer.SetProgress(5);

  for (const std::uint8_t address : addresses) {
    if (Announce(address) != kBusOk) return EngineOutcome::FailureAt(kMsgNoAnswer, address);
  }

  observer.SetProgress(20);
  // Unsigned, so that counting past the largest serial number wraps instead of overflowing.
  auto serialNumber = static_cast<std::uint32_t>(inputs.firstSerialNumber);
  for (const std::uint8_t address : addresses) {
    if (auto failure = AwaitReady(address, true, clock, observer)) return *failure;
    if (!WriteProgrammingValues(address, inputs, serialNumber)) {
      return EngineOutcome::FailureAt(kMsgNoAnswer, address);
    }
    if (inputs.writeSerialNumbers) ++serialNumber;
  }

  observer.SetProgress(50);
  for (const std::uint8_t address : addresses) {
    if (auto failure = AwaitReady(address, false, clock, observer)) return *failure;
    if (StartProgrammerJob(address, kJobTransferSwitchData) != kBusOk) {
      return EngineOutcome::FailureAt(kMsgWriteFailed, address);
    }
  }

  observer.SetProgress(70);
  return EngineOutcome::Success();
}

}  // namespace tarnwick
