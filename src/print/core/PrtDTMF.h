#pragma once
// The DTMF section: the settings and the twenty codes on one page, from the DTMF dialog's show
// mapping over a copy of the record (the load's repairs never reach the data).
#include "print/core/PrintFrame.h"

namespace rp::print {

void Prt_DTMF(PrintJob& job);

}  // namespace rp::print
