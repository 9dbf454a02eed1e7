#include "live/live_reading.h"

#include "bus/device_commands.h"
#include "device/analog_output.h"
#include "device/identification.h"
#include "device/value_numbers.h"

namespace tarnwick {
namespace {

LiveReading Failed(LiveReading reading, int message) {
  reading.outcome = EngineOutcome::Failure(message);
  return reading;
}

// Reads the state byte from D2 of parameter 0, as families 1 and 4 keep it.
bool ReadStatusStates(BusLink& link, std::uint8_t address, LiveReading& reading) {
  ParameterBytes d{};
  if (ReadParameter(link, address, kParamStatus, d) != BusResult::kOk) return false;
  reading.states = DecodeSwitchStateByte(d[2]);
  return true;
}

LiveReading TickPressureSwitch(BusLink& link, std::uint8_t address, float analogOutMinVolts) {
  LiveReading reading;
  float volts = 0.0F;
  std::uint8_t channelStatus = 0;
  if (ReadChannel(link, address, kChannelAnalogOutput, volts, channelStatus) != BusResult::kOk) {
    return Failed(reading, kMsgNoAnswer);
  }
  reading.analogOutputPresent = AnalogOutputWorking(volts, analogOutMinVolts);
  if (*reading.analogOutputPresent) {
    reading.voltage = volts;
    float bar = 0.0F;
    if (ReadChannel(link, address, kChannelPressure, bar, channelStatus) != BusResult::kOk) {
      return Failed(reading, kMsgNoAnswer);
    }
    reading.value = bar;
  } else {
    // Without an analog output only the programmer's status tells whether
    // the switch is still attached.
    ParameterBytes d{};
    if (ReadParameter(link, address, kParamStatus, d) != BusResult::kOk)
      return Failed(reading, kMsgNoAnswer);
    if (d[0] == kProgrammerStatusNoSwitch) return Failed(reading, kMsgNoSwitchAtProgrammer);
  }
  if (!ReadStatusStates(link, address, reading)) return Failed(reading, kMsgNoAnswer);
  return reading;
}

LiveReading TickSwitchDevice(BusLink& link, std::uint8_t address) {
  LiveReading reading;
  float bar = 0.0F;
  std::uint8_t channelStatus = 0;
  if (ReadChannel(link, address, kChannelPressure, bar, channelStatus) != BusResult::kOk) {
    return Failed(reading, kMsgNoAnswer);
  }
  reading.value = bar;
  ConfigBytes r{};
  if (ReadConfig(link, address, kRegisterSwitchModes, r) != BusResult::kOk)
    return Failed(reading, kMsgNoAnswer);
  reading.states = DecodeSwitchStateByte(r[4]);
  return reading;
}

LiveReading TickLevelDevice(BusLink& link, std::uint8_t address) {
  LiveReading reading;
  float level = 0.0F;
  std::uint8_t channelStatus = 0;
  if (ReadChannel(link, address, kChannelLevel, level, channelStatus) != BusResult::kOk) {
    return Failed(reading, kMsgNoAnswer);
  }
  reading.value = level;
  if (!ReadStatusStates(link, address, reading)) return Failed(reading, kMsgNoAnswer);
  return reading;
}

}  // namespace

SwitchStates DecodeSwitchStateByte(std::uint8_t state) {
  if (state > 3) return {};
  auto output = [state](std::uint8_t bit) {
    return (state & bit) ? OutputState::kClosed : OutputState::kOpen;
  };
  return {output(0x01), output(0x02)};
}

LiveReading LiveTick(BusLink& link, DeviceFamily family, std::uint8_t address,
                     float analogOutMinVolts) {
  switch (family) {
    case DeviceFamily::kPressureSwitch:
      return TickPressureSwitch(link, address, analogOutMinVolts);
    case DeviceFamily::kSwitchDevice:
      return TickSwitchDevice(link, address);
    case DeviceFamily::kLevelDevice:
      return TickLevelDevice(link, address);
    default:
      return {};
  }
}

}  // namespace tarnwick
