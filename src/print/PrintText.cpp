#include "print/PrintText.h"

namespace rp {

// The printout fills its caption tables here once it is built.
void InitPrintText(AppState&) {}

}  // namespace rp
