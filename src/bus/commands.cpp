#include "bus/commands.h"

#include <algorithm>
#include <span>

#include "bus/bus_link.h"
#include "bus/byte_order.h"
#include "bus/functions.h"

namespace tarnwick {
namespace {

// One command's fixed exchange buffer: request, CRC, echo room and reply.
template <FrameLengths kLengths>
class Exchange {
 public:
  Exchange(std::uint8_t address, std::uint8_t function) {
    buffer_[0] = address;
    buffer_[1] = function;
  }

  std::uint8_t* request() { return buffer_.data() + 2; }
  const std::uint8_t* reply() const { return buffer_.data() + kLengths.request + 4; }
  BusResult Run() { return BusTransfer(buffer_, kLengths.request, kLengths.reply); }

 private:
  std::array<std::uint8_t, kLengths.request + kLengths.reply + 4> buffer_{};
};

DeviceIdentity IdentityFrom(const std::uint8_t* data) {
  return DeviceIdentity{data[0], data[1], data[2], data[3], data[4], data[5]};
}

}  // namespace

BusResult ReadCoefficient(std::uint8_t address, std::uint8_t number, float& value) {
  Exchange<kReadCoefficientLengths> x(address, kFnReadCoefficient);
  x.request()[0] = number;
  const BusResult result = x.Run();
  if (result == kBusOk) value = GetFloatBE(x.reply());
  return result;
}

BusResult WriteCoefficient(std::uint8_t address, std::uint8_t number, float value) {
  Exchange<kWriteCoefficientLengths> x(address, kFnWriteCoefficient);
  x.request()[0] = number;
  PutFloatBE(x.request() + 1, value);
  return x.Run();
}

BusResult Identify(std::uint8_t address, DeviceIdentity& identity) {
  Exchange<kIdentifyLengths> x(address, kFnIdentify);
  const BusResult result = x.Run();
  if (result == kBusOk) identity = IdentityFrom(x.reply());
  return result;
}

BusResult IdentifyWithCode(std::uint8_t address, DeviceIdentity& identity) {
  Exchange<kIdentifyWithCodeLengths> x(address, kFnIdentify);
  std::copy(kIdentifyCode.begin(), kIdentifyCode.end(), x.request());
  const BusResult result = x.Run();
  if (result == kBusOk) identity = IdentityFrom(x.reply());
  return result;
}

BusResult SetBusAddress(std::uint8_t address, std::uint8_t newAddress,
                        std::uint8_t& reportedAddress) {
  Exchange<kSetBusAddressLengths> x(address, kFnSetBusAddress);
  x.request()[0] = newAddress;
  const BusResult result = x.Run();
  if (result == kBusOk) reportedAddress = x.reply()[0];
  return result;
}

BusResult ReadSerialNumber(std::uint8_t address, std::int32_t& serialNumber) {
  Exchange<kReadSerialNumberLengths> x(address, kFnReadSerialNumber);
  const BusResult result = x.Run();
  if (result == kBusOk) serialNumber = static_cast<std::int32_t>(GetU32BE(x.reply()));
  return result;
}

BusResult ReadChannel(std::uint8_t address, std::uint8_t channel, float& value,
                      std::uint8_t& status) {
  Exchange<kReadChannelLengths> x(address, kFnReadChannel);
  x.request()[0] = channel;
  const BusResult result = x.Run();
  if (result == kBusOk) {
    value = GetFloatBE(x.reply());
    status = x.reply()[4];
  }
  return result;
}

BusResult ReadConfig(std::uint8_t address, std::uint8_t index, ConfigBytes& bytes) {
  Exchange<kReadConfigLengths> x(address, kFnReadConfig);
  x.request()[0] = index;
  const BusResult result = x.Run();
  if (result == kBusOk) std::copy_n(x.reply(), bytes.size(), bytes.begin());
  return result;
}

BusResult WriteConfig(std::uint8_t address, std::uint8_t index, const ConfigBytes& bytes) {
  Exchange<kWriteConfigLengths> x(address, kFnWriteConfig);
  x.request()[0] = index;
  std::copy(bytes.begin(), bytes.end(), x.request() + 1);
  return x.Run();
}

BusResult ReadParameter(std::uint8_t address, std::uint8_t index, ParameterBytes& bytes) {
  Exchange<kReadParameterLengths> x(address, kFnReadParameter);
  x.request()[0] = index;
  const BusResult result = x.Run();
  if (result == kBusOk) std::copy_n(x.reply(), bytes.size(), bytes.begin());
  return result;
}

BusResult WriteParameter(std::uint8_t address, std::uint8_t index, const ParameterBytes& bytes) {
  Exchange<kWriteParameterLengths> x(address, kFnWriteParameter);
  x.request()[0] = index;
  std::copy(bytes.begin(), bytes.end(), x.request() + 1);
  return x.Run();
}

BusResult StartProgrammerJob(std::uint8_t address, std::uint8_t job) {
  Exchange<kStartProgrammerJobLengths> x(address, kFnStartProgrammerJob);
  x.request()[0] = job;
  return x.Run();
}

}  // namespace tarnwick
