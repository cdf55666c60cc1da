#include "model/ChannelOps.h"

#include <algorithm>

#include "model/AppState.h"
#include "model/Banks.h"
#include "model/Values.h"

namespace rp {

static int Count(const AppState& st) { return std::clamp<int>(st.CurRadioData.ChannelCount, 0, kMaxChannels); }

int FindFreIndex(const AppState& st, int number) {
    const int n = Count(st);
    for (int i = 0; i < n; ++i)
        if (st.ChannelTable[i].ChannelNo == number) return i;
    return -1;
}

bool IsChannelNoUsed(const AppState& st, int number) { return FindFreIndex(st, number) >= 0; }

int CountNormalChannels(const AppState& st) {
    const int n = Count(st);
    int normal = 0;
    for (int i = 0; i < n; ++i)
        if (st.ChannelTable[i].ChannelNo < 201) ++normal;
    return normal;
}

void NewEmptyChannel(AppState& st, ChannelData& record, int number) {
    record = ChannelData{};
    record.ChannelNo = static_cast<std::int16_t>(number);
    record.RxFreq = "FFFFFFFFF";
    record.OffsetFreq = "000000000";
    record.Name = "";
    record.SpareText = "00000";
    record.CustomCTCSS = 1511;
    record.SquelchLevel = 3;
    record.ExtraFlag = 1;
    AddChToEditBank(st, number, 0);
}

bool DeleteChannel(AppState& st, int number, const MessageFn& message) {
    if (CountNormalChannels(st) <= 1) {
        if (message) message("Must retain the one channels!");
        return false;
    }
    DelChFromAllBank(st, number);
    const int slot = FindFreIndex(st, number);
    if (slot < 0) return false;
    const int n = Count(st);
    for (int i = slot; i + 1 < n; ++i) st.ChannelTable[i] = st.ChannelTable[i + 1];
    st.CurRadioData.ChannelCount = static_cast<std::int16_t>(n - 1);
    return true;
}

SetFreqResult SetChannelFreq(AppState& st, int number, std::string_view text) {
    SetFreqResult result;
    const int n = Count(st);
    if (number < 1 || number > kMaxChannels || n >= kMaxChannels || IsChannelNoUsed(st, number)) return result;
    AddChToBank(st, number, 0);
    ChannelData& c = st.ChannelTable[n];
    const ChannelData kept = c;  // the slot's unused words stay as they were
    c = ChannelData{};
    c.EncDCSHigh = kept.EncDCSHigh;
    c.Spare1 = kept.Spare1;
    c.DecDCSHigh = kept.DecDCSHigh;
    c.Spare2 = kept.Spare2;
    c.Spare3 = kept.Spare3;
    c.Spare6 = kept.Spare6;
    c.ChannelNo = static_cast<std::int16_t>(number);
    c.Used = 1;
    c.ScanFlag = 0;
    c.StepIndex = 0;
    c.Name = std::string(1, '\0');
    const double mid = (st.RxBandLow[0] + st.RxBandHigh[0]) / 2;
    c.RxFreq = GetFreDataStr(FormatFixed(mid, 4));
    c.OffsetFreq = "000000000";
    c.SpareText = "00000";
    c.CustomCTCSS = 1511;
    c.SquelchLevel = 3;
    c.ExtraFlag = 1;
    st.CurRadioData.ChannelCount = static_cast<std::int16_t>(n + 1);
    result.Added = true;
    result.Check = CheckRxFreqStr(st, text, c.StepIndex);
    c.RxFreq = GetFreDataStr(result.Check.Text);
    return result;
}

// A list index from the grid, or nothing when it is not one of the list's items.
static bool ListIndex(std::string_view value, int count, int& out) {
    const std::int32_t v = GetIntOfText(value, -1);
    if (v < 0 || v >= count) return false;
    out = v;
    return true;
}

static void SetTone(ChannelData& c, bool decode, int part, std::string_view value) {
    int v = 0;
    std::int16_t& type = decode ? c.DecToneType : c.EncToneType;
    std::int16_t& ctcss = decode ? c.DecCTCSSIndex : c.EncCTCSSIndex;
    std::int16_t& dcs = decode ? c.DecDCSCode : c.EncDCSCode;
    std::int16_t& inv = decode ? c.DecDCSInvert : c.EncDCSInvert;
    switch (part) {
        case 0:
            if (ListIndex(value, 3, v)) type = static_cast<std::int16_t>(v);
            break;
        case 1:
            if (ListIndex(value, 52, v)) ctcss = static_cast<std::int16_t>(v);
            break;
        case 2:
            if (ListIndex(value, 1024, v)) {
                dcs = static_cast<std::int16_t>(v % 512);
                inv = static_cast<std::int16_t>(v >= 512 ? 1 : 0);
            }
            break;
        default:
            break;
    }
}

FreqCheckResult SetChannelDataByGrid(AppState& st, int number, std::string_view value, int column, int part) {
    FreqCheckResult check;
    const int slot = FindFreIndex(st, number);
    if (slot < 0) return check;
    ChannelData& c = st.ChannelTable[slot];
    int v = 0;
    switch (column) {
        case 1:
            check = CheckRxFreqStr(st, value, c.StepIndex);
            c.RxFreq = GetFreDataStr(check.Text);
            break;
        case 2: {
            check = CheckTxFreqStr(st, value, c.StepIndex);
            // The data text is already in 10 Hz units; "FFFFFFFFF" (no frequency) reads as none.
            auto rx = ParseScaled(c.RxFreq.Trimmed(), 0, RoundMode::Truncate);
            auto tx = FreqTextToUnits(check.Text);
            if (!rx || !tx) break;
            const std::int64_t diff = *tx - *rx;
            c.Shift = static_cast<std::int16_t>(diff == 0 ? 0 : (diff < 0 ? 1 : 2));
            c.OffsetFreq = FormatPadded(diff < 0 ? -diff : diff, 9);
            break;
        }
        case 3:
            c.Name = value;
            break;
        case 4:
            if (ListIndex(value, 9, v)) c.StepIndex = static_cast<std::int16_t>(v);
            break;
        case 5:
            if (ListIndex(value, 2, v)) c.Bandwidth = static_cast<std::int16_t>(v);
            break;
        case 7:
            if (ListIndex(value, 2, v)) c.Power = static_cast<std::int16_t>(v);
            break;
        case 8:
            SetTone(c, true, part, value);
            break;
        case 9:
            SetTone(c, false, part, value);
            break;
        case 10:
            if (ListIndex(value, 5, v)) c.SignalType = static_cast<std::int16_t>(v);
            break;
        default:
            break;
    }
    return check;
}

int GetChannelToneField(const AppState& st, int number, std::string_view fieldName) {
    const int slot = FindFreIndex(st, number);
    if (slot < 0) return -1;
    const ChannelData& c = st.ChannelTable[slot];
    if (fieldName == "De_CTC_Type") return c.DecToneType;
    if (fieldName == "En_CTC_Type") return c.EncToneType;
    if (fieldName == "De_CTCSS") return c.DecCTCSSIndex;
    if (fieldName == "En_CTCSS") return c.EncCTCSSIndex;
    if (fieldName == "De_CDCSS") return c.DecDCSCode + (c.DecDCSInvert > 0 ? 512 : 0);
    if (fieldName == "En_CDCSS") return c.EncDCSCode + (c.EncDCSInvert > 0 ? 512 : 0);
    return -1;
}

static bool CopyToClipboard(AppState& st, int number) {
    const int n = Count(st);
    for (int i = 0; i < n; ++i) {
        if (st.ChannelTable[i].ChannelNo == number && st.ChannelTable[i].Used == 1) {
            st.ChannelClipboard = st.ChannelTable[i];
            return true;
        }
    }
    st.ChannelClipboard.Used = 0;
    return false;
}

void CopyChannel(AppState& st, int grid, int number) {
    if (grid != 0) return;
    CopyToClipboard(st, number);
}

void CutChannel(AppState& st, int grid, int number, const MessageFn& message) {
    if (grid != 0) return;
    if (CopyToClipboard(st, number)) DeleteChannel(st, number, message);
}

bool PasteChannel(AppState& st, int grid, int number, const MessageFn& message) {
    if (grid != 0) return false;
    if (st.ChannelClipboard.Used != 1) {
        DeleteChannel(st, number, message);
        return false;
    }
    const int slot = FindFreIndex(st, number);
    if (slot >= 0) {
        st.ChannelTable[slot] = st.ChannelClipboard;
        st.ChannelTable[slot].ChannelNo = static_cast<std::int16_t>(number);
        return true;
    }
    const int n = Count(st);
    if (n >= kMaxChannels || number < 1 || number > kMaxChannels) return false;
    st.ChannelTable[n] = st.ChannelClipboard;
    st.ChannelTable[n].ChannelNo = static_cast<std::int16_t>(number);
    st.CurRadioData.ChannelCount = static_cast<std::int16_t>(n + 1);
    return true;
}

}  // namespace rp
