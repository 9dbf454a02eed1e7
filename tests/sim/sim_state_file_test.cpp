#include "sim/sim_state_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <fstream>

#include "bus/commands.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

class SimStateFileTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("tarnwick-sim-state-" + std::to_string(getpid()));
  std::filesystem::path file = [this] {
    std::filesystem::create_directories(dir);
    return dir / "state.json";
  }();
};

TEST_F(SimStateFileTest, ProgrammingSurvivesARestart) {
  {
    SimEnvironment sim;
    sim.bus.Add<Family1Station>(std::uint8_t{1}).SetBusyPolls(3);
    sim.bus.Add<Family2Station>(std::uint8_t{5});
    sim.bus.Add<Family4Station>(std::uint8_t{9}, 6, 20);
    ASSERT_EQ(sim.OpenLink(), kBusOk);
    ASSERT_EQ(WriteCoefficient(1, 72, 7.75f), kBusOk);
    ASSERT_EQ(WriteParameter(1, 2, {0, 0, 0x03, 0xE8}), kBusOk);
    ASSERT_EQ(WriteConfig(5, 18, {0x19, 0x21, 0, 0, 0}), kBusOk);
    ASSERT_EQ(WriteParameter(9, 10, {2, 255, 10, 0}), kBusOk);
    std::string error;
    ASSERT_TRUE(SaveBusState(sim.bus, file, error)) << error;
  }
  SimEnvironment sim;
  std::string error;
  ASSERT_TRUE(LoadBusState(file, sim.bus, error)) << error;
  ASSERT_EQ(sim.bus.Stations().size(), 3u);
  ASSERT_EQ(sim.OpenLink(), kBusOk);

  float value = 0;
  std::int32_t serial = 0;
  ConfigBytes r{};
  ParameterBytes p{};
  DeviceIdentity id;
  ASSERT_EQ(ReadCoefficient(1, 72, value), kBusOk);
  ASSERT_EQ(ReadSerialNumber(1, serial), kBusOk);
  ASSERT_EQ(ReadConfig(5, 18, r), kBusOk);
  ASSERT_EQ(ReadParameter(9, 10, p), kBusOk);
  ASSERT_EQ(Identify(9, id), kBusOk);
  EXPECT_FLOAT_EQ(value, 7.75f);
  EXPECT_EQ(serial, 1000);
  EXPECT_EQ(r[0], 0x19);
  EXPECT_EQ(p, (ParameterBytes{2, 255, 10, 0}));
  EXPECT_EQ(id, (DeviceIdentity{15, 1, 6, 20, 0, 0}));
  EXPECT_EQ(dynamic_cast<Family1Station&>(*sim.bus.Stations()[0]).BusyPolls(), 3);
}

TEST_F(SimStateFileTest, JsonRoundTripKeepsEveryValue) {
  SimBus bus;
  auto& programmer = bus.Add<Family1Station>(std::uint8_t{4}, 15);
  programmer.Stored().coefficients[90] = std::nanf("");
  programmer.Stored().coefficients[91] = -INFINITY;
  programmer.SetAnalogOutputWorks(false);
  programmer.SetLiveBase(1.25f);
  bus.Add<Family2Station>(std::uint8_t{200}).SetMotion({0.0f, std::chrono::milliseconds(5)});

  const nlohmann::json state = BusStateToJson(bus);
  SimBus copy;
  std::string error;
  ASSERT_TRUE(BusStateFromJson(state, copy, error)) << error;
  EXPECT_EQ(BusStateToJson(copy), state);
  auto& loaded = dynamic_cast<Family1Station&>(*copy.Stations()[0]);
  EXPECT_TRUE(std::isnan(loaded.Stored().coefficients.at(90)));
  EXPECT_FALSE(loaded.AnalogOutputWorks());
  EXPECT_EQ(loaded.Identity().VersionMinor, 15);
  EXPECT_EQ(state["stations"][0]["coefficients"]["72"], 6.0);
}

struct BadState {
  const char* name;
  const char* json;
  const char* mentions;
};

class SimStateFileBad : public ::testing::TestWithParam<BadState> {};

TEST_P(SimStateFileBad, IsRefusedWithoutTouchingTheBus) {
  SimBus bus;
  bus.Add<Family2Station>(std::uint8_t{1});
  std::string error;
  EXPECT_FALSE(BusStateFromJson(nlohmann::json::parse(GetParam().json), bus, error));
  EXPECT_NE(error.find(GetParam().mentions), std::string::npos) << error;
  EXPECT_EQ(bus.Stations().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimStateFileBad,
    ::testing::Values(
        BadState{"NoStations", R"({})", "stations"},
        BadState{"Family3", R"({"stations":[{"family":3,"address":1}]})", "family"},
        BadState{"NoAddress", R"({"stations":[{"family":1}]})", "address"},
        BadState{"ShortIdentity", R"({"stations":[{"family":1,"address":1,"identity":[1,2]}]})",
                 "identity"},
        BadState{"BadKey", R"({"stations":[{"family":2,"address":1,"coefficients":{"x":1}}]})",
                 "coefficients x"},
        BadState{"ByteTooBig",
                 R"({"stations":[{"family":4,"address":1,"parameters":{"9":[1,2,3,256]}}]})",
                 "parameters 9"},
        BadState{"SecondStation",
                 R"({"stations":[{"family":2,"address":1},{"family":2,"address":"x"}]})",
                 "station 2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimStateFileTest, BrokenFileIsReported) {
  std::ofstream(file) << "{ not json";
  SimBus bus;
  std::string error;
  EXPECT_FALSE(LoadBusState(file, bus, error));
  EXPECT_NE(error.find("not valid JSON"), std::string::npos);
  EXPECT_FALSE(LoadBusState(dir / "missing.json", bus, error));
  EXPECT_NE(error.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace tarnwick
