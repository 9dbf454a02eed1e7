#include "programming/program_address_range.h"

#include <utility>

#include "bus/protocol_numbers.h"
#include "device/value_numbers.h"
#include "programming_test_support.h"

namespace tarnwick {
namespace {

TEST(RangeAddresses, ServeFromFirstWhileNotAboveLastAndNeverWrap) {
  using Addresses = std::vector<std::uint8_t>;
  EXPECT_EQ(RangeAddresses(3, 5), (Addresses{3, 4, 5}));
  EXPECT_EQ(RangeAddresses(7, 5), Addresses{7});
  EXPECT_EQ(RangeAddresses(9, 9), Addresses{9});
  EXPECT_EQ(RangeAddresses(254, 255), (Addresses{254, 255}));
  EXPECT_EQ(RangeAddresses(255, 4), Addresses{255});
}

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
    return ProgramAddressRange(sim.link, inputs, observer,
                               [this](RangePass pass, std::uint8_t address) {
                                 served.emplace_back(static_cast<int>(pass), address);
                               });
  }
  std::vector<int> AddressesOnTheWire() const {
    std::vector<int> addresses;
    for (const RequestFrame& frame : Frames()) addresses.push_back(frame.address);
    return addresses;
  }

  std::vector<Family1Station*> stations;
  std::vector<std::pair<int, int>> served;
};

// What one ready programmer receives in the write pass, serial number included.
std::vector<RequestFrame> WritePass(std::uint8_t a, ParameterBytes serial) {
  return {WriteParameterRequest(a, 0, {0, 0, 0, kProgrammerFactoryCode}),
          WriteCoefficientRequest(a, 80, -1.0F),
          WriteCoefficientRequest(a, 81, 25.0F),
          WriteCoefficientRequest(a, 86, -20.0F),
          WriteCoefficientRequest(a, 87, 70.0F),
          WriteCoefficientRequest(a, 94, 0.5F),
          WriteCoefficientRequest(a, 95, 4.5F),
          WriteCoefficientRequest(a, 72, 12.5F),
          WriteCoefficientRequest(a, 73, 10.0F),
          WriteCoefficientRequest(a, 78, 8.0F),
          WriteCoefficientRequest(a, 79, 2.0F),
          WriteParameterRequest(a, 2, serial),
          WriteParameterRequest(a, 3, {2, 1, 0, 0}),
          WriteParameterRequest(a, 9, {4, 25, 50, 0}),
          WriteParameterRequest(a, 10, {1, 0, 255, 0}),
          WriteParameterRequest(a, 11, {17, 0, 0, 0}),
          StartJobRequest(a, 1)};
}

TEST_F(FactoryRangeTest, ThreePassesOverEveryAddressWithAscendingSerialNumbers) {
  AddStations({3, 4, 5});

  EXPECT_TRUE(Run(Inputs(3, 5)).succeeded());

  // Each programmer is busy for two polls after every job 1.
  std::vector<RequestFrame> expected;
  for (const std::uint8_t a : {3, 4, 5}) {
    Append(expected, {IdentifyWithCodeRequest(a), StartJobRequest(a, 1)});
  }
  for (const std::uint8_t a : {3, 4, 5}) {
    Append(expected, StatusPolls(a, 3));
    // Serial numbers 1000, 1001, 1002.
    Append(expected, WritePass(a, {0x00, 0x00, 0x03, static_cast<std::uint8_t>(0xE8 + a - 3)}));
  }
  for (const std::uint8_t a : {3, 4, 5}) {
    Append(expected, StatusPolls(a, 3));
    Append(expected, {StartJobRequest(a, 2)});
  }
  EXPECT_EQ(Frames(), expected);
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(18, 200));
  EXPECT_EQ(observer.events, Concat<std::string>({{"=5", "=20"}, Polls(9), {"=50", "=70"}}));
  EXPECT_EQ(served, (std::vector<std::pair<int, int>>{
                        {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 3}, {3, 4}, {3, 5}}));
  // The stations took what was sent.
  EXPECT_EQ(stations[2]->Stored().serialNumber, 1002);
  EXPECT_EQ(stations[2]->Stored().parameters.at(9), (ParameterBytes{4, 25, 50, 0}));
}

TEST_F(FactoryRangeTest, ReversedRangeServesTheFirstAddressOnly) {
  AddStations({5, 6, 7});

  EXPECT_TRUE(Run(Inputs(7, 5)).succeeded());

  EXPECT_EQ(AddressesOnTheWire(), std::vector<int>(Frames().size(), 7));
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

using enum RangePass;

struct Failure {
  const char* name;
  int message;
  RangePass failingPass;
  std::size_t waits;  // of the whole run
  StationFaults faults;
};

class FailingStation : public FactoryRangeTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailingStation, EndsTheRunWithItsAddress) {
  const Failure& c = GetParam();
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
  if (c.failingPass == kWrite) {
    EXPECT_EQ(stations[0]->Stored().serialNumber, 1000);
    EXPECT_EQ(stations[2]->Stored(), untouched);
  }
}

constexpr std::uint8_t kJob = kFnStartProgrammerJob;

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingStation,
    ::testing::Values(
        Failure{"Absent", kMsgNoAnswer, kAnnounce, 0, {.silent = true}},
        Failure{"RefusesAJob", kMsgNoAnswer, kAnnounce, 0, {.exception = 3, .onlyFunction = kJob}},
        Failure{"RefusesACoefficient",
                kMsgNoAnswer,
                kWrite,
                6,
                {.exception = 2, .onlyFunction = kFnWriteCoefficient, .onlyIndex = 86}},
        Failure{"StatusUnreadable",
                kMsgNoAnswer,
                kWrite,
                3,
                {.silent = true, .onlyFunction = kFnReadParameter, .onlyIndex = 0}},
        Failure{"BusyForever", kMsgWriteFailed, kWrite, 3 + 21, {.programmerBusyForever = true}},
        Failure{"NoSwitch", kMsgWriteFailed, kWrite, 3 + 21, {.noSwitch = true}},
        Failure{"RefusesTheTransfer",
                kMsgWriteFailed,
                kTransfer,
                9 + 6,
                {.exception = 3, .onlyFunction = kJob, .onlyIndex = 2}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick
