#include "device/config_codec.h"

#include <gtest/gtest.h>

#include "device/analog_output.h"
#include "support/family_numbers.h"

namespace tarnwick {
namespace {

using enum SwitchFunction;
using enum SwitchContact;

// The read-outs decode every code of the table; the codes round-trip.
TEST(FunctionCode, EncodesEverySelectionThatNamesOne) {
  for (std::uint8_t code = 1; code <= 4; ++code) {
    EXPECT_EQ(EncodeFunctionCode(DecodeFunctionCode(code)), code);
  }
  // Off needs no contact, and ignores one.
  EXPECT_EQ(EncodeFunctionCode({kOff, std::nullopt}), 0);
  EXPECT_EQ(EncodeFunctionCode({kOff, kNormallyClosed}), 0);
  // No rule applies: the byte the device holds is written back.
  EXPECT_EQ(EncodeFunctionCode({kHysteresis, std::nullopt}), std::nullopt);
  EXPECT_EQ(EncodeFunctionCode({std::nullopt, kNormallyOpen}), std::nullopt);
}

TEST(ModeByte, ReadsOnlyTheOffWindowAndContactBits) {
  struct Case {
    std::uint8_t mode;
    SwitchSelection selection;
  };
  const Case cases[] = {
      {0x29, {kOff, std::nullopt}},  // Off wins; the contact bit is not looked at
      {0x28, {kOff, std::nullopt}},
      {0x19, {kWindow, kNormallyClosed}},
      {0x01, {kHysteresis, kNormallyOpen}},
      {0x00, {kHysteresis, kNormallyOpen}},  // bit 0 is ignored when read
      {0x08, {kHysteresis, kNormallyClosed}},
      {0xC7, {kHysteresis, kNormallyOpen}},  // bits 1, 2, 6, 7 mean nothing
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeModeByte(c.mode), c.selection) << "mode 0x" << std::hex << int{c.mode};
  }
}

TEST(ModeByte, IsRebuiltFromTheSelectionWithBitZeroSet) {
  EXPECT_EQ(EncodeModeByte({kWindow, kNormallyClosed}), 0x19);
  EXPECT_EQ(EncodeModeByte({kOff, kNormallyOpen}), 0x21);
  EXPECT_EQ(EncodeModeByte({kOff, kNormallyClosed}), 0x29);
  EXPECT_EQ(EncodeModeByte({}), 0x01);
}

TEST(OutputTypeCode, ThreeAndAboveChangeNothing) {
  EXPECT_EQ(DecodeOutputType(2), OutputType::kPnp);
  EXPECT_EQ(DecodeOutputType(3), std::nullopt);
}

TEST(DelaySteps, FamilyOneCountsFiftiethsAndFamilyFourWholeSeconds) {
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(Family(1), 255), 5.10);
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(Family(4), 255), 255.0);
}

TEST(DelaySteps, SecondsRoundHalvesToEvenForFamilyOneAndTruncateForFamilyFour) {
  struct SecondsCase {
    int family;
    double seconds;
    std::uint8_t steps;
  };
  const SecondsCase cases[] = {
      {1, 0.58, 29}, {1, 1.06, 53},   {1, 5.00, 250}, {1, 0.05, 2},  // 2.5 steps: even
      {1, 0.09, 4},                                                  // 4.5 steps: even
      {1, 5.20, 4},                                                  // 260 steps: low byte
      {4, 3.7, 3},   {4, 255.9, 255}, {4, 256.0, 0},
  };
  for (const SecondsCase& c : cases) {
    EXPECT_EQ(DelaySecondsToSteps(Family(c.family), c.seconds), c.steps)
        << "family " << c.family << ", " << c.seconds << " s";
  }
}

TEST(AnalogOutput, WorksWhenItDrivesAVoltageOrItsRangeStartsAtZero) {
  EXPECT_TRUE(AnalogOutputWorking(0.11F, 0.5F));
  EXPECT_FALSE(AnalogOutputWorking(0.08F, 0.5F));
  EXPECT_TRUE(AnalogOutputWorking(0.0F, 0.0F));
  EXPECT_TRUE(AnalogOutputWorking(0.0F, 0.04F));
}

}  // namespace
}  // namespace tarnwick
