// The AM list with its bitmap, the short- and long-wave frequencies, and the banks.
#include <optional>

#include "comm/Codecs.h"
#include "model/Values.h"

namespace rp {

namespace {

constexpr int kAMListImage = 0x3900;
constexpr int kAMListLastEntry = 0x0604;  // entry 100 has no bitmap bit
constexpr int kAMListEntries = 100;
constexpr int kSWFreq = 0x0608;
constexpr int kLWFreq = 0x060C;
constexpr int kBankImage = 0x1E20;
// A place of an erased radio. It is kept as it is, so a write gives the radio back the FF it held;
// like every number that is no memory channel it counts as a free place.
constexpr int kErasedBankPlace = 0xFF;

// A MHz text as the radio keeps it: 8 BCD digits of 100 Hz; an empty text is FF FF FF FF.
void PutMHz(ImageWriter& w, int a, std::string_view text) {
    const std::string t = TrimNull(text);
    if (t.empty()) {
        w.Fill(a, 4, 0xFF);
        return;
    }
    const std::optional<std::int64_t> units = ParseScaled(t, 4, RoundMode::HalfEven);
    if (!units || *units < 0 || *units > 99999999) {
        w.Fail();
        return;
    }
    w.HexDigits(a, 4, FormatPadded(*units, 8));
}

// The MHz text of four BCD bytes, or an empty text when they hold no frequency.
FixedText<8> GetMHz(std::span<const std::uint8_t> img, int a) {
    const std::string digits = GetHexDigits(img, a, 4);
    if (!IsDecimalDigits(digits)) return {};
    return FixedText<8>(FormatScaled(std::stoll(digits), 4));
}

}  // namespace

bool SetCommDataByAM(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    const RadioData& r = s.CurRadioData;
    const int bitmap = AMListBitmapForData(s);
    for (int i = 0; w.Ok() && i <= kAMListEntries; ++i) {
        const FixedText<8>& f = r.AMList[static_cast<std::size_t>(i)];
        if (i < kAMListEntries) {
            if (!f.Trimmed().empty()) w.EntryUsed(bitmap, i, true);
            PutMHz(w, kAMListImage + 4 * i, f.View());
        } else {
            PutMHz(w, kAMListLastEntry, f.View());
        }
    }
    PutMHz(w, kSWFreq, r.SWFreq.View());
    PutMHz(w, kLWFreq, r.LWFreq.View());
    return FinishEncoder(s, w, "SetCommDataByAMError", m);
}

void GetCommDataByAM(AppState& s) {
    const auto img = ImageOf(s);
    RadioData& r = s.CurRadioData;
    const int bitmap = AMListBitmapForRadio(s);
    for (int i = 0; i < kAMListEntries; ++i)
        r.AMList[static_cast<std::size_t>(i)] =
            IsEntryFree(img, bitmap, i) ? FixedText<8>{} : GetMHz(img, kAMListImage + 4 * i);
    r.AMList[kAMListEntries] = GetMHz(img, kAMListLastEntry);
    r.SWFreq = GetMHz(img, kSWFreq);
    r.LWFreq = GetMHz(img, kLWFreq);
}

bool SetCommDataByBank(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    const BankArray& banks = s.CurRadioData.BankTable;
    for (int b = 0; b < kBankCount; ++b)
        for (int p = 0; p < kBankPlaces; ++p) {
            const int no = banks[static_cast<std::size_t>(b)][static_cast<std::size_t>(p)];
            // Banks hold memory channels only; 0 is a free place, and so is an erased one.
            if (no < 0 || (no > kMemoryChannels && no != kErasedBankPlace)) w.Fail();
            w.Byte(kBankImage + kBankPlaces * b + p, no);
        }
    return FinishEncoder(s, w, "SetCommDataByBankError", m);
}

void GetCommDataByBank(AppState& s) {
    const auto img = ImageOf(s);
    BankArray& banks = s.CurRadioData.BankTable;
    for (int b = 0; b < kBankCount; ++b)
        for (int p = 0; p < kBankPlaces; ++p) {
            const int no = GetImageByte(img, kBankImage + kBankPlaces * b + p);
            banks[static_cast<std::size_t>(b)][static_cast<std::size_t>(p)] =
                static_cast<std::int16_t>(no <= kMemoryChannels || no == kErasedBankPlace ? no : 0);
        }
}

}  // namespace rp
