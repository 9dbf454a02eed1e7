#include <QLocale>

#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class UnitMenuTest : public WindowTest {
 protected:
  // A pressure switch of 0…10 bar with switch 1 at 5 / 2 bar.
  Family1Station& AddPressureSwitch() {
    auto& station = services.sim.bus.Add<Family1Station>(std::uint8_t{1});
    station.Stored().coefficients[72] = 5.0F;
    station.Stored().coefficients[73] = 2.0F;
    station.SyncProgrammerCopy();
    return station;
  }

  TextsByName Pressures() const {
    return Texts({"PressureRangeLabel", "SW1HLevelEdit", "SW1LLevelEdit"});
  }
  static TextsByName Pressures(const char* range, const char* high, const char* low) {
    return {{"PressureRangeLabel", range}, {"SW1HLevelEdit", high}, {"SW1LLevelEdit", low}};
  }
  // Every label that names the pressure unit shows `unit`.
  void ExpectUnitLabels(const std::string& unit) const {
    for (const char* label : {"PressureRangeUnitLabel", "PressureUnitLabel", "SW1HLUnitLabel",
                              "SW1LLUnitLabel", "SW2HLUnitLabel", "SW2LLUnitLabel"}) {
      EXPECT_EQ(Text(label), unit) << label;
    }
  }
  Names MarkedUnit() const { return Marked({"BarMenuItem", "PSIMenuItem", "MPaMenuItem"}); }
};

TEST_F(UnitMenuTest, WithoutDeviceDataAUnitOnlyRelabels) {
  Start();
  ExpectUnitLabels("bar");
  const auto hiddenBefore = HiddenStates();
  Choose("PSIMenuItem");
  EXPECT_THAT(MarkedUnit(), ElementsAre("PSIMenuItem"));
  ExpectUnitLabels("PSI");
  EXPECT_EQ(Pressures(), Pressures("", "", ""));
  EXPECT_EQ(HiddenStates(), hiddenBefore);
  EXPECT_THAT(services.dialogs.boxes, IsEmpty());

  Choose("PSIMenuItem");  // choosing the marked unit again keeps its mark
  EXPECT_THAT(MarkedUnit(), ElementsAre("PSIMenuItem"));
}

// In the user's number format, here with a decimal comma.
TEST_F(UnitMenuTest, ShownPressuresFollowTheUnitWithItsDecimals) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  AddPressureSwitch();
  Start();
  ReadOut();
  ExpectTexts({Shows{"AnalogOutputRangeLabel", "0,5 ... 4,5"}, Shows{"SW1CDEdit", "0,50"}});
  EXPECT_EQ(Pressures(), Pressures("0,00 ... 10,00", "5,00", "2,00"));
  const auto hiddenBefore = HiddenStates();

  Choose("PSIMenuItem");
  EXPECT_EQ(Pressures(), Pressures("0,0 ... 145,0", "72,5", "29,0"));
  ExpectUnitLabels("PSI");

  Choose("MPaMenuItem");
  EXPECT_EQ(Pressures(), Pressures("0,000 ... 1,000", "0,500", "0,200"));
  EXPECT_THAT(MarkedUnit(), ElementsAre("MPaMenuItem"));
  EXPECT_EQ(HiddenStates(), hiddenBefore);
  EXPECT_THAT(services.dialogs.boxes, IsEmpty());
  QLocale::setDefault(previous);
}

TEST_F(UnitMenuTest, SwitchPointsConvertFromTheRoundedTextOnScreen) {
  auto& station = services.sim.bus.Add<Family2Station>(std::uint8_t{1});
  station.Stored().coefficients[81] = 10.0F;  // three decimals in bar, one in PSI
  station.Stored().coefficients[72] = 5.003F;
  Start();
  ReadOut();
  ASSERT_EQ(Text("SW1HLevelEdit"), "5.003");
  Choose("PSIMenuItem");
  EXPECT_EQ(Text("SW1HLevelEdit"), "72.6");
  Choose("BarMenuItem");
  EXPECT_EQ(Text("SW1HLevelEdit"), "5.006");
}

TEST_F(UnitMenuTest, AReadInPsiConvertsAsItShowsButTheFactoryReadBackStaysInBar) {
  services.settings.values["PressureUnit"] = std::string("PSI");
  auto& station = AddPressureSwitch();
  station.Stored().coefficients[72] = 10.0F;
  station.SyncProgrammerCopy();
  Start({"workshop"});
  ReadOut();
  EXPECT_EQ(Text("PressureRangeLabel"), "0.0 ... 145.0");
  ExpectTexts({Shows{"PressureRangeMaxReadEdit", "10.0"}, Shows{"SW1LReadEdit", "2.0"}});

  Restart();
  ReadOut();
  EXPECT_EQ(Pressures(), Pressures("0.0 ... 145.0", "145.0", "29.0"));
  EXPECT_EQ(Text("SW1HLUnitLabel"), "PSI");
}

TEST_F(UnitMenuTest, ALevelDeviceOnlyMovesTheMark) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  Start();
  ReadOut();
  const TextsByName before = Pressures();
  Choose("PSIMenuItem");
  EXPECT_THAT(MarkedUnit(), ElementsAre("PSIMenuItem"));
  EXPECT_EQ(Pressures(), before);
  EXPECT_EQ(Text("PressureUnitLabel"), "bar");
}

TEST_F(UnitMenuTest, ASwitchPointThatIsNoNumberStopsTheChangeInTheOldUnit) {
  AddPressureSwitch();
  Start();
  ReadOut();
  Widget<QLineEdit>("SW2LLevelEdit")->setText("abc");
  Choose("PSIMenuItem");
  EXPECT_THAT(services.dialogs.Errors(),
              ElementsAre("Switch 2, low switch point: \"abc\" is not a number."));
  EXPECT_THAT(MarkedUnit(), ElementsAre("BarMenuItem"));
  ExpectUnitLabels("bar");
  EXPECT_EQ(Pressures(), Pressures("0.00 ... 10.00", "5.00", "2.00"));
}

}  // namespace
}  // namespace tarnwick::testing
