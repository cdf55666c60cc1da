#include "model/FiveToneStandards.h"

#include <cstdlib>

#include "model/AppState.h"
#include "model/LangText.h"
#include "model/Values.h"

namespace rp {

const std::array<ToneStandardEntry, kToneStandardCount>& ToneStandards() {
    static const std::array<ToneStandardEntry, kToneStandardCount> table = {{
        {"ZVEI1", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
                       "2800", "810", "970", "885", "2600", "680"}},
        {"ZVEI2", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
                       "885", "810", "740", "680", "970", "2600"}},
        {"ZVEI3", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
                       "885", "", "", "", "2400", ""}},
        {"PZVEI", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
                       "970", "810", "2800", "885", "2600", "680"}},
        {"DZVEI", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
                       "825/885", "740", "2600", "885", "2400", "680"}},
        {"PDZVEI", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
                        "825", "886", "2600", "856", "2400", ""}},
        {"CCIR1", 100, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
                        "2400", "930", "2247", "991", "2110", "1055"}},
        {"CCIR2", 70, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
                       "2400", "930", "2247", "991", "2110", "1055"}},
        {"PCCIR", 100, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
                        "1050", "930", "2400", "991", "2110", ""}},
        {"EEA", 40, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
                     "1055", "930", "2400", "991", "2110", "2247"}},
        {"EURO SIGNAL", 100, {"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0",
                              "510.7", "470.8", "", "", "", "", "1062.9", ""}},
        {"NATEL", 70, {"1633", "631", "697", "770", "852", "941", "1040", "1209", "1336", "1477",
                       "1995", "571", "2205", "2437", "1805", "2694"}},
        {"MODAT", 40, {"637.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5",
                       "1837.5", "1987.5", "", "", "", "", "487.5", ""}},
        {"CCITT", 70, {"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0",
                       "1663.0", "1800.0", "1900.0", "2000.0", "2100.0", "2200.0", "2300.0", "0.0"}},
        {"EIA", 33, {"600.0", "741.0", "882.0", "1023.0", "1164.0", "1305.0", "1446.0", "1587.0",
                     "1728.0", "1869.0", "2151.0", "2433.0", "2010.0", "2292.0", "459.0", "1091.0"}},
    }};
    return table;
}

const std::vector<std::string>& ToneStandardNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const auto& e : ToneStandards()) v.emplace_back(e.Name);
        return v;
    }();
    return names;
}

int ToneStandardIndex(std::string_view name) {
    const auto& t = ToneStandards();
    for (int i = 0; i < kToneStandardCount; ++i)
        if (t[i].Name == name) return i;
    return -1;
}

std::string ToneStandardName(int index) {
    if (index < 0 || index >= kToneStandardCount) return "";
    return std::string(ToneStandards()[index].Name);
}

int DefaultTonePeriod(std::string_view name) {
    const int i = ToneStandardIndex(name);
    return i < 0 ? 70 : ToneStandards()[i].Period;
}

static char HexDigit(int v) { return "0123456789ABCDEF"[v & 15]; }

std::string FormatTenthsHash(int tenths) {
    const bool neg = tenths < 0;
    const long a = std::labs(static_cast<long>(tenths));
    std::string s = neg ? "-" : "";
    if (a / 10 != 0) s += std::to_string(a / 10);
    s += "." + std::to_string(a % 10);
    return s;
}

// A user tone is the radio's 16-bit word, kept in a signed field: FF FF (an erased radio) is
// 6553.5 Hz, not -0.1 Hz.
static std::string FormatUserTone(std::int16_t tone) { return FormatTenthsHash(static_cast<std::uint16_t>(tone)); }

std::vector<std::string> ToneStandardLines(const AppState& st, std::string_view name,
                                           const std::array<std::int16_t, 16>& userToneSet) {
    std::vector<std::string> lines;
    lines.reserve(21);
    lines.emplace_back(name);
    lines.push_back(GetOptionStr(st, "60085") + "(Hz)");
    const int idx = ToneStandardIndex(name);
    const std::string periodHead = GetOptionStr(st, "60086") + "(ms) ";
    if (idx >= 0) {
        const auto& e = ToneStandards()[idx];
        for (int d = 0; d < 16; ++d) lines.push_back(std::string(1, HexDigit(d)) + " " + std::string(e.Freq[d]));
        lines.push_back(periodHead + std::to_string(e.Period));
    } else {
        for (int d = 0; d < 16; ++d) lines.push_back(std::string(1, HexDigit(d)) + " " + FormatUserTone(userToneSet[d]));
        lines.push_back(periodHead + "70");
    }
    lines.push_back(GetOptionStr(st, "60087") + " A");
    lines.push_back(GetOptionStr(st, "60088") + " E");
    return lines;
}

static constexpr double kUserToneLow = 288.5;
static constexpr double kUserToneHigh = 3106.0;

std::string ClampUserToneText(std::string_view text) {
    const auto d = ParseDecimalText(text);
    if (!d) return "288.5";
    const auto v = ParseNumber(text);
    // A number too long for a double is still a number: it lies beyond one of the bounds.
    if (!v) return d->Negative ? "288.5" : "3106.0";
    if (*v < kUserToneLow) return "288.5";
    if (*v > kUserToneHigh) return "3106.0";
    return std::string(text);
}

std::optional<std::int16_t> UserToneValueOfText(std::string_view text) {
    const auto v = ParseScaled(text, 1, RoundMode::HalfEven);
    if (!v || *v < -32768 || *v > 32767) return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

std::array<std::string, 16> ShowUserToneSet(const std::array<std::int16_t, 16>& set) {
    std::array<std::string, 16> t;
    for (int i = 0; i < 16; ++i) t[i] = FormatUserTone(set[i]);
    return t;
}

void SaveUserToneSet(std::array<std::int16_t, 16>& set, const std::array<std::string, 16>& texts) {
    for (int i = 0; i < 16; ++i)
        if (const auto v = UserToneValueOfText(texts[i])) set[i] = *v;
}

}  // namespace rp
