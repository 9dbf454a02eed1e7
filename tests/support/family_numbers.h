#pragma once

#include "device/device_family.h"

namespace tarnwick {

// The family of the protocol's number, as the tables of cases give it.
constexpr DeviceFamily Family(int number) { return static_cast<DeviceFamily>(number); }

}  // namespace tarnwick
