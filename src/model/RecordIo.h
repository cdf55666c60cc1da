#pragma once
// One description of each record's file layout, walked by both the writer and the reader so the
// two can never drift apart. An archive has I16, U8, F64 and Text over references.
#include <array>
#include <span>

#include "model/Bytes.h"
#include "model/Records.h"

namespace rp {

class WriteArchive {
public:
    explicit WriteArchive(std::span<std::uint8_t> buf) : w_(buf) {}
    void I16(std::int16_t& v) { w_.I16(v); }
    void U8(std::uint8_t& v) { w_.U8(v); }
    void F64(double& v) { w_.F64(v); }
    template <std::size_t N> void Text(FixedText<N>& t) { w_.Text(t); }
    std::size_t Pos() const { return w_.Pos(); }
    bool Ok() const { return w_.Ok(); }

private:
    ByteWriter w_;
};

class ReadArchive {
public:
    explicit ReadArchive(std::span<const std::uint8_t> buf) : r_(buf) {}
    void I16(std::int16_t& v) { v = r_.I16(); }
    void U8(std::uint8_t& v) { v = r_.U8(); }
    void F64(double& v) { v = r_.F64(); }
    template <std::size_t N> void Text(FixedText<N>& t) { r_.Text(t); }
    std::size_t Pos() const { return r_.Pos(); }
    bool Ok() const { return r_.Ok(); }

private:
    ByteReader r_;
};

template <class A> void Io(A& a, DTMFCodeEntry& e) { a.Text(e.Code); a.I16(e.Length); }
template <class A> void Io(A& a, DTMFKillCodeEntry& e) { a.Text(e.Code); a.I16(e.Length); }

template <class A> void Io(A& a, DTMFData& d) {
    for (auto& m : d.Memories) Io(a, m);
    Io(a, d.PttIdBegin);
    Io(a, d.PttIdEnd);
    Io(a, d.KillCode);
    Io(a, d.StunCode);
    a.I16(d.AniMode); a.I16(d.SendTime); a.I16(d.PttIdMode);
    a.Text(d.OwnId);
    a.I16(d.SeparatorDigit); a.I16(d.GroupDigit); a.I16(d.DecodeResponse);
    a.I16(d.FirstDigitDelay); a.I16(d.PreSendDelay); a.I16(d.ResetTime);
    a.I16(d.PostSendDelay); a.I16(d.PauseTime); a.I16(d.SideTone);
}

template <class A> void Io(A& a, TwoToneEncodeData& e) {
    for (int i = 0; i < TwoToneEncodeData::kSize; ++i) a.U8(e.Byte(i));
}

template <class A> void Io(A& a, TwoToneListEntry& e) {
    a.I16(e.EmptyFlag);
    a.U8(e.FirstDividerHigh); a.U8(e.FirstDividerLow); a.U8(e.SecondDividerHigh); a.U8(e.SecondDividerLow);
    a.U8(e.FirstToneHigh); a.U8(e.FirstToneLow); a.U8(e.SecondToneHigh); a.U8(e.SecondToneLow);
    a.Text(e.Name);
}

template <class A> void Io(A& a, TwoToneDecodeEntry& e) {
    a.I16(e.Valid); a.F64(e.FirstTone); a.F64(e.SecondTone); a.I16(e.Response); a.Text(e.Name);
}

template <class A> void Io(A& a, InfoCodeRec& r) {
    a.U8(r.InfoFunction); a.U8(r.InfoResponse); a.U8(r.CodeLength); a.Text(r.Code); a.Text(r.Name);
}

template <class A> void Io(A& a, FiveToneCodeRec& r) {
    a.I16(r.IsEmpty); a.U8(r.Spare); a.U8(r.Standard); a.U8(r.CodeLength); a.U8(r.TonePeriod);
    a.Text(r.Code); a.Text(r.Name);
}

template <class A> void Io(A& a, FiveToneData& f) {
    a.U8(f.SystemByte0); a.U8(f.SystemResponse); a.U8(f.SystemStandard); a.U8(f.OwnIDLength);
    a.U8(f.SystemTonePeriod);
    a.Text(f.OwnID);
    a.U8(f.TenthsSetting); a.U8(f.TenMsSettingA); a.U8(f.TenMsSettingB); a.U8(f.CountSetting);
    a.I16(f.FirstDigitDelay); a.I16(f.PauseTime); a.I16(f.PauseDigit);
    a.I16(f.FirstCodeDelayAfterPause); a.I16(f.SideTone); a.I16(f.SpecialHexDigit);
    for (auto& r : f.InfoCodes) Io(a, r);
    Io(a, f.PTTIDBegin);
    Io(a, f.PTTIDEnd);
    for (auto& r : f.CodeRows) Io(a, r);
    for (auto& t : f.UserToneSet) a.I16(t);
}

template <class A> void Io(A& a, OptionData& o) {
    for (int k = 1; k <= OptionData::kWordCount; ++k) a.I16(o.Field(k));
    for (auto& b : o.BankLink) a.I16(b);
    a.Text(o.RadioText);
}

template <class A> void Io(A& a, ScanData& s) { for (int i = 0; i < ScanData::kSize; ++i) a.U8(s.Byte(i)); }
template <class A> void Io(A& a, AlertData& s) { for (int i = 0; i < AlertData::kSize; ++i) a.U8(s.Byte(i)); }

template <class A> void Io(A& a, FMRadioEntry& e) { a.I16(e.Number); a.I16(e.Valid); a.Text(e.Frequency); }
template <class A> void Io(A& a, CommBookEntry& e) { a.I16(e.Index); a.Text(e.CallID); a.Text(e.Name); }

template <class A> void Io(A& a, MSKData& m) {
    MSKHeader& h = m.Header;
    a.Text(h.MSKOwnID); a.Text(h.MSKGroupID);
    a.I16(h.PreSendDelay); a.I16(h.SideTone); a.I16(h.PTTIDMode); a.I16(h.DecodeResponse);
    a.I16(h.AutoResetTime);
    for (auto& r : h.Reserved) a.I16(r);
    a.I16(h.HopFrequency);
    for (auto& e : m.Entries) {
        a.I16(e.Valid); a.I16(e.CallType); a.Text(e.IndividualID); a.Text(e.GroupID);
        a.I16(e.MessageLength); a.Text(e.MessageCode); a.Text(e.EntryName);
    }
}

template <class A> void Io(A& a, SignalData& s) {
    Io(a, s.DTMF);
    Io(a, s.TwoTone.Encode);
    for (auto& e : s.TwoTone.List) Io(a, e);
    for (auto& e : s.TwoTone.Decode) Io(a, e);
    Io(a, s.FiveTone);
    Io(a, s.Option);
    Io(a, s.Scan);
    Io(a, s.Alert);
}

// The 9 x 32 bank table; the place index runs fastest.
template <class A> void Io(A& a, BankArray& b) {
    for (auto& bank : b)
        for (auto& place : bank) a.I16(place);
}

// The channel record of the channel file; withTail false gives the older 109-byte form.
template <class A> void Io(A& a, ChannelData& c, bool withTail = true) {
    a.I16(c.ChannelNo); a.I16(c.Used); a.I16(c.ScanFlag);
    a.Text(c.RxFreq); a.Text(c.OffsetFreq); a.Text(c.Name);
    for (int k = 7; k < 7 + ChannelData::kIntRun; ++k) a.I16(c.IntField(k));
    a.Text(c.SpareText);
    if (withTail) { a.I16(c.SquelchLevel); a.I16(c.TwoToneDecodeNo); }
}

// The main record of the data file; withTailWords false gives the 12 271-byte revision.
template <class A> void Io(A& a, RadioData& r, bool withTailWords = true) {
    a.I16(r.BandIndex);
    Io(a, r.Signal);
    a.I16(r.ChannelCount);
    for (auto& e : r.FMRadioList) Io(a, e);
    for (auto& e : r.CommBookList) Io(a, e);
    for (auto& b : r.OptionBytesA) a.U8(b);
    for (auto& t : r.AMList) a.Text(t);
    for (auto& b : r.OptionBytesB) a.U8(b);
    Io(a, r.MSK);
    a.Text(r.ModelCode); a.Text(r.SWFreq); a.Text(r.LWFreq);
    Io(a, r.BankTable);
    a.I16(r.TailWord1);
    a.U8(r.TailByte);
    if (withTailWords) { a.I16(r.TailWord2); a.I16(r.TailWord3); }
}

// A record's N file bytes; extra arguments go to its Io() (such as the shorter older form).
template <std::size_t N, class T, class... Args>
std::array<std::uint8_t, N> EncodeRecord(T copy, Args... args) {
    std::array<std::uint8_t, N> out{};
    WriteArchive a(out);
    Io(a, copy, args...);
    return out;
}

template <class T, class... Args>
T DecodeRecord(std::span<const std::uint8_t> bytes, Args... args) {
    T r;
    ReadArchive a(bytes);
    Io(a, r, args...);
    return r;
}

}  // namespace rp
