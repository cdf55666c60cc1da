#include "print/core/PrintPages.h"

#include <algorithm>

namespace rp::print {

std::vector<std::size_t> PagesToPrint(std::size_t recorded, const PageChoice& choice) {
    const long last = static_cast<long>(recorded);
    const long from = std::max(1L, static_cast<long>(choice.FromPage));
    const long to = choice.ToPage <= 0 ? last : std::min(last, static_cast<long>(choice.ToPage));
    std::vector<std::size_t> set;
    for (long p = from; p <= to; ++p) set.push_back(static_cast<std::size_t>(p - 1));
    if (choice.Reverse) std::reverse(set.begin(), set.end());
    const int copies = std::max(1, choice.Copies);
    std::vector<std::size_t> out;
    out.reserve(set.size() * static_cast<std::size_t>(copies));
    if (choice.Collate) {
        for (int c = 0; c < copies; ++c) out.insert(out.end(), set.begin(), set.end());
    } else {
        for (std::size_t page : set) out.insert(out.end(), static_cast<std::size_t>(copies), page);
    }
    return out;
}

}  // namespace rp::print
