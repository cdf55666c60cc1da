#pragma once
// The 2-Tone section: one page printed from the editor's show mapping over a copy of the data.
#include "print/core/PrintFrame.h"

namespace rp::print {

void Prt_2Tone(PrintJob& job);

}  // namespace rp::print
