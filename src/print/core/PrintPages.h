#pragma once
// Which recorded pages go to the printer, and in which order: the page range, the reverse
// order and the copies the user chose in the printer dialog. Every recorded page keeps the
// number its footer was printed with; choosing pages never numbers them anew.
#include <cstddef>
#include <vector>

namespace rp::print {

struct PageChoice {
    int FromPage = 0;  // first page, counted from 1; 0 and 0 mean every page
    int ToPage = 0;    // last page; 0 or past the end means up to the last page
    bool Reverse = false;
    int Copies = 1;       // copies the replay makes itself (1 when the printer makes them)
    bool Collate = true;  // whole sets one after the other, or each page its copies at once
};

// Indexes of the recorded pages in the order they go out. Empty when the range holds no
// recorded page.
std::vector<std::size_t> PagesToPrint(std::size_t recorded, const PageChoice& choice);

}  // namespace rp::print
