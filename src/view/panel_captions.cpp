#include "view/panel_captions.h"

#include "device/device_readout.h"
#include "device/identification.h"
#include "texts/message_numbers.h"
#include "texts/message_table.h"

namespace tarnwick {

DelayCaptionNumbers DelayCaptionsFor(DeviceFamily family) {
  if (family == DeviceFamily::kLevelDevice) return {kMsgLevelDelayStep, kMsgLevelDelayRange};
  return {kMsgDelayStep, kMsgDelayRange};
}

std::optional<std::string> LevelUnitCaption(int languageIndex, int levelUnitIndex) {
  if (levelUnitIndex == kLevelUnitNotRead) return "---";
  if (levelUnitIndex < 0 || levelUnitIndex >= kLevelUnitCount) return std::nullopt;
  return MessageText(languageIndex, kMsgLevelUnitPrefix) + " " +
         MessageText(languageIndex, kMsgFirstLevelUnit + levelUnitIndex);
}

std::string_view FamilyModelName(DeviceFamily family) {
  switch (family) {
    case DeviceFamily::kPressureSwitch:
      return "LX-60 MB";
    case DeviceFamily::kSwitchDevice:
      return "QM-4 KX";
    case DeviceFamily::kLevelDevice:
      return "Morvik";
    default:
      return "";
  }
}

}  // namespace tarnwick
