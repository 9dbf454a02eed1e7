#include "programming/factory_input_check.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarnwick {
namespace {

using enum FactoryField;

FactoryPageTexts GoodPage() {
  FactoryPageTexts page;
  page.firstAddress = "1";
  page.lastAddress = " 255 ";
  page.analogOutIndex = 0;
  page.pressureRangeMin = "-1";
  page.pressureRangeMax = "16,5";
  page.temperatureMin = "-25";
  page.temperatureMax = "3,4E38";
  page.windowHysteresis = "255";
  page.writeSerialNumbers = true;
  page.serialNumber = "-2147483648";
  page.switch1 = {"12,5", "1e1", 4, 2, "0", "255"};
  page.switch2 = {"8", "0,1", 0, 0, "+7", "1"};
  return page;
}

TEST(CheckFactoryInputs, GoodTextsGiveWhatIsWritten) {
  FactoryProgramInputs expected;
  expected.firstAddress = 1;
  expected.lastAddress = 255;
  expected.analogOutSelected = true;
  expected.pressureRangeMinBar = -1.0F;
  expected.pressureRangeMaxBar = 16.5F;
  expected.temperatureRangeMin = -25.0F;
  expected.temperatureRangeMax = 3.4E38F;
  expected.windowHysteresis = 255;
  expected.writeSerialNumbers = true;
  expected.firstSerialNumber = -2147483647 - 1;
  expected.switch1 = {12.5F, 10.0F, 4, 2, 0, 255};
  expected.switch2 = {8.0F, 0.1F, 0, 0, 7, 1};
  EXPECT_EQ(std::get<FactoryProgramInputs>(CheckFactoryInputs(GoodPage(), ',', 1)), expected);

  FactoryPageTexts page = GoodPage();
  page.serialNumber = "2147483647";
  page.analogOutIndex = -1;
  const auto upper = std::get<FactoryProgramInputs>(CheckFactoryInputs(page, ',', 1));
  EXPECT_EQ(upper.firstSerialNumber, 2147483647);
  EXPECT_FALSE(upper.analogOutSelected);
  // Not written, so not read.
  page.writeSerialNumbers = false;
  page.serialNumber = "abc";
  EXPECT_TRUE(std::holds_alternative<FactoryProgramInputs>(CheckFactoryInputs(page, ',', 1)));
}

TEST(CheckFactoryInputs, RefusesTheFirstBadFieldByItsCaption) {
  struct Case {
    std::function<void(FactoryPageTexts&)> spoil;
    int language;
    FactoryField field;
    const char* message;  // "": as its rule's other cases
  };
  const Case cases[] = {
      {[](auto& p) { p.firstAddress = "0"; }, 1, kFirstAddress,
       "\"von Adresse\" must be a whole number from 1 to 255, not '0'."},
      {[](auto& p) { p.lastAddress = "256"; }, 2, kLastAddress, ""},
      {[](auto& p) { p.analogOutIndex = 1; }, 3, kAnalogOutput,
       "« Analog Ausgang (min ... max) »: choisissez une des entrées de la liste."},
      // The other decimal mark is not taken for the separator.
      {[](auto& p) { p.pressureRangeMin = "0.5"; }, 1, kPressureRangeMin,
       "\"min. Druck (bei min. Analog)\" must be a number from -3.4E38 to 3.4E38 with ',' as "
       "decimal separator, not '0.5'."},
      {[](auto& p) { p.pressureRangeMax = ""; }, 2, kPressureRangeMax,
       "„max. Druck (bei max. Analog)“ muss eine Zahl von -3,4E38 bis 3,4E38 mit ',' als "
       "Dezimaltrennzeichen sein, nicht ''."},
      {[](auto& p) { p.temperatureMin = "1E39"; }, 1, kTemperatureMin, ""},
      {[](auto& p) { p.temperatureMax = "1E400"; }, 1, kTemperatureMax, ""},
      {[](auto& p) { p.windowHysteresis = "2,5"; }, 3, kWindowHysteresis, ""},
      {[](auto& p) { p.serialNumber = "2147483648"; }, 1, kSerialNumber,
       "\"Serie-Nr\" must be a whole number from -2147483648 to 2147483647, not '2147483648'."},
      {[](auto& p) { p.switch1.high = "x"; }, 1, kSwitch1High, ""},
      {[](auto& p) { p.switch1.low = "1,2,3"; }, 1, kSwitch1Low, ""},
      {[](auto& p) { p.switch1.functionIndex = 5; }, 1, kSwitch1Function,
       "\"Schalter 1, Schalterfunktion\": choose one of the entries of the list."},
      {[](auto& p) { p.switch1.outputTypeIndex = -1; }, 1, kSwitch1OutputType, ""},
      {[](auto& p) { p.switch1.closingDelay = "-1"; }, 1, kSwitch1ClosingDelay,
       "\"Schalter 1, Schliessverzögerung\" must be a whole number of steps from 0 to 255, not "
       "'-1'."},
      {[](auto& p) { p.switch1.openingDelay = "300"; }, 2, kSwitch1OpeningDelay, ""},
      {[](auto& p) { p.switch2.high = "NaN"; }, 1, kSwitch2High, ""},
      {[](auto& p) { p.switch2.low = "-"; }, 1, kSwitch2Low, ""},
      {[](auto& p) { p.switch2.functionIndex = -1; }, 1, kSwitch2Function, ""},
      {[](auto& p) { p.switch2.outputTypeIndex = 3; }, 1, kSwitch2OutputType, ""},
      {[](auto& p) { p.switch2.closingDelay = "1.0"; }, 1, kSwitch2ClosingDelay, ""},
      {[](auto& p) { p.switch2.openingDelay = "9999999999999999999"; }, 1, kSwitch2OpeningDelay,
       ""},
      // Only the first refusal is told.
      {[](auto& p) { p.switch2.openingDelay = p.temperatureMax = "x"; }, 1, kTemperatureMax, ""},
  };
  for (const Case& c : cases) {
    FactoryPageTexts page = GoodPage();
    c.spoil(page);
    const FactoryInputCheck check = CheckFactoryInputs(page, ',', c.language);
    ASSERT_TRUE(std::holds_alternative<FactoryRefusal>(check)) << FactoryFieldCaption(c.field);
    const FactoryRefusal& refusal = std::get<FactoryRefusal>(check);
    EXPECT_EQ(refusal.field, c.field) << refusal.message;
    if (*c.message != '\0') {
      EXPECT_EQ(refusal.message, c.message);
    }
  }
}

}  // namespace
}  // namespace tarnwick
