#include "cli/read_device.h"

#include "cli/failure_report.h"
#include "device/read_session.h"
#include "view/readout_text.h"

namespace tarnwick::cli {
namespace {

// What the session's outcome means to a technician at a terminal: the
// console's message, and what message 50 and 52 alone do not say.
std::string FailureText(const CliLink& link, const ReadSessionResult& session) {
  const EngineOutcome& outcome = session.outcome;
  if (outcome.message == kMsgOpenFailed) return OpenFailureText(link.OpenFailure());
  if (outcome.message == kMsgNotSupported && session.identity) {
    const DeviceIdentity& id = *session.identity;
    return OutcomeText(outcome) + " (identity " + ByteDotByte(id.Class, id.Group) + ", version " +
           ByteDotByte(id.VersionMajor, id.VersionMinor) + ")";
  }
  return OutcomeText(outcome);
}

}  // namespace

std::optional<DeviceReadout> ReadDevice(CliLink& link, std::uint8_t address, bool factoryMode,
                                        EngineObserver& observer, int& failureStatus) {
  ReadSessionResult session =
      RunReadSession(link.bus(), link.comNumber(), address, factoryMode, observer);
  if (!session.succeeded()) {
    failureStatus = link.Fail(FailureText(link, session));
    return std::nullopt;
  }
  return session.readout;
}

}  // namespace tarnwick::cli
