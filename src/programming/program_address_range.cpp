#include "programming/program_address_range.h"

#include <optional>

#include "bus/byte_order.h"
#include "bus/device_commands.h"
#include "device/value_numbers.h"
#include "programming/programmer_wait.h"
#include "programming/write_sequence.h"

namespace tarnwick {
namespace {

constexpr float kAnalogOutMinVolt = 0.5F;
constexpr float kAnalogOutMaxVolt = 4.5F;
// Where the progress bar stands at the start of each pass, and at the end.
constexpr int kProgressAnnouncing = 5;
constexpr int kProgressWriting = 20;
constexpr int kProgressTransferring = 50;
constexpr int kProgressDone = 70;

BusResult Announce(BusLink& link, std::uint8_t address) {
  DeviceIdentity identity;
  const BusResult identified = IdentifyWithCode(link, address, identity);
  if (identified != BusResult::kOk) return identified;
  return StartProgrammerJob(link, address, kJobFindSwitch);
}

ParameterBytes SerialNumberBytes(std::uint32_t serialNumber) {
  ParameterBytes bytes{};
  PutU32BE(bytes.data(), serialNumber);
  return bytes;
}

// Everything a ready programmer receives, ending with the job that makes it
// look for its switch again. The first failed command's result.
BusResult WriteProgrammingValues(BusLink& link, std::uint8_t address,
                                 const FactoryProgramInputs& inputs, std::uint32_t serialNumber) {
  const FactorySwitchValues& s1 = inputs.switch1;
  const FactorySwitchValues& s2 = inputs.switch2;
  BusResult result = WriteParameter(link, address, kParamStatus, {0, 0, 0, kProgrammerFactoryCode});
  if (result == BusResult::kOk) {
    result = WriteCoefficients(link, address,
                               {{kCoefPressureRangeMin, inputs.pressureRangeMinBar},
                                {kCoefPressureRangeMax, inputs.pressureRangeMaxBar},
                                {kCoefTemperatureMin, inputs.temperatureRangeMin},
                                {kCoefTemperatureMax, inputs.temperatureRangeMax}});
  }
  if (result == BusResult::kOk && inputs.analogOutSelected) {
    result = WriteCoefficients(
        link, address,
        {{kCoefAnalogOutMin, kAnalogOutMinVolt}, {kCoefAnalogOutMax, kAnalogOutMaxVolt}});
  }
  if (result == BusResult::kOk) {
    result = WriteCoefficients(link, address,
                               {{kCoefSwitch1High, s1.highBar},
                                {kCoefSwitch1Low, s1.lowBar},
                                {kCoefSwitch2High, s2.highBar},
                                {kCoefSwitch2Low, s2.lowBar}});
  }
  if (result == BusResult::kOk && inputs.writeSerialNumbers) {
    result = WriteParameter(link, address, kParamSerialNumber, SerialNumberBytes(serialNumber));
  }
  if (result == BusResult::kOk) {
    result = WriteParameters(
        link, address,
        {{kParamOutputTypes, {s1.outputType, s2.outputType, 0, 0}},
         {kParamSwitch1, {s1.functionCode, s1.closingDelaySteps, s1.openingDelaySteps, 0}},
         {kParamSwitch2, {s2.functionCode, s2.closingDelaySteps, s2.openingDelaySteps, 0}},
         {kParamWindowHysteresis, {inputs.windowHysteresis, 0, 0, 0}}});
  }
  if (result == BusResult::kOk) result = StartProgrammerJob(link, address, kJobFindSwitch);
  return result;
}

// A programmer that cannot be read is gone (51); one that answers but never
// becomes ready has no usable switch (61).
std::optional<EngineOutcome> AwaitReady(BusLink& link, std::uint8_t address, bool reportProgress,
                                        EngineObserver& observer) {
  const ProgrammerPoll poll = WaitProgrammerReady(link, address, reportProgress, observer);
  if (!poll.answered()) return EngineOutcome::FailureAt(kMsgNoAnswer, address);
  if (!poll.ready()) return EngineOutcome::FailureAt(kMsgWriteFailed, address);
  return std::nullopt;
}

}  // namespace

std::vector<std::uint8_t> RangeAddresses(std::uint8_t first, std::uint8_t last) {
  std::vector<std::uint8_t> addresses{first};
  // Counted wider than a byte, so that 255 ends the range.
  for (int address = first + 1; address <= last; ++address) {
    addresses.push_back(static_cast<std::uint8_t>(address));
  }
  return addresses;
}

EngineOutcome ProgramAddressRange(BusLink& link, const FactoryProgramInputs& inputs,
                                  EngineObserver& observer, const AddressServed& addressServed) {
  const std::vector<std::uint8_t> addresses =
      RangeAddresses(inputs.firstAddress, inputs.lastAddress);
  const auto served = [&](RangePass pass, std::uint8_t address) {
    if (addressServed) addressServed(pass, address);
  };
  observer.SetProgress(kProgressAnnouncing);

  for (const std::uint8_t address : addresses) {
    if (Announce(link, address) != BusResult::kOk)
      return EngineOutcome::FailureAt(kMsgNoAnswer, address);
    served(RangePass::kAnnounce, address);
  }

  observer.SetProgress(kProgressWriting);
  // Unsigned, so that counting past the largest serial number wraps instead of overflowing.
  auto serialNumber = static_cast<std::uint32_t>(inputs.firstSerialNumber);
  for (const std::uint8_t address : addresses) {
    if (auto failure = AwaitReady(link, address, true, observer)) return *failure;
    if (WriteProgrammingValues(link, address, inputs, serialNumber) != BusResult::kOk) {
      return EngineOutcome::FailureAt(kMsgNoAnswer, address);
    }
    if (inputs.writeSerialNumbers) ++serialNumber;
    served(RangePass::kWrite, address);
  }

  observer.SetProgress(kProgressTransferring);
  for (const std::uint8_t address : addresses) {
    if (auto failure = AwaitReady(link, address, false, observer)) return *failure;
    if (StartProgrammerJob(link, address, kJobCopySwitchData) != BusResult::kOk) {
      return EngineOutcome::FailureAt(kMsgWriteFailed, address);
    }
    served(RangePass::kTransfer, address);
  }

  observer.SetProgress(kProgressDone);
  return EngineOutcome::Success();
}

}  // namespace tarnwick
