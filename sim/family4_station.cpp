#include "sim/family4_station.h"

#include "sim/switch_logic.h"

namespace tarnwick {
namespace {

constexpr std::uint8_t kStatesParameter = 0;
constexpr std::uint8_t kSwitch1Parameter = 9;
constexpr std::uint8_t kSwitch2Parameter = 10;
constexpr std::uint8_t kUnitRegister = 11;
constexpr std::uint8_t kLevelChannel = 0;
constexpr std::size_t kStatesByte = 2;

constexpr float kDefaultLevel = 523.4f;  // litres
constexpr float kDefaultWobble = 2.0f;

StationMemory DefaultMemory() {
  StationMemory memory;
  memory.coefficients = {{72, 800.0f}, {73, 700.0f},  {78, 600.0f}, {79, 400.0f},
                         {80, 0.0f},   {81, 1000.0f}, {86, -20.0f}, {87, 70.0f}};
  memory.parameters[kStatesParameter] = {0, 0, 0, 0};
  memory.parameters[kSwitch1Parameter] = {1, 5, 2, 0};   // Hyst. NO, 5 s, 2 s
  memory.parameters[kSwitch2Parameter] = {3, 0, 10, 0};  // Window NO, 0 s, 10 s
  memory.registers[kUnitRegister] = {0, 0, 0, 0, 0};     // litre
  memory.serialNumber = 400017;
  return memory;
}

}  // namespace

Family4Station::Family4Station(std::uint8_t address, std::uint8_t versionMajor,
                               std::uint8_t versionMinor)
    : SimStation(address, {15, 1, versionMajor, versionMinor, 0, 0}), memory_(DefaultMemory()) {
  SetLiveBase(kDefaultLevel);
  SetMotion({kDefaultWobble, std::chrono::milliseconds(12000)});
}

SimStation::Reply Family4Station::ReadParameter(std::uint8_t index, std::chrono::microseconds at) {
  Reply reply = SimStation::ReadParameter(index, at);
  if (reply.exception || index != kStatesParameter) return reply;
  const auto& c = memory_.coefficients;
  const auto& p = memory_.parameters;
  const SwitchSetting first{p.at(kSwitch1Parameter)[0], c.at(72), c.at(73)};
  const SwitchSetting second{p.at(kSwitch2Parameter)[0], c.at(78), c.at(79)};
  std::uint8_t& states = SwitchStateMemory();
  states = SwitchStateByte(first, second, LiveValue(at), states);
  reply.data[kStatesByte] = states;
  return reply;
}

SimStation::Reply Family4Station::ReadChannel(std::uint8_t channel, std::chrono::microseconds at) {
  if (channel != kLevelChannel) return Reply::Exception(kSimExceptionAddress);
  return ChannelReply(LiveValue(at));
}

}  // namespace tarnwick
