#include "sim/family2_station.h"

#include "sim/switch_logic.h"

namespace tarnwick {
namespace {

constexpr std::uint8_t kModeRegister = 18;
constexpr std::uint8_t kPressureChannel = 1;
constexpr std::size_t kStatesByte = 4;

constexpr float kDefaultPressure = 9.0f;
constexpr float kDefaultWobble = 0.08f;

StationMemory DefaultMemory() {
  StationMemory memory;
  memory.coefficients = {{72, 8.0f}, {73, 7.0f},  {78, 12.0f},  {79, 6.0f},
                         {80, 0.0f}, {81, 16.0f}, {86, -20.0f}, {87, 80.0f}};
  // Switch 1 Hysteresis NO, switch 2 Window NC.
  memory.registers[kModeRegister] = {0x01, 0x01 | kModeWindow | kModeNc, 0, 0, 0};
  memory.serialNumber = 220311;
  return memory;
}

}  // namespace

Family2Station::Family2Station(std::uint8_t address)
    : SimStation(address, {11, 10, 2, 1, 0, 0}), memory_(DefaultMemory()) {
  SetLiveBase(kDefaultPressure);
  SetMotion({kDefaultWobble, std::chrono::milliseconds(8000)});
}

SimStation::Reply Family2Station::ReadConfig(std::uint8_t index, std::chrono::microseconds at) {
  Reply reply = SimStation::ReadConfig(index, at);
  if (reply.exception || index != kModeRegister) return reply;
  const auto& c = memory_.coefficients;
  const SwitchSetting first{FunctionCodeOfModeByte(reply.data[0]), c.at(72), c.at(73)};
  const SwitchSetting second{FunctionCodeOfModeByte(reply.data[1]), c.at(78), c.at(79)};
  std::uint8_t& states = SwitchStateMemory();
  states = SwitchStateByte(first, second, LiveValue(at), states);
  reply.data[kStatesByte] = states;
  return reply;
}

SimStation::Reply Family2Station::ReadChannel(std::uint8_t channel, std::chrono::microseconds at) {
  if (channel != kPressureChannel) return Reply::Exception(kSimExceptionAddress);
  return ChannelReply(LiveValue(at));
}

}  // namespace tarnwick
