#include "texts/message_table.h"

#include <array>
#include <string_view>

namespace tarnwick {
namespace {

constexpr int kLanguageRows = 5;
constexpr int kMessagesPerRow = 100;

struct TranslatedText {
  int number;
  std::string_view english;
  std::string_view german;
  std::string_view french;
};

// Numbers 1 to 39 are captions, 50 to 61 message-box texts, 62 to 66 the parts
// of the level device's unit label. The spellings are the ones users of the
// product know, typos included.
constexpr TranslatedText kTexts[] = {
    {1, "File", "Datei", "Fichier"},
    {2, "Open configuration...", "Öffnen Konfiguration...", "Ouvrir la configuration..."},
    {3, "Save configuration...", "Speichern Konfiguration...", "Enregistrer la configuration..."},
    {4, "Exit", "Beenden", "Quitter"},
    {5, "Settings", "Einstellungen", "Paramètres"},
    {6, "Port", "Port", "Port"},
    {7, "Language", "Sprache", "Langue"},
    {8, "Info...", "Info...", "Info..."},
    {9, "Unit", "Einheit", "Unité"},
    {10, "&Read out", "&Auslesen", "&Lecture"},
    {11, "&Program", "&Programmieren", "&Programmer"},
    {12, "Display", "Anzeige", "Affichage"},
    {13, "Set COM-Port...", "COM-Port setzten...", "Paraméter Com-Port..."},
    {14, "Set COM-Port", "COM-Port setzten", "Paraméter Com-Port"},
    {15, "Cancel", "Abbrechen", "Abandonner"},
    {20, "Switch 1", "Schalter 1", "Relais 1"},
    {21, "Switch 2", "Schalter 2", "Relais 2"},
    {22, "Serial number:", "Seriennummer:", "Numéro de série:"},
    {23, "Device type:", "Gerätetyp:", "Type de l'appareil:"},
    {24, "Software version:", "Software Version:", "Version de logiciel:"},
    {25, "Temperature range:", "Temperaturbereich:", "Température compensée:"},
    {26, "Pressure range:", "Druckbereich:", "Etendue de mesure:"},
    {27, "Analog output range:", "Analog-Ausgangsbereich:", "Sortie analogique:"},
    {28, "Device address:", "Geräteadresse:", "Adresse de l'appareil:"},
    {30, "Off", "Aus", "Arrêt"},
    {31, "Hysteresis (H)", "Hysterese (H)", "Hystérésis (H)"},
    {32, "Window (F)", "Fenster (F)", "Fenêtre (F)"},
    {33, "Tarnwick", "Tarnwick", "Tarnwick"},
    {34, "No analog output", "Kein Analogausgang", "Aucune sortie analogique"},
    {35, "Switch delay:", "Schaltverzögerung:", "Temporisation:"},
    {36, "0.02s step", "0.02s Schritt", "Pas 0.02s"},
    {37, "0 .. 5s", "0 .. 5s", "0 .. 5s"},
    {38, "1s step", "1s Schritt", "Pas 1s"},
    {39, "0 .. 255s", "0 .. 255s", "0 .. 255s"},
    {50, "Unable to open the COM-Port: It doesn't exist or is currently used by another program.",
     "COM-Port kann nicht geöffnet werden: Er existiert nicht oder wird momentan von einem anderen "
     "Programm verwendet.",
     "Ouverture du COM-Port impossible: Il n'existe pas ou est actuellement utilisé par un autre "
     "programme."},
    {51, "No device (QM-40 RT or QM-4 KX) connected to the COM-Port or device not ready!",
     "Kein Gerät (QM-40 RT oder QM-4 KX) am COM-Port angeschlossen oder das Gerät ist noch nicht "
     "bereit!",
     "Aucun appareil (QM-40 RT ou QM-4 KX) n'est connecté au COM-Port ou l'appareil n'est pas "
     "prêt!"},
    {52, "Device not supported by this software!",
     "Dieses Gerät wird vom Programm nicht unterstützt!", "Appareil non reconnu par ce logiciel!"},
    {53, "No Pressure Switch connected to the programmer!",
     "Kein Druckschalter am Programmiergerät angeschlossen!",
     "Aucun pressostat n'est connecté à l'appareil de programmation!"},
    {54, "No Pressure Switch connected to the programmer! Read-out again?",
     "Kein Druckschalter am Programmiergerät angeschlossen! Nochmals auslesen?",
     "Aucun pressostat n'est connecté à l'appareil de programmation! Réessayer la lecture?"},
    {55, "Device has been changed! Please read out the new device first!",
     "Gerät wurde gewechselt! Bitte lesen Sie es neu ein!",
     "Appareil changé! Veuillez d'abord lire le nouvel appareil!"},
    {56, "This value has to be higher than the value below!",
     "Dieser Wert muss grösser sein, als der untere!",
     "Cette valeur doit être plus haute que la valeur ci-dessous!"},
    {60, "Error during reading!", "Fehler beim Lesen!", "Erreur pendant la lecture!"},
    {61, "Error during writing!", "Fehler beim Schreiben!", "Erreur pendant l'écriture!"},
    {62, "Unit CH0:", "Einheit CH0:", "Unité CH0:"},
    {63, "Liter (l)", "Liter (l)", "Litre (l)"},
    {64, "Hecto Liter (hl)", "Hektoliter (hl)", "Hecto Litre (hl)"},
    {65, "US Gallon (gal)", "US Gallonen (gal)", "US Galon (gal)"},
    {66, "% (of total volume)", "% (des Gesamtvolumens)", "% (de volume total)"},
};

using LanguageRow = std::array<std::string, kMessagesPerRow>;
using Table = std::array<LanguageRow, kLanguageRows>;

const Table& MessageTable() {
  static const Table table = [] {
    Table filled;
    for (const TranslatedText& text : kTexts) {
      const auto column = static_cast<std::size_t>(text.number - 1);
      filled[kLanguageEnglish - 1][column] = text.english;
      filled[kLanguageGerman - 1][column] = text.german;
      filled[kLanguageFrench - 1][column] = text.french;
    }
    return filled;
  }();
  return table;
}

}  // namespace

const std::string& MessageText(int languageIndex, int number) {
  static const std::string kEmpty;
  if (languageIndex < 1 || languageIndex > kLanguageRows) return kEmpty;
  if (number < 1 || number > kMessagesPerRow) return kEmpty;
  return MessageTable()[static_cast<std::size_t>(languageIndex - 1)]
                       [static_cast<std::size_t>(number - 1)];
}

}  // namespace tarnwick
