#include "comm/ProtocolFrames.h"

#include "model/FixedText.h"

namespace rp {

namespace {
ByteBuffer Ascii(std::string_view s) { return ByteBuffer(s.begin(), s.end()); }
}  // namespace

ByteBuffer MakeProgramWord() { return Ascii("PROGRAM"); }
ByteBuffer MakeIdentRequest() { return ByteBuffer{0x02}; }
ByteBuffer MakeEndWord() { return Ascii("END"); }

ByteBuffer MakeReadRequest(int address, int length) {
    return ByteBuffer{0x52, static_cast<std::uint8_t>((address >> 8) & 0xFF),
                      static_cast<std::uint8_t>(address & 0xFF),
                      static_cast<std::uint8_t>(length)};
}

ByteBuffer MakeBlockFrame(int address, const std::uint8_t* data, int length) {
    ByteBuffer f;
    f.reserve(static_cast<std::size_t>(length) + 6);
    f.push_back(0x57);
    f.push_back(static_cast<std::uint8_t>((address >> 8) & 0xFF));
    f.push_back(static_cast<std::uint8_t>(address & 0xFF));
    f.push_back(static_cast<std::uint8_t>(length));
    f.insert(f.end(), data, data + length);
    f.push_back(0);
    f.push_back(kAck);
    AddCheckSum(f, 1);
    return f;
}

static std::uint8_t SumOf(const ByteBuffer& frame, std::size_t first) {
    unsigned sum = 0;
    for (std::size_t i = first; i + 2 < frame.size(); ++i) sum += frame[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

void AddCheckSum(ByteBuffer& frame, std::size_t first) {
    if (frame.size() < first + 2) return;
    frame[frame.size() - 2] = SumOf(frame, first);
}

bool IsCheckSumOK(const ByteBuffer& frame, std::size_t first) {
    if (frame.size() < first + 2) return false;
    return frame[frame.size() - 2] == SumOf(frame, first);
}

bool IsProgramAck(const ByteBuffer& b, std::size_t echo) {
    return b.size() == echo + kProgramAckLength && b[echo] == 'Z' && b[echo + 1] == 'V' &&
           b[echo + 2] == kAck;
}

bool IsAck(const ByteBuffer& b, std::size_t echo) {
    return b.size() == echo + kWriteAckLength && b.back() == kAck;
}

bool IsNak(const ByteBuffer& b, std::size_t echo) {
    return b.size() == echo + kWriteAckLength && b.back() == kNak;
}

bool IsReadReply(const ByteBuffer& b, std::size_t echo, int address, int length) {
    if (b.size() != echo + BlockReplyLength(length)) return false;
    if (b[echo] != 0x57) return false;
    if (b[echo + 1] != ((address >> 8) & 0xFF) || b[echo + 2] != (address & 0xFF)) return false;
    if (b[echo + 3] != length) return false;
    if (b.back() != kAck) return false;
    return IsCheckSumOK(b, echo + 1);
}

bool IsOlderModelCode(std::string_view code) { return code == "ZV853C" || code == "ZV853D"; }

std::optional<IdentReply> ParseIdentReply(const ByteBuffer& b, std::size_t echo) {
    if (b.size() != echo + kIdentReplyLength || b[echo] != 0x49 || b.back() != kAck)
        return std::nullopt;
    IdentReply r;
    std::string model;
    for (std::size_t i = echo + 1; i <= echo + 7; ++i) {
        if (b[i] == 0x00 || b[i] == 0xFF) break;
        model.push_back(static_cast<char>(b[i]));
    }
    r.ModelCode = NormalizeModelCode(model);
    r.BandByte = b[echo + 8];
    for (std::size_t i = echo + 9; i <= echo + 12; ++i)
        if (b[i] != 0x00 && b[i] != 0xFF) r.Version.push_back(static_cast<char>(b[i]));
    r.Killed = (b[echo + 14] & 0x01) != 0;
    r.Fainted = (b[echo + 14] & 0x02) != 0;
    return r;
}

ByteBuffer MakeIdentReply(std::string_view model, std::uint8_t band, std::string_view version,
                          std::uint8_t status) {
    ByteBuffer r(kIdentReplyLength, 0xFF);
    r[0] = 0x49;
    for (std::size_t i = 0; i < 7 && i < model.size(); ++i) r[1 + i] = static_cast<std::uint8_t>(model[i]);
    r[8] = band;
    for (std::size_t i = 0; i < 4 && i < version.size(); ++i) r[9 + i] = static_cast<std::uint8_t>(version[i]);
    r[13] = 0x00;
    r[14] = status;
    r[15] = kAck;
    return r;
}

bool IsPassWordReply(const ByteBuffer& b, std::size_t echo) {
    if (b.size() <= echo || b[echo] != 0x57) return false;
    if (b.size() < echo + 22) return false;
    if (b[echo + 1] * 256 + b[echo + 2] != kPassWordBlockAddress) return false;
    if (b.size() != echo + BlockReplyLength(b[echo + 3])) return false;
    if (b.back() != kAck) return false;
    return IsCheckSumOK(b, echo + 1);
}

std::string RadioPassWord(const ByteBuffer& b, std::size_t echo) {
    std::string pw;
    for (std::size_t i = echo + 16; i < echo + 20 && i < b.size(); ++i) {
        if (b[i] == 0x00 || b[i] == 0xFF) break;
        pw.push_back(static_cast<char>(b[i]));
    }
    return TrimNull(pw);
}

bool CheckPassWord(const ByteBuffer& b, std::size_t echo, std::string_view typed) {
    const std::string pw = RadioPassWord(b, echo);
    return pw.empty() || pw == typed;
}

}  // namespace rp
