#include "mappings/FiveTone.h"

#include <algorithm>
#include <tuple>

#include "model/AppState.h"
#include "mappings/FiveToneInfo.h"
#include "model/FiveToneStandards.h"
#include "model/LangText.h"
#include "model/ValueText.h"
#include "model/Values.h"

namespace rp {

std::string Mid5ToneNoE(std::string_view s, int start, int len) {
    std::string r;
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < len; ++i) {
        const int pos = start + i;  // from 1
        if (pos < 1) continue;
        if (pos > n) break;
        char c = s[pos - 1];
        if (c == 'E' && pos >= 2) c = s[pos - 2];
        r.push_back(c);
    }
    return r;
}

static bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
static bool EndsWith(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

static std::vector<std::string> Steps(int from, int to, int step) {
    std::vector<std::string> v;
    for (int k = from; k <= to; k += step) v.push_back(std::to_string(k));
    return v;
}

FiveToneLists MakeFiveToneLists(const AppState& st) {
    FiveToneLists l;
    l.Standards = ToneStandardNames();
    l.Responses = {GetOptionStr(st, "60057"), GetOptionStr(st, "60058"), GetOptionStr(st, "60059")};
    l.Periods = Steps(30, 100, 1);
    l.TenMs = Steps(10, 2550, 10);
    for (int k = 0; k <= 250; ++k) l.Tenths.push_back(std::to_string(k / 10) + "." + std::to_string(k % 10));
    const std::string off = GetLangStr(st, 1755);
    l.Count = {off};
    for (auto& t : Steps(5, 75, 1)) l.Count.push_back(t);
    l.PauseTime = Steps(0, 2550, 10);
    l.PauseDigit = {off, "B", "C", "D", "F"};
    l.DecodeTime = Steps(0, 2000, 10);
    l.FirstCodeDelay = Steps(0, 2500, 10);
    for (const char* k : {"60098", "60075", "60074", "60069", "60093", "60082", "60099", "60100"})
        l.InfoFunctions.push_back(GetOptionStr(st, k));
    l.InfoNumbers = Steps(1, 8, 1);
    return l;
}

const std::vector<std::string>& FiveToneSystemList(const FiveToneLists& l, int i) {
    static const std::vector<std::string> none;
    switch (i) {
    case 1: return l.Standards;
    case 2: return l.Responses;
    case 3: return l.Periods;
    case 4: case 6: case 8: return l.TenMs;
    case 5: return l.Tenths;
    case 7: return l.Count;
    case 9: return l.PauseTime;
    case 10: return l.PauseDigit;
    case 11: return l.DecodeTime;
    case 12: return l.FirstCodeDelay;
    default: return none;
    }
}

static bool PeriodInRange(int p) { return p >= 30 && p <= 100; }

void RepairFiveTonePtt(FiveToneCodeRec& r) {
    if (r.CodeLength > kFiveToneCodeMax) r.CodeLength = 0;
    if (r.Standard > kUserToneStandard) r.Standard = 0;
}

void RepairFiveToneRow(FiveToneCodeRec& r) {
    RepairFiveTonePtt(r);
    if (!PeriodInRange(r.TonePeriod)) r.TonePeriod = 70;
}

// A plain code as shown: cut to its length, or filled up with repeat tones.
static std::string PlainCode(std::string d, int length) {
    if (static_cast<int>(d.size()) > length) d.resize(static_cast<std::size_t>(length));
    else d.append(static_cast<std::size_t>(length) - d.size(), 'E');
    return d;
}

// The message characters of an "E1" code: two hex digits each from position 9 on. A pair that
// is not a printable character (radio data may hold anything) shows as "?".
static std::string MessageOfCode(std::string_view c, std::size_t trimmedLength) {
    std::string m;
    const std::size_t count = (trimmedLength - 8) / 2;
    for (std::size_t j = 1; j <= count; ++j) {
        const std::size_t p = 2 * j + 6;  // position 2j+7 counted from 1
        if (p + 1 >= c.size()) break;
        const int hi = HexDigitValue(c[p]), lo = HexDigitValue(c[p + 1]);
        const int code = hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
        m.push_back(code >= 32 && code <= 126 ? static_cast<char>(code) : '?');
    }
    return m;
}

// The standard, period and name cells of a repaired row.
static void ValueCells(const FiveToneCodeRec& rec, FiveToneRowCells& cells) {
    if (rec.IsEmpty != 0) {
        // The user tone set has no name in the list; an empty row shows it as no name too, so
        // saving does not turn it into the first standard.
        cells.Standard = rec.Standard == kUserToneStandard ? "" : ToneStandardName(0);
        cells.Period = "70";
        return;
    }
    cells.Standard = ToneStandardName(rec.Standard);
    cells.Period = std::to_string(rec.TonePeriod);
    cells.Name = rec.Name.Trimmed();
}

FiveToneRowCells ShowFiveToneRow(const AppState& st, const FiveToneCodeRec& stored, int row, std::string_view ownId) {
    FiveToneCodeRec rec = stored;
    RepairFiveToneRow(rec);
    FiveToneRowCells cells;
    cells.Number = std::to_string(row - 1);
    if (rec.IsEmpty != 0) {
        ValueCells(rec, cells);
        return cells;
    }
    const std::string c = rec.Code.Str();
    const std::string t = TrimBlanks(c);
    bool special = false;
    if (t.size() > 1) {
        if (StartsWith(t, "E1") && t.size() >= 8) {
            cells.Kind = GetOptionStr(st, "60073");
            cells.Code = Mid5ToneNoE(c, 3, 5) + std::string(8, ' ') + GetOptionStr(st, "60084") + MessageOfCode(c, t.size());
            special = true;
        } else if (StartsWith(t, "E6") && t.size() >= 6) {
            cells.Kind = std::string(kPttIdKind);
            special = true;
        }
        const std::string s = TrimNull(c);
        if (CheckSignalIDStr(s, ownId)) {
            cells.Kind = std::string(kAniKind);
            cells.Code = Mid5ToneNoE(c, 1, 5);
            if ((s.size() == 11 || s.size() == 12) && !EndsWith(s, kSelfIdMark)) cells.Code.push_back(c[5]);
            special = true;
        }
    }
    if (!special) cells.Code = PlainCode(TrimNull(c), rec.CodeLength);
    ValueCells(rec, cells);
    return cells;
}

static std::uint8_t CodeLengthOf(std::string_view s) {
    return static_cast<std::uint8_t>(std::min<std::size_t>(s.size(), kFiveToneCodeMax));
}

// A row's code in its stored form for the own ID: the own-ID specials carry the own ID, an ANI
// code carries it in place of the placeholder or an older ID.
static void StoreRowCode(FiveToneCodeRec& rec, std::string_view ownId) {
    const std::string s = rec.Code.Trimmed();
    if (s.size() > 2) {
        if (StartsWith(s, "E2") || StartsWith(s, "E6")) rec.Code = s.substr(0, 2) + std::string(ownId);
        const std::string s2 = rec.Code.Trimmed();
        if (CheckSignalIDStr(s2, ownId)) {
            const std::size_t cut = EndsWith(s2, kSelfIdMark) ? 6 : 5;
            rec.Code = s2.substr(0, s2.size() - cut) + std::string(ownId);
        }
        rec.Code = GetSignalIDStr(TrimBlanks(rec.Code.View()), ownId);
    }
    // An empty code is kept as a NUL and blanks; the NUL ends the text and is no tone.
    rec.CodeLength = CodeLengthOf(TrimBlanks(rec.Code.Trimmed()));
}

static std::uint8_t PeriodOfText(std::string_view t) {
    const std::int32_t p = GetIntOfText(t, 70);
    return static_cast<std::uint8_t>(PeriodInRange(p) ? p : 70);
}

// Only tone digits: what a radio's code can hold (a placeholder such as "SelfID" cannot).
static bool RadioDigits(const FiveToneCodeRec& r) {
    const std::string code = TrimBlanks(r.Code.Trimmed());
    return std::all_of(code.begin(), code.end(), [](char c) { return HexDigitValue(c) >= 0 && (c < 'a' || c > 'f'); });
}

bool RowUnchangedSinceLoad(const FiveToneCodeRec& rec, const FiveToneRowCells& cells, const FiveToneCodeRec& loaded) {
    FiveToneCodeRec shown = loaded;
    RepairFiveToneRow(shown);
    if (!(rec == shown || rec == loaded)) return false;
    FiveToneRowCells values;
    ValueCells(shown, values);
    if (cells.Standard != values.Standard || cells.Period != values.Period || cells.Name != values.Name) return false;
    return RadioDigits(loaded);
}

void SaveFiveToneRow(FiveToneCodeRec& rec, const FiveToneRowCells& cells, std::string_view ownId) {
    StoreRowCode(rec, ownId);
    const int std = ToneStandardIndex(cells.Standard);
    if (std >= 0) rec.Standard = static_cast<std::uint8_t>(std);
    rec.TonePeriod = PeriodOfText(cells.Period);
    rec.Name = TrimNull(cells.Name).substr(0, 7);
}

std::string CommitFiveToneCode(FiveToneCodeRec& rec, std::string_view editorText, std::string_view ownId) {
    const std::string v = GetSignalIDStr(editorText, ownId);
    rec.Code = v;
    rec.CodeLength = CodeLengthOf(v);
    rec.IsEmpty = v.empty() ? 1 : 0;
    return v;
}

std::string CommitFiveToneStandard(FiveToneCodeRec& rec, int standardIndex, std::string_view cellText,
                                   std::string& periodCell) {
    if (standardIndex < 0 || standardIndex >= kToneStandardCount) return std::string(cellText);
    rec.Standard = static_cast<std::uint8_t>(standardIndex);
    if (periodCell.empty()) periodCell = "70";
    rec.TonePeriod = PeriodOfText(periodCell);
    return ToneStandardName(standardIndex);
}

std::string CommitFiveTonePeriod(FiveToneCodeRec& rec, std::string_view periodText) {
    rec.TonePeriod = PeriodOfText(periodText);
    return std::string(periodText);
}

std::string CommitFiveToneName(FiveToneCodeRec& rec, std::string_view nameText) {
    const std::string v = TrimNull(nameText);
    rec.Name = v;
    return v;
}

FiveTonePttView ShowFiveTonePtt(const FiveToneCodeRec& stored) {
    FiveToneCodeRec rec = stored;
    RepairFiveTonePtt(rec);
    FiveTonePttView v;
    v.Code = PlainCode(TrimBlanks(rec.Code.View()), rec.CodeLength);
    v.Standard = rec.Standard < kToneStandardCount ? rec.Standard : -1;
    v.StandardText = ToneStandardName(v.Standard);
    v.Period = PeriodInRange(rec.TonePeriod) ? std::to_string(rec.TonePeriod) : "70";
    return v;
}

bool PttUnchangedSinceLoad(const FiveToneCodeRec& rec, const FiveTonePttView& shown, const FiveToneCodeRec& loaded) {
    FiveToneCodeRec repaired = loaded;
    RepairFiveTonePtt(repaired);
    if (!(rec == repaired || rec == loaded)) return false;
    const FiveTonePttView was = ShowFiveTonePtt(loaded);
    return shown.Code == was.Code && shown.Standard == was.Standard && shown.Period == was.Period && RadioDigits(loaded);
}

void SaveFiveTonePtt(FiveToneCodeRec& rec, const FiveTonePttView& v, std::string_view ownId) {
    const std::string s = GetSignalIDStr(v.Code, ownId);
    rec.CodeLength = CodeLengthOf(s);
    rec.Code = s;
    if (v.Standard >= 0 && v.Standard < kToneStandardCount) rec.Standard = static_cast<std::uint8_t>(v.Standard);
    rec.TonePeriod = PeriodOfText(v.Period);
}

void RepairFiveToneForShow(FiveToneData& ft) {
    if (!PeriodInRange(ft.SystemTonePeriod)) ft.SystemTonePeriod = 70;
    if (ft.CountSetting < 5) ft.CountSetting = 0;
    RepairFiveTonePtt(ft.PTTIDBegin);
    RepairFiveTonePtt(ft.PTTIDEnd);
    for (auto& r : ft.CodeRows) RepairFiveToneRow(r);
}

static FiveToneChoice Choice(const std::vector<std::string>& list, int index) {
    FiveToneChoice c;
    if (index >= 0 && index < static_cast<int>(list.size())) {
        c.Index = index;
        c.Text = list[index];
    }
    return c;
}

// A value shown by selecting its text: the first item when no item is equal.
static FiveToneChoice ChoiceByText(const std::vector<std::string>& list, const std::string& text) {
    const int i = GetComboIndexOfText(list, text, 0);
    return Choice(list, list.empty() ? -1 : i);
}

static std::string HexText(int v) {
    if (v < 0) return "";
    static const char* d = "0123456789ABCDEF";
    std::string s;
    do { s.insert(s.begin(), d[v % 16]); v /= 16; } while (v > 0);
    return s;
}

FiveToneView ShowFiveTone(const AppState& st, const FiveToneData& stored, std::uint8_t decodeTime) {
    FiveToneData ft = stored;
    RepairFiveToneForShow(ft);
    const FiveToneLists l = MakeFiveToneLists(st);
    FiveToneView v;

    v.Caption = GetOptionStr(st, "60052");
    v.Label1[0] = GetOptionStr(st, "60072");
    v.Label1[1] = GetLangStr(st, 3004);
    v.Label1[2] = GetOptionStr(st, "60070");
    v.Label1[3] = GetOptionStr(st, "60071");
    const char* more[] = {"60081", "60307", "60308", "60309", "60310", "60311", "60314", "60315", "60316"};
    for (int i = 0; i < 9; ++i) v.Label1[4 + i] = GetOptionStr(st, more[i]);
    v.Check1Caption = GetOptionStr(st, "60312");
    v.FrameCaption = {GetOptionStr(st, "60302"), GetOptionStr(st, "60303")};
    v.PttCodeLabel = GetOptionStr(st, "60079");
    v.GridHeader = {GetOptionStr(st, "60053"), GetOptionStr(st, "60062"), GetOptionStr(st, "60079"),
                    GetOptionStr(st, "60061"), GetOptionStr(st, "60080"), GetOptionStr(st, "60305")};
    v.SpecialCaption = GetOptionStr(st, "60062");
    v.UserToneCaption = GetLangStr(st, 3104);
    v.InfoNumberLabel = GetOptionStr(st, "60095");
    v.InfoLabel = {GetOptionStr(st, "60096"), GetOptionStr(st, "60070"), GetOptionStr(st, "60097"),
                   GetOptionStr(st, "60306")};

    v.OwnID = ft.OwnID.Trimmed();
    // The user tone set (15) has no item in the system's list: the list shows its first item,
    // and that is what OK stores.
    v.Combo1[1] = Choice(l.Standards, ft.SystemStandard < l.Standards.size() ? ft.SystemStandard : 0);
    v.Combo1[2] = Choice(l.Responses, ft.SystemResponse);
    v.Combo1[3] = ChoiceByText(l.Periods, std::to_string(ft.SystemTonePeriod));
    v.Combo1[4] = ChoiceByText(l.TenMs, std::to_string(ft.TenMsSettingA * 10));
    v.Combo1[5] = ChoiceByText(l.Tenths, std::to_string(ft.TenthsSetting / 10) + "." + std::to_string(ft.TenthsSetting % 10));
    v.Combo1[6] = ChoiceByText(l.TenMs, std::to_string(ft.TenMsSettingB * 10));
    v.Combo1[7] = ft.CountSetting == 0 ? Choice(l.Count, 0) : ChoiceByText(l.Count, std::to_string(ft.CountSetting));
    v.Combo1[8] = ChoiceByText(l.TenMs, std::to_string(ft.FirstDigitDelay * 10));
    v.Combo1[9] = ChoiceByText(l.PauseTime, std::to_string(ft.PauseTime * 10));
    v.Combo1[10] = ft.PauseDigit == 0 ? Choice(l.PauseDigit, 0) : ChoiceByText(l.PauseDigit, HexText(ft.PauseDigit));
    v.PauseTimeEnabled = v.Combo1[10].Index > 0;
    v.Combo1[11] = Choice(l.DecodeTime, decodeTime <= 200 ? decodeTime : 0);
    v.Combo1[12] = Choice(l.FirstCodeDelay, ft.FirstCodeDelayAfterPause >= 0 && ft.FirstCodeDelayAfterPause <= 250
                                                ? ft.FirstCodeDelayAfterPause : 0);
    v.SideTone = ft.SideTone != 0;

    v.Ptt[0] = ShowFiveTonePtt(ft.PTTIDBegin);
    v.Ptt[1] = ShowFiveTonePtt(ft.PTTIDEnd);
    for (int k = 0; k < kFiveToneRows; ++k) v.Rows[k] = ShowFiveToneRow(st, ft.CodeRows[k], k + 1, v.OwnID);
    for (int n = 1; n <= 8; ++n) v.InfoCodes[n - 1] = ShowInfoCode(st, ft.InfoCodes[n - 1], n);
    v.Info = v.InfoCodes[0];
    // The load selects the system standard, then the PTT-ID begin and end standards; the view
    // follows the last list selected.
    v.ToneTable = ToneStandardLines(st, v.Ptt[1].StandardText, ft.UserToneSet);
    return v;
}

void SaveFiveTone(FiveToneData& ft, std::uint8_t& decodeTime, const FiveToneView& v, const FiveToneData* asLoaded) {
    const std::string own = v.OwnID;
    ft.OwnID = own;
    ft.OwnIDLength = static_cast<std::uint8_t>(std::min<std::size_t>(own.size(), 6));
    auto idx = [&](int i) { return v.Combo1[i].Index; };
    if (idx(1) >= 0 && idx(1) < kToneStandardCount) ft.SystemStandard = static_cast<std::uint8_t>(idx(1));
    if (idx(2) >= 0 && idx(2) <= 2) ft.SystemResponse = static_cast<std::uint8_t>(idx(2));
    if (idx(3) >= 0) ft.SystemTonePeriod = static_cast<std::uint8_t>(30 + idx(3));
    if (idx(4) >= 0) ft.TenMsSettingA = static_cast<std::uint8_t>(idx(4) + 1);
    if (idx(5) >= 0) ft.TenthsSetting = static_cast<std::uint8_t>(idx(5));
    if (idx(6) >= 0) ft.TenMsSettingB = static_cast<std::uint8_t>(idx(6) + 1);
    if (idx(7) >= 0) ft.CountSetting = static_cast<std::uint8_t>(idx(7) == 0 ? 0 : idx(7) + 4);
    if (idx(8) >= 0) ft.FirstDigitDelay = static_cast<std::int16_t>(idx(8) + 1);
    static const std::int16_t kPauseDigits[] = {0, 11, 12, 13, 15};
    if (idx(10) >= 0 && idx(10) <= 4) ft.PauseDigit = kPauseDigits[idx(10)];
    if (idx(9) >= 0) ft.PauseTime = static_cast<std::int16_t>(idx(9));
    if (idx(11) >= 0) decodeTime = static_cast<std::uint8_t>(idx(11));
    if (idx(12) >= 0) ft.FirstCodeDelayAfterPause = static_cast<std::int16_t>(idx(12));
    // A stored side-tone value other than 1 stays while the box stays ticked.
    if (!v.SideTone) ft.SideTone = 0;
    else if (ft.SideTone == 0) ft.SideTone = 1;
    for (auto [ptt, i, loaded] : {std::tuple{&ft.PTTIDBegin, 0, asLoaded ? &asLoaded->PTTIDBegin : nullptr},
                                  std::tuple{&ft.PTTIDEnd, 1, asLoaded ? &asLoaded->PTTIDEnd : nullptr}}) {
        if (loaded != nullptr && PttUnchangedSinceLoad(*ptt, v.Ptt[i], *loaded)) *ptt = *loaded;
        else SaveFiveTonePtt(*ptt, v.Ptt[i], own);
    }
    for (int k = 0; k < kFiveToneRows; ++k) {
        FiveToneCodeRec& rec = ft.CodeRows[k];
        if (asLoaded != nullptr && RowUnchangedSinceLoad(rec, v.Rows[k], asLoaded->CodeRows[k])) rec = asLoaded->CodeRows[k];
        else SaveFiveToneRow(rec, v.Rows[k], own);
    }
}

void ReplaceSelfIDCode(FiveToneData& ft, std::string_view oldOwnId, std::string_view newOwnId) {
    auto replace = [&](FiveToneCodeRec& stored) {
        FiveToneCodeRec r = stored;
        if (TrimBlanks(r.Code.View()).size() > 1) {
            const std::string_view c = r.Code.View();
            if (StartsWith(c, "E2")) r.Code = "E2" + std::string(newOwnId);
            else if (StartsWith(c, "E6")) r.Code = "E6" + std::string(newOwnId);
            const std::string s = r.Code.Trimmed();
            if (CheckSignalIDStr(s, oldOwnId)) {
                const std::string code = r.Code.Str();
                std::string head = Mid5ToneNoE(code, 1, 5);
                if ((s.size() == 11 || s.size() == 12) && !EndsWith(s, kSelfIdMark)) head.push_back(code[5]);
                r.Code = head + std::string(newOwnId);
            }
        }
        stored = r;
    };
    for (auto& r : ft.CodeRows) replace(r);
    replace(ft.PTTIDBegin);
    replace(ft.PTTIDEnd);
}

}  // namespace rp
