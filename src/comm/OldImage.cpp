#include "comm/OldImage.h"

#include <algorithm>
#include <cmath>

#include "comm/CommImage.h"
#include "comm/Codecs.h"

namespace rp {

namespace {

constexpr int kFurtherChannelRecords[6] = {0x0180, 0x01A0, 0x0280, 0x02A0, 0x01C0, 0x01E0};

}  // namespace

void SetOldChImage(AppState& s, std::string_view model, int address) {
    if (address < 0 || address + 32 > kImageSize) return;
    auto* rec = s.CommImage.data() + address;
    if (IsModel(model, "ZV853C")) {
        // Each rule tests the byte as it was, so 3 -> 2 is not turned into 0 by the next rule.
        const std::uint8_t signal = rec[16];
        if (signal == 3) rec[16] = 2;
        else if (signal == 2 || signal == 4) rec[16] = 0;
    }
    rec[25] = static_cast<std::uint8_t>(rec[25] & 0x0F);
    rec[31] = 0;
}

void ConvertImageToOld(AppState& s, std::string_view model) {
    auto& img = s.CommImage;
    s.CommEndAddress = kOldRadioEndAddress;

    if (IsModel(model, "ZV853C")) {
        std::swap_ranges(img.begin() + 0x0140, img.begin() + 0x0150, img.begin() + 0x0260);
        const std::uint8_t mode = img[0x022F];
        if (mode == 5) img[0x022F] = 3;
        else if (mode == 3) img[0x022F] = 0;
        img[0x0233] = s.CurRadioData.TailByte;
    } else if (IsModel(model, "ZV853D")) {
        if (img[0x022F] == 5) img[0x022F] = 0;
    }

    // The older radios keep this option in steps of six of the current one.
    img[0x0232] = static_cast<std::uint8_t>(std::nearbyint(img[0x0232] / 6.0));

    // The book names move up by 0xF0 bytes; the source and target overlap, so copy backwards.
    std::copy_backward(img.begin() + 0x1B10, img.begin() + 0x1D90, img.begin() + 0x1E80);
    std::fill(img.begin() + 0x1B10, img.begin() + 0x1C00, 0x00);
    std::fill(img.begin() + 0x1E80, img.begin() + 0x2000, 0x20);
    std::fill(img.begin() + 0x0388, img.begin() + 0x0390, 0xFF);

    for (int a : kFurtherChannelRecords) SetOldChImage(s, model, a);
    for (int k = 0; k < 200; ++k) SetOldChImage(s, model, 0x2000 + 32 * k);
}

}  // namespace rp
