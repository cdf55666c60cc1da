#pragma once
#include "model/AppState.h"

namespace rp {

// Loads the batch editor's field switches from BatchFun.ini beside the program, creating the
// file with defaults when it is missing. Called once at start-up.
void LoadBatchFun(AppState& state);

}  // namespace rp
