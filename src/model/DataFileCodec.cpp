#include "model/DataFileCodec.h"

#include "model/RecordIo.h"

namespace rp {

std::array<std::uint8_t, kMainRecordSize> EncodeMainRecord(const RadioData& r) {
    std::array<std::uint8_t, kMainRecordSize> out{};
    RadioData copy = r;
    WriteArchive a(out);
    Io(a, copy);
    return out;
}

std::optional<RadioData> DecodeMainRecord(std::span<const std::uint8_t> bytes) {
    const bool full = bytes.size() == kMainRecordSize;
    if (!full && bytes.size() != kMainRecordSizeOld) return std::nullopt;
    RadioData r;
    ReadArchive a(bytes);
    Io(a, r, full);
    if (!full) { r.TailWord2 = 3; r.TailWord3 = 3; }
    return r;
}

std::array<std::uint8_t, kChannelRecordSize> EncodeChannelRecord(const ChannelData& c) {
    std::array<std::uint8_t, kChannelRecordSize> out{};
    ChannelData copy = c;
    WriteArchive a(out);
    Io(a, copy);
    return out;
}

std::optional<ChannelData> DecodeChannelRecord(std::span<const std::uint8_t> bytes) {
    const bool full = bytes.size() == kChannelRecordSize;
    if (!full && bytes.size() != kOldChannelRecordSize) return std::nullopt;
    ChannelData c;
    ReadArchive a(bytes);
    Io(a, c, full);
    return c;
}

}  // namespace rp
