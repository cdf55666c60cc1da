// A batch of channels made as a user makes it, saved, written into the simulated radio through
// the real serial port and read back: the grid shows the same channels.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "PtyHarness.h"
#include "UserRound.h"
#include "channels/FrmCHBatch.h"
#include "model/DataChanged.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "kit/DialogKit.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

QStringList GridRows(frmMain& w) {
    QStringList rows;
    FlexGrid& g = *w.MSFlexGrid1[0];
    for (int r = 1; r < g.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < g.Cols(); ++c) cells << g.TextMatrix(r, c);
        rows << cells.join('|');
    }
    return rows;
}

TEST(EndToEnd, BatchOf200ChannelsSurvivesSaveWriteAndReadBack) {
    test::SimRadioRound round;
    ASSERT_NO_FATAL_FAILURE(round.ExpectReady());
    AppState& st = round.st;
    const QTemporaryDir& dir = round.dir;
    st.BatchFunIniPath = dir.filePath("BatchFun.ini").toStdString();
    SetDefaultBatchFun(st.BatchFunFlags);
    frmMain w(st, round.settings.Make());
    w.show();

    // All channels from 400 MHz at 12.5 kHz, decode tone increasing from 67.0 Hz, the encode
    // tone following it.
    ASSERT_TRUE(test::RunModal<FrmCHBatch>([&] { w.MenuAction("MnuCHBatch")->trigger(); },
                                           [&](FrmCHBatch& d) {
                                               d.CommandSelNone_Click();
                                               d.Check2[kBatchRxFreq]->click();
                                               d.Check2[kBatchDecTone]->click();
                                               d.Check2[kBatchEncTone]->click();
                                               kit::SetText(d.Text2[0], "400");
                                               kit::SetText(d.Text2[1], "12.5");
                                               d.Combo1[0]->setCurrentIndex(2);
                                               kit::SetText(d.Text2[5], "1");
                                               d.CommandApply->click();
                                               d.CommandClose->click();
                                           }));
    ASSERT_EQ(st.CurRadioData.ChannelCount, 206);
    EXPECT_EQ(w.MSFlexGrid1[0]->TextMatrix(1, 1), "400.00000");
    EXPECT_EQ(w.MSFlexGrid1[0]->TextMatrix(200, 1), "402.48750");
    const QStringList made = GridRows(w);

    test::SaveAs(w, dir.filePath("batch"));
    EXPECT_EQ(QFile(dir.filePath("batch.fre")).size(), 113 * 206);
    EXPECT_FALSE(IsDataChanged(st));
    ASSERT_NO_FATAL_FAILURE(test::WriteToRadio(st, w));
    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w));
    ASSERT_EQ(st.CurRadioData.ChannelCount, 206);
    const QStringList back = GridRows(w);
    test::ExpectSameShown(back, made, "row", 1);
    test::CloseWithoutSaving(w);
}

}  // namespace
}  // namespace rp
