// A list with no line chosen, driven with keys on shown windows: the first Down chooses the first
// line, in a list box as in a box's drop-down list. Real windows only (CTest: the real-window
// runs); skipped offscreen.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "UserDriver.h"
#include "channels/FrmBank.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "model/NewData.h"

using namespace rp;
using namespace rp::test;

namespace {

// A dialog of the kit's with a list box and a box whose list shows nothing chosen.
struct KitDialog : QDialog {
    QListWidget* List = new QListWidget(this);
    QComboBox* Box = new QComboBox(this);
    QPushButton* OK = new QPushButton("OK", this);
    KitDialog() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(List);
        layout->addWidget(Box);
        layout->addWidget(OK);
        List->addItems({"Bank 1", "Bank 2", "Bank 3"});
        List->setCurrentRow(-1);
        kit::FillCombo(Box, QStringList{"Bank 1", "Bank 2", "Bank 3"});
        kit::NoDefaultButtons(this);
        kit::FirstDownChoosesFirstLine(this);
    }
};

// Opens the box's drop-down list by keys, as F4 does.
void OpenByKeys(QComboBox* c) {
    c->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c, Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c->view()->isVisible(); }, 2000)) << "the list did not open";
    ASSERT_TRUE(QTest::qWaitFor([&] { return c->view()->hasFocus(); }, 2000));
}

TEST(UserInputLists, TheFirstDownInAListBoxChoosesTheFirstLine) {
    SKIP_WITHOUT_REAL_WINDOWS();
    KitDialog d;
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    d.List->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(d.List->selectedItems().isEmpty());
    Key(Qt::Key_Down);
    EXPECT_EQ(d.List->currentRow(), 0);
    ASSERT_EQ(d.List->selectedItems().size(), 1);
    EXPECT_EQ(d.List->selectedItems().front()->text(), "Bank 1");
    Key(Qt::Key_Down);  // then on, a line at a time
    EXPECT_EQ(d.List->currentRow(), 1);
    EXPECT_TRUE(d.List->item(1)->isSelected());
}

TEST(UserInputLists, TheFirstDownInADropDownListChoosesTheFirstLine) {
    SKIP_WITHOUT_REAL_WINDOWS();
    KitDialog d;
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    ASSERT_EQ(d.Box->currentIndex(), -1);
    ASSERT_NO_FATAL_FAILURE(OpenByKeys(d.Box));
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d.Box->view()->isVisible(); }, 2000)) << "the list did not close";
    EXPECT_EQ(d.Box->currentIndex(), 0);
    // The closed box too, as Qt already does.
    kit::SetComboIndex(d.Box, -1);
    Key(Qt::Key_Down);
    EXPECT_EQ(d.Box->currentIndex(), 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(d.Box->currentIndex(), 1);
}

// A line the user chose stays the start: Down goes on from it.
TEST(UserInputLists, DownGoesOnFromAChosenLine) {
    SKIP_WITHOUT_REAL_WINDOWS();
    KitDialog d;
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    kit::SetComboIndex(d.Box, 1);
    ASSERT_NO_FATAL_FAILURE(OpenByKeys(d.Box));
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d.Box->view()->isVisible(); }, 2000)) << "the list did not close";
    EXPECT_EQ(d.Box->currentIndex(), 2);
}

// The bank dialog opens with no bank chosen: the first Down shows bank 1, not bank 2. In the list
// of the other channels, where nothing is chosen once a bank is shown, the first Down chooses the
// first channel.
TEST(UserInputLists, TheBankDialogsFirstDownChoosesBankOneAndTheFirstChannel) {
    SKIP_WITHOUT_REAL_WINDOWS();
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    AppState st;
    UseLanguage(st, kLanguageEnglish);
    st.NoInitFileFlag = true;
    NewData(st);
    for (int n = 3; n <= 6; ++n) AddDefaultChannel(st, n, "400");
    for (auto& b : st.CurRadioData.BankTable) b.fill(0);
    st.CurRadioData.BankTable[1][0] = 4;  // bank 2 holds a channel, bank 1 none
    FrmBank d(st);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    for (int i = 0; i < 10 && !d.List1->hasFocus(); ++i) Key(Qt::Key_Tab);
    ASSERT_TRUE(d.List1->hasFocus());
    Key(Qt::Key_Down);
    ASSERT_EQ(d.List1->selectedItems().size(), 1);
    EXPECT_EQ(d.List1->row(d.List1->selectedItems().front()), 0);
    EXPECT_EQ(d.List2->count(), 0) << "bank 2 is shown";
    ASSERT_GT(d.List3->count(), 1);
    const QString firstOther = d.List3->item(0)->text();
    for (int i = 0; i < 10 && !d.List3->hasFocus(); ++i) Key(Qt::Key_Tab);
    ASSERT_TRUE(d.List3->hasFocus());
    Key(Qt::Key_Down);
    ASSERT_EQ(d.List3->selectedItems().size(), 1);
    EXPECT_EQ(d.List3->selectedItems().front()->text(), firstOther);
    EXPECT_TRUE(msgs.Messages().empty());
}

}  // namespace
