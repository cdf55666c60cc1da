#include "model/DataFileCodec.h"

#include "model/RecordIo.h"

namespace rp {

std::array<std::uint8_t, kMainRecordSize> EncodeMainRecord(const RadioData& r) {
    return EncodeRecord<kMainRecordSize>(r);
}

std::optional<RadioData> DecodeMainRecord(std::span<const std::uint8_t> bytes) {
    const bool full = bytes.size() == kMainRecordSize;
    if (!full && bytes.size() != kMainRecordSizeOld) return std::nullopt;
    RadioData r = DecodeRecord<RadioData>(bytes, full);
    if (!full) { r.TailWord2 = 3; r.TailWord3 = 3; }
    return r;
}

std::array<std::uint8_t, kChannelRecordSize> EncodeChannelRecord(const ChannelData& c) {
    return EncodeRecord<kChannelRecordSize>(c);
}

std::optional<ChannelData> DecodeChannelRecord(std::span<const std::uint8_t> bytes) {
    const bool full = bytes.size() == kChannelRecordSize;
    if (!full && bytes.size() != kOldChannelRecordSize) return std::nullopt;
    return DecodeRecord<ChannelData>(bytes, full);
}

}  // namespace rp
