// The five-tone dialog's OK: a refused information code leaves the user at it (driven with real
// clicks and keys); OK without an edit leaves every code row as it was read.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "UserDriver.h"
#include "comm/CommImage.h"
#include "fivetone/Frm5Tone.h"
#include "kit/MsgBox.h"
#include "kit/GridAdapter.h"
#include "mappings/FiveToneInfo.h"
#include "model/FiveToneStandards.h"
#include "model/LangText.h"
#include "model/NewData.h"

using namespace rp;
using namespace rp::test;

namespace {

void PrepareFiveTone(AppState& st) {
    UseLanguage(st, 1);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, 1);
    InitMsgString(st);
    st.CurRadioData.Signal.FiveTone.OwnID = "13579";
}

// A click opens the list, the arrow keys walk it, Enter takes the item.
void ChooseByKeys(QComboBox* c, int index) {
    Click(c);
    QAbstractItemView* list = c->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 2000)) << "the list did not open";
    for (int i = c->currentIndex(); i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    for (int i = c->currentIndex(); i > index; --i) QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }, 2000)) << "the list did not close";
    Settle();
    ASSERT_EQ(c->currentIndex(), index);
}

// Information code `number` (1..8) made a kill code with `code`, through its panel.
void MakeKillCode(Frm5Tone& dlg, int number, const QString& code) {
    Click(dlg.Text5);  // out of the own ID the dialog opens in
    ChooseByKeys(dlg.Combo6, number - 1);
    ChooseByKeys(dlg.Combo7[0], kInfoKill);
    Click(dlg.Text5);
    Key(Qt::Key_End);
    for (int i = 0; i < 12; ++i) Key(Qt::Key_Backspace);
    Type(code);
    ASSERT_EQ(dlg.Text5->text(), code);
}

struct RefusedCase {
    const char* Name;
    std::function<void(Frm5Tone&)> Edit;  // leaves information code 3 equal to the own ID
};

const RefusedCase kRefused[] = {
    {"KillCodeTypedAsTheOwnID", [](Frm5Tone& dlg) { MakeKillCode(dlg, 3, "13579"); }},
    // The own ID's check runs on the click on OK and shows the panel afresh.
    {"OwnIDChangedToAKillCode",
     [](Frm5Tone& dlg) {
         MakeKillCode(dlg, 3, "24680");
         ChooseByKeys(dlg.Combo6, 0);
         Click(dlg.Text2);
         Key(Qt::Key_End);
         for (int i = 0; i < 5; ++i) Key(Qt::Key_Backspace);
         Type("24680");
     }},
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.Name; }

}  // namespace

class UserInputFiveToneOK : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(UserInputFiveToneOK, ARefusedInformationCodeIsShownWithTheFocusInItsBox) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareFiveTone(st);
    Frm5Tone dlg(st);
    dlg.setModal(true);  // as the main window opens it
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    ASSERT_NO_FATAL_FAILURE(GetParam().Edit(dlg));
    const std::string own = dlg.Text2->text().toStdString();
    ScopedMsgBoxScript answers(MsgButton::Ok);
    Click(dlg.CommandOK);
    ASSERT_EQ(answers.Messages().size(), 1u);
    EXPECT_EQ(answers.Messages()[0].Text.toStdString(), GetOptionStr(st, "60350"));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.Combo6->currentIndex(), 2);
    EXPECT_EQ(dlg.Text5->text().toStdString(), own);
    EXPECT_EQ(dlg.Combo7[0]->currentIndex(), kInfoKill);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.Text5->hasFocus(); }, 1000))
        << "focus on " << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "");
    // What the user types next goes into that box.
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    Type("0");
    EXPECT_EQ(dlg.Text5->text().toStdString(), own.substr(0, 4) + "0");
}

INSTANTIATE_TEST_SUITE_P(Refusals, UserInputFiveToneOK, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.Name); });

// OK without an edit on a radio's odd rows stores each row as it was read (the whole read and
// write path around it is in the core tests).
TEST(FiveToneDialogRowsAsRead, OkWithoutAnEditKeepsEveryCodeRow) {
    AppState st;
    PrepareFiveTone(st);
    FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
    auto row = [&](int k, const std::string& code, int length, int standard, int period, std::uint8_t count) {
        FiveToneCodeRec& r = ft.CodeRows[static_cast<std::size_t>(k)];
        r.IsEmpty = 0;
        r.Code = code;
        r.CodeLength = static_cast<std::uint8_t>(length);
        r.Standard = static_cast<std::uint8_t>(standard);
        r.TonePeriod = static_cast<std::uint8_t>(period);
        r.RadioDigitCount = count;
    };
    row(0, "9876500000000000000000000000000000000000", 5, 1, 70, 0xFF);  // shows 98765
    row(1, "12345", 0xFF, 1, 70, 0);                                     // shows no code
    row(2, "11111", 5, 0x20, 5, 0);                                      // not in the stored form
    row(3, "", 5, 1, 70, 0);                                             // shows EEEEE
    ft.CodeRows[4].IsEmpty = 1;
    ft.CodeRows[4].Standard = 0xFF;
    ft.CodeRows[4].TonePeriod = 0xFF;
    const FiveToneData before = ft;
    Frm5Tone dlg(st);
    ASSERT_EQ(dlg.MSHFlexGrid1->TextMatrix(1, 2), "98765");
    dlg.CommandOK->click();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    for (int k = 0; k < 100; ++k)
        EXPECT_TRUE(st.CurRadioData.Signal.FiveTone.CodeRows[static_cast<std::size_t>(k)] ==
                    before.CodeRows[static_cast<std::size_t>(k)])
            << "row " << k + 1;
}

// A pick in a row's standard list sets the row's period at once. Esc in the list's box gives the
// whole edit of the cell up, that period with it: the grid shows the row as before the box
// opened, and OK stores it so.
TEST(UserInputFiveToneGrid, EscAfterAPickOfAStandardKeepsTheRowsPeriod) {
    SKIP_WITHOUT_REAL_WINDOWS();
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    AppState st;
    PrepareFiveTone(st);
    Frm5Tone dlg(st);
    dlg.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    FlexGrid* g = dlg.MSHFlexGrid1;
    const int row = 2;
    ClickCell(g, row, 2);
    ASSERT_FALSE(dlg.Text3->isHidden());
    Type("12345");
    Key(Qt::Key_Return);  // the code is in, and the standard's box opens
    ASSERT_FALSE(dlg.Combo2->isHidden());
    ASSERT_TRUE(dlg.Combo2->hasFocus());
    const QString standard = g->TextMatrix(row, 3), period = g->TextMatrix(row, 4);
    int other = -1;
    for (int i = 0; i < dlg.Combo2->count() && other < 0; ++i)
        if (QString::number(DefaultTonePeriod(dlg.Combo2->itemText(i).toStdString())) != period) other = i;
    ASSERT_GE(other, 0);
    ASSERT_NO_FATAL_FAILURE(ChooseByKeys(dlg.Combo2, other));
    ASSERT_NE(g->TextMatrix(row, 4), period);

    Key(Qt::Key_Escape);
    ASSERT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.Combo2->isHidden());
    EXPECT_TRUE(g->hasFocus());
    EXPECT_EQ(g->TextMatrix(row, 3), standard);
    EXPECT_EQ(g->TextMatrix(row, 4), period);
    Click(dlg.CommandOK);
    ASSERT_FALSE(dlg.isVisible());
    const auto& stored = st.CurRadioData.Signal.FiveTone.CodeRows[row - 1];
    EXPECT_EQ(QString::number(stored.TonePeriod), period);
    EXPECT_EQ(stored.Code.Trimmed(), "12345");
}

// The tone table holds more lines than its view shows: Tab reaches it, and the keys scroll it to
// its last line and back, as the mouse does.
TEST(UserInputFiveToneTable, TheKeysScrollTheToneTableToItsLastLine) {
    SKIP_WITHOUT_REAL_WINDOWS();
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    AppState st;
    PrepareFiveTone(st);
    Frm5Tone dlg(st);
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    QScrollBar* bar = dlg.Text1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the whole table is in sight: nothing to scroll";
    for (int i = 0; i < 40 && !dlg.Text1->hasFocus(); ++i) Key(Qt::Key_Tab);
    ASSERT_TRUE(dlg.Text1->hasFocus()) << "Tab never reaches the tone table";
    ASSERT_EQ(bar->value(), 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(bar->value(), 1);
    for (int i = 0; i < 20 && bar->value() < bar->maximum(); ++i) Key(Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->maximum()) << "PageDown stops short of the last line";
    Key(Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(msgs.Messages().empty());
}
