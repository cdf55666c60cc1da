#pragma once
// Operations on the channel table: look-ups, new and deleted channels, the grid's field
// writes, and copy, cut and paste of whole channels.
//
// The table has 206 slots and holds each channel number at most once; every operation that
// appends refuses when the table is full, before it changes anything.
#include <string>
#include <string_view>

#include "model/FreqCheck.h"
#include "model/Records.h"
#include "model/ValueText.h"

namespace rp {

struct AppState;

int FindFreIndex(const AppState& st, int number);
bool IsChannelNoUsed(const AppState& st, int number);
// Channels with a number below 201.
int CountNormalChannels(const AppState& st);

// An empty channel record for the channel dialog; also enters the number in its default bank
// of the bank edit copy.
void NewEmptyChannel(AppState& st, ChannelData& record, int number);

// Refuses (with the message "Must retain the one channels!") when at most one normal channel
// is left, whatever the number. Otherwise takes the number out of every bank and removes its
// record, the later ones moving down. True when a record was removed.
bool DeleteChannel(AppState& st, int number, const MessageFn& message = {});

// Creates channel `number` from a typed receive frequency (a row that holds no channel). The
// result is the checked frequency; Added is false when the table is full or the number taken.
struct SetFreqResult {
    bool Added = false;
    FreqCheckResult Check;
};
SetFreqResult SetChannelFreq(AppState& st, int number, std::string_view text);

// Writes one field of channel `number` from the grid: column 1 receive frequency (text),
// 2 transmit frequency (text: shift and offset follow), 3 name (text), 4 step, 5 bandwidth,
// 7 power, 8 decode and 9 encode tone (part 0 kind, 1 CTCSS index, 2 DCS list index: the
// code plus 512 when inverted), 10 signalling type; list columns take the item index as text.
// Values outside a list leave the field as it was. The check result of a frequency is
// returned for the caller's message.
FreqCheckResult SetChannelDataByGrid(AppState& st, int number, std::string_view value, int column, int part);

// "De_CTC_Type", "De_CTCSS", "De_CDCSS" and the "En_" twins: the list index the grid's tone
// editors show for the channel; -1 when there is no such channel or field.
int GetChannelToneField(const AppState& st, int number, std::string_view fieldName);

// The grid's clipboard keys; only grid 0 has them.
void CopyChannel(AppState& st, int grid, int number);
void CutChannel(AppState& st, int grid, int number, const MessageFn& message = {});
// False when nothing was pasted (no channel copied and the target kept, or the table full).
bool PasteChannel(AppState& st, int grid, int number, const MessageFn& message = {});

}  // namespace rp
