#pragma once
// The CTCSS tones and DCS codes the channel editors, grids and printout offer.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rp {

constexpr int kCTCSSToneCount = 51;  // index 51 of a channel is its own CustomCTCSS
constexpr int kDCSCodeCount = 512;

// "62.5" .. "254.1", index 0..50.
const std::array<std::string_view, kCTCSSToneCount>& CTCSSToneTexts();
// "D023N" / "D023I" for a code 0..511 (the code's three octal digits).
std::string DCSCodeText(int code, bool inverted);
// The 1 024 items of a DCS list: the 512 normal codes, then the same codes inverted, so the
// item index is the code with 512 added for an inverted one.
std::vector<std::string> DCSCodeList();

}  // namespace rp
