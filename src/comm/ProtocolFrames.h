#pragma once
// The frames of the serial programming protocol and the recognisers of the radio's replies.
// Addresses go high byte first. A block frame is 'W', address high, address low, length,
// data, checksum, 0x06; the checksum is the byte sum from the address high byte to the last
// data byte.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "comm/CommPorts.h"
#include "model/ModelTable.h"  // NormalizeModelCode

namespace rp {

constexpr int kReadBlockSize = 16;
constexpr int kWriteBlockSize = 16;
constexpr int kPassWordBlockAddress = 0x0040;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x0A;

// Reply lengths after the echo.
constexpr std::size_t kProgramAckLength = 3;
constexpr std::size_t kIdentReplyLength = 16;
constexpr std::size_t BlockReplyLength(int length) { return static_cast<std::size_t>(length) + 6; }
constexpr std::size_t kWriteAckLength = 1;

ByteBuffer MakeProgramWord();
ByteBuffer MakeIdentRequest();
ByteBuffer MakeReadRequest(int address, int length);
// A block frame carrying length bytes from data, checksum filled in.
ByteBuffer MakeBlockFrame(int address, const std::uint8_t* data, int length);
ByteBuffer MakeEndWord();

// Sum of frame[first .. size-3] into frame[size-2]. Frames shorter than first + 2 are left alone.
void AddCheckSum(ByteBuffer& frame, std::size_t first);
bool IsCheckSumOK(const ByteBuffer& frame, std::size_t first);

bool IsProgramAck(const ByteBuffer& buffer, std::size_t echo);
bool IsAck(const ByteBuffer& buffer, std::size_t echo);
bool IsNak(const ByteBuffer& buffer, std::size_t echo);
// A block reply for exactly this address and length, with a right checksum.
bool IsReadReply(const ByteBuffer& buffer, std::size_t echo, int address, int length);

// What the radio says about itself.
struct IdentReply {
    std::string ModelCode;  // normalised
    int BandByte = 0;       // as sent; only 0..7 name a band variant
    std::string Version;
    bool Killed = false;
    bool Fainted = false;   // stunned
};
std::optional<IdentReply> ParseIdentReply(const ByteBuffer& buffer, std::size_t echo);
// The identification reply a radio with these properties sends (used by the simulated radio).
ByteBuffer MakeIdentReply(std::string_view model, std::uint8_t band, std::string_view version,
                          std::uint8_t status);

// The two older models whose memory layout differs and ends at 0x3D00.
bool IsOlderModelCode(std::string_view code);

// The password-block reply: a right block reply for address 0x0040 (the step is the caller's).
bool IsPassWordReply(const ByteBuffer& buffer, std::size_t echo);
// The radio's password from that reply: up to four characters, ending at 0x00 or 0xFF.
std::string RadioPassWord(const ByteBuffer& buffer, std::size_t echo);
// True when the radio has no password or it equals typed exactly (case counts).
bool CheckPassWord(const ByteBuffer& buffer, std::size_t echo, std::string_view typed);

}  // namespace rp
