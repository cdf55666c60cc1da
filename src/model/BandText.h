#pragma once
// The eight band variants and their limits.
#include <string>
#include <string_view>

namespace rp {

struct AppState;

constexpr int kBandVariants = 8;

// The band text of a band index 0..7; any other index gives "".
std::string GetBandRangeStr(int index);

// Reads "UHF(low - high MHz) VHF(low - high MHz)" into RxBandLow..TxBandHigh (index 0 UHF,
// 1 VHF; transmit limits equal the receive limits). Anything that is not such a text leaves the
// limits as they were and gives false.
bool ParseFreBandStr(AppState& st, std::string_view text);
// The same on CurBandText.
bool ParseFreBandStr(AppState& st);

}  // namespace rp
