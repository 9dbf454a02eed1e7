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
  EXPECT_EQ(ConsoleTextWith(1, ConsoleText::kNotAnInteger, {"%2 50%"}),
            "'%2 50%' is not a valid integer value");
  EXPECT_EQ(ConsoleTextWith(1, ConsoleText::kWrittenRead, {"a"}), "a: written %2, read %3");
}

}  // namespace
}  // namespace tarnwick
