#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick::testing {

// A pseudo-terminal whose slave the port under test opens by path and whose
// master plays the device. The test keeps a slave descriptor of its own so the
// line does not hang up between the port's opens.
class PtyPair {
 public:
  PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;
  ~PtyPair();

  bool ok() const { return master_ >= 0 && heldSlave_ >= 0; }
  const std::string& slavePath() const { return slavePath_; }
  int heldSlave() const { return heldSlave_; }

  // The device sends `bytes`; false when they did not all go.
  bool WriteToDevice(const std::vector<std::uint8_t>& bytes) const;
  // Waits (bounded) until the port's input queue holds `count` bytes.
  bool WaitPendingForPort(int count) const;
  // The device side goes away: the port sees a hang-up.
  void HangUp();

 private:
  int master_ = -1;
  int heldSlave_ = -1;
  std::string slavePath_;
};

}  // namespace tarnwick::testing
