#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "programming/programming_inputs.h"

namespace tarnwick {

// The factory programming page as the user left it: the texts of its edits and
// the item indexes of its lists (-1 where no item is selected).
struct FactorySwitchTexts {
  std::string high;          // "Schaltpunkt High:", bar
  std::string low;           // "Schaltpunkt Low:", bar
  int functionIndex = 0;     // "Schalterfunktion:", items 0..4
  int outputTypeIndex = 0;   // "Schaltertyp:", items 0..2
  std::string closingDelay;  // "Schliessverzögerung:", steps
  std::string openingDelay;  // "Öffnungsverzögerung:", steps
};

struct FactoryPageTexts {
  std::string firstAddress;  // "von Adresse:"
  std::string lastAddress;   // "bis Adresse:"
  int analogOutIndex = 0;    // "Analog Ausgang (min ... max):", the one item 0 or none
  std::string pressureRangeMin;
  std::string pressureRangeMax;
  std::string temperatureMin;
  std::string temperatureMax;
  std::string windowHysteresis;
  bool writeSerialNumbers = false;  // "Serie-Nr schreiben"
  std::string serialNumber;         // read only when serial numbers are written
  FactorySwitchTexts switch1;
  FactorySwitchTexts switch2;
};

// The fields in the order of the page, which is the order they are checked in.
enum class FactoryField : std::uint8_t {
  kFirstAddress,
  kLastAddress,
  kAnalogOutput,
  kPressureRangeMin,
  kPressureRangeMax,
  kTemperatureMin,
  kTemperatureMax,
  kWindowHysteresis,
  kSerialNumber,
  kSwitch1High,
  kSwitch1Low,
  kSwitch1Function,
  kSwitch1OutputType,
  kSwitch1ClosingDelay,
  kSwitch1OpeningDelay,
  kSwitch2High,
  kSwitch2Low,
  kSwitch2Function,
  kSwitch2OutputType,
  kSwitch2ClosingDelay,
  kSwitch2OpeningDelay,
};

// The page's German caption of a field, the same in every language:
// "von Adresse", "Schalter 2, Schliessverzögerung".
std::string_view FactoryFieldCaption(FactoryField field);

// The first field that cannot be programmed, and what it must be.
struct FactoryRefusal {
  FactoryField field = FactoryField::kFirstAddress;
  std::string message;  // names the caption and what was typed

  bool operator==(const FactoryRefusal&) const = default;
};

using FactoryInputCheck = std::variant<FactoryProgramInputs, FactoryRefusal>;

// Checks the page before the port is opened, so that nothing is sent for a
// value the programmers would receive cut to its lowest byte or not at all:
// addresses whole numbers 1..255; window hysteresis and delays whole numbers
// 0..255; output type and function one of their list items, the analog output
// its one item or none; the serial number, when written, a whole number within
// 32 bits signed; pressures and temperatures finite numbers within the range
// of a 32-bit float, written with the user's decimal `separator`. The other of
// "," and "." is refused rather than taken as a decimal mark, since "1,000"
// typed for a thousand must not go out as 1. Whole numbers may carry a sign and
// blanks around. The refusal's message is in language 1 English, 2 German or
// 3 French (anything else English).
FactoryInputCheck CheckFactoryInputs(const FactoryPageTexts& page, char separator,
                                     int languageIndex);

}  // namespace tarnwick
