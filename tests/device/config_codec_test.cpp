#include "device/config_codec.h"

#include <gtest/gtest.h>

#include "device/analog_output.h"

namespace tarnwick {
namespace {

using enum SwitchFunction;
using enum SwitchContact;

struct CodeCase {
  std::uint8_t code;
  SwitchSelection selection;
};

TEST(FunctionCode, DecodesTheFiveCodesAndLeavesEverythingElseUnchanged) {
  const CodeCase cases[] = {
      {0, {kOff, std::nullopt}},
      {1, {kHysteresis, kNormallyOpen}},
      {2, {kHysteresis, kNormallyClosed}},
      {3, {kWindow, kNormallyOpen}},
      {4, {kWindow, kNormallyClosed}},
      {5, {}},
      {255, {}},
  };
  for (const CodeCase& c : cases) {
    EXPECT_EQ(DecodeFunctionCode(c.code), c.selection) << "code " << int{c.code};
  }
}

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

struct ModeCase {
  std::uint8_t mode;
  SwitchSelection selection;
};

TEST(ModeByte, ReadsOnlyTheOffWindowAndContactBits) {
  const ModeCase cases[] = {
      {0x29, {kOff, std::nullopt}},  // Off wins; the contact bit is not looked at
      {0x28, {kOff, std::nullopt}},
      {0x19, {kWindow, kNormallyClosed}},
      {0x01, {kHysteresis, kNormallyOpen}},
      {0x00, {kHysteresis, kNormallyOpen}},  // bit 0 is ignored when read
      {0x08, {kHysteresis, kNormallyClosed}},
      {0xC7, {kHysteresis, kNormallyOpen}},  // bits 1, 2, 6, 7 mean nothing
  };
  for (const ModeCase& c : cases) {
    EXPECT_EQ(DecodeModeByte(c.mode), c.selection) << "mode 0x" << std::hex << int{c.mode};
  }
}

TEST(ModeByte, IsRebuiltFromTheSelectionWithBitZeroSet) {
  EXPECT_EQ(EncodeModeByte({kHysteresis, kNormallyOpen}), 0x01);
  EXPECT_EQ(EncodeModeByte({kWindow, kNormallyClosed}), 0x19);
  EXPECT_EQ(EncodeModeByte({kOff, kNormallyOpen}), 0x21);
  EXPECT_EQ(EncodeModeByte({kOff, kNormallyClosed}), 0x29);
  EXPECT_EQ(EncodeModeByte({}), 0x01);
}

TEST(OutputTypeCode, ThreeAndAboveChangeNothing) {
  EXPECT_EQ(DecodeOutputType(0), OutputType::kNone);
  EXPECT_EQ(DecodeOutputType(1), OutputType::kNpn);
  EXPECT_EQ(DecodeOutputType(2), OutputType::kPnp);
  EXPECT_EQ(DecodeOutputType(3), std::nullopt);
  EXPECT_EQ(DecodeOutputType(255), std::nullopt);
  EXPECT_STREQ(OutputTypeText(OutputType::kNpn), "NPN");
  EXPECT_STREQ(OutputTypeText(OutputType::kPnp), "PNP");
}

TEST(DelaySteps, FamilyOneCountsFiftiethsAndFamilyFourWholeSeconds) {
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(1, 25), 0.50);
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(1, 250), 5.00);
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(1, 255), 5.10);
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(4, 255), 255.0);
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(4, 30), 30.0);
}

struct SecondsCase {
  int family;
  double seconds;
  std::uint8_t steps;
};

TEST(DelaySteps, SecondsRoundHalvesToEvenForFamilyOneAndTruncateForFamilyFour) {
  const SecondsCase cases[] = {
      {1, 0.58, 29}, {1, 1.06, 53},   {1, 5.00, 250}, {1, 0.05, 2},  // 2.5 steps: even
      {1, 0.09, 4},                                                  // 4.5 steps: even
      {1, 5.20, 4},                                                  // 260 steps: low byte
      {4, 3.7, 3},   {4, 255.9, 255}, {4, 256.0, 0},
  };
  for (const SecondsCase& c : cases) {
    EXPECT_EQ(DelaySecondsToSteps(c.family, c.seconds), c.steps)
        << "family " << c.family << ", " << c.seconds << " s";
  }
}

TEST(AnalogOutput, WorksWhenItDrivesAVoltageOrItsRangeStartsAtZero) {
  EXPECT_TRUE(AnalogOutputWorking(2.18F, 0.5F));
  EXPECT_TRUE(AnalogOutputWorking(0.11F, 0.5F));
  EXPECT_FALSE(AnalogOutputWorking(0.08F, 0.5F));
  EXPECT_FALSE(AnalogOutputWorking(0.0F, 0.5F));
  EXPECT_TRUE(AnalogOutputWorking(0.0F, 0.0F));
  EXPECT_TRUE(AnalogOutputWorking(0.0F, 0.04F));
}

}  // namespace
}  // namespace tarnwick
