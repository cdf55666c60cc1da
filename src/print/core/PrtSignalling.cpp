#include "print/core/PrtSignalling.h"

#include "mappings/TwoToneMap.h"
#include "model/ValueText.h"
#include "print/core/PrtSectionPager.h"
#include "print/core/PrintText.h"

namespace rp::print {

void Prt_2Tone(PrintJob& job) {
    const AppState& st = job.State;
    const TwoToneData data = st.CurRadioData.Signal.TwoTone;
    const TwoToneCaptions c = MakeTwoToneCaptions(st);
    const TwoToneLists l = MakeTwoToneLists(st);
    const TwoToneView v = ShowByData(data);
    SectionPager pager(job, TitleOpening(c.Form));
    pager.Begin(TitleOpening(c.Form));

    // The call settings, under the caption of the editor's second tab.
    pager.Row({{5, At(c.MainTabs, 1)}});
    pager.Row({{10, At(c.Label2, 0)},
               {35, GetComboListText(l.CallFormat, v.CallFormat)},
               {55, At(c.Label2, 1)},
               {75, GetComboListText(l.Response, v.Response)}});
    for (int i = 0; i <= 2; i += 2)
        pager.Row({{10, At(c.Label3, i)}, {35, At(v.Tones, i)}, {55, At(c.Label3, i + 1)}, {75, At(v.Tones, i + 1)}});
    job.Surface.Print("\r\n");

    // The timing settings, under the caption of the first tab.
    pager.Row({{5, At(c.MainTabs, 0)}});
    const std::string times[5] = {GetComboListText(l.Time, v.Time1), GetComboListText(l.Time, v.Time2),
                                  GetComboListText(l.Time, v.Time3), GetComboListText(l.Interval, v.Time4),
                                  GetComboListText(l.Time5, v.Time5)};
    for (int j = 0; j <= 2; j += 2)
        pager.Row({{10, At(c.Label1, j)}, {35, times[j]}, {55, At(c.Label1, j + 1)}, {75, times[j + 1]}});
    pager.Row({{10, At(c.Label1, 4)}, {35, times[4]}, {55, c.Check1}, {75, PrtOnOffText(st, v.OptionFlag)}});

    // The used list entries, two to a line; the number is the grid's row number.
    std::vector<PrintCell> line;
    for (int r = 0; r < kTwoToneListRows; ++r) {
        const auto& cells = v.Grid[static_cast<std::size_t>(r)];
        if (cells[0].empty()) continue;
        const float at = line.empty() ? 10.0f : 55.0f;
        line.push_back({at, At(c.RowNumbers, r)});
        line.push_back({at + 3, cells[0]});
        line.push_back({at + 10, cells[1]});
        line.push_back({at + 17, ShownText(AnsiToUtf8(cells[2]))});  // the entry's name, a record text
        if (line.size() == 8) {
            pager.Row(line);
            line.clear();
        }
    }
    if (!line.empty()) pager.Row(line);
    pager.End();
}

}  // namespace rp::print
