#include "model/ValueText.h"

#include <charconv>
#include <limits>

#include "model/AppState.h"
#include "model/FixedText.h"
#include "model/Values.h"

namespace rp {

static bool IsAllF(std::string_view t) {
    return !t.empty() && t.find_first_not_of('F') == std::string_view::npos;
}

std::optional<std::int64_t> FreqTextToUnits(std::string_view mhzText) {
    return ParseScaled(TrimNull(mhzText), 5, RoundMode::Truncate);
}

// Scaled value with its integer part zero-filled to intDigits.
static std::string FormatScaledPadded(std::int64_t scaled, int decimals, int intDigits) {
    const bool neg = scaled < 0;
    std::string s = FormatScaled(neg ? -scaled : scaled, decimals);
    const std::size_t point = decimals > 0 ? s.find('.') : s.size();
    if (static_cast<int>(point) < intDigits) s.insert(0, intDigits - point, '0');
    return neg ? "-" + s : s;
}

std::string FreqUnitsToText(std::int64_t units, int intDigits) { return FormatScaledPadded(units, 5, intDigits); }

std::string GetFreDataStr(std::string_view mhzText) {
    if (TrimNull(mhzText).empty()) return "";
    auto units = FreqTextToUnits(mhzText);
    if (!units || *units < 0 || *units > 999999999) return "";
    return FormatPadded(*units, 9);
}

static std::string PlainNumber(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("0");
}

// "014501250" read as "0145.01250".
static std::optional<std::int64_t> DataTextUnits(const std::string& t) {
    std::string composed = t.size() > 4 ? t.substr(0, 4) + "." + t.substr(4) : t;
    return ParseScaled(composed, 5, RoundMode::HalfAwayFromZero);
}

std::string GetFreShowByData(const AppState& st, std::string_view data, const MessageFn& message) {
    const std::string t = TrimNull(data);
    if (t.empty() || IsAllF(t)) return "";
    if (auto units = DataTextUnits(t)) return FreqUnitsToText(*units, 3);
    if (message) message("Not IsNumeric");
    return PlainNumber(st.RxBandLow[0]);
}

std::string GetFreShowByData2(std::string_view data, const MessageFn& message) {
    const std::string t = TrimNull(data);
    if (t.empty() || IsAllF(t)) return "0.00000";
    if (auto units = DataTextUnits(t)) return FreqUnitsToText(*units, 1);
    if (message) message("Not IsNumeric");
    return "0.00000";
}

std::string GetCTCSSShowStr(std::string_view toneText) {
    const std::string t = TrimNull(toneText);
    // The same decimal text parses to the same double as the limits, so the bounds are exact.
    auto v = ParseNumber(t);
    auto tenths = ParseScaled(t, 1, RoundMode::HalfAwayFromZero);
    if (v && tenths && *v >= 62.5 && *v <= 254.1) return FormatScaled(*tenths, 1);
    return "151.1";
}

std::string DTMFRadioToShow(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c == 'E') c = '*';
        else if (c == 'F') c = '#';
    }
    return r;
}

std::string DTMFShowToRadio(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c == '*') c = 'E';
        else if (c == '#') c = 'F';
    }
    return r;
}

int GetSignalTypeCode(std::string_view text) {
    if (text == "DTMF") return 1;
    if (text == "2Tone{DN}") return 2;
    if (text == "5Tone") return 3;
    if (text == "MSK{DN}") return 4;
    return 0;
}

std::string GetOctStr(int value, int width) {
    unsigned v = value < 0 ? static_cast<unsigned>(value) & 0xFFFFu : static_cast<unsigned>(value);
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + (v & 7u)));
        v >>= 3;
    } while (v != 0);
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
    return s;
}

double GetNumValue(std::string_view text, double defaultValue) {
    auto v = ParseNumber(TrimNull(text));
    return v ? *v : defaultValue;
}

std::int32_t GetIntOfText(std::string_view text, std::int32_t defaultValue) {
    auto v = ParseScaled(text, 0, RoundMode::HalfEven);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::int32_t>::max())
        return defaultValue;
    return static_cast<std::int32_t>(*v);
}

int IsPositive(int value) { return value > 0 ? 1 : 0; }

std::string GetComboListText(const std::vector<std::string>& items, int index) {
    if (items.empty()) return "";
    if (index >= 0 && index < static_cast<int>(items.size())) return items[index];
    return items[0];
}

std::string GetComboItemText(const std::vector<std::string>& items, int index, int fallbackIndex) {
    if (index >= 0 && index < static_cast<int>(items.size())) return items[index];
    if (fallbackIndex >= 0 && fallbackIndex < static_cast<int>(items.size())) return items[fallbackIndex];
    return "";
}

std::string GetComboMatchText(const std::vector<std::string>& items, std::string_view text) {
    if (items.empty()) return "";
    for (const auto& it : items)
        if (it == text) return it;
    return items[0];
}

int GetComboIndexOfText(const std::vector<std::string>& items, std::string_view text, int defaultIndex) {
    if (items.empty() || text.empty()) return defaultIndex;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return static_cast<int>(i);
    return 0;
}

int IndexRule(const std::vector<std::string>& items, int index) {
    if (items.empty()) return -1;
    return (index >= 0 && index < static_cast<int>(items.size())) ? index : 0;
}

int TextRule(const std::vector<std::string>& items, std::string_view text) {
    if (items.empty()) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return static_cast<int>(i);
    return 0;
}

static bool IsHighHexDigit(char c) {
    return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::string ConvertSignalIDStr(std::string_view s, std::string_view prefix) {
    if (s.empty()) return "";
    std::string t = TrimNull(s);
    const bool prefixed = prefix != "X";
    if (prefixed) t = std::string(prefix) + t;
    if (t.empty()) return "";
    const bool keepTail = t.size() >= 2 && t[0] == 'E' && t[1] == '1';
    std::string r(1, t[0]);
    for (std::size_t i = 1; i < t.size(); ++i) {
        const std::size_t pos = i + 1;  // counted from 1
        if (keepTail && pos > 8) r.push_back(t[i]);
        else if (t[i] == r.back()) r.push_back('E');
        else r.push_back(t[i]);
    }
    if (prefixed) r.erase(0, 1);
    return r;
}

bool CheckSignalIDStr(std::string_view s, std::string_view ownId) {
    const std::size_t n = s.size();
    if (n < 10) return false;
    constexpr std::string_view kSelf = "SelfID";
    if (s.substr(n - kSelf.size()) == kSelf) {
        if (n == 11) return true;
        return n == 12 && IsHighHexDigit(s[5]);
    }
    if (ownId.size() != 5) return false;
    const std::string_view last = s.substr(n - 5);
    const bool matches = last == ownId || last == ConvertSignalIDStr(ownId, "X") ||
                         last == ConvertSignalIDStr(ownId, std::string(1, s[n - 6]));
    if (!matches) return false;
    if (n == 10) return true;
    return n == 11 && IsHighHexDigit(s[5]);
}

std::string GetSignalIDStr(std::string_view s, std::string_view ownId) {
    if (!CheckSignalIDStr(s, ownId)) return ConvertSignalIDStr(s, "X");
    std::string r(1, s[0]);
    for (std::size_t i = 1; i < s.size(); ++i) {
        const bool fixed = s.size() == 11 && (i == 5 || i == 6);
        if (!fixed && s[i] == r.back()) r.push_back('E');
        else r.push_back(s[i]);
    }
    return r;
}

std::string ShownText(std::string_view utf8) {
    std::string out(utf8);
    // Every byte of a multi-byte UTF-8 character is 0x80 or above: only whole characters change.
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return out;
}

}  // namespace rp
