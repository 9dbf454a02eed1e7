#include "view/diagram_pictures.h"

#include "device/identification.h"

namespace tarnwick {
namespace {

constexpr ContactPicture kOpen = ContactPicture::kOpen;
constexpr ContactPicture kClosed = ContactPicture::kClosed;
constexpr ContactPicture kHidden = ContactPicture::kHidden;

// A normally open contact closes in the phase where the output is active; a
// normally closed one shows the opposite symbols.
std::array<ContactPicture, 3> ActiveInMiddle(SwitchContact contact) {
  if (contact == SwitchContact::kNormallyOpen) return {kOpen, kClosed, kOpen};
  return {kClosed, kOpen, kClosed};
}

}  // namespace

bool DelayPanelAvailable(DeviceFamily family, const DeviceIdentity& identity) {
  if (family == DeviceFamily::kPressureSwitch) return true;
  if (family != DeviceFamily::kLevelDevice) return false;
  return (identity.VersionMajor == 9 && identity.VersionMinor == 48) || identity.VersionMajor >= 10;
}

SwitchTabPictures SwitchTabPicturesFor(SwitchFunction function, SwitchContact contact,
                                       bool delayPanelAvailable) {
  SwitchTabPictures pictures;
  if (function == SwitchFunction::kOff) return pictures;
  pictures.contactGroup = true;
  pictures.switchPoints = true;
  pictures.delayGroup = delayPanelAvailable;
  const auto [outer1, middle, outer2] = ActiveInMiddle(contact);
  if (function == SwitchFunction::kHysteresis) {
    pictures.hysteresisGraph = true;
    pictures.places = {outer1, middle, outer2, kHidden, kHidden, kHidden};
  } else {
    // Below the low point (4), between the points (5), above the high point (6).
    pictures.windowGraph = true;
    pictures.places = {kHidden, kHidden, kHidden, outer2, middle, outer1};
  }
  return pictures;
}

}  // namespace tarnwick
