#pragma once
// The five-tone information codes (functions the radio carries out when it decodes them, kill,
// stun and wake-up among them) and the special-code composer's output.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mappings/FiveTone.h"

namespace rp {

inline constexpr int kInfoKill = 3;
inline constexpr int kInfoStun = 4;
inline constexpr int kInfoWake = 5;

// What choosing a function does to the response list and the name box.
struct InfoFunctionRule {
    bool TwoResponsesOnly = false;  // the third response is not offered
    int ForcedResponse = -1;        // -1: the response stays
    bool ResponseEnabled = true;
    bool NameEnabled = true;        // false: the name is emptied
};
InfoFunctionRule InfoFunctionRuleOf(int function);

// Information code `number` (1..8) as the panel shows it.
InfoCodeView ShowInfoCode(const AppState& st, const InfoCodeRec& r, int number);
// The panel into the record. A function or response of -1 keeps the stored value.
void SaveInfoCode(InfoCodeRec& r, int function, int response, std::string_view code, std::string_view name);

// The kill/stun/wake-up check over the eight entries: empty when they may be stored, else the
// OPTION keys of the messages to show in order ("60350" alone for a code equal to the own ID;
// "60300" for kill or stun without a wake-up code, "60301" for a code shared with an entry of
// another function).
std::vector<std::string> CheckInfoKillStunWaken(const FiveToneData& ft);
// The information code (1..8) whose kill, stun or wake-up code equals the own ID, the one the
// "60350" message is about; 0 when there is none.
int InfoCodeSameAsOwnID(const FiveToneData& ft);

// The special-code composer.
struct SpecialCodeInput {
    int Mode = 0;            // 0 a grid row, 1 PTT-ID begin box, 2 PTT-ID end box
    int Kind = 0;            // 0 data message, 1 ANI, 2 PTT-ID
    int Row = 0;             // 0..99: grid row Row + 1
    std::string Code;        // the five-character code of the kind (message or ANI)
    int Separator = 0;       // 0 none, 1..6 = "A".."F"
    std::string Message;     // message text
    std::string OwnId;       // the editor's own-ID box
};
struct SpecialCodeOutput {
    bool CodeTooShort = false;  // the code has fewer than 5 characters: nothing was placed
    bool TooLong = false;       // the code would not fit its PTT-ID box: nothing was placed
    // Mode 0: the row's kind and code cells.
    std::string KindCell;
    std::string CodeCell;
    // Modes 1 and 2: the PTT-ID box's new text.
    std::string BoxText;
};
// The longest message the composer takes for a mode: a grid row's 40 digits hold "E1", the
// 5-digit code, "E" and two digits for each of 16 characters; a PTT-ID's 24 digits hold 8.
int SpecialMessageMax(int mode);
// The message shown when a composed PTT-ID code is refused for its length.
std::string SpecialCodeTooLongText(const AppState& st);
// The kind texts of the composer's list (message, "ANI", "PTTID").
std::vector<std::string> SpecialCodeKinds(const AppState& st);
// The separator digit is stored first, also when the code then turns out too short. In mode 0
// the row record gets the code (Standard, TonePeriod and Name stay).
SpecialCodeOutput ApplySpecialCode(const AppState& st, FiveToneData& ft, const SpecialCodeInput& in);
// Upper-case hexadecimal character codes of a message ("AB" gives "4142").
std::string HexOfMessage(std::string_view m);

}  // namespace rp
