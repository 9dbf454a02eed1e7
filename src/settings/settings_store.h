#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The per-user key-value store of the console's settings. A read yields
// nothing when the value is absent, when the store cannot be opened, or when
// the value is held as another type than asked for. A write reports whether
// the value was stored.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual std::optional<std::int32_t> ReadInteger(std::string_view name) const = 0;
  virtual std::optional<std::string> ReadString(std::string_view name) const = 0;
  virtual bool WriteInteger(std::string_view name, std::int32_t value) = 0;
  virtual bool WriteString(std::string_view name, std::string_view value) = 0;
};

}  // namespace tarnwick
