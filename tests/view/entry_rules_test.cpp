#include "view/entry_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "view/number_text.h"

namespace tarnwick {
namespace {

TEST(FilterNumberKeyTest, LetsDigitsBackspaceAndOneSeparatorThrough) {
  for (char typed : {'0', '5', '9', kBackspace, '.'}) {
    EXPECT_EQ(FilterNumberKey("12", typed, '.'), typed) << static_cast<int>(typed);
  }
  for (char typed : {'-', '+', ',', 'e', 'a', ' ', '\t'}) {
    EXPECT_EQ(FilterNumberKey("12", typed, '.'), '\0') << typed;
  }
}

TEST(FilterNumberKeyTest, RefusesASecondSeparatorEvenOverASelection) {
  EXPECT_EQ(FilterNumberKey("1.5", '.', '.'), '\0');
  EXPECT_EQ(FilterNumberKey(".", '.', '.'), '\0');
  EXPECT_EQ(FilterNumberKey("1,5", ',', ','), '\0');
  EXPECT_EQ(FilterNumberKey("1,5", '.', ','), '\0');
  EXPECT_EQ(FilterNumberKey("1.5", ',', ','), ',');
  EXPECT_EQ(FilterNumberKey("1.5", '7', '.'), '7');
}

TEST(CleanNumberEntryTest, KeepsDigitsAndTheFirstDecimalMark) {
  const CleanEntry entry = CleanNumberEntry("-1,2.3a-4", '.');
  EXPECT_TRUE(entry.negative);
  EXPECT_EQ(entry.text, "1.234");
  EXPECT_FALSE(CleanNumberEntry("1-2", ',').negative);
  EXPECT_EQ(CleanNumberEntry("1.5", ',').text, "1,5");
  EXPECT_EQ(CleanNumberEntry(" x ", '.').text, "");
}

struct SwitchPointCase {
  std::string typed;
  PressureUnit unit;
  int family;
  float rangeMaxShown;
  std::string expected;
};

void PrintTo(const SwitchPointCase& c, std::ostream* out) { *out << '"' << c.typed << '"'; }

SwitchPointContext TabOneContext(PressureUnit unit, int family, char separator,
                                 float rangeMaxShown = 10.0F) {
  return {SwitchPointEdit::kSwitch1, unit, family, rangeMaxShown, 2, separator};
}

class NormaliseSwitchPointTest : public testing::TestWithParam<SwitchPointCase> {};

TEST_P(NormaliseSwitchPointTest, CleansAndClampsWithFullStop) {
  const SwitchPointCase& c = GetParam();
  EXPECT_EQ(NormaliseSwitchPoint(c.typed, TabOneContext(c.unit, c.family, '.', c.rangeMaxShown)),
            c.expected);
}

TEST_P(NormaliseSwitchPointTest, CleansAndClampsWithComma) {
  const SwitchPointCase& c = GetParam();
  std::string expected = c.expected;
  std::replace(expected.begin(), expected.end(), '.', ',');
  EXPECT_EQ(NormaliseSwitchPoint(c.typed, TabOneContext(c.unit, c.family, ',', c.rangeMaxShown)),
            expected);
}

constexpr PressureUnit kBar = PressureUnit::kBar;
constexpr PressureUnit kPsi = PressureUnit::kPsi;
constexpr PressureUnit kMpa = PressureUnit::kMpa;

INSTANTIATE_TEST_SUITE_P(
    Cases, NormaliseSwitchPointTest,
    testing::Values(SwitchPointCase{"1.2.3", kBar, 1, 10.0F, "1.23"},
                    SwitchPointCase{"1,2.3", kBar, 1, 10.0F, "1.23"},
                    SwitchPointCase{"12-3", kBar, 1, 1000.0F, "123.00"},
                    SwitchPointCase{"1e5", kBar, 1, 1000.0F, "15.00"},
                    SwitchPointCase{"4.567", kBar, 1, 10.0F, "4.57"},
                    SwitchPointCase{".5", kBar, 1, 10.0F, "0.50"},
                    SwitchPointCase{"-5", kBar, 1, 10.0F, "-1.00"},
                    SwitchPointCase{"-1", kBar, 1, 10.0F, "-1.00"},
                    SwitchPointCase{"-0.5", kBar, 1, 10.0F, "-0.50"},
                    SwitchPointCase{"-20", kPsi, 1, 10.0F, "-14.50"},
                    SwitchPointCase{"-5", kPsi, 1, 10.0F, "-5.00"},
                    SwitchPointCase{"-0.5", kMpa, 1, 10.0F, "-0.10"},
                    SwitchPointCase{"-0", kBar, 1, 10.0F, "0.00"},
                    // The lower limits belong to the unit, so they hold for the level device too.
                    SwitchPointCase{"-5", kBar, 4, 10.0F, "-1.00"},
                    // A range end of 10 allows up to 11.
                    SwitchPointCase{"12", kBar, 1, 10.0F, "11.00"},
                    SwitchPointCase{"11", kBar, 1, 10.0F, "11.00"},
                    SwitchPointCase{"11.01", kBar, 2, 10.0F, "11.00"},
                    SwitchPointCase{"12", kBar, 4, 10.0F, "12.00"},
                    SwitchPointCase{"99999", kPsi, 4, 10.0F, "99999.00"}));

TEST(NormaliseSwitchPointTest, EmptiedEditsDifferByTab) {
  SwitchPointContext context = TabOneContext(kBar, 1, ',');
  EXPECT_EQ(NormaliseSwitchPoint("", context), "0,00");
  EXPECT_EQ(NormaliseSwitchPoint("-", context), "0,00");
  context.decimals = 3;
  EXPECT_EQ(NormaliseSwitchPoint("abc", context), "0,000");
  context.edit = SwitchPointEdit::kSwitch2;
  EXPECT_EQ(NormaliseSwitchPoint("", context), "0");
  EXPECT_EQ(NormaliseSwitchPoint("-x", context), "0");
}

TEST(NormaliseSwitchPointTest, UsesTheShownDecimalsAndRange) {
  const SwitchPointContext psi{SwitchPointEdit::kSwitch2, kPsi, 1, 145.038F, 1, '.'};
  EXPECT_EQ(NormaliseSwitchPoint("72.519", psi), "72.5");
  EXPECT_EQ(NormaliseSwitchPoint("200", psi), "159.5");
}

TEST(NormaliseSwitchPointTest, ADecimalMarkAloneIsAConversionError) {
  const SwitchPointContext context = TabOneContext(kBar, 1, '.');
  EXPECT_THROW(NormaliseSwitchPoint(".", context), EConvertError);
  EXPECT_THROW(NormaliseSwitchPoint("-,", context), EConvertError);
  EXPECT_THROW(NormaliseSwitchPoint(",", TabOneContext(kBar, 1, ',')), EConvertError);
}

struct DelayCase {
  std::string typed;
  int family;
  std::string expected;
};

void PrintTo(const DelayCase& c, std::ostream* out) {
  *out << '"' << c.typed << "\" family " << c.family;
}

class NormaliseDelayTest : public testing::TestWithParam<DelayCase> {};

TEST_P(NormaliseDelayTest, RoundsToTheDeviceStepWithFullStop) {
  const DelayCase& c = GetParam();
  EXPECT_EQ(NormaliseDelay(c.typed, c.family, '.'), c.expected);
}

TEST_P(NormaliseDelayTest, RoundsToTheDeviceStepWithComma) {
  const DelayCase& c = GetParam();
  std::string expected = c.expected;
  std::replace(expected.begin(), expected.end(), '.', ',');
  EXPECT_EQ(NormaliseDelay(c.typed, c.family, ','), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormaliseDelayTest,
    testing::Values(DelayCase{"0.123", 1, "0.12"}, DelayCase{"0.131", 1, "0.14"},
                    DelayCase{"5.2", 1, "5.00"}, DelayCase{"7", 1, "5.00"},
                    DelayCase{"5", 1, "5.00"}, DelayCase{"4.99", 1, "5.00"},
                    // Halves of a step go to the even step.
                    DelayCase{"0.01", 1, "0.00"}, DelayCase{"0.03", 1, "0.04"},
                    DelayCase{"0.05", 1, "0.04"}, DelayCase{"1,2.5", 2, "1.24"},
                    DelayCase{"99999999999999999999", 0, "5.00"}, DelayCase{"2.5", 4, "2.00"},
                    DelayCase{"3.5", 4, "4.00"}, DelayCase{"300", 4, "255.00"},
                    DelayCase{"255.4", 4, "255.00"}, DelayCase{"0.4", 4, "0.00"}));

TEST(NormaliseDelayTest, EmptyOrNegativeEntriesGiveZeroWithAFullStop) {
  for (const char* typed : {"", "abc", "-1", "-0,5", "-", "-abc"}) {
    EXPECT_EQ(NormaliseDelay(typed, 1, ','), "0.00") << typed;
    EXPECT_EQ(NormaliseDelay(typed, 4, '.'), "0.00") << typed;
  }
}

TEST(NormaliseDelayTest, ADecimalMarkAloneIsAConversionError) {
  EXPECT_THROW(NormaliseDelay(".", 1, '.'), EConvertError);
  EXPECT_THROW(NormaliseDelay("s,", 4, ','), EConvertError);
}

}  // namespace
}  // namespace tarnwick
