#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings_store.h"

namespace tarnwick::testing {

// A settings key in memory that keeps each value's type, as the registry
// does. `opens = false` is a key that cannot be opened: nothing reads, nothing
// is written; `refusedName` is one value whose write fails.
class MemorySettingsStore final : public SettingsStore {
 public:
  using Value = std::variant<std::int32_t, std::string>;

  std::optional<std::int32_t> ReadInteger(std::string_view name) const override {
    return Read<std::int32_t>(name);
  }
  std::optional<std::string> ReadString(std::string_view name) const override {
    return Read<std::string>(name);
  }
  bool WriteInteger(std::string_view name, std::int32_t value) override {
    return Write(name, value);
  }
  bool WriteString(std::string_view name, std::string_view value) override {
    return Write(name, std::string(value));
  }

  std::map<std::string, Value, std::less<>> values;
  bool opens = true;
  std::string refusedName;

 private:
  template <typename T>
  std::optional<T> Read(std::string_view name) const {
    const auto found = values.find(name);
    if (!opens || found == values.end()) return std::nullopt;
    if (const T* value = std::get_if<T>(&found->second)) return *value;
    return std::nullopt;
  }
  bool Write(std::string_view name, Value value) {
    if (!opens || name == refusedName) return false;
    values.insert_or_assign(std::string(name), std::move(value));
    return true;
  }
};

}  // namespace tarnwick::testing
