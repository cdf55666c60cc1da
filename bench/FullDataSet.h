#pragma once
// A data set with everything in use and every record different: all 206 channels with varied
// fields, and the broadcast, AM, communication-book, 2-Tone, five-tone and DTMF lists full.
// Benchmarks measure on it, so no list is short-cut by an empty entry.
#include <cstdio>
#include <string>

#include "model/AppState.h"
#include "model/ChannelOps.h"
#include "model/NewData.h"
#include "model/Values.h"

namespace rp::bench {

inline std::string Numbered(const char* prefix, int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%03d", prefix, n);
    return buf;
}

inline void FillFullData(AppState& st) {
    st.NoInitFileFlag = true;
    NewData(st);
    for (int n = 1; n <= kMemoryChannels; ++n) {
        if (FindFreIndex(st, n) >= 0) continue;
        const double mhz = n % 2 ? 400.0125 + n * 0.3 : 136.0125 + n * 0.15;
        AddDefaultChannel(st, n, FormatFixed(mhz, 4));
    }
    RadioData& r = st.CurRadioData;
    for (int i = 0; i < r.ChannelCount; ++i) {
        ChannelData& c = st.ChannelTable[static_cast<std::size_t>(i)];
        const int n = c.ChannelNo;
        c.Name = Numbered("C", n % 1000);
        c.StepIndex = static_cast<std::int16_t>(n % 9);
        c.Bandwidth = static_cast<std::int16_t>(n % 2);
        c.Power = static_cast<std::int16_t>((n / 2) % 2);
        c.DecToneType = static_cast<std::int16_t>(n % 2);
        c.DecCTCSSIndex = static_cast<std::int16_t>(n % 50);
        c.EncToneType = static_cast<std::int16_t>((n + 1) % 2);
        c.EncCTCSSIndex = static_cast<std::int16_t>((n * 7) % 50);
        c.ScanFlag = static_cast<std::int16_t>(n % 2);
        c.SignalType = static_cast<std::int16_t>(n % 4);
        c.DTMFMemoryNo = static_cast<std::int16_t>(n % 16);
        c.TwoToneNo = static_cast<std::int16_t>(1 + n % 32);
        c.FiveToneNo = static_cast<std::int16_t>(1 + n % 100);
    }
    for (int i = 0; i < static_cast<int>(r.FMRadioList.size()); ++i) {
        r.FMRadioList[i].Number = static_cast<std::int16_t>(i + 1);
        r.FMRadioList[i].Valid = 1;
        r.FMRadioList[i].Frequency = FormatPadded(880000 + i * 1000, 8);
    }
    for (int i = 0; i < static_cast<int>(r.AMList.size()); ++i) r.AMList[i] = FormatFixed(118.0 + i * 0.125, 4);
    for (int i = 0; i < static_cast<int>(r.CommBookList.size()); ++i) {
        r.CommBookList[i].Index = static_cast<std::int16_t>(i + 1);
        r.CommBookList[i].CallID = FormatPadded(10000 + i * 7, 5);
        r.CommBookList[i].Name = Numbered("BK", i + 1);
    }
    auto& two = r.Signal.TwoTone;
    for (int i = 0; i < static_cast<int>(two.List.size()); ++i) {
        auto& e = two.List[i];
        e.EmptyFlag = 0;
        e.FirstToneHigh = static_cast<std::uint8_t>(10 + i);
        e.FirstToneLow = static_cast<std::uint8_t>(i * 3);
        e.SecondToneHigh = static_cast<std::uint8_t>(20 + i);
        e.SecondToneLow = static_cast<std::uint8_t>(i * 5);
        e.FirstDividerHigh = static_cast<std::uint8_t>(i);
        e.FirstDividerLow = static_cast<std::uint8_t>(100 + i);
        e.SecondDividerHigh = static_cast<std::uint8_t>(i / 2);
        e.SecondDividerLow = static_cast<std::uint8_t>(50 + i);
        e.Name = Numbered("TT", i + 1);
    }
    for (int i = 0; i < static_cast<int>(two.Decode.size()); ++i) {
        auto& d = two.Decode[i];
        d.Valid = 1;
        d.FirstTone = 300.0 + i * 10;
        d.SecondTone = 1000.0 + i * 10;
        d.Response = static_cast<std::int16_t>(i % 3);
        d.Name = Numbered("D", i + 1);
    }
    auto& five = r.Signal.FiveTone;
    for (int i = 0; i < static_cast<int>(five.CodeRows.size()); ++i) {
        auto& c = five.CodeRows[i];
        c.IsEmpty = 0;
        c.CodeLength = 5;
        c.TonePeriod = 70;
        c.Code = FormatPadded(10000 + i * 11, 5);
        c.Name = Numbered("F", i + 1);
    }
    for (int i = 0; i < static_cast<int>(r.Signal.DTMF.Memories.size()); ++i) {
        auto& m = r.Signal.DTMF.Memories[i];
        m.Code = FormatPadded(100000 + i * 13, 6);
        m.Length = 6;
    }
}

}  // namespace rp::bench
