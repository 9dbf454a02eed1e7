#include "sim/sim_state_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <system_error>

#include "sim/family1_station.h"
#include "sim/station_factory.h"

namespace tarnwick {
namespace {

using nlohmann::json;

// Thrown inside the loader only, and turned into the error text.
struct StateError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The shortest decimal that reads back as the same float, so the file shows
// 4.2 and not 4.199999809265137. JSON has no NaN or infinity; a device can
// hold them all the same, so they are kept as the texts "nan", "inf", "-inf".
json FloatJson(float value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return json::parse(std::string(text, result.ptr), nullptr, false);
}

template <std::size_t N>
json ByteArray(const std::array<std::uint8_t, N>& bytes) {
  return json(std::vector<int>(bytes.begin(), bytes.end()));
}

template <typename Value, typename Convert>
json NumberedMap(const std::map<std::uint8_t, Value>& values, Convert convert) {
  json object = json::object();
  for (const auto& [number, value] : values) object[std::to_string(number)] = convert(value);
  return object;
}

json StationToJson(const SimStation& station) {
  const StationMemory& memory = station.Stored();
  const DeviceIdentity& id = station.Identity();
  json out{
      {"family", station.Family()},
      {"address", station.Address()},
      {"identity", {id.Class, id.Group, id.VersionMajor, id.VersionMinor, id.Spare1, id.Spare2}},
      {"serialNumber", memory.serialNumber},
      {"coefficients", NumberedMap(memory.coefficients, FloatJson)},
      {"parameters", NumberedMap(memory.parameters, ByteArray<4>)},
      {"registers", NumberedMap(memory.registers, ByteArray<5>)},
      {"live",
       {{"base", FloatJson(station.LiveBase())},
        {"amplitude", FloatJson(station.Motion().amplitude)},
        {"periodMs", station.Motion().period.count()}}},
  };
  if (const auto* programmer = dynamic_cast<const Family1Station*>(&station)) {
    out["busyPolls"] = programmer->BusyPolls();
    out["analogOutputWorks"] = programmer->AnalogOutputWorks();
  }
  return out;
}

const json& Member(const json& object, const char* name) {
  if (!object.contains(name)) throw StateError(std::string("\"") + name + "\" is missing");
  return object.at(name);
}

int Integer(const json& value, const std::string& what, int min, int max) {
  if (!value.is_number_integer()) throw StateError(what + " is not a whole number");
  const auto number = value.get<long long>();
  if (number < min || number > max) {
    throw StateError(what + " must be " + std::to_string(min) + " to " + std::to_string(max));
  }
  return static_cast<int>(number);
}

std::uint8_t Byte(const json& value, const std::string& what) {
  return static_cast<std::uint8_t>(Integer(value, what, 0, 255));
}

std::uint8_t NumberKey(const std::string& key, const std::string& what) {
  std::size_t used = 0;
  int number = -1;
  try {
    number = std::stoi(key, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != key.size() || number < 0 || number > 255) {
    throw StateError(what + " \"" + key + "\" is not a number 0 to 255");
  }
  return static_cast<std::uint8_t>(number);
}

template <std::size_t N>
std::array<std::uint8_t, N> Bytes(const json& value, const std::string& what) {
  if (!value.is_array() || value.size() != N) {
    throw StateError(what + " must be a list of " + std::to_string(N) + " bytes");
  }
  std::array<std::uint8_t, N> bytes{};
  for (std::size_t i = 0; i < N; ++i) bytes[i] = Byte(value[i], what);
  return bytes;
}

float Float(const json& value, const std::string& what) {
  if (value == "nan") return std::numeric_limits<float>::quiet_NaN();
  if (value == "inf") return std::numeric_limits<float>::infinity();
  if (value == "-inf") return -std::numeric_limits<float>::infinity();
  if (!value.is_number()) throw StateError(what + " is not a number");
  return value.get<float>();
}

template <typename Value, typename Convert>
void ReadNumberedMap(const json& station, const char* name, std::map<std::uint8_t, Value>& values,
                     Convert convert) {
  if (!station.contains(name)) return;
  const json& object = station.at(name);
  if (!object.is_object()) throw StateError(std::string("\"") + name + "\" is not an object");
  for (const auto& [key, value] : object.items()) {
    const std::string what = std::string(name) + " " + key;
    values[NumberKey(key, what)] = convert(value, what);
  }
}

void ReadLive(const json& station, SimStation& into) {
  if (!station.contains("live")) return;
  const json& live = station.at("live");
  if (live.contains("base")) into.SetLiveBase(Float(live.at("base"), "live base"));
  LiveMotion motion = into.Motion();
  if (live.contains("amplitude")) motion.amplitude = Float(live.at("amplitude"), "live amplitude");
  if (live.contains("periodMs")) {
    motion.period = std::chrono::milliseconds(
        Integer(live.at("periodMs"), "live periodMs", 1, 24 * 3600 * 1000));
  }
  into.SetMotion(motion);
}

std::unique_ptr<SimStation> StationFromJson(const json& station) {
  if (!station.is_object()) throw StateError("is not an object");
  StationSpec stationSpec;
  stationSpec.family = Integer(Member(station, "family"), "family", 1, 4);
  if (!IsSimulatedFamily(stationSpec.family)) throw StateError("family must be 1, 2 or 4");
  stationSpec.address =
      static_cast<std::uint8_t>(Integer(Member(station, "address"), "address", 1, 255));
  std::unique_ptr<SimStation> made = MakeStation(stationSpec);

  if (station.contains("identity")) {
    const auto b = Bytes<6>(station.at("identity"), "identity");
    made->SetIdentity({b[0], b[1], b[2], b[3], b[4], b[5]});
  }
  StationMemory& memory = made->Stored();
  if (station.contains("serialNumber")) {
    const json& serial = station.at("serialNumber");
    if (!serial.is_number_integer()) throw StateError("serialNumber is not a whole number");
    const auto value = serial.get<long long>();
    if (value < INT32_MIN || value > INT32_MAX) throw StateError("serialNumber is out of range");
    memory.serialNumber = static_cast<std::int32_t>(value);
  }
  ReadNumberedMap(station, "coefficients", memory.coefficients, Float);
  ReadNumberedMap(station, "parameters", memory.parameters, Bytes<4>);
  ReadNumberedMap(station, "registers", memory.registers, Bytes<5>);
  ReadLive(station, *made);

  if (auto* programmer = dynamic_cast<Family1Station*>(made.get())) {
    if (station.contains("busyPolls")) {
      programmer->SetBusyPolls(Integer(station.at("busyPolls"), "busyPolls", 0, 1000));
    }
    if (station.contains("analogOutputWorks")) {
      const json& works = station.at("analogOutputWorks");
      if (!works.is_boolean()) throw StateError("analogOutputWorks is not true or false");
      programmer->SetAnalogOutputWorks(works.get<bool>());
    }
    programmer->SyncProgrammerCopy();
  }
  return made;
}

}  // namespace

json BusStateToJson(const SimBus& bus) {
  json stations = json::array();
  for (const auto& station : bus.Stations()) stations.push_back(StationToJson(*station));
  return {{"stations", stations}};
}

bool BusStateFromJson(const json& state, SimBus& bus, std::string& error) {
  if (!state.is_object() || !state.contains("stations") || !state.at("stations").is_array()) {
    error = "the state has no list \"stations\"";
    return false;
  }
  std::vector<std::unique_ptr<SimStation>> loaded;
  std::size_t index = 0;
  try {
    for (const json& station : state.at("stations")) {
      ++index;
      loaded.push_back(StationFromJson(station));
    }
  } catch (const StateError& e) {
    error = "station " + std::to_string(index) + ": " + e.what();
    return false;
  }
  bus.RemoveAll();
  for (auto& station : loaded) bus.Add(std::move(station));
  return true;
}

bool SaveBusState(const SimBus& bus, const std::filesystem::path& path, std::string& error) {
  const std::filesystem::path temporary = path.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << BusStateToJson(bus).dump(2) << '\n';
    out.close();
    if (!out) {
      error = "cannot write " + temporary.string();
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    error = "cannot replace " + path.string() + ": " + ec.message();
    return false;
  }
  return true;
}

bool LoadBusState(const std::filesystem::path& path, SimBus& bus, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path.string();
    return false;
  }
  const json state = json::parse(in, nullptr, false);
  if (state.is_discarded()) {
    error = path.string() + " is not valid JSON";
    return false;
  }
  if (!BusStateFromJson(state, bus, error)) {
    error = path.string() + ": " + error;
    return false;
  }
  return true;
}

}  // namespace tarnwick
