// Channels edited through the channel dialog as a user does it: open a data file, change three
// channels from the grid's details column, save, open again, and find what was typed.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "UserRound.h"
#include "channels/FrmCHEdit.h"
#include "model/ChannelOps.h"
#include "model/DataFiles.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

// Double-clicks the details cell of a row; `edit` runs in the open dialog, as the user would.
void EditInDialog(frmMain& w, int row, const std::function<void(FrmCHEdit&)>& edit) {
    EXPECT_TRUE(test::EditChannelInDialog(w, row, edit));
}

void Retype(QLineEdit* e, const char* text) {
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
}

TEST(EndToEnd, ChannelsEditedInTheDialogSurviveSaveAndOpen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("radio.dat");
    AppState st;
    test::PrepareUserRound(st);
    ASSERT_TRUE(IsChannelNoUsed(st, 1) && IsChannelNoUsed(st, 2) && !IsChannelNoUsed(st, 12));
    ASSERT_TRUE(SaveDataFile(st, path.toStdString()).Ok());
    NewData(st);

    // Every question is answered as a user who keeps going would: OK, and no to saving first.
    ScopedMsgBoxScript answers([](const ScopedMsgBoxScript::Shown& m) {
        return m.Style == MsgStyle::ExclamationYesNoCancel ? MsgButton::No : MsgButton::Ok;
    });
    test::TempSettings settings;
    frmMain w(st, settings.Make());
    w.show();
    {
        ScopedFileDialogScript files({path});
        w.mnuFileOpen_Click();
    }
    ASSERT_EQ(st.DataFileName, path.toStdString());

    EditInDialog(w, 12, [](FrmCHEdit& d) {  // a new channel with a shift
        Retype(d.Text1[0], "438.5");
        Retype(d.Text1[10], "433.5");
        d.Text1[2]->setFocus();
        QTest::keyClicks(d.Text1[2], "N");
        QTest::keyClicks(d.Text1[3], "E");
        QTest::keyClicks(d.Text1[4], "W");
        d.CommandOK->click();
    });
    EditInDialog(w, 1, [](FrmCHEdit& d) {  // simplex: the TX box left empty
        Retype(d.Text1[0], "145.5");
        Retype(d.Text1[10], "");
        d.CommandOK->click();
    });
    EditInDialog(w, 2, [](FrmCHEdit& d) {  // deleted by clearing RX
        Retype(d.Text1[0], "");
        d.CommandOK->click();
    });
    auto& g = *w.MSFlexGrid1[0];
    EXPECT_EQ(g.TextMatrix(12, 1), "438.50000");
    EXPECT_EQ(g.TextMatrix(2, 1), "");

    {
        ScopedFileDialogScript files({});
        w.mnuFileSave_Click();
    }
    NewData(st);
    w.ReShowListByData();
    ASSERT_EQ(g.TextMatrix(12, 1), "");
    {
        ScopedFileDialogScript files({path});
        w.mnuFileOpen_Click();
    }
    EXPECT_EQ(g.TextMatrix(12, 1), "438.50000");
    EXPECT_EQ(g.TextMatrix(12, 2), "433.50000");
    EXPECT_EQ(g.TextMatrix(12, 3), "NEW");
    EXPECT_EQ(g.TextMatrix(12, 6), "1");  // the default bank ticked for a new channel
    EXPECT_EQ(g.TextMatrix(1, 1), "145.50000");
    EXPECT_EQ(g.TextMatrix(1, 2), "145.50000");
    EXPECT_EQ(g.TextMatrix(2, 1), "");
    EXPECT_FALSE(IsChannelNoUsed(st, 2));
    for (const auto& m : answers.Messages()) EXPECT_NE(m.Style, MsgStyle::Exclamation) << m.Text.toStdString();
}

}  // namespace
}  // namespace rp
