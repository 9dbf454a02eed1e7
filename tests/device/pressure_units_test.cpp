#include "device/pressure_units.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/family_numbers.h"

namespace tarnwick {
namespace {

TEST(PressureUnitTest, TextsMatchExactly) {
  for (PressureUnit unit : {PressureUnit::kBar, PressureUnit::kPsi, PressureUnit::kMpa}) {
    EXPECT_EQ(ParsePressureUnit(PressureUnitText(unit)), unit);
  }
  EXPECT_EQ(PressureUnitText(PressureUnit::kMpa), "MPa");
  for (const char* text : {"psi", "Bar", "", "bar "}) {
    EXPECT_FALSE(ParsePressureUnit(text).has_value()) << text;
  }
}

TEST(ConvertPressureTest, MultipliesInDoubleAndStoresAFloat) {
  EXPECT_EQ(PressureToShown(10.0F, PressureUnit::kPsi), 145.038F);
  EXPECT_EQ(PressureToShown(8.2F, PressureUnit::kMpa), 0.82F);
  EXPECT_FLOAT_EQ(PressureToBar(145.038F, PressureUnit::kPsi), 10.0F);
  EXPECT_EQ(ConvertPressure(1.0F, PressureUnit::kMpa, PressureUnit::kPsi), 145.038F);
}

TEST(UpdatePressureDecimalsTest, FollowsTheResolutionOfTheRangeForFamilies1And2Only) {
  struct Case {
    int family;
    float rangeMaxShown;
    std::uint8_t expected;
  };
  // 8.2 / 820 is 0.01 in decimal but just below it as a float; families 0 and 4 keep the
  // decimals they had.
  const Case cases[] = {Case{1, 8.2F, 3},   Case{1, 10.0F, 2},   Case{1, 82.0F, 1},
                        Case{1, 820.0F, 0}, Case{1, 0.5F, 4},    Case{2, 10.0F, 3},
                        Case{2, 100.0F, 1}, Case{2, 1000.0F, 0}, Case{1, 0.0F, 4},
                        Case{2, -10.0F, 4}, Case{4, 1000.0F, 2}, Case{0, 1000.0F, 2}};
  for (const Case& c : cases) {
    EXPECT_EQ(UpdatePressureDecimals(Family(c.family), c.rangeMaxShown, 2), c.expected)
        << "family " << c.family << " range end " << c.rangeMaxShown;
  }
}

}  // namespace
}  // namespace tarnwick
