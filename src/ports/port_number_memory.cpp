#include "ports/port_number_memory.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <system_error>
#include <utility>
#include <vector>

#include "ports/port_names.h"
#include "ports/port_table.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader =
    "# COM numbers given to serial devices, one a line: COM<n> <key>. The key is\n"
    "# \"serial <the adapter's serial number>\" or \"path <where it is attached>\".\n";

std::string SystemText(int error) { return std::generic_category().message(error); }

std::string FileText(const std::map<std::string, int>& numbers) {
  std::vector<std::pair<int, std::string>> lines;
  lines.reserve(numbers.size());
  for (const auto& [key, comNumber] : numbers) lines.emplace_back(comNumber, key);
  std::sort(lines.begin(), lines.end());
  std::string text(kHeader);
  for (const auto& [comNumber, key] : lines) text += ComPortName(comNumber) + ' ' + key + '\n';
  return text;
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

PortNumberMemory::PortNumberMemory(fs::path file, std::ostream& warnings)
    : file_(std::move(file)), warnings_(warnings) {}

const std::map<std::string, int>& PortNumberMemory::Numbers() {
  if (fileUsable_) Load();
  return numbers_;
}

void PortNumberMemory::Remember(const std::string& key, int comNumber) {
  numbers_[key] = comNumber;
  if (fileUsable_) Save();
}

void PortNumberMemory::Load() {
  std::error_code ec;
  const fs::file_status status = fs::status(file_, ec);
  if (status.type() == fs::file_type::not_found) {
    numbers_.clear();
    return;
  }
  if (ec || !fs::is_regular_file(status)) {
    return GiveUpFile("cannot read " + file_.string() + ": " +
                      (ec ? ec.message() : std::string("not a regular file")));
  }
  std::ifstream in(file_);
  if (!in) return GiveUpFile("cannot read " + file_.string() + ": " + SystemText(errno));
  std::map<std::string, int> numbers;
  for (std::string line; std::getline(in, line);) {
    const auto space = line.find(' ');
    if (line.starts_with('#') || space == std::string::npos || space + 1 == line.size()) continue;
    if (const int n = ComNumberOfLinkName(std::string_view(line).substr(0, space)); n != 0) {
      numbers[line.substr(space + 1)] = n;
    }
  }
  if (in.bad()) return GiveUpFile("cannot read " + file_.string());
  numbers_ = std::move(numbers);
}

void PortNumberMemory::Save() {
  std::error_code ec;
  fs::create_directories(file_.parent_path(), ec);
  if (ec) return GiveUpFile("cannot write " + file_.string() + ": " + ec.message());
  std::string temporary = file_.string() + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return GiveUpFile("cannot write " + file_.string() + ": " + SystemText(errno));
  // Synced before the rename, so that a power cut leaves the old file or the
  // whole new one, never an empty one.
  const bool written = WriteAll(fd, FileText(numbers_)) && fsync(fd) == 0;
  const int writeError = errno;
  if (close(fd) == 0 && written && std::rename(temporary.c_str(), file_.c_str()) == 0) return;
  const int failure = written ? errno : writeError;
  unlink(temporary.c_str());
  GiveUpFile("cannot write " + file_.string() + ": " + SystemText(failure));
}

void PortNumberMemory::GiveUpFile(const std::string& failure) {
  warnings_ << "warning: " << failure
            << "; new serial adapters keep their COM numbers only until the program ends\n";
  fileUsable_ = false;
}

}  // namespace tarnwick
