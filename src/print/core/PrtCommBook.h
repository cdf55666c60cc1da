#pragma once
#include "print/core/PrintFrame.h"

namespace rp::print {

// The communication book in stored order: number, Call ID and name in three column groups of
// 50 rows; a page too short for the rows breaks like the five-tone section (footer, new page,
// header, title, heading row).
void Prt_CommBook(PrintJob& job);

}  // namespace rp::print
