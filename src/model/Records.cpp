#include "model/Records.h"

#include <cmath>

#include "model/Values.h"

namespace rp {

std::int16_t& ChannelData::IntField(int k) {
    // A member table built once: the channel file walks this run for every record it reads.
    using M = std::int16_t ChannelData::*;
    static constexpr M run[kIntRun] = {
        &ChannelData::StepIndex, &ChannelData::TxInhibit, &ChannelData::Reverse, &ChannelData::Bandwidth,
        &ChannelData::EncDCSInvert, &ChannelData::EncDCSHigh, &ChannelData::Spare1, &ChannelData::Shift,
        &ChannelData::Power, &ChannelData::TalkAround, &ChannelData::DecDCSInvert, &ChannelData::DecDCSHigh,
        &ChannelData::Compander, &ChannelData::EncToneType, &ChannelData::DecToneType, &ChannelData::Spare2,
        &ChannelData::EncCTCSSIndex, &ChannelData::DecCTCSSIndex, &ChannelData::EncDCSCode,
        &ChannelData::DecDCSCode, &ChannelData::SignalType, &ChannelData::TwoToneNo, &ChannelData::FiveToneNo,
        &ChannelData::Scrambler, &ChannelData::DTMFPttId, &ChannelData::FiveTonePttId,
        &ChannelData::SquelchMode, &ChannelData::CustomCTCSS, &ChannelData::MSKNo, &ChannelData::Spare3,
        &ChannelData::ExtraFlag, &ChannelData::Spare4, &ChannelData::DTMFMemoryNo, &ChannelData::Spare5,
        &ChannelData::BusyLockout, &ChannelData::Spare6, &ChannelData::Spare7};
    const int i = k - 7;
    return this->*run[i >= 0 && i < kIntRun ? i : 0];
}

std::uint8_t& TwoToneEncodeData::Byte(int i) {
    std::uint8_t* b[kSize] = {
        &FirstToneHigh, &FirstToneLow, &SecondToneHigh, &SecondToneLow, &CallFormat,
        &FirstDividerHigh, &FirstDividerLow, &SecondDividerHigh, &SecondDividerLow, &Time5,
        &Response, &OptionFlag, &ToneALow, &ToneAHigh, &ToneBLow, &ToneBHigh, &ToneCLow,
        &ToneCHigh, &ToneDLow, &ToneDHigh, &Time1, &Time2, &Time3, &Time4};
    return *b[i >= 0 && i < kSize ? i : 0];
}

std::int16_t& OptionData::Field(int k) {
    std::int16_t* f[kWordCount] = {
        &DisplayMode, &DisplayStyle1, &DisplayStyle2, &RadioDisplayStyle, &MemoryChannel1,
        &MemoryChannel2, &RadioChannel, &ScanTime, &FunctionKeyTime, &Backlight,
        &BacklightColour, &SubUnitDisplayStyle, &SQLKeyFunction, &TailToneElimination,
        &FullBand, &MainSelect, &Alarm, &VoicePrompt, &DisplayModeOption, &TOT, &AutoPowerOff,
        &BusyLockout, &PowerSave, &TBSTFrequency, &VOXLevel, &VOXDelay, &TailEliminationMode,
        &FunctionOperation, &InternalFunctionOperation, &InitKey, &KeyLock, &WorkMode1,
        &WorkMode2, &MemoryGroup1, &MemoryGroup2, &GroupSelect1, &GroupSelect2};
    const int i = k - 1;
    return *f[i >= 0 && i < kWordCount ? i : 0];
}

std::uint8_t& ScanData::Byte(int i) {
    std::uint8_t* b[kSize] = {&ScanMode, &PriorityMode, &RevertMode, &ScanBackTimeA,
                              &ScanBackTimeB, &RxResumeDelay, &TxResumeDelay, &ScanType,
                              &ScanEntryTone, &ScanWaitTime, &Reserved10, &PriorityChannel1,
                              &Reserved12, &PriorityChannel2};
    return *b[i >= 0 && i < kSize ? i : 0];
}

std::uint8_t& AlertData::Byte(int i) {
    std::uint8_t* b[kSize] = {&AlarmMode, &IDCodeType, &IDCode, &AlarmTime, &TxTime, &RxTime,
                              &ChannelSelect, &EmergencyChannel, &Period, &AutoDetectMode,
                              &PreAlertTime, &LoneWorkTime};
    return *b[i >= 0 && i < kSize ? i : 0];
}

static const char* const kFurtherChannelNames[6] = {"PL1", "PU1", "PL2", "PU2", "VFO1", "VFO2"};

std::string GetChannelName(int number) {
    if (number >= 1 && number <= kMemoryChannels) return std::to_string(number - 1);
    if (number > kMemoryChannels && number <= kMaxChannels) return kFurtherChannelNames[number - 201];
    return "Unknown";
}

int GetChannelNoByName(std::string_view text) {
    const std::string t = TrimNull(text);
    for (int i = 0; i < 6; ++i)
        if (t == kFurtherChannelNames[i]) return 201 + i;
    if (auto v = ParseNumber(t)) {
        const double n = RoundHalfEven(*v) + 1;
        if (n >= 1 && n <= kMaxChannels) return static_cast<int>(n);
    }
    return 1;
}

}  // namespace rp
