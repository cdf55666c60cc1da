#pragma once
// The sections of the function settings: option, embedded message and alert, each one page
// printed from its dialog's show mapping over the current data (which stays untouched).
#include "print/core/PrintFrame.h"

namespace rp::print {

void Prt_Option(PrintJob& job);
void Prt_EMG(PrintJob& job);
void Prt_Alert(PrintJob& job);

}  // namespace rp::print
