#include "shell/MainGridText.h"

#include "model/FixedText.h"
#include "model/Values.h"
#include "model/Banks.h"
#include "model/ValueText.h"

namespace rp {

namespace {

const std::string& ItemOrEmpty(const std::vector<std::string>& items, int index) {
    static const std::string empty;
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : empty;
}

bool IsAllF(std::string_view s) {
    return !s.empty() && s.find_first_not_of('F') == std::string_view::npos;
}

}  // namespace

std::string ToneCellText(int type, int ctcssIndex, int dcsCode, int dcsInvert,
                         const RowTextLists& lists) {
    if (type == 1) return ItemOrEmpty(lists.Ctcss, ctcssIndex);
    if (type == 2) {
        std::string code = ItemOrEmpty(lists.Dcs, dcsCode);
        if (code.empty()) return code;
        if (dcsInvert > 0) code.back() = 'I';
        return "D" + code;
    }
    return lists.Off;
}

RowTexts ChannelRowTexts(const AppState& st, const ChannelData& ch, const RowTextLists& lists) {
    RowTexts t;
    t[0] = GetFreShowByData(st, ch.RxFreq.View());
    // The transmit side is worked out in whole 10 Hz units: a double would print 145.92499.
    if (!t[0].empty()) {
        if (ch.Shift == 1 || ch.Shift == 2) {
            const auto rx = FreqTextToUnits(t[0]);
            const auto off = FreqTextToUnits(GetFreShowByData2(ch.OffsetFreq.View()));
            if (rx && off) {
                const std::int64_t tx = ch.Shift == 1 ? *rx - *off : *rx + *off;
                t[1] = tx < 0 ? "-" + FreqUnitsToText(-tx, 0) : FreqUnitsToText(tx, 0);
            }
        } else {
            t[1] = t[0];
        }
    }
    t[2] = ch.Name.Trimmed();
    t[3] = ItemOrEmpty(lists.Steps, ch.StepIndex);
    t[4] = ch.Bandwidth == 0 ? "25K" : "12.5K";
    t[5] = GetChBankStr(st, ch.ChannelNo);
    // A negative power word names no level; the cell must not keep another channel's text.
    t[6] = ch.Power == 1 ? lists.PowerLow : ch.Power >= 0 ? lists.PowerHigh : std::string();
    t[7] = ToneCellText(ch.DecToneType, ch.DecCTCSSIndex, ch.DecDCSCode, ch.DecDCSInvert, lists);
    t[8] = ToneCellText(ch.EncToneType, ch.EncCTCSSIndex, ch.EncDCSCode, ch.EncDCSInvert, lists);
    switch (ch.SignalType) {
        case 1: t[9] = "DTMF M" + std::to_string(ch.DTMFMemoryNo + 1); break;
        case 2: t[9] = "2tone{DN} " + std::to_string(ch.TwoToneNo); break;
        case 3: t[9] = "5tone " + std::to_string(ch.FiveToneNo); break;
        case 4:
            t[9] = st.CurModelCode == "6173USD" ? "MSK{DN} " + std::to_string(ch.MSKNo) : lists.Off;
            break;
        default: t[9] = lists.Off; break;
    }
    return t;
}

std::string RadioShowText(std::string_view digits) {
    const std::string s = TrimNull(digits);
    if (s.empty() || IsAllF(s)) return "";
    const auto v = ParseScaled(s, 0, RoundMode::Truncate);  // 100 Hz units
    if (!v || *v < 0) return "";
    return FormatScaled(*v, 4);
}

std::string AMShowText(std::string_view text) {
    const std::string s = TrimNull(text);
    if (s.empty()) return "";
    const auto v = ParseScaled(s, 4, RoundMode::HalfAwayFromZero);
    if (!v || *v < 0) return "";
    return FormatScaled(*v, 4);
}

std::string ListRowLabel(int index, int count, int pointer) {
    std::string label = index == count - 1 ? "VFO" : std::to_string(index + 1);
    if (pointer >= 0 && pointer < count && pointer == index) label = ">>" + label;
    return label;
}

}  // namespace rp
