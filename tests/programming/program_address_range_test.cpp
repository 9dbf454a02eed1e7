#include "programming/program_address_range.h"

#include <utility>

#include "device/bus_numbers.h"
#include "programming_test_support.h"

namespace tarnwick {
namespace {

struct RangeCase {
  std::uint8_t first;
  std::uint8_t last;
  std::vector<std::uint8_t> addresses;
};

class RangeAddressesTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeAddressesTest, ServesFromFirstWhileNotAboveLastAndNeverWraps) {
  EXPECT_EQ(RangeAddresses(GetParam().first, GetParam().last), GetParam().addresses);
}

INSTANTIATE_TEST_SUITE_P(Ranges, RangeAddressesTest,
                         ::testing::Values(RangeCase{3, 5, {3, 4, 5}}, RangeCase{7, 5, {7}},
                                           RangeCase{9, 9, {9}}, RangeCase{254, 255, {254, 255}},
                                           RangeCase{255, 255, {255}}, RangeCase{255, 4, {255}}));

FactoryProgramInputs Inputs(std::uint8_t first, std::uint8_t last) {
  FactoryProgramInputs in;
  in.firstAddress = first;
  in.lastAddress = last;
  in.pressureRangeMinBar = -1.0F;
  in.pressureRangeMaxBar = 25.0F;
  in.temperatureRangeMin = -20.0F;
  in.temperatureRangeMax = 70.0F;
  in.analogOutSelected = true;
  in.switch1 = {12.5F, 10.0F, 4, 2, 25, 50};
  in.switch2 = {8.0F, 2.0F, 1, 1, 0, 255};
  in.windowHysteresis = 17;
  in.writeSerialNumbers = true;
  in.firstSerialNumber = 1000;
  return in;
}

class FactoryRangeTest : public ProgrammingTest {
 protected:
  void AddStations(std::initializer_list<std::uint8_t> addresses) {
    for (const std::uint8_t address : addresses) {
      stations.push_back(&sim.bus.Add<Family1Station>(address));
    }
    StartRecording();
  }
  EngineOutcome Run(const FactoryProgramInputs& inputs) {
    return ProgramAddressRange(inputs, sim.clock, observer,
                               [this](RangePass pass, std::uint8_t address) {
                                 served.emplace_back(static_cast<int>(pass), address);
                               });
  }
  std::vector<std::uint8_t> AddressesOnTheWire() const {
    std::vector<std::uint8_t> addresses;
    for (const RequestFrame& frame : Frames()) addresses.push_back(frame.address);
    return addresses;
  }

  std::vector<Family1Station*> stations;
  std::vector<std::pair<int, int>> served;
};

// What one ready programmer receives in the write pass, serial number included.
std::vector<RequestFrame> WritePass(std::uint8_t a, ParameterBytes serial) {
  return {wire::WriteParam(a, 0, {0, 0, 0, kProgrammerFactoryCode}),
          wire::Coef(a, 80, -1.0F),
          wire::Coef(a, 81, 25.0F),
          wire::Coef(a, 86, -20.0F),
          wire::Coef(a, 87, 70.0F),
          wire::Coef(a, 94, 0.5F),
          wire::Coef(a, 95, 4.5F),
          wire::Coef(a, 72, 12.5F),
          wire::Coef(a, 73, 10.0F),
          wire::Coef(a, 78, 8.0F),
          wire::Coef(a, 79, 2.0F),
          wire::WriteParam(a, 2, serial),
          wire::WriteParam(a, 3, {2, 1, 0, 0}),
          wire::WriteParam(a, 9, {4, 25, 50, 0}),
          wire::WriteParam(a, 10, {1, 0, 255, 0}),
          wire::WriteParam(a, 11, {17, 0, 0, 0}),
          wire::Job(a, 1)};
}

TEST_F(FactoryRangeTest, ThreePassesOverEveryAddressWithAscendingSerialNumbers) {
  AddStations({3, 4, 5});

  EXPECT_TRUE(Run(Inputs(3, 5)).succeeded());

  // Each programmer is busy for two polls after every job 1.
  const auto ready = [](std::uint8_t a) { return wire::StatusPolls(a, 3); };
  EXPECT_EQ(Frames(), Concat<RequestFrame>(
                          {{wire::IdentifyWithCode(3), wire::Job(3, 1), wire::IdentifyWithCode(4),
                            wire::Job(4, 1), wire::IdentifyWithCode(5), wire::Job(5, 1)},
                           ready(3),
                           WritePass(3, {0x00, 0x00, 0x03, 0xE8}),
                           ready(4),
                           WritePass(4, {0x00, 0x00, 0x03, 0xE9}),
                           ready(5),
                           WritePass(5, {0x00, 0x00, 0x03, 0xEA}),
                           ready(3),
                           {wire::Job(3, 2)},
                           ready(4),
                           {wire::Job(4, 2)},
                           ready(5),
                           {wire::Job(5, 2)}}));
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(18, 200));
  EXPECT_EQ(observer.reports, Concat<std::string>({{"=5", "=20"}, Polls(9), {"=50", "=70"}}));
  EXPECT_EQ(served, (std::vector<std::pair<int, int>>{
                        {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 3}, {3, 4}, {3, 5}}));

  for (std::size_t n = 0; n < stations.size(); ++n) {
    const StationMemory& held = stations[n]->Stored();
    EXPECT_EQ(held.serialNumber, 1000 + static_cast<int>(n));
    EXPECT_EQ(held.parameters.at(0)[3], kProgrammerFactoryCode);
    EXPECT_EQ(held.parameters.at(9), (ParameterBytes{4, 25, 50, 0}));
    EXPECT_EQ(held.parameters.at(11), (ParameterBytes{17, 0, 0, 0}));
    EXPECT_EQ(held.coefficients.at(81), 25.0F);
    EXPECT_EQ(held.coefficients.at(95), 4.5F);
  }
}

TEST_F(FactoryRangeTest, ReversedRangeServesTheFirstAddressOnly) {
  AddStations({5, 6, 7});

  EXPECT_TRUE(Run(Inputs(7, 5)).succeeded());

  EXPECT_EQ(AddressesOnTheWire(), std::vector<std::uint8_t>(Frames().size(), 7));
  EXPECT_EQ(served, (std::vector<std::pair<int, int>>{{1, 7}, {2, 7}, {3, 7}}));
  EXPECT_EQ(stations[2]->Stored().serialNumber, 1000);
}

TEST_F(FactoryRangeTest, RangeEndingAt255StopsThere) {
  AddStations({254, 255});

  EXPECT_TRUE(Run(Inputs(254, 255)).succeeded());

  EXPECT_EQ(std::ranges::count(AddressesOnTheWire(), 0), 0);
  EXPECT_EQ(served.size(), 6U);
  EXPECT_EQ(stations[1]->Stored().serialNumber, 1001);
}

TEST_F(FactoryRangeTest, UncheckedOptionsWriteNeitherAnalogOutputNorSerialNumber) {
  AddStations({3, 4});
  FactoryProgramInputs inputs = Inputs(3, 4);
  inputs.analogOutSelected = false;
  inputs.writeSerialNumbers = false;
  const std::int32_t serialBefore = stations[1]->Stored().serialNumber;

  EXPECT_TRUE(Run(inputs).succeeded());

  for (const RequestFrame& frame : Frames()) {
    const bool analog = frame.function == kFnWriteCoefficient && frame.data[0] >= 94;
    const bool serial = frame.function == kFnWriteParameter && frame.data[0] == 2;
    EXPECT_FALSE(analog || serial) << int{frame.data[0]};
  }
  EXPECT_EQ(stations[1]->Stored().serialNumber, serialBefore);
}

struct StationFailureCase {
  const char* name;
  StationFaults faults;
  int message;
  RangePass failingPass;
  std::size_t waits;  // of the whole run
};

class FailingStation : public FactoryRangeTest,
                       public ::testing::WithParamInterface<StationFailureCase> {};

TEST_P(FailingStation, EndsTheRunWithItsAddress) {
  const StationFailureCase& c = GetParam();
  AddStations({3, 4, 5});
  stations[1]->SetFaults(c.faults);
  const StationMemory untouched = stations[2]->Stored();

  const EngineOutcome outcome = Run(Inputs(3, 5));

  EXPECT_EQ(outcome.message, c.message);
  EXPECT_EQ(outcome.address, 4);
  EXPECT_EQ(Frames().back().address, 4);
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(c.waits, 200));
  ASSERT_FALSE(served.empty());
  // Address 3 was served in the failing pass, and nothing came after it.
  EXPECT_EQ(served.back(), std::make_pair(static_cast<int>(c.failingPass), 3));
  if (c.failingPass == RangePass::kWrite) {
    EXPECT_EQ(stations[0]->Stored().serialNumber, 1000);
    EXPECT_EQ(stations[2]->Stored(), untouched);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingStation,
    ::testing::Values(
        StationFailureCase{"Absent", {.silent = true}, kMsgNoAnswer, RangePass::kAnnounce, 0},
        StationFailureCase{"RefusesAJob",
                           {.exception = 3, .onlyFunction = kFnStartProgrammerJob},
                           kMsgNoAnswer,
                           RangePass::kAnnounce,
                           0},
        StationFailureCase{"RefusesACoefficient",
                           {.exception = 2, .onlyFunction = kFnWriteCoefficient, .onlyIndex = 86},
                           kMsgNoAnswer,
                           RangePass::kWrite,
                           6},
        StationFailureCase{"StatusUnreadable",
                           {.silent = true, .onlyFunction = kFnReadParameter, .onlyIndex = 0},
                           kMsgNoAnswer,
                           RangePass::kWrite,
                           3},
        StationFailureCase{"BusyForever",
                           {.programmerBusyForever = true},
                           kMsgWriteFailed,
                           RangePass::kWrite,
                           3 + 21},
        StationFailureCase{
            "NoSwitch", {.noSwitch = true}, kMsgWriteFailed, RangePass::kWrite, 3 + 21},
        StationFailureCase{"RefusesTheTransfer",
                           {.exception = 3, .onlyFunction = kFnStartProgrammerJob, .onlyIndex = 2},
                           kMsgWriteFailed,
                           RangePass::kTransfer,
                           9 + 6}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick
