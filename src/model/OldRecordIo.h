#pragma once
// File layouts of the older models' records, in the same walk-once style as RecordIo.h.
#include "model/OldModel.h"
#include "model/RecordIo.h"

namespace rp {

template <class A> void Io(A& a, OldOptionData& o) {
    for (auto& w : o.Words) a.I16(w);
    a.Text(o.RadioText);
}

template <class A> void Io(A& a, OldSignalData& s) {
    Io(a, s.DTMF);
    Io(a, s.TwoTone.Encode);
    for (auto& e : s.TwoTone.List) Io(a, e);
    Io(a, s.FiveTone);
    Io(a, s.Option);
    Io(a, s.Scan);
    Io(a, s.Alert);
}

// The older main record: the current order up to the MSK block, a 6-character model text, the
// two frequency texts and one tail byte; no banks and no tail words.
template <class A> void Io(A& a, OldRadioData& r) {
    a.I16(r.BandIndex);
    Io(a, r.Signal);
    a.I16(r.ChannelCount);
    for (auto& e : r.FMRadioList) Io(a, e);
    for (auto& e : r.CommBookList) Io(a, e);
    for (auto& b : r.OptionBytesA) a.U8(b);
    for (auto& t : r.AMList) a.Text(t);
    for (auto& b : r.OptionBytesB) a.U8(b);
    Io(a, r.MSK);
    a.Text(r.ModelCode);
    a.Text(r.SWFreq);
    a.Text(r.LWFreq);
    a.U8(r.TailByte);
}

}  // namespace rp
