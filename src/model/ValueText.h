#pragma once
// Stored values and the texts the program shows for them: frequencies, offsets, tones, DTMF
// digits, list numbers, and the plain list helpers behind the dialogs' combo boxes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rp {

struct AppState;

// How the model layer hands a message to whoever shows windows. Empty means: show nothing.
using MessageFn = std::function<void(const std::string&)>;

// Frequencies are whole numbers of 10 Hz. The text in MHz is read digit by digit, decimals past
// the fifth cut off (a double would snap 145.0125 to the wrong raster point).
std::optional<std::int64_t> FreqTextToUnits(std::string_view mhzText);
// Units of 10 Hz as MHz with five decimals and at least intDigits integer digits.
std::string FreqUnitsToText(std::int64_t units, int intDigits = 3);

// MHz text to the nine-digit data text ("145.0125" gives "014501250"). "" for an empty text and
// for anything that is not a frequency of at most nine digits.
std::string GetFreDataStr(std::string_view mhzText);
// Nine-digit data text to "000.00000"; "" for an empty or all-"F" text. A text that is not a
// number gives the "Not IsNumeric" message and RxBandLow(0) as a plain number.
std::string GetFreShowByData(const AppState& st, std::string_view data, const MessageFn& message = {});
// Nine-digit offset text to "0.00000"; "0.00000" for an empty or all-"F" text or (after the
// "Not IsNumeric" message) one that is not a number.
std::string GetFreShowByData2(std::string_view data, const MessageFn& message = {});

// A CTCSS tone text from 62.5 to 254.1 with one decimal, anything else "151.1".
std::string GetCTCSSShowStr(std::string_view toneText);

std::string DTMFRadioToShow(std::string_view s);
std::string DTMFShowToRadio(std::string_view s);

// "DTMF" 1, "2Tone{DN}" 2, "5Tone" 3, "MSK{DN}" 4, anything else 0.
int GetSignalTypeCode(std::string_view text);

// Octal text of value, zero-filled to at least width characters. A negative value is taken as
// its 16-bit pattern.
std::string GetOctStr(int value, int width);

double GetNumValue(std::string_view text, double defaultValue);
// The whole number of a text, halves to even; the default for an empty or non-numeric text and
// for one outside the 32-bit range.
std::int32_t GetIntOfText(std::string_view text, std::int32_t defaultValue);
int IsPositive(int value);

// Combo-box rules over the list of item texts.
std::string GetComboListText(const std::vector<std::string>& items, int index);
std::string GetComboItemText(const std::vector<std::string>& items, int index, int fallbackIndex);
std::string GetComboMatchText(const std::vector<std::string>& items, std::string_view text);
int GetComboIndexOfText(const std::vector<std::string>& items, std::string_view text, int defaultIndex);
// The item a stored index selects: the index itself inside the list, else 0; -1 for an empty list.
int IndexRule(const std::vector<std::string>& items, int index);
// The item a text selects (SetComboText): the first equal item, else 0; -1 for an empty list.
int TextRule(const std::vector<std::string>& items, std::string_view text);

// Five-tone ID texts ("X" as prefix means none).
bool CheckSignalIDStr(std::string_view s, std::string_view ownId);
std::string GetSignalIDStr(std::string_view s, std::string_view ownId);
std::string ConvertSignalIDStr(std::string_view s, std::string_view prefix);

// A UTF-8 text as the grids and the printout show it: each control character (0 to 31 and 127) as
// "?", so a tab or a line break held in the data neither pushes nor splits what follows it.
std::string ShownText(std::string_view utf8);

}  // namespace rp
