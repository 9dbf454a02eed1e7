#include "ports/user_places.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

TEST(UserPlacesTest, EachPlaceFallsBackAsTheEnvironmentThinsOut) {
  UserEnvironment environment{.home = "/home/ana",
                              .configHome = "/cfg",
                              .dataHome = "/data",
                              .runtimeDir = "/run/user/1000",
                              .portsDirectory = "/ports",
                              .appData = {},
                              .userId = 1000};
  UserPlaces places = UserPlacesFor(environment);
  EXPECT_EQ(places.portsDirectory, fs::path("/ports"));
  EXPECT_EQ(places.portNumberFile, fs::path("/cfg/Vostrand/Tarnwick-ports.conf"));
  EXPECT_EQ(places.journalDirectory, fs::path("/data/Vostrand/Tarnwick"));

  environment.portsDirectory.clear();
  environment.configHome.clear();
  environment.dataHome.clear();
  places = UserPlacesFor(environment);
  EXPECT_EQ(places.portsDirectory, fs::path("/run/user/1000/tarnwick/ports"));
  EXPECT_EQ(places.portNumberFile, fs::path("/home/ana/.config/Vostrand/Tarnwick-ports.conf"));
  EXPECT_EQ(places.journalDirectory, fs::path("/home/ana/.local/share/Vostrand/Tarnwick"));

  environment.runtimeDir.clear();
  environment.home.clear();
  places = UserPlacesFor(environment);
  EXPECT_EQ(places.portsDirectory, fs::path("/tmp/tarnwick-1000/ports"));
  EXPECT_EQ(places.journalDirectory, fs::path("/.local/share/Vostrand/Tarnwick"));

  environment.appData = "C:/Users/ana/AppData/Roaming";
  EXPECT_EQ(UserPlacesFor(environment).journalDirectory,
            fs::path("C:/Users/ana/AppData/Roaming/Vostrand/Tarnwick"));
}

}  // namespace
}  // namespace tarnwick
