// The 2-Tone editor: its grid editing flow, enabling rules, field entry, OK and Cancel.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "MainFixture.h"
#include "UserDriver.h"
#include "model/NewData.h"
#include "kit/DialogKit.h"
#include "kit/GridAdapter.h"
#include "signalling/Frm2Tone.h"

using namespace rp;

namespace {

void SetListTone(TwoToneListEntry& e, const char* first, const char* second, const char* name) {
    SaveEditCell(e, 1, first);
    if (second) SaveEditCell(e, 2, second);
    SaveEditCell(e, 3, name);
}

struct TwoToneForm : ::testing::Test {
    AppState st;
    int redraws = 0;
    std::unique_ptr<Frm2Tone> dlg;

    void SetUp() override {
        test::UseLanguage(st, kLanguageEnglish);
        st.NoInitFileFlag = true;
        NewData(st);
        TwoToneData& t = st.CurRadioData.Signal.TwoTone;
        for (auto& e : t.List) e.EmptyFlag = 1;
        SetListTone(t.List[0], "1000", "1500", "ONE");
        SetListTone(t.List[4], "321.7", nullptr, "FIVE");
        t.Decode[0] = {};
        SaveDecodeEntry(t.Decode[0], {"800", "1200", "DEC", 1, 1});
    }

    void Open() {
        dlg = std::make_unique<Frm2Tone>(st, [this] { ++redraws; });
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    FlexGrid& Grid() { return *dlg->MSHFlexGrid1; }
    void ClickCell(int row, int col) {
        Grid().scrollToItem(Grid().item(row - 1, col - 1));
        const QRect r = Grid().CellRect(row, col);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();  // the editor's select-all comes after the click
    }
    QLineEdit* OpenEditor() {
        if (!dlg->Text1->isHidden()) return dlg->Text1;
        if (!dlg->Text3->isHidden()) return dlg->Text3;
        return nullptr;
    }
    void Type(QWidget* w, const QString& text) {
        QTest::keyClicks(w, text);
    }
    void Enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }
};

}  // namespace

TEST_F(TwoToneForm, LoadShowsTheRecordWithoutAnyClick) {
    st.CurRadioData.Signal.TwoTone.Encode.CallFormat = 13;  // Long B
    st.CurRadioData.Signal.TwoTone.Encode.ToneBHigh = 255;
    dlg = std::make_unique<Frm2Tone>(st, [] {});  // never shown, as the printout would load it
    EXPECT_EQ(Grid().TextMatrix(1, 1), "1000.0");
    EXPECT_EQ(Grid().TextMatrix(1, 2), "1500.0");
    EXPECT_EQ(Grid().TextMatrix(1, 3), "ONE");
    EXPECT_EQ(Grid().TextMatrix(5, 2), "");
    EXPECT_EQ(Grid().TextMatrix(2, 1), "");
    EXPECT_EQ(Grid().TextMatrix(1, 0), "0");
    EXPECT_EQ(Grid().TextMatrix(32, 0), "31");
    EXPECT_EQ(dlg->Text2[1]->text(), "928.1");
    EXPECT_EQ(st.EditSignalData.TwoTone.Encode.ToneBHigh * 256 + st.EditSignalData.TwoTone.Encode.ToneBLow, 9281);
    EXPECT_EQ(st.CurRadioData.Signal.TwoTone.Encode.ToneBHigh, 255);  // only the edit copy is repaired
    EXPECT_EQ(dlg->Combo2[0]->currentText(), "Long B");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dlg->Text2[i]->isEnabled(), i == 1) << i;
    EXPECT_EQ(dlg->Text4[0]->text(), "800.0");
    EXPECT_EQ(dlg->Text6[0]->text(), "DEC");
    EXPECT_TRUE(dlg->Check2[0]->isChecked());
    EXPECT_TRUE(dlg->Text4[0]->isEnabled());
    EXPECT_FALSE(dlg->Text4[1]->isEnabled());
    EXPECT_EQ(dlg->Combo3[0]->currentIndex(), 1);
    EXPECT_EQ(dlg->SSTab2->count(), 16);
    EXPECT_EQ(dlg->SSTab2->currentIndex(), 15);
    EXPECT_EQ(dlg->SSTab2->tabText(15), QString::fromStdString(GetLangStr(st, 8146)) + " 16");
    EXPECT_TRUE(dlg->Text1->isHidden());
    EXPECT_TRUE(dlg->Text3->isHidden());
    EXPECT_TRUE(kit::IsShown(dlg->Check1));
}

TEST_F(TwoToneForm, ClickOnASecondToneOfAnEmptyRowGoesToTheFirstTone) {
    Open();
    ClickCell(1, 2);  // the editor is now on another row
    ASSERT_EQ(OpenEditor(), dlg->Text1);
    ClickCell(3, 2);
    EXPECT_EQ(Grid().Row(), 3);
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(dlg->CurEditRow, 3);
    EXPECT_EQ(dlg->CurEditCol, 1);
    EXPECT_EQ(OpenEditor(), dlg->Text1);
    EXPECT_EQ(dlg->Text1->geometry(), Grid().CellRect(3, 1));
    ClickCell(3, 3);
    EXPECT_EQ(Grid().Col(), 1);
}

TEST_F(TwoToneForm, FirstToneTypedThenSecondToneClickedCommitsOnTheWay) {
    Open();
    ClickCell(3, 1);
    ASSERT_EQ(OpenEditor(), dlg->Text1);
    Type(dlg->Text1, "700");
    ClickCell(3, 2);
    EXPECT_EQ(Grid().Col(), 2);
    EXPECT_EQ(Grid().TextMatrix(3, 1), "700.0");
    const TwoToneListEntry& e = st.EditSignalData.TwoTone.List[2];
    EXPECT_EQ(e.EmptyFlag, 0);
    EXPECT_EQ(e.FirstToneHigh * 256 + e.FirstToneLow, 7000);
}

TEST_F(TwoToneForm, EnterWalksTheRowAndWrapsAfterTheLastRow) {
    Open();
    ClickCell(2, 1);
    Type(dlg->Text1, "100");
    Enter(dlg->Text1);  // commits and moves to the second tone
    EXPECT_EQ(Grid().TextMatrix(2, 1), "288.0");
    EXPECT_EQ(Grid().Col(), 2);
    Type(dlg->Text1, "5000");
    Enter(dlg->Text1);
    EXPECT_EQ(Grid().TextMatrix(2, 2), "3116.0");
    EXPECT_EQ(OpenEditor(), dlg->Text3);
    Type(dlg->Text3, "A~B\\C");
    EXPECT_EQ(dlg->Text3->text(), "ABC");
    Enter(dlg->Text3);
    EXPECT_EQ(Grid().TextMatrix(2, 3), "ABC");
    EXPECT_EQ(Grid().Row(), 3);
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(st.EditSignalData.TwoTone.List[1].Name.Str(), "ABC    ");

    // Enter in an empty first tone of the last row goes to row 1.
    ClickCell(32, 1);
    ASSERT_EQ(OpenEditor(), dlg->Text1);
    EXPECT_TRUE(dlg->Text1->text().isEmpty());
    Enter(dlg->Text1);
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(dlg->Text1->text(), "1000.0");
    // And from the name column of the last row as well.
    st.EditSignalData.TwoTone.List[31] = st.EditSignalData.TwoTone.List[0];
    Grid().SetTextMatrix(32, 1, "1000.0");
    ClickCell(32, 3);
    ASSERT_EQ(OpenEditor(), dlg->Text3);
    Enter(dlg->Text3);
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(Grid().Col(), 1);
}

TEST_F(TwoToneForm, ClearingAFirstToneEmptiesTheRow) {
    Open();
    ClickCell(1, 1);
    ASSERT_EQ(OpenEditor(), dlg->Text1);
    QTest::keyClick(dlg->Text1, Qt::Key_Delete);  // the whole text is selected on entry
    ASSERT_TRUE(dlg->Text1->text().isEmpty());
    Enter(dlg->Text1);
    EXPECT_EQ(Grid().Row(), 2);
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(Grid().TextMatrix(1, c), "") << c;
    EXPECT_EQ(st.EditSignalData.TwoTone.List[0].EmptyFlag, 1);
}

TEST_F(TwoToneForm, ScrollingBeforeAnyEntryChangesNothing) {
    Open();
    const TwoToneData before = st.EditSignalData.TwoTone;
    auto* bar = Grid().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    EXPECT_EQ(st.EditSignalData.TwoTone, before);
    EXPECT_EQ(OpenEditor(), nullptr);
    EXPECT_EQ(Grid().TextMatrix(1, 1), "1000.0");

    // After an entry a scroll commits the editor's own cell and hides the editor.
    ClickCell(5, 3);
    ASSERT_EQ(OpenEditor(), dlg->Text3);
    dlg->Text3->selectAll();
    Type(dlg->Text3, "NEW");
    bar->setValue(0);
    EXPECT_EQ(OpenEditor(), nullptr);
    EXPECT_EQ(Grid().TextMatrix(5, 3), "NEW");
    EXPECT_EQ(st.EditSignalData.TwoTone.List[4].Name.Str(), "NEW    ");
}

TEST_F(TwoToneForm, CallFormatEnablesItsToneBoxes) {
    Open();
    dlg->SSTab1->setCurrentIndex(1);
    EXPECT_EQ(dlg->SSTab1->property("HelpContextID").toInt(), 3402);
    auto choose = [&](int index) {
        dlg->Combo2[0]->setCurrentIndex(index);
        emit dlg->Combo2[0]->activated(index);
    };
    choose(9);  // D-A
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dlg->Text2[i]->isEnabled(), i == 0 || i == 3) << i;
    choose(13);  // Long B
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dlg->Text2[i]->isEnabled(), i == 1) << i;
    choose(2);  // A-D
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dlg->Text2[i]->isEnabled(), i == 0 || i == 3) << i;

    dlg->SSTab1->setCurrentIndex(2);
    kit::SetChecked(dlg->Check2[15], false);
    dlg->Check2_Click(15);
    dlg->Check2[15]->click();
    EXPECT_TRUE(dlg->Text4[15]->isEnabled());
    EXPECT_TRUE(dlg->Combo3[15]->isEnabled());
    dlg->Check2[15]->click();
    EXPECT_FALSE(dlg->Text6[15]->isEnabled());
    EXPECT_TRUE(dlg->Check2[15]->isEnabled());
}

TEST_F(TwoToneForm, LeavingToneBoxesClampsAndOKStoresWhatTheyShow) {
    Open();
    // The dialog opens on the list: the user goes to the encode page by its tab.
    QTabBar* bar = dlg->SSTab1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_EQ(dlg->SSTab1->currentIndex(), 1);
    dlg->Text2[0]->setFocus(Qt::TabFocusReason);
    Type(dlg->Text2[0], "100");
    QTest::keyClick(dlg->Text2[0], Qt::Key_V, Qt::ControlModifier);  // clipboard keys do nothing
    Enter(dlg->Text2[0]);  // moves on like Tab
    QApplication::processEvents();
    EXPECT_TRUE(dlg->Text2[1]->hasFocus());
    EXPECT_EQ(dlg->Text2[0]->text(), "288");
    Type(dlg->Text2[1], "999.26");
    EXPECT_EQ(dlg->Text2[1]->text(), "999.26");

    dlg->SSTab1->setCurrentIndex(2);
    dlg->SSTab2->setCurrentIndex(0);
    dlg->Text4[0]->setFocus(Qt::TabFocusReason);
    Type(dlg->Text4[0], "999.26");
    dlg->Text5[0]->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(dlg->Text4[0]->text(), "999.3");
    Type(dlg->Text5[0], "5000");
    // OK straight from the box: its leave-check runs first.
    QTest::mouseClick(dlg->CommandOK, Qt::LeftButton);
    const TwoToneData& t = st.CurRadioData.Signal.TwoTone;
    EXPECT_EQ(t.Decode[0].FirstTone, 999.3);
    EXPECT_EQ(t.Decode[0].SecondTone, 3116.0);
    EXPECT_EQ(t.Encode.ToneALow + 256 * t.Encode.ToneAHigh, 2880);
    EXPECT_EQ(t.Encode.ToneBLow + 256 * t.Encode.ToneBHigh, 9993);
}

TEST_F(TwoToneForm, DecodeNameTakesPrintableAsciiOnlyAlsoFromPaste) {
    Open();
    dlg->SSTab1->setCurrentIndex(2);
    dlg->SSTab2->setCurrentIndex(0);
    QLineEdit* name = dlg->Text6[0];
    name->setFocus();
    name->selectAll();
    QApplication::clipboard()->setText(QString::fromUtf8("Ab\xC3\xA9"));
    name->paste();
    EXPECT_EQ(name->text(), "DEC");
    name->selectAll();
    QApplication::clipboard()->setText("AB");
    name->paste();
    EXPECT_EQ(name->text(), "AB");
    EXPECT_EQ(name->contextMenuPolicy(), Qt::NoContextMenu);
    QTest::mouseClick(dlg->CommandOK, Qt::LeftButton);
    EXPECT_EQ(st.CurRadioData.Signal.TwoTone.Decode[0].Name.Str(), std::string("AB\0   ", 6));
}

TEST_F(TwoToneForm, OKRepairsChannelReferences) {
    st.ChannelTable[0] = test::MakeChannel(1, "145.5");
    st.ChannelTable[0].SignalType = 2;
    st.ChannelTable[0].TwoToneNo = 4;  // list entry 5
    st.CurRadioData.ChannelCount = 1;
    Open();
    ClickCell(5, 1);
    ASSERT_EQ(OpenEditor(), dlg->Text1);
    QTest::keyClick(dlg->Text1, Qt::Key_Delete);
    QTest::mouseClick(dlg->CommandOK, Qt::LeftButton);
    EXPECT_EQ(st.CurRadioData.Signal.TwoTone.List[4].EmptyFlag, 1);
    EXPECT_EQ(st.ChannelTable[0].TwoToneNo, 0);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(TwoToneForm, CancelLeavesTheDataByteIdentical) {
    st.CurRadioData.Signal.TwoTone.Encode.ToneAHigh = 0;  // would get its default on load
    st.CurRadioData.Signal.TwoTone.Encode.OptionFlag = 9;
    const RadioData before = st.CurRadioData;
    Open();
    ClickCell(1, 1);
    Type(dlg->Text1, "2000");
    ClickCell(2, 1);
    dlg->SSTab1->setCurrentIndex(1);
    dlg->Combo2[0]->setCurrentIndex(5);
    emit dlg->Combo2[0]->activated(5);
    QTest::mouseClick(dlg->CommandCancel, Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(st.CurRadioData == before);
    EXPECT_EQ(redraws, 0);
}

namespace {

struct TabSwitch {
    const char* Name;
    std::function<void(QTabWidget*, int page)> Show;  // shows the page as the user does
};

void ClickTab(QTabWidget* tabs, int page) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

void KeysToTab(QTabWidget* tabs, int page) {
    const int step = page > tabs->currentIndex() ? 1 : -1;
    while (tabs->currentIndex() != page) {
        const int was = tabs->currentIndex();
        QTest::keyClick(QApplication::focusWidget(), step > 0 ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::ControlModifier);
        if (tabs->currentIndex() == was) return;
    }
}

void WheelToTab(QTabWidget* tabs, int page) {
    QTabBar* bar = tabs->tabBar();
    while (tabs->currentIndex() != page) {
        const int was = tabs->currentIndex();
        test::Wheel(bar, page > was ? -1 : 1, bar->tabRect(was).center());
        if (tabs->currentIndex() == was) return;
    }
}

const TabSwitch kTabSwitches[] = {
    {"ClickOnTheTabs", ClickTab},
    {"CtrlPageDownAndUp", KeysToTab},
    {"WheelOverTheTabBar", WheelToTab},
};

void PrintTo(const TabSwitch& s, std::ostream* os) { *os << s.Name; }

class TwoToneTabSwitch : public TwoToneForm, public ::testing::WithParamInterface<TabSwitch> {};

}  // namespace

// A tone typed into a cell, the setup page shown and the list page shown again: the cell's editor
// has the keys back with its text and caret, so the next digit goes on the tone and Esc gives the
// cell's edit up instead of cancelling the dialog.
TEST_P(TwoToneTabSwitch, TheOpenCellEditorHasTheKeysAgainAfterATabSwitch) {
    ASSERT_NO_FATAL_FAILURE(Open());
    ClickCell(2, 1);
    ASSERT_EQ(OpenEditor(), dlg->Text1);
    ASSERT_TRUE(dlg->Text1->hasFocus());
    Type(dlg->Text1, "1234");
    ASSERT_EQ(dlg->Text1->text(), "1234");

    GetParam().Show(dlg->SSTab1, 1);
    QApplication::processEvents();
    ASSERT_EQ(dlg->SSTab1->currentIndex(), 1);
    EXPECT_FALSE(dlg->Text1->hasFocus());
    GetParam().Show(dlg->SSTab1, 0);
    QApplication::processEvents();
    ASSERT_EQ(dlg->SSTab1->currentIndex(), 0);

    ASSERT_EQ(QApplication::focusWidget(), dlg->Text1);
    EXPECT_EQ(dlg->Text1->text(), "1234");
    EXPECT_EQ(dlg->Text1->cursorPosition(), 4);
    EXPECT_FALSE(dlg->Text1->hasSelectedText());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_9);
    EXPECT_EQ(dlg->Text1->text(), "12349");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->Text1->isHidden());
    EXPECT_EQ(Grid().TextMatrix(2, 1), "");
}

INSTANTIATE_TEST_SUITE_P(TwoToneForm, TwoToneTabSwitch, ::testing::ValuesIn(kTabSwitches),
                         [](const ::testing::TestParamInfo<TabSwitch>& i) { return std::string(i.param.Name); });
