#pragma once
// Frequencies typed into the broadcast-radio and AM lists, checked against their bands.
#include <cstdint>
#include <string>
#include <string_view>

namespace rp {

struct AppState;

struct ListFreqResult {
    std::int64_t Units = 0;  // 100 Hz units (MHz with four decimals)
    bool OutOfBand = false;  // outside the band or not a number: text 2001 is due
};

// A number outside RadioBandLow..RadioBandHigh becomes the nearest limit, anything that is not
// a number RadioBandLow. Digits past the fourth decimal round halves to even.
ListFreqResult CheckRadioFreqStr(const AppState& st, std::string_view text);
// The same against AMBandLow..AMBandHigh, except that a half past the fourth decimal rounds
// away from zero.
ListFreqResult CheckAMFreqStr(const AppState& st, std::string_view text);

// The broadcast-radio entry's data text: 8 digits of 100 Hz units ("00876000" for 87.6 MHz).
std::string RadioFreqDataText(std::int64_t units);
// The AM entry's text: MHz with four decimals ("120.5000").
std::string AMFreqDataText(std::int64_t units);

}  // namespace rp
