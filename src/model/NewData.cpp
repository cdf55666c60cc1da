#include "model/NewData.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "model/AppState.h"
#include "model/Banks.h"
#include "model/DataFiles.h"
#include "model/ValueText.h"
#include "model/Values.h"

namespace rp {

static const std::string kNul(1, '\0');

static bool IsChannelNoUsedIn(const ChannelArray& table, int count, int number) {
    const int n = std::min<int>(std::max<int>(count, 0), kMaxChannels);
    for (int i = 0; i < n; ++i)
        if (table[i].ChannelNo == number) return true;
    return false;
}

void InitDTMFData(RadioData& r) {
    DTMFData& d = r.Signal.DTMF;
    d.AniMode = 0;
    d.SendTime = 1;
    d.PttIdMode = 3;
    d.OwnId = "000";
    const std::int16_t timing[9] = {14, 10, 0, 20, 20, 0, 20, 10, 0};
    std::int16_t* fields[9] = {&d.SeparatorDigit, &d.GroupDigit,   &d.DecodeResponse,
                               &d.FirstDigitDelay, &d.PreSendDelay, &d.ResetTime,
                               &d.PostSendDelay,  &d.PauseTime,    &d.SideTone};
    for (int i = 0; i < 9; ++i) *fields[i] = timing[i];
    for (DTMFCodeEntry* e : {&d.PttIdBegin, &d.PttIdEnd}) { e->Code = ""; e->Length = 0; }
    for (DTMFKillCodeEntry* e : {&d.KillCode, &d.StunCode}) { e->Code = ""; e->Length = 0; }
    for (auto& m : d.Memories) { m.Code = ""; m.Length = 0; }
}

void Init2ToneOptionData(RadioData& r) {
    static const std::uint8_t kBytes[24] = {12, 145, 36, 65, 0, 58, 72, 20, 52, 0, 0,  0,
                                            145, 12, 214, 79, 0, 0, 0, 0, 5, 5, 10, 0};
    TwoToneEncodeData& e = r.Signal.TwoTone.Encode;
    for (int i = 0; i < TwoToneEncodeData::kSize; ++i) {
        if (i >= 16 && i <= 19) continue;  // tones C and D keep what they held
        e.Byte(i) = kBytes[i];
    }
}

static void EmptyFiveToneCode(FiveToneCodeRec& c) {
    c = FiveToneCodeRec{};
    c.IsEmpty = 1;
    c.TonePeriod = 70;
    c.Code = kNul;
    c.Name = kNul;
}

void Init5ToneData(RadioData& r) {
    FiveToneData& f = r.Signal.FiveTone;
    f.SystemByte0 = 0;
    f.SystemResponse = 0;
    f.SystemStandard = 0;
    f.OwnID = "00000";
    f.OwnIDLength = 5;
    f.SystemTonePeriod = 70;
    f.TenthsSetting = 0;
    f.TenMsSettingA = 1;
    f.TenMsSettingB = 1;
    f.CountSetting = 0;
    f.FirstDigitDelay = 1;
    f.PauseTime = 0;
    f.PauseDigit = 0;
    f.FirstCodeDelayAfterPause = 0;
    f.SideTone = 0;
    f.SpecialHexDigit = 0;
    for (auto& info : f.InfoCodes) {
        info = InfoCodeRec{};
        info.Code = kNul;
        info.Name = kNul;
    }
    EmptyFiveToneCode(f.PTTIDBegin);
    EmptyFiveToneCode(f.PTTIDEnd);
    for (auto& row : f.CodeRows) EmptyFiveToneCode(row);
    // 288.5 Hz is the lowest tone the user tone set editor keeps.
    f.UserToneSet.fill(2885);
}

void SetBlockVersionFields(RadioData& r) {
    r.TailWord2 = 3;
    r.TailWord3 = 3;
}

void InitSpecialData(RadioData& r) {
    r.Signal.Option = OptionData{};
    r.Signal.Option.RadioText = "";
    for (auto& e : r.Signal.TwoTone.List) {
        e = TwoToneListEntry{};
        e.EmptyFlag = 1;
        e.Name = kNul;
    }
    for (auto& e : r.Signal.TwoTone.Decode) {
        e = TwoToneDecodeEntry{};
        // The 2-Tone editor stores any shown tone as at least 288.0 Hz; an unused entry holding
        // that already survives an unchanged OK as it was.
        e.FirstTone = 288.0;
        e.SecondTone = 288.0;
        e.Name = kNul;
    }
    SetBlockVersionFields(r);
}

void InitScanData(RadioData& r) {
    ScanData& s = r.Signal.Scan;
    for (int i = 0; i < ScanData::kSize; ++i) {
        if (i == 9) continue;  // the wait time keeps its value
        s.Byte(i) = (i == 3 || i == 4) ? 5 : 0;
    }
}

void InitAlertData(RadioData& r) {
    AlertData& a = r.Signal.Alert;
    for (int i = 0; i < 10; ++i) a.Byte(i) = 0;
    a.Byte(10) = 1;
    a.Byte(11) = 5;
}

void InitCommBookData(RadioData& r) {
    for (int i = 0; i < static_cast<int>(r.CommBookList.size()); ++i) {
        r.CommBookList[i].Index = static_cast<std::int16_t>(i);
        r.CommBookList[i].CallID = kNul;
        r.CommBookList[i].Name = kNul;
    }
}

void InitAMData(RadioData& r) {
    for (int i = 2; i < 6; ++i) r.OptionBytesA[i] = 0;
    r.OptionBytesB.fill(0);
    r.TailByte = 0;
    r.SWFreq = "18" + kNul;
    r.LWFreq = "1.2" + kNul;
    for (int i = 0; i < 100; ++i) r.AMList[i] = kNul;
    r.AMList[100] = "122" + kNul;
}

void InitMSKData(RadioData& r) {
    MSKHeader& h = r.MSK.Header;
    h.MSKOwnID = "0000";
    h.MSKGroupID = "0000";
    h.PreSendDelay = 40;
    h.SideTone = 0;
    h.PTTIDMode = 0;
    h.DecodeResponse = 0;
    h.AutoResetTime = 20;
    h.HopFrequency = 145;
    for (auto& e : r.MSK.Entries) {
        e.Valid = 0;
        e.CallType = 0;
        e.IndividualID = "0000";
        e.GroupID = "0000";
        e.MessageLength = 0;
        e.MessageCode = kNul;
        e.EntryName = kNul;
    }
}

void InitRadioListData(RadioData& r) {
    for (int i = 0; i < static_cast<int>(r.FMRadioList.size()); ++i) {
        r.FMRadioList[i].Number = static_cast<std::int16_t>(i + 1);
        r.FMRadioList[i].Valid = 0;
        r.FMRadioList[i].Frequency = "00000000";
    }
    for (int i : {0, 100}) {
        r.FMRadioList[i].Valid = 1;
        r.FMRadioList[i].Frequency = "01080000";  // 108.0 MHz
    }
}

void InitAllListData(RadioData& r) {
    InitDTMFData(r);
    Init2ToneOptionData(r);
    Init5ToneData(r);
    InitSpecialData(r);
    InitScanData(r);
    InitAlertData(r);
    InitCommBookData(r);
    InitAMData(r);
    InitMSKData(r);
}

static std::string TodayText() {
    const auto now = std::chrono::system_clock::now();
    const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(now)};
    return FormatPadded(static_cast<int>(ymd.year()), 4) +
           FormatPadded(static_cast<unsigned>(ymd.month()), 2) +
           FormatPadded(static_cast<unsigned>(ymd.day()), 2);
}

void InitRadioInfo(AppState& st, std::string_view date) {
    RadioInfo& info = st.CurRadioInfo;
    info = RadioInfo{};
    const std::string d = date.empty() ? TodayText() : std::string(date);
    info.SerialNumber = d + "0001";
    info.ProductionDate = d;
    info.MaintenanceDate = d;
    info.MaintenanceReason = "";
    info.FirmwareVersion = "V1.00";
    info.InfoModelCode = TrimNull(st.CurModelCode);
    info.AreaCode = "001A";
    info.ManufactureCode = "";
    info.UserCode = "0595";
    info.DealerCode = "";
    info.StockDate = d;
    info.SellDate = d;
    info.Seller = "";
}

bool AddDefaultChannel(AppState& st, int number, std::string_view mhzText) {
    RadioData& r = st.CurRadioData;
    if (number < 1 || number > kMaxChannels) return false;
    if (r.ChannelCount < 0 || r.ChannelCount >= kMaxChannels) return false;
    for (int i = 0; i < r.ChannelCount; ++i)
        if (st.ChannelTable[i].ChannelNo == number) return false;
    // "000.0000": the frequency lands on a whole 100 Hz.
    auto tenThousandths = ParseScaled(TrimNull(mhzText), 4, RoundMode::HalfAwayFromZero);
    const std::string rx = tenThousandths ? GetFreDataStr(FormatScaled(*tenThousandths, 4)) : std::string();
    AddChToBank(st, number, 0);
    ChannelData c{};
    c.ChannelNo = static_cast<std::int16_t>(number);
    c.Used = 1;
    c.ScanFlag = 1;
    c.RxFreq = rx.empty() ? std::string("FFFFFFFFF") : rx;
    c.OffsetFreq = GetFreDataStr("000.0000");
    c.Name = kNul;
    c.EncCTCSSIndex = 20;
    c.DecCTCSSIndex = 20;
    c.CustomCTCSS = 1511;
    c.ExtraFlag = 1;
    c.SpareText = "00000";
    c.SquelchLevel = 3;
    st.ChannelTable[r.ChannelCount] = c;
    ++r.ChannelCount;
    return true;
}

std::string BandMiddleText(const AppState& st, int band) {
    const double mid = (RoundHalfEven(st.RxBandHigh[band]) + st.RxBandLow[band]) / 2;
    return FormatFixed(mid, 4);
}

void InitDefaultChannels(AppState& st) {
    static constexpr int kNumbers[] = {1, 2, 201, 202, 203, 204, 205, 206};
    // The table is rebuilt here while a default data file's bank table may stay: the file's
    // other channels are gone and must neither linger in the banks nor fill the places the
    // default channels join. The default channels keep the banks the file gave them.
    RadioData& r = st.CurRadioData;
    for (auto& bank : r.BankTable)
        for (auto& e : bank) {
            if (IsFreeBankPlace(e) || IsChannelNoUsedIn(st.ChannelTable, r.ChannelCount, e)) continue;
            if (std::find(std::begin(kNumbers), std::end(kNumbers), e) == std::end(kNumbers)) e = 0;
        }
    const std::string first = BandMiddleText(st, 0), second = BandMiddleText(st, 1);
    for (int number : kNumbers) AddDefaultChannel(st, number, (number % 2 == 1) ? first : second);
}

// The working data become the file copies: what New builds counts as unchanged.
static void TakeAsSaved(AppState& st) {
    if (st.TestDataMode) st.FileTestData = st.TestData;
    st.CurRadioData.BandIndex = static_cast<std::int16_t>(st.CurBandIndex);
    st.CurRadioData.ModelCode = TrimNull(st.CurModelCode);
    st.FileRadioData = st.CurRadioData;
    const int n = std::min<int>(std::max<int>(st.CurRadioData.ChannelCount, 0), kMaxChannels);
    for (int i = 0; i < n; ++i) st.FileChannelTable[i] = st.ChannelTable[i];
}

std::string ModelInitFilePath(const AppState& st) {
    return (std::filesystem::path(st.ProgramDir) / "Init" /
            (TrimNull(st.CurModelCode) + "_" + std::to_string(st.CurBandIndex) + ".dat"))
        .string();
}

void LoadModelInitFile(AppState& st) {
    std::error_code ec;
    const std::string own = ModelInitFilePath(st);
    const std::string fallback = (std::filesystem::path(st.ProgramDir) / "Init" / "6173USD_0.dat").string();
    bool loaded = false;
    if (std::filesystem::is_regular_file(own, ec)) loaded = LoadInitDataFileByBand(st, own);
    else if (std::filesystem::is_regular_file(fallback, ec)) loaded = LoadInitDataFile(st, fallback);
    if (!loaded) TakeAsSaved(st);
}

void NewData(AppState& st) {
    st.RadioKilled = 0;
    st.RadioFainted = 0;
    for (bool& f : st.GridCopyFlags) f = false;
    st.IsNewData = -1;
    st.DataFileName = "new.dat";
    st.CommBookFileName = "new.cb";
    InitAllListData(st.CurRadioData);
    ClearBankData(st.CurRadioData);
    st.CurRadioData.ChannelCount = 0;
    InitRadioListData(st.CurRadioData);
    InitDefaultChannels(st);
    if (!st.NoInitFileFlag) LoadModelInitFile(st);
    else TakeAsSaved(st);
}

void KeepDefaultBandChannels(RadioData& record, ChannelArray& table) {
    const int n = std::min<int>(std::max<int>(record.ChannelCount, 0), kMaxChannels);
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        const int no = table[i].ChannelNo;
        if (no < 3 || no >= 201) {
            if (kept != i) table[kept] = table[i];
            ++kept;
        } else {
            DelChFromAllBankIn(record.BankTable, no);
        }
    }
    record.ChannelCount = static_cast<std::int16_t>(kept);
}

}  // namespace rp
