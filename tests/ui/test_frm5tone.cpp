// The five-tone editor, its code grid and editors, the user tone set and the special-code
// composer, driven as the user drives them.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "fivetone/Frm5Tone.h"
#include "fivetone/Frm5ToneDefTS.h"
#include "fivetone/FrmSpecial.h"
#include "mappings/FiveTone.h"
#include "model/FiveToneStandards.h"
#include "model/DataChanged.h"
#include "model/NewData.h"
#include "comm/CommImage.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"

using namespace rp;
using namespace rp::test;

namespace {

const std::string kForty = "1234567890123456789012345678901234567890";

struct FiveToneTest : ::testing::Test {
    AppState st;
    int reShown = 0;
    std::unique_ptr<Frm5Tone> dlg;

    void SetUp() override {
        UseLanguage(st, kLanguageEnglish);
        st.NoInitFileFlag = true;
        NewData(st);
        UseLanguage(st, kLanguageEnglish);
        FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
        ft.OwnID = "12345";
        SetRow(ft.CodeRows[0], "123", 3, 6, 55);
        SetRow(ft.CodeRows[2], kForty, 40, 0, 70);
        SetRow(ft.CodeRows[3], "123", 3, kUserToneStandard, 60);
        st.CurRadioData.OptionBytesA[0] = 12;
    }

    static void SetRow(FiveToneCodeRec& r, const std::string& code, int len, int standard, int period) {
        r.IsEmpty = 0;
        r.Code = code;
        r.CodeLength = static_cast<std::uint8_t>(len);
        r.Standard = static_cast<std::uint8_t>(standard);
        r.TonePeriod = static_cast<std::uint8_t>(period);
    }

    void Open() {
        dlg = std::make_unique<Frm5Tone>(st, [this] { ++reShown; });
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    FlexGrid* Grid() { return dlg->MSHFlexGrid1; }
    QString Cell(int r, int c) { return Grid()->TextMatrix(r, c); }
    const FiveToneCodeRec& EditRow(int row) { return st.EditSignalData.FiveTone.CodeRows[row - 1]; }
    const FiveToneCodeRec& SavedRow(int row) { return st.CurRadioData.Signal.FiveTone.CodeRows[row - 1]; }
};

}  // namespace

TEST_F(FiveToneTest, LoadShowsTheRecordAndInformationCodeOne) {
    InfoCodeRec& info = st.CurRadioData.Signal.FiveTone.InfoCodes[0];
    info.InfoFunction = 3;
    info.InfoResponse = 2;
    info.Code = "777";
    info.CodeLength = 3;
    Open();
    EXPECT_EQ(dlg->Combo6->currentIndex(), 0);
    EXPECT_EQ(dlg->CurInfoCodeID, 1);
    EXPECT_TRUE(dlg->Frame2->title().endsWith("1"));
    EXPECT_EQ(dlg->Combo7[0]->currentIndex(), 3);
    EXPECT_FALSE(dlg->Combo7[1]->isEnabled());
    EXPECT_EQ(dlg->Text5->text(), "777");
    EXPECT_EQ(dlg->Text2->text(), "12345");
    EXPECT_EQ(Cell(1, 0), "0");
    EXPECT_EQ(Cell(1, 2), "123");
    EXPECT_EQ(Cell(1, 3), "CCIR1");
    EXPECT_EQ(Cell(1, 4), "55");  // the stored period, not the standard's usual one
    EXPECT_EQ(Cell(3, 2), QString::fromStdString(kForty));
    EXPECT_EQ(dlg->Combo1[11]->currentText(), "120");
    for (QWidget* w : std::initializer_list<QWidget*>{dlg->Text3, dlg->Combo2, dlg->Combo3, dlg->Text6})
        EXPECT_TRUE(w->isHidden());
    EXPECT_EQ(dlg->Text1->toPlainText().count('\n'), 21);
}

TEST_F(FiveToneTest, FortyCharacterCodeSurvivesEditingAndOK) {
    Open();
    Grid()->SetCell(3, 2);
    ASSERT_FALSE(dlg->Text3->isHidden());
    EXPECT_EQ(dlg->Text3->text(), QString::fromStdString(kForty));
    Grid()->SetCell(3, 5);  // commits the code editor
    EXPECT_EQ(EditRow(3).Code.Str(), kForty);
    EXPECT_EQ(EditRow(3).CodeLength, 40);
    dlg->CommandOK_Click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(SavedRow(3).Code.Str(), kForty);
    EXPECT_EQ(SavedRow(3).CodeLength, 40);
    EXPECT_EQ(reShown, 1);
}

TEST_F(FiveToneTest, EnterNeverPressesOK) {
    Open();
    ScopedMsgBoxScript msgs;
    for (QWidget* w : std::initializer_list<QWidget*>{dlg->Text2, dlg->Text4[0], dlg->Combo1[1], dlg->Text5, dlg->Text7}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
    }
    Grid()->SetCell(1, 2);
    QTest::keyClick(dlg->Text3, Qt::Key_Return);  // moves on to the standard
    EXPECT_EQ(Grid()->Col(), 3);
    QApplication::processEvents();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 0);
}

TEST_F(FiveToneTest, ScrollClosesTheEditorSoOKKeepsWhatTheComposerWrote) {
    Open();
    Grid()->SetCell(5, 2);
    ASSERT_FALSE(dlg->Text3->isHidden());
    dlg->Text3->setText("777");
    Grid()->verticalScrollBar()->setValue(Grid()->verticalScrollBar()->maximum());
    EXPECT_TRUE(dlg->Text3->isHidden());
    EXPECT_EQ(EditRow(5).Code.Trimmed(), "7E7");  // committed by the scroll
    FrmSpecial special(*dlg, 0);
    special.Combo1[0]->setCurrentIndex(4);
    special.Combo1[1]->setCurrentIndex(1);
    special.Combo1_Click(1);
    special.CommandOK_Click();
    EXPECT_EQ(Cell(5, 1), "ANI");
    dlg->CommandOK_Click();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(SavedRow(5).Code.Trimmed(), "1234512345");  // the ANI code with the own ID
    EXPECT_EQ(Cell(5, 1), "ANI");
}

TEST_F(FiveToneTest, ShortOwnIdStillLetsCancelClose) {
    Open();
    ScopedMsgBoxScript msgs;
    dlg->Text2->setFocus();
    QTest::keyClick(dlg->Text2, Qt::Key_Backspace);
    QTest::keyClick(dlg->Text2, Qt::Key_End);
    for (int i = 0; i < 5; ++i) QTest::keyClick(dlg->Text2, Qt::Key_Backspace);
    QTest::keyClicks(dlg->Text2, "12");
    QTest::mouseClick(dlg->CommandCANCEL, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(msgs.Messages().empty());
    EXPECT_EQ(st.CurRadioData.Signal.FiveTone.OwnID.Trimmed(), "12345");
}

TEST_F(FiveToneTest, ShortOwnIdIsRefusedOnLeavingAndOnOK) {
    Open();
    ScopedMsgBoxScript msgs;
    dlg->Text2->setText("123");
    dlg->Text2_LostFocus();
    ASSERT_EQ(msgs.Messages().size(), 1u);
    EXPECT_EQ(msgs.Messages()[0].Text.toStdString(), GetMsgStr(st, "900C"));
    dlg->CommandOK_Click();
    EXPECT_EQ(msgs.Messages().size(), 2u);
    EXPECT_EQ(dlg->result(), 0);
}

TEST_F(FiveToneTest, OwnIdChangeRewritesTheGridAndCancelKeepsTheDecodeTime) {
    SetRow(st.CurRadioData.Signal.FiveTone.CodeRows[6], "1E1E1A12345", 11, 0, 70);
    Open();
    EXPECT_EQ(Cell(7, 1), "ANI");
    dlg->Combo1[11]->setCurrentIndex(50);
    dlg->Text2->setText("67890");
    dlg->Text2_LostFocus();
    EXPECT_EQ(Cell(7, 2), "11111A");
    EXPECT_EQ(EditRow(7).Code.Trimmed(), "11111A67890");
    dlg->CommandCancel_Click();
    EXPECT_EQ(st.CurRadioData.OptionBytesA[0], 12);  // the decode time waits for OK
    EXPECT_EQ(SavedRow(7).Code.Trimmed(), "1E1E1A12345");
}

TEST_F(FiveToneTest, OKRewritesTheCodesForAnOwnIdNotCheckedYet) {
    SetRow(st.CurRadioData.Signal.FiveTone.CodeRows[6], "1E1E1A12345", 11, 0, 70);
    Open();
    dlg->Text2->setFocus();
    dlg->Text2->selectAll();
    QTest::keyClicks(dlg->Text2, "67890");
    dlg->CommandOK_Click();  // OK reached with the box's check still to come
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(st.CurRadioData.Signal.FiveTone.OwnID.Trimmed(), "67890");
    EXPECT_EQ(SavedRow(7).Code.Trimmed(), "1E1E1A67890");
}

TEST_F(FiveToneTest, EnteringTheStandardCellKeepsPeriodAndUserToneStandard) {
    st.CurRadioData.Signal.FiveTone.UserToneSet[0] = 12345;
    Open();
    Grid()->SetCell(1, 3);
    ASSERT_FALSE(dlg->Combo2->isHidden());
    EXPECT_EQ(dlg->Combo2->currentText(), "CCIR1");
    EXPECT_TRUE(dlg->Text1->toPlainText().startsWith("CCIR1\n"));
    EXPECT_EQ(Cell(1, 4), "55");
    Grid()->SetCell(4, 3);  // the user tone set: no item of the list
    EXPECT_EQ(dlg->Combo2->currentIndex(), -1);
    // The view follows the row onto the user's tones, not the standard shown before.
    EXPECT_TRUE(dlg->Text1->toPlainText().startsWith("\n")) << dlg->Text1->toPlainText().toStdString();
    EXPECT_TRUE(dlg->Text1->toPlainText().contains("1234.5"));
    Grid()->SetCell(4, 5);
    dlg->CommandOK_Click();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(SavedRow(1).TonePeriod, 55);
    EXPECT_EQ(SavedRow(4).Standard, kUserToneStandard);
    EXPECT_EQ(SavedRow(4).TonePeriod, 60);
}

TEST_F(FiveToneTest, ChoosingAStandardAppliesItsPeriod) {
    Open();
    Grid()->SetCell(1, 3);
    dlg->Combo2->setCurrentIndex(14);
    emit dlg->Combo2->activated(14);  // the user's choice
    EXPECT_EQ(Cell(1, 4), "33");
    EXPECT_EQ(EditRow(1).TonePeriod, 33);
    EXPECT_TRUE(dlg->Text1->toPlainText().startsWith("EIA\n"));
}

TEST_F(FiveToneTest, KillWithoutWakeUpKeepsTheDialogOpen) {
    InfoCodeRec& info = st.CurRadioData.Signal.FiveTone.InfoCodes[1];
    info.InfoFunction = 3;
    info.Code = "999";
    info.CodeLength = 3;
    const SignalData before = st.CurRadioData.Signal;
    Open();
    ScopedMsgBoxScript msgs;
    dlg->CommandOK_Click();
    ASSERT_EQ(msgs.Messages().size(), 1u);
    EXPECT_EQ(msgs.Messages()[0].Text.toStdString(), GetOptionStr(st, "60300"));
    EXPECT_EQ(dlg->result(), 0);
    EXPECT_EQ(st.CurRadioData.Signal, before);
}

TEST_F(FiveToneTest, InformationCodePanelStoresOnSwitch) {
    Open();
    dlg->Combo7[0]->setCurrentIndex(5);
    emit dlg->Combo7[0]->activated(5);
    EXPECT_EQ(dlg->Combo7[1]->currentIndex(), 2);
    dlg->Text5->setText("4321");
    dlg->Combo6->setCurrentIndex(2);
    emit dlg->Combo6->activated(2);
    EXPECT_TRUE(dlg->Frame2->title().endsWith("3"));
    EXPECT_EQ(st.EditSignalData.FiveTone.InfoCodes[0].InfoFunction, 5);
    EXPECT_EQ(st.EditSignalData.FiveTone.InfoCodes[0].Code.Trimmed(), "4321");
    EXPECT_EQ(dlg->CurInfoCodeID, 3);
}

TEST_F(FiveToneTest, ComposerWritesIntoTheChosenRowAndBox) {
    Open();
    Grid()->SetCell(10, 4);
    {
        FrmSpecial special(*dlg, 0);
        EXPECT_EQ(special.Combo1[0]->currentText(), "9");  // starts at the grid's row
        special.Text2->setText("AB");
        special.CommandOK_Click();
        EXPECT_EQ(special.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Cell(10, 1).toStdString(), GetOptionStr(st, "60073"));
    EXPECT_EQ(Cell(10, 2).toStdString(), "12345 " + GetOptionStr(st, "60084") + "AB");
    EXPECT_EQ(EditRow(10).Code.Trimmed(), "E1E2345E4142");
    EXPECT_EQ(EditRow(10).IsEmpty, 0);
    {
        FrmSpecial special(*dlg, 2);
        EXPECT_TRUE(special.Combo1[0]->isHidden());
        special.Combo1[1]->setCurrentIndex(2);
        special.Combo1_Click(1);
        special.CommandOK_Click();
    }
    EXPECT_EQ(dlg->Text4[1]->text(), "E612345");
    EXPECT_EQ(dlg->Text4[0]->text(), "");
    {
        ScopedMsgBoxScript msgs;
        FrmSpecial special(*dlg, 1);
        special.Text1[0]->setText("123");
        special.Combo3->setCurrentIndex(2);
        special.CommandOK_Click();
        EXPECT_EQ(msgs.Messages().size(), 1u);
        EXPECT_EQ(special.result(), 0);
        EXPECT_EQ(st.EditSignalData.FiveTone.SpecialHexDigit, 11);  // stored before the check
    }
    dlg->CommandOK_Click();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(st.CurRadioData.Signal.FiveTone.PTTIDEnd.Code.Trimmed(), "E612345");
}

TEST_F(FiveToneTest, OkWithoutEditsOnNewDataLeavesThemUnchanged) {
    NewData(st);  // the rows of the fixture go: every row empty, as File > New leaves them
    ASSERT_FALSE(IsDataChanged(st));
    Open();
    ScopedMsgBoxScript msgs;
    QTest::mouseClick(dlg->CommandOK, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_TRUE(msgs.Messages().empty());
    for (int row = 1; row <= kFiveToneRows; ++row) ASSERT_EQ(SavedRow(row).CodeLength, 0) << "row " << row;
    EXPECT_FALSE(IsDataChanged(st));  // so File > New asks nothing
}

TEST_F(FiveToneTest, EnterInTheNameEditorMovesToTheKindColumnOfTheNextRow) {
    SetRow(st.CurRadioData.Signal.FiveTone.CodeRows[99], "98765", 5, 0, 70);
    struct Case {
        int row, next;
    };
    // Rows 1, 3, 4 and 100 hold codes; row 2 has none.
    const Case cases[] = {{3, 4}, {100, 1}, {1, 2}};
    Open();
    for (const Case& c : cases) {
        FlexGrid* g = Grid();
        g->scrollToItem(g->item(c.row - 1, 4));
        QApplication::processEvents();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(c.row, 5).center());
        ASSERT_FALSE(dlg->Text6->isHidden()) << c.row;
        ASSERT_TRUE(dlg->Text6->hasFocus()) << c.row;
        QTest::keyClicks(dlg->Text6, "N" + QString::number(c.row));
        QTest::keyClick(dlg->Text6, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(g->Row(), c.next) << c.row;
        EXPECT_EQ(g->Col(), 1) << c.row;
        for (QWidget* w : std::initializer_list<QWidget*>{dlg->Text3, dlg->Combo2, dlg->Combo3, dlg->Text6})
            EXPECT_TRUE(w->isHidden()) << c.row << " " << w->objectName().toStdString();
        EXPECT_EQ(EditRow(c.row).Name.Trimmed(), "N" + std::to_string(c.row));
        EXPECT_EQ(Cell(c.row, 5), "N" + QString::number(c.row));
    }
    // What was typed reaches the data, and the next row's name is untouched.
    QTest::mouseClick(dlg->CommandOK, Qt::LeftButton);
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(SavedRow(3).Name.Trimmed(), "N3");
    EXPECT_EQ(SavedRow(4).Name.Trimmed(), "");
}

TEST_F(FiveToneTest, SystemStandardOutsideTheListShowsTheFirstItem) {
    st.CurRadioData.Signal.FiveTone.SystemStandard = kUserToneStandard;
    Open();
    EXPECT_EQ(dlg->Combo1[1]->currentIndex(), 0);
    EXPECT_EQ(dlg->Combo1[1]->currentText(), "ZVEI1");
}

TEST_F(FiveToneTest, ComposerKeepsAPttIdMessageToWhatTheBoxHolds) {
    Open();
    ScopedMsgBoxScript msgs;
    for (int mode : {1, 2}) {
        FrmSpecial special(*dlg, mode, dlg.get());
        special.show();
        QApplication::setActiveWindow(&special);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&special));
        special.Text2->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClicks(special.Text2, "ABCDEFGHIJKLMNOP");  // 16: a grid row's room
        EXPECT_EQ(special.Text2->text(), "ABCDEFGH") << mode;
        QTest::mouseClick(special.CommandOK, Qt::LeftButton);
        EXPECT_EQ(special.result(), QDialog::Accepted) << mode;
        EXPECT_EQ(dlg->Text4[mode - 1]->text().size(), kPttIdCodeMax) << mode;
    }
    EXPECT_TRUE(msgs.Messages().empty());

    // A longer text that got in another way is refused with a message; nothing is placed.
    FrmSpecial special(*dlg, 1, dlg.get());
    special.show();
    special.Text2->setText("ABCDEFGHI");
    const QString before = dlg->Text4[0]->text();
    QTest::mouseClick(special.CommandOK, Qt::LeftButton);
    ASSERT_EQ(msgs.Messages().size(), 1u);
    EXPECT_TRUE(msgs.Messages()[0].Text.contains("24"));
    EXPECT_EQ(special.result(), 0);
    EXPECT_TRUE(special.isVisible());
    EXPECT_EQ(special.Text2->text(), "ABCDEFGHI");
    EXPECT_EQ(dlg->Text4[0]->text(), before);

    special.reject();
    QTest::mouseClick(dlg->CommandOK, Qt::LeftButton);
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    std::string label;
    EXPECT_TRUE(SetCommData(st, label)) << label;  // the radio can take both PTT-ID codes
}

TEST(FiveToneUserToneSet, OKClampsTheFocusedBoxFirst) {
    AppState st;
    UseLanguage(st, kLanguageEnglish);
    st.EditSignalData.FiveTone.UserToneSet[5] = 12345;
    Frm5ToneDefTS dlg(st);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    EXPECT_TRUE(dlg.CommandOK->hasFocus());
    EXPECT_EQ(dlg.Text1[5]->text(), "1234.5");
    EXPECT_EQ(dlg.Text1[0]->text(), ".0");
    dlg.Text1[3]->setFocus();
    QApplication::processEvents();  // the box selects its text on entry
    QTest::keyClicks(dlg.Text1[3], "x5000-");  // only the digits go in
    EXPECT_EQ(dlg.Text1[3]->text(), "5000");
    dlg.CommandOK_Click();
    EXPECT_EQ(dlg.Text1[3]->text(), "3106.0");
    EXPECT_EQ(st.EditSignalData.FiveTone.UserToneSet[3], 31060);
    EXPECT_EQ(st.EditSignalData.FiveTone.UserToneSet[5], 12345);
    EXPECT_EQ(st.EditSignalData.FiveTone.UserToneSet[0], 0);
}

TEST(FiveToneUserToneSet, LeavingABoxClampsIt) {
    AppState st;
    UseLanguage(st, kLanguageEnglish);
    Frm5ToneDefTS dlg(st);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.Text1[0]->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(dlg.Text1[0], "288.4");
    QTest::keyClick(dlg.Text1[0], Qt::Key_Return);  // moves on like Tab
    EXPECT_TRUE(dlg.Text1[1]->hasFocus());
    QApplication::processEvents();
    EXPECT_EQ(dlg.Text1[0]->text(), "288.5");
}
