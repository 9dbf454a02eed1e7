#include "programming/verification_warning.h"

#include <utility>

#include "texts/console_texts.h"
#include "view/number_text.h"
#include "view/readout_text.h"

namespace tarnwick {
namespace {

ConsoleText FieldText(ProgrammedField field) {
  switch (field) {
    case ProgrammedField::kHighPoint:
      return ConsoleText::kHighSwitchPoint;
    case ProgrammedField::kLowPoint:
      return ConsoleText::kLowSwitchPoint;
    case ProgrammedField::kFunction:
      return ConsoleText::kFunction;
    case ProgrammedField::kContact:
      return ConsoleText::kContact;
    case ProgrammedField::kClosingDelay:
      return ConsoleText::kClosingDelay;
    case ProgrammedField::kOpeningDelay:
      return ConsoleText::kOpeningDelay;
  }
  return ConsoleText::kUnknownValue;
}

ConsoleText FunctionText(SwitchFunction function) {
  switch (function) {
    case SwitchFunction::kOff:
      return ConsoleText::kOff;
    case SwitchFunction::kHysteresis:
      return ConsoleText::kHysteresis;
    case SwitchFunction::kWindow:
      return ConsoleText::kWindow;
  }
  return ConsoleText::kUnknownValue;
}

ConsoleText ContactText(SwitchContact contact) {
  return contact == SwitchContact::kNormallyClosed ? ConsoleText::kNormallyClosed
                                                   : ConsoleText::kNormallyOpen;
}

class ValueWords {
 public:
  ValueWords(const ShownValueFormat& format, int languageIndex)
      : format_(format), language_(languageIndex) {}

  std::string operator()(std::monostate) const {
    return std::string(ConsoleTextOf(language_, ConsoleText::kUnknownValue));
  }
  std::string operator()(float bar) const {
    return WithUnit(FormatFixed(PressureToShown(bar, format_.unit), format_.decimals,
                                kPanelPrecision, format_.separator));
  }
  std::string operator()(DelaySteps delay) const {
    return DelayText(format_.family, delay.steps, format_.separator) + " s";
  }
  std::string operator()(SwitchFunction function) const {
    return std::string(ConsoleTextOf(language_, FunctionText(function)));
  }
  std::string operator()(SwitchContact contact) const {
    return std::string(ConsoleTextOf(language_, ContactText(contact)));
  }

  std::pair<std::string, std::string> Both(const ProgrammedValue& written,
                                           const ProgrammedValue& read) const {
    std::pair texts{std::visit(*this, written), std::visit(*this, read)};
    if (texts.first == texts.second && std::holds_alternative<float>(written) &&
        std::holds_alternative<float>(read)) {
      return {InFull(std::get<float>(written)), InFull(std::get<float>(read))};
    }
    return texts;
  }

 private:
  std::string InFull(float bar) const {
    return WithUnit(FormatGeneral(PressureToShown(bar, format_.unit), format_.separator));
  }
  std::string WithUnit(const std::string& number) const {
    return number + " " + std::string(PressureUnitText(format_.unit));
  }

  const ShownValueFormat& format_;
  int language_;
};

}  // namespace

std::string DifferenceText(const ProgrammingDifference& difference, const ShownValueFormat& format,
                           int languageIndex) {
  const std::string field =
      SwitchFieldCaption(languageIndex, difference.switchNumber, FieldText(difference.field));
  const auto [written, read] =
      ValueWords(format, languageIndex).Both(difference.written, difference.read);
  return ConsoleTextWith(languageIndex, ConsoleText::kWrittenRead, {field, written, read});
}

std::string VerificationWarning(const std::vector<ProgrammingDifference>& differences,
                                const ShownValueFormat& format, int languageIndex) {
  if (differences.empty()) return {};
  std::string text(ConsoleTextOf(languageIndex, ConsoleText::kReadBackDiffers));
  for (const ProgrammingDifference& difference : differences) {
    text += "\n" + DifferenceText(difference, format, languageIndex);
  }
  return text;
}

}  // namespace tarnwick
