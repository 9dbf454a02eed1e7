#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnwick::cli {

// A usage mistake on the command line; main() prints it and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "--name value" options and "--flag" switches after the command word.
class CliArgs {
 public:
  // `valued` and `flags` list the names a command accepts; anything else, a
  // repeated option or a missing value is a UsageError.
  CliArgs(const std::vector<std::string>& words, const std::set<std::string>& valued,
          const std::set<std::string>& flags);

  bool Has(const std::string& name) const;
  std::string Required(const std::string& name) const;
  std::optional<std::string> Optional(const std::string& name) const;
  // A whole number within [min, max]; `fallback` when the option is absent.
  long long Integer(const std::string& name, long long fallback, long long min,
                    long long max) const;
  long long RequiredInteger(const std::string& name, long long min, long long max) const;

 private:
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
};

}  // namespace tarnwick::cli
