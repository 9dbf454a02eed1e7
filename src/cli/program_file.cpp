#include "cli/program_file.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "cli/json_fields.h"
#include "cli/shown_values.h"
#include "cli/switch_words.h"
#include "device/config_codec.h"
#include "device/identification.h"
#include "view/entry_rules.h"
#include "view/number_text.h"
#include "view/readout_text.h"

namespace tarnwick::cli {
namespace {

// Enough decimals that testing a point against the entry limits rounds away
// nothing that matters.
constexpr int kLimitTestDecimals = 6;
constexpr long long kByteMax = 255;
constexpr double kStepsPerSecond = 50.0;

// What every switch point of the file is read with.
struct PointContext {
  DeviceFamily family = DeviceFamily::kNone;
  PressureUnit unit = PressureUnit::kBar;
  int decimals = 0;
  float rangeMaxShown = 0.0F;
};

DeviceIdentity ReadIdentity(const JsonObject& id) {
  const auto byte = [&id](const char* key) {
    return static_cast<std::uint8_t>(id.Integer(key, 0, kByteMax));
  };
  DeviceIdentity identity{
      byte("class"), byte("group"), byte("versionMajor"), byte("versionMinor"), 0, 0};
  if (id.Has("spare1")) identity.Spare1 = byte("spare1");
  if (id.Has("spare2")) identity.Spare2 = byte("spare2");
  return identity;
}

DeviceFamily ReadFamily(const JsonObject& file, const DeviceIdentity& identity) {
  const FamilyMatch match = FamilyOf(identity);
  if (!match.supported()) {
    file.Fail("identity", ByteDotByte(identity.Class, identity.Group) + " version " +
                              ByteDotByte(identity.VersionMajor, identity.VersionMinor) +
                              " is not a device this program supports");
  }
  const long long family = file.Integer("family", 0, kByteMax);
  if (family != FamilyNumber(match.family)) {
    file.Fail("family", "is " + std::to_string(family) + ", but the identity is that of family " +
                            std::to_string(FamilyNumber(match.family)));
  }
  return match.family;
}

PressureUnit ReadUnit(const JsonObject& file) {
  const auto unit = ParsePressureUnit(file.String("unit"));
  if (!unit) file.Fail("unit", "must be \"bar\", \"PSI\" or \"MPa\"");
  return *unit;
}

// A point as shown in the file's unit: the console's text or a plain number.
double ShownValue(const JsonObject& sw, const std::string& key) {
  if (!sw.IsString(key)) return sw.Double(key);
  const std::string text = sw.String(key);
  try {
    return ParseNumber(text, '.');
  } catch (const NumberTextError&) {
    sw.Fail(key, "'" + text + "' is not a number");
  }
}

// The console clamps what its entry rules do not accept; a file is told
// instead of having its value quietly replaced.
void CheckEntryLimits(const JsonObject& sw, const std::string& key, float bar,
                      const PointContext& context) {
  const SwitchPointContext entry{SwitchPointEdit::kSwitch1, context.unit,       context.family,
                                 context.rangeMaxShown,     kLimitTestDecimals, '.'};
  const float shown = PressureToShown(bar, context.unit);
  const std::string asShown =
      FormatGeneral(shown, '.') + " " + std::string(PressureUnitText(context.unit));
  const std::string asGiven = FormatFixed(shown, kLimitTestDecimals, kEditPrecision, '.');
  // Beyond the edit's digits the console writes an exponent, which its entry
  // rules would read as other digits altogether.
  if (asGiven.find('E') != std::string::npos) {
    sw.Fail(key, asShown + " is too large: the console takes at most " +
                     std::to_string(kEditPrecision) + " digits before the decimal point");
  }
  const std::string accepted = NormaliseSwitchPoint(asGiven, entry);
  if (accepted != asGiven) {
    sw.Fail(key, asShown + " lies outside what the console accepts (it would make it " +
                     FormatGeneral(ParseNumber(accepted, '.'), '.') + ")");
  }
}

// `name` is "high" or "low"; the value in bar comes from "<name>Bar" or from
// "<name>" in the file's unit.
float ReadPoint(const JsonObject& sw, const std::string& name, const PointContext& context) {
  const std::string barKey = name + "Bar";
  const bool hasBar = sw.HasValue(barKey);
  const bool hasShown = sw.HasValue(name);
  if (!hasBar && !hasShown) {
    sw.Fail(barKey, "missing (or give \"" + name + "\" in the file's unit)");
  }
  float bar = 0.0F;
  if (hasShown) {
    const double shown = ShownValue(sw, name);
    if (std::fabs(shown) > std::numeric_limits<float>::max()) sw.Fail(name, "is too large");
    bar = PressureToBar(static_cast<float>(shown), context.unit);
    if (hasBar) {
      const float given = sw.Float(barKey);
      const std::string shownText = FormatFixed(shown, context.decimals, kPanelPrecision, '.');
      if (ShownPressure(given, context.unit, context.decimals) != shownText) {
        const std::string unitText(PressureUnitText(context.unit));
        sw.Fail(name, "\"" + shownText + "\" " + unitText + " and " + sw.KeyPath(barKey) + " " +
                          FormatGeneral(given, '.') + " bar (" +
                          ShownPressure(given, context.unit, context.decimals) + " " + unitText +
                          ") differ; keep only one of them");
      }
      // Both as read: the device holds it, and the console would leave an
      // edit nobody touched as it is, limits or not.
      return given;
    }
  } else {
    bar = sw.Float(barKey);
  }
  CheckEntryLimits(sw, hasBar ? barKey : name, bar, context);
  return bar;
}

// `name` is "closingDelay" or "openingDelay"; the steps come from
// "<name>Steps" or from "<name>" in seconds.
std::uint8_t ReadDelay(const JsonObject& sw, const std::string& name, DeviceFamily family) {
  const std::string stepsKey = name + "Steps";
  const bool hasSteps = sw.HasValue(stepsKey);
  const bool hasSeconds = sw.HasValue(name);
  if (family == DeviceFamily::kSwitchDevice) {
    if (hasSteps || hasSeconds) sw.Fail(hasSteps ? stepsKey : name, "the QM-4 KX has no delays");
    return 0;
  }
  if (!hasSteps && !hasSeconds) sw.Fail(stepsKey, "missing (or give \"" + name + "\" in seconds)");
  std::optional<long long> steps;
  if (hasSteps) steps = sw.Integer(stepsKey, 0, kByteMax);
  if (hasSeconds) {
    const double seconds = sw.Double(name);
    const double fromSeconds = family == DeviceFamily::kLevelDevice
                                   ? std::trunc(seconds)
                                   : std::nearbyint(seconds * kStepsPerSecond);
    if (seconds < 0 || fromSeconds > kByteMax) {
      sw.Fail(name, "must lie between 0 and " +
                        FormatGeneral(DelayStepsToSeconds(family, kByteMax), '.') + " seconds");
    }
    if (steps && *steps != static_cast<long long>(fromSeconds)) {
      sw.Fail(name, FormatGeneral(seconds, '.') + " s and " + sw.KeyPath(stepsKey) + " " +
                        std::to_string(*steps) + " differ; keep only one of them");
    }
    steps = static_cast<long long>(fromSeconds);
  }
  return static_cast<std::uint8_t>(*steps);
}

SwitchProgramValues ReadSwitch(const JsonObject& sw, const PointContext& context) {
  SwitchProgramValues values;
  // Only families 1 and 4 hold a function code that may name no function.
  values.selection = ReadSelection(sw, context.family != DeviceFamily::kSwitchDevice);
  values.highBar = ReadPoint(sw, "high", context);
  values.lowBar = ReadPoint(sw, "low", context);
  values.closingDelaySteps = ReadDelay(sw, "closingDelay", context.family);
  values.openingDelaySteps = ReadDelay(sw, "openingDelay", context.family);
  return values;
}

}  // namespace

ProgramRequest ParseProgramRequest(const nlohmann::json& json) {
  const JsonObject file(json);
  ProgramRequest request;
  ProgrammingTarget& target = request.target;
  target.identity = ReadIdentity(file.Object("identity"));
  target.family = ReadFamily(file, target.identity);
  target.sessionAddress = kDefaultBusAddress;
  target.serialNumber = static_cast<std::int32_t>(
      file.Integer("serialNumber", std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max()));
  request.unit = ReadUnit(file);

  PointContext context{target.family, request.unit, kStartPressureDecimals, 0.0F};
  // The level device's points have no upper limit, so it needs no range.
  if (target.family != DeviceFamily::kLevelDevice) {
    const float rangeMaxBar = file.Object("pressureRange").Float("maxBar");
    context.decimals = ShownDecimals(target.family, rangeMaxBar, request.unit);
    context.rangeMaxShown = PressureToShown(rangeMaxBar, request.unit);
  }

  const JsonObject switch1 = file.Object("switch1");
  const JsonObject switch2 = file.Object("switch2");
  request.inputs.switch1 = ReadSwitch(switch1, context);
  request.inputs.switch2 = ReadSwitch(switch2, context);
  if (target.family == DeviceFamily::kPressureSwitch) {
    request.switchShown = {switch1.Boolean("present"), switch2.Boolean("present")};
  }
  return request;
}

std::optional<int> SwitchPointsOutOfOrder(const ProgramRequest& request) {
  const std::array<const SwitchProgramValues*, 2> switches{&request.inputs.switch1,
                                                           &request.inputs.switch2};
  for (std::size_t n = 0; n < switches.size(); ++n) {
    if (request.switchShown[n] && !(switches[n]->highBar > switches[n]->lowBar)) {
      return static_cast<int>(n + 1);
    }
  }
  return std::nullopt;
}

}  // namespace tarnwick::cli
