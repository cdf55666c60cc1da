#pragma once
// A data set with its own value in every field the image holds, in the form the decoders give
// back (texts blank-padded, codes in radio digits, list flags 0/1), for golden-image and
// round-trip tests and the benchmark.
#include <string>

#include "model/AppState.h"

namespace rp::fixture {

inline std::string Padded(long long v, int width) {
    std::string t = std::to_string(v);
    while (static_cast<int>(t.size()) < width) t.insert(0, "0");
    return t;
}

inline std::string Digits(int seed, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back("0123456789ABCDEF"[(seed + 7 * i) % 16]);
    return s;
}

inline void FillChannels(AppState& s) {
    int slot = 0;
    for (int n = 1; n <= kMaxChannels; ++n) {
        if (n <= 200 && n % 3 != 1) continue;  // every third memory channel and all six further ones
        ChannelData c;
        c.ChannelNo = static_cast<std::int16_t>(n);
        c.Used = 1;
        c.ScanFlag = static_cast<std::int16_t>(n >= 205 ? 1 : n % 2);
        // 12.5 kHz steps from 400 MHz, in 10 Hz units: their 10 Hz digit is what the radio rebuilds.
        c.RxFreq = Padded(40000000 + 1250 * n, 9);
        c.OffsetFreq = n % 4 == 0 ? "000000000" : "000500000";
        c.Name = "C" + std::to_string(n);
        c.StepIndex = static_cast<std::int16_t>(n % 9);
        c.TxInhibit = static_cast<std::int16_t>(n % 2);
        c.Reverse = static_cast<std::int16_t>((n / 2) % 2);
        c.Bandwidth = static_cast<std::int16_t>(n % 4);
        c.EncDCSInvert = static_cast<std::int16_t>((n / 3) % 2);
        c.EncDCSCode = static_cast<std::int16_t>((n * 37) % 512);
        c.EncDCSHigh = static_cast<std::int16_t>(c.EncDCSCode / 256);
        c.Shift = static_cast<std::int16_t>(n % 3);
        c.Power = static_cast<std::int16_t>((n / 5) % 2);
        c.TalkAround = static_cast<std::int16_t>((n / 7) % 2);
        c.DecDCSInvert = static_cast<std::int16_t>((n / 11) % 2);
        c.DecDCSCode = static_cast<std::int16_t>((n * 53) % 512);
        c.DecDCSHigh = static_cast<std::int16_t>(c.DecDCSCode / 256);
        c.Compander = static_cast<std::int16_t>((n / 13) % 2);
        c.EncToneType = static_cast<std::int16_t>(n % 3);
        c.DecToneType = static_cast<std::int16_t>((n + 1) % 3);
        c.EncCTCSSIndex = static_cast<std::int16_t>(n % 52);
        c.DecCTCSSIndex = static_cast<std::int16_t>((n + 20) % 52);
        c.SignalType = static_cast<std::int16_t>(n % 5);
        c.TwoToneNo = static_cast<std::int16_t>(n % 32);
        c.FiveToneNo = static_cast<std::int16_t>(n % 100);
        c.DTMFPttId = static_cast<std::int16_t>(n % 4);
        c.FiveTonePttId = static_cast<std::int16_t>((n + 1) % 4);
        c.SquelchMode = static_cast<std::int16_t>(n % 3);
        c.CustomCTCSS = static_cast<std::int16_t>(670 + n);
        c.MSKNo = static_cast<std::int16_t>(n % 32);
        c.ExtraFlag = 1;
        c.DTMFMemoryNo = static_cast<std::int16_t>(n % 16);
        c.BusyLockout = static_cast<std::int16_t>(n % 3);
        c.SpareText = "00000";
        c.SquelchLevel = static_cast<std::int16_t>(n % 10);
        c.TwoToneDecodeNo = static_cast<std::int16_t>(n % 16);
        s.ChannelTable[static_cast<std::size_t>(slot++)] = c;
    }
    s.CurRadioData.ChannelCount = static_cast<std::int16_t>(slot);
}

inline void FillSignalling(AppState& s) {
    RadioData& r = s.CurRadioData;
    DTMFData& d = r.Signal.DTMF;
    for (int k = 0; k < 16; ++k) {
        const std::string code = Digits(k, 1 + k);
        d.Memories[static_cast<std::size_t>(k)] = {FixedText<24>(code), static_cast<std::int16_t>(code.size())};
    }
    d.PttIdBegin = {FixedText<24>("123456789ABCDEF012345678"), 24};
    d.PttIdEnd = {FixedText<24>("E1F2"), 4};
    d.KillCode = {FixedText<14>("98765432109876"), 14};
    d.StunCode = {FixedText<14>("ABCD"), 4};
    d.AniMode = 1;
    d.SendTime = 42;
    d.PttIdMode = 3;
    d.OwnId = "271";
    d.SeparatorDigit = 14;
    d.GroupDigit = 10;
    d.DecodeResponse = 2;
    d.FirstDigitDelay = 20;
    d.PreSendDelay = 21;
    d.ResetTime = 5;
    d.PostSendDelay = 22;
    d.PauseTime = 11;
    d.SideTone = 1;

    TwoToneData& t = r.Signal.TwoTone;
    for (int i = 0; i < TwoToneEncodeData::kSize; ++i) t.Encode.Byte(i) = static_cast<std::uint8_t>(0x30 + i);
    for (int k = 0; k < 32; ++k) {
        TwoToneListEntry& e = t.List[static_cast<std::size_t>(k)];
        e.EmptyFlag = static_cast<std::int16_t>(k % 3 == 0 ? 1 : 0);
        e.FirstDividerHigh = static_cast<std::uint8_t>(k);
        e.FirstDividerLow = static_cast<std::uint8_t>(k + 1);
        e.SecondDividerHigh = static_cast<std::uint8_t>(k + 2);
        e.SecondDividerLow = static_cast<std::uint8_t>(k + 3);
        e.FirstToneHigh = static_cast<std::uint8_t>(k + 4);
        e.FirstToneLow = static_cast<std::uint8_t>(k + 5);
        e.SecondToneHigh = static_cast<std::uint8_t>(k + 6);
        e.SecondToneLow = static_cast<std::uint8_t>(k + 7);
        e.Name = "TT" + std::to_string(k);
    }
    for (int k = 0; k < 16; ++k) {
        TwoToneDecodeEntry& e = t.Decode[static_cast<std::size_t>(k)];
        e.Valid = static_cast<std::int16_t>(k % 2);
        e.FirstTone = (3000 + 17 * k) / 10.0;
        e.SecondTone = (15005 + 3 * k) / 10.0;
        e.Response = static_cast<std::int16_t>(k % 3);
        e.Name = "DEC" + std::to_string(k);
    }

    FiveToneData& f = r.Signal.FiveTone;
    f.SystemByte0 = 1;
    f.SystemResponse = 2;
    f.SystemStandard = 7;
    f.OwnIDLength = 5;
    f.SystemTonePeriod = 70;
    f.OwnID = "12345";
    f.TenthsSetting = 15;
    f.TenMsSettingA = 16;
    f.TenMsSettingB = 17;
    f.CountSetting = 25;
    f.FirstDigitDelay = 30;
    f.PauseTime = 31;
    f.PauseDigit = 11;
    f.FirstCodeDelayAfterPause = 32;
    f.SideTone = 1;
    f.SpecialHexDigit = 13;
    for (int i = 0; i < 8; ++i) {
        InfoCodeRec& c = f.InfoCodes[static_cast<std::size_t>(i)];
        c.InfoFunction = static_cast<std::uint8_t>(i + 1);
        c.InfoResponse = static_cast<std::uint8_t>(i % 3);
        c.CodeLength = static_cast<std::uint8_t>(i + 3);
        c.Code = Digits(i, i + 3);
        c.Name = "INF" + std::to_string(i);
    }
    f.PTTIDBegin.Standard = 3;
    f.PTTIDBegin.CodeLength = 10;
    f.PTTIDBegin.TonePeriod = 40;
    f.PTTIDBegin.Code = "E612345E12";
    f.PTTIDEnd.Standard = 15;
    f.PTTIDEnd.CodeLength = 5;
    f.PTTIDEnd.TonePeriod = 100;
    f.PTTIDEnd.Code = "54321";
    for (int k = 0; k < 100; ++k) {
        FiveToneCodeRec& c = f.CodeRows[static_cast<std::size_t>(k)];
        c.IsEmpty = static_cast<std::int16_t>(k % 4 == 3 ? 1 : 0);
        c.Spare = static_cast<std::uint8_t>(k % 2);
        c.Standard = static_cast<std::uint8_t>(k % 16);
        c.CodeLength = static_cast<std::uint8_t>(k % 41);
        c.TonePeriod = static_cast<std::uint8_t>(30 + k % 71);
        c.Code = Digits(k, k % 41);
        c.Name = "ROW" + std::to_string(k);
    }
    for (int i = 0; i < 16; ++i) f.UserToneSet[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(9000 + 137 * i);

    OptionData& o = r.Signal.Option;
    for (int k = 1; k <= OptionData::kWordCount; ++k) o.Field(k) = static_cast<std::int16_t>(k % 2);
    for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 20, 21, 23, 24, 25, 26, 27, 34, 35})
        o.Field(k) = static_cast<std::int16_t>(k + 40);
    o.Field(22) = 9;  // not in the image: kept
    for (int i = 0; i < 10; ++i) o.BankLink[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i % 2);
    o.RadioText.SetNulTerminated("HELLO RADIO");

    ScanData& sc = r.Signal.Scan;
    for (int i = 0; i < ScanData::kSize; ++i) sc.Byte(i) = static_cast<std::uint8_t>(0x60 + i);
    AlertData& al = r.Signal.Alert;
    for (int i = 0; i < AlertData::kSize; ++i) al.Byte(i) = static_cast<std::uint8_t>(0x80 + i);
}

inline void FillLists(AppState& s) {
    RadioData& r = s.CurRadioData;
    for (int i = 0; i <= 100; ++i) {
        FMRadioEntry& e = r.FMRadioList[static_cast<std::size_t>(i)];
        e.Number = static_cast<std::int16_t>(i);
        e.Valid = static_cast<std::int16_t>(i < 100 && i % 5 != 2 ? 1 : 0);
        e.Frequency = (e.Valid || i == 100) ? Padded(876000 + 1000 * i, 8) : std::string("FFFFFFFF");
        if (i == 100) e.Valid = 1;  // entry 100 has no bit; its flag is kept as it is
    }
    for (int i = 0; i <= 100; ++i) {
        const bool used = i % 7 != 3;
        r.AMList[static_cast<std::size_t>(i)] =
            used ? FixedText<8>(std::to_string(118 + i % 18) + "." + Padded(25 * (i % 40), 4))
                 : FixedText<8>{};
    }
    r.SWFreq = "18.0000";
    r.LWFreq = "1.2000";
    for (int k = 0; k < 80; ++k) {
        CommBookEntry& e = r.CommBookList[static_cast<std::size_t>(k)];
        e.Index = static_cast<std::int16_t>(k);
        e.CallID.SetNulTerminated(std::to_string(100 + k));
        e.Name.SetNulTerminated("BK" + std::to_string(k));
    }
    for (int b = 0; b < kBankCount; ++b)
        for (int p = 0; p < kBankPlaces; ++p)
            r.BankTable[static_cast<std::size_t>(b)][static_cast<std::size_t>(p)] =
                static_cast<std::int16_t>((p + b) % 3 == 0 ? 0 : 1 + (b * 32 + p) % 200);

    MSKData& m = r.MSK;
    m.Header.MSKOwnID = "1A2B";
    m.Header.MSKGroupID = "00F0";
    m.Header.PreSendDelay = 40;
    m.Header.SideTone = 1;
    m.Header.PTTIDMode = 3;
    m.Header.DecodeResponse = 2;
    m.Header.AutoResetTime = 20;
    for (int i = 0; i < 5; ++i) m.Header.Reserved[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(200 + i);
    m.Header.HopFrequency = 435;
    for (int k = 0; k < 32; ++k) {
        MSKEntry& e = m.Entries[static_cast<std::size_t>(k)];
        e.Valid = static_cast<std::int16_t>(k % 3 != 0 ? 1 : 0);
        e.CallType = static_cast<std::int16_t>(k % 4);
        e.IndividualID = Digits(k, 4);
        e.GroupID = Digits(k + 5, 4);
        e.MessageLength = static_cast<std::int16_t>(k % 19);
        e.MessageCode.SetNulTerminated(Digits(k, k % 19));
        e.EntryName.SetNulTerminated("MSK" + std::to_string(k));
    }

    r.OptionBytesA = {12, 1, 1, 77, 9, 201};
    r.OptionBytesB = {4, 1, 0, 1, 1};
    r.TailWord1 = 1;
    r.TailByte = 1;
    r.TailWord2 = 3;
    r.TailWord3 = 250;
}

inline void FillInfo(AppState& s) {
    RadioInfo& i = s.CurRadioInfo;
    i.InfoModelCode = "6173USD";
    i.BandCode = 3;
    i.FirmwareVersion = "V100";
    i.AreaCode = "AREA-07";
    i.ManufactureCode = "MF123456";
    i.SerialNumber = "SN0000000000042";
    i.ProductionDate = "2011-03-04";
    i.UserCode = "pw12";
    i.MaintenanceDate = "2012-05-06";
    i.MaintenanceReason = "Battery contacts cleaned and the display replaced";
    i.DealerCode = "DEALER-99";
    i.StockDate = "2011-04-01";
    i.SellDate = "2011-06-30";
    i.Seller = "Shop on the hill";
    TestDataBlock test;
    for (int k = 0; k < 16; ++k) test[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(0xA0 + k);
    s.TestData = test;
}

// The whole fixture, for the current model, read back as from a radio of the same model.
inline AppState MakeFixture() {
    AppState s;
    s.CurModelCode = "6173USD";
    s.RadioModelCode = "6173USD";
    FillChannels(s);
    FillSignalling(s);
    FillLists(s);
    FillInfo(s);
    return s;
}

}  // namespace rp::fixture
