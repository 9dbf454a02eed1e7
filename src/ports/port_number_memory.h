#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <string>

namespace tarnwick {

// The COM numbers given to serial devices that have no fixed number, by a key
// that names the device, kept in a file so that an adapter keeps its number
// across plugging and restarts (as Windows keeps COM numbers).
//
// The file is text, one number a line: "COM<n> <key>", the key being the rest
// of the line. Lines starting with '#' and lines of any other form are passed
// over. It is replaced whole (a new file renamed over it), so a crash leaves
// either the old or the new one.
//
// A file that cannot be read or written costs the memory, not the ports: the
// first failure is written once to `warnings`, and from then on the numbers
// are held for this object's life only and the file is left alone.
class PortNumberMemory {
 public:
  PortNumberMemory(std::filesystem::path file, std::ostream& warnings);

  // Every remembered number by key. Read from the file on each call, so that
  // programs running side by side agree on new adapters.
  const std::map<std::string, int>& Numbers();
  // Remembers `comNumber` for `key`, replacing the key's earlier number.
  void Remember(const std::string& key, int comNumber);

 private:
  void Load();
  void Save();
  void GiveUpFile(const std::string& failure);

  std::filesystem::path file_;
  std::ostream& warnings_;
  std::map<std::string, int> numbers_;
  bool fileUsable_ = true;
};

}  // namespace tarnwick
