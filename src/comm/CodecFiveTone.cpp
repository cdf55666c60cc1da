// 5-Tone: settings (0x0320), PTT-ID codes (0x0360, 0x0370), the code-row bitmap (0x0390), the
// information codes with the user tone set (0x0500) and the 100 code rows (0x0D00). Codes are
// tone digits 0-9 and A-F, packed two to a byte.
#include <algorithm>

#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kSettings = 0x0320;
constexpr int kOwnID = 0x0325;
constexpr int kSettingsB = 0x032B;  // four bytes
constexpr int kSettingsWords = 0x032F;  // six values, one byte each
constexpr int kDecodeTime = 0x0335;
constexpr int kPttIdBegin = 0x0360;
constexpr int kPttIdEnd = 0x0370;
constexpr int kRowBitmap = 0x0390;
constexpr int kInfoCodes = 0x0500;
constexpr int kInfoCodeSize = 32;
constexpr int kRows = 0x0D00;
constexpr int kRowSize = 32;

// PTT-ID record: standard, code length, tone period, digit count, then 12 bytes of digits.
constexpr int kPttStandard = 0, kPttCodeLength = 1, kPttTonePeriod = 2, kPttDigitCount = 3, kPttDigits = 4;
constexpr int kPttDigitBytes = 12;
// Code row: spare, standard, code length, tone period, 20 bytes of digits, name, digit count.
constexpr int kRowSpare = 0, kRowStandard = 1, kRowCodeLength = 2, kRowTonePeriod = 3, kRowDigits = 4;
constexpr int kRowDigitBytes = 20, kRowName = 24, kRowDigitCount = 31;
// Information code: function, response, code length, code text, name, two user tones.
constexpr int kInfoFunction = 0, kInfoResponse = 1, kInfoCodeLength = 2, kInfoCode = 3, kInfoName = 15;
constexpr int kInfoUserTones = 22;

std::uint8_t* SettingsBytes(FiveToneData& d, int i) {
    std::uint8_t* b[5] = {&d.SystemByte0, &d.SystemResponse, &d.SystemStandard, &d.OwnIDLength, &d.SystemTonePeriod};
    return b[i];
}
std::uint8_t* SettingsBytesB(FiveToneData& d, int i) {
    std::uint8_t* b[4] = {&d.TenthsSetting, &d.TenMsSettingA, &d.TenMsSettingB, &d.CountSetting};
    return b[i];
}
std::int16_t* SettingsWords(FiveToneData& d, int i) {
    std::int16_t* w[6] = {&d.FirstDigitDelay, &d.PauseTime, &d.PauseDigit, &d.FirstCodeDelayAfterPause, &d.SideTone,
                          &d.SpecialHexDigit};
    return w[i];
}

// The radio keeps a user tone as a 16-bit word; the record keeps the same 16 bits in a signed
// field, so a word above 32767 (FF FF in an erased radio) comes back negative and goes out as it
// came in.
std::uint16_t UserToneWord(const FiveToneData& d, int i) {
    return static_cast<std::uint16_t>(d.UserToneSet[static_cast<std::size_t>(i)]);
}

// A code that fills its place keeps the digit count it was read with (one beyond the place, such
// as FF in an erased radio, or the place itself under a code length beyond it), so a write gives
// the radio back what it held while the code still fills its place. Every other code, and every
// record from a data file (which keeps no count), is written with the number of its digits: the
// radio reads as many digits as the count says, so a count made up from anything else (the code
// length, which may lie beyond the place) would send it reading past them.
void PutDigits(ImageWriter& w, int a, int bytes, int countAddr, const FiveToneCodeRec& r) {
    const std::string digits = r.Code.Trimmed();
    w.NibbleDigits(a, bytes, digits);
    const long long places = 2LL * bytes;
    long long count = static_cast<long long>(digits.size());
    if (count == places && r.RadioDigitCount >= places) count = r.RadioDigitCount;
    w.Byte(countAddr, count);
}

// Reads the code after its code length: the count is kept beside the code where the code and its
// length alone would write another one.
void GetDigits(std::span<const std::uint8_t> img, int a, int bytes, int countAddr, FiveToneCodeRec& r) {
    const int count = GetImageByte(img, countAddr);
    const int places = 2 * bytes;
    const bool kept = count > places || (count == places && r.CodeLength > places);
    r.RadioDigitCount = static_cast<std::uint8_t>(kept ? count : 0);
    r.Code = GetNibbleDigits(img, a, std::min(count, places));
}

// The radio keeps no name, spare byte or empty flag for a PTT-ID; those fields stay as they are.
void PutPttId(ImageWriter& w, int a, const FiveToneCodeRec& r) {
    w.Byte(a + kPttStandard, r.Standard);
    w.Byte(a + kPttCodeLength, r.CodeLength);
    w.Byte(a + kPttTonePeriod, r.TonePeriod);
    PutDigits(w, a + kPttDigits, kPttDigitBytes, a + kPttDigitCount, r);
}

void GetPttId(std::span<const std::uint8_t> img, int a, FiveToneCodeRec& r) {
    r.Standard = GetImageByte(img, a + kPttStandard);
    r.CodeLength = GetImageByte(img, a + kPttCodeLength);
    r.TonePeriod = GetImageByte(img, a + kPttTonePeriod);
    GetDigits(img, a + kPttDigits, kPttDigitBytes, a + kPttDigitCount, r);
}

}  // namespace

bool SetCommDataBy5Tone(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    FiveToneData d = s.CurRadioData.Signal.FiveTone;
    for (int i = 0; i < 5; ++i) w.Byte(kSettings + i, *SettingsBytes(d, i));
    w.RawText(kOwnID, d.OwnID);
    for (int i = 0; i < 4; ++i) w.Byte(kSettingsB + i, *SettingsBytesB(d, i));
    for (int i = 0; i < 6; ++i) w.Byte(kSettingsWords + i, *SettingsWords(d, i));
    w.Byte(kDecodeTime, s.CurRadioData.OptionBytesA[0]);

    PutPttId(w, kPttIdBegin, d.PTTIDBegin);
    PutPttId(w, kPttIdEnd, d.PTTIDEnd);

    for (int i = 0; i < 8; ++i) {
        const InfoCodeRec& c = d.InfoCodes[static_cast<std::size_t>(i)];
        const int a = kInfoCodes + kInfoCodeSize * i;
        w.Byte(a + kInfoFunction, c.InfoFunction);
        w.Byte(a + kInfoResponse, c.InfoResponse);
        w.Byte(a + kInfoCodeLength, c.CodeLength);
        w.RawText(a + kInfoCode, c.Code);
        w.RawText(a + kInfoName, c.Name);
        w.WordLE(a + kInfoUserTones, UserToneWord(d, 2 * i));
        w.WordLE(a + kInfoUserTones + 2, UserToneWord(d, 2 * i + 1));
    }

    for (int k = 0; k < 100; ++k) {
        const FiveToneCodeRec& r = d.CodeRows[static_cast<std::size_t>(k)];
        const int a = kRows + kRowSize * k;
        w.EntryUsed(kRowBitmap, k, r.IsEmpty == 0);
        w.Byte(a + kRowSpare, r.Spare);
        w.Byte(a + kRowStandard, r.Standard);
        w.Byte(a + kRowCodeLength, r.CodeLength);
        w.Byte(a + kRowTonePeriod, r.TonePeriod);
        PutDigits(w, a + kRowDigits, kRowDigitBytes, a + kRowDigitCount, r);
        w.RawText(a + kRowName, r.Name);
    }
    return FinishEncoder(s, w, "SetCommDataBy5ToneError", m);
}

void GetCommDataBy5Tone(AppState& s) {
    const auto img = ImageOf(s);
    FiveToneData& d = s.CurRadioData.Signal.FiveTone;
    for (int i = 0; i < 5; ++i) *SettingsBytes(d, i) = GetImageByte(img, kSettings + i);
    GetRawText(img, kOwnID, d.OwnID);
    for (int i = 0; i < 4; ++i) *SettingsBytesB(d, i) = GetImageByte(img, kSettingsB + i);
    for (int i = 0; i < 6; ++i) *SettingsWords(d, i) = GetImageByte(img, kSettingsWords + i);
    s.CurRadioData.OptionBytesA[0] = GetImageByte(img, kDecodeTime);

    GetPttId(img, kPttIdBegin, d.PTTIDBegin);
    GetPttId(img, kPttIdEnd, d.PTTIDEnd);

    for (int i = 0; i < 8; ++i) {
        InfoCodeRec& c = d.InfoCodes[static_cast<std::size_t>(i)];
        const int a = kInfoCodes + kInfoCodeSize * i;
        c.InfoFunction = GetImageByte(img, a + kInfoFunction);
        c.InfoResponse = GetImageByte(img, a + kInfoResponse);
        c.CodeLength = GetImageByte(img, a + kInfoCodeLength);
        GetRawText(img, a + kInfoCode, c.Code);
        GetRawText(img, a + kInfoName, c.Name);
        d.UserToneSet[static_cast<std::size_t>(2 * i)] = static_cast<std::int16_t>(GetWordLE(img, a + kInfoUserTones));
        d.UserToneSet[static_cast<std::size_t>(2 * i + 1)] = static_cast<std::int16_t>(GetWordLE(img, a + kInfoUserTones + 2));
    }

    for (int k = 0; k < 100; ++k) {
        FiveToneCodeRec& r = d.CodeRows[static_cast<std::size_t>(k)];
        const int a = kRows + kRowSize * k;
        r.IsEmpty = IsEntryFree(img, kRowBitmap, k) ? 1 : 0;
        r.Spare = GetImageByte(img, a + kRowSpare);
        r.Standard = GetImageByte(img, a + kRowStandard);
        r.CodeLength = GetImageByte(img, a + kRowCodeLength);
        r.TonePeriod = GetImageByte(img, a + kRowTonePeriod);
        GetDigits(img, a + kRowDigits, kRowDigitBytes, a + kRowDigitCount, r);
        GetRawText(img, a + kRowName, r.Name);
    }
}

}  // namespace rp
