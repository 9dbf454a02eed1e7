#include "texts/console_texts.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(ConsoleTexts, LanguagesOutsideTheThreeReadEnglish) {
  EXPECT_EQ(ConsoleTextOf(2, ConsoleText::kOpeningDelay), "Öffnungsverzögerung");
  EXPECT_EQ(ConsoleTextOf(3, ConsoleText::kWindow), "Fenêtre");
  for (int language : {0, 4, -1}) EXPECT_EQ(ConsoleTextOf(language, ConsoleText::kOff), "Off");
}

TEST(ConsoleTexts, ArgumentsFillTheirMarksAndNothingElse) {
  EXPECT_EQ(ConsoleTextWith(3, ConsoleText::kWrittenRead, {"a", "b", "c"}), "a: écrit b, lu c");
  EXPECT_EQ(ConsoleTextWith(1, ConsoleText::kNotAWholeNumber, {"%2 50%"}),
            "\"%2 50%\" is not a whole number.");
  EXPECT_EQ(ConsoleTextWith(1, ConsoleText::kWrittenRead, {"a"}), "a: written %2, read %3");
}

TEST(ConsoleTexts, SwitchFieldsAreNamedWithTheirTabInEachLanguage) {
  EXPECT_EQ(SwitchFieldCaption(1, 2, ConsoleText::kClosingDelay), "Switch 2, closing delay");
  EXPECT_EQ(SwitchFieldCaption(2, 1, ConsoleText::kHighSwitchPoint),
            "Schalter 1, oberer Schaltpunkt");
  EXPECT_EQ(SwitchFieldCaption(0, 1, ConsoleText::kLowSwitchPoint), "Switch 1, low switch point");
}

}  // namespace
}  // namespace tarnwick
