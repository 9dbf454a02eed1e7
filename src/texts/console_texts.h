#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarnwick {

// The console's own texts, beside the fixed message table: what it says about
// a device that kept other values than were written, about typed text that is
// not a number, about factory inputs it refuses and about the production
// journal, about a port it cannot open and about a simulated port. A "%n" in a text stands for the
// n-th argument of ConsoleTextWith.
enum class ConsoleText : std::uint8_t {
  // The warning after programming and its parts.
  kReadBackDiffers,  // heading
  kHighSwitchPoint,
  kLowSwitchPoint,
  kFunction,
  kContact,
  kClosingDelay,
  kOpeningDelay,
  kOff,
  kHysteresis,
  kWindow,
  kNormallyOpen,
  kNormallyClosed,
  kUnknownValue,  // a device code that names no function or contact
  kWrittenRead,   // %1 field, %2 written value, %3 read value

  // %1 the text that is not a number.
  kNotANumber,
  kNotAWholeNumber,
  // %1 the field's caption, %2 one of the two above.
  kInField,

  // Refused factory inputs: %1 the field's caption, %2 what was typed.
  kRefuseAddress,
  kRefuseDelay,
  kRefuseWindowHysteresis,
  kRefuseSerialNumber,
  kRefuseFloat,  // %3 the decimal separator
  kRefuseListChoice,

  // %1 why the journal line could not be written.
  kJournalNotWritten,

  // Why a port could not be opened, below message 50: %1 the port's name
  // ("COM3"), %2 the device behind it ("/dev/ttyUSB0").
  kNoPortChosen,
  kPortMissing,
  kPortInUse,
  kPortNeedsDialout,
  kPortNotSerial,

  // A Port menu entry's tip for a port published in the ports directory: %1
  // the pseudo-terminal.
  kSimulatedPort,
};

// The text in language 1 English, 2 German or 3 French, UTF-8; any other
// language index gives English.
std::string_view ConsoleTextOf(int languageIndex, ConsoleText key);

// The text with "%1", "%2", ... replaced by the arguments in that order; a
// "%n" without an argument stays as it is.
std::string ConsoleTextWith(int languageIndex, ConsoleText key,
                            std::initializer_list<std::string_view> arguments);

// "Switch 2, closing delay": the caption of switch tab `switchNumber` (1 or 2)
// and `field` (one of kHighSwitchPoint .. kOpeningDelay), in the language.
std::string SwitchFieldCaption(int languageIndex, int switchNumber, ConsoleText field);

}  // namespace tarnwick
