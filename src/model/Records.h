#pragma once
// The radio's data as the program holds it. Integer = int16_t, Byte = uint8_t, Double = double,
// fixed texts = FixedText<N>. The byte layouts of the data files live in DataFileCodec.
#include <array>
#include <cstdint>
#include <string>

#include "model/FixedText.h"

namespace rp {

constexpr int kMaxChannels = 206;
constexpr int kMemoryChannels = 200;

struct ChannelData {
    std::int16_t ChannelNo = 0;
    std::int16_t Used = 0;
    std::int16_t ScanFlag = 0;
    FixedText<9> RxFreq;       // 10 Hz units, "FFFFFFFFF" = no frequency
    FixedText<9> OffsetFreq;   // 10 Hz units, absolute
    FixedText<6> Name;
    // Fields StepIndex .. Spare7 form one run of 37 Integers in the channel file.
    std::int16_t StepIndex = 0;
    std::int16_t TxInhibit = 0;
    std::int16_t Reverse = 0;
    std::int16_t Bandwidth = 0;
    std::int16_t EncDCSInvert = 0;
    std::int16_t EncDCSHigh = 0;
    std::int16_t Spare1 = 0;
    std::int16_t Shift = 0;  // 0 simplex, 1 TX = RX - offset, 2 TX = RX + offset
    std::int16_t Power = 0;
    std::int16_t TalkAround = 0;
    std::int16_t DecDCSInvert = 0;
    std::int16_t DecDCSHigh = 0;
    std::int16_t Compander = 0;
    std::int16_t EncToneType = 0;  // 0 off, 1 CTCSS, 2 DCS
    std::int16_t DecToneType = 0;
    std::int16_t Spare2 = 0;
    std::int16_t EncCTCSSIndex = 0;  // 0..50, 51 = CustomCTCSS
    std::int16_t DecCTCSSIndex = 0;
    std::int16_t EncDCSCode = 0;  // 0..511
    std::int16_t DecDCSCode = 0;
    std::int16_t SignalType = 0;  // 0 none, 1 DTMF, 2 2-Tone, 3 5-Tone, 4 MSK
    std::int16_t TwoToneNo = 0;   // list number from 0
    std::int16_t FiveToneNo = 0;  // list number from 0
    std::int16_t Scrambler = 0;
    std::int16_t DTMFPttId = 0;
    std::int16_t FiveTonePttId = 0;
    std::int16_t SquelchMode = 0;
    std::int16_t CustomCTCSS = 0;  // 0.1 Hz
    std::int16_t MSKNo = 0;
    std::int16_t Spare3 = 0;
    std::int16_t ExtraFlag = 0;
    std::int16_t Spare4 = 0;  // written only by the channel dialog
    std::int16_t DTMFMemoryNo = 0;
    std::int16_t Spare5 = 0;
    std::int16_t BusyLockout = 0;
    std::int16_t Spare6 = 0;
    std::int16_t Spare7 = 0;
    FixedText<5> SpareText;
    std::int16_t SquelchLevel = 0;
    std::int16_t TwoToneDecodeNo = 0;

    static constexpr int kIntRun = 37;  // StepIndex .. Spare7
    // Integer field k of the run, k = 7 .. 43 in record numbering.
    std::int16_t& IntField(int k);
    std::int16_t IntField(int k) const { return const_cast<ChannelData*>(this)->IntField(k); }

    bool operator==(const ChannelData&) const = default;
};

using ChannelArray = std::array<ChannelData, kMaxChannels>;

struct DTMFCodeEntry {
    FixedText<24> Code;  // radio digits: 0-9, A-D, E for "*", F for "#"
    std::int16_t Length = 0;
    bool operator==(const DTMFCodeEntry&) const = default;
};

struct DTMFKillCodeEntry {
    FixedText<14> Code;
    std::int16_t Length = 0;
    bool operator==(const DTMFKillCodeEntry&) const = default;
};

struct DTMFData {
    std::array<DTMFCodeEntry, 16> Memories;  // M1..M16
    DTMFCodeEntry PttIdBegin;
    DTMFCodeEntry PttIdEnd;
    DTMFKillCodeEntry KillCode;
    DTMFKillCodeEntry StunCode;
    std::int16_t AniMode = 0;
    std::int16_t SendTime = 0;
    std::int16_t PttIdMode = 0;
    FixedText<3> OwnId;
    std::int16_t SeparatorDigit = 0;
    std::int16_t GroupDigit = 0;
    std::int16_t DecodeResponse = 0;
    std::int16_t FirstDigitDelay = 0;
    std::int16_t PreSendDelay = 0;
    std::int16_t ResetTime = 0;
    std::int16_t PostSendDelay = 0;
    std::int16_t PauseTime = 0;
    std::int16_t SideTone = 0;
    bool operator==(const DTMFData&) const = default;
};

struct TwoToneEncodeData {
    std::uint8_t FirstToneHigh = 0, FirstToneLow = 0, SecondToneHigh = 0, SecondToneLow = 0;
    std::uint8_t CallFormat = 0;
    std::uint8_t FirstDividerHigh = 0, FirstDividerLow = 0, SecondDividerHigh = 0, SecondDividerLow = 0;
    std::uint8_t Time5 = 0, Response = 0, OptionFlag = 0;
    std::uint8_t ToneALow = 0, ToneAHigh = 0, ToneBLow = 0, ToneBHigh = 0;
    std::uint8_t ToneCLow = 0, ToneCHigh = 0, ToneDLow = 0, ToneDHigh = 0;
    std::uint8_t Time1 = 0, Time2 = 0, Time3 = 0, Time4 = 0;

    static constexpr int kSize = 24;
    // Byte i (0..23) in record order.
    std::uint8_t& Byte(int i);
    std::uint8_t Byte(int i) const { return const_cast<TwoToneEncodeData*>(this)->Byte(i); }
    bool operator==(const TwoToneEncodeData&) const = default;
};

struct TwoToneListEntry {
    std::int16_t EmptyFlag = 0;  // 0 = entry used, 1 = empty
    std::uint8_t FirstDividerHigh = 0, FirstDividerLow = 0, SecondDividerHigh = 0, SecondDividerLow = 0;
    std::uint8_t FirstToneHigh = 0, FirstToneLow = 0, SecondToneHigh = 0, SecondToneLow = 0;
    FixedText<7> Name;
    bool operator==(const TwoToneListEntry&) const = default;
};

struct TwoToneDecodeEntry {
    std::int16_t Valid = 0;  // 1 = entry used
    double FirstTone = 0;    // Hz
    double SecondTone = 0;   // Hz
    std::int16_t Response = 0;
    FixedText<6> Name;
    bool operator==(const TwoToneDecodeEntry&) const = default;
};

struct TwoToneData {
    TwoToneEncodeData Encode;
    std::array<TwoToneListEntry, 32> List;      // entries 1..32 at index 0..31
    std::array<TwoToneDecodeEntry, 16> Decode;  // entries 1..16 at index 0..15
    bool operator==(const TwoToneData&) const = default;
};

struct InfoCodeRec {
    std::uint8_t InfoFunction = 0;
    std::uint8_t InfoResponse = 0;
    std::uint8_t CodeLength = 0;
    FixedText<12> Code;
    FixedText<7> Name;
    bool operator==(const InfoCodeRec&) const = default;
};

struct FiveToneCodeRec {
    std::int16_t IsEmpty = 0;  // 1 = empty, 0 = holds a code
    std::uint8_t Spare = 0;
    std::uint8_t Standard = 0;
    std::uint8_t CodeLength = 0;
    std::uint8_t TonePeriod = 0;  // ms
    FixedText<40> Code;
    FixedText<7> Name;
    // Not in data files: the radio's digit count of a code that fills its place where the code
    // and its length alone would write another one (a count beyond the place, such as FF in an
    // erased radio, or the place itself under a code length beyond it), given back by the next
    // write while the code still fills its place; 0 when the count is the code's own.
    std::uint8_t RadioDigitCount = 0;
    bool operator==(const FiveToneCodeRec&) const = default;
};

struct FiveToneData {
    std::uint8_t SystemByte0 = 0;
    std::uint8_t SystemResponse = 0;
    std::uint8_t SystemStandard = 0;
    std::uint8_t OwnIDLength = 0;
    std::uint8_t SystemTonePeriod = 0;
    FixedText<6> OwnID;
    std::uint8_t TenthsSetting = 0;
    std::uint8_t TenMsSettingA = 0;
    std::uint8_t TenMsSettingB = 0;
    std::uint8_t CountSetting = 0;
    std::int16_t FirstDigitDelay = 0;
    std::int16_t PauseTime = 0;
    std::int16_t PauseDigit = 0;
    std::int16_t FirstCodeDelayAfterPause = 0;
    std::int16_t SideTone = 0;
    std::int16_t SpecialHexDigit = 0;
    std::array<InfoCodeRec, 8> InfoCodes;       // 1..8 at index 0..7
    FiveToneCodeRec PTTIDBegin;
    FiveToneCodeRec PTTIDEnd;
    std::array<FiveToneCodeRec, 100> CodeRows;  // rows 1..100 at index 0..99
    std::array<std::int16_t, 16> UserToneSet{};  // 0.1 Hz, digits 0..F
    bool operator==(const FiveToneData&) const = default;
};

struct OptionData {
    std::int16_t DisplayMode = 0, DisplayStyle1 = 0, DisplayStyle2 = 0, RadioDisplayStyle = 0;
    std::int16_t MemoryChannel1 = 0, MemoryChannel2 = 0;  // channel number minus 1
    std::int16_t RadioChannel = 0;  // index into FMRadioList, 100 = its VFO
    std::int16_t ScanTime = 0, FunctionKeyTime = 0, Backlight = 0, BacklightColour = 0;
    std::int16_t SubUnitDisplayStyle = 0, SQLKeyFunction = 0, TailToneElimination = 0, FullBand = 0;
    std::int16_t MainSelect = 0, Alarm = 0, VoicePrompt = 0, DisplayModeOption = 0, TOT = 0;
    std::int16_t AutoPowerOff = 0, BusyLockout = 0, PowerSave = 0, TBSTFrequency = 0;
    std::int16_t VOXLevel = 0, VOXDelay = 0, TailEliminationMode = 0, FunctionOperation = 0;
    std::int16_t InternalFunctionOperation = 0, InitKey = 0, KeyLock = 0, WorkMode1 = 0;
    std::int16_t WorkMode2 = 0, MemoryGroup1 = 0, MemoryGroup2 = 0, GroupSelect1 = 0;
    std::int16_t GroupSelect2 = 0;
    std::array<std::int16_t, 10> BankLink{};
    FixedText<12> RadioText;  // the power-on text

    static constexpr int kWordCount = 37;
    // Word k (1..37) of the record in order.
    std::int16_t& Field(int k);
    std::int16_t Field(int k) const { return const_cast<OptionData*>(this)->Field(k); }
    bool operator==(const OptionData&) const = default;
};

struct ScanData {
    std::uint8_t ScanMode = 0, PriorityMode = 0, RevertMode = 0;
    std::uint8_t ScanBackTimeA = 0, ScanBackTimeB = 0;
    std::uint8_t RxResumeDelay = 0, TxResumeDelay = 0;
    std::uint8_t ScanType = 0, ScanEntryTone = 0, ScanWaitTime = 0;
    std::uint8_t Reserved10 = 0, PriorityChannel1 = 0, Reserved12 = 0, PriorityChannel2 = 0;

    static constexpr int kSize = 14;
    std::uint8_t& Byte(int i);  // 0..13 in record order
    std::uint8_t Byte(int i) const { return const_cast<ScanData*>(this)->Byte(i); }
    bool operator==(const ScanData&) const = default;
};

struct AlertData {
    std::uint8_t AlarmMode = 0, IDCodeType = 0, IDCode = 0;
    std::uint8_t AlarmTime = 0, TxTime = 0, RxTime = 0;
    std::uint8_t ChannelSelect = 0, EmergencyChannel = 0, Period = 0;
    std::uint8_t AutoDetectMode = 0, PreAlertTime = 0, LoneWorkTime = 0;

    static constexpr int kSize = 12;
    std::uint8_t& Byte(int i);  // 0..11 in record order
    std::uint8_t Byte(int i) const { return const_cast<AlertData*>(this)->Byte(i); }
    bool operator==(const AlertData&) const = default;
};

struct SignalData {
    DTMFData DTMF;
    TwoToneData TwoTone;
    FiveToneData FiveTone;
    OptionData Option;
    ScanData Scan;
    AlertData Alert;
    bool operator==(const SignalData&) const = default;
};

struct FMRadioEntry {
    std::int16_t Number = 0;
    std::int16_t Valid = 0;  // 1 = holds a channel
    FixedText<8> Frequency;  // 8 digits, 100 Hz units
    bool operator==(const FMRadioEntry&) const = default;
};

struct CommBookEntry {
    std::int16_t Index = 0;
    FixedText<5> CallID;
    FixedText<6> Name;
    bool operator==(const CommBookEntry&) const = default;
};

struct MSKHeader {
    FixedText<4> MSKOwnID;
    FixedText<4> MSKGroupID;
    std::int16_t PreSendDelay = 0, SideTone = 0, PTTIDMode = 0, DecodeResponse = 0, AutoResetTime = 0;
    std::array<std::int16_t, 5> Reserved{};
    std::int16_t HopFrequency = 0;
    bool operator==(const MSKHeader&) const = default;
};

struct MSKEntry {
    std::int16_t Valid = 0;  // 1 = used
    std::int16_t CallType = 0;
    FixedText<4> IndividualID;
    FixedText<4> GroupID;
    std::int16_t MessageLength = 0;
    FixedText<18> MessageCode;
    FixedText<8> EntryName;
    bool operator==(const MSKEntry&) const = default;
};

struct MSKData {
    MSKHeader Header;
    std::array<MSKEntry, 32> Entries;
    bool operator==(const MSKData&) const = default;
};

constexpr int kBankCount = 9;
constexpr int kBankPlaces = 32;
// BankTable[bank-1][place-1]: a channel number 1..200 or 0 for a free place.
using BankArray = std::array<std::array<std::int16_t, kBankPlaces>, kBankCount>;

struct RadioData {
    std::int16_t BandIndex = 0;
    SignalData Signal;
    std::int16_t ChannelCount = 0;
    std::array<FMRadioEntry, 101> FMRadioList;
    std::array<CommBookEntry, 80> CommBookList;
    std::array<std::uint8_t, 6> OptionBytesA{};
    std::array<FixedText<8>, 101> AMList;
    std::array<std::uint8_t, 5> OptionBytesB{};
    MSKData MSK;
    FixedText<7> ModelCode;
    FixedText<8> SWFreq;
    FixedText<8> LWFreq;
    BankArray BankTable{};
    std::int16_t TailWord1 = 0;
    std::uint8_t TailByte = 0;
    std::int16_t TailWord2 = 0;
    std::int16_t TailWord3 = 0;
    bool operator==(const RadioData&) const = default;
};

// Never stored in a data file; read from the radio and shown by the information viewer.
struct RadioInfo {
    std::int16_t BandCode = 0;
    FixedText<16> SerialNumber;
    FixedText<16> ProductionDate;
    FixedText<16> MaintenanceDate;
    FixedText<96> MaintenanceReason;
    std::string FirmwareVersion;
    std::string InfoModelCode;
    std::string AreaCode;
    FixedText<8> ManufactureCode;
    FixedText<4> UserCode;
    FixedText<16> DealerCode;
    FixedText<16> StockDate;
    FixedText<16> SellDate;
    FixedText<16> Seller;
    bool operator==(const RadioInfo&) const = default;
};

// Channel numbers and their shown names: 1..200 as number - 1, 201..206 PL1 .. VFO2.
std::string GetChannelName(int number);
int GetChannelNoByName(std::string_view text);

}  // namespace rp
