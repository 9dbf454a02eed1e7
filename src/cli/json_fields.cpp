#include "cli/json_fields.h"

#include <cmath>
#include <fstream>
#include <limits>

#include "view/number_text.h"

namespace tarnwick::cli {
namespace {

// Configuration and values files are a few hundred bytes; anything far larger is not one.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;

const char* TypeName(const nlohmann::json& value) {
  if (value.is_null()) return "null";
  if (value.is_boolean()) return "true or false";
  if (value.is_number()) return "a number";
  if (value.is_string()) return "a text";
  if (value.is_array()) return "a list";
  return "an object";
}

}  // namespace

nlohmann::json LoadJsonFile(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (fs::is_directory(status)) throw FileError("is a directory, not a file");
  // Opening a FIFO or a device would wait for a writer, possibly for ever.
  if (fs::exists(status) && !fs::is_regular_file(status)) throw FileError("is not a regular file");
  std::ifstream file(path, std::ios::binary);
  if (!file) throw FileError("cannot be read");
  // Read one byte beyond the limit, so that a file growing meanwhile is caught too.
  std::string text(kMaxFileBytes + 1, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (file.bad()) throw FileError("cannot be read");
  text.resize(static_cast<std::size_t>(file.gcount()));
  if (text.size() > kMaxFileBytes) throw FileError("is larger than 1 MiB");
  try {
    return nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception& error) {
    // A syntax error, or a number beyond the range of a double. The library's
    // text starts with its own error id; keep only the reason.
    const std::string what = error.what();
    const auto idEnd = what.find("] ");
    throw FileError("not valid JSON: " +
                    (idEnd == std::string::npos ? what : what.substr(idEnd + 2)));
  }
}

JsonObject::JsonObject(const nlohmann::json& value) : JsonObject(value, "") {
  if (!value.is_object()) throw FileError("the file must hold one JSON object");
}

JsonObject::JsonObject(const nlohmann::json& value, std::string path)
    : value_(value), path_(std::move(path)) {}

bool JsonObject::Has(std::string_view key) const { return value_.contains(key); }

bool JsonObject::HasValue(std::string_view key) const { return Has(key) && !Member(key).is_null(); }

bool JsonObject::IsString(std::string_view key) const {
  return Has(key) && Member(key).is_string();
}

std::string JsonObject::KeyPath(std::string_view key) const {
  return path_.empty() ? std::string(key) : path_ + "." + std::string(key);
}

void JsonObject::Fail(std::string_view key, const std::string& problem) const {
  throw FileError(KeyPath(key) + ": " + problem);
}

const nlohmann::json& JsonObject::Member(std::string_view key) const {
  const auto it = value_.find(key);
  if (it == value_.end()) Fail(key, "missing");
  return *it;
}

JsonObject JsonObject::Object(std::string_view key) const {
  const nlohmann::json& member = Member(key);
  if (!member.is_object()) Fail(key, std::string("must be an object, not ") + TypeName(member));
  return JsonObject(member, KeyPath(key));
}

bool JsonObject::Boolean(std::string_view key) const {
  const nlohmann::json& member = Member(key);
  if (!member.is_boolean()) {
    Fail(key, std::string("must be true or false, not ") + TypeName(member));
  }
  return member.get<bool>();
}

double JsonObject::Double(std::string_view key) const {
  const nlohmann::json& member = Member(key);
  if (!member.is_number()) Fail(key, std::string("must be a number, not ") + TypeName(member));
  const double value = member.get<double>();
  if (!std::isfinite(value)) Fail(key, "is too large");
  return value;
}

float JsonObject::Float(std::string_view key) const {
  const double value = Double(key);
  if (std::fabs(value) > std::numeric_limits<float>::max()) {
    Fail(key, "is too large for a 32-bit float");
  }
  return static_cast<float>(value);
}

long long JsonObject::Integer(std::string_view key, long long min, long long max) const {
  const nlohmann::json& member = Member(key);
  const std::string range =
      "must lie between " + std::to_string(min) + " and " + std::to_string(max);
  if (member.is_number_float()) {
    // 25.0 is as whole as 25; a program writing the file may not tell them apart.
    const double value = member.get<double>();
    if (value != std::trunc(value)) {
      Fail(key, "must be a whole number, not " + FormatGeneral(value, '.'));
    }
    if (value < static_cast<double>(min) || value > static_cast<double>(max)) Fail(key, range);
    return static_cast<long long>(value);
  }
  if (!member.is_number_integer()) {
    Fail(key, std::string("must be a whole number, not ") + TypeName(member));
  }
  // Unsigned values above the signed range would wrap in get<long long>().
  if (member.is_number_unsigned() &&
      member.get<unsigned long long>() > static_cast<unsigned long long>(max)) {
    Fail(key, range);
  }
  const long long value = member.get<long long>();
  if (value < min || value > max) Fail(key, range);
  return value;
}

std::string JsonObject::String(std::string_view key) const {
  const nlohmann::json& member = Member(key);
  if (!member.is_string()) Fail(key, std::string("must be a text, not ") + TypeName(member));
  return member.get<std::string>();
}

std::optional<std::string> JsonObject::NullableString(std::string_view key) const {
  if (Member(key).is_null()) return std::nullopt;
  return String(key);
}

}  // namespace tarnwick::cli
