#include "view/number_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <ostream>
#include <string>

namespace tarnwick {
namespace {

struct FixedCase {
  double value;
  int decimals;
  int precision;
  char separator;
  std::string expected;
};

void PrintTo(const FixedCase& c, std::ostream* out) {
  *out << std::setprecision(17) << c.value << " decimals " << c.decimals << " precision "
       << c.precision;
}

class FormatFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, FormatsAsTheConsoleShowsNumbers) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(FormatFixed(c.value, c.decimals, c.precision, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixedTest,
    testing::Values(FixedCase{0.0, 2, 14, '.', "0.00"}, FixedCase{5.0, 2, 14, ',', "5,00"},
                    FixedCase{12.0, 0, 10, '.', "12"},
                    // Float values widened to double must not show their binary tail.
                    FixedCase{0.14f, 2, 14, '.', "0.14"}, FixedCase{145.038f, 1, 10, '.', "145.0"},
                    FixedCase{72.519f, 1, 14, '.', "72.5"},
                    // Halves of the last shown digit go away from zero, also where the
                    // double lies just below the decimal half.
                    FixedCase{0.125, 2, 14, '.', "0.13"}, FixedCase{1.005, 2, 14, '.', "1.01"},
                    FixedCase{2.5, 0, 14, '.', "3"}, FixedCase{-2.5, 0, 14, '.', "-3"},
                    FixedCase{9.995, 2, 14, '.', "10.00"}, FixedCase{999.96, 1, 14, '.', "1000.0"},
                    // The precision limits the significant digits, the rest is padding.
                    FixedCase{1.23456789, 5, 3, '.', "1.23000"},
                    FixedCase{123.456, 2, 3, '.', "123.00"},
                    FixedCase{0.000123456, 8, 2, '.', "0.00012000"},
                    // A value that rounds to zero shows no minus sign.
                    FixedCase{-0.001, 2, 14, '.', "0.00"}, FixedCase{-0.0, 2, 14, '.', "0.00"},
                    FixedCase{-1.0, 2, 14, '.', "-1.00"}, FixedCase{-14.5, 2, 14, ',', "-14,50"},
                    // Only an integer part longer than the precision goes to exponent form.
                    FixedCase{12345678901234.0, 2, 14, '.', "12345678901234.00"},
                    FixedCase{1e20, 2, 14, '.', "1E20"}, FixedCase{-1.5e20, 2, 14, ',', "-1,5E20"},
                    FixedCase{12345.0, 1, 3, ',', "1,23E4"}));

TEST(FormatFixedTest, ClampsOutlandishArguments) {
  EXPECT_EQ(FormatFixed(1.5, -3, 14, '.'), "2");
  EXPECT_EQ(FormatFixed(1.5, 2, 0, '.'), "2.00");
}

TEST(FormatFixedTest, NamesValuesThatAreNotFinite) {
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2, 14, '.'), "NAN");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2, 14, '.'), "INF");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 2, 14, '.'), "-INF");
}

struct GeneralCase {
  double value;
  std::string expected;
};

void PrintTo(const GeneralCase& c, std::ostream* out) { *out << std::setprecision(17) << c.value; }

class FormatGeneralTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, GivesTheShortestFormWithFifteenDigits) {
  EXPECT_EQ(FormatGeneral(GetParam().value, '.'), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatGeneralTest,
                         testing::Values(GeneralCase{0.0, "0"}, GeneralCase{10.0, "10"},
                                         GeneralCase{-40.0, "-40"}, GeneralCase{125.0, "125"},
                                         GeneralCase{0.1f, "0.100000001490116"},
                                         GeneralCase{2.5, "2.5"}, GeneralCase{0.00001, "0.00001"},
                                         GeneralCase{0.000001, "1E-6"},
                                         GeneralCase{-1.25e-7, "-1.25E-7"},
                                         GeneralCase{123456789012345.0, "123456789012345"},
                                         GeneralCase{1234567890123456.0, "1.23456789012346E15"}));

TEST(FormatGeneralTest, UsesTheGivenSeparator) {
  EXPECT_EQ(FormatGeneral(2.5, ','), "2,5");
  EXPECT_EQ(FormatGeneral(1.5e-9, ','), "1,5E-9");
}

TEST(FormatGeneralTest, ReadsBackToTheSameFloat) {
  for (float value : {0.1f, 1.0f / 3.0f, -273.15f, 6.02e23f, 1.17549435e-38f}) {
    EXPECT_EQ(static_cast<float>(ParseNumber(FormatGeneral(value, ','), ',')), value)
        << FormatGeneral(value, ',');
  }
}

struct ParseCase {
  std::string text;
  char separator;
  double expected;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
  *out << '"' << c.text << "\" with '" << c.separator << "'";
}

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsNumbersWithTheUsersSeparator) {
  EXPECT_DOUBLE_EQ(ParseNumber(GetParam().text, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseNumberTest,
                         testing::Values(ParseCase{"12", '.', 12.0}, ParseCase{"1.5", '.', 1.5},
                                         ParseCase{"1,5", ',', 1.5}, ParseCase{"-0,25", ',', -0.25},
                                         ParseCase{"+3", '.', 3.0}, ParseCase{" 7.5\t", '.', 7.5},
                                         ParseCase{".5", '.', 0.5}, ParseCase{"-.5", '.', -0.5},
                                         ParseCase{"5.", '.', 5.0}, ParseCase{"1E5", '.', 1e5},
                                         ParseCase{"2,5e-3", ',', 2.5e-3},
                                         ParseCase{"1e+2", '.', 100.0}));

class ParseNumberRefusesTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberRefusesTest, ThrowsAConversionErrorNamingTheText) {
  const std::string& text = GetParam().text;
  try {
    ParseNumber(text, GetParam().separator);
    FAIL() << "accepted '" << text << "'";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.what(), "'" + text + "' is not a valid floating point value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberRefusesTest,
    testing::Values(ParseCase{"", '.', 0}, ParseCase{"   ", '.', 0}, ParseCase{"abc", '.', 0},
                    ParseCase{".", '.', 0}, ParseCase{"-.", '.', 0}, ParseCase{",", ',', 0},
                    ParseCase{"-", '.', 0}, ParseCase{"1.5", ',', 0}, ParseCase{"1,5", '.', 0},
                    ParseCase{"1.2.3", '.', 0}, ParseCase{"12-3", '.', 0}, ParseCase{"1e", '.', 0},
                    ParseCase{"1e+", '.', 0}, ParseCase{"e5", '.', 0}, ParseCase{"1 2", '.', 0},
                    ParseCase{"inf", '.', 0}, ParseCase{"nan", '.', 0}, ParseCase{"0x10", '.', 0},
                    ParseCase{"1e400", '.', 0}, ParseCase{"--1", '.', 0}));

TEST(ParseIntegerTest, ReadsSignedDecimalNumbers) {
  EXPECT_EQ(ParseInteger("250"), 250);
  EXPECT_EQ(ParseInteger("-17"), -17);
  EXPECT_EQ(ParseInteger("+8"), 8);
  EXPECT_EQ(ParseInteger(" 42 "), 42);
  EXPECT_EQ(ParseInteger("-9223372036854775808"), std::numeric_limits<long long>::min());
}

TEST(ParseIntegerTest, RefusesEverythingElseWithAConversionError) {
  for (const char* text :
       {"", " ", "-", "abc", "1.5", "1e3", "12a", "0x1F", "$1F", "9223372036854775808"}) {
    EXPECT_THROW(ParseInteger(text), EConvertError) << text;
  }
  EXPECT_THAT([] { ParseInteger("x1"); },
              testing::ThrowsMessage<EConvertError>("'x1' is not a valid integer value"));
}

}  // namespace
}  // namespace tarnwick
