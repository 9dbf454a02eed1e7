#include "programming/program_verification.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "device/identification.h"

namespace tarnwick {
namespace {

// The float written and the float read back may differ by the device's
// rounding, never by more.
constexpr float kPointUlps = 4.0F;

bool SamePoint(float written, float read) {
  const float scale = std::max(std::fabs(written), std::fabs(read));
  return std::fabs(written - read) <= kPointUlps * std::numeric_limits<float>::epsilon() * scale;
}

// What the device should show after the write: the function code or the mode
// byte that went out, read as the read-out reads it.
std::optional<SwitchSelection> WrittenSelection(DeviceFamily family,
                                                const SwitchSelection& chosen) {
  if (family == DeviceFamily::kSwitchDevice) return DecodeModeByte(EncodeModeByte(chosen));
  const std::optional<std::uint8_t> code = EncodeFunctionCode(chosen);
  if (!code) return std::nullopt;
  return DecodeFunctionCode(*code);
}

template <typename T>
ProgrammedValue ValueOf(const std::optional<T>& value) {
  if (!value) return std::monostate{};
  return *value;
}

ProgrammedValue DelayValue(const std::optional<std::uint8_t>& steps) {
  if (!steps) return std::monostate{};
  return DelaySteps{*steps};
}

class SwitchComparison {
 public:
  SwitchComparison(int switchNumber, std::vector<ProgrammingDifference>& differences)
      : switchNumber_(switchNumber), differences_(differences) {}

  void Points(const SwitchProgramValues& written, const SwitchReadout& read) {
    if (!SamePoint(written.highBar, read.highBar)) {
      Add(ProgrammedField::kHighPoint, written.highBar, read.highBar);
    }
    if (!SamePoint(written.lowBar, read.lowBar)) {
      Add(ProgrammedField::kLowPoint, written.lowBar, read.lowBar);
    }
  }

  void Selection(const SwitchSelection& written, const SwitchSelection& read) {
    if (written.function && written.function != read.function) {
      Add(ProgrammedField::kFunction, *written.function, ValueOf(read.function));
    }
    if (written.contact && read.contact && written.contact != read.contact) {
      Add(ProgrammedField::kContact, *written.contact, *read.contact);
    }
  }

  void Delays(const SwitchProgramValues& written, const SwitchReadout& read) {
    if (read.closingDelaySteps != written.closingDelaySteps) {
      Add(ProgrammedField::kClosingDelay, DelaySteps{written.closingDelaySteps},
          DelayValue(read.closingDelaySteps));
    }
    if (read.openingDelaySteps != written.openingDelaySteps) {
      Add(ProgrammedField::kOpeningDelay, DelaySteps{written.openingDelaySteps},
          DelayValue(read.openingDelaySteps));
    }
  }

 private:
  void Add(ProgrammedField field, ProgrammedValue written, ProgrammedValue read) {
    differences_.push_back({switchNumber_, field, written, read});
  }

  int switchNumber_;
  std::vector<ProgrammingDifference>& differences_;
};

}  // namespace

std::vector<ProgrammingDifference> CompareWithReadBack(const NormalProgramInputs& written,
                                                       const DeviceReadout& readBack) {
  const DeviceFamily family = readBack.family;
  std::vector<ProgrammingDifference> differences;
  if (family != DeviceFamily::kPressureSwitch && family != DeviceFamily::kSwitchDevice &&
      family != DeviceFamily::kLevelDevice) {
    return differences;
  }
  const SwitchProgramValues* const switches[] = {&written.switch1, &written.switch2};
  for (int n = 0; n < 2; ++n) {
    const SwitchProgramValues& values = *switches[n];
    const SwitchReadout& read = readBack.switches[static_cast<std::size_t>(n)];
    SwitchComparison compare(n + 1, differences);
    compare.Points(values, read);
    if (const auto selection = WrittenSelection(family, values.selection)) {
      compare.Selection(*selection, read.selection);
    }
    if (family != DeviceFamily::kSwitchDevice) compare.Delays(values, read);
  }
  return differences;
}

}  // namespace tarnwick
