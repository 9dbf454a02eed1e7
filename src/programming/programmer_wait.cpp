#include "programming/programmer_wait.h"

#include "bus/device_commands.h"

namespace tarnwick {

ProgrammerPoll WaitProgrammerReady(BusLink& link, std::uint8_t address, bool reportProgress,
                                   EngineObserver& observer) {
  ProgrammerPoll poll;
  for (int read = 0; read < kMaxStatusReads; ++read) {
    ParameterBytes bytes{};
    poll.result = ReadParameter(link, address, kParamStatus, bytes);
    if (!poll.answered()) return poll;
    poll.status = bytes[0];
    link.clock().Sleep(kStatusPollPauseMs);
    if (reportProgress) observer.AdvanceProgress(1);
    if (poll.ready()) break;
  }
  return poll;
}

}  // namespace tarnwick
