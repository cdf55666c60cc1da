#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "mappings/DTMFMap.h"
#include "model/NewData.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "signalling/FrmDTMF.h"

using namespace rp;
using namespace rp::test;

namespace {

void SetCode(DTMFCodeEntry& e, const std::string& radio) {
    e.Code = radio;
    e.Length = static_cast<std::int16_t>(radio.size());
}
void SetCode(DTMFKillCodeEntry& e, const std::string& radio) {
    e.Code = radio;
    e.Length = static_cast<std::int16_t>(radio.size());
}

struct DTMFDialogTest : ::testing::Test {
    AppState st;
    DTMFData& Rec() { return st.CurRadioData.Signal.DTMF; }
    void SetUp() override {
        UseLanguage(st, 1);
        st.NoInitFileFlag = true;
        NewData(st);
        Rec().OwnId = "123";
        Rec().SeparatorDigit = 14;  // "*"
        SetCode(Rec().Memories[0], "456E123");
        SetCode(Rec().Memories[1], "E123");
        SetCode(Rec().Memories[2], "4561123");
        SetCode(Rec().PttIdBegin, "555E999");
        SetCode(Rec().KillCode, "2468");
        SetCode(Rec().StunCode, "1357");
    }
    static void Show(QDialog& dlg) {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    // The user's choice in a list: the item, then the list's own report of it.
    static void Choose(QComboBox* c, const QString& text) {
        const int i = c->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
};

TEST_F(DTMFDialogTest, ShowsTheRecordAndCancelKeepsOnlyTheLoadRepairs) {
    Rec().AniMode = 2;
    Rec().GroupDigit = 255;
    Rec().OwnId = "1";
    Rec().PauseTime = 3;
    Rec().PreSendDelay = 20;
    const DTMFData before = Rec();
    {
        FrmDTMF dlg(st);
        EXPECT_EQ(dlg.windowTitle(), "DTMF");
        EXPECT_EQ(dlg.Text3->text(), "100");
        EXPECT_EQ(dlg.Text2[0]->text(), "456*123");
        EXPECT_EQ(dlg.Text2[16]->text(), "555*999");
        EXPECT_EQ(dlg.Combo1[5]->currentText(), "*");
        EXPECT_EQ(dlg.Combo1[6]->currentText().toStdString(), st.LangText(1755));
        EXPECT_EQ(dlg.Combo1[9]->currentText(), "200");
        EXPECT_EQ(dlg.Combo1[12]->currentIndex(), 0);
        EXPECT_EQ(dlg.Label1[18]->text().toStdString(), GetOptionStr(st, "60069"));
        EXPECT_FALSE(kit::IsShown(dlg.Combo1[3]));
        EXPECT_FALSE(kit::IsShown(dlg.Label3[3]));
        EXPECT_TRUE(kit::IsShown(dlg.Combo1[2]));
        EXPECT_EQ(dlg.Combo1[3]->count(), 4);
        EXPECT_EQ(dlg.CurDTMFEditID, 0);
        dlg.CommandCancel->click();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
    DTMFData expected = before;
    expected.AniMode = 0;
    expected.OwnId = "100";
    expected.PauseTime = 0;
    EXPECT_EQ(Rec(), expected);
    EXPECT_EQ(Rec().GroupDigit, 255);
}

TEST_F(DTMFDialogTest, EnterMovesAlongTheTabOrderAndPressesOnlyAFocusedButton) {
    FrmDTMF dlg(st);
    Show(dlg);
    QList<QWidget*> order{dlg.Combo1[2], dlg.Text3};
    for (int i = 5; i <= 12; ++i) order << dlg.Combo1[i];
    for (int i = 16; i <= 19; ++i) order << dlg.Text2[i];
    for (int i = 0; i <= 15; ++i) order << dlg.Text2[i];
    order << dlg.CommandSpecial;
    order.front()->setFocus(Qt::TabFocusReason);
    for (int i = 0; i + 1 < order.size(); ++i) {
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << order[i]->objectName().toStdString();
        QTest::keyClick(order[i], Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget(), dlg.CommandSpecial);
    dlg.Text2[3]->setFocus();
    QTest::keyClick(dlg.Text2[3], Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), 0);
    // Enter on the focused OK presses it, as Space does.
    dlg.CommandOK->setFocus();
    QTest::keyClick(dlg.CommandOK, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(DTMFDialogTest, CodeBoxesTakeOnlyDTMFDigitsAlsoFromPaste) {
    FrmDTMF dlg(st);
    QLineEdit* box = dlg.Text2[5];
    QApplication::clipboard()->setText("12X4");
    box->paste();
    EXPECT_EQ(box->text(), "");
    QApplication::clipboard()->setText("12*4");
    box->paste();
    EXPECT_EQ(box->text(), "12*4");
    QTest::keyClicks(box, "x#ae");
    EXPECT_EQ(box->text(), "12*4#A");
    QTest::keyClicks(dlg.Text3, "9a");
    EXPECT_EQ(dlg.Text3->text(), "123");  // full already: three digits at most
    kit::SetText(dlg.Text3, "");
    QApplication::clipboard()->setText("4b");
    dlg.Text3->paste();
    EXPECT_EQ(dlg.Text3->text(), "");
    QTest::keyClicks(dlg.Text2[kDTMFKillBox], std::string(20, '7').c_str());
    EXPECT_EQ(dlg.Text2[kDTMFKillBox]->text().size(), 14);
}

TEST_F(DTMFDialogTest, LeavingTheOwnIdRewritesCodesOnlyWhenItChanged) {
    FrmDTMF dlg(st);
    Show(dlg);
    dlg.Text3->setFocus(Qt::TabFocusReason);
    dlg.Combo1[5]->setFocus(Qt::TabFocusReason);  // through the box without a change
    QApplication::processEvents();
    EXPECT_EQ(dlg.Text2[16]->text(), "555*999");

    dlg.Text3->setFocus(Qt::TabFocusReason);
    kit::SetText(dlg.Text3, "");
    QTest::keyClicks(dlg.Text3, "7");
    dlg.Combo1[5]->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(dlg.Text3->text(), "700");
    EXPECT_EQ(dlg.Text2[0]->text(), "456*700");
    EXPECT_EQ(dlg.Text2[1]->text(), "*700");
    EXPECT_EQ(dlg.Text2[2]->text(), "4561123");
    EXPECT_EQ(dlg.Text2[16]->text(), "555*700");
}

TEST_F(DTMFDialogTest, SeparatorChangeRewritesTheCodesWithTheOwnId) {
    FrmDTMF dlg(st);
    Choose(dlg.Combo1[5], "#");
    EXPECT_EQ(dlg.Text2[0]->text(), "456#123");
    EXPECT_EQ(dlg.Text2[1]->text(), "#123");
    EXPECT_EQ(dlg.Text2[2]->text(), "4561123");
    EXPECT_EQ(dlg.Text2[16]->text(), "555*999");
    dlg.CommandOK->click();
    EXPECT_EQ(Rec().SeparatorDigit, 15);
    EXPECT_EQ(Rec().Memories[0].Code.Trimmed(), "456F123");
}

TEST_F(DTMFDialogTest, OkRefusesEqualKillAndStunCodesAndStoresNothing) {
    const DTMFData before = Rec();
    FrmDTMF dlg(st);
    Show(dlg);
    kit::SetText(dlg.Text2[kDTMFKillBox], "99*");
    kit::SetText(dlg.Text2[kDTMFStunBox], "99*");
    kit::SetText(dlg.Text2[4], "11");
    ScopedMsgBoxScript script;
    dlg.CommandOK->click();
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(script.Messages()[0].Text.toStdString(), st.LangText(3001));
    EXPECT_EQ(script.Messages()[0].Style, MsgStyle::OkOnly);
    EXPECT_EQ(QApplication::focusWidget(), dlg.Text2[kDTMFKillBox]);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(Rec(), before);
}

TEST_F(DTMFDialogTest, OkStoresAtOnceWithTheKillStunAdjustment) {
    FrmDTMF dlg(st);
    kit::SetText(dlg.Text2[kDTMFKillBox], "123");
    kit::SetText(dlg.Text2[kDTMFStunBox], "12");
    kit::SetText(dlg.Text2[3], "12*#");
    Choose(dlg.Combo1[6], "#");
    kit::SetCheckValue(dlg.Check1, 1);
    dlg.CommandOK->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Rec().KillCode.Code.Trimmed(), "124");
    EXPECT_EQ(Rec().KillCode.Length, 3);
    EXPECT_EQ(Rec().StunCode.Code.Trimmed(), "12");
    EXPECT_EQ(Rec().Memories[3].Code.Trimmed(), "12EF");
    EXPECT_EQ(Rec().Memories[3].Length, 4);
    EXPECT_EQ(Rec().GroupDigit, 15);
    EXPECT_EQ(Rec().SideTone, 1);
}

TEST_F(DTMFDialogTest, SpecialCodeGoesIntoTheLastFocusedCodeBox) {
    FrmDTMF dlg(st);
    Show(dlg);
    dlg.Text2[7]->setFocus(Qt::TabFocusReason);
    dlg.Text3->setFocus(Qt::TabFocusReason);  // the own ID box leaves the target as it is
    QApplication::processEvents();
    EXPECT_EQ(dlg.CurDTMFEditID, 7);
    {
        FrmDTMFSpecial sp(st, dlg);
        EXPECT_EQ(sp.Text1->text(), "000");
        EXPECT_EQ(sp.Combo1[0]->currentText(), "ANI");
        EXPECT_TRUE(kit::IsShown(sp.Frame1));
        kit::SetText(sp.Text1, "12");
        sp.CommandOK->click();
    }
    EXPECT_EQ(dlg.Text2[7]->text(), "120*123");
    {
        FrmDTMFSpecial sp(st, dlg);
        kit::SetText(sp.Text1, "5");
        sp.CommandCancel->click();
    }
    EXPECT_EQ(dlg.Text2[7]->text(), "120*123");

    // Kill or stun box last: the button opens nothing.
    dlg.Text2[kDTMFStunBox]->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    int opened = 0;
    QTimer::singleShot(0, [&] {
        if (auto* w = QApplication::activeModalWidget(); w && w != &dlg) {
            ++opened;
            w->close();
        }
    });
    dlg.CommandSpecial_Click();
    QApplication::processEvents();
    EXPECT_EQ(opened, 0);
}

}  // namespace
