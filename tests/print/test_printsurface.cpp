// The recording surface: the print statement, wrapping and the page count.
#include <gtest/gtest.h>

#include "PrintFixture.h"

namespace rp::print {
namespace {

using test::FixedMetrics;

TEST(PrintSurface, PrintEndsTheLineAndCrLfBreaksIt) {
    FixedMetrics m(1000, 1000);
    PrintSurface s(m);
    s.CurrentX = 100;
    s.CurrentY = 50;
    s.Print("one\r\ntwo");
    ASSERT_EQ(s.Pages().size(), 1u);
    const auto& items = s.Pages()[0].Items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].Text, "one");
    EXPECT_FLOAT_EQ(items[0].X, 100);
    EXPECT_FLOAT_EQ(items[0].Y, 50);
    // The part after CR LF starts at the left edge, one line down.
    EXPECT_EQ(items[1].Text, "two");
    EXPECT_FLOAT_EQ(items[1].X, 0);
    EXPECT_FLOAT_EQ(items[1].Y, 62);
    EXPECT_FLOAT_EQ(s.CurrentX, 0);
    EXPECT_FLOAT_EQ(s.CurrentY, 74);
    // A trailing CR LF leaves one empty line.
    s.Print("three\r\n");
    EXPECT_FLOAT_EQ(s.CurrentY, 98);
}

TEST(PrintSurface, TextPastTheRightLimitWrapsInsideItsColumn) {
    FixedMetrics m(200, 1000);  // 10 pt: 5 units a character
    PrintSurface s(m);
    s.CurrentX = 100;
    s.SetRightLimit(150);  // room for ten characters
    s.Print("abcde fghij klmno");
    const auto& items = s.Pages()[0].Items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].Text, "abcde");
    EXPECT_EQ(items[1].Text, "fghij");
    EXPECT_EQ(items[2].Text, "klmno");
    for (const auto& it : items) {
        EXPECT_FLOAT_EQ(it.X, 100);
        EXPECT_LE(it.X + m.TextWidth(it.Text, it.Font), 150.0f) << it.Text;
    }
    // Without a limit the right edge of the page holds.
    s.ClearRightLimit();
    s.CurrentX = 190;
    s.Print("信道信息");
    for (const auto& it : s.Pages()[0].Items) EXPECT_LE(it.X + m.TextWidth(it.Text, it.Font), 200.0f);
}

TEST(PrintSurface, WrapNeverCutsACharacterInHalf) {
    FixedMetrics m(1000, 1000);
    const auto lines = WrapText("对讲机编程信息", 25, m, PrintFont{10, false});  // 2 characters a line
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "对讲");
    EXPECT_EQ(lines[3], "息");
    // A room narrower than one character still moves on, one character a line.
    EXPECT_EQ(WrapText("abc", 1, m, PrintFont{10, false}).size(), 3u);
}

TEST(PrintSurface, PagesCountOnAndNoBlankPageFollowsTheLast) {
    FixedMetrics m(1000, 1000);
    PrintSurface s(m);
    EXPECT_EQ(s.Page(), 1);
    s.Print("a");
    s.NewPage();
    EXPECT_EQ(s.Page(), 2);
    s.Print("b");
    s.NewPage();
    s.EndDoc();
    ASSERT_EQ(s.Pages().size(), 2u);
    EXPECT_EQ(s.Pages()[1].Items[0].Text, "b");
    // Nothing printed at all: no sheet.
    PrintSurface empty(m);
    empty.EndDoc();
    EXPECT_TRUE(empty.Pages().empty());
}

}  // namespace
}  // namespace rp::print
