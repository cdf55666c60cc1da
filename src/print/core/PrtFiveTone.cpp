#include "print/core/PrtFiveTone.h"

#include "mappings/FiveTone.h"
#include "model/ValueText.h"
#include "print/core/PrtSectionPager.h"
#include "print/core/PrintText.h"
#include "mappings/SettingsText.h"

namespace rp::print {

namespace {

// A record text as printed: the bytes up to the first NUL, one character each.
std::string RecordText(std::string_view bytes) { return ShownText(AnsiToUtf8(CutAtNull(bytes))); }

std::string InfoCodeText(const InfoCodeRec& r) {
    if (r.CodeLength == 0) return {};
    return RecordText(r.Code.View().substr(0, std::min<std::size_t>(r.CodeLength, 12)));
}

// A stored number with no item in its list prints an empty cell.
std::string ItemOrEmpty(const std::vector<std::string>& items, int index) { return GetComboItemText(items, index, -1); }

std::string PeriodText(int period) { return period >= 30 && period <= 100 ? std::to_string(period) : "70"; }

}  // namespace

void Prt_5Tone(PrintJob& job) {
    const AppState& st = job.State;
    // The section's own copy: the editor's repairs run on the mapping's copy, and the rows of
    // the tables print the record as stored.
    const FiveToneData ft = st.CurRadioData.Signal.FiveTone;
    const FiveToneView v = ShowFiveTone(st, ft, 0);
    const FiveToneLists lists = MakeFiveToneLists(st);
    const std::string& continuedTitle = PrtText(st, st.PrtText5Tone);

    // The code table keeps a row to one line. On A4 its columns hold a code of 40 digits, the
    // longest standard and a name of seven wide letters at the body size; a narrower page prints
    // a cell too wide for its column smaller.
    constexpr float kCodeColumns[] = {5, 10, 56, 70, 87};
    const std::vector<PrintCell> codeHeading = {{kCodeColumns[0], At(v.GridHeader, 0)},
                                                {kCodeColumns[1], At(v.GridHeader, 2)},
                                                {kCodeColumns[2], At(v.GridHeader, 3)},
                                                {kCodeColumns[3], At(v.GridHeader, 4)},
                                                {kCodeColumns[4], At(v.GridHeader, 5)}};
    auto codeTableOpening = [&](PrintJob& j) {
        j.Surface.Print("\r\n");
        PrintRow(j, codeHeading, CellFit::OneLine);
    };

    SectionPager pager(job, TitleOpening(v.Caption));
    pager.Begin(TitleOpening(v.Caption));

    pager.Row({{10, At(v.Label1, 0)}, {35, RecordText(v.OwnID)}, {55, At(v.Label1, 1)}, {75, v.Combo1[1].Text}});
    for (int i = 2; i <= 8; i += 2)
        pager.Row({{10, At(v.Label1, i)},
                   {35, v.Combo1[static_cast<std::size_t>(i)].Text},
                   {55, At(v.Label1, i + 1)},
                   {75, v.Combo1[static_cast<std::size_t>(i + 1)].Text}});
    pager.Row({{10, v.Check1Caption}, {35, PrtOnOffText(st, v.SideTone ? 1 : 0)}});

    // The function column starts clear of the first heading, so Information Code keeps one line
    // on A4.
    pager.Row({{10, v.InfoNumberLabel},
               {27, At(v.InfoLabel, 0)},
               {42, At(v.InfoLabel, 1)},
               {62, At(v.InfoLabel, 2)},
               {80, At(v.InfoLabel, 3)}});
    for (int i = 1; i <= 8; ++i) {
        const InfoCodeRec& r = ft.InfoCodes[static_cast<std::size_t>(i - 1)];
        pager.Row({{10, std::to_string(i)},
                   {27, ItemOrEmpty(lists.InfoFunctions, r.InfoFunction)},
                   {42, ItemOrEmpty(lists.Responses, r.InfoResponse)},
                   {62, InfoCodeText(r)},
                   {80, RecordText(r.Name.Trimmed())}});
    }

    pager.Row({{35, At(v.GridHeader, 2)}, {65, At(v.GridHeader, 3)}, {80, At(v.GridHeader, 4)}});
    for (int k = 0; k < 2; ++k) {
        const FiveTonePttView& p = v.Ptt[static_cast<std::size_t>(k)];
        pager.Row({{10, At(v.FrameCaption, k)}, {35, RecordText(p.Code)}, {65, p.StandardText}, {80, p.Period}});
    }

    // Rows whose length says they hold a code; the empty flag is not asked.
    std::vector<int> printable;
    for (int r = 1; r <= kFiveToneRows; ++r) {
        const int len = ft.CodeRows[static_cast<std::size_t>(r - 1)].CodeLength;
        if (len >= 1 && len <= kFiveToneCodeMax) printable.push_back(r);
    }
    auto codeRow = [&](int r) -> std::vector<PrintCell> {
        const FiveToneCodeRec& rec = ft.CodeRows[static_cast<std::size_t>(r - 1)];
        return {{kCodeColumns[0], std::to_string(r - 1)},
                {kCodeColumns[1], RecordText(TrimBlanks(rec.Code.View()))},
                {kCodeColumns[2], ItemOrEmpty(lists.Standards, rec.Standard)},
                {kCodeColumns[3], PeriodText(rec.TonePeriod)},
                {kCodeColumns[4], RecordText(rec.Name.Trimmed())}};
    };

    // Further pages open with the header, the short title, the gap and the heading row; the
    // first page keeps the heading together with its first row.
    pager.SetOpening([&](PrintJob& j) {
        PrintSectionTitle(j, continuedTitle, 2);
        codeTableOpening(j);
    });
    float opening = DryRunHeight(job, codeTableOpening);
    if (!printable.empty()) opening += pager.Height(codeRow(printable.front()), CellFit::OneLine);
    if (!pager.Need(opening)) codeTableOpening(job);
    for (const int r : printable) pager.Row(codeRow(r), CellFit::OneLine);
    pager.End();
}

}  // namespace rp::print
