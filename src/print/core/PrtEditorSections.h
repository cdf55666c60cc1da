#pragma once
// The editors' sections of the printout, plugged into the job's fixed order.
#include "print/core/PrintJob.h"

namespace rp::print {

// Sets the option, DTMF, 2-Tone, 5-Tone, embedded-message and alert sections of src.
void AddEditorSections(PrintSources& src);

}  // namespace rp::print
