#pragma once

#include <cstdint>
#include <span>

#include "bus/bus_result.h"

namespace tarnwick {

// The frame of the protocol, requests and replies alike: address, function
// number, data, and the CRC-16 of everything before it, high byte first.
inline constexpr int kAddressOffset = 0;
inline constexpr int kFunctionOffset = 1;
inline constexpr int kDataOffset = 2;
inline constexpr int kCrcLength = 2;
// Address, function number + kExceptionFlag, exception code, CRC.
inline constexpr int kExceptionReplyLength = 5;
// Added to the function number in an exception reply, compared as a whole
// number: a function of 128 or more never has an exception reply.
inline constexpr int kExceptionFlag = 128;

// An exchange buffer holds the request (L bytes without CRC), its CRC, and
// the reply (R bytes without CRC) with its CRC; the line echoes the request
// ahead of the reply into the same buffer.
constexpr int ExchangeLength(int requestLength, int replyLength) {
  return requestLength + kCrcLength + replyLength + kCrcLength;
}
// Where the reply's address byte lands.
constexpr int ReplyOffset(int requestLength) { return requestLength + kCrcLength; }
// Where the reply's first data byte lands.
constexpr int ReplyDataOffset(int requestLength) {
  return ReplyOffset(requestLength) + kDataOffset;
}

// Writes the CRC of the request's first `requestLength` bytes after them.
// `frame` holds at least requestLength + 2 bytes.
void SealRequest(std::span<std::uint8_t> frame, int requestLength);

// The result of an exchange from what the read received: the echoed request
// followed by as much of the reply as arrived. kNoAnswer when nothing came
// beyond the echo; kBadReply for a reply shorter than an exception reply,
// one whose CRC does not match, an exception code the protocol does not know,
// or a normal reply shorter than the command's `replyLength`; the exception
// code for an exception reply; kOk otherwise.
BusResult CheckReply(std::span<const std::uint8_t> received, int requestLength, int replyLength);

}  // namespace tarnwick
