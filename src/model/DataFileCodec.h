#pragma once
// Byte-exact forms of the data file's main record and the channel file's records.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/Records.h"

namespace rp {

constexpr std::size_t kMainRecordSize = 12275;
constexpr std::size_t kMainRecordSizeOld = 12271;  // earlier revision without TailWord2/3
constexpr std::size_t kChannelRecordSize = 113;
constexpr std::size_t kOldChannelRecordSize = 109;

constexpr std::size_t kSignalDataSize = 7284;
constexpr std::size_t kDTMFDataSize = 527;
constexpr std::size_t kTwoToneDataSize = 984;
constexpr std::size_t kFiveToneDataSize = 5641;
constexpr std::size_t kOptionDataSize = 106;
constexpr std::size_t kMSKDataSize = 1310;

std::array<std::uint8_t, kMainRecordSize> EncodeMainRecord(const RadioData& r);
// Takes a 12 275- or 12 271-byte record; the shorter one leaves TailWord2 and TailWord3 at 3.
// Any other size gives nothing.
std::optional<RadioData> DecodeMainRecord(std::span<const std::uint8_t> bytes);

std::array<std::uint8_t, kChannelRecordSize> EncodeChannelRecord(const ChannelData& c);
// 113 bytes, or the older 109-byte form (SquelchLevel and TwoToneDecodeNo then stay 0).
std::optional<ChannelData> DecodeChannelRecord(std::span<const std::uint8_t> bytes);

}  // namespace rp
