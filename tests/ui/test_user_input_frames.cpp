// The keyboard walks a dialog a frame at a time, the same way on every screen: what Enter carries
// on, the same keys giving the same data on a large and on a laptop screen, and a focus that
// always shows. Driven on shown windows under a real X server; skipped offscreen.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>
#include <string>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ScreenRecord.h"
#include "UserDriver.h"
#include "channels/FrmBank.h"
#include "channels/FrmCHBatch.h"
#include "fivetone/Frm5Tone.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "mappings/ModBatch.h"
#include "model/ChannelOps.h"
#include "model/DataFileCodec.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "settings/FrmEMG.h"
#include "settings/FrmOption.h"
#include "signalling/Frm2Tone.h"

using namespace rp;
using namespace rp::test;

namespace {

void PrepareData(AppState& st) {
    UseLanguage(st, kLanguageEnglish);
    InitFunLangText(st);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, kLanguageEnglish);
    st.CurChannelNo = 1;
}

// Keys as a user presses them, to whatever has the focus: '>' Tab, '<' Shift+Tab, 'v' Down,
// '^' Up, '_' Space, '|' Enter; any other character is typed.
void Press(const std::string& keys) {
    for (const char ch : keys) {
        QWidget* f = QApplication::focusWidget();
        ASSERT_NE(f, nullptr) << "no focus before '" << ch << "' of " << keys;
        switch (ch) {
        case '>': QTest::keyClick(f, Qt::Key_Tab); break;
        case '<': QTest::keyClick(f, Qt::Key_Backtab); break;
        case 'v': QTest::keyClick(f, Qt::Key_Down); break;
        case '^': QTest::keyClick(f, Qt::Key_Up); break;
        case '_': QTest::keyClick(f, Qt::Key_Space); break;
        case '|': QTest::keyClick(f, Qt::Key_Return); break;
        default: QTest::keyClick(f, ch); break;
        }
        QTest::qWait(5);
    }
    Settle();
}

std::string Hex(std::span<const std::uint8_t> bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
        if (i % 32 == 31) out += '\n';
    }
    return out + "\n";
}

std::string Messages(const ScopedMsgBoxScript& msgs) {
    std::string out;
    for (const auto& m : msgs.Messages()) out += "message: " + m.Text.toStdString() + "\n";
    return out;
}

// The data as a file keeps it: the main record and every channel record.
std::string Records(const AppState& st) {
    std::string out = "main:\n" + Hex(EncodeMainRecord(st.CurRadioData));
    for (const ChannelData& c : st.ChannelTable)
        if (c.Used) out += "channel " + std::to_string(c.ChannelNo) + ":\n" + Hex(EncodeChannelRecord(c));
    return out;
}

// A view that differs from what the widget shows without the focus, within a second (a caret
// blinks).
bool ShowsItsFocus(QWidget* w, const QImage& unfocused) {
    for (int i = 0; i < 25; ++i) {
        if (w->grab().toImage() != unfocused) return true;
        QTest::qWait(50);
    }
    return false;
}

}  // namespace

// ---- Enter carries a value on within its own panel ---------------------------------------------

// RX Start "145" Enter "12.5" Enter: the step lands in RX Step, beneath the start, never in the
// Step list of the panel beside it; Apply spaces the channels by it.
TEST(UserInputBatchFrames, EnterAfterTheStartGoesToTheRxStep) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    QTemporaryDir dir;
    st.BatchFunIniPath = dir.filePath("BatchFun.ini").toStdString();
    SetDefaultBatchFun(st.BatchFunFlags);
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    FrmCHBatch d(st, [] {});
    d.MakeRandom = [] { return BatchRandom([] { return 0.5; }); };
    d.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    const int step = d.Combo1[2]->currentIndex();
    Click(d.Text2[0]);
    ASSERT_TRUE(d.Text2[0]->hasFocus());
    Press("145|12.5|");
    EXPECT_EQ(d.Text2[1]->text().toStdString(), "12.5");
    EXPECT_EQ(d.Combo1[2]->currentIndex(), step);
    Click(d.CommandApply);
    EXPECT_EQ(st.ChannelTable[FindFreIndex(st, 1)].RxFreq.Str(), "014500000");
    EXPECT_EQ(st.ChannelTable[FindFreIndex(st, 2)].RxFreq.Str(), "014501250");
    EXPECT_EQ(st.ChannelTable[FindFreIndex(st, 3)].RxFreq.Str(), "014502500");
    EXPECT_TRUE(msgs.Messages().empty()) << Messages(msgs);
}

// ---- The same keys, the same data, on every screen ----------------------------------------------

namespace {

struct Typed {
    const char* Name;
    std::function<std::string(AppState&)> Run;  // types into the dialog; what it left behind
};

const Typed kTyped[] = {
    {"FunctionSettings",
     [](AppState& st) {
         ScopedMsgBoxScript msgs(MsgButton::Ok);
         FrmOption d(st);
         d.setModal(true);
         ShowActive(d);
         // Round the edges of the scrolled body both ways, changing what is passed.
         Press("<<<1500<1200>>>>>v>v>v>_>_>v>");
         for (int i = 0; i < 24; ++i) Press("v>");
         Press("_<<<v<<_");
         Click(d.CommandOK);
         return Messages(msgs) + Records(st);
     }},
    {"FiveTone",
     [](AppState& st) {
         ScopedMsgBoxScript msgs(MsgButton::Ok);
         Frm5Tone d(st);
         d.setModal(true);
         ShowActive(d);
         Press("54321>");
         for (int i = 0; i < 14; ++i) Press("v>");
         Press("12AB>v>v>34CD>v>v>v>v>");
         Press("<<<<<<v");
         Click(d.CommandOK);
         return Messages(msgs) + Records(st);
     }},
    {"ChannelBatch",
     [](AppState& st) {
         QTemporaryDir dir;
         st.BatchFunIniPath = dir.filePath("BatchFun.ini").toStdString();
         SetDefaultBatchFun(st.BatchFunFlags);
         ScopedMsgBoxScript msgs(MsgButton::Ok);
         FrmCHBatch d(st, [] {});
         d.MakeRandom = [] { return BatchRandom([] { return 0.5; }); };
         d.setModal(true);
         ShowActive(d);
         Click(d.Text2[0]);
         Press("433|25|");
         for (int i = 0; i < 12; ++i) Press("v>");
         Press("<<v<v");
         Click(d.CommandApply);
         return Messages(msgs) + Records(st);
     }},
};

void PrintTo(const Typed& c, std::ostream* os) { *os << c.Name; }

class UserInputLaptopScreenToo : public ::testing::TestWithParam<Typed> {};

}  // namespace

// The same keys typed into a dialog give the same data on a large screen and on a laptop screen,
// where the dialog scrolls: CTest compares the two runs' records (ui_same_on_both_screens).
TEST_P(UserInputLaptopScreenToo, SameKeysGiveTheSameData) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    const std::string records = GetParam().Run(st);
    ASSERT_FALSE(HasFailure());
    RecordForScreen(std::string("SameKeys-") + GetParam().Name, records);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, UserInputLaptopScreenToo, ::testing::ValuesIn(kTyped),
                         [](const ::testing::TestParamInfo<Typed>& i) { return std::string(i.param.Name); });

// ---- A stop shows its focus ----------------------------------------------------------------------

// The bank editor's lists take a stop only while they hold a line: an empty list has nothing to
// draw the focus on.
TEST(UserInputFocusShows, EmptyBankListsTakeNoStop) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    for (int n = 3; n <= 6; ++n) AddDefaultChannel(st, n, "400");
    for (auto& b : st.CurRadioData.BankTable) b.fill(0);
    FrmBank d(st);
    d.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    auto stops = [&] {
        std::vector<QWidget*> seen{QApplication::focusWidget()};
        for (int i = 0; i < 20; ++i) {
            Key(Qt::Key_Tab);
            if (QApplication::focusWidget() == seen.front()) break;
            seen.push_back(QApplication::focusWidget());
        }
        return seen;
    };
    auto has = [](const std::vector<QWidget*>& v, QWidget* w) { return std::find(v.begin(), v.end(), w) != v.end(); };
    std::vector<QWidget*> before = stops();
    EXPECT_FALSE(has(before, d.List2));
    EXPECT_FALSE(has(before, d.List3));
    EXPECT_TRUE(has(before, d.List1));
    // Bank 1 is empty; the other channels fill the right-hand list.
    Click(d.List1->viewport(), d.List1->visualItemRect(d.List1->item(0)).center());
    ASSERT_EQ(d.List2->count(), 0);
    ASSERT_GT(d.List3->count(), 0);
    std::vector<QWidget*> after = stops();
    EXPECT_FALSE(has(after, d.List2));
    ASSERT_TRUE(has(after, d.List3));
    // The list that takes the stop shows it.
    while (QApplication::focusWidget() != d.List1) Key(Qt::Key_Tab);
    const QImage unfocused = d.List3->grab().toImage();
    while (QApplication::focusWidget() != d.List3) Key(Qt::Key_Tab);
    EXPECT_TRUE(ShowsItsFocus(d.List3, unfocused));
    // A channel moved in: the bank's list takes its stop, << and >> still after it.
    Click(d.List3->viewport(), d.List3->visualItemRect(d.List3->item(0)).center());
    Click(d.CommandL);
    ASSERT_EQ(d.List2->count(), 1);
    after = stops();
    const auto at = static_cast<std::size_t>(std::find(after.begin(), after.end(), d.List2) - after.begin());
    ASSERT_LT(at, after.size());
    EXPECT_EQ(after[(at + 1) % after.size()], d.CommandL);
    EXPECT_EQ(after[(at + 2) % after.size()], d.CommandR);
    EXPECT_EQ(after[(at + 3) % after.size()], d.List3);
}

// The radio information's reason box, a stop, shows where the focus is.
TEST(UserInputFocusShows, TheReasonBoxShowsItsFocus) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    FrmEMG d(st, st.CurRadioInfo);
    d.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    const QImage unfocused = d.Text1Reason->grab().toImage();
    for (int i = 0; i < 30 && QApplication::focusWidget() != d.Text1Reason; ++i) Key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), d.Text1Reason) << "the reason box is no stop";
    EXPECT_TRUE(ShowsItsFocus(d.Text1Reason, unfocused)) << "the reason box shows no focus";
}

// The decode tabs' one stop is the tab shown, and the arrow keys go to its neighbours.
TEST(UserInputFocusShows, TheDecodeTabWithTheFocusIsTheOneShown) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    Frm2Tone d(st, [] {});
    d.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    QTabBar* bar = d.SSTab1->tabBar();
    Click(bar, bar->tabRect(2).center());
    ASSERT_EQ(d.SSTab1->currentIndex(), 2);
    ASSERT_EQ(d.SSTab2->currentIndex(), kTwoToneDecodeTabs - 1);
    auto shownTab = [&] {
        for (auto* b : d.SSTab2->findChildren<QToolButton*>())
            if (b->isChecked()) return b;
        return static_cast<QToolButton*>(nullptr);
    };
    for (int i = 0; i < 40 && !qobject_cast<QToolButton*>(QApplication::focusWidget()); ++i) Key(Qt::Key_Tab);
    ASSERT_NE(qobject_cast<QToolButton*>(QApplication::focusWidget()), nullptr) << "no decode tab is a stop";
    EXPECT_EQ(QApplication::focusWidget(), shownTab());
    EXPECT_EQ(shownTab()->text(), d.SSTab2->tabText(kTwoToneDecodeTabs - 1));
    // Tab goes on into the page shown, not to another tab.
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.Check2[kTwoToneDecodeTabs - 1]);
    Key(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), shownTab());
    Key(Qt::Key_Left);
    EXPECT_EQ(d.SSTab2->currentIndex(), kTwoToneDecodeTabs - 2);
    EXPECT_EQ(QApplication::focusWidget(), shownTab());
    Key(Qt::Key_Right);
    EXPECT_EQ(d.SSTab2->currentIndex(), kTwoToneDecodeTabs - 1);
    EXPECT_EQ(QApplication::focusWidget(), shownTab());
}
