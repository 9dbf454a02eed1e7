#include "texts/console_texts.h"

#include <array>
#include <cstddef>

#include "texts/message_numbers.h"
#include "texts/message_table.h"

namespace tarnwick {
namespace {

struct Translations {
  ConsoleText key;
  std::string_view english;
  std::string_view german;
  std::string_view french;
};

// In the order of the keys, so that a key is its entry's index.
constexpr std::array<Translations, 30> kTexts{{
    {ConsoleText::kReadBackDiffers, "The device now holds other values than were written:",
     "Das Gerät enthält jetzt andere Werte als geschrieben wurden:",
     "L'appareil contient maintenant d'autres valeurs que celles qui ont été écrites:"},
    {ConsoleText::kHighSwitchPoint, "high switch point", "oberer Schaltpunkt",
     "point de commutation haut"},
    {ConsoleText::kLowSwitchPoint, "low switch point", "unterer Schaltpunkt",
     "point de commutation bas"},
    {ConsoleText::kFunction, "function", "Funktion", "fonction"},
    {ConsoleText::kContact, "contact", "Kontakt", "contact"},
    {ConsoleText::kClosingDelay, "closing delay", "Schliessverzögerung",
     "temporisation à la fermeture"},
    {ConsoleText::kOpeningDelay, "opening delay", "Öffnungsverzögerung",
     "temporisation à l'ouverture"},
    {ConsoleText::kOff, "Off", "Aus", "Arrêt"},
    {ConsoleText::kHysteresis, "Hysteresis", "Hysterese", "Hystérésis"},
    {ConsoleText::kWindow, "Window", "Fenster", "Fenêtre"},
    // The switch pages name the contacts alike in every language.
    {ConsoleText::kNormallyOpen, "NO", "NO", "NO"},
    {ConsoleText::kNormallyClosed, "NC", "NC", "NC"},
    {ConsoleText::kUnknownValue, "unknown", "unbekannt", "inconnu"},
    {ConsoleText::kWrittenRead, "%1: written %2, read %3", "%1: geschrieben %2, gelesen %3",
     "%1: écrit %2, lu %3"},
    {ConsoleText::kNotANumber, "\"%1\" is not a number.", "„%1“ ist keine Zahl.",
     "« %1 » n'est pas un nombre."},
    {ConsoleText::kNotAWholeNumber, "\"%1\" is not a whole number.", "„%1“ ist keine ganze Zahl.",
     "« %1 » n'est pas un nombre entier."},
    {ConsoleText::kInField, "%1: %2", "%1: %2", "%1 : %2"},
    {ConsoleText::kRefuseAddress, "\"%1\" must be a whole number from 1 to 255, not '%2'.",
     "„%1“ muss eine ganze Zahl von 1 bis 255 sein, nicht '%2'.",
     "« %1 » doit être un nombre entier de 1 à 255, et non '%2'."},
    {ConsoleText::kRefuseDelay, "\"%1\" must be a whole number of steps from 0 to 255, not '%2'.",
     "„%1“ muss eine ganze Zahl von Schritten von 0 bis 255 sein, nicht '%2'.",
     "« %1 » doit être un nombre entier de pas de 0 à 255, et non '%2'."},
    {ConsoleText::kRefuseWindowHysteresis,
     "\"%1\" must be a whole number of ADC points from 0 to 255, not '%2'.",
     "„%1“ muss eine ganze Zahl von ADC-Punkten von 0 bis 255 sein, nicht '%2'.",
     "« %1 » doit être un nombre entier de points ADC de 0 à 255, et non '%2'."},
    {ConsoleText::kRefuseSerialNumber,
     "\"%1\" must be a whole number from -2147483648 to 2147483647, not '%2'.",
     "„%1“ muss eine ganze Zahl von -2147483648 bis 2147483647 sein, nicht '%2'.",
     "« %1 » doit être un nombre entier de -2147483648 à 2147483647, et non '%2'."},
    {ConsoleText::kRefuseFloat,
     "\"%1\" must be a number from -3.4E38 to 3.4E38 with '%3' as decimal separator, not '%2'.",
     "„%1“ muss eine Zahl von -3,4E38 bis 3,4E38 mit '%3' als Dezimaltrennzeichen sein, nicht "
     "'%2'.",
     "« %1 » doit être un nombre de -3,4E38 à 3,4E38 avec '%3' comme séparateur décimal, et non "
     "'%2'."},
    {ConsoleText::kRefuseListChoice, "\"%1\": choose one of the entries of the list.",
     "„%1“: Bitte einen Eintrag der Liste wählen.",
     "« %1 »: choisissez une des entrées de la liste."},
    {ConsoleText::kJournalNotWritten,
     "The production journal could not be written (%1). The programming itself is not affected.",
     "Das Produktionsprotokoll konnte nicht geschrieben werden (%1). Die Programmierung selbst "
     "ist davon nicht betroffen.",
     "Le journal de production n'a pas pu être écrit (%1). La programmation elle-même n'en est "
     "pas affectée."},
    {ConsoleText::kNoPortChosen, "No COM port is chosen: choose one in the Port menu.",
     "Es ist kein COM-Port gewählt: Wählen Sie einen im Menü Port.",
     "Aucun COM-Port n'est choisi: choisissez-en un dans le menu Port."},
    {ConsoleText::kPortMissing, "%1 is not present on this computer.",
     "%1 ist an diesem Computer nicht vorhanden.", "%1 n'est pas présent sur cet ordinateur."},
    {ConsoleText::kPortInUse, "%1 is in use by another program.",
     "%1 wird von einem anderen Programm verwendet.", "%1 est utilisé par un autre programme."},
    {ConsoleText::kPortNeedsDialout,
     "You may not open %2: add your user to the group dialout and log in again.",
     "Sie dürfen %2 nicht öffnen: Nehmen Sie Ihren Benutzer in die Gruppe dialout auf und melden "
     "Sie sich neu an.",
     "Vous n'avez pas le droit d'ouvrir %2: ajoutez votre utilisateur au groupe dialout et "
     "reconnectez-vous."},
    {ConsoleText::kPortNotSerial, "%2 is not a serial port.", "%2 ist kein serieller Port.",
     "%2 n'est pas un port série."},
    {ConsoleText::kSimulatedPort, "simulated port %1", "simulierter Port %1", "port simulé %1"},
}};

constexpr bool InKeyOrder() {
  for (std::size_t i = 0; i < kTexts.size(); ++i) {
    if (static_cast<std::size_t>(kTexts[i].key) != i) return false;
  }
  return static_cast<std::size_t>(ConsoleText::kSimulatedPort) + 1 == kTexts.size();
}
static_assert(InKeyOrder());

const Translations& Entry(ConsoleText key) { return kTexts[static_cast<std::size_t>(key)]; }

}  // namespace

std::string_view ConsoleTextOf(int languageIndex, ConsoleText key) {
  const Translations& entry = Entry(key);
  switch (languageIndex) {
    case kLanguageGerman:
      return entry.german;
    case kLanguageFrench:
      return entry.french;
    default:
      return entry.english;
  }
}

std::string ConsoleTextWith(int languageIndex, ConsoleText key,
                            std::initializer_list<std::string_view> arguments) {
  const std::string_view pattern = ConsoleTextOf(languageIndex, key);
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                        pattern[i + 1] <= '9';
    const auto argument = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
    if (marker && argument < arguments.size()) {
      text += *(arguments.begin() + argument);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::string SwitchFieldCaption(int languageIndex, int switchNumber, ConsoleText field) {
  // The message table has no English fallback of its own.
  const int tableLanguage = languageIndex == kLanguageGerman || languageIndex == kLanguageFrench
                                ? languageIndex
                                : kLanguageEnglish;
  return MessageText(tableLanguage, kMsgSwitch1 + switchNumber - 1) + ", " +
         std::string(ConsoleTextOf(languageIndex, field));
}

}  // namespace tarnwick
