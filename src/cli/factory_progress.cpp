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

}  // namespace

void FactoryProgress::Served(RangePass pass, std::uint8_t address) {
  if (pass == RangePass::kTransfer) transferred_.push_back(address);
  PrintJson({{"pass", static_cast<int>(pass)}, {"step", StepWord(pass)}, {"address", address}});
}

}  // namespace tarnwick::cli
