#include "device/same_device.h"

#include "bus/protocol_numbers.h"
#include "programming/programming_test_support.h"

namespace tarnwick {
namespace {

TEST_F(ProgrammingTest, CheckSameDeviceComparesIdentityThenSerialNumber) {
  struct Case {
    const char* name;
    DeviceIdentity identity;
    std::int32_t serial;
    StationFaults faults;
    int message;
    std::vector<RequestFrame> frames;
    std::vector<int> waits;
  };
  constexpr DeviceIdentity kLevel{15, 1, 10, 0, 0, 0};
  constexpr std::int32_t kSerial = 400017;
  const RequestFrame id = IdentifyRequest(250);
  const RequestFrame sn = ReadSerialNumberRequest(250);
  const StationFaults refuseSerial{.exception = 2, .onlyFunction = kFnReadSerialNumber};
  const Case cases[] = {
      {"same", kLevel, kSerial, {}, kMsgNone, {id, sn}, {}},
      {"spare bytes not compared", {15, 1, 10, 0, 7, 9}, kSerial, {}, kMsgNone, {id, sn}, {}},
      {"other version", {15, 1, 10, 1, 0, 0}, kSerial, {}, kMsgDeviceChanged, {id}, {}},
      {"other group", {15, 2, 10, 0, 0, 0}, kSerial, {}, kMsgDeviceChanged, {id}, {}},
      {"other serial", kLevel, kSerial + 1, {}, kMsgDeviceChanged, {id, sn}, {}},
      {"silent: asked twice", kLevel, kSerial, {.silent = true}, kMsgNoAnswer, {id, id}, {500}},
      {"serial number refused", kLevel, kSerial, refuseSerial, kMsgNoAnswer, {id, sn}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim.bus.RemoveAll();
    sim.bus.Add<Family4Station>(std::uint8_t{250}).SetFaults(c.faults);
    StartRecording();
    const EngineOutcome outcome = CheckSameDevice(sim.link, 250, c.identity, c.serial);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_FALSE(outcome.address.has_value());
    EXPECT_EQ(Frames(), c.frames);
    EXPECT_EQ(EngineWaits(sim.clock), c.waits);
  }
}

}  // namespace
}  // namespace tarnwick
