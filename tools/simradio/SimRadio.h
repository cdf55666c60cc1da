#pragma once
// A radio that answers the serial programming protocol from a 16 KiB memory, with faults that
// can be switched on to test how the program copes with a misbehaving line or radio.
#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "comm/CommPorts.h"

namespace rp::sim {

constexpr int kMemorySize = 0x4000;

struct SimRadioConfig {
    std::string Model = "6173USD";  // up to seven characters, sent as is
    std::uint8_t Band = 0;          // band variant byte
    std::string Version = "V100";
    std::uint8_t Status = 0;        // bit 0 killed, bit 1 stunned
    bool AnswerEndWord = false;     // some radios answer END with 0x06
};

// Replies are counted from 1 over the whole life of the radio, of every kind (entry
// acknowledgement, identification, block replies, write acknowledgements).
struct SimFaults {
    int DropReply = 0;        // this reply is not sent
    int CorruptChecksum = 0;  // this reply carries a wrong checksum
    int ShortReply = 0;       // this reply lacks its last byte
    int LongReply = 0;        // this reply carries one byte more
    int WrongAddress = 0;     // this block reply names the following block's address
    int DelayReply = 0;       // this reply comes DelayMs late
    int DelayMs = 0;
    int RefuseWrites = 0;     // the next N write frames are answered 0x0A; -1 for ever
    int RefuseWriteAt = -1;   // the first frame for this address is answered 0x0A
    int SilentAfterBlock = -1;  // once the block at this address was answered...
    int SilentFor = -1;         // ...this many requests get no answer (-1: none ever again)
    // Faults by chance, from RandomSeed (percent of replies or write frames; 0 = never).
    unsigned RandomSeed = 0;
    int DropPercent = 0;      // a reply is not sent
    int DelayPercent = 0;     // a reply comes up to MaxDelayMs late
    int MaxDelayMs = 0;
    int RefusePercent = 0;    // a good write frame is answered 0x0A and not stored
};

struct SimReply {
    ByteBuffer Bytes;
    int DelayMs = 0;
    std::size_t RequestLength = 0;  // bytes of the request that caused it
};

class SimRadio {
public:
    SimRadio();

    std::array<std::uint8_t, kMemorySize> Memory{};
    SimRadioConfig Config;
    SimFaults Faults;

    // Memory from a 16384-byte image file; false with a reason when the file is not one.
    bool LoadImage(const std::string& path, std::string& error);
    bool SaveImage(const std::string& path, std::string& error) const;
    // The programming password in 0x004C..0x004F (empty clears it to 0xFF).
    void SetPassWord(const std::string& pw);

    // Feeds bytes as they arrive on the line; returns the replies to send, in order.
    std::vector<SimReply> Receive(const std::uint8_t* data, std::size_t size);
    std::vector<SimReply> Receive(const ByteBuffer& b) { return Receive(b.data(), b.size()); }

    // What the radio saw, for tests.
    std::vector<int> ReadAddresses;   // every block read request, in order
    std::vector<int> WriteAddresses;  // every block written (stored), in order
    int EntryCount = 0, IdentCount = 0, EndCount = 0, RefusedCount = 0;
    int RepliesMade = 0;
    bool InProgramMode() const { return programming_; }

private:
    void Parse(std::vector<SimReply>& out);
    void Reply(std::vector<SimReply>& out, ByteBuffer bytes, std::size_t requestLength,
               bool isBlock, int blockAddress);
    ByteBuffer BlockReply(int address, int length, bool wrongAddress) const;

    bool Chance(int percent);

    ByteBuffer in_;
    std::mt19937 random_;
    unsigned seededWith_ = 0;
    bool programming_ = false;
    int silentLeft_ = 0;
    bool silent_ = false;
};

}  // namespace rp::sim
