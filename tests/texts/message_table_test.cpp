#include "texts/message_table.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tarnwick {
namespace {

struct SpotCheck {
  int language;
  int number;
  std::string expected;
};

void PrintTo(const SpotCheck& c, std::ostream* out) {
  *out << "language " << c.language << " number " << c.number;
}

class MessageTextTest : public testing::TestWithParam<SpotCheck> {};

TEST_P(MessageTextTest, HoldsTheTextAsWritten) {
  EXPECT_EQ(MessageText(GetParam().language, GetParam().number), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    English, MessageTextTest,
    testing::Values(
        SpotCheck{kLanguageEnglish, 1, "File"}, SpotCheck{kLanguageEnglish, 10, "&Read out"},
        SpotCheck{kLanguageEnglish, 13, "Set COM-Port..."},
        SpotCheck{kLanguageEnglish, 50,
                  "Unable to open the COM-Port: It doesn't exist or is currently used by "
                  "another program."},
        SpotCheck{kLanguageEnglish, 56, "This value has to be higher than the value below!"},
        SpotCheck{kLanguageEnglish, 66, "% (of total volume)"}));

INSTANTIATE_TEST_SUITE_P(
    German, MessageTextTest,
    testing::Values(
        SpotCheck{kLanguageGerman, 2, "Öffnen Konfiguration..."},
        SpotCheck{kLanguageGerman, 13, "COM-Port setzten..."},
        SpotCheck{kLanguageGerman, 14, "COM-Port setzten"},
        SpotCheck{kLanguageGerman, 35, "Schaltverzögerung:"},
        SpotCheck{kLanguageGerman, 52, "Dieses Gerät wird vom Programm nicht unterstützt!"},
        SpotCheck{kLanguageGerman, 56, "Dieser Wert muss grösser sein, als der untere!"},
        SpotCheck{kLanguageGerman, 64, "Hektoliter (hl)"}));

INSTANTIATE_TEST_SUITE_P(
    French, MessageTextTest,
    testing::Values(
        SpotCheck{kLanguageFrench, 5, "Paramètres"}, SpotCheck{kLanguageFrench, 10, "&Lecture"},
        SpotCheck{kLanguageFrench, 13, "Paraméter Com-Port..."},
        SpotCheck{kLanguageFrench, 23, "Type de l'appareil:"},
        SpotCheck{kLanguageFrench, 50,
                  "Ouverture du COM-Port impossible: Il n'existe pas ou est actuellement "
                  "utilisé par un autre programme."},
        SpotCheck{kLanguageFrench, 54,
                  "Aucun pressostat n'est connecté à l'appareil de programmation! Réessayer "
                  "la lecture?"},
        SpotCheck{kLanguageFrench, 62, "Unité CH0:"},
        SpotCheck{kLanguageFrench, 65, "US Galon (gal)"}));

TEST(MessageTextTest, LanguageNeutralCaptionsAreTheSameInEveryLanguage) {
  for (int number : {6, 8, 33, 37, 39}) {
    EXPECT_EQ(MessageText(kLanguageGerman, number), MessageText(kLanguageEnglish, number));
    EXPECT_EQ(MessageText(kLanguageFrench, number), MessageText(kLanguageEnglish, number));
  }
  EXPECT_EQ(MessageText(kLanguageFrench, 39), "0 .. 255s");
}

TEST(MessageTextTest, EveryLanguageHasTheSameNumbersFilled) {
  int filled = 0;
  for (int number = 1; number <= 100; ++number) {
    const bool english = !MessageText(kLanguageEnglish, number).empty();
    EXPECT_EQ(!MessageText(kLanguageGerman, number).empty(), english) << number;
    EXPECT_EQ(!MessageText(kLanguageFrench, number).empty(), english) << number;
    filled += english ? 1 : 0;
  }
  EXPECT_EQ(filled, 48);
  for (int number : {16, 19, 29, 40, 49, 57, 59, 67, 100}) {
    EXPECT_EQ(MessageText(kLanguageEnglish, number), "") << number;
  }
}

TEST(MessageTextTest, SpareRowsAndAnythingOutsideTheTableAreEmpty) {
  for (int language : {4, 5, 0, -1, 6, 1000}) {
    EXPECT_EQ(MessageText(language, 10), "") << language;
  }
  for (int number : {0, -5, 101, 100000}) {
    EXPECT_EQ(MessageText(kLanguageEnglish, number), "") << number;
  }
}

}  // namespace
}  // namespace tarnwick
