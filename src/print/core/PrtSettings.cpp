#include "print/core/PrtSettings.h"

#include "print/core/PrtSectionPager.h"
#include "print/core/PrintText.h"
#include "mappings/AlertMap.h"
#include "mappings/EMGMap.h"
#include "mappings/OptionMap.h"

namespace rp::print {

namespace {

// The one-page settings sections: caption at one column, value at another, one line each.
void CaptionRow(SectionPager& pager, float captionAt, const std::string& caption, float valueAt,
                const std::string& value) {
    pager.Row({{captionAt, caption}, {valueAt, value}});
}

}  // namespace

void Prt_Option(PrintJob& job) {
    const OptionShow v = ShowOption(job.State);
    SectionPager pager(job, TitleOpening(v.Caption));
    pager.Begin(TitleOpening(v.Caption));

    // The power-on text as its twelve boxes hold it; an empty box stands for a blank.
    std::string text;
    for (const std::string& box : v.Text1) text += box.empty() ? std::string(" ") : box;
    CaptionRow(pager, 10, v.Label2, 35, text);

    // Display mode: its second choice shows the sub-choice of Combo1(18) beside it.
    std::string mode = At(v.Text, 0);
    if (At(v.Index, 0) == 1) mode += At(v.Text, 18);
    CaptionRow(pager, 10, At(v.Label1, 0), 50, mode);

    for (const int i : {1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 16, 17, 19, 20, 21, 22, 23})
        CaptionRow(pager, 10, At(v.Label1, i), 50, At(v.Text, i));
    for (const int i : {1, 2, 3})
        CaptionRow(pager, 10, At(v.Check1Caption, i), 55, PrtOnOffText(job.State, At(v.Check1, i)));
    pager.End();
}

void Prt_EMG(PrintJob& job) {
    const AppState& st = job.State;
    const EMGShow v = ShowEMG(st, st.CurRadioInfo);
    const std::string title = PrtText(st, st.PrtTextEmbedded);
    SectionPager pager(job, TitleOpening(title));
    pager.Begin(TitleOpening(title));

    struct EMGRow {
        std::string Caption;
        const std::string& Value;
    };
    const EMGRow rows[] = {
        {v.Label2, At(v.Text1, 0)},
        {At(v.Label1, 0), At(v.Text1, 6)},
        {At(v.Label1, 9), At(v.Text1, 7)},
        {At(v.Label1, 1), At(v.ComboText, 0)},
        {At(v.Label1, 2), At(v.ComboText, 1)},
        {At(v.Label1, 3), At(v.Text1, 1)},
        {At(v.Label1, 4), At(v.Text1, 2)},
        {At(v.Label1, 5), At(v.Text1, 3)},
        {At(v.Label1, 8), At(v.Text1, 5)},
        {At(v.Label1, 6) + " " + At(v.Label1, 7), At(v.Text1, 4)},  // the description wraps in its column
        {At(v.Label1, 10), At(v.Text1, 8)},
        {At(v.Label1, 11), At(v.Text1, 9)},
        {At(v.Label1, 12), At(v.Text1, 10)},
        {At(v.Label1, 13), At(v.Text1, 11)},
    };
    for (const EMGRow& r : rows) CaptionRow(pager, 10, r.Caption, 35, r.Value);
    pager.End();
}

void Prt_Alert(PrintJob& job) {
    const AlertShow v = ShowAlert(job.State);
    SectionPager pager(job, TitleOpening(v.Caption));
    pager.Begin(TitleOpening(v.Caption));
    // Index 7, the emergency channel group, has no line.
    for (const int i : {0, 1, 2, 3, 4, 5, 6, 8, 9}) CaptionRow(pager, 10, At(v.Label1, i), 45, At(v.Text, i));
    // The lone-work group prints although the dialog keeps it hidden.
    pager.Row({{10, v.Frame1Caption}});
    CaptionRow(pager, 15, v.Check1Caption, 50, PrtOnOffText(job.State, v.Check1));
    for (const int i : {0, 1}) CaptionRow(pager, 15, At(v.Label2, i), 50, At(v.Combo2Text, i));
    pager.End();
}

}  // namespace rp::print
