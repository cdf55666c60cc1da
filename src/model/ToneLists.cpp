#include "model/ToneLists.h"

#include "model/ValueText.h"

namespace rp {

const std::array<std::string_view, kCTCSSToneCount>& CTCSSToneTexts() {
    static const std::array<std::string_view, kCTCSSToneCount> kTones = {
        "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",
        "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0",
        "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5",
        "167.9", "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6",
        "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3",
        "254.1"};
    return kTones;
}

std::string DCSCodeText(int code, bool inverted) {
    return "D" + GetOctStr(code, 3) + (inverted ? "I" : "N");
}

std::vector<std::string> DCSCodeList() {
    std::vector<std::string> items;
    items.reserve(2 * kDCSCodeCount);
    for (int inv = 0; inv < 2; ++inv)
        for (int c = 0; c < kDCSCodeCount; ++c) items.push_back(DCSCodeText(c, inv == 1));
    return items;
}

}  // namespace rp
