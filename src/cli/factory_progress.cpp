#include "cli/factory_progress.h"

#include "cli/json_output.h"

namespace tarnwick::cli {
namespace {

const char* StepWord(RangePass pass) {
  switch (pass) {
    case RangePass::kAnnounce:
      return "announce";
    case RangePass::kWrite:
      return "write";
    case RangePass::kTransfer:
      return "transfer";
  }
  return "";
}

std::string AddressList(const std::vector<int>& addresses) {
  std::string text;
  for (int address : addresses) text += (text.empty() ? "" : ", ") + std::to_string(address);
  return text.empty() ? "none" : text;
}

}  // namespace

void FactoryProgress::Served(RangePass pass, std::uint8_t address) {
  if (pass == RangePass::kWrite) written_.push_back(address);
  if (pass == RangePass::kTransfer) transferred_.push_back(address);
  PrintJson({{"pass", static_cast<int>(pass)}, {"step", StepWord(pass)}, {"address", address}});
}

std::string FactoryProgress::StoppedText() const {
  return "programmers that received all values: " + AddressList(written_) +
         "; that transferred them to their switch: " + AddressList(transferred_) +
         "; the programmer being served when it stopped may hold part of the values";
}

}  // namespace tarnwick::cli
