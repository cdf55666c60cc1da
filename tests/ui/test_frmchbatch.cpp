#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "MainFixture.h"
#include "channels/FrmCHBatch.h"
#include "model/ChannelOps.h"
#include "model/NewData.h"
#include "kit/DialogKit.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

using namespace rp;
using namespace rp::test;

namespace {

struct BatchDialogTest : ::testing::Test {
    AppState st;
    QTemporaryDir dir;
    int redraws = 0;

    void SetUp() override {
        UseLanguage(st, 1);
        st.NoInitFileFlag = true;
        NewData(st);
        st.BatchFunIniPath = dir.filePath("BatchFun.ini").toStdString();
        SetDefaultBatchFun(st.BatchFunFlags);
    }
    std::unique_ptr<FrmCHBatch> Open() {
        auto d = std::make_unique<FrmCHBatch>(st, [this] { ++redraws; });
        d->MakeRandom = [] { return BatchRandom([] { return 0.5; }); };
        return d;
    }
    std::vector<unsigned char> FileBytes() const {
        std::ifstream f(st.BatchFunIniPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
};

TEST_F(BatchDialogTest, OpensOnTheEditViewWithItsDefaults) {
    st.CurRadioData.Signal.DTMF.Memories[3].Length = 2;
    auto d = Open();
    EXPECT_EQ(d->windowTitle().toStdString(), st.LangText(4000));
    EXPECT_FALSE(d->IsFunView);
    EXPECT_FALSE(d->Frame1->isHidden());
    EXPECT_TRUE(d->Frame2->isHidden());
    EXPECT_EQ(d->CommandFun->text().toStdString(), st.LangText(4005));
    for (int i = 11; i <= 14; ++i) EXPECT_FALSE(d->Combo1[i]->isEnabled()) << i;
    EXPECT_TRUE(d->Combo1[16]->isEnabled());
    EXPECT_EQ(d->Combo1[0]->count(), 1077);
    EXPECT_EQ(d->Combo1[0]->itemText(52).toStdString(), st.LangText(4030));
    EXPECT_EQ(d->Combo1[0]->itemText(1076), "D777I");
    EXPECT_EQ(d->Combo1[0]->currentIndex(), 0);
    EXPECT_EQ(d->Combo1[3]->count(), 2);
    EXPECT_EQ(d->Combo1[11]->currentText(), "4M");
    EXPECT_EQ(d->Combo1[15]->currentText(), "3");
    EXPECT_EQ(d->Text2[0]->text(), "400.00000");
    EXPECT_EQ(d->Text2[3]->text(), "400.00000");
    EXPECT_EQ(d->Text2[2]->text(), "0.00000");
    EXPECT_EQ(d->Text1[1]->text(), "199");
    EXPECT_FALSE(d->Text1[0]->isEnabled());
    EXPECT_TRUE(d->Check3[2]->isChecked());
    EXPECT_FALSE(d->Check3[1]->isEnabled());
    EXPECT_FALSE(d->Combo1[1]->isEnabled());
    EXPECT_FALSE(d->Text2[2]->isEnabled());
    EXPECT_FALSE(d->Text2[8]->isEnabled());
    EXPECT_TRUE(d->Option2[0]->isChecked());
    // Every switch that is on ticks its box and shows its row; the compander never shows.
    for (int k = 0; k < kBatchFunCount; ++k) EXPECT_EQ(d->Check2[k]->isChecked(), k != kBatchCompander) << k;
    EXPECT_TRUE(d->Check2[kBatchCompander]->isHidden());
    EXPECT_TRUE(d->Check1[1]->isHidden());
    EXPECT_FALSE(d->Text2[0]->isHidden());
    EXPECT_FALSE(d->Combo1[14]->isHidden());
    for (QPushButton* b : d->findChildren<QPushButton*>()) EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
    EXPECT_EQ(FileBytes().size(), 21u);
}

TEST_F(BatchDialogTest, AnotherModelHasNoMskEntriesAndSwitchesOffHideTheirRows) {
    st.CurModelCode = "6173USA";
    st.BatchFunFlags[kBatchRxFreq] = 0;
    st.BatchFunFlags[kBatchSquelchLevel] = 0;
    st.BatchFunFlags[kBatchTxFreq] = 7;  // any value above 0 is on
    auto d = Open();
    EXPECT_EQ(d->Combo1[5]->count(), 4);
    EXPECT_TRUE(d->Combo1[14]->isHidden());
    EXPECT_FALSE(d->Combo1[13]->isHidden());
    EXPECT_TRUE(d->Text2[0]->isHidden());
    EXPECT_TRUE(d->Label4[0]->isHidden());
    EXPECT_TRUE(d->Combo1[15]->isHidden());
    EXPECT_FALSE(d->Check2[0]->isChecked());
    EXPECT_EQ(st.BatchFunFlags[kBatchTxFreq], 1);
    EXPECT_EQ(FileBytes()[kBatchTxFreq], 1);
    // Ticking a switch shows its row and keeps the choice in the file.
    d->Check2[kBatchSquelchLevel]->click();
    EXPECT_FALSE(d->Combo1[15]->isHidden());
    EXPECT_EQ(FileBytes()[kBatchSquelchLevel], 1);
}

TEST_F(BatchDialogTest, ViewSwitchAndSelectAllOrNoneFromEitherView) {
    auto d = Open();
    d->CommandFun->click();
    EXPECT_TRUE(d->IsFunView);
    EXPECT_TRUE(d->Frame1->isHidden());
    EXPECT_FALSE(d->Frame2->isHidden());
    EXPECT_EQ(d->CommandFun->text().toStdString(), st.LangText(4006));

    d->CommandSelNone->click();
    for (int k = 0; k < kBatchFunCount; ++k) EXPECT_FALSE(d->Check2[k]->isChecked()) << k;
    for (int k = 0; k < kBatchFunCount; ++k) EXPECT_EQ(st.BatchFunFlags[k], 0) << k;
    EXPECT_TRUE(d->Text2[0]->isHidden());
    EXPECT_EQ(FileBytes(), std::vector<unsigned char>(21, 0));

    d->CommandFun->click();  // back on the edit view, where the switches are not to be seen
    EXPECT_FALSE(d->IsFunView);
    EXPECT_TRUE(d->Frame2->isHidden());
    d->CommandSelAll_Click();
    for (int k = 0; k < kBatchFunCount; ++k) EXPECT_EQ(d->Check2[k]->isChecked(), k != kBatchCompander) << k;
    EXPECT_EQ(st.BatchFunFlags[kBatchCompander], 0);
    EXPECT_FALSE(d->Text2[0]->isHidden());
    EXPECT_TRUE(d->Check1[1]->isHidden());
    d->CommandSelNone_Click();
    for (int k = 0; k < kBatchFunCount; ++k) EXPECT_FALSE(d->Check2[k]->isChecked()) << k;
}

TEST_F(BatchDialogTest, InputRules) {
    auto d = Open();
    d->show();
    QApplication::setActiveWindow(d.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    // Range boxes: the range option enables them; typing clamps.
    d->Option1[1]->click();
    EXPECT_TRUE(d->Text1[0]->isEnabled());
    d->Text1[0]->setFocus();
    d->Text1[0]->selectAll();
    QTest::keyClicks(d->Text1[0], "250");
    EXPECT_EQ(d->Text1[0]->text(), "199");
    QTest::keyClick(d->Text1[0], Qt::Key_Backspace);
    QTest::keyClick(d->Text1[0], Qt::Key_Backspace);
    QTest::keyClick(d->Text1[0], Qt::Key_Backspace);
    EXPECT_EQ(d->Text1[0]->text(), "0");
    QTest::keyClicks(d->Text1[0], "7x");
    EXPECT_EQ(d->Text1[0]->text(), "7");

    // A step above 1000 while typing; snapped on Enter, which also moves on.
    d->Text2[1]->setFocus();
    d->Text2[1]->selectAll();
    QTest::keyClicks(d->Text2[1], "1500");
    EXPECT_EQ(d->Text2[1]->text(), "1000");
    d->Text2[1]->selectAll();
    QTest::keyClicks(d->Text2[1], "7");
    QTest::keyClick(d->Text2[1], Qt::Key_Return);
    EXPECT_EQ(d->Text2[1]->text(), "5");
    EXPECT_FALSE(d->Text2[1]->hasFocus());
    EXPECT_EQ(d->result(), 0);  // Enter pressed no button

    // The name box takes letters and digits only.
    d->Text2[7]->setFocus();
    QTest::keyClicks(d->Text2[7], "A b-_1");
    EXPECT_EQ(d->Text2[7]->text(), "Ab1");

    // TX rule and name rule enabling; random and default encode tone.
    d->Option3[2]->click();
    EXPECT_TRUE(d->Text2[3]->isEnabled());
    EXPECT_FALSE(d->Text2[2]->isEnabled());
    d->Option6[1]->click();
    EXPECT_TRUE(d->Text2[8]->isEnabled());
    d->Check3[2]->click();  // encode no longer follows the decode tone
    EXPECT_TRUE(d->Check3[1]->isEnabled());
    EXPECT_TRUE(d->Combo1[1]->isEnabled());
    d->Check3[1]->click();
    EXPECT_FALSE(d->Combo1[1]->isEnabled());
    d->Check3[2]->click();
    d->Check3[2]->click();
    EXPECT_TRUE(d->Check3[1]->isChecked());
    EXPECT_FALSE(d->Combo1[1]->isEnabled());

    // Exclusive pairs.
    d->Check1[4]->click();
    d->Check1[3]->click();
    EXPECT_FALSE(d->Check1[4]->isChecked());
    d->Combo1[8]->setCurrentIndex(2);
    d->Combo1_Click(8);
    d->Combo1[7]->setCurrentIndex(1);
    d->Combo1_Click(7);
    EXPECT_EQ(d->Combo1[8]->currentIndex(), 0);
    d->Combo1[5]->setCurrentIndex(1);  // DTMF
    d->Combo1_Click(5);
    EXPECT_TRUE(d->Combo1[11]->isEnabled());
    EXPECT_FALSE(d->Combo1[12]->isEnabled());

    // Custom tone on leaving.
    d->Text3->setText("300");
    d->Text3_LostFocus();
    EXPECT_EQ(d->Text3->text(), "151.1");
}

TEST_F(BatchDialogTest, ApplyWritesTheRangeShowsTheNormalisedTextsAndRedraws) {
    auto d = Open();
    d->CommandSelNone_Click();
    d->Check2[kBatchRxFreq]->click();
    d->Check2[kBatchDecTone]->click();
    d->Check2[kBatchEncTone]->click();
    kit::SetText(d->Text2[0], "145.0037");
    kit::SetText(d->Text2[1], "12.5");
    d->Combo1[0]->setCurrentIndex(14);  // 100.0
    kit::SetText(d->Text2[5], "1");
    d->Option1[1]->click();
    kit::SetText(d->Text1[0], "0");
    kit::SetText(d->Text1[1], "2");
    d->CommandApply->click();
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(d->Text2[0]->text(), "145.00250");
    EXPECT_EQ(st.ChannelTable[FindFreIndex(st, 1)].RxFreq.Str(), "014500250");
    EXPECT_EQ(st.ChannelTable[FindFreIndex(st, 3)].RxFreq.Str(), "014502750");
    EXPECT_EQ(st.ChannelTable[FindFreIndex(st, 3)].DecCTCSSIndex, 15);
    EXPECT_EQ(st.ChannelTable[FindFreIndex(st, 3)].EncCTCSSIndex, 15);
    EXPECT_EQ(st.ChannelTable[FindFreIndex(st, 3)].EncToneType, 1);
    EXPECT_EQ(d->result(), 0);  // the dialog stays open after Apply
}

TEST_F(BatchDialogTest, TheMenuOpensItAndApplyRedrawsTheGrid) {
    TempSettings settings;
    frmMain w(st, settings.Make());
    QStringList shown;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* d = qobject_cast<FrmCHBatch*>(QApplication::activeModalWidget());
        if (d == nullptr) return;
        shown << d->objectName();
        d->CommandSelNone_Click();
        d->Check2[kBatchRxFreq]->click();
        kit::SetText(d->Text2[0], "400");
        kit::SetText(d->Text2[1], "12.5");
        d->CommandApply->click();
        d->CommandClose->click();
    });
    driver.start(5);
    w.MenuAction("MnuCHBatch")->trigger();
    driver.stop();
    EXPECT_EQ(shown, QStringList({"FrmCHBatch"}));
    EXPECT_EQ(st.CurRadioData.ChannelCount, 206);
    EXPECT_EQ(w.MSFlexGrid1[0]->TextMatrix(200, 1), "402.48750");
}



// The left column's captions and options show whole, left of their boxes, in both languages.
TEST_F(BatchDialogTest, LeftColumnCaptionsFitBesideTheirBoxes) {
    const char* fields[8] = {"Text2_0", "Text2_1", "Text2_4", "Combo1_0", "Text2_5", "Combo1_1", "Text2_6", "Text2_9"};
    for (int language : {1, 2}) {
        UseLanguage(st, language);
        auto d = Open();
        for (int i = 0; i < 8; ++i) {
            auto* label = d->findChild<QLabel*>(QString("Label4_%1").arg(i));
            auto* field = d->findChild<QWidget*>(fields[i]);
            ASSERT_TRUE(label && field);
            EXPECT_GE(label->x(), 0) << language << " " << i;
            EXPECT_LE(label->x() + label->sizeHint().width(), field->x()) << language << " " << i;
        }
        for (const char* name : {"Option3_0", "Option3_1", "Option3_2", "Option6_0", "Option6_1"}) {
            auto* o = d->findChild<QRadioButton*>(name);
            ASSERT_NE(o, nullptr);
            EXPECT_GE(o->width(), o->sizeHint().width()) << language << " " << name;
            const QPoint right = o->mapTo(d->Frame1, QPoint(o->sizeHint().width(), 0));
            EXPECT_LE(right.x(), d->Text2[3]->x()) << language << " " << name;
        }
        EXPECT_LE(d->Frame1->geometry().right(), d->width()) << language;
    }
}

}  // namespace
