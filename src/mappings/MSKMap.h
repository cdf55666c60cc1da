#pragma once
// What the MSK editor shows of the MSK block and how it stores what it holds.
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"

namespace rp {

struct AppState;

// An ID as the radio takes it: four hexadecimal digits. Empty or not hexadecimal gives "0000",
// a shorter one is filled with "0" on the left, a valid one of four or more stays as typed.
std::string GetHexIDText(std::string_view text);

// The hop frequency in whole MHz kept inside the band limits: below the lower band its low
// edge, above the upper band its high edge, between the bands the nearer side of 300 MHz.
// A text that is not a number gives 145.
int GetLimitFre(const AppState& st, std::string_view text);

// The legal-range indicator beside the frequency: ticked outside 433..435 and 445..447 MHz.
bool MSKFrequencyIllegal(std::string_view text);

// List items: pre-send delay 0.01..2.50 s (value = item + 1) and auto-reset 1.0..25.0 s
// (value = item + 10); the others are language texts, by number.
std::vector<std::string> MSKPreSendDelayItems();
std::vector<std::string> MSKAutoResetItems();
inline constexpr int kMSKCallTypeTexts[] = {7540, 7541, 7542, 7543};
inline constexpr int kMSKPttIdTexts[] = {7547, 7544, 7545, 7546};
inline constexpr int kMSKDecodeTexts[] = {7547, 7548, 7549};

// The common settings as the dialog holds them: box texts, list positions, the check.
struct MSKHeaderView {
    std::string OwnID, GroupID, Frequency;
    int PreSendDelay = 0, PTTIDMode = 0, DecodeResponse = 0, AutoResetTime = 0;  // list positions
    int SideTone = 0;
};
MSKHeaderView ShowMSKHeader(const MSKHeader& h);
void SaveMSKHeader(const AppState& st, const MSKHeaderView& v, MSKHeader& h);

// One entry as the dialog holds it.
struct MSKEntryView {
    int Valid = 0;     // check value
    int CallType = 0;  // list position
    std::string IndividualID, GroupID, MessageCode, Name;
};
MSKEntryView ShowMSKEntry(const MSKEntry& e);
void SaveMSKEntry(const MSKEntryView& v, MSKEntry& e);

// Which ID boxes of an enabled entry are enabled for a call type: individual calls use both,
// group calls the group ID only, all calls neither; a message call leaves them as they were.
struct MSKIdBoxes {
    bool Individual = true, Group = true;
};
MSKIdBoxes MSKIdBoxesFor(int callType, MSKIdBoxes before);

}  // namespace rp
