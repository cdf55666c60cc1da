#include "comm/SkipRanges.h"

#include <functional>

#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kRadioListImage = 0x0610;
constexpr int kTwoToneList = 0x0B00;
constexpr int kTwoToneBitmap = 0x0380;
constexpr int kFiveToneRows = 0x0D00;
constexpr int kFiveToneBitmap = 0x0390;
constexpr int kChannelImage = 0x2000;
constexpr int kChannelUsedBitmap = 0x0100;

// The four passes, in address order so the table stays ascending. A broadcast-radio block of
// four entries is skipped only when all four are free.
void BuildSkipRanges(AppState& s, const std::function<bool(int)>& radioFree,
                     const std::function<bool(int)>& twoToneFree, const std::function<bool(int)>& fiveToneFree,
                     const std::function<bool(int)>& channelFree) {
    int run = 0;
    for (int k = 0; k < 100; ++k) {
        if (!radioFree(k)) {
            run = 0;
            continue;
        }
        if (k % 4 == 0) run = 1;
        else if (run > 0) ++run;
        if (run == 4) {
            AddSkipRange(s, kRadioListImage + (k - 3) * 4, 16);
            run = 0;
        }
    }
    for (int k = 0; k < 32; ++k)
        if (twoToneFree(k)) AddSkipRange(s, kTwoToneList + 16 * k, 16);
    for (int k = 0; k < 100; ++k)
        if (fiveToneFree(k)) AddSkipRange(s, kFiveToneRows + 32 * k, 32);
    for (int k = 0; k < 200; ++k)
        if (channelFree(k)) AddSkipRange(s, kChannelImage + 32 * k, 32);
}

}  // namespace

void AddSkipRange(AppState& s, long start, long length) {
    SkipRangeTable& t = s.SkipRanges;
    if (length <= 0) return;
    if (t.SkipRangeCount > 0 && t.SkipRangeCount <= SkipRangeTable::kMaxRanges &&
        start == t.Ranges[static_cast<std::size_t>(t.SkipRangeCount - 1)].End + 1) {
        t.Ranges[static_cast<std::size_t>(t.SkipRangeCount - 1)].End = start + length - 1;
        return;
    }
    if (t.SkipRangeCount < 0 || t.SkipRangeCount >= SkipRangeTable::kMaxRanges) return;
    t.Ranges[static_cast<std::size_t>(t.SkipRangeCount)] = {start, start + length - 1};
    ++t.SkipRangeCount;
}

long GetNextTransferAddress(const AppState& s, long address) {
    const SkipRangeTable& t = s.SkipRanges;
    const int n = t.SkipRangeCount < SkipRangeTable::kMaxRanges ? t.SkipRangeCount : SkipRangeTable::kMaxRanges;
    for (int i = 0; i < n; ++i) {
        const SkipRange& r = t.Ranges[static_cast<std::size_t>(i)];
        if (r.Start <= address && address <= r.End) return r.End + 1;
    }
    return address;
}

long CountTransferBlocks(const AppState& s, long start, long end) {
    const long size = s.WriteBlockSize > 0 ? s.WriteBlockSize : 16;
    long blocks = (end - start) / 16 + 1;
    const SkipRangeTable& t = s.SkipRanges;
    const int n = t.SkipRangeCount < SkipRangeTable::kMaxRanges ? t.SkipRangeCount : SkipRangeTable::kMaxRanges;
    for (int i = 0; i < n; ++i) {
        const SkipRange& r = t.Ranges[static_cast<std::size_t>(i)];
        blocks -= (r.End + 1 - r.Start) / size;
    }
    return blocks;
}

void BuildReadSkipRanges(AppState& s) {
    const auto img = ImageOf(s);
    const int radioBitmap = RadioListBitmapForRadio(s);
    BuildSkipRanges(
        s, [&](int k) { return IsEntryFree(img, radioBitmap, k); },
        [&](int k) { return IsEntryFree(img, kTwoToneBitmap, k); },
        [&](int k) { return IsEntryFree(img, kFiveToneBitmap, k); },
        [&](int k) { return IsEntryFree(img, kChannelUsedBitmap, k); });
}

void BuildWriteSkipRanges(AppState& s) {
    const RadioData& r = s.CurRadioData;
    bool slotFree[kMaxChannels + 1];
    for (bool& f : slotFree) f = true;
    const int count = r.ChannelCount < 0 ? 0 : (r.ChannelCount > kMaxChannels ? kMaxChannels : r.ChannelCount);
    for (int i = 0; i < count; ++i) {
        const int no = s.ChannelTable[static_cast<std::size_t>(i)].ChannelNo;
        if (no >= 1 && no <= kMaxChannels) slotFree[no] = false;
    }
    BuildSkipRanges(
        s, [&](int k) { return r.FMRadioList[static_cast<std::size_t>(k)].Valid == 0; },
        [&](int k) { return r.Signal.TwoTone.List[static_cast<std::size_t>(k)].EmptyFlag != 0; },
        [&](int k) { return r.Signal.FiveTone.CodeRows[static_cast<std::size_t>(k)].IsEmpty != 0; },
        [&](int k) { return slotFree[k + 1]; });
}

void PrepareRead(AppState& s, bool fromBitmaps) {
    s.SkipRanges.SkipRangeCount = 0;
    s.ProgressCount = 0;
    if (!fromBitmaps) {
        const long size = s.ReadBlockSize > 0 ? s.ReadBlockSize : 16;
        s.ProgressTotal = static_cast<int>(896 / size + 1);
        return;
    }
    BuildReadSkipRanges(s);
    s.ProgressTotal = static_cast<int>(CountTransferBlocks(s, 0x03A0, 0x3FF0));
}

void PrepareWrite(AppState& s) {
    s.ProgressCount = 0;
    s.SkipRanges.SkipRangeCount = 0;
    BuildWriteSkipRanges(s);
    s.ProgressTotal = static_cast<int>(CountTransferBlocks(s, 0x0100, 0x3FF0));
}

}  // namespace rp
