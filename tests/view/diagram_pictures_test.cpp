#include "view/diagram_pictures.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

constexpr auto kOpen = ContactPicture::kOpen;
constexpr auto kClosed = ContactPicture::kClosed;
constexpr auto kHidden = ContactPicture::kHidden;

TEST(DelayPanelAvailableTest, PressureSwitchAndNewerLevelDevices) {
  struct Case {
    int family;
    std::uint8_t major;
    std::uint8_t minor;
    bool expected;
  };
  for (const Case& c :
       {Case{1, 5, 12, true}, Case{2, 10, 0, false}, Case{0, 10, 0, false}, Case{4, 6, 10, false},
        Case{4, 6, 20, false}, Case{4, 9, 47, false}, Case{4, 9, 48, true}, Case{4, 9, 49, false},
        Case{4, 10, 0, true}, Case{4, 200, 0, true}}) {
    DeviceIdentity identity;
    identity.VersionMajor = c.major;
    identity.VersionMinor = c.minor;
    EXPECT_EQ(DelayPanelAvailable(c.family, identity), c.expected)
        << "family " << c.family << " version " << int{c.major} << "." << int{c.minor};
  }
}

TEST(SwitchTabPicturesTest, OffHidesEverything) {
  for (SwitchContact contact : {SwitchContact::kNormallyOpen, SwitchContact::kNormallyClosed}) {
    const SwitchTabPictures p = SwitchTabPicturesFor(SwitchFunction::kOff, contact, true);
    EXPECT_FALSE(p.contactGroup || p.switchPoints || p.delayGroup || p.hysteresisGraph ||
                 p.windowGraph);
    for (int place = 1; place <= 6; ++place) EXPECT_EQ(p.AtPlace(place), kHidden);
  }
}

struct DiagramCase {
  SwitchFunction function;
  SwitchContact contact;
  bool hysteresisGraph;
  std::array<ContactPicture, 6> places;
};

TEST(SwitchTabPicturesTest, SymbolsTellWhenTheContactIsClosed) {
  const DiagramCase cases[] = {
      // Closes on the way up through the high point, opens on the way down through the low one.
      {SwitchFunction::kHysteresis,
       SwitchContact::kNormallyOpen,
       true,
       {kOpen, kClosed, kOpen, kHidden, kHidden, kHidden}},
      {SwitchFunction::kHysteresis,
       SwitchContact::kNormallyClosed,
       true,
       {kClosed, kOpen, kClosed, kHidden, kHidden, kHidden}},
      // Closed between the points: place 5; above is 6, below is 4.
      {SwitchFunction::kWindow,
       SwitchContact::kNormallyOpen,
       false,
       {kHidden, kHidden, kHidden, kOpen, kClosed, kOpen}},
      {SwitchFunction::kWindow,
       SwitchContact::kNormallyClosed,
       false,
       {kHidden, kHidden, kHidden, kClosed, kOpen, kClosed}},
  };
  for (const DiagramCase& c : cases) {
    for (bool delays : {false, true}) {
      const SwitchTabPictures p = SwitchTabPicturesFor(c.function, c.contact, delays);
      EXPECT_TRUE(p.contactGroup);
      EXPECT_TRUE(p.switchPoints);
      EXPECT_EQ(p.delayGroup, delays);
      EXPECT_EQ(p.hysteresisGraph, c.hysteresisGraph);
      EXPECT_EQ(p.windowGraph, !c.hysteresisGraph);
      EXPECT_EQ(p.places, c.places);
    }
  }
}

}  // namespace
}  // namespace tarnwick
