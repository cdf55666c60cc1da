#include "mappings/DTMFMap.h"

#include <algorithm>

#include "model/FixedText.h"
#include "model/LangText.h"
#include "model/ValueText.h"
#include "model/Values.h"

namespace rp {

namespace {

constexpr std::int16_t kGroupDigitNone = 255;
constexpr std::int16_t kSeparatorDefault = 14;  // "*"

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

bool IsDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A list index as the dialog holds it, item 0 when outside the list.
int Pick(int index, std::size_t count) { return InRange(index, 0, static_cast<int>(count) - 1) ? index : 0; }

bool RaiseLastDigit(std::string& b) {
    const int v = HexDigitValue(b.back());
    if (v < 0) return false;
    b.back() = "0123456789ABCDEF"[(v + 1) % 16];
    return true;
}

template <std::size_t N>
std::string ShowCode(const FixedText<N>& code, std::int16_t length) {
    const std::size_t n = static_cast<std::size_t>(std::clamp<int>(length, 0, static_cast<int>(N)));
    // A length past the digits (a damaged record) must not show the padding as part of the code.
    return DTMFRadioToShow(TrimNull(code.View().substr(0, n)));
}

template <class Entry>
void StoreCode(Entry& e, const std::string& text) {
    const std::string t = text.substr(0, std::min(text.size(), decltype(e.Code)::Size));
    e.Length = static_cast<std::int16_t>(t.size());
    e.Code = DTMFShowToRadio(t);
}

}  // namespace

int DTMFCodeBoxWidth(int box) {
    return box == kDTMFKillBox || box == kDTMFStunBox ? static_cast<int>(FixedText<14>::Size)
                                                     : static_cast<int>(FixedText<24>::Size);
}

std::array<std::vector<std::string>, kDTMFLists> DTMFLists(const AppState& s) {
    auto t = [&](int id) { return GetLangStr(s, id); };
    std::array<std::vector<std::string>, kDTMFLists> l;
    for (int i = 1; i <= 16; ++i) l[0].push_back("M" + std::to_string(i));
    l[1] = {t(1755), t(1756)};
    for (const char* ms : {"50", "100", "200", "300", "500"}) l[2].push_back(ms + t(1780));
    l[3] = {t(1755), t(1765), t(1766), t(1767)};
    l[5] = {"A", "B", "C", "D", "*", "#"};
    l[6] = {t(1755), "A", "B", "C", "D", "*", "#"};
    l[7] = {t(1650), t(1651), t(1653)};
    for (int i = 0; i <= 250; ++i) l[8].push_back(std::to_string(i * 10));
    for (int i = 1; i <= 250; ++i) l[9].push_back(std::to_string(i * 10));
    for (int i = 0; i <= 250; ++i) l[10].push_back(FormatScaled(i, 1));
    l[11] = l[9];
    l[12].push_back(t(1755));
    for (int i = 5; i <= 75; ++i) l[12].push_back(std::to_string(i));
    return l;
}

DTMFData RepairDTMFData(const DTMFData& d) {
    DTMFData r = d;
    if (!InRange(r.AniMode, 0, 1)) r.AniMode = 0;
    if (!InRange(r.SendTime, 0, 4)) r.SendTime = 0;
    if (!InRange(r.PttIdMode, 0, 3)) r.PttIdMode = 0;
    const std::string id = r.OwnId.Trimmed();
    r.OwnId = IsDigits(id) ? PadOwnId(id) : std::string("000");
    if (!InRange(r.SeparatorDigit, 10, 15)) r.SeparatorDigit = kSeparatorDefault;
    // 255 is the stored "none" and stays; anything else outside A..F is marked 9, also "none".
    if (!InRange(r.GroupDigit, 10, 15) && r.GroupDigit != kGroupDigitNone) r.GroupDigit = 9;
    if (!InRange(r.DecodeResponse, 0, 2)) r.DecodeResponse = 0;
    if (!InRange(r.FirstDigitDelay, 0, 250)) r.FirstDigitDelay = 0;
    if (r.PauseTime < 5) r.PauseTime = 0;
    if (!InRange(r.SideTone, 0, 1)) r.SideTone = 0;
    return r;
}

DTMFShow ShowDTMFData(const AppState& s, const DTMFData& record) {
    const DTMFData d = RepairDTMFData(record);
    auto t = [&](int id) { return GetLangStr(s, id); };
    DTMFShow w;
    w.FormCaption = "DTMF";
    w.Frame1 = t(1602);
    w.Label2 = t(1603);
    w.CommandSpecial = t(3003);
    w.Check1 = t(1612);
    w.CommandOK = t(101);
    w.CommandCancel = t(102);
    for (int i = 0; i < 16; ++i) w.Label1[static_cast<std::size_t>(i)] = "M" + std::to_string(i + 1);
    w.Label1[16] = GetOptionStr(s, "60302");
    w.Label1[17] = GetOptionStr(s, "60303");
    w.Label1[18] = GetOptionStr(s, "60069");
    w.Label1[19] = GetOptionStr(s, "60093");
    w.Label3 = {t(1710), t(1740), t(1741), t(1743), t(3002), t(1604), t(1605),
                t(1606), t(1607), t(1608), t(1609), t(1610), t(1611)};
    w.Lists = DTMFLists(s);
    w.ListShown.fill(true);
    w.ListShown[0] = w.ListShown[1] = w.ListShown[3] = false;

    auto& x = w.Values.ListIndex;
    x[0] = 0;
    x[1] = d.AniMode;
    x[2] = d.SendTime;
    x[3] = d.PttIdMode;
    x[4] = -1;
    x[5] = d.SeparatorDigit - 10;
    x[6] = InRange(d.GroupDigit, 10, 15) ? d.GroupDigit - 9 : 0;
    x[7] = d.DecodeResponse;
    x[8] = d.FirstDigitDelay;
    x[9] = InRange(d.PreSendDelay, 1, 250) ? d.PreSendDelay - 1 : 0;
    x[10] = InRange(d.ResetTime, 0, 250) ? d.ResetTime : 0;
    x[11] = InRange(d.PostSendDelay, 1, 250) ? d.PostSendDelay - 1 : 0;
    x[12] = InRange(d.PauseTime, 5, 75) ? d.PauseTime - 4 : 0;

    auto& c = w.Values.Codes;
    for (std::size_t i = 0; i < 16; ++i) c[i] = ShowCode(d.Memories[i].Code, d.Memories[i].Length);
    c[16] = ShowCode(d.PttIdBegin.Code, d.PttIdBegin.Length);
    c[17] = ShowCode(d.PttIdEnd.Code, d.PttIdEnd.Length);
    c[18] = ShowCode(d.KillCode.Code, d.KillCode.Length);
    c[19] = ShowCode(d.StunCode.Code, d.StunCode.Length);

    w.Values.OwnId = d.OwnId.Trimmed();
    w.Values.SideTone = d.SideTone;
    return w;
}

void StoreDTMFData(DTMFData& d, const DTMFValues& v) {
    const auto& x = v.ListIndex;
    d.AniMode = static_cast<std::int16_t>(Pick(x[1], 2));
    d.SendTime = static_cast<std::int16_t>(Pick(x[2], 5));
    d.PttIdMode = static_cast<std::int16_t>(Pick(x[3], 4));
    d.OwnId = PadOwnId(v.OwnId);
    d.SeparatorDigit = static_cast<std::int16_t>(Pick(x[5], 6) + 10);
    const int group = Pick(x[6], 7);
    d.GroupDigit = static_cast<std::int16_t>(group == 0 ? kGroupDigitNone : group + 9);
    d.DecodeResponse = static_cast<std::int16_t>(Pick(x[7], 3));
    d.FirstDigitDelay = static_cast<std::int16_t>(Pick(x[8], 251));
    d.PreSendDelay = static_cast<std::int16_t>(Pick(x[9], 250) + 1);
    d.ResetTime = static_cast<std::int16_t>(Pick(x[10], 251));
    d.PostSendDelay = static_cast<std::int16_t>(Pick(x[11], 250) + 1);
    const int pause = Pick(x[12], 72);
    d.PauseTime = static_cast<std::int16_t>(pause == 0 ? 0 : pause + 4);
    d.SideTone = v.SideTone ? 1 : 0;

    StoreCode(d.PttIdBegin, v.Codes[16]);
    StoreCode(d.PttIdEnd, v.Codes[17]);
    StoreCode(d.KillCode, v.Codes[kDTMFKillBox]);
    StoreCode(d.StunCode, v.Codes[kDTMFStunBox]);
    // An adjustment keeps a code's length, so the stored lengths stay right.
    std::string kill = d.KillCode.Code.Str();
    std::string stun = d.StunCode.Code.Str();
    CheckKillStunCodes(d.OwnId.Str(), kill, stun);
    d.KillCode.Code = kill;
    d.StunCode.Code = stun;

    for (std::size_t i = 0; i < 16; ++i) StoreCode(d.Memories[i], v.Codes[i]);
}

bool KillStunCodesClash(std::string_view killBox, std::string_view stunBox) {
    const std::string kill = TrimNull(killBox);
    return !kill.empty() && kill == TrimNull(stunBox);
}

std::string PadOwnId(std::string_view id) {
    std::string r(id);
    while (r.size() < static_cast<std::size_t>(kDTMFOwnIdLength)) r.push_back('0');
    return r;
}

void RewriteCodesForSeparator(std::array<std::string, kDTMFCodeBoxes>& codes, std::string_view newSeparator,
                              std::string_view ownId) {
    for (int i = 0; i < kDTMFIdCodeBoxes; ++i) {
        std::string& t = codes[static_cast<std::size_t>(i)];
        const std::string_view v(t);
        if (v.size() == 7 && IsDigits(v.substr(0, 3)) && IsDigits(v.substr(4)) && v.substr(4) == ownId &&
            !IsDigits(v.substr(3, 1)))
            t = std::string(v.substr(0, 3)).append(newSeparator).append(v.substr(4));
        else if (v.size() == 4 && IsDigits(v.substr(1)) && v.substr(1) == ownId && !IsDigits(v.substr(0, 1)))
            t = std::string(newSeparator).append(v.substr(1));
    }
}

void RewriteCodesForOwnId(std::array<std::string, kDTMFCodeBoxes>& codes, std::string_view separator,
                          std::string_view oldId, std::string_view newId) {
    // Passing through the box without a change must not pull foreign codes onto the own ID.
    if (oldId == newId) return;
    for (int i = 0; i < kDTMFIdCodeBoxes; ++i) {
        std::string& t = codes[static_cast<std::size_t>(i)];
        const std::string_view v(t);
        if (v.size() == 7 && IsDigits(v.substr(0, 3)) && IsDigits(v.substr(4)) && v.substr(3, 1) == separator)
            t = std::string(v.substr(0, 4)).append(newId);
        else if (v.size() == 4 && IsDigits(v.substr(1)) && v.substr(0, 1) == separator)
            t = std::string(v.substr(0, 1)).append(newId);
    }
}

std::string ComposeAniCode(std::string_view partyCode, std::string_view separator, std::string_view ownId) {
    return PadOwnId(partyCode).append(separator).append(ownId);
}

void AdjustSameCode(const std::string& a, std::string& b) {
    if (a.empty() || b.empty() || a != b) return;
    RaiseLastDigit(b);
}

void CheckKillStunCodes(const std::string& ownId, std::string& kill, std::string& stun) {
    const std::string id = TrimNull(ownId);
    kill = TrimNull(kill);
    stun = TrimNull(stun);
    AdjustSameCode(id, kill);
    AdjustSameCode(id, stun);
    AdjustSameCode(kill, stun);
    // Raising the stun code past the kill code can land it on the ID (ID 125, kill and stun 124):
    // the radio must still tell all three apart.
    for (int n = 0; n < 16 && !stun.empty() && (stun == id || stun == kill); ++n)
        if (!RaiseLastDigit(stun)) break;
}

}  // namespace rp
