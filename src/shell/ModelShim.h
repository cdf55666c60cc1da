#pragma once
// Temporary stand-ins for value texts that the model layer is about to provide.
#include <cstdint>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "model/FixedText.h"
#include "model/Values.h"
#include <optional>

namespace rp::shim {

inline std::string FreqText(std::string_view data, int intDigits) {
    std::string t = TrimNull(data);
    if (t.empty() || t.find_first_not_of('F') == std::string::npos) return "";
    auto v = ParseScaled(t, 0, RoundMode::Truncate);
    if (!v) return "";
    std::string s = FormatScaled(*v, 5);
    while (static_cast<int>(s.find('.')) < intDigits) s = "0" + s;
    return s;
}
inline std::string GetFreShowByData(const AppState&, std::string_view d) { return FreqText(d, 3); }
inline std::string GetFreShowByData2(std::string_view d) {
    auto s = FreqText(d, 1);
    return s.empty() ? "0.00000" : s;
}
inline std::string GetChBankStr(const AppState&, int) { return ""; }
inline std::string GetOctStr(int v, int w) {
    std::string s;
    unsigned u = static_cast<unsigned>(v) & 0xFFFF;
    do { s.insert(s.begin(), char('0' + (u & 7))); u >>= 3; } while (u);
    while (static_cast<int>(s.size()) < w) s.insert(s.begin(), '0');
    return s;
}
inline const std::vector<std::string>& CtcssTexts() {
    static const std::vector<std::string> v = {
        "62.5", "67.0", "69.3", "71.9", "74.4", "77.0", "79.7", "82.5", "85.4", "88.5", "91.5",
        "94.8", "97.4", "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
        "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
        "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    return v;
}
inline const std::vector<std::string>& DcsTexts() {
    static const std::vector<std::string> v = [] {
        std::vector<std::string> r;
        for (int i = 0; i < 512; ++i) r.push_back(GetOctStr(i, 3) + "N");
        return r;
    }();
    return v;
}

}  // namespace rp::shim

namespace rp::shim {
inline std::optional<std::int64_t> FreqTextToUnits(std::string_view t) {
    return ParseScaled(t, 5, RoundMode::Truncate);
}
inline std::string FreqUnitsToText(std::int64_t u, int intDigits) {
    std::string s = FormatScaled(u, 5);
    if (s.rfind("0.", 0) == 0 && intDigits == 0) s.erase(0, 1);
    while (static_cast<int>(s.find('.')) < intDigits) s = "0" + s;
    return s;
}
}  // namespace rp::shim
