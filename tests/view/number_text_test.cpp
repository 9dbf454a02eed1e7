#include "view/number_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "view/number_error_text.h"

namespace tarnwick {
namespace {

TEST(FormatFixedTest, FormatsAsTheConsoleShowsNumbers) {
  struct Case {
    double value;
    int decimals;
    int precision;
    char separator;
    std::string expected;
  };
  const Case cases[] = {
      // Float values widened to double must not show their binary tail.
      Case{0.14f, 2, 14, '.', "0.14"}, Case{145.038f, 1, 10, '.', "145.0"},
      // Halves of the last shown digit go away from zero, also where the double lies just
      // below the decimal half.
      Case{1.005, 2, 14, '.', "1.01"}, Case{-2.5, 0, 14, '.', "-3"},
      Case{9.995, 2, 14, '.', "10.00"},
      // The precision limits the significant digits, the rest is padding.
      Case{1.23456789, 5, 3, '.', "1.23000"}, Case{0.000123456, 8, 2, '.', "0.00012000"},
      // A value that rounds to zero shows no minus sign.
      Case{-0.001, 2, 14, '.', "0.00"}, Case{-14.5, 2, 14, ',', "-14,50"},
      // Only an integer part longer than the precision goes to exponent form.
      Case{12345678901234.0, 2, 14, '.', "12345678901234.00"}, Case{-1.5e20, 2, 14, ',', "-1,5E20"},
      Case{12345.0, 1, 3, ',', "1,23E4"},
      // Outlandish arguments are clamped; what is not finite is named.
      Case{1.5, -3, 14, '.', "2"}, Case{1.5, 2, 0, '.', "2.00"},
      Case{std::numeric_limits<double>::quiet_NaN(), 2, 14, '.', "NAN"},
      Case{-std::numeric_limits<double>::infinity(), 2, 14, '.', "-INF"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals, c.precision, c.separator), c.expected)
        << c.value << " decimals " << c.decimals << " precision " << c.precision;
  }
}

TEST(FormatGeneralTest, GivesTheShortestFormWithFifteenDigits) {
  struct Case {
    double value;
    std::string expected;
  };
  const Case cases[] = {Case{0.0, "0"},
                        Case{-40.0, "-40"},
                        Case{0.1f, "0.100000001490116"},
                        Case{0.00001, "0.00001"},
                        Case{0.000001, "1E-6"},
                        Case{-1.25e-7, "-1.25E-7"},
                        Case{123456789012345.0, "123456789012345"},
                        Case{1234567890123456.0, "1.23456789012346E15"}};
  for (const Case& c : cases) EXPECT_EQ(FormatGeneral(c.value, '.'), c.expected);
  EXPECT_EQ(FormatGeneral(2.5, ','), "2,5");
  EXPECT_EQ(FormatGeneral(1.5e-9, ','), "1,5E-9");
}

TEST(FormatGeneralTest, ReadsBackToTheSameFloat) {
  for (float value : {0.1f, 1.0f / 3.0f, -273.15f, 6.02e23f, 1.17549435e-38f}) {
    EXPECT_EQ(static_cast<float>(ParseNumber(FormatGeneral(value, ','), ',')), value)
        << FormatGeneral(value, ',');
  }
}

TEST(ParseNumberTest, ReadsNumbersWithTheUsersSeparator) {
  struct Case {
    const char* text;
    char separator;
    double expected;
  };
  const Case cases[] = {
      {"1.5", '.', 1.5},  {"-0,25", ',', -0.25}, {"+3", '.', 3.0},        {" 7.5\t", '.', 7.5},
      {"-.5", '.', -0.5}, {"5.", '.', 5.0},      {"2,5e-3", ',', 2.5e-3}, {"1e+2", '.', 100.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ParseNumber(c.text, c.separator), c.expected) << c.text;
  }
}

TEST(ParseNumberTest, RefusesWithAConversionErrorNamingTheText) {
  struct Case {
    const char* text;
    char separator;
  };
  const Case cases[] = {
      {"", '.'},    {"   ", '.'},  {"abc", '.'},   {".", '.'},     {",", ','},
      {"-", '.'},   {"1.5", ','},  {"1,5", '.'},   {"1.2.3", '.'}, {"12-3", '.'},
      {"1e", '.'},  {"1e+", '.'},  {"e5", '.'},    {"1 2", '.'},   {"inf", '.'},
      {"nan", '.'}, {"0x10", '.'}, {"1e400", '.'}, {"--1", '.'},
  };
  for (const Case& c : cases) {
    EXPECT_THAT([&] { ParseNumber(c.text, c.separator); },
                testing::ThrowsMessage<NumberTextError>("\"" + std::string(c.text) +
                                                        "\" is not a number."));
  }
}

TEST(ParseIntegerTest, ReadsSignedDecimalNumbersOnly) {
  EXPECT_EQ(ParseInteger("-17"), -17);
  EXPECT_EQ(ParseInteger("+8"), 8);
  EXPECT_EQ(ParseInteger(" 42 "), 42);
  EXPECT_EQ(ParseInteger("-9223372036854775808"), std::numeric_limits<long long>::min());
  for (const char* text :
       {"", " ", "-", "abc", "1.5", "1e3", "12a", "0x1F", "$1F", "9223372036854775808"}) {
    EXPECT_THROW(ParseInteger(text), NumberTextError) << text;
  }
  EXPECT_THAT([] { ParseInteger("x1"); },
              testing::ThrowsMessage<NumberTextError>("\"x1\" is not a whole number."));
}

TEST(NumberErrorTextTest, NamesTheTextAndTheFieldInTheUsersLanguage) {
  struct Row {
    const char* text;
    NumberKind kind;
    int language;
    const char* shown;
  };
  const Row rows[] = {
      {"abc", NumberKind::kFloat, 1, "\"abc\" is not a number."},
      {" ,", NumberKind::kFloat, 2, "„ ,“ ist keine Zahl."},
      {"x1", NumberKind::kInteger, 3, "« x1 » n'est pas un nombre entier."},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(NumberErrorText(NumberTextError(row.text, row.kind), row.language), row.shown);
  }
  const NumberTextError named =
      NumberTextError("1..5", NumberKind::kFloat).InField("Temperatur min");
  EXPECT_EQ(NumberErrorText(named, 2), "Temperatur min: „1..5“ ist keine Zahl.");
  EXPECT_EQ(NumberErrorText(named, 3), "Temperatur min : « 1..5 » n'est pas un nombre.");
  EXPECT_STREQ(named.what(), "Temperatur min: \"1..5\" is not a number.");
  EXPECT_THAT([] { ParseNumber("1,5", '.'); },
              testing::Throws<NumberTextError>(
                  testing::AllOf(testing::Property(&NumberTextError::text, "1,5"),
                                 testing::Property(&NumberTextError::kind, NumberKind::kFloat))));
}

}  // namespace
}  // namespace tarnwick
