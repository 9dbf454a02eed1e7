#include "cli/cli_args.h"

#include <charconv>

namespace tarnwick::cli {

CliArgs::CliArgs(const std::vector<std::string>& words, const std::set<std::string>& valued,
                 const std::set<std::string>& flags) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + word + "'");
    const std::string name = word.substr(2);
    if (flags.contains(name)) {
      flags_.insert(name);
      continue;
    }
    if (!valued.contains(name)) throw UsageError("unknown option '" + word + "'");
    if (i + 1 >= words.size()) throw UsageError("option '" + word + "' needs a value");
    if (!values_.emplace(name, words[++i]).second) {
      throw UsageError("option '" + word + "' given twice");
    }
  }
}

bool CliArgs::Has(const std::string& name) const {
  return flags_.contains(name) || values_.contains(name);
}

std::string CliArgs::Required(const std::string& name) const {
  auto value = Optional(name);
  if (!value) throw UsageError("option '--" + name + "' is required");
  return *value;
}

std::optional<std::string> CliArgs::Optional(const std::string& name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

long long CliArgs::Integer(const std::string& name, long long fallback, long long min,
                           long long max) const {
  auto text = Optional(name);
  if (!text) return fallback;
  long long value = 0;
  const char* end = text->data() + text->size();
  auto [ptr, ec] = std::from_chars(text->data(), end, value);
  if (ec != std::errc() || ptr != end || text->empty()) {
    throw UsageError("option '--" + name + "' needs a whole number, not '" + *text + "'");
  }
  if (value < min || value > max) {
    throw UsageError("option '--" + name + "' must lie between " + std::to_string(min) + " and " +
                     std::to_string(max));
  }
  return value;
}

long long CliArgs::RequiredInteger(const std::string& name, long long min, long long max) const {
  Required(name);
  return Integer(name, 0, min, max);
}

}  // namespace tarnwick::cli
