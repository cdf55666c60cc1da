// MSK settings (0x0170), the MSK in-use bitmap (0x0384) and the 32-entry MSK list (0x3B00).
#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kMSKSettings = 0x0170;
constexpr int kMSKBitmap = 0x0384;
constexpr int kMSKList = 0x3B00;
constexpr int kMSKEntrySize = 32;

// Settings offsets.
constexpr int kOwnID = 0, kGroupID = 2, kPreSendDelay = 4, kSideTone = 5, kPTTIDMode = 6;
constexpr int kDecodeResponse = 7, kAutoResetTime = 8, kReserved = 9, kHopFrequency = 14;
// Entry offsets.
constexpr int kCallType = 0, kIndividualID = 1, kEntryGroupID = 3, kMessageLength = 5;
constexpr int kMessageCode = 6, kEntryName = 24;

// An ID is four hexadecimal digits, kept by the radio as two bytes.
template <std::size_t N>
void PutID(ImageWriter& w, int a, const FixedText<N>& id) { w.HexDigits(a, 2, id.Trimmed()); }

template <std::size_t N>
void GetID(std::span<const std::uint8_t> img, int a, FixedText<N>& id) { id = GetHexDigits(img, a, 2); }

}  // namespace

bool SetCommDataByMSK(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    const MSKData& d = s.CurRadioData.MSK;
    const MSKHeader& h = d.Header;
    const int a = kMSKSettings;
    PutID(w, a + kOwnID, h.MSKOwnID);
    PutID(w, a + kGroupID, h.MSKGroupID);
    w.Byte(a + kPreSendDelay, h.PreSendDelay);
    w.Byte(a + kSideTone, h.SideTone);
    w.Byte(a + kPTTIDMode, h.PTTIDMode);
    w.Byte(a + kDecodeResponse, h.DecodeResponse);
    w.Byte(a + kAutoResetTime, h.AutoResetTime);
    for (int i = 0; i < 5; ++i) w.Byte(a + kReserved + i, h.Reserved[static_cast<std::size_t>(i)]);
    // The record keeps the radio's 16-bit word in a signed field: FF FF (an erased radio) reads
    // as -1 and must go back as FF FF.
    w.WordLE(a + kHopFrequency, static_cast<std::uint16_t>(h.HopFrequency));

    for (int k = 0; k < 32; ++k) {
        const MSKEntry& e = d.Entries[static_cast<std::size_t>(k)];
        const int b = kMSKList + kMSKEntrySize * k;
        if (e.Valid != 0 && e.Valid != 1) w.Fail();
        w.EntryUsed(kMSKBitmap, k, e.Valid == 1);
        w.Byte(b + kCallType, e.CallType);
        PutID(w, b + kIndividualID, e.IndividualID);
        PutID(w, b + kEntryGroupID, e.GroupID);
        w.Byte(b + kMessageLength, e.MessageLength);
        w.RawText(b + kMessageCode, e.MessageCode);
        w.RawText(b + kEntryName, e.EntryName);
    }
    return FinishEncoder(s, w, "SetCommDataByMSKError", m);
}

void GetCommDataByMSK(AppState& s) {
    const auto img = ImageOf(s);
    MSKData& d = s.CurRadioData.MSK;
    MSKHeader& h = d.Header;
    const int a = kMSKSettings;
    GetID(img, a + kOwnID, h.MSKOwnID);
    GetID(img, a + kGroupID, h.MSKGroupID);
    h.PreSendDelay = GetImageByte(img, a + kPreSendDelay);
    h.SideTone = GetImageByte(img, a + kSideTone);
    h.PTTIDMode = GetImageByte(img, a + kPTTIDMode);
    h.DecodeResponse = GetImageByte(img, a + kDecodeResponse);
    h.AutoResetTime = GetImageByte(img, a + kAutoResetTime);
    for (int i = 0; i < 5; ++i) h.Reserved[static_cast<std::size_t>(i)] = GetImageByte(img, a + kReserved + i);
    h.HopFrequency = static_cast<std::int16_t>(GetWordLE(img, a + kHopFrequency));

    for (int k = 0; k < 32; ++k) {
        MSKEntry& e = d.Entries[static_cast<std::size_t>(k)];
        const int b = kMSKList + kMSKEntrySize * k;
        e.Valid = IsEntryFree(img, kMSKBitmap, k) ? 0 : 1;
        e.CallType = GetImageByte(img, b + kCallType);
        GetID(img, b + kIndividualID, e.IndividualID);
        GetID(img, b + kEntryGroupID, e.GroupID);
        e.MessageLength = GetImageByte(img, b + kMessageLength);
        GetRawText(img, b + kMessageCode, e.MessageCode);
        GetRawText(img, b + kEntryName, e.EntryName);
    }
}

}  // namespace rp
