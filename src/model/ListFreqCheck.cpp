#include "model/ListFreqCheck.h"

#include <cmath>

#include "model/AppState.h"
#include "model/Values.h"

namespace rp {

namespace {

ListFreqResult CheckInBand(std::string_view text, double low, double high, RoundMode mode) {
    const auto lo = static_cast<std::int64_t>(std::llround(low * 10000));
    const auto hi = static_cast<std::int64_t>(std::llround(high * 10000));
    const auto v = ParseScaled(text, 4, mode);
    if (!v) return {lo, true};
    if (*v < lo) return {lo, true};
    if (*v > hi) return {hi, true};
    return {*v, false};
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
