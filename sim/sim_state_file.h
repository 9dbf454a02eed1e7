#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "sim/sim_bus.h"

namespace tarnwick {

// The bus as a small JSON document: its stations with family, address,
// identity, stored values and behaviour settings. Faults are not part of it.
nlohmann::json BusStateToJson(const SimBus& bus);
// Replaces the bus's stations. On a bad document the bus is left untouched
// and `error` says what is wrong.
bool BusStateFromJson(const nlohmann::json& state, SimBus& bus, std::string& error);

// The same for a file; saving writes a new file and renames it over the old,
// so a crash never leaves half a state behind.
bool SaveBusState(const SimBus& bus, const std::filesystem::path& path, std::string& error);
bool LoadBusState(const std::filesystem::path& path, SimBus& bus, std::string& error);

}  // namespace tarnwick
