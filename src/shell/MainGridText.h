#pragma once
// What the main window's grids show for the data, as plain texts: the channel row, the
// broadcast-radio and AM cells and the row labels of those lists.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/AppState.h"

namespace rp {

// The item lists a channel row reads, built from the language of the moment.
struct RowTextLists {
    std::vector<std::string> Steps;  // "2.5K" .. "50K", index = StepIndex
    std::vector<std::string> Ctcss;  // 51 tones, then the custom-tone entry
    std::vector<std::string> Dcs;    // "000N" .. "777N", index = code
    std::string PowerHigh;           // text 1204
    std::string PowerLow;            // text 1205
    std::string Off;                 // text 1206
};

// Columns 1 to 10 of a channel's row of the channel grid.
using RowTexts = std::array<std::string, 10>;
RowTexts ChannelRowTexts(const AppState& st, const ChannelData& ch, const RowTextLists& lists);

// One tone cell (columns 8 and 9); "" for an index or code the lists do not hold.
std::string ToneCellText(int type, int ctcssIndex, int dcsCode, int dcsInvert,
                         const RowTextLists& lists);

// A broadcast-radio entry (8 digits in 100 Hz units) as MHz with four decimals; "" for an empty,
// all-"F" or unreadable entry.
std::string RadioShowText(std::string_view digits);
// An AM entry (a MHz text) as MHz with four decimals; "" when it holds no number.
std::string AMShowText(std::string_view text);

// Label of the fixed column of the broadcast-radio and AM grids: the entry number, "VFO" for
// the last entry, marked ">>" when the radio's pointer names it. A pointer outside the list
// marks nothing.
std::string ListRowLabel(int index, int count, int pointer);

}  // namespace rp
