#include "mappings/MSKMap.h"

#include "model/AppState.h"
#include "model/FixedText.h"
#include "model/Values.h"

namespace rp {

std::string GetHexIDText(std::string_view text) {
    if (text.empty()) return "0000";
    for (char c : text)
        if (HexDigitValue(c) < 0) return "0000";
    std::string s(text);
    if (s.size() < 4) s.insert(0, 4 - s.size(), '0');
    return s;
}

int GetLimitFre(const AppState& st, std::string_view text) {
    const auto value = ParseNumber(TrimNull(text));
    if (!value) return 145;
    // Compared as numbers before any narrowing, so no text can overflow a conversion.
    const double f = RoundHalfEven(*value);
    const auto whole = [](double limit) { return static_cast<int>(RoundHalfEven(limit)); };
    if (f < st.RxBandLow[1]) return whole(st.RxBandLow[1]);
    if (f > st.RxBandHigh[0]) return whole(st.RxBandHigh[0]);
    if (f > st.RxBandHigh[1] && f < st.RxBandLow[0]) return f < 300 ? whole(st.RxBandHigh[1]) : whole(st.RxBandLow[0]);
    return static_cast<int>(f);
}

bool MSKFrequencyIllegal(std::string_view text) {
    const auto value = ParseNumber(text);
    const double f = value ? RoundHalfEven(*value) : 0.0;
    return !((f >= 433 && f <= 435) || (f >= 445 && f <= 447));
}

std::vector<std::string> MSKPreSendDelayItems() {
    std::vector<std::string> items;
    for (int i = 1; i <= 250; ++i) items.push_back(FormatScaled(i, 2));
    return items;
}

std::vector<std::string> MSKAutoResetItems() {
    std::vector<std::string> items;
    for (int i = 10; i <= 250; ++i) items.push_back(FormatScaled(i, 1));
    return items;
}

namespace {
int InList(int value, int first, int count) { return value >= first && value < first + count ? value - first : 0; }
}  // namespace

MSKHeaderView ShowMSKHeader(const MSKHeader& h) {
    MSKHeaderView v;
    v.OwnID = CutAtNull(h.MSKOwnID.View());
    v.GroupID = CutAtNull(h.MSKGroupID.View());
    // The radio's 16-bit word, kept in a signed field: FF FF (an erased radio) shows as 65535.
    v.Frequency = std::to_string(static_cast<std::uint16_t>(h.HopFrequency));
    // A stored value without its item shows the first one (0.01 s, Off, Off, 1.0 s).
    v.PreSendDelay = InList(h.PreSendDelay, 1, 250);
    v.PTTIDMode = InList(h.PTTIDMode, 0, 4);
    v.DecodeResponse = InList(h.DecodeResponse, 0, 3);
    v.AutoResetTime = InList(h.AutoResetTime, 10, 241);
    v.SideTone = h.SideTone > 0 ? 1 : 0;
    return v;
}

void SaveMSKHeader(const AppState& st, const MSKHeaderView& v, MSKHeader& h) {
    h.MSKOwnID = GetHexIDText(v.OwnID);
    h.MSKGroupID = GetHexIDText(v.GroupID);
    h.HopFrequency = static_cast<std::int16_t>(GetLimitFre(st, v.Frequency));
    h.PreSendDelay = static_cast<std::int16_t>(InList(v.PreSendDelay, 0, 250) + 1);
    h.PTTIDMode = static_cast<std::int16_t>(InList(v.PTTIDMode, 0, 4));
    h.DecodeResponse = static_cast<std::int16_t>(InList(v.DecodeResponse, 0, 3));
    h.AutoResetTime = static_cast<std::int16_t>(InList(v.AutoResetTime, 0, 241) + 10);
    h.SideTone = v.SideTone > 0 ? 1 : 0;
}

MSKEntryView ShowMSKEntry(const MSKEntry& e) {
    MSKEntryView v;
    v.Valid = e.Valid > 0 ? 1 : 0;
    v.CallType = InList(e.CallType, 0, 4);
    v.IndividualID = CutAtNull(e.IndividualID.View());
    v.GroupID = CutAtNull(e.GroupID.View());
    v.MessageCode = CutAtNull(e.MessageCode.View());
    v.Name = TrimNull(e.EntryName.View());
    return v;
}

void SaveMSKEntry(const MSKEntryView& v, MSKEntry& e) {
    e.Valid = v.Valid > 0 ? 1 : 0;
    e.CallType = static_cast<std::int16_t>(InList(v.CallType, 0, 4));
    e.IndividualID = GetHexIDText(v.IndividualID);
    e.GroupID = GetHexIDText(v.GroupID);
    e.MessageCode.SetNulTerminated(CutAtNull(v.MessageCode));
    e.EntryName.SetNulTerminated(TrimNull(v.Name));
}

MSKIdBoxes MSKIdBoxesFor(int callType, MSKIdBoxes before) {
    switch (callType) {
    case 0: return {true, true};
    case 1: return {false, true};
    case 2: return {false, false};
    default: return before;
    }
}

}  // namespace rp
