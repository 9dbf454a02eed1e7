#include "programming/factory_input_check.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "texts/console_texts.h"
#include "view/number_text.h"

namespace tarnwick {
namespace {

constexpr int kFunctionItems = 5;
constexpr int kOutputTypeItems = 3;
constexpr int kAnalogOutItems = 1;
constexpr long long kLowestAddress = 1;
constexpr long long kHighestByte = 255;

constexpr std::array<std::string_view, 21> kCaptions{
    "von Adresse",
    "bis Adresse",
    "Analog Ausgang (min ... max)",
    "min. Druck (bei min. Analog)",
    "max. Druck (bei max. Analog)",
    "Temperatur min",
    "Temperatur max",
    "Fenster Hysterese (in ADC-Punkten)",
    "Serie-Nr",
    "Schalter 1, Schaltpunkt High",
    "Schalter 1, Schaltpunkt Low",
    "Schalter 1, Schalterfunktion",
    "Schalter 1, Schaltertyp",
    "Schalter 1, Schliessverzögerung",
    "Schalter 1, Öffnungsverzögerung",
    "Schalter 2, Schaltpunkt High",
    "Schalter 2, Schaltpunkt Low",
    "Schalter 2, Schalterfunktion",
    "Schalter 2, Schaltertyp",
    "Schalter 2, Schliessverzögerung",
    "Schalter 2, Öffnungsverzögerung",
};
static_assert(kCaptions.size() == static_cast<std::size_t>(FactoryField::kSwitch2OpeningDelay) + 1);

// Reads the page field by field. A field that cannot be read gives 0 and, if
// it is the first such field, the refusal.
class PageReader {
 public:
  PageReader(char separator, int languageIndex) : separator_(separator), language_(languageIndex) {}

  std::uint8_t Address(FactoryField field, std::string_view text) {
    return static_cast<std::uint8_t>(
        Whole(field, text, kLowestAddress, kHighestByte, ConsoleText::kRefuseAddress));
  }

  std::uint8_t Byte(FactoryField field, std::string_view text, ConsoleText rule) {
    return static_cast<std::uint8_t>(Whole(field, text, 0, kHighestByte, rule));
  }

  std::int32_t SerialNumber(std::string_view text) {
    return static_cast<std::int32_t>(
        Whole(FactoryField::kSerialNumber, text, std::numeric_limits<std::int32_t>::min(),
              std::numeric_limits<std::int32_t>::max(), ConsoleText::kRefuseSerialNumber));
  }

  float Float(FactoryField field, std::string_view text) {
    try {
      const double value = ParseNumber(text, separator_);
      if (std::fabs(value) <= std::numeric_limits<float>::max()) return static_cast<float>(value);
    } catch (const NumberTextError&) {
    }
    Refuse(field, ConsoleText::kRefuseFloat, text);
    return 0.0F;
  }

  std::uint8_t Choice(FactoryField field, int index, int items) {
    if (index >= 0 && index < items) return static_cast<std::uint8_t>(index);
    Refuse(field, ConsoleText::kRefuseListChoice, {});
    return 0;
  }

  FactorySwitchValues Switch(const FactorySwitchTexts& texts, FactoryField high) {
    const auto at = [high](int offset) {
      return static_cast<FactoryField>(static_cast<int>(high) + offset);
    };
    FactorySwitchValues values;
    values.highBar = Float(high, texts.high);
    values.lowBar = Float(at(1), texts.low);
    values.functionCode = Choice(at(2), texts.functionIndex, kFunctionItems);
    values.outputType = Choice(at(3), texts.outputTypeIndex, kOutputTypeItems);
    values.closingDelaySteps = Byte(at(4), texts.closingDelay, ConsoleText::kRefuseDelay);
    values.openingDelaySteps = Byte(at(5), texts.openingDelay, ConsoleText::kRefuseDelay);
    return values;
  }

  const std::optional<FactoryRefusal>& refusal() const { return refusal_; }

 private:
  long long Whole(FactoryField field, std::string_view text, long long min, long long max,
                  ConsoleText rule) {
    try {
      const long long value = ParseInteger(text);
      if (value >= min && value <= max) return value;
    } catch (const NumberTextError&) {
    }
    Refuse(field, rule, text);
    return 0;
  }

  void Refuse(FactoryField field, ConsoleText rule, std::string_view typed) {
    if (refusal_) return;
    const char separator[] = {separator_, '\0'};
    refusal_ = FactoryRefusal{
        field, ConsoleTextWith(language_, rule, {FactoryFieldCaption(field), typed, separator})};
  }

  char separator_;
  int language_;
  std::optional<FactoryRefusal> refusal_;
};

}  // namespace

std::string_view FactoryFieldCaption(FactoryField field) {
  return kCaptions[static_cast<std::size_t>(field)];
}

FactoryInputCheck CheckFactoryInputs(const FactoryPageTexts& page, char separator,
                                     int languageIndex) {
  PageReader read(separator, languageIndex);
  FactoryProgramInputs inputs;
  inputs.firstAddress = read.Address(FactoryField::kFirstAddress, page.firstAddress);
  inputs.lastAddress = read.Address(FactoryField::kLastAddress, page.lastAddress);
  // With no item selected the analog output is not written, which is allowed.
  inputs.analogOutSelected =
      page.analogOutIndex != -1 &&
      read.Choice(FactoryField::kAnalogOutput, page.analogOutIndex, kAnalogOutItems) == 0;
  inputs.pressureRangeMinBar = read.Float(FactoryField::kPressureRangeMin, page.pressureRangeMin);
  inputs.pressureRangeMaxBar = read.Float(FactoryField::kPressureRangeMax, page.pressureRangeMax);
  inputs.temperatureRangeMin = read.Float(FactoryField::kTemperatureMin, page.temperatureMin);
  inputs.temperatureRangeMax = read.Float(FactoryField::kTemperatureMax, page.temperatureMax);
  inputs.windowHysteresis = read.Byte(FactoryField::kWindowHysteresis, page.windowHysteresis,
                                      ConsoleText::kRefuseWindowHysteresis);
  inputs.writeSerialNumbers = page.writeSerialNumbers;
  if (page.writeSerialNumbers) inputs.firstSerialNumber = read.SerialNumber(page.serialNumber);
  inputs.switch1 = read.Switch(page.switch1, FactoryField::kSwitch1High);
  inputs.switch2 = read.Switch(page.switch2, FactoryField::kSwitch2High);
  if (read.refusal()) return *read.refusal();
  return inputs;
}

}  // namespace tarnwick
