#include "cli/device_session.h"

#include "cli/failure_report.h"
#include "device/identification.h"
#include "device/readouts.h"
#include "view/readout_text.h"

namespace tarnwick::cli {
namespace {

constexpr int kProgressLinkOpen = 10;

// Message 52 alone does not say what answered.
std::string NotSupportedText(const EngineOutcome& outcome, const DeviceIdentity& identity) {
  return OutcomeText(outcome) + " (identity " + ByteDotByte(identity.Class, identity.Group) +
         ", version " + ByteDotByte(identity.VersionMajor, identity.VersionMinor) + ")";
}

}  // namespace

std::optional<DeviceReadout> OpenAndReadDevice(CliLink& link, std::uint8_t address,
                                               bool factoryMode, EngineObserver& observer,
                                               int& failureStatus) {
  std::string openError;
  if (!link.Open(openError)) {
    failureStatus = link.Stopped() ? link.Fail(openError) : ReportOpenFailure(openError);
    return std::nullopt;
  }
  observer.SetProgress(kProgressLinkOpen);
  DeviceIdentity identity;
  int family = kFamilyNone;
  const EngineOutcome identified = IdentifyDevice(address, link.clock(), identity, family);
  if (!identified.succeeded()) {
    failureStatus =
        link.Fail(identified.message == kMsgNotSupported ? NotSupportedText(identified, identity)
                                                         : OutcomeText(identified));
    return std::nullopt;
  }
  ReadoutResult result =
      ReadOutDevice(family, address, identity, factoryMode, link.clock(), observer);
  if (!result.succeeded()) {
    failureStatus = link.Fail(result.outcome);
    return std::nullopt;
  }
  return std::move(result.readout);
}

}  // namespace tarnwick::cli
