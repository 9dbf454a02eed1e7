#pragma once

#include <cstdint>
#include <optional>

#include "device/device_family.h"

namespace tarnwick {

enum class SwitchFunction : std::uint8_t { kOff, kHysteresis, kWindow };
enum class SwitchContact : std::uint8_t { kNormallyOpen, kNormallyClosed };
enum class OutputType : std::uint8_t { kNone = 0, kNpn = 1, kPnp = 2 };

// A switch's function and contact as the radio buttons hold them. An empty
// field means "no choice": decoding leaves that control as it was, encoding
// falls back to what the device holds.
struct SwitchSelection {
  std::optional<SwitchFunction> function;
  std::optional<SwitchContact> contact;

  bool operator==(const SwitchSelection&) const = default;
};

// Function code of families 1 and 4 (D0 of parameters 9 and 10, and the item
// index of the factory function lists): 0 Off, 1 Hysteresis NO, 2 Hysteresis NC,
// 3 Window NO, 4 Window NC. Off leaves the contact unchanged; other codes
// change nothing.
SwitchSelection DecodeFunctionCode(std::uint8_t code);
// Empty when no rule applies (for example Hysteresis with no contact chosen).
std::optional<std::uint8_t> EncodeFunctionCode(const SwitchSelection& selection);

// Mode byte of family 2 (R0 and R1 of register 18): 0x20 Off, else 0x10 Window
// or Hysteresis; 0x08 NC, else NO; 0x01 always written, ignored when read.
inline constexpr std::uint8_t kModeBitOff = 0x20;
inline constexpr std::uint8_t kModeBitWindow = 0x10;
inline constexpr std::uint8_t kModeBitNormallyClosed = 0x08;
inline constexpr std::uint8_t kModeBitAlwaysSet = 0x01;
// Off decodes without a contact, as a read-out leaves the contact alone then.
SwitchSelection DecodeModeByte(std::uint8_t mode);
std::uint8_t EncodeModeByte(const SwitchSelection& selection);

// Output type codes 0..2; 3 and above change nothing.
std::optional<OutputType> DecodeOutputType(std::uint8_t code);
const char* OutputTypeText(OutputType type);  // "NPN", "PNP", "" for none

// Delays travel as steps: 0.02 s for family 1 (and 2, which has none on the
// bus), whole seconds for family 4.
double DelayStepsToSeconds(DeviceFamily family, std::uint8_t steps);
// Family 4 truncates toward zero; the others round seconds x 50 with halves to
// even. Values that do not fit travel as their lowest byte.
std::uint8_t DelaySecondsToSteps(DeviceFamily family, double seconds);

// The lowest byte of a whole number typed into a factory input.
std::uint8_t LowestByte(long long value);

}  // namespace tarnwick
