#include <QLocale>

#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The user's number format for one test.
class LocaleForTest {
 public:
  explicit LocaleForTest(const QLocale& locale) { QLocale::setDefault(locale); }
  ~LocaleForTest() { QLocale::setDefault(previous_); }
  LocaleForTest(const LocaleForTest&) = delete;
  LocaleForTest& operator=(const LocaleForTest&) = delete;

 private:
  QLocale previous_;
};

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

  TextsByName UnitLabels() const {
    return Texts({"PressureRangeUnitLabel", "PressureUnitLabel", "SW1HLUnitLabel", "SW1LLUnitLabel",
                  "SW2HLUnitLabel", "SW2LLUnitLabel"});
  }
  static TextsByName AllUnitLabels(const std::string& unit) {
    return {{"PressureRangeUnitLabel", unit}, {"PressureUnitLabel", unit},
            {"SW1HLUnitLabel", unit},         {"SW1LLUnitLabel", unit},
            {"SW2HLUnitLabel", unit},         {"SW2LLUnitLabel", unit}};
  }
  Names MarkedUnit() const { return Marked({"BarMenuItem", "PSIMenuItem", "MPaMenuItem"}); }
};

TEST_F(UnitMenuTest, WithoutDeviceDataAUnitOnlyRelabels) {
  Start();
  EXPECT_EQ(UnitLabels(), AllUnitLabels("bar"));
  const auto hiddenBefore = HiddenStates();
  Choose("PSIMenuItem");
  EXPECT_THAT(MarkedUnit(), ElementsAre("PSIMenuItem"));
  EXPECT_EQ(UnitLabels(), AllUnitLabels("PSI"));
  EXPECT_EQ(Texts({"PressureRangeLabel", "SW1HLevelEdit"}),
            (TextsByName{{"PressureRangeLabel", ""}, {"SW1HLevelEdit", ""}}));
  EXPECT_EQ(HiddenStates(), hiddenBefore);
  EXPECT_THAT(services.dialogs.boxes, IsEmpty());

  Choose("PSIMenuItem");  // choosing the marked unit again keeps its mark
  EXPECT_THAT(MarkedUnit(), ElementsAre("PSIMenuItem"));
}

TEST_F(UnitMenuTest, ShownPressuresFollowTheUnitWithItsDecimals) {
  AddPressureSwitch();
  Start();
  ReadOut();
  ASSERT_EQ(Texts({"PressureRangeLabel", "SW1HLevelEdit", "SW1LLevelEdit"}),
            (TextsByName{{"PressureRangeLabel", "0.00 ... 10.00"},
                         {"SW1HLevelEdit", "5.00"},
                         {"SW1LLevelEdit", "2.00"}}));
  const auto hiddenBefore = HiddenStates();

  Choose("PSIMenuItem");
  EXPECT_EQ(Texts({"PressureRangeLabel", "SW1HLevelEdit", "SW1LLevelEdit"}),
            (TextsByName{{"PressureRangeLabel", "0.0 ... 145.0"},
                         {"SW1HLevelEdit", "72.5"},
                         {"SW1LLevelEdit", "29.0"}}));
  EXPECT_EQ(UnitLabels(), AllUnitLabels("PSI"));

  Choose("MPaMenuItem");
  EXPECT_EQ(Texts({"PressureRangeLabel", "SW1HLevelEdit", "SW1LLevelEdit"}),
            (TextsByName{{"PressureRangeLabel", "0.000 ... 1.000"},
                         {"SW1HLevelEdit", "0.500"},
                         {"SW1LLevelEdit", "0.200"}}));
  EXPECT_THAT(MarkedUnit(), ElementsAre("MPaMenuItem"));
  EXPECT_EQ(HiddenStates(), hiddenBefore);
  EXPECT_THAT(services.dialogs.boxes, IsEmpty());
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
  EXPECT_EQ(Text("PressureRangeLabel"), "0.000 ... 10.000");
}

TEST_F(UnitMenuTest, AReadInPsiConvertsAsItShows) {
  services.settings.values["PressureUnit"] = std::string("PSI");
  auto& station = AddPressureSwitch();
  station.Stored().coefficients[72] = 10.0F;
  station.SyncProgrammerCopy();
  Start();
  ReadOut();
  EXPECT_EQ(Texts({"PressureRangeLabel", "SW1HLevelEdit", "SW1LLevelEdit", "SW1HLUnitLabel"}),
            (TextsByName{{"PressureRangeLabel", "0.0 ... 145.0"},
                         {"SW1HLevelEdit", "145.0"},
                         {"SW1LLevelEdit", "29.0"},
                         {"SW1HLUnitLabel", "PSI"}}));
}

TEST_F(UnitMenuTest, TheFactoryReadBackStaysInBar) {
  services.settings.values["PressureUnit"] = std::string("PSI");
  AddPressureSwitch();
  Start({"workshop"});
  ReadOut();
  EXPECT_EQ(
      Texts({"PressureRangeMaxReadEdit", "SW1HReadEdit", "SW1LReadEdit"}),
      (TextsByName{
          {"PressureRangeMaxReadEdit", "10.0"}, {"SW1HReadEdit", "5.0"}, {"SW1LReadEdit", "2.0"}}));
  EXPECT_EQ(Text("PressureRangeLabel"), "0.0 ... 145.0");
}

TEST_F(UnitMenuTest, ALevelDeviceOnlyMovesTheMark) {
  services.sim.bus.Add<Family4Station>(std::uint8_t{1});
  Start();
  ReadOut();
  const TextsByName before = Texts({"SW1HLevelEdit", "SW1LLevelEdit", "PressureRangeLabel"});
  Choose("PSIMenuItem");
  EXPECT_THAT(MarkedUnit(), ElementsAre("PSIMenuItem"));
  EXPECT_EQ(Texts({"SW1HLevelEdit", "SW1LLevelEdit", "PressureRangeLabel"}), before);
  EXPECT_EQ(Text("PressureRangeUnitLabel"), "bar");
  EXPECT_EQ(Text("PressureUnitLabel"), "bar");
}

TEST_F(UnitMenuTest, ASwitchPointThatIsNoNumberStopsTheChangeInTheOldUnit) {
  AddPressureSwitch();
  Start();
  ReadOut();
  Widget<QLineEdit>("SW2LLevelEdit")->setText("abc");
  Choose("PSIMenuItem");
  EXPECT_THAT(services.dialogs.Errors(), ElementsAre("'abc' is not a valid floating point value"));
  EXPECT_THAT(MarkedUnit(), ElementsAre("BarMenuItem"));
  EXPECT_EQ(UnitLabels(), AllUnitLabels("bar"));
  EXPECT_EQ(Texts({"SW1HLevelEdit", "PressureRangeLabel"}),
            (TextsByName{{"SW1HLevelEdit", "5.00"}, {"PressureRangeLabel", "0.00 ... 10.00"}}));
}

TEST_F(UnitMenuTest, NumbersUseTheUsersDecimalComma) {
  const LocaleForTest german(QLocale(QLocale::German, QLocale::Germany));
  AddPressureSwitch();
  Start();
  ReadOut();
  EXPECT_EQ(Texts({"PressureRangeLabel", "AnalogOutputRangeLabel", "SW1HLevelEdit", "SW1CDEdit",
                   "SW2ODEdit"}),
            (TextsByName{{"PressureRangeLabel", "0,00 ... 10,00"},
                         {"AnalogOutputRangeLabel", "0,5 ... 4,5"},
                         {"SW1HLevelEdit", "5,00"},
                         {"SW1CDEdit", "0,50"},
                         {"SW2ODEdit", "0,20"}}));
  Choose("PSIMenuItem");
  EXPECT_EQ(Texts({"PressureRangeLabel", "SW1HLevelEdit", "SW1LLevelEdit"}),
            (TextsByName{{"PressureRangeLabel", "0,0 ... 145,0"},
                         {"SW1HLevelEdit", "72,5"},
                         {"SW1LLevelEdit", "29,0"}}));
  EXPECT_THAT(services.dialogs.boxes, IsEmpty());
}

}  // namespace
}  // namespace tarnwick::testing
