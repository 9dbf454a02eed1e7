#pragma once

#include <array>
#include <cstdint>

#include "bus/device_identity.h"
#include "device/config_codec.h"

namespace tarnwick {

// The closing and opening delays exist on the pressure switch and on level
// devices from software 9.48 on.
bool DelayPanelAvailable(DeviceFamily family, const DeviceIdentity& identity);

enum class ContactPicture : std::uint8_t { kHidden, kOpen, kClosed };

// What one switch tab shows for its selected function and contact. The six
// contact places are numbered as on the tab: 1 to 3 are the phases under the
// hysteresis graph (rising, above the high point until the fall through the
// low point, after it), 4 to 6 the levels beside the window graph (below the
// low point, between the points, above the high point).
struct SwitchTabPictures {
  bool contactGroup = false;
  bool switchPoints = false;
  bool delayGroup = false;
  bool hysteresisGraph = false;
  bool windowGraph = false;
  std::array<ContactPicture, 6> places{};

  ContactPicture AtPlace(int place) const { return places[static_cast<std::size_t>(place - 1)]; }
};

SwitchTabPictures SwitchTabPicturesFor(SwitchFunction function, SwitchContact contact,
                                       bool delayPanelAvailable);

}  // namespace tarnwick
