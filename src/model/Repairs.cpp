#include "model/Repairs.h"

#include <algorithm>

#include "model/AppState.h"

namespace rp {

template <class List, class Used> static int FirstUsed(const List& list, Used used) {
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
        if (used(list[i])) return i;
    return 0;
}

template <class List, class Used> static bool Points(const List& list, int no, Used used) {
    return no >= 0 && no < static_cast<int>(list.size()) && used(list[no]);
}

static bool TwoToneUsed(const TwoToneListEntry& e) { return e.EmptyFlag == 0; }
static bool FiveToneUsed(const FiveToneCodeRec& r) { return r.IsEmpty == 0; }
static bool DecodeUsed(const TwoToneDecodeEntry& e) { return e.Valid == 1; }
static bool MSKUsed(const MSKEntry& e) { return e.Valid == 1; }

void RepairChannelSignalRefs(AppState& st, const std::function<void()>& redraw) {
    const RadioData& r = st.CurRadioData;
    const auto& twoTone = r.Signal.TwoTone.List;
    const auto& fiveTone = r.Signal.FiveTone.CodeRows;
    const auto& decode = r.Signal.TwoTone.Decode;
    const auto& msk = r.MSK.Entries;
    const int firstTwo = FirstUsed(twoTone, TwoToneUsed);
    const int firstFive = FirstUsed(fiveTone, FiveToneUsed);
    const int firstDecode = FirstUsed(decode, DecodeUsed);
    const int firstMSK = FirstUsed(msk, MSKUsed);
    const int n = std::clamp<int>(r.ChannelCount, 0, kMaxChannels);
    for (int i = 0; i < n; ++i) {
        ChannelData& c = st.ChannelTable[i];
        if (c.SignalType == 2 && !Points(twoTone, c.TwoToneNo, TwoToneUsed))
            c.TwoToneNo = static_cast<std::int16_t>(firstTwo);
        if (c.SignalType == 3 && !Points(fiveTone, c.FiveToneNo, FiveToneUsed))
            c.FiveToneNo = static_cast<std::int16_t>(firstFive);
        if (c.SignalType == 4 && !Points(msk, c.MSKNo, MSKUsed))
            c.MSKNo = static_cast<std::int16_t>(firstMSK);
        if (!Points(decode, c.TwoToneDecodeNo, DecodeUsed))
            c.TwoToneDecodeNo = static_cast<std::int16_t>(firstDecode);
    }
    if (redraw) redraw();
}

void RepairOption5ToneRefs(AppState& st) {
    AlertData& a = st.CurRadioData.Signal.Alert;
    if (a.IDCodeType != 2) return;
    const auto& rows = st.CurRadioData.Signal.FiveTone.CodeRows;
    if (!Points(rows, a.IDCode, FiveToneUsed)) a.IDCode = static_cast<std::uint8_t>(FirstUsed(rows, FiveToneUsed));
}

// The lowest channel number of the table up to maxNumber, or 0 when there is none.
static int LowestChannel(const AppState& st, int maxNumber) {
    const int n = std::clamp<int>(st.CurRadioData.ChannelCount, 0, kMaxChannels);
    int best = 0;
    for (int i = 0; i < n; ++i) {
        const int no = st.ChannelTable[i].ChannelNo;
        if (no >= 1 && no <= maxNumber && (best == 0 || no < best)) best = no;
    }
    return best;
}

static bool HasChannel(const AppState& st, int number, int maxNumber) {
    if (number < 1 || number > maxNumber) return false;
    const int n = std::clamp<int>(st.CurRadioData.ChannelCount, 0, kMaxChannels);
    for (int i = 0; i < n; ++i)
        if (st.ChannelTable[i].ChannelNo == number) return true;
    return false;
}

// field holds channel number - 1.
template <class T> static void CheckRef(const AppState& st, T& field, int maxNumber) {
    if (HasChannel(st, static_cast<int>(field) + 1, maxNumber)) return;
    const int lowest = LowestChannel(st, maxNumber);
    field = static_cast<T>(lowest > 0 ? lowest - 1 : 0);
}

void CheckChannelRefs(AppState& st) {
    // The option's channel lists offer PL1..PU2 besides the memory channels, never the VFOs.
    constexpr int kOptionMax = 204;
    OptionData& o = st.CurRadioData.Signal.Option;
    CheckRef(st, o.MemoryChannel1, kOptionMax);
    CheckRef(st, o.MemoryChannel2, kOptionMax);
    ScanData& s = st.CurRadioData.Signal.Scan;
    CheckRef(st, s.PriorityChannel1, kMemoryChannels);
    CheckRef(st, s.PriorityChannel2, kMemoryChannels);
    CheckRef(st, st.CurRadioData.Signal.Alert.EmergencyChannel, kMemoryChannels);
}

}  // namespace rp
