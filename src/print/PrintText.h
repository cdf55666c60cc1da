#pragma once
#include "model/AppState.h"

namespace rp {

// Fills the printout's caption tables for both languages. Called once at start-up.
void InitPrintText(AppState& state);

}  // namespace rp
