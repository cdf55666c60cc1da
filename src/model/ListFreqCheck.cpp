#include "model/ListFreqCheck.h"

#include <algorithm>
#include <cmath>

#include "model/AppState.h"
#include "model/Values.h"

namespace rp {

namespace {

ListFreqResult CheckInBand(std::string_view text, double low, double high, RoundMode mode) {
    const auto lo = static_cast<std::int64_t>(std::llround(low * 10000));
    const auto hi = static_cast<std::int64_t>(std::llround(high * 10000));
    // The band is judged on the number as typed; only a number inside it is rounded, so a
    // value just outside that would round onto a limit still earns the warning.
    const auto exact = ParseScaled(text, 9, RoundMode::Truncate);
    const auto v = ParseScaled(text, 4, mode);
    if (!exact || !v) return {lo, true};
    constexpr std::int64_t kFiner = 100000;  // 10^9 / 10^4
    if (*exact < lo * kFiner) return {lo, true};
    if (*exact > hi * kFiner) return {hi, true};
    return {std::clamp(*v, lo, hi), false};
}

}  // namespace

ListFreqResult CheckRadioFreqStr(const AppState& st, std::string_view text) {
    return CheckInBand(text, st.RadioBandLow, st.RadioBandHigh, RoundMode::HalfEven);
}

ListFreqResult CheckAMFreqStr(const AppState& st, std::string_view text) {
    // The AM entry is only ever formatted to four decimals, and the display format rounds halves
    // away from zero.
    return CheckInBand(text, st.AMBandLow, st.AMBandHigh, RoundMode::HalfAwayFromZero);
}

std::string RadioFreqDataText(std::int64_t units) { return FormatPadded(units, 8); }

std::string AMFreqDataText(std::int64_t units) { return FormatScaled(units, 4); }

}  // namespace rp
