#pragma once
// The five-tone editor's record services: the code text forms, what the editor shows for the
// five-tone record and how the shown values go back into it, the own-ID rewriting.
//
// The show functions take the record by const reference and repair a copy: the printout runs
// them on the working data and must see exactly what the editor would show.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"

namespace rp {

struct AppState;

inline constexpr int kFiveToneRows = 100;
inline constexpr int kFiveToneCodeMax = 40;
// A PTT-ID code: the radio keeps 24 tone digits of it.
inline constexpr int kPttIdCodeMax = 24;
inline constexpr std::string_view kSelfIdMark = "SelfID";
inline constexpr std::string_view kPttIdKind = "PTTID";
inline constexpr std::string_view kAniKind = "ANI";

// The piece [start, start + len) (counted from 1) of a code text with every repeat tone "E"
// replaced by the character before it in the unchanged text; stops at the end of the text. An
// "E" with nothing before it stays "E".
std::string Mid5ToneNoE(std::string_view s, int start, int len);

// The value lists of the editor, in list order.
struct FiveToneLists {
    std::vector<std::string> Standards;       // Combo1(1), Combo2, Combo4(i)
    std::vector<std::string> Responses;       // Combo1(2), Combo7(1)
    std::vector<std::string> Periods;         // Combo1(3), Combo3, Combo5(i): "30".."100"
    std::vector<std::string> TenMs;           // Combo1(4), (6), (8): "10".."2550"
    std::vector<std::string> Tenths;          // Combo1(5): "0.0".."25.0"
    std::vector<std::string> Count;           // Combo1(7): off, "5".."75"
    std::vector<std::string> PauseTime;       // Combo1(9): "0".."2550"
    std::vector<std::string> PauseDigit;      // Combo1(10): off, "B", "C", "D", "F"
    std::vector<std::string> DecodeTime;      // Combo1(11): "0".."2000"
    std::vector<std::string> FirstCodeDelay;  // Combo1(12): "0".."2500"
    std::vector<std::string> InfoFunctions;   // Combo7(0)
    std::vector<std::string> InfoNumbers;     // Combo6: "1".."8"
};
FiveToneLists MakeFiveToneLists(const AppState& st);
// The list of Combo1(i), i = 1..12 (empty for other numbers).
const std::vector<std::string>& FiveToneSystemList(const FiveToneLists& l, int i);

// The six cells of a code grid row.
struct FiveToneRowCells {
    std::string Number;    // column 0: row - 1
    std::string Kind;      // column 1: message text, "PTTID", "ANI" or "" for a plain code
    std::string Code;      // column 2
    std::string Standard;  // column 3
    std::string Period;    // column 4
    std::string Name;      // column 5
};

// Repairs made before a row or PTT-ID record is shown: a code length above 40 becomes 0, a
// standard above 15 becomes 0; a row's tone period outside 30..100 becomes 70.
void RepairFiveToneRow(FiveToneCodeRec& r);
void RepairFiveTonePtt(FiveToneCodeRec& r);

// The cells of code row `row` (1..100); ownId is the own-ID box's text.
FiveToneRowCells ShowFiveToneRow(const AppState& st, const FiveToneCodeRec& rec, int row, std::string_view ownId);
// The record from its standard, period and name cells; the code is brought to its stored form
// for the own ID (placeholders and old own IDs replaced). IsEmpty and Spare are not touched.
void SaveFiveToneRow(FiveToneCodeRec& rec, const FiveToneRowCells& cells, std::string_view ownId);

// Commits of the grid's in-place editors; each returns the text the cell then shows.
std::string CommitFiveToneCode(FiveToneCodeRec& rec, std::string_view editorText, std::string_view ownId);
// standardIndex -1 (nothing chosen) keeps the stored standard and the cell; an empty period
// cell becomes "70" (periodCell is updated).
std::string CommitFiveToneStandard(FiveToneCodeRec& rec, int standardIndex, std::string_view cellText,
                                   std::string& periodCell);
std::string CommitFiveTonePeriod(FiveToneCodeRec& rec, std::string_view periodText);
std::string CommitFiveToneName(FiveToneCodeRec& rec, std::string_view nameText);

// A PTT-ID record as its code box, standard list and period list show it.
struct FiveTonePttView {
    std::string Code;
    int Standard = -1;  // -1: no list item (the user tone set); kept on save
    std::string StandardText;
    std::string Period;
};
FiveTonePttView ShowFiveTonePtt(const FiveToneCodeRec& rec);
void SaveFiveTonePtt(FiveToneCodeRec& rec, const FiveTonePttView& v, std::string_view ownId);

// A selection in one of the lists: -1 = nothing selected.
struct FiveToneChoice {
    int Index = -1;
    std::string Text;
};

// One information code as the panel shows it.
struct InfoCodeView {
    int Number = 1;                      // 1..8
    std::string Caption;                 // frame caption
    int Function = -1;                   // Combo7(0); -1 for a stored function outside the list
    std::vector<std::string> Responses;  // items of Combo7(1) under the function
    int Response = -1;                   // -1 for a stored response the list cannot show
    bool ResponseEnabled = true;
    std::string Code;                    // Text5
    std::string Name;                    // Text7
    bool NameEnabled = true;
};

// Everything the editor shows for the five-tone record (and the decode time beside it).
struct FiveToneView {
    // Captions.
    std::string Caption;
    std::array<std::string, 13> Label1;  // Label1(0) own ID, Label1(1..12) the system lists
    std::string Check1Caption;
    std::array<std::string, 2> FrameCaption;  // PTT-ID begin / end
    std::string PttCodeLabel;                 // Label2(i)
    std::array<std::string, 6> GridHeader;
    std::string SpecialCaption;               // Command1..3
    std::string UserToneCaption;              // Command4
    std::string InfoNumberLabel;              // Label3
    std::array<std::string, 4> InfoLabel;     // Label4(0..3)
    // Values.
    std::string OwnID;                        // Text2
    std::array<FiveToneChoice, 13> Combo1;    // Combo1(1..12); [0] unused
    bool PauseTimeEnabled = false;            // Combo1(9)
    bool SideTone = false;                    // Check1
    std::array<FiveTonePttView, 2> Ptt;
    std::array<FiveToneRowCells, kFiveToneRows> Rows;
    InfoCodeView Info;                        // the panel: information code 1 after the load
    std::array<InfoCodeView, 8> InfoCodes;    // all eight, for the printout
    std::vector<std::string> ToneTable;       // the view's 21 lines after the load
};

// The repairs the load writes into the edit copy before showing it.
void RepairFiveToneForShow(FiveToneData& ft);
FiveToneView ShowFiveTone(const AppState& st, const FiveToneData& ft, std::uint8_t decodeTime);
// The shown values back into the record: system fields, PTT-ID records, code rows (from their
// standard, period and name cells). Choices of -1 keep the stored value. With asLoaded (the
// record the editor opened on), a code row or PTT-ID the user has not changed since is stored
// exactly as it was there (see RowUnchangedSinceLoad).
void SaveFiveTone(FiveToneData& ft, std::uint8_t& decodeTime, const FiveToneView& v,
                  const FiveToneData* asLoaded = nullptr);
// True when code row `rec` with its grid cells is what the editor showed for `loaded` when it
// opened (only the show's repairs in between) and its code is tone digits the radio can hold: a
// row read from a radio then goes back byte for byte, however odd its code length, digit count,
// standard or period. A code with an own-ID placeholder is brought to its stored form instead.
bool RowUnchangedSinceLoad(const FiveToneCodeRec& rec, const FiveToneRowCells& cells, const FiveToneCodeRec& loaded);
// The same for a PTT-ID record and what its code box and lists show.
bool PttUnchangedSinceLoad(const FiveToneCodeRec& rec, const FiveTonePttView& shown, const FiveToneCodeRec& loaded);

// After an accepted own-ID change: every code that carries the old own ID (rows, then the two
// PTT-ID records) gets the new one. Code lengths are left for the next save.
void ReplaceSelfIDCode(FiveToneData& ft, std::string_view oldOwnId, std::string_view newOwnId);

}  // namespace rp
