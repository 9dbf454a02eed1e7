#include <gtest/gtest.h>

#include "texts/message_table.h"
#include "view/number_text.h"
#include "view/panel_captions.h"
#include "view/readout_text.h"
#include "view/shown_pressures.h"

namespace tarnwick {
namespace {

TEST(ReadoutTextTest, IdentityBytesWithoutLeadingZeros) {
  EXPECT_EQ(ByteDotByte(12, 1), "12.1");
  EXPECT_EQ(ByteDotByte(5, 10), "5.10");
  EXPECT_EQ(ByteDotByte(0, 255), "0.255");
}

TEST(ReadoutTextTest, RangesUseTheSeparatorAndThreeDots) {
  EXPECT_EQ(RangeText({0.0F, 10.0F}, 2, '.'), "0.00 ... 10.00");
  EXPECT_EQ(RangeText({-25.0F, 85.0F}, kTemperatureDecimals, ','), "-25 ... 85");
  EXPECT_EQ(RangeText({0.5F, 4.5F}, kAnalogOutputDecimals, ','), "0,5 ... 4,5");
  // A shown PSI range end: ten significant digits are plenty for a float.
  EXPECT_EQ(RangeText({0.0F, 145.038F}, 1, '.'), "0.0 ... 145.0");
}

TEST(ReadoutTextTest, DelaysBySteps) {
  EXPECT_EQ(DelayText(1, 25, '.'), "0.50");
  EXPECT_EQ(DelayText(1, 250, '.'), "5.00");
  EXPECT_EQ(DelayText(1, 255, ','), "5,10");
  EXPECT_EQ(DelayText(1, 0, '.'), "0.00");
  EXPECT_EQ(DelayText(1, 53, '.'), "1.06");
  EXPECT_EQ(DelayText(4, 255, '.'), "255.00");
  EXPECT_EQ(DelayText(4, 10, ','), "10,00");
}

TEST(PanelCaptionsTest, DelayCaptionsFollowTheFamily) {
  for (int family : {0, 1, 2}) {
    EXPECT_EQ(MessageText(1, DelayCaptionsFor(family).step), "0.02s step") << family;
    EXPECT_EQ(MessageText(1, DelayCaptionsFor(family).range), "0 .. 5s") << family;
  }
  EXPECT_EQ(MessageText(1, DelayCaptionsFor(4).step), "1s step");
  EXPECT_EQ(MessageText(3, DelayCaptionsFor(4).step), "Pas 1s");
  EXPECT_EQ(MessageText(2, DelayCaptionsFor(4).range), "0 .. 255s");
}

TEST(PanelCaptionsTest, LevelUnitCaptionInEachLanguage) {
  EXPECT_EQ(LevelUnitCaption(1, -1), "---");
  EXPECT_EQ(LevelUnitCaption(2, -1), "---");
  EXPECT_EQ(LevelUnitCaption(1, 0), "Unit CH0: Liter (l)");
  EXPECT_EQ(LevelUnitCaption(2, 0), "Einheit CH0: Liter (l)");
  EXPECT_EQ(LevelUnitCaption(3, 0), "Unité CH0: Litre (l)");
  EXPECT_EQ(LevelUnitCaption(1, 2), "Unit CH0: US Gallon (gal)");
  EXPECT_EQ(LevelUnitCaption(1, 3), "Unit CH0: % (of total volume)");
  EXPECT_FALSE(LevelUnitCaption(1, 4).has_value());
  EXPECT_FALSE(LevelUnitCaption(1, 200).has_value());
  EXPECT_FALSE(LevelUnitCaption(1, -2).has_value());
}

TEST(PanelCaptionsTest, ModelNames) {
  EXPECT_EQ(FamilyModelName(1), "LX-60 MB");
  EXPECT_EQ(FamilyModelName(2), "QM-4 KX");
  EXPECT_EQ(FamilyModelName(4), "Morvik");
  EXPECT_EQ(FamilyModelName(0), "");
}

// Range 0…10 bar on a pressure switch, points 5.00 and 2.00 bar shown.
TEST(ShownPressuresTest, PressureSwitchThroughPsiToMpa) {
  const ValueRange rangeBar{0.0F, 10.0F};
  const ShownPressures psi =
      ConvertShownPressures({"5.00", "2.00", "5.00", "2.00"}, rangeBar,
                            {PressureUnit::kBar, PressureUnit::kPsi, 1, 2, '.'});
  EXPECT_EQ(psi.decimals, 1);
  EXPECT_EQ(psi.rangeText, "0.0 ... 145.0");
  EXPECT_EQ(psi.switchPoints[0], "72.5");
  EXPECT_EQ(psi.switchPoints[1], "29.0");
  EXPECT_EQ(psi.rangeShown.max, 145.038F);

  const ShownPressures mpa = ConvertShownPressures(
      psi.switchPoints, rangeBar, {PressureUnit::kPsi, PressureUnit::kMpa, 1, psi.decimals, '.'});
  EXPECT_EQ(mpa.decimals, 3);
  EXPECT_EQ(mpa.switchPoints[0], "0.500");
  EXPECT_EQ(mpa.switchPoints[3], "0.200");
  EXPECT_EQ(mpa.rangeText, "0.000 ... 1.000");
}

TEST(ShownPressuresTest, BackToBarFromTheRoundedText) {
  const ValueRange rangeBar{0.0F, 10.0F};
  const ShownPressures psi =
      ConvertShownPressures({"5,003", "1,000", "0,000", "0,000"}, rangeBar,
                            {PressureUnit::kBar, PressureUnit::kPsi, 2, 3, ','});
  EXPECT_EQ(psi.switchPoints[0], "72,6");
  const ShownPressures bar = ConvertShownPressures(
      psi.switchPoints, rangeBar, {PressureUnit::kPsi, PressureUnit::kBar, 2, psi.decimals, ','});
  EXPECT_EQ(bar.switchPoints[0], "5,006");
  EXPECT_EQ(bar.rangeText, "0,000 ... 10,000");
}

TEST(ShownPressuresTest, TextThatIsNoNumberStopsBeforeConverting) {
  EXPECT_THROW(ConvertShownPressures({"5.00", "", "1.00", "1.00"}, {0.0F, 10.0F},
                                     {PressureUnit::kBar, PressureUnit::kPsi, 1, 2, '.'}),
               EConvertError);
  // The other separator is not a number in this locale.
  EXPECT_THROW(ConvertShownPressures({"5.00", "1.00", "1.00", "1.00"}, {0.0F, 10.0F},
                                     {PressureUnit::kBar, PressureUnit::kPsi, 1, 2, ','}),
               EConvertError);
}

}  // namespace
}  // namespace tarnwick
