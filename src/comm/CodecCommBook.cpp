// Communication book: 80 call IDs of 5 bytes at 0x1980 and 80 names in 8-byte slots at 0x1B10.
#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kCallIDs = 0x1980;
constexpr int kCallIDSize = 5;
constexpr int kNames = 0x1B10;
constexpr int kNameSlot = 8;
constexpr int kNameWidth = 6;
constexpr int kEntries = 80;

}  // namespace

bool SetCommDataByDTMFCommuBook(AppState& s, Messages& m) {
    ImageWriter w = WriterOf(s);
    for (int k = 0; k < kEntries; ++k) {
        const CommBookEntry& e = s.CurRadioData.CommBookList[static_cast<std::size_t>(k)];
        w.RawText(kCallIDs + kCallIDSize * k, e.CallID);
        w.RawText(kNames + kNameSlot * k, e.Name);
        // The radio pads the name slot with blanks.
        w.Fill(kNames + kNameSlot * k + kNameWidth, kNameSlot - kNameWidth, 0x20);
    }
    return FinishEncoder(s, w, "SetCommDataByDTMFCommuBookError", m);
}

void GetCommDataByDTMFCommuBook(AppState& s) {
    const auto img = ImageOf(s);
    for (int k = 0; k < kEntries; ++k) {
        CommBookEntry& e = s.CurRadioData.CommBookList[static_cast<std::size_t>(k)];
        e.Index = static_cast<std::int16_t>(k);
        GetRawText(img, kCallIDs + kCallIDSize * k, e.CallID);
        GetRawText(img, kNames + kNameSlot * k, e.Name);
    }
}

}  // namespace rp
