#include "device/port_failure_reason.h"

#include <optional>

#include "texts/console_texts.h"

namespace tarnwick {
namespace {

constexpr int kMinComNumber = 1;
constexpr int kMaxComNumber = 256;

std::optional<ConsoleText> ReasonOf(PortError error) {
  switch (error) {
    case PortError::kNotFound:
      return ConsoleText::kPortMissing;
    case PortError::kBusy:
      return ConsoleText::kPortInUse;
    case PortError::kPermission:
      return ConsoleText::kPortNeedsDialout;
    case PortError::kNotSerial:
      return ConsoleText::kPortNotSerial;
    case PortError::kNone:
    case PortError::kSettings:
    case PortError::kIo:
      break;
  }
  return std::nullopt;
}

}  // namespace

std::string PortFailureReason(int languageIndex, int comNumber, const PortStatus& status,
                              const std::string& devicePath) {
  const std::string port = "COM" + std::to_string(comNumber);
  // The link refuses such numbers before it asks the port, so `status` is
  // that of an earlier open.
  if (comNumber == 0) return std::string(ConsoleTextOf(languageIndex, ConsoleText::kNoPortChosen));
  if (comNumber < kMinComNumber || comNumber > kMaxComNumber) {
    return ConsoleTextWith(languageIndex, ConsoleText::kPortMissing, {port});
  }
  const std::optional<ConsoleText> reason = ReasonOf(status.error);
  if (!reason) return {};
  return ConsoleTextWith(languageIndex, *reason, {port, devicePath.empty() ? port : devicePath});
}

}  // namespace tarnwick
