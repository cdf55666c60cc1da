// 2-Tone: encode settings (0x0300), the list (bitmap 0x0380, entries at 0x0B00) and the decode
// list (bitmap 0x0388, entries at 0x3F00).
#include <cmath>

#include "comm/Codecs.h"
#include "model/Values.h"

namespace rp {

namespace {

constexpr int kEncodeSettings = 0x0300;
constexpr int kListBitmap = 0x0380;
constexpr int kList = 0x0B00;
constexpr int kListEntrySize = 16;
constexpr int kListName = 8;
constexpr int kDecodeBitmap = 0x0388;
constexpr int kDecodeList = 0x3F00;
constexpr int kDecodeEntrySize = 16;
constexpr int kFirstTone = 0, kSecondTone = 2, kResponse = 4, kDecodeName = 5;

std::uint8_t* ListBytes(TwoToneListEntry& e, int i) {
    std::uint8_t* b[8] = {&e.FirstDividerHigh, &e.FirstDividerLow, &e.SecondDividerHigh, &e.SecondDividerLow,
                          &e.FirstToneHigh,    &e.FirstToneLow,    &e.SecondToneHigh,    &e.SecondToneLow};
    return b[i];
}

// Decode tones are kept in 0.1 Hz.
void PutTone(ImageWriter& w, int a, double hz) {
    if (!std::isfinite(hz)) {
        w.Fail();
        return;
    }
    const double tenths = RoundHalfEven(hz * 10.0);
    if (tenths < 0 || tenths > 65535) {
        w.Fail();
        return;
    }
    w.WordLE(a, static_cast<long long>(tenths));
}

double GetTone(std::span<const std::uint8_t> img, int a) { return GetWordLE(img, a) / 10.0; }

}  // namespace

bool SetCommDataBy2Tone(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    TwoToneData d = s.CurRadioData.Signal.TwoTone;
    for (int i = 0; i < TwoToneEncodeData::kSize; ++i) w.Byte(kEncodeSettings + i, d.Encode.Byte(i));
    for (int k = 0; k < 32; ++k) {
        TwoToneListEntry& e = d.List[static_cast<std::size_t>(k)];
        const int a = kList + kListEntrySize * k;
        w.EntryUsed(kListBitmap, k, e.EmptyFlag == 0);
        for (int i = 0; i < 8; ++i) w.Byte(a + i, *ListBytes(e, i));
        w.RawText(a + kListName, e.Name);
    }
    for (int k = 0; k < 16; ++k) {
        const TwoToneDecodeEntry& e = d.Decode[static_cast<std::size_t>(k)];
        const int a = kDecodeList + kDecodeEntrySize * k;
        w.EntryUsed(kDecodeBitmap, k, e.Valid != 0);
        PutTone(w, a + kFirstTone, e.FirstTone);
        PutTone(w, a + kSecondTone, e.SecondTone);
        w.Byte(a + kResponse, e.Response);
        w.RawText(a + kDecodeName, e.Name);
    }
    return FinishEncoder(s, w, "SetCommDataBy2ToneError", m);
}

void GetCommDataBy2Tone(AppState& s) {
    const auto img = ImageOf(s);
    TwoToneData& d = s.CurRadioData.Signal.TwoTone;
    for (int i = 0; i < TwoToneEncodeData::kSize; ++i) d.Encode.Byte(i) = GetImageByte(img, kEncodeSettings + i);
    for (int k = 0; k < 32; ++k) {
        TwoToneListEntry& e = d.List[static_cast<std::size_t>(k)];
        const int a = kList + kListEntrySize * k;
        e.EmptyFlag = IsEntryFree(img, kListBitmap, k) ? 1 : 0;
        for (int i = 0; i < 8; ++i) *ListBytes(e, i) = GetImageByte(img, a + i);
        GetRawText(img, a + kListName, e.Name);
    }
    for (int k = 0; k < 16; ++k) {
        TwoToneDecodeEntry& e = d.Decode[static_cast<std::size_t>(k)];
        const int a = kDecodeList + kDecodeEntrySize * k;
        e.Valid = IsEntryFree(img, kDecodeBitmap, k) ? 0 : 1;
        e.FirstTone = GetTone(img, a + kFirstTone);
        e.SecondTone = GetTone(img, a + kSecondTone);
        e.Response = GetImageByte(img, a + kResponse);
        GetRawText(img, a + kDecodeName, e.Name);
    }
}

}  // namespace rp
