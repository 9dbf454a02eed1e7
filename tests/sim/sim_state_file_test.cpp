#include "sim/sim_state_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <fstream>

#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

class SimStateFileTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }

  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("tarnwick-sim-state-" + std::to_string(getpid()));
  const std::filesystem::path file = dir / "state.json";
};

TEST_F(SimStateFileTest, ASavedBusLoadsBackWithEveryValue) {
  SimBus bus;
  auto& programmer = bus.Add<Family1Station>(std::uint8_t{4}, 15);
  programmer.SetBusyPolls(3);
  programmer.Stored().coefficients[90] = std::nanf("");
  programmer.Stored().coefficients[91] = -INFINITY;
  programmer.SetAnalogOutputWorks(false);
  programmer.SetLiveBase(1.25f);
  bus.Add<Family2Station>(std::uint8_t{200}).SetMotion({0.0f, std::chrono::milliseconds(5)});
  bus.Add<Family4Station>(std::uint8_t{9}, 6, 20);
  std::string error;
  ASSERT_TRUE(SaveBusState(bus, file, error)) << error;

  SimBus loaded;
  ASSERT_TRUE(LoadBusState(file, loaded, error)) << error;
  EXPECT_EQ(BusStateToJson(loaded), BusStateToJson(bus));
  ASSERT_EQ(loaded.Stations().size(), 3u);
  auto& copy = dynamic_cast<Family1Station&>(*loaded.Stations()[0]);
  EXPECT_TRUE(std::isnan(copy.Stored().coefficients.at(90)));
  EXPECT_EQ(copy.Stored().coefficients.at(91), -INFINITY);
  EXPECT_FALSE(copy.AnalogOutputWorks());
  EXPECT_EQ(copy.BusyPolls(), 3);
  EXPECT_EQ(loaded.Stations()[2]->Identity(), (DeviceIdentity{15, 1, 6, 20, 0, 0}));
}

TEST_F(SimStateFileTest, ABrokenOrMissingFileIsReported) {
  std::ofstream(file) << "{ not json";
  SimBus bus;
  std::string error;
  EXPECT_FALSE(LoadBusState(file, bus, error));
  EXPECT_NE(error.find("not valid JSON"), std::string::npos);
  EXPECT_FALSE(LoadBusState(dir / "missing.json", bus, error));
  EXPECT_NE(error.find("cannot read"), std::string::npos);
}

TEST(SimStateJson, AWrongStateIsRefusedNamingWhereWithoutTouchingTheBus) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({})", "stations"},
      {R"({"stations":[{"family":3,"address":1}]})", "family"},
      {R"({"stations":[{"family":1}]})", "address"},
      {R"({"stations":[{"family":1,"address":1,"identity":[1,2]}]})", "identity"},
      {R"({"stations":[{"family":2,"address":1,"coefficients":{"x":1}}]})", "coefficients x"},
      {R"({"stations":[{"family":4,"address":1,"parameters":{"9":[1,2,3,256]}}]})", "parameters 9"},
      {R"({"stations":[{"family":2,"address":1},{"family":2,"address":"x"}]})", "station 2"},
  };
  for (const auto& [json, mentions] : cases) {
    SimBus bus;
    bus.Add<Family2Station>(std::uint8_t{1});
    std::string error;
    EXPECT_FALSE(BusStateFromJson(nlohmann::json::parse(json), bus, error)) << json;
    EXPECT_NE(error.find(mentions), std::string::npos) << error;
    EXPECT_EQ(bus.Stations().size(), 1u) << json;
  }
}

}  // namespace
}  // namespace tarnwick
