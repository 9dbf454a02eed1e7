#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/device_family.h"

namespace tarnwick {

// Captions of the main window that depend on the device read last as well as
// on the language. ApplyLanguage and the family layouts both use them, so a
// language change and a read always agree.

struct DelayCaptionNumbers {
  int step = 0;
  int range = 0;
};
// "1s step" / "0 .. 255s" for the level device, "0.02s step" / "0 .. 5s" for
// every other family value, none included.
DelayCaptionNumbers DelayCaptionsFor(DeviceFamily family);

// The level-unit label: "---" before a level device was read, else "Unit
// CH0:", a blank and the unit's name; empty for an index the table has no
// name for, which leaves the label as it is.
std::optional<std::string> LevelUnitCaption(int languageIndex, int levelUnitIndex);

// The device model the panel's title names; empty for no family.
std::string_view FamilyModelName(DeviceFamily family);

}  // namespace tarnwick
