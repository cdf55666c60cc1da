#pragma once
// The 2-Tone editor's mapping between TwoToneData and what its dialog shows and holds, without
// widgets: the dialog only moves these values into and out of its controls, and the printout
// shows the same texts from a copy of the data.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"

namespace rp {

struct AppState;

inline constexpr int kTwoToneListRows = 32;
inline constexpr int kTwoToneDecodeTabs = 16;
inline constexpr int kTwoToneCallFormats = 15;

// Every tone the user enters is kept inside these limits; the save of the encode boxes alone
// lets 280.0 Hz through, so that a stored 285.0 the user never touched stays as it was.
inline constexpr double kTwoToneLowHz = 288.0;
inline constexpr double kTwoToneEncodeSaveLowHz = 280.0;
inline constexpr double kTwoToneHighHz = 3116.0;

// The radio counts tone periods with two clocks: 9.6 MHz / 2 for the encoder pair, / 16 for the
// list entries.
inline constexpr int kEncodeDividerFactor = 2;
inline constexpr int kListDividerFactor = 16;

struct BytePair {
    std::uint8_t High = 0, Low = 0;
    bool operator==(const BytePair&) const = default;
};

// The divider of a tone, Fix(9600000 / (factor x f)), split into high and low byte. f must be
// above 0.
BytePair ToneDividerBytes(double hz, int factor);
// The tone in Hz a text stands for, halves to even at the tenth; the text must be a number.
int ToneTenthsOfText(std::string_view text);

// Tone boxes A to D and the tones of the call formats: index 0 = A .. 3 = D.
struct CallFormatTones {
    int First = 0;
    int Second = -1;  // -1 for the long formats
};
// The tones a call format 0..14 names; nullopt above 14.
std::optional<CallFormatTones> TonesOfCallFormat(int callFormat);
// Which of the boxes A to D a call format enables; none for a value outside 0..14.
std::array<bool, 4> EnabledToneBoxes(int callFormat);

// ---------------------------------------------------------------------------------------------
// Lists and captions

struct TwoToneLists {
    std::vector<std::string> Time;      // Combo1(0..2): 0.5 .. 10.0
    std::vector<std::string> Interval;  // Combo1(3): 0 .. 2000
    std::vector<std::string> Time5;     // Combo1(4): 0.0 .. 25.0
    std::vector<std::string> CallFormat;  // Combo2(0)
    std::vector<std::string> Response;    // Combo2(1), and copied into every Combo3(k)
};
TwoToneLists MakeTwoToneLists(const AppState& s);

struct TwoToneCaptions {
    std::string Form;                         // the dialog's own caption
    std::array<std::string, 3> MainTabs;      // SSTab1
    std::array<std::string, 5> Label1;        // timing lists
    std::string Check1;
    std::array<std::string, 2> Label2;        // call format, response
    std::array<std::string, 4> Label3;        // "A-Tone (Hz)" .. "D-Tone (Hz)"
    std::array<std::string, 4> GridHeader;    // row 0, columns 0..3
    std::array<std::string, kTwoToneListRows> RowNumbers;  // column 0 of rows 1..32
    std::array<std::string, kTwoToneDecodeTabs> DecodeTabs;  // SSTab2 tabs and Frame1(k)
    std::string Check2;                       // every decode tab's valid switch
    std::string Label4, Label5, Label6, Label8;  // decode first tone, second tone, response, name
    std::string OK, Cancel;
};
TwoToneCaptions MakeTwoToneCaptions(const AppState& s);

// ---------------------------------------------------------------------------------------------
// Showing

struct TwoToneDecodeView {
    std::string FirstTone, SecondTone;  // Text4(k), Text5(k)
    int Response = 0;                   // Combo3(k) index
    std::string Name;                   // Text6(k)
    int Valid = 0;                      // Check2(k); its fields are enabled when 1
};

struct TwoToneView {
    std::array<TwoToneDecodeView, kTwoToneDecodeTabs> Decode;
    // Columns 1..3 of grid rows 1..32 (first tone, second tone, name).
    std::array<std::array<std::string, 3>, kTwoToneListRows> Grid;
    // List indexes, each inside its list.
    int CallFormat = 0, Response = 0, Time1 = 0, Time2 = 0, Time3 = 0, Time4 = 0, Time5 = 0;
    int OptionFlag = 0;                  // Check1
    std::array<std::string, 4> Tones;    // Text2(0..3)
    std::array<bool, 4> ToneEnabled{};   // from the stored call format
};

// The stored values the dialog puts right as it opens: a side-tone switch above 1 becomes 0,
// and a tone A to D whose high byte is 0 or 255 gets its default. The dialog applies this to its
// edit copy, so OK stores what was shown.
void RepairTwoToneForShow(TwoToneData& d);

// What the dialog shows for the data, as if RepairTwoToneForShow had run. Reads only.
TwoToneView ShowByData(const TwoToneData& d);

// ---------------------------------------------------------------------------------------------
// Storing

// What the encode tab holds at OK.
struct TwoToneEncodeInput {
    int CallFormat = 0, Response = 0, Time1 = 0, Time2 = 0, Time3 = 0, Time4 = 0, Time5 = 0;
    int OptionFlag = 0;
    std::array<std::string, 4> Tones;  // Text2(0..3); normalised in place by SaveToData
};

// An encode box's text as the save leaves it: "2000" when it is not a number, else the number
// clamped to 280.0 .. 3116.0 in its shortest form.
std::string CheckEncodeToneText(std::string_view text);
void SaveToData(TwoToneEncodeData& e, TwoToneEncodeInput& in);

// What a decode tab holds at OK.
struct TwoToneDecodeInput {
    std::string FirstTone, SecondTone, Name;
    int Response = 0;
    int Valid = 0;
};
// 0 for a text that is not a number, else clamped to 288.0 .. 3116.0.
double GetDecodeToneValue(std::string_view text);
void SaveDecodeEntry(TwoToneDecodeEntry& e, const TwoToneDecodeInput& in);
void SaveDecodeData(TwoToneData& d, const std::array<TwoToneDecodeInput, kTwoToneDecodeTabs>& in);

// What committing a grid cell does to the grid: the cell's new text, and for a first tone that
// is not a number, the rest of the row cleared.
struct EditCellResult {
    std::string CellText;
    bool ClearRow = false;
};
// Commits the editor's text into column col (1 first tone, 2 second tone, 3 name) of a list
// entry. The dialog passes Text1's text for the tone columns and Text3's for the name.
EditCellResult SaveEditCell(TwoToneListEntry& e, int col, std::string_view editorText);

// ---------------------------------------------------------------------------------------------
// Field entry

// The text a tone box shows after the user leaves it: empty or not a number counts as 0, and the
// value is clamped to 288.0 .. 3116.0. Encode boxes show the shortest form ("288"), decode boxes
// one decimal ("288.0").
std::string LeaveEncodeToneText(std::string_view text);
std::string LeaveDecodeToneText(std::string_view text);

}  // namespace rp
