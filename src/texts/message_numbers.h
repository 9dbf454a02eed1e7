#pragma once

namespace tarnwick {

// Numbers of the message texts that device operations report.
inline constexpr int kMsgNone = 0;
inline constexpr int kMsgOpenFailed = 50;
inline constexpr int kMsgNoAnswer = 51;
inline constexpr int kMsgNotSupported = 52;
inline constexpr int kMsgNoSwitchAtProgrammer = 53;
inline constexpr int kMsgAskReadAgain = 54;
inline constexpr int kMsgDeviceChanged = 55;
inline constexpr int kMsgHighNotAboveLow = 56;
inline constexpr int kMsgReadFailed = 60;
inline constexpr int kMsgWriteFailed = 61;

}  // namespace tarnwick
