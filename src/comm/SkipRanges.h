#pragma once
// Ranges of the memory image that an exchange does not transfer (free list entries and empty
// channel slots), and the block count that becomes the progress total. The table lives in
// AppState::SkipRanges; ProgressCount and ProgressTotal are AppState fields.
#include "model/AppState.h"

namespace rp {

// Appends start .. start + length - 1, or extends the last range when it ends at start - 1.
// A full table ignores further ranges (they are then transferred, which is always safe).
void AddSkipRange(AppState& s, long start, long length);
// The end + 1 of the range that holds the address, or the address itself.
long GetNextTransferAddress(const AppState& s, long address);
// Blocks from start to end in 16-byte steps, less the blocks of every skipped range.
long CountTransferBlocks(const AppState& s, long start, long end);
// From the occupancy bitmaps the radio has sent (a read that has passed 0x03A0).
void BuildReadSkipRanges(AppState& s);
// From the data in memory (before a write).
void BuildWriteSkipRanges(AppState& s);
// fromBitmaps false: start of a read, 57 blocks 0x0010-0x0390, nothing skipped.
// fromBitmaps true: the read has reached 0x03A0; builds the table from the bitmaps and counts
// 0x03A0-0x3FF0.
void PrepareRead(AppState& s, bool fromBitmaps);
// Before a write: builds the table from the data and counts 0x0100-0x3FF0.
void PrepareWrite(AppState& s);

}  // namespace rp
