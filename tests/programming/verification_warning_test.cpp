#include "programming/verification_warning.h"

#include <gtest/gtest.h>

#include "support/family_numbers.h"
#include "texts/message_table.h"

namespace tarnwick {
namespace {

using enum ProgrammedField;

TEST(VerificationWarning, ShowsEachValueAsTheSwitchTabsDo) {
  struct Row {
    int language;
    ShownValueFormat format;
    ProgrammingDifference difference;
    const char* text;
  };
  const ShownValueFormat barTwo{Family(1), PressureUnit::kBar, 2, '.'};
  const Row rows[] = {
      {kLanguageEnglish,
       barTwo,
       {1, kHighPoint, 5.0F, 4.0F},
       "Switch 1, high switch point: written 5.00 bar, read 4.00 bar"},
      {kLanguageGerman,
       {Family(2), PressureUnit::kPsi, 1, ','},
       {2, kLowPoint, 1.0F, 2.0F},
       "Schalter 2, unterer Schaltpunkt: geschrieben 14,5 PSI, gelesen 29,0 PSI"},
      // Alike at the shown decimals: shown in full.
      {kLanguageEnglish,
       barTwo,
       {1, kLowPoint, 5.0F, 5.001F},
       "Switch 1, low switch point: written 5 bar, read 5.00099992752075 bar"},
      {kLanguageFrench,
       barTwo,
       {2, kFunction, SwitchFunction::kWindow, SwitchFunction::kOff},
       "Relais 2, fonction: écrit Fenêtre, lu Arrêt"},
      {kLanguageGerman,
       barTwo,
       {1, kFunction, SwitchFunction::kHysteresis, std::monostate{}},
       "Schalter 1, Funktion: geschrieben Hysterese, gelesen unbekannt"},
      {kLanguageFrench,
       barTwo,
       {1, kContact, SwitchContact::kNormallyOpen, SwitchContact::kNormallyClosed},
       "Relais 1, contact: écrit NO, lu NC"},
      {kLanguageEnglish,
       barTwo,
       {2, kClosingDelay, DelaySteps{29}, DelaySteps{30}},
       "Switch 2, closing delay: written 0.58 s, read 0.60 s"},
      {kLanguageGerman,
       {Family(4), PressureUnit::kBar, 0, ','},
       {1, kOpeningDelay, DelaySteps{3}, DelaySteps{4}},
       "Schalter 1, Öffnungsverzögerung: geschrieben 3,00 s, gelesen 4,00 s"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DifferenceText(row.difference, row.format, row.language), row.text);
  }
}

TEST(VerificationWarning, PutsTheHeadingAboveOneLinePerDifference) {
  const ShownValueFormat format{Family(1), PressureUnit::kBar, 1, '.'};
  const std::vector<ProgrammingDifference> differences{{1, kHighPoint, 5.0F, 4.0F},
                                                       {2, kLowPoint, 1.0F, 2.0F}};
  EXPECT_EQ(VerificationWarning(differences, format, kLanguageEnglish),
            "The device now holds other values than were written:\n"
            "Switch 1, high switch point: written 5.0 bar, read 4.0 bar\n"
            "Switch 2, low switch point: written 1.0 bar, read 2.0 bar");
  EXPECT_EQ(VerificationWarning({}, format, kLanguageEnglish), "");
}

}  // namespace
}  // namespace tarnwick
