#include "model/Values.h"
#include "model/FixedText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace rp {

std::string TrimNull(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && s[end - 1] == ' ') --end;
    s = s.substr(0, end);
    const std::size_t nul = s.find('\0');
    if (nul != std::string_view::npos) s = s.substr(0, nul);
    return std::string(s);
}

std::string TrimBlanks(std::string_view s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return "";
    const auto e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string CutAtNull(std::string_view s) {
    const std::size_t nul = s.find('\0');
    return std::string(nul == std::string_view::npos ? s : s.substr(0, nul));
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<DecimalText> ParseDecimalText(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    s = s.substr(b, e - b);
    DecimalText r;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) { r.Negative = s[i] == '-'; ++i; }
    std::string intPart, fracPart;
    while (i < s.size() && IsDigit(s[i])) intPart.push_back(s[i++]);
    bool point = false;
    if (i < s.size() && s[i] == '.') {
        point = true;
        ++i;
        while (i < s.size() && IsDigit(s[i])) fracPart.push_back(s[i++]);
    }
    (void)point;
    if (i != s.size() || (intPart.empty() && fracPart.empty())) return std::nullopt;
    std::size_t nz = intPart.find_first_not_of('0');
    r.IntDigits = nz == std::string::npos ? std::string() : intPart.substr(nz);
    r.FracDigits = fracPart;
    return r;
}

bool IsNumericText(std::string_view s) { return ParseDecimalText(s).has_value(); }

std::optional<double> ParseNumber(std::string_view s) {
    auto d = ParseDecimalText(s);
    if (!d) return std::nullopt;
    std::string t = (d->IntDigits.empty() ? std::string("0") : d->IntDigits);
    if (!d->FracDigits.empty()) t += "." + d->FracDigits;
    double v = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), v);
    if (res.ec != std::errc()) return std::nullopt;
    return d->Negative ? -v : v;
}

std::optional<std::int64_t> ParseScaled(std::string_view s, int decimals, RoundMode mode) {
    auto d = ParseDecimalText(s);
    if (!d || decimals < 0 || decimals > 15) return std::nullopt;
    std::string frac = d->FracDigits;
    std::string kept = frac.substr(0, std::min<std::size_t>(frac.size(), decimals));
    kept.append(static_cast<std::size_t>(decimals) - kept.size(), '0');
    std::string rest = frac.size() > static_cast<std::size_t>(decimals) ? frac.substr(decimals) : std::string();
    std::string digits = d->IntDigits + kept;
    if (digits.size() > 18) return std::nullopt;
    std::int64_t v = 0;
    for (char c : digits) v = v * 10 + (c - '0');
    if (!rest.empty() && mode != RoundMode::Truncate) {
        const char first = rest[0];
        const bool tailNonZero = rest.find_first_not_of('0', 1) != std::string::npos;
        bool up = false;
        if (first > '5') up = true;
        else if (first == '5') {
            if (mode == RoundMode::HalfAwayFromZero || tailNonZero) up = true;
            else up = (v % 2) != 0;  // exactly half: to the even neighbour
        }
        if (up) ++v;
    }
    return d->Negative ? -v : v;
}

double RoundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    return std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
}

template <typename T>
static std::optional<T> Narrow(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = RoundHalfEven(v);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

std::optional<std::int16_t> ToInt16(double v) { return Narrow<std::int16_t>(v); }

std::int16_t ClampInt16(long long v) {
    if (v < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    if (v > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(v);
}

std::uint8_t ClampByte(long long v) {
    if (v < 0) return 0;
    if (v > 255) return 255;
    return static_cast<std::uint8_t>(v);
}

std::string FormatScaled(std::int64_t scaled, int decimals) {
    const bool neg = scaled < 0;
    std::uint64_t u = neg ? static_cast<std::uint64_t>(-(scaled + 1)) + 1 : static_cast<std::uint64_t>(scaled);
    std::string digits = std::to_string(u);
    if (decimals > 0) {
        const std::size_t d = static_cast<std::size_t>(decimals);
        if (digits.size() <= d) digits = std::string(d + 1 - digits.size(), '0') + digits;
        digits = digits.substr(0, digits.size() - d) + "." + digits.substr(digits.size() - d);
    }
    return neg && u != 0 ? "-" + digits : digits;
}

std::string FormatFixed(double v, int decimals) {
    if (!std::isfinite(v)) return "0";
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    // The shortest text that reads back as v is what a user thinks the value is; rounding that
    // text (not the binary value) makes 2.675 show as 2.68. The rounding works on the digits
    // themselves, so no size of value or count of decimals can overflow it.
    char buf[400];  // the largest double written out in full needs 309 digits and a sign
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc()) return "0";
    std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const bool neg = !text.empty() && text.front() == '-';
    if (neg) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    std::string intPart(text.substr(0, point));
    std::string frac = point == std::string_view::npos ? std::string() : std::string(text.substr(point + 1));
    const std::size_t d = static_cast<std::size_t>(decimals);
    bool up = false;
    if (frac.size() > d) {
        up = frac[d] >= '5';  // half goes away from zero
        frac.resize(d);
    }
    frac.append(d - frac.size(), '0');
    std::string digits = intPart + frac;
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) digits.insert(digits.begin(), '1');
        else ++digits[i - 1];
    }
    std::string out = digits.substr(0, digits.size() - d);
    if (d > 0) out += "." + digits.substr(digits.size() - d);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return neg && !zero ? "-" + out : out;
}

std::string FormatPadded(long long v, int width) {
    // The magnitude in unsigned arithmetic: negating the smallest long long would overflow.
    const unsigned long long mag = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    std::string s = std::to_string(mag);
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
    return v < 0 ? "-" + s : s;
}

std::string FormatNumber(double v, std::string_view format) {
    const std::size_t point = format.find('.');
    const std::string_view intFmt = format.substr(0, point);
    const std::string_view fracFmt = point == std::string_view::npos ? std::string_view() : format.substr(point + 1);
    const auto minInt = static_cast<std::size_t>(std::count(intFmt.begin(), intFmt.end(), '0'));
    const auto minFrac = static_cast<std::size_t>(std::count(fracFmt.begin(), fracFmt.end(), '0'));
    std::string text = FormatFixed(v, static_cast<int>(fracFmt.size()));
    const bool neg = !text.empty() && text.front() == '-';
    if (neg) text.erase(0, 1);
    const std::size_t p = text.find('.');
    std::string intPart = text.substr(0, p);
    std::string frac = p == std::string::npos ? std::string() : text.substr(p + 1);
    while (!intPart.empty() && intPart.front() == '0' && intPart.size() > minInt) intPart.erase(0, 1);
    if (intPart.size() < minInt) intPart.insert(0, minInt - intPart.size(), '0');
    while (frac.size() > minFrac && frac.back() == '0') frac.pop_back();
    std::string out = intPart;
    if (point != std::string_view::npos) out += "." + frac;
    return neg ? "-" + out : out;
}

std::string AnsiToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        std::size_t len = (c >= 0xF0) ? 4 : (c >= 0xE0) ? 3 : (c >= 0xC0) ? 2 : 1;
        if (len == 2 && i + 1 < utf8.size()) {
            const unsigned v = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            out.push_back(v <= 0xFF ? static_cast<char>(v) : '?');
        } else {
            out.push_back('?');
        }
        i += std::min(len, utf8.size() - i);
    }
    return out;
}

}  // namespace rp
