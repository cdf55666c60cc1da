#include "channels/BatchFun.h"

namespace rp {

// The batch editor fills this in with its own settings file; until then there is nothing to load.
void LoadBatchFun(AppState&) {}

}  // namespace rp
