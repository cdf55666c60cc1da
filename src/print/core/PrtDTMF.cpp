#include "print/core/PrtDTMF.h"

#include "mappings/DTMFMap.h"
#include "model/ValueText.h"
#include "print/core/PrtSectionPager.h"
#include "print/core/PrintText.h"

namespace rp::print {

void Prt_DTMF(PrintJob& job) {
    const AppState& st = job.State;
    const DTMFData data = st.CurRadioData.Signal.DTMF;
    const DTMFShow v = ShowDTMFData(st, data);
    auto list = [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        return GetComboItemText(v.Lists[k], v.Values.ListIndex[k], -1);
    };
    SectionPager pager(job, TitleOpening(v.FormCaption));
    pager.Begin(TitleOpening(v.FormCaption));
    for (const int i : {1, 2}) pager.Row({{10, v.Label3[static_cast<std::size_t>(i)]}, {50, list(i)}});
    pager.Row({{10, v.Label3[4]}, {50, v.Values.OwnId}});
    for (int i = 5; i <= 12; ++i) pager.Row({{10, v.Label3[static_cast<std::size_t>(i)]}, {50, list(i)}});
    pager.Row({{10, v.Check1}, {50, PrtOnOffText(st, v.Values.SideTone)}});
    for (int i = 0; i < kDTMFCodeBoxes; ++i)
        pager.Row({{10, v.Label1[static_cast<std::size_t>(i)]}, {35, v.Values.Codes[static_cast<std::size_t>(i)]}});
    pager.End();
}

}  // namespace rp::print
