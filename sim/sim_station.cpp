#include "sim/sim_station.h"

#include <cmath>
#include <numbers>

#include "bus/byte_order.h"
#include "bus/protocol_numbers.h"

namespace tarnwick {
namespace {

// The first data byte names the coefficient, parameter, register or channel.
std::optional<std::uint8_t> IndexOf(const RequestFrame& request) {
  if (request.data.empty()) return std::nullopt;
  return request.data[0];
}

std::vector<std::uint8_t> FloatBytes(float value) {
  std::vector<std::uint8_t> bytes(4);
  PutFloatBE(bytes.data(), value);
  return bytes;
}

}  // namespace

SimStation::SimStation(std::uint8_t address, const DeviceIdentity& identity)
    : address_(address), identity_(identity) {}

void SimStation::SetFaults(const StationFaults& faults) {
  faults_ = faults;
  requestsSinceFaults_ = 0;
}

float SimStation::LiveValue(std::chrono::microseconds at) const {
  if (motion_.amplitude == 0.0f || motion_.period.count() <= 0) return liveBase_;
  const double phase = static_cast<double>(at.count()) /
                       static_cast<double>(std::chrono::microseconds(motion_.period).count());
  return liveBase_ +
         motion_.amplitude * static_cast<float>(std::sin(2.0 * std::numbers::pi * phase));
}

bool SimStation::TakeStoredChanged() {
  const bool changed = storedChanged_;
  storedChanged_ = false;
  return changed;
}

bool SimStation::FaultApplies(const RequestFrame& request) const {
  if (faults_.onlyFunction && *faults_.onlyFunction != request.function) return false;
  if (faults_.onlyIndex && IndexOf(request) != faults_.onlyIndex) return false;
  return true;
}

std::optional<std::vector<std::uint8_t>> SimStation::Answer(const RequestFrame& request,
                                                            std::chrono::microseconds at) {
  ++requestsSinceFaults_;
  const bool faulty = FaultApplies(request);
  if (faulty && faults_.silent) return std::nullopt;
  if (faulty && faults_.exception) {
    return ApplyReplyFaults(EncodeExceptionFrame(address_, request.function, *faults_.exception));
  }

  const Reply reply = Handle(request, at);
  if (reply.silent) return std::nullopt;
  std::vector<std::uint8_t> frame =
      reply.exception ? EncodeExceptionFrame(address_, request.function, *reply.exception)
                      : EncodeFrame(address_, request.function, reply.data);
  if (!faulty) return frame;
  if (faults_.shortReplyBy > 0 && !reply.exception) {
    std::vector<std::uint8_t> data = reply.data;
    data.resize(data.size() > static_cast<std::size_t>(faults_.shortReplyBy)
                    ? data.size() - static_cast<std::size_t>(faults_.shortReplyBy)
                    : 0);
    frame = EncodeFrame(address_, request.function, data);
  }
  return ApplyReplyFaults(std::move(frame));
}

std::vector<std::uint8_t> SimStation::ApplyReplyFaults(std::vector<std::uint8_t> frame) const {
  if (faults_.corruptCrc) frame.back() ^= 0xFF;
  if (!faults_.garbageBefore.empty()) {
    frame.insert(frame.begin(), faults_.garbageBefore.begin(), faults_.garbageBefore.end());
  }
  return frame;
}

bool SimStation::IgnoresWrite(const RequestFrame& request) const {
  const bool write = request.function == kFnWriteCoefficient ||
                     request.function == kFnWriteParameter || request.function == kFnWriteConfig;
  return write && faults_.ignoredWrite && IndexOf(request) == faults_.ignoredWrite;
}

SimStation::Reply SimStation::Handle(const RequestFrame& request, std::chrono::microseconds at) {
  const auto& d = request.data;
  // The write's reply names the number written, as a write that was taken does.
  if (IgnoresWrite(request)) return Reply::Data({d[0]});
  StationMemory& memory = Visible();
  switch (request.function) {
    case kFnIdentify:
      if (d.size() == 2) return IdentifyWithCode(d[0], d[1]);
      return Reply::Data({identity_.Class, identity_.Group, identity_.VersionMajor,
                          identity_.VersionMinor, identity_.Spare1, identity_.Spare2});
    case kFnReadCoefficient: {
      const auto found = memory.coefficients.find(d[0]);
      if (found == memory.coefficients.end()) return Reply::Exception(kSimExceptionAddress);
      return Reply::Data(FloatBytes(found->second));
    }
    case kFnWriteCoefficient:
      return WriteCoefficient(d[0], GetFloatBE(&d[1]));
    case kFnSetBusAddress:
      if (d[0] != 0 && d[0] != kDefaultBusAddress) {
        address_ = d[0];
        MarkStoredChanged();
      }
      return Reply::Data({address_});
    case kFnReadSerialNumber: {
      std::vector<std::uint8_t> bytes(4);
      PutU32BE(bytes.data(), static_cast<std::uint32_t>(memory.serialNumber));
      return Reply::Data(bytes);
    }
    case kFnReadChannel:
      return ReadChannel(d[0], at);
    case kFnReadConfig:
      return ReadConfig(d[0], at);
    case kFnWriteConfig:
      return WriteConfig(d[0], {d[1], d[2], d[3], d[4], d[5]});
    case kFnReadParameter:
      return ReadParameter(d[0], at);
    case kFnWriteParameter:
      return WriteParameter(d[0], {d[1], d[2], d[3], d[4]});
    case kFnStartProgrammerJob:
      return StartProgrammerJob(d[0]);
    default:
      return Reply::Exception(kSimExceptionFunction);
  }
}

SimStation::Reply SimStation::WriteCoefficient(std::uint8_t number, float value) {
  StationMemory& memory = Visible();
  const auto found = memory.coefficients.find(number);
  if (found == memory.coefficients.end()) return Reply::Exception(kSimExceptionAddress);
  found->second = value;
  MarkStoredChanged();
  return Reply::Data({number});
}

SimStation::Reply SimStation::WriteParameter(std::uint8_t index, const ParameterBytes& bytes) {
  StationMemory& memory = Visible();
  const auto found = memory.parameters.find(index);
  if (found == memory.parameters.end()) return Reply::Exception(kSimExceptionAddress);
  found->second = bytes;
  MarkStoredChanged();
  return Reply::Data({index});
}

SimStation::Reply SimStation::WriteConfig(std::uint8_t index, const ConfigBytes& bytes) {
  StationMemory& memory = Visible();
  const auto found = memory.registers.find(index);
  if (found == memory.registers.end()) return Reply::Exception(kSimExceptionAddress);
  found->second = bytes;
  MarkStoredChanged();
  return Reply::Data({index});
}

SimStation::Reply SimStation::ReadParameter(std::uint8_t index, std::chrono::microseconds) {
  const StationMemory& memory = Visible();
  const auto found = memory.parameters.find(index);
  if (found == memory.parameters.end()) return Reply::Exception(kSimExceptionAddress);
  return Reply::Data({found->second.begin(), found->second.end()});
}

SimStation::Reply SimStation::ReadConfig(std::uint8_t index, std::chrono::microseconds) {
  const StationMemory& memory = Visible();
  const auto found = memory.registers.find(index);
  if (found == memory.registers.end()) return Reply::Exception(kSimExceptionAddress);
  return Reply::Data({found->second.begin(), found->second.end()});
}

SimStation::Reply SimStation::IdentifyWithCode(std::uint8_t, std::uint8_t) {
  return Reply::Exception(kSimExceptionFunction);
}

SimStation::Reply SimStation::StartProgrammerJob(std::uint8_t) {
  return Reply::Exception(kSimExceptionFunction);
}

SimStation::Reply SimStation::ChannelReply(float value, std::uint8_t status) {
  std::vector<std::uint8_t> bytes = FloatBytes(value);
  bytes.push_back(status);
  return Reply::Data(bytes);
}

}  // namespace tarnwick
