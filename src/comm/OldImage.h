#pragma once
// Turns a finished memory image into the layout of the two older radio models just before it is
// written into such a radio.
#include <string_view>

#include "model/AppState.h"

namespace rp {

// Rewrites CommImage in place for model "ZV853C" or "ZV853D" and sets CommEndAddress to 0x3D00.
void ConvertImageToOld(AppState& s, std::string_view model);
// One 32-byte channel record at address: for "ZV853C" signalling 3 becomes 2 and 2 or 4 become
// 0; for every model byte 25 keeps its low four bits and byte 31 becomes 0.
void SetOldChImage(AppState& s, std::string_view model, int address);

}  // namespace rp
