#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;

class LanguageTest : public WindowTest {
 protected:
  Names MarkedLanguage() const {
    return Marked({"GermanMenuItem", "EnglishMenuItem", "FrenchMenuItem"});
  }
};

// A caption of each kind: menu, menu item, button, label, radio button, tab.
TEST_F(LanguageTest, EachLanguagePutsItsCaptionsOnTheWindow) {
  Start();
  EXPECT_THAT(MarkedLanguage(), ElementsAre("EnglishMenuItem"));
  ExpectTexts({Shows{"SettingsMenuItem", "Settings"},
               Shows{"SaveAsMenuItem", "Save configuration..."}, Shows{"ReadButton", "&Read out"},
               Shows{"SerialNumberHeadLabel", "Serial number:"},
               Shows{"SW1OffRadioButton", "Off"}});
  EXPECT_EQ(TabText("SW1TabSheet"), "Switch 1");

  Choose("GermanMenuItem");
  EXPECT_THAT(MarkedLanguage(), ElementsAre("GermanMenuItem"));
  ExpectTexts({Shows{"SettingsMenuItem", "Einstellungen"},
               Shows{"SaveAsMenuItem", "Speichern Konfiguration..."},
               Shows{"ReadButton", "&Auslesen"}, Shows{"SerialNumberHeadLabel", "Seriennummer:"},
               Shows{"SW1OffRadioButton", "Aus"}});
  EXPECT_EQ(TabText("SW1TabSheet"), "Schalter 1");
  EXPECT_EQ(form->windowTitle().toStdString(), "Tarnwick");

  Choose("FrenchMenuItem");
  EXPECT_THAT(MarkedLanguage(), ElementsAre("FrenchMenuItem"));
  ExpectTexts(
      {Shows{"ReadButton", "&Lecture"}, Shows{"SetComPortMenuItem", "Paraméter Com-Port..."}});
}

TEST_F(LanguageTest, FactoryPagesStayGerman) {
  Start({"workshop"});
  Choose("FrenchMenuItem");
  EXPECT_EQ(TabText("ReadoutTabSheet"), "Ausgelesene Werte");
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

  form.reset();
  Start({"workshop"});
  Choose("FrenchMenuItem");
  Widget<QLineEdit>("ReadAddressEdit")->setText("abc");
  ReadOut();
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("Adresse : « abc » n'est pas un nombre entier."));
}

TEST_F(LanguageTest, ALevelDeviceRelabelsItsUnitAndDelaysWithoutChangingWhatIsShown) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  Start();
  Choose("GermanMenuItem");  // before the read
  ReadOut();
  ExpectTexts({Shows{"Morvik_unit_label", "Einheit CH0: Liter (l)"},
               Shows{"SW1DelayStepLabel", "1s Schritt"}});

  const auto shownBefore = HiddenStates();
  const std::string levelBefore = Text("SW1HLevelEdit");
  Choose("FrenchMenuItem");  // after the read
  ExpectTexts(
      {Shows{"Morvik_unit_label", "Unité CH0: Litre (l)"}, Shows{"SW2DelayStepLabel", "Pas 1s"}});
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
  EXPECT_EQ(Text("SW1DelayStepLabel"), "0.02s Schritt");

  // A failed read leaves no family: the captions of the pressure switch.
  services.sim.bus.RemoveAll();
  services.sim.bus.Add<Family4Station>(std::uint8_t{1}).SetFaults({.silent = true});
  ReadOut();
  Choose("FrenchMenuItem");
  EXPECT_EQ(Text("SW2DelayStepLabel"), "Pas 0.02s");
}

}  // namespace
}  // namespace tarnwick::testing
