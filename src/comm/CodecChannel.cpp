// Channels, the channel bitmaps and the broadcast-radio list.
#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kChannelUsedBitmap = 0x0100;
constexpr int kChannelScanBitmap = 0x0120;
constexpr int kChannelImage = 0x2000;
constexpr int kChannelRecordSize = 32;
constexpr int kRadioListImage = 0x0610;
constexpr int kRadioListLastEntry = 0x0600;  // entry 100 has no bitmap bit
constexpr int kRadioListEntries = 100;

// Record offsets within a 32-byte channel record.
constexpr int kRxFreq = 0, kOffsetFreq = 4, kStep = 8, kFlags9 = 9, kFlags10 = 10, kTones = 11;
constexpr int kEncCTCSS = 12, kDecCTCSS = 13, kEncDCSLow = 14, kDecDCSLow = 15, kSignal = 16;
constexpr int kTwoToneNo = 17, kFiveToneNo = 18, kName = 19, kNameWidth = 6, kBusySquelch = 25;
constexpr int kPttIds = 26, kSquelchMode = 27, kCustomCTCSS = 28, kMSKNo = 30, kTwoToneDecodeNo = 31;

// Record address of channel number k + 1, or -1 for a number the radio has no place for.
int ChannelRecordAddress(int k) {
    if (k >= 0 && k < kMemoryChannels) return kChannelImage + kChannelRecordSize * k;
    switch (k) {
        case 200: return 0x0180;
        case 201: return 0x01A0;
        case 202: return 0x0280;
        case 203: return 0x02A0;
        case 204: return 0x01C0;
        case 205: return 0x01E0;
        default: return -1;
    }
}

// The radio swaps the codes of 2-Tone and 5-Tone on every model but the current one.
int SwapTwoFive(int v) { return v == 2 ? 3 : (v == 3 ? 2 : v); }

// The radio keeps 100 Hz units; the 10 Hz digit is rebuilt from the last one it keeps.
char TenHzDigit(char eighth) {
    switch (eighth) {
        case '2': return '5';
        case '3': return '3';
        case '6': return '6';
        case '7': return '5';
        default: return '0';
    }
}

void EncodeChannelRecord(ImageWriter& w, int a, const ChannelData& c, bool currentModel, Messages& m) {
    w.Freq8(a + kRxFreq, c.RxFreq.View());
    w.Freq8(a + kOffsetFreq, c.OffsetFreq.View());
    w.Byte(a + kStep, c.StepIndex);

    w.Bits(a + kFlags9, 0, 1, c.TxInhibit);
    w.Bits(a + kFlags9, 1, 1, c.Reverse);
    w.Bits(a + kFlags9, 2, 2, c.Bandwidth);
    w.Bits(a + kFlags9, 4, 1, c.EncDCSInvert);
    w.Bits(a + kFlags9, 5, 1, c.EncDCSCode >= 0 ? c.EncDCSCode / 256 : -1);
    w.Bits(a + kFlags9, 6, 1, c.ExtraFlag);

    w.Bits(a + kFlags10, 0, 2, c.Shift > 0 ? c.Shift + 1 : c.Shift);
    w.Bits(a + kFlags10, 2, 1, c.Power);
    w.Bits(a + kFlags10, 3, 1, c.TalkAround);
    w.Bits(a + kFlags10, 4, 1, c.DecDCSInvert);
    w.Bits(a + kFlags10, 5, 1, c.DecDCSCode >= 0 ? c.DecDCSCode / 256 : -1);
    w.Bits(a + kFlags10, 6, 1, c.Compander);

    w.Bits(a + kTones, 0, 2, c.EncToneType);
    w.Bits(a + kTones, 2, 2, c.DecToneType);
    w.Bits(a + kTones, 4, 4, c.DTMFMemoryNo);

    w.Byte(a + kEncCTCSS, c.EncCTCSSIndex);
    w.Byte(a + kDecCTCSS, c.DecCTCSSIndex);
    w.Byte(a + kEncDCSLow, c.EncDCSCode % 256);
    w.Byte(a + kDecDCSLow, c.DecDCSCode % 256);
    w.Byte(a + kSignal, currentModel ? c.SignalType : SwapTwoFive(c.SignalType));
    w.Byte(a + kTwoToneNo, c.TwoToneNo);
    w.Byte(a + kFiveToneNo, c.FiveToneNo);

    std::string name = c.Name.Trimmed();
    if (name.size() > kNameWidth) {
        name.resize(kNameWidth);
        m.emplace_back("Name is too long!");
    }
    w.Text(a + kName, kNameWidth, name, name.empty() ? 0x00 : 0x20);

    w.Bits(a + kBusySquelch, 0, 4, c.BusyLockout);
    w.Bits(a + kBusySquelch, 4, 4, c.SquelchLevel);
    w.Bits(a + kPttIds, 0, 4, c.DTMFPttId);
    w.Bits(a + kPttIds, 4, 4, c.FiveTonePttId);
    w.Byte(a + kSquelchMode, c.SquelchMode);
    // The word goes back as the 16 bits read, whatever tone they make (an erased one is FF FF).
    w.WordLE(a + kCustomCTCSS, static_cast<std::uint16_t>(c.CustomCTCSS));
    w.Byte(a + kMSKNo, c.MSKNo);
    w.Byte(a + kTwoToneDecodeNo, c.TwoToneDecodeNo);
}

void DecodeChannelRecord(std::span<const std::uint8_t> img, int a, ChannelData& c, bool swapSignal) {
    std::string rx = GetHexDigits(img, a + kRxFreq, 4);
    std::string off = GetHexDigits(img, a + kOffsetFreq, 4);
    if (IsDecimalDigits(rx)) rx.push_back(TenHzDigit(rx[7]));
    else rx = "FFFFFFFFF";
    if (IsDecimalDigits(off)) off.push_back(TenHzDigit(off[7]));
    else off = "000000000";
    c.RxFreq = rx;
    c.OffsetFreq = off;
    c.StepIndex = GetImageByte(img, a + kStep);

    c.TxInhibit = static_cast<std::int16_t>(GetImageBits(img, a + kFlags9, 0, 1));
    c.Reverse = static_cast<std::int16_t>(GetImageBits(img, a + kFlags9, 1, 1));
    c.Bandwidth = static_cast<std::int16_t>(GetImageBits(img, a + kFlags9, 2, 2));
    c.EncDCSInvert = static_cast<std::int16_t>(GetImageBits(img, a + kFlags9, 4, 1));
    c.EncDCSHigh = static_cast<std::int16_t>(GetImageBits(img, a + kFlags9, 5, 1));
    c.ExtraFlag = static_cast<std::int16_t>(GetImageBits(img, a + kFlags9, 6, 1));

    const unsigned shift = GetImageBits(img, a + kFlags10, 0, 2);
    c.Shift = static_cast<std::int16_t>(shift > 0 ? shift - 1 : 0);
    c.Power = static_cast<std::int16_t>(GetImageBits(img, a + kFlags10, 2, 1));
    c.TalkAround = static_cast<std::int16_t>(GetImageBits(img, a + kFlags10, 3, 1));
    c.DecDCSInvert = static_cast<std::int16_t>(GetImageBits(img, a + kFlags10, 4, 1));
    c.DecDCSHigh = static_cast<std::int16_t>(GetImageBits(img, a + kFlags10, 5, 1));
    c.Compander = static_cast<std::int16_t>(GetImageBits(img, a + kFlags10, 6, 1));

    c.EncToneType = static_cast<std::int16_t>(GetImageBits(img, a + kTones, 0, 2));
    c.DecToneType = static_cast<std::int16_t>(GetImageBits(img, a + kTones, 2, 2));
    c.DTMFMemoryNo = static_cast<std::int16_t>(GetImageBits(img, a + kTones, 4, 4));

    c.EncCTCSSIndex = GetImageByte(img, a + kEncCTCSS);
    c.DecCTCSSIndex = GetImageByte(img, a + kDecCTCSS);
    c.EncDCSCode = static_cast<std::int16_t>(c.EncDCSHigh * 256 + GetImageByte(img, a + kEncDCSLow));
    c.DecDCSCode = static_cast<std::int16_t>(c.DecDCSHigh * 256 + GetImageByte(img, a + kDecDCSLow));
    const int signal = GetImageByte(img, a + kSignal);
    c.SignalType = static_cast<std::int16_t>(swapSignal ? SwapTwoFive(signal) : signal);
    c.TwoToneNo = GetImageByte(img, a + kTwoToneNo);
    c.FiveToneNo = GetImageByte(img, a + kFiveToneNo);
    GetRawText(img, a + kName, c.Name);

    c.BusyLockout = static_cast<std::int16_t>(GetImageBits(img, a + kBusySquelch, 0, 4));
    c.SquelchLevel = static_cast<std::int16_t>(GetImageBits(img, a + kBusySquelch, 4, 4));
    c.DTMFPttId = static_cast<std::int16_t>(GetImageBits(img, a + kPttIds, 0, 4));
    c.FiveTonePttId = static_cast<std::int16_t>(GetImageBits(img, a + kPttIds, 4, 4));
    c.SquelchMode = GetImageByte(img, a + kSquelchMode);
    c.CustomCTCSS = static_cast<std::int16_t>(GetWordLE(img, a + kCustomCTCSS));
    c.MSKNo = GetImageByte(img, a + kMSKNo);
    c.TwoToneDecodeNo = GetImageByte(img, a + kTwoToneDecodeNo);
}

}  // namespace

bool SetCommDataByFrequency(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    RadioData& r = s.CurRadioData;
    const bool currentModel = IsModel(s.CurModelCode, "6173USD");

    if (r.ChannelCount < 0 || r.ChannelCount > kMaxChannels) w.Fail();
    for (int i = 0; w.Ok() && i < r.ChannelCount; ++i) {
        const ChannelData& c = s.ChannelTable[static_cast<std::size_t>(i)];
        const int k = c.ChannelNo - 1;
        const int a = ChannelRecordAddress(k);
        if (a < 0 || (c.Used != 0 && c.Used != 1) || (c.ScanFlag != 0 && c.ScanFlag != 1)) {
            w.Fail();
            break;
        }
        if (k < 204) {
            if (c.Used == 1) w.EntryUsed(kChannelUsedBitmap, k, true);
            if (c.ScanFlag == 0) w.EntryUsed(kChannelScanBitmap, k, true);
        }
        EncodeChannelRecord(w, a, c, currentModel, m);
    }

    const int bitmap = RadioListBitmapForData(s);
    for (int i = 0; w.Ok() && i <= kRadioListEntries; ++i) {
        const FMRadioEntry& e = r.FMRadioList[static_cast<std::size_t>(i)];
        if (i < kRadioListEntries) {
            if (e.Valid != 0 && e.Valid != 1) w.Fail();
            if (e.Valid == 1) w.EntryUsed(bitmap, i, true);
        }
        w.Freq8(i < kRadioListEntries ? kRadioListImage + 4 * i : kRadioListLastEntry, e.Frequency.View());
    }
    return FinishEncoder(s, w, "SetCommDataByFrequencyError", m);
}

void GetCommDataByFrequency(AppState& s) {
    const auto img = ImageOf(s);
    RadioData& r = s.CurRadioData;
    const bool swapSignal = !(IsModel(s.RadioModelCode, "6173USD") || IsModel(s.RadioModelCode, "ZV853D"));
    const bool olderRadio = IsModel(s.RadioModelCode, "ZV853C") || IsModel(s.RadioModelCode, "ZV853D");

    int count = 0;
    for (int k = 0; k < kMaxChannels; ++k) {
        if (k < 204 && IsEntryFree(img, kChannelUsedBitmap, k)) continue;
        ChannelData c;
        c.SpareText = "00000";
        c.ChannelNo = static_cast<std::int16_t>(k + 1);
        c.Used = 1;
        // The VFOs have no scan bit; they keep the scan flag a new channel has.
        c.ScanFlag = static_cast<std::int16_t>(k >= 204 || IsEntryFree(img, kChannelScanBitmap, k) ? 1 : 0);
        DecodeChannelRecord(img, ChannelRecordAddress(k), c, swapSignal);
        if (olderRadio) {
            c.ExtraFlag = 1;
            c.SquelchLevel = 3;
            c.TwoToneDecodeNo = 0;
        }
        const std::string rx = c.RxFreq.Trimmed();
        if (rx.empty() || rx == "FFFFFFFFF") continue;
        // The VFO records have no bitmap bit; all zeros there is the pre-fill of a record no read
        // or write has filled, not a VFO. A channel the bitmap marks in use is kept whatever its
        // frequency, so a read loses nothing the radio holds.
        if (k >= 204 && rx == "000000000") continue;
        s.ChannelTable[static_cast<std::size_t>(count++)] = c;
    }
    r.ChannelCount = static_cast<std::int16_t>(count);
    // The table is rebuilt, not overlaid: no channel of the data before the read stays behind the
    // count, where a later save or copy would find it.
    for (int i = count; i < kMaxChannels; ++i) s.ChannelTable[static_cast<std::size_t>(i)] = ChannelData{};

    const int bitmap = RadioListBitmapForRadio(s);
    for (int i = 0; i <= kRadioListEntries; ++i) {
        FMRadioEntry& e = r.FMRadioList[static_cast<std::size_t>(i)];
        if (i < kRadioListEntries) {
            e.Valid = IsEntryFree(img, bitmap, i) ? 0 : 1;
            e.Frequency = e.Valid ? GetHexDigits(img, kRadioListImage + 4 * i, 4) : "FFFFFFFF";
        } else {
            e.Frequency = GetHexDigits(img, kRadioListLastEntry, 4);
        }
    }
}

}  // namespace rp
