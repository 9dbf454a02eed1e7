#include "cli/switch_words.h"

#include <array>
#include <utility>

namespace tarnwick::cli {
namespace {

constexpr std::array<std::pair<SwitchFunction, std::string_view>, 3> kFunctions{{
    {SwitchFunction::kOff, "Off"},
    {SwitchFunction::kHysteresis, "Hysteresis"},
    {SwitchFunction::kWindow, "Window"},
}};
constexpr std::array<std::pair<SwitchContact, std::string_view>, 2> kContacts{{
    {SwitchContact::kNormallyOpen, "NO"},
    {SwitchContact::kNormallyClosed, "NC"},
}};
constexpr std::array<std::pair<OutputType, std::string_view>, 3> kOutputTypes{{
    {OutputType::kNone, "none"},
    {OutputType::kNpn, "NPN"},
    {OutputType::kPnp, "PNP"},
}};

template <typename Enum, std::size_t N>
const char* WordOf(const std::array<std::pair<Enum, std::string_view>, N>& table, Enum value) {
  for (const auto& [entry, word] : table) {
    if (entry == value) return word.data();
  }
  return "";
}

template <typename Enum, std::size_t N>
std::optional<Enum> ValueOf(const std::array<std::pair<Enum, std::string_view>, N>& table,
                            std::string_view word) {
  for (const auto& [entry, text] : table) {
    if (text == word) return entry;
  }
  return std::nullopt;
}

}  // namespace

const char* const kFunctionWords = "\"Off\", \"Hysteresis\" or \"Window\"";
const char* const kContactWords = "\"NO\" or \"NC\"";
const char* const kOutputTypeWords = "\"none\", \"NPN\" or \"PNP\"";

const char* FunctionWord(SwitchFunction function) { return WordOf(kFunctions, function); }
const char* ContactWord(SwitchContact contact) { return WordOf(kContacts, contact); }
const char* OutputTypeWord(OutputType type) { return WordOf(kOutputTypes, type); }

std::optional<SwitchFunction> ParseFunctionWord(std::string_view word) {
  return ValueOf(kFunctions, word);
}
std::optional<SwitchContact> ParseContactWord(std::string_view word) {
  return ValueOf(kContacts, word);
}
std::optional<OutputType> ParseOutputTypeWord(std::string_view word) {
  return ValueOf(kOutputTypes, word);
}

SwitchSelection ReadSelection(const JsonObject& sw, bool functionMayBeNull) {
  SwitchSelection selection;
  if (const auto word = sw.NullableString("function")) {
    selection.function = ParseFunctionWord(*word);
    if (!selection.function) sw.Fail("function", std::string("must be ") + kFunctionWords);
  } else if (!functionMayBeNull) {
    sw.Fail("function", std::string("must be ") + kFunctionWords + ", not null");
  }
  if (sw.HasValue("contact")) {
    selection.contact = ParseContactWord(sw.String("contact"));
    if (!selection.contact) sw.Fail("contact", std::string("must be ") + kContactWords);
  } else if (selection.function && selection.function != SwitchFunction::kOff) {
    sw.Fail("contact", std::string("missing: ") + FunctionWord(*selection.function) + " needs " +
                           kContactWords);
  }
  return selection;
}

}  // namespace tarnwick::cli
