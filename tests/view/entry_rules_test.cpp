#include "view/entry_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/family_numbers.h"
#include "view/number_text.h"

namespace tarnwick {
namespace {

constexpr PressureUnit kBar = PressureUnit::kBar;
constexpr PressureUnit kPsi = PressureUnit::kPsi;
constexpr PressureUnit kMpa = PressureUnit::kMpa;

std::string WithComma(std::string text) {
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

TEST(FilterNumberKeyTest, LetsDigitsBackspaceAndOneSeparatorThrough) {
  for (char typed : {'0', '9', kBackspace, '.'}) {
    EXPECT_EQ(FilterNumberKey("12", typed, '.'), typed) << static_cast<int>(typed);
  }
  for (char typed : {'-', '+', ',', 'e', ' '}) {
    EXPECT_EQ(FilterNumberKey("12", typed, '.'), '\0') << typed;
  }
  // A second separator is refused even over a selection that holds the first.
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
}

SwitchPointContext TabOneContext(PressureUnit unit, int family, char separator,
                                 float rangeMaxShown = 10.0F) {
  return {SwitchPointEdit::kSwitch1, unit, Family(family), rangeMaxShown, 2, separator};
}

TEST(NormaliseSwitchPointTest, CleansAndClampsWithEitherSeparator) {
  struct Case {
    std::string typed;
    PressureUnit unit;
    int family;
    float rangeMaxShown;
    std::string expected;
  };
  const Case cases[] = {
      {"1.2.3", kBar, 1, 10.0F, "1.23"},
      {"1,2.3", kBar, 1, 10.0F, "1.23"},
      {"12-3", kBar, 1, 1000.0F, "123.00"},
      {"1e5", kBar, 1, 1000.0F, "15.00"},
      {"-5", kBar, 1, 10.0F, "-1.00"},
      {"-1", kBar, 1, 10.0F, "-1.00"},
      {"-0.5", kBar, 1, 10.0F, "-0.50"},
      {"-20", kPsi, 1, 10.0F, "-14.50"},
      {"-0.5", kMpa, 1, 10.0F, "-0.10"},
      {"-0", kBar, 1, 10.0F, "0.00"},
      // The lower limits belong to the unit, so they hold for the level device too.
      {"-5", kBar, 4, 10.0F, "-1.00"},
      // A range end of 10 allows up to 11.
      {"12", kBar, 1, 10.0F, "11.00"},
      {"11", kBar, 1, 10.0F, "11.00"},
      {"11.01", kBar, 2, 10.0F, "11.00"},
      {"12", kBar, 4, 10.0F, "12.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.typed + "\" family " + std::to_string(c.family));
    EXPECT_EQ(NormaliseSwitchPoint(c.typed, TabOneContext(c.unit, c.family, '.', c.rangeMaxShown)),
              c.expected);
    EXPECT_EQ(NormaliseSwitchPoint(c.typed, TabOneContext(c.unit, c.family, ',', c.rangeMaxShown)),
              WithComma(c.expected));
  }
}

TEST(NormaliseSwitchPointTest, EmptiedEditsDifferByTab) {
  SwitchPointContext context = TabOneContext(kBar, 1, ',');
  EXPECT_EQ(NormaliseSwitchPoint("-", context), "0,00");
  context.decimals = 3;
  EXPECT_EQ(NormaliseSwitchPoint("abc", context), "0,000");
  context.edit = SwitchPointEdit::kSwitch2;
  EXPECT_EQ(NormaliseSwitchPoint("", context), "0");
}

TEST(NormaliseSwitchPointTest, UsesTheShownDecimalsAndRange) {
  const SwitchPointContext psi{SwitchPointEdit::kSwitch2, kPsi, Family(1), 145.038F, 1, '.'};
  EXPECT_EQ(NormaliseSwitchPoint("72.519", psi), "72.5");
  EXPECT_EQ(NormaliseSwitchPoint("200", psi), "159.5");
}

TEST(NormaliseSwitchPointTest, ADecimalMarkAloneIsAConversionError) {
  EXPECT_THROW(NormaliseSwitchPoint(".", TabOneContext(kBar, 1, '.')), NumberTextError);
  EXPECT_THROW(NormaliseSwitchPoint("-,", TabOneContext(kBar, 1, '.')), NumberTextError);
  EXPECT_THROW(NormaliseSwitchPoint(",", TabOneContext(kBar, 1, ',')), NumberTextError);
}

TEST(NormaliseDelayTest, RoundsToTheDeviceStepWithEitherSeparator) {
  struct Case {
    std::string typed;
    int family;
    std::string expected;
  };
  const Case cases[] = {
      {"0.123", 1, "0.12"},
      {"0.131", 1, "0.14"},
      {"5.2", 1, "5.00"},
      {"7", 1, "5.00"},
      // Halves of a step go to the even step.
      {"0.03", 1, "0.04"},
      {"0.05", 1, "0.04"},
      {"1,2.5", 2, "1.24"},
      {"99999999999999999999", 0, "5.00"},
      {"2.5", 4, "2.00"},
      {"3.5", 4, "4.00"},
      {"300", 4, "255.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.typed + "\" family " + std::to_string(c.family));
    EXPECT_EQ(NormaliseDelay(c.typed, Family(c.family), '.'), c.expected);
    EXPECT_EQ(NormaliseDelay(c.typed, Family(c.family), ','), WithComma(c.expected));
  }
}

// In the user's format, so that programming can read the text it shows.
TEST(NormaliseDelayTest, EmptyOrNegativeEntriesGiveZeroInTheUsersFormat) {
  for (const char* typed : {"", "abc", "-1", "-0,5"}) {
    EXPECT_EQ(NormaliseDelay(typed, Family(1), ','), "0,00") << typed;
    EXPECT_EQ(NormaliseDelay(typed, Family(4), '.'), "0.00") << typed;
  }
}

TEST(NormaliseDelayTest, ADecimalMarkAloneIsAConversionError) {
  EXPECT_THROW(NormaliseDelay(".", Family(1), '.'), NumberTextError);
  EXPECT_THROW(NormaliseDelay("s,", Family(4), ','), NumberTextError);
}

}  // namespace
}  // namespace tarnwick
