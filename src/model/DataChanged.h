#pragma once
// Unsaved changes: the working data against the copies as last saved or opened.
namespace rp {

struct AppState;

// Field by field; fixed texts count as equal when they read the same after TrimNull, so a
// blank- and a NUL-padded "ABC" are no change. A change of band or model counts; the channels
// are compared slot by slot up to ChannelCount.
bool IsDataChanged(const AppState& st);

}  // namespace rp
