#include "mappings/TwoToneMap.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/FixedText.h"
#include "model/LangText.h"
#include "model/ValueText.h"
#include "model/Values.h"

namespace rp {

namespace {

constexpr double kClock = 9600000.0;

// Defaults for tones A to D in tenths of a hertz, for a tone never set (high byte 0 or 255).
constexpr std::array<int, 4> kDefaultToneTenths = {3217, 9281, 6265, 20438};

// The call formats in list order; -1 = no second tone.
constexpr std::array<CallFormatTones, kTwoToneCallFormats> kCallFormats = {{
    {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 2}, {1, 3}, {2, 0}, {2, 1}, {2, 3},
    {3, 0}, {3, 1}, {3, 2}, {0, -1}, {1, -1}, {2, -1},
}};
constexpr std::array<const char*, kTwoToneCallFormats> kCallFormatTexts = {
    "A-B", "A-C", "A-D", "B-A", "B-C", "B-D", "C-A", "C-B", "C-D",
    "D-A", "D-B", "D-C", "Long A", "Long B", "Long C"};

constexpr int kTimeItems = 96;       // 0.5 .. 10.0 s, stored as tenths
constexpr int kTimeOffset = 5;
constexpr int kIntervalItems = 21;   // 0 .. 2000 ms, stored as hundreds
constexpr int kTime5Items = 251;     // 0.0 .. 25.0 s, stored as tenths
constexpr int kResponseItems = 3;

BytePair Split(long long v) {
    return {static_cast<std::uint8_t>((v >> 8) & 0xFF), static_cast<std::uint8_t>(v & 0xFF)};
}

int Word(std::uint8_t high, std::uint8_t low) { return high * 256 + low; }

// An index taken from stored data: inside the list, or the fallback item.
int ListIndexOr(int index, int count, int fallback) { return index >= 0 && index < count ? index : fallback; }

// An index the dialog hands back: its lists always have a selection, but an index from
// anywhere else must not make a byte wrap.
int Inside(int index, int count) { return std::clamp(index, 0, count - 1); }

double Clamp(double v, double low, double high) {
    if (v > high) return high;
    if (v < low) return low;
    return v;
}

// The shortest plain decimal text that reads back as v ("288", "999.26").
std::string PlainNumberText(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc()) return "0";
    return std::string(buf, res.ptr);
}

std::string TenthsText(int tenths) { return FormatScaled(tenths, 1); }

// A decode tone as stored (a double from a file or the radio); one that is not finite shows 0.
std::string DecodeToneText(double hz) { return std::isfinite(hz) ? FormatFixed(hz, 1) : "0.0"; }

// An option text ends at its first NUL, as the language file reader hands it over.
std::string Opt(const std::string& value) { return CutAtNull(value); }

}  // namespace

BytePair ToneDividerBytes(double hz, int factor) {
    if (!(hz > 0)) return {};
    const double d = std::trunc(kClock / (factor * hz));
    return Split(static_cast<long long>(std::clamp(d, 0.0, 65535.0)));
}

int ToneTenthsOfText(std::string_view text) {
    // From the digits, so a typed half tenth goes to the even neighbour as written.
    const auto v = ParseScaled(text, 1, RoundMode::HalfEven);
    return v ? static_cast<int>(std::clamp<std::int64_t>(*v, 0, 65535)) : 0;
}

std::optional<CallFormatTones> TonesOfCallFormat(int callFormat) {
    if (callFormat < 0 || callFormat >= kTwoToneCallFormats) return std::nullopt;
    return kCallFormats[static_cast<std::size_t>(callFormat)];
}

std::array<bool, 4> EnabledToneBoxes(int callFormat) {
    std::array<bool, 4> on{};
    if (auto f = TonesOfCallFormat(callFormat)) {
        on[static_cast<std::size_t>(f->First)] = true;
        if (f->Second >= 0) on[static_cast<std::size_t>(f->Second)] = true;
    }
    return on;
}

TwoToneLists MakeTwoToneLists(const AppState& s) {
    TwoToneLists l;
    for (int i = 0; i < kTimeItems; ++i) l.Time.push_back(TenthsText(i + kTimeOffset));
    for (int i = 0; i < kIntervalItems; ++i) l.Interval.push_back(std::to_string(i * 100));
    for (int i = 0; i < kTime5Items; ++i) l.Time5.push_back(TenthsText(i));
    for (const char* f : kCallFormatTexts) l.CallFormat.emplace_back(f);
    l.Response = {Opt(GetOptionStr(s, "60057")), Opt(GetOptionStr(s, "60058")), Opt(GetOptionStr(s, "60059"))};
    return l;
}

TwoToneCaptions MakeTwoToneCaptions(const AppState& s) {
    TwoToneCaptions c;
    c.MainTabs = {TrimNull(Opt(GetOptionStr(s, "60043"))) + "{DN}", TrimNull(Opt(GetOptionStr(s, "60044"))) + "{D}",
                  TrimNull(Opt(GetOptionStr(s, "60044"))) + "{N}"};
    c.Label1 = {Opt(GetOptionStr(s, "60045")), Opt(GetOptionStr(s, "60046")), Opt(GetOptionStr(s, "60047")),
                Opt(GetOptionStr(s, "60048")), Opt(GetOptionStr(s, "60307"))};
    c.Check1 = Opt(GetOptionStr(s, "60312"));
    c.Check2 = GetLangStr(s, 7511);
    for (int k = 0; k < kTwoToneDecodeTabs; ++k)
        c.DecodeTabs[static_cast<std::size_t>(k)] = GetLangStr(s, 8146) + " " + std::to_string(k + 1);
    c.Label2 = {Opt(GetOptionStr(s, "60049")), Opt(GetOptionStr(s, "60050"))};
    c.Label6 = TrimNull(c.Label2[1]);
    c.Form = Opt(GetOptionStr(s, "60051"));
    c.GridHeader = {Opt(GetOptionStr(s, "60053")), Opt(GetOptionStr(s, "60054")), Opt(GetOptionStr(s, "60055")),
                    Opt(GetOptionStr(s, "60304"))};
    c.Label4 = TrimNull(c.GridHeader[1]);
    c.Label5 = TrimNull(c.GridHeader[2]);
    c.Label8 = TrimNull(c.GridHeader[3]);
    c.OK = Opt(GetOptionStr(s, "60024"));
    c.Cancel = Opt(GetOptionStr(s, "60025"));
    const std::string tone = Opt(GetOptionStr(s, "60056"));
    c.Label3 = {"A" + tone, "B" + tone, "C" + tone, "D" + tone};
    for (int r = 0; r < kTwoToneListRows; ++r) c.RowNumbers[static_cast<std::size_t>(r)] = std::to_string(r);
    return c;
}

void RepairTwoToneForShow(TwoToneData& d) {
    TwoToneEncodeData& e = d.Encode;
    if (e.OptionFlag > 1) e.OptionFlag = 0;
    std::array<std::pair<std::uint8_t*, std::uint8_t*>, 4> tones = {{{&e.ToneAHigh, &e.ToneALow},
                                                                     {&e.ToneBHigh, &e.ToneBLow},
                                                                     {&e.ToneCHigh, &e.ToneCLow},
                                                                     {&e.ToneDHigh, &e.ToneDLow}}};
    for (std::size_t i = 0; i < tones.size(); ++i) {
        auto [high, low] = tones[i];
        if (*high == 0 || *high == 255) {
            const BytePair b = Split(kDefaultToneTenths[i]);
            *high = b.High;
            *low = b.Low;
        }
    }
}

TwoToneView ShowByData(const TwoToneData& stored) {
    TwoToneData d = stored;
    RepairTwoToneForShow(d);
    TwoToneView v;

    for (int k = 0; k < kTwoToneDecodeTabs; ++k) {
        const TwoToneDecodeEntry& e = d.Decode[static_cast<std::size_t>(k)];
        TwoToneDecodeView& t = v.Decode[static_cast<std::size_t>(k)];
        t.FirstTone = DecodeToneText(e.FirstTone);
        t.SecondTone = DecodeToneText(e.SecondTone);
        t.Response = ListIndexOr(e.Response, kResponseItems, 0);
        t.Name = e.Name.Trimmed();
        t.Valid = e.Valid > 0 ? 1 : 0;
    }

    for (int k = 0; k < kTwoToneListRows; ++k) {
        const TwoToneListEntry& e = d.List[static_cast<std::size_t>(k)];
        auto& row = v.Grid[static_cast<std::size_t>(k)];
        const bool used = e.EmptyFlag == 0 && (e.FirstDividerHigh != 0 || e.FirstDividerLow != 0);
        if (!used) {
            row = {};
            continue;
        }
        row[0] = TenthsText(Word(e.FirstToneHigh, e.FirstToneLow));
        row[1] = (e.SecondDividerHigh != 0 || e.SecondDividerLow != 0)
                     ? TenthsText(Word(e.SecondToneHigh, e.SecondToneLow))
                     : std::string();
        row[2] = e.Name.Trimmed();
    }

    const TwoToneEncodeData& e = d.Encode;
    v.CallFormat = ListIndexOr(e.CallFormat, kTwoToneCallFormats, 0);
    v.Response = ListIndexOr(e.Response, kResponseItems, 0);
    v.Time1 = ListIndexOr(e.Time1 - kTimeOffset, kTimeItems, 0);
    v.Time2 = ListIndexOr(e.Time2 - kTimeOffset, kTimeItems, 0);
    v.Time3 = ListIndexOr(e.Time3 - kTimeOffset, kTimeItems, 5);
    v.Time4 = ListIndexOr(e.Time4, kIntervalItems, 10);
    v.Time5 = ListIndexOr(e.Time5, kTime5Items, 0);
    v.OptionFlag = e.OptionFlag;
    // A stored format outside the list shows its fallback "A-B", but enables no box.
    v.ToneEnabled = EnabledToneBoxes(e.CallFormat);
    v.Tones = {TenthsText(Word(e.ToneAHigh, e.ToneALow)), TenthsText(Word(e.ToneBHigh, e.ToneBLow)),
               TenthsText(Word(e.ToneCHigh, e.ToneCLow)), TenthsText(Word(e.ToneDHigh, e.ToneDLow))};
    return v;
}

std::string CheckEncodeToneText(std::string_view text) {
    const auto v = ParseNumber(text);
    if (!v) return "2000";
    return PlainNumberText(Clamp(*v, kTwoToneEncodeSaveLowHz, kTwoToneHighHz));
}

void SaveToData(TwoToneEncodeData& e, TwoToneEncodeInput& in) {
    e.Response = static_cast<std::uint8_t>(Inside(in.Response, kResponseItems));
    e.Time4 = static_cast<std::uint8_t>(Inside(in.Time4, kIntervalItems));
    e.Time3 = static_cast<std::uint8_t>(Inside(in.Time3, kTimeItems) + kTimeOffset);
    e.Time1 = static_cast<std::uint8_t>(Inside(in.Time1, kTimeItems) + kTimeOffset);
    e.Time2 = static_cast<std::uint8_t>(Inside(in.Time2, kTimeItems) + kTimeOffset);
    e.Time5 = static_cast<std::uint8_t>(Inside(in.Time5, kTime5Items));
    e.OptionFlag = in.OptionFlag == 1 ? 1 : 0;

    for (auto& t : in.Tones) t = CheckEncodeToneText(t);
    const int format = Inside(in.CallFormat, kTwoToneCallFormats);
    e.CallFormat = static_cast<std::uint8_t>(format);

    const CallFormatTones f = *TonesOfCallFormat(format);
    const std::string& firstText = in.Tones[static_cast<std::size_t>(f.First)];
    const BytePair t1 = Split(ToneTenthsOfText(firstText));
    const BytePair d1 = ToneDividerBytes(*ParseNumber(firstText), kEncodeDividerFactor);
    e.FirstToneHigh = t1.High;
    e.FirstToneLow = t1.Low;
    e.FirstDividerHigh = d1.High;
    e.FirstDividerLow = d1.Low;
    if (f.Second >= 0) {
        const std::string& secondText = in.Tones[static_cast<std::size_t>(f.Second)];
        const BytePair t2 = Split(ToneTenthsOfText(secondText));
        const BytePair d2 = ToneDividerBytes(*ParseNumber(secondText), kEncodeDividerFactor);
        e.SecondToneHigh = t2.High;
        e.SecondToneLow = t2.Low;
        e.SecondDividerHigh = d2.High;
        e.SecondDividerLow = d2.Low;
    } else {
        e.SecondToneHigh = e.SecondToneLow = e.SecondDividerHigh = e.SecondDividerLow = 0;
    }

    // Every box is stored, also those the format leaves disabled.
    std::array<std::pair<std::uint8_t*, std::uint8_t*>, 4> tones = {{{&e.ToneALow, &e.ToneAHigh},
                                                                     {&e.ToneBLow, &e.ToneBHigh},
                                                                     {&e.ToneCLow, &e.ToneCHigh},
                                                                     {&e.ToneDLow, &e.ToneDHigh}}};
    for (std::size_t i = 0; i < tones.size(); ++i) {
        const BytePair b = Split(ToneTenthsOfText(in.Tones[i]));
        *tones[i].first = b.Low;
        *tones[i].second = b.High;
    }
}

double GetDecodeToneValue(std::string_view text) {
    const auto v = ParseNumber(TrimNull(text));
    if (!v) return 0;
    return Clamp(*v, kTwoToneLowHz, kTwoToneHighHz);
}

void SaveDecodeEntry(TwoToneDecodeEntry& e, const TwoToneDecodeInput& in) {
    e.FirstTone = GetDecodeToneValue(in.FirstTone);
    e.SecondTone = GetDecodeToneValue(in.SecondTone);
    e.Response = static_cast<std::int16_t>(Inside(in.Response, kResponseItems));
    e.Name.SetNulTerminated(TrimNull(in.Name));
    e.Valid = static_cast<std::int16_t>(in.Valid == 1 ? 1 : 0);
    if (e.FirstTone == 0 || e.SecondTone == 0) e.Valid = 0;
}

void SaveDecodeData(TwoToneData& d, const std::array<TwoToneDecodeInput, kTwoToneDecodeTabs>& in) {
    for (std::size_t k = 0; k < in.size(); ++k) SaveDecodeEntry(d.Decode[k], in[k]);
}

EditCellResult SaveEditCell(TwoToneListEntry& e, int col, std::string_view editorText) {
    EditCellResult r;
    if (col >= 3) {
        r.CellText = TrimNull(editorText);
        if (col == 3) e.Name = r.CellText;
        return r;
    }
    if (col < 1) return r;

    const auto v = ParseNumber(editorText);
    int tenths = 0;
    BytePair divider;
    if (v) {
        const double hz = Clamp(*v, kTwoToneLowHz, kTwoToneHighHz);
        r.CellText = FormatFixed(hz, 1);
        tenths = hz == *v ? ToneTenthsOfText(editorText) : static_cast<int>(RoundHalfEven(hz * 10.0));
        divider = ToneDividerBytes(hz, kListDividerFactor);
    } else {
        r.ClearRow = col == 1;
    }
    const BytePair tone = Split(tenths);

    if (col == 1) {
        if (tenths == 0) {
            e.EmptyFlag = 1;
            e.FirstDividerHigh = e.FirstDividerLow = e.SecondDividerHigh = e.SecondDividerLow = 0;
            e.FirstToneHigh = e.FirstToneLow = e.SecondToneHigh = e.SecondToneLow = 0;
            e.Name = std::string(7, ' ');
        } else {
            e.EmptyFlag = 0;
            e.FirstDividerHigh = divider.High;
            e.FirstDividerLow = divider.Low;
            e.FirstToneHigh = tone.High;
            e.FirstToneLow = tone.Low;
        }
    } else {
        e.SecondDividerHigh = divider.High;
        e.SecondDividerLow = divider.Low;
        e.SecondToneHigh = tone.High;
        e.SecondToneLow = tone.Low;
    }
    return r;
}

namespace {
double LeaveToneValue(std::string_view text) {
    // A lone or doubled point gets past the key filter; it counts as empty.
    const double v = text.empty() ? 0.0 : ParseNumber(text).value_or(0.0);
    return Clamp(v, kTwoToneLowHz, kTwoToneHighHz);
}
}  // namespace

std::string LeaveEncodeToneText(std::string_view text) { return PlainNumberText(LeaveToneValue(text)); }

std::string LeaveDecodeToneText(std::string_view text) { return FormatFixed(LeaveToneValue(text), 1); }

}  // namespace rp
