#pragma once

namespace tarnwick {

// The numbers of the message table's texts: every caption and message the
// program shows by number is named here, and only here.
inline constexpr int kMsgNone = 0;

// Menus and buttons.
inline constexpr int kMsgFileMenu = 1;
inline constexpr int kMsgOpenMenu = 2;
inline constexpr int kMsgSaveAsMenu = 3;
inline constexpr int kMsgExitMenu = 4;
inline constexpr int kMsgSettingsMenu = 5;
inline constexpr int kMsgPortMenu = 6;
inline constexpr int kMsgLanguageMenu = 7;
inline constexpr int kMsgInfoMenu = 8;
inline constexpr int kMsgUnitsMenu = 9;
inline constexpr int kMsgReadButton = 10;
inline constexpr int kMsgProgramButton = 11;
inline constexpr int kMsgDisplayButton = 12;
inline constexpr int kMsgSetComPortItem = 13;
inline constexpr int kMsgSetComPortTitle = 14;
inline constexpr int kMsgCancel = 15;

// Captions of the panel and the switch tabs.
inline constexpr int kMsgSwitch1 = 20;
inline constexpr int kMsgSwitch2 = 21;
inline constexpr int kMsgSerialNumberHead = 22;
inline constexpr int kMsgDeviceTypeHead = 23;
inline constexpr int kMsgSoftwareVersionHead = 24;
inline constexpr int kMsgTemperatureRangeHead = 25;
inline constexpr int kMsgPressureRangeHead = 26;
inline constexpr int kMsgAnalogOutputRangeHead = 27;
inline constexpr int kMsgBusAddressHead = 28;
inline constexpr int kMsgFunctionOff = 30;
inline constexpr int kMsgFunctionHysteresis = 31;
inline constexpr int kMsgFunctionWindow = 32;
inline constexpr int kMsgWindowTitle = 33;
inline constexpr int kMsgNoAnalogOutput = 34;
inline constexpr int kMsgSwitchDelay = 35;
inline constexpr int kMsgDelayStep = 36;
inline constexpr int kMsgDelayRange = 37;
inline constexpr int kMsgLevelDelayStep = 38;
inline constexpr int kMsgLevelDelayRange = 39;

// Message boxes of device operations.
inline constexpr int kMsgOpenFailed = 50;
inline constexpr int kMsgNoAnswer = 51;
inline constexpr int kMsgNotSupported = 52;
inline constexpr int kMsgNoSwitchAtProgrammer = 53;
inline constexpr int kMsgAskReadAgain = 54;
inline constexpr int kMsgDeviceChanged = 55;
inline constexpr int kMsgHighNotAboveLow = 56;
inline constexpr int kMsgReadFailed = 60;
inline constexpr int kMsgWriteFailed = 61;

// The level device's unit label: the prefix, then one of four units in a row,
// litre first.
inline constexpr int kMsgLevelUnitPrefix = 62;
inline constexpr int kMsgFirstLevelUnit = 63;
inline constexpr int kLevelUnitCount = 4;

}  // namespace tarnwick
