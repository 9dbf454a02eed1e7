#include "sim/switch_logic.h"

#include "sim/family2_station.h"

namespace tarnwick {
namespace {

constexpr std::uint8_t kHysteresisNo = 1;
constexpr std::uint8_t kHysteresisNc = 2;
constexpr std::uint8_t kWindowNo = 3;
constexpr std::uint8_t kWindowNc = 4;

}  // namespace

bool SwitchContactClosed(const SwitchSetting& setting, float value, bool wasClosed) {
  if (!setting.present) return false;
  switch (setting.functionCode) {
    case kHysteresisNo:
    case kHysteresisNc: {
      const bool wasActive = (setting.functionCode == kHysteresisNo) == wasClosed;
      bool active = wasActive;
      if (value >= setting.high) active = true;
      if (value <= setting.low) active = false;
      return setting.functionCode == kHysteresisNo ? active : !active;
    }
    case kWindowNo:
    case kWindowNc: {
      const bool inside = value >= setting.low && value <= setting.high;
      return setting.functionCode == kWindowNo ? inside : !inside;
    }
    default:
      return false;
  }
}

std::uint8_t SwitchStateByte(const SwitchSetting& first, const SwitchSetting& second, float value,
                             std::uint8_t previous) {
  const bool closed1 = SwitchContactClosed(first, value, (previous & 0x01) != 0);
  const bool closed2 = SwitchContactClosed(second, value, (previous & 0x02) != 0);
  return static_cast<std::uint8_t>((closed1 ? 0x01 : 0) | (closed2 ? 0x02 : 0));
}

std::uint8_t FunctionCodeOfModeByte(std::uint8_t mode) {
  if (mode & kModeOff) return 0;
  const bool nc = (mode & kModeNc) != 0;
  if (mode & kModeWindow) return nc ? kWindowNc : kWindowNo;
  return nc ? kHysteresisNc : kHysteresisNo;
}

}  // namespace tarnwick
