#include <gtest/gtest.h>

#include "support/family_numbers.h"
#include "view/number_text.h"
#include "view/panel_captions.h"
#include "view/readout_text.h"
#include "view/shown_pressures.h"

namespace tarnwick {
namespace {

// The window tests read the panel of each family; these are the values at
// the ends of their bytes.
TEST(ReadoutTextTest, EdgesOfTheBytes) {
  EXPECT_EQ(ByteDotByte(0, 255), "0.255");
  EXPECT_EQ(DelayText(Family(1), 255, ','), "5,10");
  EXPECT_EQ(DelayText(Family(4), 255, '.'), "255.00");
  EXPECT_EQ(LevelUnitCaption(1, 3), "Unit CH0: % (of total volume)");
  EXPECT_FALSE(LevelUnitCaption(1, 4).has_value());
  EXPECT_FALSE(LevelUnitCaption(1, -2).has_value());
}

// The window's unit tests follow the examples through bar, PSI and MPa; here
// the range end the entry limits use.
TEST(ShownPressuresTest, GiveTheRangeEndInTheNewUnit) {
  const ShownPressures psi =
      ConvertShownPressures({"5.00", "2.00", "5.00", "2.00"}, {0.0F, 10.0F},
                            {PressureUnit::kBar, PressureUnit::kPsi, Family(1), 2, '.'});
  EXPECT_EQ(psi.decimals, 1);
  EXPECT_EQ(psi.rangeShown.max, 145.038F);
  EXPECT_EQ(psi.switchPoints[3], "29.0");
}

TEST(ShownPressuresTest, TextThatIsNoNumberStopsBeforeConverting) {
  EXPECT_THROW(ConvertShownPressures({"5.00", "", "1.00", "1.00"}, {0.0F, 10.0F},
                                     {PressureUnit::kBar, PressureUnit::kPsi, Family(1), 2, '.'}),
               NumberTextError);
  // The other separator is not a number in this locale.
  EXPECT_THROW(ConvertShownPressures({"5.00", "1.00", "1.00", "1.00"}, {0.0F, 10.0F},
                                     {PressureUnit::kBar, PressureUnit::kPsi, Family(1), 2, ','}),
               NumberTextError);
}

}  // namespace
}  // namespace tarnwick
