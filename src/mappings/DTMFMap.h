#pragma once
// The DTMF record as the DTMF dialog shows and stores it, the rewrites of codes that embed the
// separator digit and the own ID, and the kill/stun code adjustment. No widgets: the dialog moves
// these values into its controls and back, and the printout shows the same texts.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/AppState.h"
#include "model/Records.h"

namespace rp {

// Code boxes Text2(0..19): 0..15 the memories M1..M16, 16/17 the PTT-ID begin/end codes,
// 18/19 the kill and stun codes.
inline constexpr int kDTMFCodeBoxes = 20;
inline constexpr int kDTMFKillBox = 18;
inline constexpr int kDTMFStunBox = 19;
// Boxes 0..17 may hold codes that embed the separator and the own ID.
inline constexpr int kDTMFIdCodeBoxes = 18;
// Lists Combo1(0..12); there is no Combo1(4).
inline constexpr int kDTMFLists = 13;
inline constexpr int kDTMFOwnIdLength = 3;

// Widest code a box may hold: 24 digits, 14 for kill and stun.
int DTMFCodeBoxWidth(int box);

// What the dialog holds in its controls: the list choices, the code boxes in display form
// ("*" and "#"), the own ID and the side-tone check.
struct DTMFValues {
    std::array<int, kDTMFLists> ListIndex{};  // ListIndex[4] unused
    std::array<std::string, kDTMFCodeBoxes> Codes;
    std::string OwnId;
    int SideTone = 0;
    bool operator==(const DTMFValues&) const = default;
};

// Everything the dialog displays.
struct DTMFShow {
    std::string FormCaption;
    std::string Frame1, Label2, CommandSpecial, Check1, CommandOK, CommandCancel;
    std::array<std::string, kDTMFCodeBoxes> Label1;  // beside Text2(i)
    std::array<std::string, kDTMFLists> Label3;      // beside Combo1(i) (Label3(4) beside Text3)
    std::array<std::vector<std::string>, kDTMFLists> Lists;
    std::array<bool, kDTMFLists> ListShown{};  // Combo1(0), (1), (3) carry values but stay hidden
    DTMFValues Values;
};

// The lists of Combo1(0..12) in the current language.
std::array<std::vector<std::string>, kDTMFLists> DTMFLists(const AppState& s);

// The record with the load's range repairs. A group digit of 255 ("none") is kept.
DTMFData RepairDTMFData(const DTMFData& d);
// What the dialog shows for a record; the record is only read, so a copy can be shown for printing.
DTMFShow ShowDTMFData(const AppState& s, const DTMFData& d);
// Writes the dialog's values into the record (OK), kill/stun adjustment included.
void StoreDTMFData(DTMFData& d, const DTMFValues& v);

// OK refuses a kill code equal to the stun code (box texts, a non-empty kill code).
bool KillStunCodesClash(std::string_view killBox, std::string_view stunBox);

// The own ID with "0" appended up to three characters ("" gives "000", "7" gives "700").
std::string PadOwnId(std::string_view id);

// Separator digit changed: codes "nnnSiii" and "Siii" whose iii is the own ID take the new
// separator. Boxes 0..17 only.
void RewriteCodesForSeparator(std::array<std::string, kDTMFCodeBoxes>& codes, std::string_view newSeparator,
                              std::string_view ownId);
// Own ID changed from oldId to newId: codes "nnnSddd" and "Sddd" (S the current separator) end
// in the new ID. Nothing changes when the ID is the same. Boxes 0..17 only.
void RewriteCodesForOwnId(std::array<std::string, kDTMFCodeBoxes>& codes, std::string_view separator,
                          std::string_view oldId, std::string_view newId);

// The ANI code of the special-code dialog: the other party's code completed with "0" to three
// digits, the separator and the own ID ("12", "*", "345" give "120*345").
std::string ComposeAniCode(std::string_view partyCode, std::string_view separator, std::string_view ownId);

// When a and b are equal and not empty, b's last digit goes up by one (hex, "F" wraps to "0").
// A last character that is no hex digit is left as it is.
void AdjustSameCode(const std::string& a, std::string& b);
// Takes the codes without trailing blanks (cut at a NUL) and leaves own ID, kill and stun code
// pairwise different where a last digit can be raised. The ID is only read.
void CheckKillStunCodes(const std::string& ownId, std::string& kill, std::string& stun);

}  // namespace rp
