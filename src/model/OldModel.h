#pragma once
// The older models' data as their data files hold them, and their conversion into current data.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/Records.h"

namespace rp {

constexpr std::size_t kOldMainRecordSize = 11870;
constexpr std::size_t kOldSignalDataSize = 6838;
constexpr int kOldOptionWords = 32;
constexpr int kOldCommBookEntries = 128;

// The older 2-Tone record has no decode list.
struct OldTwoToneData {
    TwoToneEncodeData Encode;
    std::array<TwoToneListEntry, 32> List;
    bool operator==(const OldTwoToneData&) const = default;
};

// The older option record: 32 Integers and the power-on text.
struct OldOptionData {
    std::array<std::int16_t, kOldOptionWords> Words{};
    FixedText<12> RadioText;
    bool operator==(const OldOptionData&) const = default;
};

struct OldSignalData {
    DTMFData DTMF;
    OldTwoToneData TwoTone;
    FiveToneData FiveTone;
    OldOptionData Option;
    ScanData Scan;
    AlertData Alert;
    bool operator==(const OldSignalData&) const = default;
};

struct OldRadioData {
    std::int16_t BandIndex = 0;
    OldSignalData Signal;
    std::int16_t ChannelCount = 0;
    std::array<FMRadioEntry, 101> FMRadioList;
    std::array<CommBookEntry, kOldCommBookEntries> CommBookList;
    std::array<std::uint8_t, 6> OptionBytesA{};
    std::array<FixedText<8>, 101> AMList;
    std::array<std::uint8_t, 5> OptionBytesB{};
    MSKData MSK;
    FixedText<6> ModelCode;
    FixedText<8> SWFreq;
    FixedText<8> LWFreq;
    std::uint8_t TailByte = 0;  // kept as TailByte of the current record
    bool operator==(const OldRadioData&) const = default;
};

// The older channel record is the current one without SquelchLevel and TwoToneDecodeNo; those
// two stay at their defaults in memory and never reach an older file.
using OldChannelData = ChannelData;

std::array<std::uint8_t, kOldMainRecordSize> EncodeOldMainRecord(const OldRadioData& r);
// Exactly 11 870 bytes, else nothing.
std::optional<OldRadioData> DecodeOldMainRecord(std::span<const std::uint8_t> bytes);

// One byte whose meaning moved between models: the older "C" model's value 3 is the current 5.
// Any model but the two older ones leaves the target alone.
void CopyOldModeByte(std::uint8_t& target, std::uint8_t source, std::string_view model);
// One channel record; the fields the older record lacks get the values a converted channel has.
void CopyOldChRec(ChannelData& target, const OldChannelData& source);
// The option record: the older record's Integers moved to their current places. Integers the
// older record has no place for keep what the target holds.
void CopyOldSetRec(OptionData& target, const OldOptionData& source);
// The 2-Tone encode data and list; the decode list is left as it is.
void CopyOldBlock(TwoToneData& target, const OldTwoToneData& source);

// Whether an older record can be converted: a count 0..206, a band 0..7, one of the two older
// model texts, and option values that fit their current places.
bool OldRecordUsable(const OldRadioData& r);

// Fills target and channels from an older model's record and channel table (every slot); model
// is the older model's code. Fields the older data do not have keep what target holds or get
// their defaults.
void ConvertOldData(RadioData& target, ChannelArray& channels, const OldRadioData& old,
                    const ChannelArray& oldChannels, std::string_view model);

// Option Integer i (0..46) of the current record: the 37 settings words, then the 10 bank links.
std::int16_t& OptionInteger(OptionData& o, int i);

}  // namespace rp
