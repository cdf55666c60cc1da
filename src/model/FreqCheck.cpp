#include "model/FreqCheck.h"

#include <cmath>
#include <cstdlib>

#include "model/AppState.h"
#include "model/ValueText.h"
#include "model/Values.h"

namespace rp {

static std::int64_t LimitUnits(double mhz) { return std::llround(mhz * 100000.0); }

static FreqCheckResult CheckAgainst(const double low[2], const double high[2], std::string_view text) {
    FreqCheckResult r;
    auto units = FreqTextToUnits(text);
    std::int64_t v = 0;
    if (units) {
        v = *units;
    } else if (const auto number = ParseDecimalText(TrimNull(text))) {
        // A number too long to hold lies beyond every band limit on its side of zero.
        constexpr std::int64_t kBeyondEveryLimit = std::int64_t{1} << 60;
        v = number->Negative ? -kBeyondEveryLimit : kBeyondEveryLimit;
    } else {
        v = LimitUnits(low[0]);
        r.Changed = r.OutOfBand = r.NotANumber = true;
        r.Text = FreqUnitsToText(v);
        return r;
    }
    for (int i = 0; i < 2; ++i) {
        const std::int64_t lo = LimitUnits(low[i]), hi = LimitUnits(high[i]);
        if (v >= lo && v <= hi) {
            const std::int64_t n = v - lo;
            if (n % 250 != 0 && n % 625 != 0) {
                v -= n % 250;
                r.Changed = true;
            }
            r.Text = FreqUnitsToText(v);
            return r;
        }
    }
    std::int64_t best = LimitUnits(low[0]);
    std::int64_t bestDistance = -1;
    for (int i = 0; i < 2; ++i) {
        for (std::int64_t limit : {LimitUnits(low[i]), LimitUnits(high[i])}) {
            const std::int64_t d = std::llabs(v - limit);
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = limit;
            }
        }
    }
    r.Changed = r.OutOfBand = true;
    r.Text = FreqUnitsToText(best);
    return r;
}

FreqCheckResult CheckRxFreqStr(const AppState& st, std::string_view text, int) {
    return CheckAgainst(st.RxBandLow, st.RxBandHigh, text);
}

FreqCheckResult CheckTxFreqStr(const AppState& st, std::string_view text, int) {
    return CheckAgainst(st.TxBandLow, st.TxBandHigh, text);
}

FreqCheckResult CheckFreqStr(const AppState& st, std::string_view text, int stepIndex, bool isRx) {
    return isRx ? CheckRxFreqStr(st, text, stepIndex) : CheckTxFreqStr(st, text, stepIndex);
}

FreqCheckResult CheckFreqPair(const AppState& st, std::string_view offsetText, std::string_view rxText,
                              int shiftDir, int stepIndex) {
    auto offset = FreqTextToUnits(offsetText);
    auto rx = FreqTextToUnits(rxText);
    if (!offset || !rx) return {"000.00000", true, false};
    const std::int64_t tx = shiftDir == 1 ? *rx - *offset : *rx + *offset;
    FreqCheckResult txChecked = CheckTxFreqStr(st, FreqUnitsToText(tx), stepIndex);
    const std::int64_t checkedTx = *FreqTextToUnits(txChecked.Text);
    std::int64_t result = shiftDir == 1 ? *rx - checkedTx : checkedTx - *rx;
    // Snapping the transmit frequency down the raster can carry it past the receive frequency
    // (a 6.25 kHz point plus less than a step). An offset is never negative and a negative one
    // has no data text; transmitting on the checked receive frequency is the nearest valid pair.
    if (result < 0) result = 0;
    FreqCheckResult r;
    r.Text = FreqUnitsToText(result);
    r.Changed = result != *offset;
    r.OutOfBand = txChecked.OutOfBand;
    return r;
}

}  // namespace rp
