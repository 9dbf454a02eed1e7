#include "device/config_codec.h"

#include <cmath>

namespace tarnwick {
namespace {

constexpr double kStepsPerSecond = 50.0;

std::uint8_t LowestByteOf(double wholeNumber) {
  if (!std::isfinite(wholeNumber)) return 0;
  // fmod keeps the low bits of values beyond the range of long long.
  double low = std::fmod(wholeNumber, 256.0);
  if (low < 0) low += 256.0;
  return static_cast<std::uint8_t>(low);
}

}  // namespace

SwitchSelection DecodeFunctionCode(std::uint8_t code) {
  using enum SwitchFunction;
  using enum SwitchContact;
  switch (code) {
    case 0:
      return {kOff, std::nullopt};
    case 1:
      return {kHysteresis, kNormallyOpen};
    case 2:
      return {kHysteresis, kNormallyClosed};
    case 3:
      return {kWindow, kNormallyOpen};
    case 4:
      return {kWindow, kNormallyClosed};
    default:
      return {};
  }
}

std::optional<std::uint8_t> EncodeFunctionCode(const SwitchSelection& selection) {
  if (selection.function == SwitchFunction::kOff) return 0;
  if (!selection.function || !selection.contact) return std::nullopt;
  const std::uint8_t base = selection.function == SwitchFunction::kHysteresis ? 1 : 3;
  return static_cast<std::uint8_t>(base +
                                   (selection.contact == SwitchContact::kNormallyClosed ? 1 : 0));
}

SwitchSelection DecodeModeByte(std::uint8_t mode) {
  if (mode & kModeBitOff) return {SwitchFunction::kOff, std::nullopt};
  return {(mode & kModeBitWindow) ? SwitchFunction::kWindow : SwitchFunction::kHysteresis,
          (mode & kModeBitNormallyClosed) ? SwitchContact::kNormallyClosed
                                          : SwitchContact::kNormallyOpen};
}

std::uint8_t EncodeModeByte(const SwitchSelection& selection) {
  std::uint8_t mode = kModeBitAlwaysSet;
  if (selection.function == SwitchFunction::kOff) {
    mode |= kModeBitOff;
  } else if (selection.function == SwitchFunction::kWindow) {
    mode |= kModeBitWindow;
  }
  if (selection.contact == SwitchContact::kNormallyClosed) mode |= kModeBitNormallyClosed;
  return mode;
}

std::optional<OutputType> DecodeOutputType(std::uint8_t code) {
  if (code > static_cast<std::uint8_t>(OutputType::kPnp)) return std::nullopt;
  return static_cast<OutputType>(code);
}

const char* OutputTypeText(OutputType type) {
  switch (type) {
    case OutputType::kNpn:
      return "NPN";
    case OutputType::kPnp:
      return "PNP";
    case OutputType::kNone:
      break;
  }
  return "";
}

double DelayStepsToSeconds(DeviceFamily family, std::uint8_t steps) {
  return family == DeviceFamily::kLevelDevice ? static_cast<double>(steps)
                                              : steps / kStepsPerSecond;
}

std::uint8_t DelaySecondsToSteps(DeviceFamily family, double seconds) {
  if (family == DeviceFamily::kLevelDevice) return LowestByteOf(std::trunc(seconds));
  // nearbyint rounds halves to the even neighbour in the default rounding mode.
  return LowestByteOf(std::nearbyint(seconds * kStepsPerSecond));
}

std::uint8_t LowestByte(long long value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace tarnwick
