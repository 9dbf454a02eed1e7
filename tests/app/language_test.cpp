#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;

class LanguageTest : public WindowTest {
 protected:
  // Captions of each kind: menus, window, buttons, tabs, panel, switch pages.
  TextsByName SampleCaptions() const {
    TextsByName texts =
        Texts({"FileMenuItem", "SettingsMenuItem", "PortMenuItem", "LanguageMenuItem",
               "UnitsMenuItem", "ReadButton", "ProgramButton", "OnlineSpeedButton", "Switch1Label",
               "SerialNumberHeadLabel", "BusAddressHeadLabel", "NoAnalogLabel", "SW2DelayLabel",
               "SW1OffRadioButton", "SW2WindowRadioButton"});
    for (const char* action : {"ExitMenuItem", "InfoMenuItem", "SaveAsMenuItem"}) {
      texts[action] = Action(action)->text().toStdString();
    }
    texts["SW1TabSheet"] = TabText("SW1TabSheet");
    texts["window"] = form->windowTitle().toStdString();
    return texts;
  }
};

TEST_F(LanguageTest, EachLanguagePutsItsCaptionsOnTheWindow) {
  Start();
  EXPECT_THAT(Marked({"GermanMenuItem", "EnglishMenuItem", "FrenchMenuItem"}),
              ElementsAre("EnglishMenuItem"));
  EXPECT_EQ(SampleCaptions(), (TextsByName{{"FileMenuItem", "File"},
                                           {"SettingsMenuItem", "Settings"},
                                           {"PortMenuItem", "Port"},
                                           {"LanguageMenuItem", "Language"},
                                           {"UnitsMenuItem", "Unit"},
                                           {"ReadButton", "&Read out"},
                                           {"ProgramButton", "&Program"},
                                           {"OnlineSpeedButton", "Display"},
                                           {"Switch1Label", "Switch 1"},
                                           {"SerialNumberHeadLabel", "Serial number:"},
                                           {"BusAddressHeadLabel", "Device address:"},
                                           {"NoAnalogLabel", "No analog output"},
                                           {"SW2DelayLabel", "Switch delay:"},
                                           {"SW1OffRadioButton", "Off"},
                                           {"SW2WindowRadioButton", "Window (F)"},
                                           {"ExitMenuItem", "Exit"},
                                           {"InfoMenuItem", "Info..."},
                                           {"SaveAsMenuItem", "Save configuration..."},
                                           {"SW1TabSheet", "Switch 1"},
                                           {"window", "Tarnwick"}}));

  Choose("GermanMenuItem");
  EXPECT_THAT(Marked({"GermanMenuItem", "EnglishMenuItem", "FrenchMenuItem"}),
              ElementsAre("GermanMenuItem"));
  EXPECT_EQ(SampleCaptions(), (TextsByName{{"FileMenuItem", "Datei"},
                                           {"SettingsMenuItem", "Einstellungen"},
                                           {"PortMenuItem", "Port"},
                                           {"LanguageMenuItem", "Sprache"},
                                           {"UnitsMenuItem", "Einheit"},
                                           {"ReadButton", "&Auslesen"},
                                           {"ProgramButton", "&Programmieren"},
                                           {"OnlineSpeedButton", "Anzeige"},
                                           {"Switch1Label", "Schalter 1"},
                                           {"SerialNumberHeadLabel", "Seriennummer:"},
                                           {"BusAddressHeadLabel", "Geräteadresse:"},
                                           {"NoAnalogLabel", "Kein Analogausgang"},
                                           {"SW2DelayLabel", "Schaltverzögerung:"},
                                           {"SW1OffRadioButton", "Aus"},
                                           {"SW2WindowRadioButton", "Fenster (F)"},
                                           {"ExitMenuItem", "Beenden"},
                                           {"InfoMenuItem", "Info..."},
                                           {"SaveAsMenuItem", "Speichern Konfiguration..."},
                                           {"SW1TabSheet", "Schalter 1"},
                                           {"window", "Tarnwick"}}));

  Choose("FrenchMenuItem");
  EXPECT_THAT(Marked({"GermanMenuItem", "EnglishMenuItem", "FrenchMenuItem"}),
              ElementsAre("FrenchMenuItem"));
  const TextsByName french = SampleCaptions();
  EXPECT_EQ(french.at("ReadButton"), "&Lecture");
  EXPECT_EQ(french.at("SettingsMenuItem"), "Paramètres");
  EXPECT_EQ(french.at("SW1OffRadioButton"), "Arrêt");
  EXPECT_EQ(Action("SetComPortMenuItem")->text().toStdString(), "Paraméter Com-Port...");
}

TEST_F(LanguageTest, FactoryPagesStayGerman) {
  Start({"workshop"});
  Choose("FrenchMenuItem");
  EXPECT_EQ(TabText("ProgrammingTabSheet"), "Programmieren");
  EXPECT_EQ(TabText("ReadoutTabSheet"), "Ausgelesene Werte");
  EXPECT_EQ(Text("ReadoutTabLabel"), "Ausgelesene Werte des LX-60 MB:");
  EXPECT_EQ(Text("ReadAddressLabel"), "Adresse");
  EXPECT_EQ(Text("PrintButton"), "Karte drucken");
}

TEST_F(LanguageTest, MessagesComeInTheLanguageOfTheMoment) {
  services.settings.values["COM-Port"] = 9;
  Start();
  Choose("FrenchMenuItem");
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("Ouverture du COM-Port impossible: Il n'existe pas ou est actuellement "
                          "utilisé par un autre programme."));

  form.reset();
  services.settings.values["COM-Port"] = SimEnvironment::kSimCom;
  services.sim.bus.Add<Family1Station>(std::uint8_t{1}).SetFaults({.noSwitch = true});
  Start();
  Choose("GermanMenuItem");
  services.dialogs.QueueAnswer(false);
  ReadOut();
  EXPECT_THAT(services.dialogs.Questions(),
              ElementsAre("Kein Druckschalter am Programmiergerät angeschlossen! Nochmals "
                          "auslesen?"));
}

TEST_F(LanguageTest, ALevelDeviceRelabelsItsUnitAndDelaysWithoutChangingWhatIsShown) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  Start();
  Choose("GermanMenuItem");  // before the read
  ReadOut();
  EXPECT_EQ(Texts({"Morvik_unit_label", "SW1DelayStepLabel", "SW1DelayRangeLabel"}),
            (TextsByName{{"Morvik_unit_label", "Einheit CH0: Liter (l)"},
                         {"SW1DelayStepLabel", "1s Schritt"},
                         {"SW1DelayRangeLabel", "0 .. 255s"}}));

  const auto shownBefore = HiddenStates();
  const std::string levelBefore = Text("SW1HLevelEdit");
  Choose("FrenchMenuItem");  // after the read
  EXPECT_EQ(Texts({"Morvik_unit_label", "SW2DelayStepLabel", "SW2DelayRangeLabel"}),
            (TextsByName{{"Morvik_unit_label", "Unité CH0: Litre (l)"},
                         {"SW2DelayStepLabel", "Pas 1s"},
                         {"SW2DelayRangeLabel", "0 .. 255s"}}));
  Choose("EnglishMenuItem");
  EXPECT_EQ(Text("Morvik_unit_label"), "Unit CH0: Liter (l)");
  EXPECT_EQ(HiddenStates(), shownBefore);
  EXPECT_EQ(Text("SW1HLevelEdit"), levelBefore);
}

TEST_F(LanguageTest, DelayCaptionsFollowTheFamilyReadLast) {
  auto& level = services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  level.Stored().registers[11] = {2, 0, 0, 0, 0};
  Start();
  EXPECT_EQ(Text("Morvik_unit_label"), "---");
  ReadOut();
  EXPECT_EQ(Text("Morvik_unit_label"), "Unit CH0: US Gallon (gal)");

  services.sim.bus.RemoveAll();
  services.sim.bus.Add<Family1Station>(std::uint8_t{1});
  ReadOut();
  Choose("GermanMenuItem");
  EXPECT_EQ(
      Texts({"SW1DelayStepLabel", "SW1DelayRangeLabel"}),
      (TextsByName{{"SW1DelayStepLabel", "0.02s Schritt"}, {"SW1DelayRangeLabel", "0 .. 5s"}}));

  // A failed read leaves no family: the captions of the pressure switch.
  services.sim.bus.RemoveAll();
  services.sim.bus.Add<Family4Station>(std::uint8_t{1}).SetFaults({.silent = true});
  ReadOut();
  Choose("FrenchMenuItem");
  EXPECT_EQ(Text("SW2DelayStepLabel"), "Pas 0.02s");
}

}  // namespace
}  // namespace tarnwick::testing
