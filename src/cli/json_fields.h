#pragma once

#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnwick::cli {

// A configuration or values file that cannot be used as it stands. The text
// names the file's key ("switch1.highBar") and what is wrong with it.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole file parsed as JSON. A file that is missing, not a regular file,
// larger than 1 MiB, not JSON, or holds a number beyond the range of a double
// is a FileError, whose text the caller puts after the file's name.
nlohmann::json LoadJsonFile(const std::filesystem::path& path);

// One JSON object of a file and where it sits in it, so that every complaint
// about its members can name the full key.
class JsonObject {
 public:
  // The top level of a file; anything but an object is a FileError.
  explicit JsonObject(const nlohmann::json& value);

  bool Has(std::string_view key) const;
  // Present and not null.
  bool HasValue(std::string_view key) const;
  bool IsString(std::string_view key) const;

  JsonObject Object(std::string_view key) const;
  bool Boolean(std::string_view key) const;
  // Any finite number that a 32-bit float can hold.
  float Float(std::string_view key) const;
  double Double(std::string_view key) const;
  long long Integer(std::string_view key, long long min, long long max) const;
  std::string String(std::string_view key) const;
  // Null reads as empty; a missing key is still an error.
  std::optional<std::string> NullableString(std::string_view key) const;

  // "switch1.highBar" for `key` "highBar" of the object at "switch1".
  std::string KeyPath(std::string_view key) const;
  [[noreturn]] void Fail(std::string_view key, const std::string& problem) const;

 private:
  JsonObject(const nlohmann::json& value, std::string path);
  const nlohmann::json& Member(std::string_view key) const;

  const nlohmann::json& value_;
  std::string path_;
};

}  // namespace tarnwick::cli
