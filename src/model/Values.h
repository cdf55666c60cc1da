#pragma once
// Number texts and rounding shared by every part of the program.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rp {

// A number as the program accepts it: optional blanks, optional sign, digits with at most one
// ".", optional blanks. At least one digit. No hex, no exponent, no thousands separators.
struct DecimalText {
    bool Negative = false;
    std::string IntDigits;   // without leading zeros, may be empty
    std::string FracDigits;  // as typed, may be empty
};
std::optional<DecimalText> ParseDecimalText(std::string_view s);
bool IsNumericText(std::string_view s);
std::optional<double> ParseNumber(std::string_view s);
// The value of a hexadecimal digit of either case; -1 for any other character.
int HexDigitValue(char c);

enum class RoundMode { Truncate, HalfEven, HalfAwayFromZero };

// The value of a number text times 10^decimals as an exact integer, digits beyond that rounded by
// mode. Empty when the text is not a number or the result does not fit in 64 bits.
std::optional<std::int64_t> ParseScaled(std::string_view s, int decimals, RoundMode mode);

// The program's one integer conversion: halves go to the even neighbour (2.5 gives 2, 3.5 gives 4)
// wherever a number becomes an integer, so the same value gives the same integer whether it was
// typed, read from a file or the radio, or computed.
double RoundHalfEven(double v);
// Range-checked narrowing; empty when the rounded value does not fit.
std::optional<std::int16_t> ToInt16(double v);
// Narrowing of an integer that has no fallback: clamps instead of wrapping.
std::int16_t ClampInt16(long long v);
std::uint8_t ClampByte(long long v);

// Display formats round halves away from zero on the shortest decimal form of the value and
// always write "." as the separator. decimals 0..15.
std::string FormatFixed(double v, int decimals);
// A scaled integer (value × 10^decimals) written with exactly that many decimals.
std::string FormatScaled(std::int64_t scaled, int decimals);
// A display format made of "0", "#" and one "." ("#.0", "#0.0", "000.00000", "0.###"): each "0"
// is a digit always written, each "#" one written only when it is not a leading or trailing
// zero; so "#.0" writes 0 as ".0" and 0.25 as ".3". Halves round away from zero, as FormatFixed.
std::string FormatNumber(double v, std::string_view format);
// Zero-padded decimal text of a non-negative integer ("Format(n, "000")").
std::string FormatPadded(long long v, int width);

}  // namespace rp
