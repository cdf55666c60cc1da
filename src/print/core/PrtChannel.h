#pragma once
// The channel section: every channel in ascending order of its number, as many blocks to a
// page as fit (five at most), each block with the channel dialog's captions and list texts. A
// block taller than a page (small paper) breaks between its lines, its heading repeated.
#include <array>
#include <string>
#include <vector>

#include "model/Records.h"
#include "print/core/PrintFrame.h"

namespace rp::print {

// What the channel dialog shows as captions and list items, under its controls' names. The
// printout never holds these words itself: the dialog's caption and list builders fill them.
struct ChannelBlockTexts {
    std::string Label1_2;   // name
    std::string Label2_4;   // optional signalling
    std::string Label2_5;   // decode tone
    std::string Label2_6;   // scrambler
    std::string Label2_7;   // DTMF PTT ID
    std::string Label2_8;   // 5-Tone PTT ID
    std::string Label2_9;   // squelch mode
    std::string Label2_10;  // encode tone
    std::string Label2_13;  // busy-channel lockout
    std::string Check1;     // transmit inhibit
    std::string Check4_0;   // reverse
    std::string Check4_1;   // talk-around
    std::string Check5;     // compander
    std::string Check6;     // scan skip
    std::vector<std::string> Combo2;     // shift direction
    std::vector<std::string> Combo1_0;   // step
    std::vector<std::string> Combo1_1;   // bandwidth
    std::vector<std::string> Combo1_2;   // power
    std::vector<std::string> Combo1_6;   // scrambler
    std::vector<std::string> Combo1_7;   // DTMF PTT ID
    std::vector<std::string> Combo1_8;   // 5-Tone PTT ID
    std::vector<std::string> Combo1_11;  // squelch mode
    std::vector<std::string> Combo1_13;  // busy-channel lockout
};

// The channel dialog's own captions and lists in the current language.
ChannelBlockTexts ChannelDialogTexts(const AppState& st);

// One channel's block: its heading and its lines of up to four cells (caption, value, caption,
// value at 10, 32, 55 and 75 % of the width).
struct ChannelBlock {
    std::string Heading;
    std::vector<std::vector<std::string>> Lines;
};

// Tone text of a channel's decode or encode fields; a value outside its list gives "".
std::string ChannelToneText(const AppState& st, int type, int ctcss, int dcs, int invert);
std::string ChannelSignalText(const AppState& st, const ChannelData& ch);
ChannelBlock MakeChannelBlock(const AppState& st, const ChannelBlockTexts& texts, const ChannelData& ch);

void PrintChannelBlock(PrintJob& job, const ChannelBlock& block);
// The whole section; texts are asked for only when there is a channel to print (the channel
// dialog's when textsOf is empty).
void Prt_UHFChannel(PrintJob& job, const std::function<ChannelBlockTexts(const AppState&)>& texts);

}  // namespace rp::print
