#include "bus/device_commands.h"

#include <algorithm>
#include <span>

#include "bus/bus_frame.h"
#include "bus/byte_order.h"
#include "bus/protocol_numbers.h"

namespace tarnwick {
namespace {

// One command's fixed exchange buffer: request, CRC, echo room and reply.
template <FrameLengths kLengths>
class Exchange {
 public:
  Exchange(std::uint8_t address, std::uint8_t function) {
    buffer_[kAddressOffset] = address;
    buffer_[kFunctionOffset] = function;
  }

  std::uint8_t* request() { return buffer_.data() + kDataOffset; }
  const std::uint8_t* reply() const { return buffer_.data() + ReplyDataOffset(kLengths.request); }
  bool Run(BusLink& link) {
    result_ = link.Transfer(buffer_, kLengths.request, kLengths.reply);
    return result_ == BusResult::kOk;
  }
  BusResult result() const { return result_; }

 private:
  std::array<std::uint8_t, ExchangeLength(kLengths.request, kLengths.reply)> buffer_{};
  BusResult result_ = BusResult::kOk;
};

DeviceIdentity IdentityFrom(const std::uint8_t* data) {
  return DeviceIdentity{data[0], data[1], data[2], data[3], data[4], data[5]};
}

}  // namespace

BusResult ReadCoefficient(BusLink& link, std::uint8_t address, std::uint8_t number, float& value) {
  Exchange<kReadCoefficientLengths> x(address, kFnReadCoefficient);
  x.request()[0] = number;
  if (x.Run(link)) value = GetFloatBE(x.reply());
  return x.result();
}

BusResult WriteCoefficient(BusLink& link, std::uint8_t address, std::uint8_t number, float value) {
  Exchange<kWriteCoefficientLengths> x(address, kFnWriteCoefficient);
  x.request()[0] = number;
  PutFloatBE(x.request() + 1, value);
  x.Run(link);
  return x.result();
}

BusResult Identify(BusLink& link, std::uint8_t address, DeviceIdentity& identity) {
  Exchange<kIdentifyLengths> x(address, kFnIdentify);
  if (x.Run(link)) identity = IdentityFrom(x.reply());
  return x.result();
}

BusResult IdentifyWithCode(BusLink& link, std::uint8_t address, DeviceIdentity& identity) {
  Exchange<kIdentifyWithCodeLengths> x(address, kFnIdentify);
  std::copy(kIdentifyCode.begin(), kIdentifyCode.end(), x.request());
  if (x.Run(link)) identity = IdentityFrom(x.reply());
  return x.result();
}

BusResult SetBusAddress(BusLink& link, std::uint8_t address, std::uint8_t newAddress,
                        std::uint8_t& reportedAddress) {
  Exchange<kSetBusAddressLengths> x(address, kFnSetBusAddress);
  x.request()[0] = newAddress;
  if (x.Run(link)) reportedAddress = x.reply()[0];
  return x.result();
}

BusResult ReadSerialNumber(BusLink& link, std::uint8_t address, std::int32_t& serialNumber) {
  Exchange<kReadSerialNumberLengths> x(address, kFnReadSerialNumber);
  if (x.Run(link)) serialNumber = static_cast<std::int32_t>(GetU32BE(x.reply()));
  return x.result();
}

BusResult ReadChannel(BusLink& link, std::uint8_t address, std::uint8_t channel, float& value,
                      std::uint8_t& status) {
  Exchange<kReadChannelLengths> x(address, kFnReadChannel);
  x.request()[0] = channel;
  if (x.Run(link)) {
    value = GetFloatBE(x.reply());
    status = x.reply()[4];
  }
  return x.result();
}

BusResult ReadConfig(BusLink& link, std::uint8_t address, std::uint8_t index, ConfigBytes& bytes) {
  Exchange<kReadConfigLengths> x(address, kFnReadConfig);
  x.request()[0] = index;
  if (x.Run(link)) std::copy_n(x.reply(), bytes.size(), bytes.begin());
  return x.result();
}

BusResult WriteConfig(BusLink& link, std::uint8_t address, std::uint8_t index,
                      const ConfigBytes& bytes) {
  Exchange<kWriteConfigLengths> x(address, kFnWriteConfig);
  x.request()[0] = index;
  std::copy(bytes.begin(), bytes.end(), x.request() + 1);
  x.Run(link);
  return x.result();
}

BusResult ReadParameter(BusLink& link, std::uint8_t address, std::uint8_t index,
                        ParameterBytes& bytes) {
  Exchange<kReadParameterLengths> x(address, kFnReadParameter);
  x.request()[0] = index;
  if (x.Run(link)) std::copy_n(x.reply(), bytes.size(), bytes.begin());
  return x.result();
}

BusResult WriteParameter(BusLink& link, std::uint8_t address, std::uint8_t index,
                         const ParameterBytes& bytes) {
  Exchange<kWriteParameterLengths> x(address, kFnWriteParameter);
  x.request()[0] = index;
  std::copy(bytes.begin(), bytes.end(), x.request() + 1);
  x.Run(link);
  return x.result();
}

BusResult StartProgrammerJob(BusLink& link, std::uint8_t address, std::uint8_t job) {
  Exchange<kStartProgrammerJobLengths> x(address, kFnStartProgrammerJob);
  x.request()[0] = job;
  x.Run(link);
  return x.result();
}

}  // namespace tarnwick
