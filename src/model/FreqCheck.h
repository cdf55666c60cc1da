#pragma once
// Frequencies checked against the bands of the current band variant. Nothing here shows a
// window: the caller shows text 2001 when OutOfBand is set.
#include <cstdint>
#include <string>
#include <string_view>

namespace rp {

struct AppState;

struct FreqCheckResult {
    std::string Text;        // "000.00000"
    bool Changed = false;    // the value differs from what was given
    bool OutOfBand = false;  // outside both bands or not a number: text 2001 is due
    bool NotANumber = false; // the text is no number at all: editors refuse it with text 2010
};

// Inside band i the value is put on the raster counted from RxBandLow(i): a distance of n
// (10 Hz units) stays when n is a multiple of 250 (2.5 kHz) or of 625 (6.25 kHz), else it is
// moved down by n mod 250. Outside both bands it becomes the nearest band limit, however far
// outside (a number too long for 64 bits included); an empty or non-numeric text becomes
// RxBandLow(0). The step index does not change the raster.
FreqCheckResult CheckRxFreqStr(const AppState& st, std::string_view text, int stepIndex = 0);
FreqCheckResult CheckTxFreqStr(const AppState& st, std::string_view text, int stepIndex = 0);
FreqCheckResult CheckFreqStr(const AppState& st, std::string_view text, int stepIndex, bool isRx);

// The offset that results once the transmit frequency (RX + offset, or RX - offset for shift
// direction 1) has been checked: TX - RX, or RX - TX for direction 1, as "000.00000", and
// "000.00000" where that would be negative. A non-numeric offset or receive frequency gives
// "000.00000".
FreqCheckResult CheckFreqPair(const AppState& st, std::string_view offsetText, std::string_view rxText,
                              int shiftDir, int stepIndex = 0);

}  // namespace rp
