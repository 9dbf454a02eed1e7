#include "texts/message_table.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

TEST(MessageText, HoldsTheTextsAsWrittenInEachLanguage) {
  struct Row {
    int language;
    int number;
    const char* text;
  };
  const Row rows[] = {
      {kLanguageEnglish, 13, "Set COM-Port..."},
      {kLanguageEnglish, 66, "% (of total volume)"},
      {kLanguageGerman, 13, "COM-Port setzten..."},
      {kLanguageGerman, 52, "Dieses Gerät wird vom Programm nicht unterstützt!"},
      {kLanguageFrench, 50,
       "Ouverture du COM-Port impossible: Il n'existe pas ou est actuellement utilisé par un "
       "autre programme."},
      {kLanguageFrench, 65, "US Galon (gal)"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MessageText(row.language, row.number), row.text) << row.language << "/" << row.number;
  }
}

TEST(MessageText, LanguageNeutralCaptionsAreTheSameInEveryLanguage) {
  for (int number : {6, 8, 33, 37, 39}) {
    EXPECT_EQ(MessageText(kLanguageGerman, number), MessageText(kLanguageEnglish, number));
    EXPECT_EQ(MessageText(kLanguageFrench, number), MessageText(kLanguageEnglish, number));
  }
  EXPECT_EQ(MessageText(kLanguageFrench, 39), "0 .. 255s");
}

TEST(MessageText, EveryLanguageFillsTheSameNumbersAndAnythingElseIsEmpty) {
  int filled = 0;
  for (int number = 1; number <= 100; ++number) {
    const bool english = !MessageText(kLanguageEnglish, number).empty();
    EXPECT_EQ(!MessageText(kLanguageGerman, number).empty(), english) << number;
    EXPECT_EQ(!MessageText(kLanguageFrench, number).empty(), english) << number;
    filled += english ? 1 : 0;
  }
  EXPECT_EQ(filled, 48);
  for (int language : {0, 4, 5, -1, 1000}) EXPECT_EQ(MessageText(language, 10), "") << language;
  for (int number : {0, -5, 101, 100000}) EXPECT_EQ(MessageText(kLanguageEnglish, number), "");
}

}  // namespace
}  // namespace tarnwick
