// The channel dialog as the user meets it: enabling rules, keys, filters, and the way in from
// the channel grid.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "UserRound.h"
#include "channels/FrmCHEdit.h"
#include "model/Banks.h"
#include "model/ChannelOps.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

using namespace rp;
using namespace rp::test;

namespace {

struct ChEditTest : ::testing::Test {
    AppState st;
    ScopedMsgBoxScript msgs{MsgButton::Ok};

    void SetUp() override {
        UseLanguage(st, 1);
        Add(MakeChannel(1, "145.0"));
        Add(MakeChannel(2, "146.0"));
    }
    void Add(const ChannelData& c) { st.ChannelTable[st.CurRadioData.ChannelCount++] = c; }
    const ChannelData* Find(int n) {
        const int slot = FindFreIndex(st, n);
        return slot < 0 ? nullptr : &st.ChannelTable[slot];
    }
    std::unique_ptr<FrmCHEdit> Open(int number) {
        st.CurChannelNo = number;
        return std::make_unique<FrmCHEdit>(st);
    }
    static void Show(FrmCHEdit& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    }
    // The user's choice of a list item.
    static void Choose(QComboBox* c, int index) {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    static QStringList Items(const QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
        return l;
    }
};

bool Shown(const QWidget* w) { return !w->isHidden(); }

TEST_F(ChEditTest, NewChannelLeavesOnlyTheRxBoxUntilAFrequencyIsTyped) {
    auto d = Open(5);
    EXPECT_EQ(d->Text1[0]->text(), "");
    EXPECT_EQ(d->Text1[10]->text(), "");
    EXPECT_EQ(d->Text1[1]->text(), "0.00000");
    EXPECT_EQ(d->Text3->text(), "151.1");
    EXPECT_EQ(d->Combo1[15]->currentIndex(), 3);
    EXPECT_EQ(d->ListBank->item(0)->checkState(), Qt::Checked);
    EXPECT_TRUE(d->Text1[0]->isEnabled());
    for (QWidget* w : {static_cast<QWidget*>(d->Text1[10]), static_cast<QWidget*>(d->Combo1[0]),
                       static_cast<QWidget*>(d->Check1), static_cast<QWidget*>(d->ListBank),
                       static_cast<QWidget*>(d->Text3)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    d->Text1[0]->setText("1");
    EXPECT_TRUE(d->Combo1[0]->isEnabled());
    EXPECT_TRUE(d->Text3->isEnabled());
    EXPECT_FALSE(d->Combo1[16]->isEnabled());  // 2-Tone decode only with 2-Tone signalling
    d->Text1[0]->setText("");
    EXPECT_FALSE(d->Combo1[0]->isEnabled());
}

TEST_F(ChEditTest, KindListsDriveTheirValueLists) {
    ChannelData c = MakeChannel(3, "145.5");
    c.DecToneType = 1;
    c.DecCTCSSIndex = 9;
    c.EncToneType = 2;
    c.EncDCSCode = 83;
    c.EncDCSInvert = 1;
    Add(c);
    auto d = Open(3);
    EXPECT_TRUE(Shown(d->Combo3[0]));
    EXPECT_FALSE(Shown(d->Combo3[2]));
    EXPECT_EQ(d->Combo3[0]->currentText(), "88.5");
    EXPECT_TRUE(Shown(d->Combo3[3]));
    EXPECT_EQ(d->Combo3[3]->currentText(), "123");
    EXPECT_TRUE(Shown(d->Check2[1]) && d->Check2[1]->isChecked());
    // Decode without signalling offers carrier and tone squelch only.
    EXPECT_EQ(d->Combo1[9]->count(), 2);

    Choose(d->Combo1[5], 2);  // decode DCS: code 000, not inverted
    EXPECT_FALSE(Shown(d->Combo3[0]));
    EXPECT_TRUE(Shown(d->Combo3[2]));
    EXPECT_EQ(d->Combo3[2]->currentIndex(), 0);
    EXPECT_TRUE(Shown(d->Check2[0]) && d->Check2[0]->isEnabled() && !d->Check2[0]->isChecked());

    Choose(d->Combo1[4], 3);  // 5-Tone: its row list, all five squelch modes
    EXPECT_TRUE(Shown(d->Combo4[2]));
    EXPECT_FALSE(Shown(d->Combo4[0]));
    EXPECT_EQ(d->Combo1[9]->count(), 5);
    Choose(d->Combo1[4], 2);  // 2-Tone enables its decode list
    EXPECT_TRUE(Shown(d->Combo4[1]));
    EXPECT_TRUE(d->Combo1[16]->isEnabled());
    Choose(d->Combo1[4], 0);
    EXPECT_FALSE(d->Combo1[16]->isEnabled());
    EXPECT_EQ(d->Combo1[9]->count(), 2);

    d->Combo1[9]->setCurrentIndex(1);
    d->Check4[0]->click();  // reverse: the encode kind (DCS) governs, tone squelch stays
    EXPECT_EQ(d->Combo1[9]->currentIndex(), 1);
    Choose(d->Combo1[10], 0);
    EXPECT_EQ(d->Combo1[9]->count(), 1);
    EXPECT_EQ(d->Combo1[9]->currentIndex(), 0);
    d->Check4[1]->click();  // talk-around unticks reverse
    EXPECT_FALSE(d->Check4[0]->isChecked());

    Choose(d->Combo1[8], 3);
    Choose(d->Combo1[7], 2);
    EXPECT_EQ(d->Combo1[8]->currentIndex(), 0);
}

TEST_F(ChEditTest, FullBankRefusesTheTick) {
    for (int p = 0; p < kBankPlaces; ++p) st.CurRadioData.BankTable[4][p] = static_cast<std::int16_t>(100 + p);
    auto d = Open(2);
    d->ListBank->item(4)->setCheckState(Qt::Checked);
    EXPECT_EQ(d->ListBank->item(4)->checkState(), Qt::Unchecked);
    d->ListBank->item(2)->setCheckState(Qt::Checked);
    EXPECT_EQ(d->ListBank->item(2)->checkState(), Qt::Checked);
}

TEST_F(ChEditTest, EnterMovesOnAndNeverPressesOK) {
    auto d = Open(1);
    Show(*d);
    for (QWidget* w : {static_cast<QWidget*>(d->Text1[0]), static_cast<QWidget*>(d->Combo1[0]),
                       static_cast<QWidget*>(d->Check1), static_cast<QWidget*>(d->CommandOK)}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_NE(QApplication::focusWidget(), w) << w->objectName().toStdString();
        EXPECT_TRUE(d->isVisible());
    }
    d->Text1[0]->setFocus();
    QTest::keyClick(d->Text1[0], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), d->Text1[10]);
    EXPECT_EQ(d->result(), 0);
    EXPECT_EQ(Find(1)->Name.Trimmed(), "");
}

TEST_F(ChEditTest, NameBoxesMoveOnAfterEachKey) {
    auto d = Open(1);
    Show(*d);
    d->Text1[2]->setFocus();
    QTest::keyClick(d->Text1[2], Qt::Key_A, Qt::NoModifier);
    QApplication::processEvents();
    EXPECT_EQ(d->Text1[2]->text(), "a");
    EXPECT_EQ(QApplication::focusWidget(), d->Text1[3]);
    QTest::keyClicks(d->Text1[3], "\\");
    QApplication::processEvents();
    EXPECT_EQ(d->Text1[3]->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), d->Text1[3]);
    d->Text1[7]->setFocus();
    QTest::keyClicks(d->Text1[7], "Z");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), d->Combo1[0]);  // the hidden boxes are skipped
}

TEST_F(ChEditTest, FiltersHoldForPasteToo) {
    auto d = Open(1);
    EXPECT_EQ(d->Text1[0]->text(), "145.00000");
    d->Text1[0]->selectAll();
    d->Text1[0]->insert("abc");  // what paste and drop do
    EXPECT_EQ(d->Text1[0]->text(), "145.00000");
    d->Text3->selectAll();
    d->Text3->insert("7x");
    EXPECT_EQ(d->Text3->text(), "151.1");
    d->Text1[2]->insert("~");
    EXPECT_EQ(d->Text1[2]->text(), "");
    EXPECT_EQ(d->Text1[0]->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(ChEditTest, LongCustomToneShowsWhole) {
    ChannelData c = MakeChannel(3, "145.5");
    c.CustomCTCSS = 12345;
    Add(c);
    EXPECT_EQ(Open(3)->Text3->text(), "1234.5");
}

TEST_F(ChEditTest, RxThatIsNotANumberKeepsTheDialogOpen) {
    auto d = Open(2);
    d->Text1[0]->setText("145.5.1");
    d->CommandOK->click();
    EXPECT_EQ(d->result(), 0);
    ASSERT_EQ(msgs.Messages().size(), 1u);
    EXPECT_EQ(msgs.Messages()[0].Text, QString::fromStdString(st.LangText(kRxNotNumberText)));
    EXPECT_NE(Find(2), nullptr);
}

TEST_F(ChEditTest, VfoWithoutFrequencyHasNoNameAndStaysOpen) {
    Add(MakeChannel(205, "145.5"));
    auto d = Open(205);
    EXPECT_TRUE(d->Text1[2]->isHidden());
    EXPECT_TRUE(d->ListBank->isHidden());
    d->Text1[0]->setText("");
    d->CommandOK->click();
    EXPECT_EQ(d->result(), 0);
    ASSERT_EQ(msgs.Messages().size(), 1u);
    EXPECT_EQ(msgs.Messages()[0].Text, "VFO can't be null!");
}

// Every field the dialog reads holds a value no list has.
TEST_F(ChEditTest, HostileRecordsOpenAndStore) {
    for (const int bad : {-1, 255, 32767}) {
        SCOPED_TRACE(bad);
        ChannelData c = MakeChannel(3, "145.5");
        for (int k = 7; k < 7 + ChannelData::kIntRun; ++k) c.IntField(k) = static_cast<std::int16_t>(bad);
        c.Used = c.ScanFlag = c.SquelchLevel = c.TwoToneDecodeNo = static_cast<std::int16_t>(bad);
        c.Name.Bytes.fill('\xff');
        c.SpareText.Bytes.fill('\xff');
        c.OffsetFreq.Bytes.fill('\xff');
        st.ChannelTable[2] = c;
        st.CurRadioData.ChannelCount = 3;
        auto d = Open(3);
        for (QComboBox* box : {d->Combo1[0], d->Combo1[1], d->Combo1[2], d->Combo1[4], d->Combo1[5],
                               d->Combo1[10], d->Combo1[7], d->Combo1[8], d->Combo1[13], d->Combo1[15]})
            EXPECT_EQ(box->currentIndex(), 0) << box->objectName().toStdString();
        EXPECT_EQ(d->Check1->isChecked(), bad > 0);
        d->CommandOK->click();
        EXPECT_EQ(d->result(), QDialog::Accepted);
        EXPECT_EQ(Find(3)->SquelchLevel, 0);
    }
}

TEST_F(ChEditTest, GridDoubleClickOpensTheDialogAndOKRedrawsTheRow) {
    TempSettings settings;
    frmMain w(st, settings.Make());
    w.show();
    ASSERT_TRUE(test::EditChannelInDialog(w, 7, [](FrmCHEdit& d) {
        d.Text1[0]->setText("147.5");
        d.Text1[10]->setText("");
        d.CommandOK->click();
    }));
    auto& g = *w.MSFlexGrid1[0];
    EXPECT_EQ(g.TextMatrix(7, 1), "147.50000");
    ASSERT_NE(Find(7), nullptr);
    EXPECT_EQ(Find(7)->Shift, 0);
    EXPECT_EQ(GetChBankStr(st, 7), "1");
}

}  // namespace
