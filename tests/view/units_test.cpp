#include "view/units.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "view/number_text.h"

namespace tarnwick {
namespace {

TEST(PressureUnitTest, TextsMatchExactly) {
  for (PressureUnit unit : {PressureUnit::kBar, PressureUnit::kPsi, PressureUnit::kMpa}) {
    EXPECT_EQ(ParsePressureUnit(PressureUnitText(unit)), unit);
  }
  EXPECT_EQ(PressureUnitText(PressureUnit::kPsi), "PSI");
  EXPECT_EQ(PressureUnitText(PressureUnit::kMpa), "MPa");
  for (const char* text : {"psi", "Bar", "mpa", "", " bar", "bar "}) {
    EXPECT_FALSE(ParsePressureUnit(text).has_value()) << text;
  }
}

TEST(ConvertPressureTest, MultipliesInDoubleAndStoresAFloat) {
  EXPECT_EQ(PressureToShown(10.0F, PressureUnit::kPsi), 145.038F);
  EXPECT_EQ(PressureToShown(10.0F, PressureUnit::kBar), 10.0F);
  EXPECT_EQ(PressureToShown(8.2F, PressureUnit::kMpa), 0.82F);
  EXPECT_FLOAT_EQ(PressureToBar(145.038F, PressureUnit::kPsi), 10.0F);
  EXPECT_EQ(PressureToBar(1.0F, PressureUnit::kMpa), 10.0F);
  EXPECT_FLOAT_EQ(ConvertPressure(145.038F, PressureUnit::kPsi, PressureUnit::kMpa), 1.0F);
  EXPECT_EQ(ConvertPressure(1.0F, PressureUnit::kMpa, PressureUnit::kPsi), 145.038F);
}

// What a unit change does to a text on screen: read it, convert, show it again.
std::string Reshown(const std::string& shown, PressureUnit from, PressureUnit to, int decimals) {
  const auto value = static_cast<float>(ParseNumber(shown, '.'));
  return FormatFixed(ConvertPressure(value, from, to), decimals, 14, '.');
}

TEST(UnitChangeTest, PressureSwitchFromBarToPsiToMpa) {
  const float rangeMaxBar = 10.0F;
  ASSERT_EQ(UpdatePressureDecimals(1, rangeMaxBar, 0), 2);

  const float rangeMaxPsi = PressureToShown(rangeMaxBar, PressureUnit::kPsi);
  const std::uint8_t psiDecimals = UpdatePressureDecimals(1, rangeMaxPsi, 2);
  EXPECT_EQ(psiDecimals, 1);
  EXPECT_EQ(FormatFixed(rangeMaxPsi, psiDecimals, 10, '.'), "145.0");
  EXPECT_EQ(Reshown("5.00", PressureUnit::kBar, PressureUnit::kPsi, psiDecimals), "72.5");
  EXPECT_EQ(Reshown("2.00", PressureUnit::kBar, PressureUnit::kPsi, psiDecimals), "29.0");

  const float rangeMaxMpa = PressureToShown(rangeMaxBar, PressureUnit::kMpa);
  const std::uint8_t mpaDecimals = UpdatePressureDecimals(1, rangeMaxMpa, psiDecimals);
  EXPECT_EQ(mpaDecimals, 3);
  EXPECT_EQ(Reshown("72.5", PressureUnit::kPsi, PressureUnit::kMpa, mpaDecimals), "0.500");
  EXPECT_EQ(Reshown("29.0", PressureUnit::kPsi, PressureUnit::kMpa, mpaDecimals), "0.200");
}

TEST(UnitChangeTest, ConvertsFromTheRoundedTextOnScreen) {
  const std::uint8_t barDecimals = UpdatePressureDecimals(2, 10.0F, 0);
  const std::uint8_t psiDecimals =
      UpdatePressureDecimals(2, PressureToShown(10.0F, PressureUnit::kPsi), barDecimals);
  ASSERT_EQ(barDecimals, 3);
  ASSERT_EQ(psiDecimals, 1);
  const std::string psi = Reshown("5.003", PressureUnit::kBar, PressureUnit::kPsi, psiDecimals);
  EXPECT_EQ(psi, "72.6");
  EXPECT_EQ(Reshown(psi, PressureUnit::kPsi, PressureUnit::kBar, barDecimals), "5.006");
}

struct DecimalsCase {
  int family;
  float rangeMaxShown;
  std::uint8_t expected;
};

void PrintTo(const DecimalsCase& c, std::ostream* out) {
  *out << "family " << c.family << " range end " << c.rangeMaxShown;
}

class UpdatePressureDecimalsTest : public testing::TestWithParam<DecimalsCase> {};

TEST_P(UpdatePressureDecimalsTest, FollowsTheResolutionOfTheRange) {
  const DecimalsCase& c = GetParam();
  EXPECT_EQ(UpdatePressureDecimals(c.family, c.rangeMaxShown, 2), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, UpdatePressureDecimalsTest,
                         testing::Values(
                             // 8.2 / 820 is 0.01 in decimal but just below it as a float.
                             DecimalsCase{1, 8.2F, 3}, DecimalsCase{1, 10.0F, 2},
                             DecimalsCase{1, 820.0F, 0}, DecimalsCase{1, 82.0F, 1},
                             DecimalsCase{1, 1.0F, 3}, DecimalsCase{1, 0.5F, 4},
                             DecimalsCase{2, 10.0F, 3}, DecimalsCase{2, 100.0F, 1},
                             DecimalsCase{2, 1000.0F, 0}, DecimalsCase{2, 5000.0F, 0},
                             DecimalsCase{1, 0.0F, 4}, DecimalsCase{2, -10.0F, 4}));

TEST(UpdatePressureDecimalsTest, LeavesOtherFamiliesAlone) {
  EXPECT_EQ(UpdatePressureDecimals(4, 10.0F, 2), 2);
  EXPECT_EQ(UpdatePressureDecimals(0, 1000.0F, 4), 4);
  EXPECT_EQ(UpdatePressureDecimals(3, 0.0F, 1), 1);
}

}  // namespace
}  // namespace tarnwick
