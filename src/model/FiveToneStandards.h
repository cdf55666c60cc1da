#pragma once
// The fifteen five-tone standards (which audio frequency stands for each tone digit and how long
// a tone lasts), the tone-table view of the five-tone editor, and the user tone set's texts.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rp {

struct AppState;

inline constexpr int kToneStandardCount = 15;
// A stored standard of 15 stands for the user tone set; no list offers it by name.
inline constexpr int kUserToneStandard = 15;

struct ToneStandardEntry {
    std::string_view Name;
    int Period;  // default tone period in ms
    // Frequency texts of the digits 0..9, A..F, kept exactly as the radio's makers list them
    // ("825/885", "0.0" and empty entries included).
    std::array<std::string_view, 16> Freq;
};

const std::array<ToneStandardEntry, kToneStandardCount>& ToneStandards();
// The names in list order: the items of every standard list of the editor.
const std::vector<std::string>& ToneStandardNames();
// The position of a name in the table (exact comparison), or -1.
int ToneStandardIndex(std::string_view name);
// The name at a list position, "" for a position without a name (the user tone set among them).
std::string ToneStandardName(int index);
// Default tone period of a name; 70 for any text that is not one of the fifteen.
int DefaultTonePeriod(std::string_view name);

// The 21 lines of the tone-table view for a name: the name, the frequency heading, sixteen digit
// lines, the period line, the group and repeat tone lines. A name outside the table shows the
// user tone set (0.1 Hz units) with the period 70. Texts from section OPTION of the language.
std::vector<std::string> ToneStandardLines(const AppState& st, std::string_view name,
                                           const std::array<std::int16_t, 16>& userToneSet);

// Tenths as "#.0": one decimal, no digit before the point below 1 (2885 "288.5", 0 ".0").
std::string FormatTenthsHash(int tenths);

// User tone set boxes. Leaving a box: a text that is not a decimal number becomes "288.5"; a
// value below 288.5 becomes "288.5", one above 3106.0 "3106.0"; anything else stays as typed.
std::string ClampUserToneText(std::string_view text);
// The stored value of a box (0.1 Hz, halves to even), or nothing for a text that is not a
// number or does not fit the field (the field then keeps its value).
std::optional<std::int16_t> UserToneValueOfText(std::string_view text);
// The sixteen box texts of a stored set.
std::array<std::string, 16> ShowUserToneSet(const std::array<std::int16_t, 16>& set);
// The boxes into the set; boxes that are not numbers leave their entry alone.
void SaveUserToneSet(std::array<std::int16_t, 16>& set, const std::array<std::string, 16>& texts);

}  // namespace rp
