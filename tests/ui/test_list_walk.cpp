// Walking the broadcast-radio and AM lists of new data with the mouse and with Enter changes
// nothing: unused entries show empty cells, and an editor left as it was opened writes nothing.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "model/DataChanged.h"
#include "model/NewData.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

using namespace rp;
using namespace rp::test;

namespace {

void Click(FlexGrid& g, int row, int col) {
    g.scrollToItem(g.item(row - 1, col - 1));
    const QPoint at = g.CellRect(row, col).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, g.viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, g.viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &release);
}

void Enter(QWidget* w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

struct ListWalk : ::testing::Test {
    AppState st;
    TempSettings settings;
    ScopedMsgBoxScript msgs{MsgButton::Ok};
    std::unique_ptr<frmMain> w;

    void SetUp() override {
        UseLanguage(st, 1);
        NewData(st);
        w = std::make_unique<frmMain>(st, settings.Make());
        w->resize(1000, 700);
        w->show();
        QApplication::processEvents();
    }
};

TEST_F(ListWalk, BroadcastRadioListOfNewDataStaysAsItWas) {
    const RadioData before = st.CurRadioData;
    ASSERT_FALSE(IsDataChanged(st));
    w->ShowGridType(2);
    auto& g = *w->MSFlexGrid1[2];
    for (int r = 1; r <= 101; ++r) {
        const auto& e = st.CurRadioData.FMRadioList[r - 1];
        if (e.Valid != 1) {
            EXPECT_EQ(g.TextMatrix(r, 1), "") << r;
        }
    }
    for (int r : {1, 2, 3, 4, 5, 6, 7, 8, 20, 101, 100}) Click(g, r, 1);
    ASSERT_FALSE(w->Text2->isHidden());
    for (int i = 0; i < 8; ++i) Enter(w->Text2);  // from row 100 over the VFO row back to the top
    Click(g, 5, 1);
    w->MnuViewToolBar_Click();  // a command commits the open editor first
    w->CommitOpenEditors();
    EXPECT_TRUE(msgs.Messages().empty()) << msgs.Messages().front().Text.toStdString();
    EXPECT_EQ(st.CurRadioData, before);
    EXPECT_FALSE(IsDataChanged(st));

    // A typed value is still taken, once.
    Click(g, 6, 1);
    w->Text2->setText("98.5");
    Click(g, 7, 1);
    EXPECT_EQ(st.CurRadioData.FMRadioList[5].Valid, 1);
    EXPECT_EQ(st.CurRadioData.FMRadioList[5].Frequency.Str(), "00985000");
    EXPECT_EQ(g.TextMatrix(6, 1), "98.5000");
    EXPECT_TRUE(msgs.Messages().empty());
}

TEST_F(ListWalk, AmListOfNewDataStaysAsItWas) {
    const RadioData before = st.CurRadioData;
    w->ShowGridType(3);
    auto& g = *w->MSFlexGrid1[3];
    for (int r : {1, 2, 3, 50, 101, 100}) Click(g, r, 1);
    ASSERT_FALSE(w->Text3->isHidden());
    for (int i = 0; i < 5; ++i) Enter(w->Text3);
    w->CommitOpenEditors();
    EXPECT_TRUE(msgs.Messages().empty());
    EXPECT_EQ(st.CurRadioData, before);
    EXPECT_FALSE(IsDataChanged(st));
}

}  // namespace
