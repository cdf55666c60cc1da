#pragma once
// A data set with every area in use, as a user who went through each editor would leave it:
// all channels, every list and signalling table, long names and texts. A few stored values are
// ones the editors repair or normalise when they show them (a DTMF group digit of 255, an own ID
// without its leading zeros, frequency texts with a NUL and rubbish behind it, embedded-message
// texts with trailing blanks), so a printout that wrote its repairs back would be seen.
#include <cstdint>
#include <string>
#include <vector>

#include "MainFixture.h"
#include "comm/Codecs.h"
#include "comm/CommImage.h"
#include "model/CommBook.h"
#include "model/DataFileCodec.h"
#include "mappings/MSKMap.h"
#include "model/NewData.h"
#include "mappings/TwoToneMap.h"
#include "model/ValueText.h"

namespace rp::test {

namespace full {

template <std::size_t N>
void SetDTMFCode(FixedText<N>& code, std::int16_t& length, const std::string& shown) {
    const std::string t = shown.substr(0, N);
    code = DTMFShowToRadio(t);
    length = static_cast<std::int16_t>(t.size());
}

// Digits of a given length, starting at a varying place.
inline std::string Digits(int start, int length, const char* alphabet = "1234567890") {
    const std::string a(alphabet);
    std::string s;
    for (int i = 0; i < length; ++i) s += a[static_cast<std::size_t>(start + i) % a.size()];
    return s;
}

}  // namespace full

// Fills st (language and program folder already set) with the full data set; the file copies
// equal the working data, so IsDataChanged is false.
inline void FillFullData(AppState& st) {
    using namespace full;
    NewData(st);
    FillAllChannels(st);
    RadioData& r = st.CurRadioData;
    SignalData& sig = r.Signal;

    // DTMF: every code box filled up to its width, "none" stored as 255.
    DTMFData& d = sig.DTMF;
    for (int i = 0; i < 16; ++i)
        SetDTMFCode(d.Memories[static_cast<std::size_t>(i)].Code, d.Memories[static_cast<std::size_t>(i)].Length,
                    Digits(i, 8 + i, "0123456789ABCD*#"));
    SetDTMFCode(d.PttIdBegin.Code, d.PttIdBegin.Length, "123*456#7890ABCD12345678");
    SetDTMFCode(d.PttIdEnd.Code, d.PttIdEnd.Length, "#987654321");
    SetDTMFCode(d.KillCode.Code, d.KillCode.Length, "AB12345678901C");
    SetDTMFCode(d.StunCode.Code, d.StunCode.Length, "D*0#");
    d.AniMode = 1;
    d.SendTime = 3;
    d.PttIdMode = 2;
    d.OwnId = "5";  // shown padded to "005"
    d.SeparatorDigit = 14;
    d.GroupDigit = 255;
    d.DecodeResponse = 2;
    d.FirstDigitDelay = 120;
    d.PreSendDelay = 40;
    d.ResetTime = 30;
    d.PostSendDelay = 20;
    d.PauseTime = 25;
    d.SideTone = 1;

    // 2-Tone: every list row and every decode entry used.
    TwoToneData& t2 = sig.TwoTone;
    for (int k = 0; k < 32; ++k) {
        TwoToneListEntry& e = t2.List[static_cast<std::size_t>(k)];
        e.EmptyFlag = 0;
        SaveEditCell(e, 1, std::to_string(400 + 75 * k) + ".5");
        if (k % 3 != 0) SaveEditCell(e, 2, std::to_string(2900 - 60 * k));
        SaveEditCell(e, 3, "TWO" + std::to_string(1000 + k));
    }
    for (int k = 0; k < 16; ++k)
        SaveDecodeEntry(t2.Decode[static_cast<std::size_t>(k)],
                        {std::to_string(500 + 100 * k), std::to_string(2500 - 80 * k), "DEC" + std::to_string(100 + k),
                         k % 3, 1});
    TwoToneEncodeInput enc;
    enc.CallFormat = 3;
    enc.Response = 1;
    enc.Time1 = 2;
    enc.Time2 = 4;
    enc.Time3 = 6;
    enc.Time4 = 8;
    enc.Time5 = 1;
    enc.OptionFlag = 1;
    enc.Tones = {"1000", "1500.5", "2200", "3000"};
    SaveToData(t2.Encode, enc);

    // 5-Tone: own ID, eight information codes, both PTT-ID codes and all hundred rows, with
    // names of the full seven characters in the widest letters.
    FiveToneData& f = sig.FiveTone;
    f.OwnID = "12345";
    f.OwnIDLength = 5;
    f.SystemTonePeriod = 12;  // outside its list: shown as its fallback
    f.CountSetting = 3;
    f.SideTone = 1;
    for (int i = 0; i < 8; ++i) {
        InfoCodeRec& c = f.InfoCodes[static_cast<std::size_t>(i)];
        c.InfoFunction = static_cast<std::uint8_t>(i % 4);
        c.InfoResponse = static_cast<std::uint8_t>(i % 3);
        c.Code = Digits(i, 12);
        c.CodeLength = 12;
        c.Name = "INFO" + std::to_string(100 + i);
    }
    for (FiveToneCodeRec* p : {&f.PTTIDBegin, &f.PTTIDEnd}) {
        p->IsEmpty = 0;
        p->Code = Digits(3, 16);
        p->CodeLength = 16;
        p->Standard = 2;
        p->TonePeriod = 70;
    }
    for (int k = 0; k < 100; ++k) {
        FiveToneCodeRec& c = f.CodeRows[static_cast<std::size_t>(k)];
        c.IsEmpty = 0;
        c.Standard = static_cast<std::uint8_t>(k % 12);
        const int len = k % 10 == 9 ? 40 : 5 + k % 7;
        c.Code = Digits(k, len);
        c.CodeLength = static_cast<std::uint8_t>(len);
        c.TonePeriod = static_cast<std::uint8_t>(30 + k % 71);
        c.Name = k % 2 == 0 ? "WWWWWWW" : "N" + std::to_string(100000 + k);
    }

    // Functions, scan and alert: values inside their lists, the broadcast texts as a damaged
    // file may hold them (cut at a NUL with rubbish behind, trailing blanks).
    OptionData& o = sig.Option;
    o.DisplayMode = 1;
    o.DisplayStyle1 = 1;
    o.DisplayStyle2 = 2;
    o.MemoryChannel1 = 11;
    o.MemoryChannel2 = 205;
    o.ScanTime = 2;
    o.FunctionKeyTime = 1;
    o.Backlight = 2;
    o.SQLKeyFunction = 1;
    o.TOT = 5;
    o.AutoPowerOff = 2;
    o.PowerSave = 1;
    o.VOXLevel = 3;
    o.VOXDelay = 2;
    o.InternalFunctionOperation = 1;
    o.KeyLock = 1;
    o.RadioText = "FULL FIXTURE";
    r.SWFreq = std::string_view("7.1\0abcd", 8);
    r.LWFreq = "1.2   ";
    for (int k = 0; k < 100; ++k) r.AMList[static_cast<std::size_t>(k)] = std::to_string(530 + 10 * k) + " ";
    for (int k = 0; k < 100; ++k) {
        FMRadioEntry& e = r.FMRadioList[static_cast<std::size_t>(k)];
        e.Number = static_cast<std::int16_t>(k);
        e.Valid = 1;
        e.Frequency = FormatPadded(880000 + 2000 * k, 8);
    }
    ScanData& sc = sig.Scan;
    for (int i = 0; i < 14; ++i) sc.Byte(i) = static_cast<std::uint8_t>(i % 3);
    AlertData& a = sig.Alert;
    for (int i = 0; i < 12; ++i) a.Byte(i) = static_cast<std::uint8_t>(1 + i % 2);

    // The book and the MSK list, every entry used.
    for (int i = 0; i < 80; ++i) {
        CommBookEntry& e = r.CommBookList[static_cast<std::size_t>(i)];
        e.Index = static_cast<std::int16_t>(i);
        CommitBookCell(e, 1, std::to_string(10000 + 7 * i));
        CommitBookCell(e, 2, "BK" + std::to_string(i));
    }
    r.MSK.Header.MSKOwnID = "1A2B";
    r.MSK.Header.MSKGroupID = "3C4D";
    r.MSK.Header.SideTone = 1;
    for (int i = 0; i < 32; ++i)
        SaveMSKEntry({1, i % 4, "0" + std::to_string(100 + i), "F" + std::to_string(200 + i),
                      "MESSAGE" + std::to_string(10000000000LL + i), "MSKNAME" + std::to_string(i % 10)},
                     r.MSK.Entries[static_cast<std::size_t>(i)]);

    // Embedded message: every box filled, the description at its full length, blanks kept.
    RadioInfo& info = st.CurRadioInfo;
    info.BandCode = 1;
    info.SerialNumber = "SN0123456789    ";
    info.ProductionDate = "2026-01-02  ";
    info.MaintenanceDate = "2026-11-30";
    info.MaintenanceReason =
        "Replaced the battery contacts and the antenna socket after a fall; checked the "
        "receiver  ";
    info.FirmwareVersion = "V1.23 ";
    info.InfoModelCode = "6173USD";
    info.AreaCode = "EU  ";
    info.ManufactureCode = "MC01  ";
    info.UserCode = "U1  ";
    info.DealerCode = "DEALER-0042     ";
    info.StockDate = "2026-02-03";
    info.SellDate = "2026-03-04";
    info.Seller = "  Radio Shop  ";

    // The editors' copies hold something of their own, as after an editor was used.
    st.EditSignalData = sig;
    st.EditSignalData.DTMF.GroupDigit = 11;
    st.EditChannel = st.ChannelTable[7];
    for (int b = 0; b < kBankCount; ++b)
        for (int p = 0; p < 4; ++p) st.EditBankTable[static_cast<std::size_t>(b)][static_cast<std::size_t>(p)] =
                                       static_cast<std::int16_t>(1 + b * 20 + p);

    st.FileChannelTable = st.ChannelTable;
    st.FileRadioData = r;
    st.FileRadioData.BandIndex = static_cast<std::int16_t>(st.CurBandIndex);
    st.FileRadioData.ModelCode = st.CurModelCode;
}

// The data as bytes: the data file's records of the working data and of the file copies, the
// editors' copies, and the radio's memory image as a write would send it (with the
// information area, which a write leaves out). Two states give equal bytes exactly when
// nothing a save, a write or an editor would use differs.
inline std::vector<std::uint8_t> DataBytes(const AppState& st) {
    std::vector<std::uint8_t> out;
    auto add = [&](const auto& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); };
    add(EncodeMainRecord(st.CurRadioData));
    add(EncodeMainRecord(st.FileRadioData));
    for (int i = 0; i < kMaxChannels; ++i) {
        add(EncodeChannelRecord(st.ChannelTable[static_cast<std::size_t>(i)]));
        add(EncodeChannelRecord(st.FileChannelTable[static_cast<std::size_t>(i)]));
    }
    add(EncodeChannelRecord(st.EditChannel));
    add(EncodeChannelRecord(st.ChannelClipboard));
    RadioData edit = st.CurRadioData;
    edit.Signal = st.EditSignalData;
    add(EncodeMainRecord(edit));
    for (const auto& bank : st.EditBankTable)
        for (std::int16_t v : bank) add(std::array<std::uint8_t, 2>{static_cast<std::uint8_t>(v & 0xFF),
                                                                   static_cast<std::uint8_t>((v >> 8) & 0xFF)});
    AppState image = st;
    InitCommImage(image);
    std::string label;
    std::vector<std::string> messages;
    SetCommData(image, label, messages);
    SetCommDataByInfo(image, messages);
    add(image.CommImage);
    return out;
}

}  // namespace rp::test
