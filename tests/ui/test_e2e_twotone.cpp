// 2-Tone entries made in the editor as a user makes them, a channel pointed at one, saved,
// written into the simulated radio through the real serial port and read back: the editor shows
// the same values.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "PtyHarness.h"
#include "UserRound.h"
#include "model/DataChanged.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "kit/DialogKit.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"
#include "signalling/Frm2Tone.h"

namespace rp {
namespace {

// Everything the editor shows, one text per control.
QStringList Shown(Frm2Tone& d) {
    QStringList out;
    for (int r = 1; r <= kTwoToneListRows; ++r)
        for (int c = 1; c <= 3; ++c) out << d.MSHFlexGrid1->TextMatrix(r, c);
    for (auto* t : d.Text2) out << t->text() + (t->isEnabled() ? "+" : "-");
    for (auto* c : d.Combo1) out << c->currentText();
    for (auto* c : d.Combo2) out << c->currentText();
    out << QString::number(kit::CheckValue(d.Check1));
    for (int k = 0; k < kTwoToneDecodeTabs; ++k)
        out << d.Text4[k]->text() << d.Text5[k]->text() << d.Combo3[k]->currentText() << d.Text6[k]->text()
            << QString::number(kit::CheckValue(d.Check2[k]));
    return out;
}

// Runs `act` on the editor once the menu command has opened it.
void WithEditor(frmMain& w, const std::function<void(Frm2Tone&)>& act) {
    ASSERT_TRUE(test::RunModal<Frm2Tone>([&] { w.MenuAction("MnuView2Tone")->trigger(); }, act));
}

// What the editor shows, opened by its menu command and left with Cancel.
QStringList ShownByEditor(frmMain& w) {
    QStringList shown;
    WithEditor(w, [&](Frm2Tone& d) {
        shown = Shown(d);
        d.CommandCancel->click();
    });
    return shown;
}

TEST(EndToEnd, TwoToneEntriesSurviveSaveWriteAndReadBack) {
    test::SimRadioRound round;
    ASSERT_NO_FATAL_FAILURE(round.ExpectReady());
    AppState& st = round.st;
    st.ChannelTable[0] = test::MakeChannel(1, "145.5");
    st.CurRadioData.ChannelCount = 1;
    frmMain w(st, round.settings.Make());
    w.show();

    WithEditor(w, [&](Frm2Tone& d) {
        // Five rows typed through the grid's editors: first tone, Enter, second tone, Enter,
        // name, Enter, and on to the next row.
        const char* rows[5][3] = {{"1000", "1500", "ONE"},  {"321.7", "", "TWO"},  {"288", "3116", "THREE"},
                                  {"2000.5", "999.9", "4"}, {"700", "800", "FIVE55"}};
        d.MSHFlexGrid1->SetCell(1, 1);
        d.MSHFlexGrid1_Click();
        for (const auto& r : rows) {
            QTest::keyClicks(d.Text1, r[0]);
            QTest::keyClick(d.Text1, Qt::Key_Return);
            QTest::keyClicks(d.Text1, r[1]);
            QTest::keyClick(d.Text1, Qt::Key_Return);
            QTest::keyClicks(d.Text3, r[2]);
            QTest::keyClick(d.Text3, Qt::Key_Return);
        }
        d.Combo2[0]->setCurrentIndex(9);  // D-A
        emit d.Combo2[0]->activated(9);
        kit::SetText(d.Text2[3], "1234.5");
        d.Combo1[3]->setCurrentIndex(7);
        d.Check1->click();
        if (d.Check2[2]->isChecked()) d.Check2[2]->click();
        d.Check2[2]->click();
        kit::SetText(d.Text4[2], "1100.0");
        kit::SetText(d.Text5[2], "1300.0");
        kit::SetText(d.Text6[2], "DEC3");
        d.Combo3[2]->setCurrentIndex(2);
        d.CommandOK->click();
    });
    const TwoToneData& t = st.CurRadioData.Signal.TwoTone;
    ASSERT_EQ(t.List[4].EmptyFlag, 0);
    ASSERT_EQ(t.List[5].EmptyFlag == 0 && t.List[5].FirstDividerLow + t.List[5].FirstDividerHigh > 0, false);
    st.ChannelTable[0].SignalType = 2;
    st.ChannelTable[0].TwoToneNo = 3;
    st.ChannelTable[0].TwoToneDecodeNo = 2;
    w.ReShowListByData();
    const QStringList made = ShownByEditor(w);
    ASSERT_FALSE(made.isEmpty());
    EXPECT_EQ(made[0], "1000.0");
    EXPECT_EQ(made[5], "TWO");
    EXPECT_EQ(made[4], "");
    EXPECT_EQ(made[12], "700.0");

    test::SaveAs(w, round.dir.filePath("twotone"));
    EXPECT_FALSE(IsDataChanged(st));
    ASSERT_NO_FATAL_FAILURE(test::WriteToRadio(st, w));
    // What the read brings back must come from the radio, not from what is still here.
    st.CurRadioData.Signal.TwoTone = TwoToneData{};
    st.ChannelTable[0].TwoToneNo = 0;
    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w));
    EXPECT_EQ(st.ChannelTable[0].SignalType, 2);
    EXPECT_EQ(st.ChannelTable[0].TwoToneNo, 3);
    EXPECT_EQ(st.ChannelTable[0].TwoToneDecodeNo, 2);
    test::ExpectSameShown(ShownByEditor(w), made);
    test::CloseWithoutSaving(w);
}

}  // namespace
}  // namespace rp
