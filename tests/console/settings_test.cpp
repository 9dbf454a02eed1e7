#include <QGuiApplication>
#include <QScreen>

#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;
using Value = MemorySettingsStore::Value;

class SettingsTest : public WindowTest {
 protected:
  Names MarkedLanguage() const {
    return Marked({"GermanMenuItem", "EnglishMenuItem", "FrenchMenuItem"});
  }
  Names MarkedUnit() const { return Marked({"BarMenuItem", "PSIMenuItem", "MPaMenuItem"}); }
  const Value& Stored(const char* name) const { return services.settings.values.at(name); }
};

TEST_F(SettingsTest, AFirstRunTakesTheDefaultsAndWritesAllFiveAtClose) {
  services.settings.values.clear();
  Start();
  EXPECT_THAT(MarkedLanguage(), ElementsAre("EnglishMenuItem"));
  EXPECT_THAT(MarkedUnit(), ElementsAre("BarMenuItem"));
  EXPECT_EQ(form->ComPortNumber(), 1);
  EXPECT_EQ(form->pos(), QPoint(0, 0));
  EXPECT_TRUE(services.settings.values.empty()) << "nothing is written before the close";

  Choose("ExitMenuItem");
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(services.settings.values,
            (std::map<std::string, Value, std::less<>>{{"Language", 1},
                                                       {"COM-Port", 1},
                                                       {"PressureUnit", std::string("bar")},
                                                       {"MainLeft", 0},
                                                       {"MainTop", 0}}));
}

TEST_F(SettingsTest, ChangesMadeBeforeTheCloseShowAtTheNextStart) {
  Start();
  Choose("GermanMenuItem");
  Choose("MPaMenuItem");
  form->move(120, 80);
  Restart();

  EXPECT_EQ(Text("ReadButton"), "&Auslesen");
  EXPECT_THAT(MarkedUnit(), ElementsAre("MPaMenuItem"));
  EXPECT_EQ(Text("SW1HLUnitLabel"), "MPa");
  EXPECT_EQ(form->ComPortNumber(), SimEnvironment::kSimCom);
  EXPECT_EQ(form->pos(), QPoint(120, 80));
}

TEST_F(SettingsTest, AValueOfAnotherTypeOrAnUnknownUnitIsTakenAsAbsent) {
  services.settings.values = {{"Language", std::string("2")},
                              {"COM-Port", std::string("COM4")},
                              {"PressureUnit", std::string("psi")},
                              {"MainLeft", std::string("50")},
                              {"MainTop", 12}};
  Start();
  EXPECT_THAT(MarkedLanguage(), ElementsAre("EnglishMenuItem"));
  EXPECT_EQ(form->ComPortNumber(), 1);
  EXPECT_THAT(MarkedUnit(), ElementsAre("BarMenuItem"));
  EXPECT_EQ(form->pos(), QPoint(0, 12));

  Close();
  EXPECT_EQ(Stored("Language"), Value(1));
  EXPECT_EQ(Stored("PressureUnit"), Value(std::string("bar")));
}

TEST_F(SettingsTest, AWindowNobodyCouldReachComesBackOntoTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  services.settings.values["MainLeft"] = -2000;
  services.settings.values["MainTop"] = 40;
  Start();
  EXPECT_EQ(form->pos(), QPoint(screen.left(), 40));

  // Partly off the screen is where the user left it.
  form.reset();
  services.settings.values["MainLeft"] = -300;
  Start();
  EXPECT_EQ(form->pos(), QPoint(-300, 40));

  // Near the integer limits: far off every screen, however the sums are taken.
  const QSize size = form->frameGeometry().size();
  for (const auto& [left, top] :
       {std::pair{2147482890, 40}, std::pair{40, 2147483600}, std::pair{-2147483647 - 1, 40}}) {
    form.reset();
    services.settings.values["MainLeft"] = left;
    services.settings.values["MainTop"] = top;
    Start();
    EXPECT_TRUE(screen.contains(QRect(form->pos(), size).topLeft())) << left << "," << top;
    EXPECT_GE(screen.right() - form->pos().x(), 80) << "its title bar can be grabbed";
  }
}

TEST_F(SettingsTest, AUnitMarkedWhileALevelDeviceIsShownIsNotStored) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  Start();
  ReadOut();
  Choose("PSIMenuItem");
  Close();
  EXPECT_EQ(Stored("PressureUnit"), Value(std::string("bar")));
}

TEST_F(SettingsTest, AStoreThatCannotBeOpenedGivesDefaultsAndAQuietClose) {
  services.settings.values["Language"] = 2;
  services.settings.opens = false;
  Start();
  EXPECT_THAT(MarkedLanguage(), ElementsAre("EnglishMenuItem"));
  Choose("FrenchMenuItem");
  Close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(services.dialogs.boxes.empty());
  EXPECT_EQ(Stored("Language"), Value(2));
}

}  // namespace
}  // namespace tarnwick::testing
