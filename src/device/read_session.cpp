#include "device/read_session.h"

#include "device/identification.h"
#include "device/readout_engines.h"

namespace tarnwick {
namespace {

constexpr int kProgressLinkOpen = 10;

ReadSessionResult Failed(BusLink& link, ReadSessionResult session, EngineOutcome outcome) {
  link.Close();
  session.outcome = outcome;
  return session;
}

}  // namespace

ReadSessionResult RunReadSession(BusLink& link, int comPort, std::uint8_t address, bool factoryMode,
                                 EngineObserver& observer) {
  ReadSessionResult session;
  if (link.Open(comPort, kDefaultReadTimeoutMs, kBusBaudRate) != BusResult::kOk) {
    return Failed(link, session, EngineOutcome::Failure(kMsgOpenFailed));
  }
  observer.SetProgress(kProgressLinkOpen);

  DeviceIdentity identity;
  const EngineOutcome identified =
      IdentifyDevice(link, address, identity, session.family, &session.identifyResult);
  if (session.identifyResult == BusResult::kOk) session.identity = identity;
  if (!identified.succeeded()) return Failed(link, session, identified);

  const ReadoutResult readout =
      ReadOutDevice(link, session.family, address, identity, factoryMode, observer);
  if (!readout.succeeded()) return Failed(link, session, readout.outcome);
  session.readout = readout.readout;
  return session;
}

}  // namespace tarnwick
