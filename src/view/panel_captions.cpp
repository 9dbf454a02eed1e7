#include "view/panel_captions.h"

#include "device/device_readout.h"
#include "device/identification.h"
#include "texts/message_table.h"

namespace tarnwick {
namespace {

constexpr int kMsgDelayStep = 36;
constexpr int kMsgDelayRange = 37;
constexpr int kMsgLevelDelayStep = 38;
constexpr int kMsgLevelDelayRange = 39;
constexpr int kMsgLevelUnitPrefix = 62;
constexpr int kMsgFirstLevelUnit = 63;
constexpr int kLastLevelUnitIndex = 3;

}  // namespace

DelayCaptionNumbers DelayCaptionsFor(DeviceFamily family) {
  if (family == DeviceFamily::kLevelDevice) return {kMsgLevelDelayStep, kMsgLevelDelayRange};
  return {kMsgDelayStep, kMsgDelayRange};
}

std::optional<std::string> LevelUnitCaption(int languageIndex, int levelUnitIndex) {
  if (levelUnitIndex == kLevelUnitNotRead) return "---";
  if (levelUnitIndex < 0 || levelUnitIndex > kLastLevelUnitIndex) return std::nullopt;
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
