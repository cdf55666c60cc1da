#pragma once
// The five-tone section: the editor's settings, the eight information codes, the PTT-ID codes
// and every code row that holds a code, on as many pages as the rows need.
#include "print/core/PrintFrame.h"

namespace rp::print {

void Prt_5Tone(PrintJob& job);

}  // namespace rp::print
