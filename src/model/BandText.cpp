#include "model/BandText.h"

#include "model/AppState.h"
#include "model/Values.h"

namespace rp {

static const char* const kBandTexts[kBandVariants] = {
    "UHF(400 - 480 MHz) VHF(136 - 174 MHz)", "UHF(400 - 480 MHz) VHF(144 - 146 MHz)",
    "UHF(430 - 440 MHz) VHF(136 - 174 MHz)", "UHF(430 - 440 MHz) VHF(144 - 146 MHz)",
    "UHF(400 - 520 MHz) VHF(136 - 174 MHz)", "UHF(400 - 520 MHz) VHF(144 - 146 MHz)",
    "UHF(446 - 447 MHz) VHF(136 - 174 MHz)", "UHF(446 - 447 MHz) VHF(144 - 148 MHz)",
};

std::string GetBandRangeStr(int index) {
    if (index < 0 || index >= kBandVariants) return "";
    return kBandTexts[index];
}

// "400 - 480 MHz": the low limit before the first blank, the high one between the second and
// the third blank.
static bool ParseRange(std::string_view text, std::string_view tag, double& low, double& high) {
    const std::size_t start = text.find(tag);
    if (start == std::string_view::npos) return false;
    const std::size_t from = start + tag.size();
    const std::size_t close = text.find(')', from);
    if (close == std::string_view::npos) return false;
    const std::string_view range = text.substr(from, close - from);
    const std::size_t b1 = range.find(' ');
    if (b1 == std::string_view::npos) return false;
    const std::size_t b2 = range.find(' ', b1 + 1);
    if (b2 == std::string_view::npos) return false;
    const std::size_t b3 = range.find(' ', b2 + 1);
    if (b3 == std::string_view::npos) return false;
    auto lo = ParseNumber(range.substr(0, b1));
    auto hi = ParseNumber(range.substr(b2 + 1, b3 - b2 - 1));
    if (!lo || !hi || *lo > *hi) return false;
    low = *lo;
    high = *hi;
    return true;
}

bool ParseFreBandStr(AppState& st, std::string_view text) {
    double uLow = 0, uHigh = 0, vLow = 0, vHigh = 0;
    if (!ParseRange(text, "UHF(", uLow, uHigh) || !ParseRange(text, "VHF(", vLow, vHigh)) return false;
    st.RxBandLow[0] = st.TxBandLow[0] = uLow;
    st.RxBandHigh[0] = st.TxBandHigh[0] = uHigh;
    st.RxBandLow[1] = st.TxBandLow[1] = vLow;
    st.RxBandHigh[1] = st.TxBandHigh[1] = vHigh;
    return true;
}

bool ParseFreBandStr(AppState& st) { return ParseFreBandStr(st, st.CurBandText); }

}  // namespace rp
