// Which recorded pages go to the printer, and in which order, for the page range, the reverse
// order and the copies chosen in the printer dialog.
#include <gtest/gtest.h>

#include "print/core/PrintPages.h"

namespace rp::print {
namespace {

struct PagesCase {
    const char* Name;
    std::size_t Recorded;
    PageChoice Choice;
    std::vector<std::size_t> Expected;  // recorded page indexes, 0 for page 1
};

std::ostream& operator<<(std::ostream& os, const PagesCase& c) { return os << c.Name; }

class PagesToPrintTable : public ::testing::TestWithParam<PagesCase> {};

TEST_P(PagesToPrintTable, SendsTheChosenPagesInTheChosenOrder) {
    EXPECT_EQ(PagesToPrint(GetParam().Recorded, GetParam().Choice), GetParam().Expected);
}

using V = std::vector<std::size_t>;
const PagesCase kCases[] = {
    {"Everything", 4, {}, V{0, 1, 2, 3}},
    {"PagesTwoToThree", 64, {2, 3}, V{1, 2}},
    {"PagesFiftyThreeToFiftyFour", 64, {53, 54}, V{52, 53}},
    {"OnePage", 5, {5, 5}, V{4}},
    {"RangePastTheEndStopsAtTheLastPage", 5, {4, 9}, V{3, 4}},
    {"RangeWhollyPastTheEnd", 5, {7, 9}, V{}},
    {"FromAfterTo", 5, {3, 2}, V{}},
    {"FromOnlyGoesToTheEnd", 5, {4, 0}, V{3, 4}},
    {"EverythingReversed", 3, {0, 0, true}, V{2, 1, 0}},
    {"RangeReversed", 64, {2, 4, true}, V{3, 2, 1}},
    {"CopiesCollated", 5, {2, 3, false, 2, true}, V{1, 2, 1, 2}},
    {"CopiesUncollated", 5, {2, 3, false, 2, false}, V{1, 1, 2, 2}},
    {"CopiesReversed", 5, {2, 3, true, 2, true}, V{2, 1, 2, 1}},
    {"NoCopiesIsOne", 2, {0, 0, false, 0, true}, V{0, 1}},
    {"NothingRecorded", 0, {}, V{}},
};

INSTANTIATE_TEST_SUITE_P(Choices, PagesToPrintTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace rp::print
