#pragma once
// References from channels and settings into lists that may have changed: signalling entries
// that were emptied, channels that were deleted.
//
// A stored number outside its list (a raw byte up to 255 from a file or a radio) counts as
// pointing at an unused entry and is replaced; it is never used as an index.
#include <functional>

namespace rp {

struct AppState;

// Option memory channels, scan priority channels and the alert's emergency channel (each held
// as channel number - 1) that no longer name a channel of the table are replaced by the lowest
// channel that qualifies (memory channels for scan and alert; PL/PU channels as well for the
// option's memory channels), or 0 when none does.
void CheckChannelRefs(AppState& st);

// Every channel's 2-Tone, 5-Tone, MSK (by its signalling type) and 2-Tone decode numbers that
// point at unused entries become the first used entry of their list (0 when none); then
// `redraw` (the main window's channel grid).
void RepairChannelSignalRefs(AppState& st, const std::function<void()>& redraw = {});

// The alert's five-tone ID code, when its type is five-tone, likewise.
void RepairOption5ToneRefs(AppState& st);

}  // namespace rp
