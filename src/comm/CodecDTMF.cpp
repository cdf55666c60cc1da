// DTMF settings with the kill and stun codes (0x02E0), the two PTT-ID codes (0x0340, 0x0350) and
// the memories M1..M16 (0x0400). Codes are radio digits 0-9, A-D, E (*) and F (#), packed two to
// a byte, followed by their digit count.
#include <algorithm>

#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kKillCode = 0x02E0;
constexpr int kStunCode = 0x02E8;
constexpr int kKillCodeBytes = 7;  // 14 digits, count in the eighth byte
constexpr int kPttIdMode = 0x02F0;
constexpr int kOwnId = 0x02F1;
constexpr int kTimings = 0x02F4;  // nine bytes
constexpr int kPttIdBegin = 0x0340;
constexpr int kPttIdEnd = 0x0350;
constexpr int kMemories = 0x0400;
constexpr int kMemorySize = 16;
constexpr int kCodeBytes = 12;  // 24 digits, count in the thirteenth byte

// A count byte beyond the place (FF in an erased radio) reads as a full place; the count itself
// stays in Length, and a code that still fills its place is written back with it, so the radio
// gets back the byte it held. Any other code is written with its own digit count.
template <std::size_t N>
void PutCode(ImageWriter& w, int a, int bytes, const FixedText<N>& code, std::int16_t length) {
    const std::string digits = code.Trimmed();
    w.NibbleDigits(a, bytes, digits);
    const long long places = 2LL * bytes;
    const bool keptCount = static_cast<long long>(digits.size()) == places && length > places && length <= 0xFF;
    w.Byte(a + bytes, keptCount ? length : static_cast<long long>(digits.size()));
}

template <std::size_t N>
void GetCode(std::span<const std::uint8_t> img, int a, int bytes, FixedText<N>& code, std::int16_t& length) {
    const int count = GetImageByte(img, a + bytes);
    code = GetNibbleDigits(img, a, std::min(count, 2 * bytes));
    length = static_cast<std::int16_t>(count);
}

std::int16_t* Timings(DTMFData& d, int i) {
    std::int16_t* t[9] = {&d.SeparatorDigit, &d.GroupDigit, &d.DecodeResponse, &d.FirstDigitDelay, &d.PreSendDelay,
                          &d.ResetTime, &d.PostSendDelay, &d.PauseTime, &d.SideTone};
    return t[i];
}

}  // namespace

bool SetCommDataByDTMF(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    DTMFData d = s.CurRadioData.Signal.DTMF;
    PutCode(w, kKillCode, kKillCodeBytes, d.KillCode.Code, d.KillCode.Length);
    PutCode(w, kStunCode, kKillCodeBytes, d.StunCode.Code, d.StunCode.Length);
    w.Byte(kPttIdMode, d.PttIdMode);
    w.RawText(kOwnId, d.OwnId);
    for (int i = 0; i < 9; ++i) w.Byte(kTimings + i, *Timings(d, i));
    PutCode(w, kPttIdBegin, kCodeBytes, d.PttIdBegin.Code, d.PttIdBegin.Length);
    PutCode(w, kPttIdEnd, kCodeBytes, d.PttIdEnd.Code, d.PttIdEnd.Length);
    for (int k = 0; k < 16; ++k) {
        const DTMFCodeEntry& e = d.Memories[static_cast<std::size_t>(k)];
        PutCode(w, kMemories + kMemorySize * k, kCodeBytes, e.Code, e.Length);
    }
    return FinishEncoder(s, w, "SetCommDataByDTMFError", m);
}

void GetCommDataByDTMF(AppState& s) {
    const auto img = ImageOf(s);
    DTMFData& d = s.CurRadioData.Signal.DTMF;
    GetCode(img, kKillCode, kKillCodeBytes, d.KillCode.Code, d.KillCode.Length);
    GetCode(img, kStunCode, kKillCodeBytes, d.StunCode.Code, d.StunCode.Length);
    d.PttIdMode = GetImageByte(img, kPttIdMode);
    GetRawText(img, kOwnId, d.OwnId);
    for (int i = 0; i < 9; ++i) *Timings(d, i) = GetImageByte(img, kTimings + i);
    GetCode(img, kPttIdBegin, kCodeBytes, d.PttIdBegin.Code, d.PttIdBegin.Length);
    GetCode(img, kPttIdEnd, kCodeBytes, d.PttIdEnd.Code, d.PttIdEnd.Length);
    for (int k = 0; k < 16; ++k) {
        DTMFCodeEntry& e = d.Memories[static_cast<std::size_t>(k)];
        GetCode(img, kMemories + kMemorySize * k, kCodeBytes, e.Code, e.Length);
    }
}

}  // namespace rp
