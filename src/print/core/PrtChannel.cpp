#include "print/core/PrtChannel.h"

#include <algorithm>
#include <numeric>

#include "mappings/ChannelEditMap.h"
#include "model/LangText.h"
#include "model/ToneLists.h"
#include "model/ValueText.h"
#include "print/core/PrintText.h"

namespace rp::print {

ChannelBlockTexts ChannelDialogTexts(const AppState& st) {
    const ChannelEditCaptions c = BuildChannelEditCaptions(st);
    const ChannelEditLists l = BuildChannelEditLists(st);
    ChannelBlockTexts t;
    t.Label1_2 = c.Label1[2];
    t.Label2_4 = c.Label2[4];
    t.Label2_5 = c.Label2[5];
    t.Label2_6 = c.Label2[6];
    t.Label2_7 = c.Label2[7];
    t.Label2_8 = c.Label2[8];
    t.Label2_9 = c.Label2[9];
    t.Label2_10 = c.Label2[10];
    t.Label2_13 = c.Label2[13];
    t.Check1 = c.Check1;
    t.Check4_0 = c.Check4_0;
    t.Check4_1 = c.Check4_1;
    t.Check5 = c.Check5;
    t.Check6 = c.Check6;
    t.Combo2 = l.Shift;
    t.Combo1_0 = l.Step;
    t.Combo1_1 = l.Bandwidth;
    t.Combo1_2 = l.Power;
    t.Combo1_6 = l.Scrambler;
    t.Combo1_7 = l.PttId;
    t.Combo1_8 = l.PttId;
    t.Combo1_11 = l.SquelchModes;
    t.Combo1_13 = l.BusyLock;
    return t;
}

std::string ChannelToneText(const AppState& st, int type, int ctcss, int dcs, int invert) {
    switch (type) {
    case 1:
        // 51 is the channel's own tone, which the standard list does not hold.
        if (ctcss < 0 || ctcss >= kCTCSSToneCount) return {};
        return std::string(CTCSSToneTexts()[static_cast<std::size_t>(ctcss)]);
    case 2:
        if (dcs < 0 || dcs >= kDCSCodeCount) return {};
        return DCSCodeText(dcs, invert > 0);
    default:
        return GetLangStr(st, 1206);
    }
}

std::string ChannelSignalText(const AppState& st, const ChannelData& ch) {
    switch (ch.SignalType) {
    case 1: return "DTMF M" + std::to_string(ch.DTMFMemoryNo + 1);
    case 2: return "2tone{DN} " + std::to_string(ch.TwoToneNo);
    case 3: return "5tone " + std::to_string(ch.FiveToneNo);
    case 4: return "MSK{DN} " + std::to_string(ch.MSKNo);
    default: return GetLangStr(st, 1206);
    }
}

ChannelBlock MakeChannelBlock(const AppState& st, const ChannelBlockTexts& t, const ChannelData& ch) {
    // A stored index with no item in its list prints an empty cell.
    auto item = [](const std::vector<std::string>& list, int index) {
        return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)]
                                                                    : std::string();
    };
    auto word = [&](int v) { return PrtOnOffText(st, v); };
    ChannelBlock b;
    b.Heading = GetLangStr(st, 1751) + " " + GetChannelName(ch.ChannelNo);
    const std::string rx = GetFreShowByData(st, ch.RxFreq.View());
    const std::string offset = GetFreShowByData2(ch.OffsetFreq.View());
    b.Lines = {
        {GetLangStr(st, 1101), rx + " MHz", GetLangStr(st, 1102), item(t.Combo2, ch.Shift) + " " + offset + " MHz"},
        {t.Label1_2, ShownText(AnsiToUtf8(ch.Name.Trimmed())), GetLangStr(st, 1104), item(t.Combo1_0, ch.StepIndex)},
        {GetLangStr(st, 1106), item(t.Combo1_1, ch.Bandwidth), GetLangStr(st, 1109), item(t.Combo1_2, ch.Power)},
        {t.Label2_5, ChannelToneText(st, ch.DecToneType, ch.DecCTCSSIndex, ch.DecDCSCode, ch.DecDCSInvert),
         t.Label2_10, ChannelToneText(st, ch.EncToneType, ch.EncCTCSSIndex, ch.EncDCSCode, ch.EncDCSInvert)},
        {t.Label2_4, ChannelSignalText(st, ch), t.Label2_9, item(t.Combo1_11, ch.SquelchMode)},
        {t.Label2_7, item(t.Combo1_7, ch.DTMFPttId), t.Label2_8, item(t.Combo1_8, ch.FiveTonePttId)},
        {t.Label2_13, item(t.Combo1_13, ch.BusyLockout), t.Label2_6, item(t.Combo1_6, ch.Scrambler)},
        {t.Check1, word(ch.TxInhibit), t.Check5, word(ch.Compander)},
        {t.Check4_0, word(ch.Reverse), t.Check4_1, word(ch.TalkAround)},
        {t.Check6, word(ch.ScanFlag)},
    };
    return b;
}

namespace {

std::vector<PrintCell> LineCells(const std::vector<std::string>& line) {
    // The values start far enough right that the longest caption (Busy Channel Lockout) ends a
    // few points before its value on A4.
    static constexpr float kColumns[] = {10, 32, 55, 75};
    std::vector<PrintCell> cells;
    for (std::size_t i = 0; i < line.size() && i < 4; ++i) cells.push_back({kColumns[i], line[i]});
    return cells;
}

void PrintHeading(PrintJob& job, const ChannelBlock& block) {
    job.Surface.CurrentX = Column(job.Surface, 5);
    job.Surface.Print(block.Heading);
}

}  // namespace

void PrintChannelBlock(PrintJob& job, const ChannelBlock& block) {
    PrintHeading(job, block);
    for (const auto& line : block.Lines) PrintRow(job, LineCells(line));
}

void Prt_UHFChannel(PrintJob& job, const std::function<ChannelBlockTexts(const AppState&)>& textsOf) {
    static constexpr int kMostPerPage = 5;
    const AppState& st = job.State;
    PrintSurface& s = job.Surface;
    const int count = std::clamp<int>(st.CurRadioData.ChannelCount, 0, kMaxChannels);
    const std::string title = GetLangStr(st, 3009);
    if (count == 0) {
        PrintHead(job);
        PrintSectionTitle(job, title, 1);
        PrintPage(job);
        s.NewPage();
        return;
    }
    // Slots in ascending order of channel number; each slot prints its own record.
    std::vector<int> slots(static_cast<std::size_t>(count));
    std::iota(slots.begin(), slots.end(), 0);
    std::stable_sort(slots.begin(), slots.end(), [&](int a, int b) {
        return st.ChannelTable[static_cast<std::size_t>(a)].ChannelNo <
               st.ChannelTable[static_cast<std::size_t>(b)].ChannelNo;
    });
    const ChannelBlockTexts texts = textsOf ? textsOf(st) : ChannelDialogTexts(st);
    int onPage = 0;  // blocks begun or continued on the current page
    auto openPage = [&] {
        PrintHead(job);
        PrintSectionTitle(job, title, 2);
        onPage = 0;
    };
    auto nextPage = [&] {
        PrintPage(job);
        s.NewPage();
        openPage();
    };
    auto fits = [&](float height) { return s.CurrentY + height <= RowsBottom(job); };
    openPage();
    for (const int slot : slots) {
        const ChannelBlock block = MakeChannelBlock(st, texts, st.ChannelTable[static_cast<std::size_t>(slot)]);
        const float height = DryRunHeight(job, [&](PrintJob& dry) { PrintChannelBlock(dry, block); });
        // A page holds whole blocks, as many as fit above the footer's band. A block taller
        // than a whole page (small paper) goes on where it starts and breaks between its lines,
        // its heading repeated on the next page.
        if (onPage == kMostPerPage || (onPage > 0 && !fits(height))) nextPage();
        PrintHeading(job, block);
        ++onPage;
        bool linesHere = false;  // lines of this block under its heading on this page
        for (const auto& line : block.Lines) {
            const auto cells = LineCells(line);
            const float lineHeight = DryRunHeight(job, [&](PrintJob& dry) { PrintRow(dry, cells); });
            if (linesHere && !fits(lineHeight)) {
                nextPage();
                PrintHeading(job, block);
                ++onPage;
            }
            PrintRow(job, cells);
            linesHere = true;
        }
    }
    PrintPage(job);
    s.NewPage();
}

}  // namespace rp::print
