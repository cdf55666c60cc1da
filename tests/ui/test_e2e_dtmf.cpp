// DTMF codes, kill and stun codes and settings made in the dialog as a user makes them, written
// into the simulated radio through the real serial port and read back: the dialog shows the same.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "PtyHarness.h"
#include "UserRound.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"
#include "signalling/FrmDTMF.h"

namespace rp {
namespace {

// What the dialog shows of the values the radio keeps.
QStringList Shown(FrmDTMF& d) {
    QStringList out;
    for (auto* t : d.Text2) out << t->text();
    out << d.Text3->text();
    for (int i = 5; i < kDTMFLists; ++i) out << d.Combo1[i]->currentText();
    out << QString::number(kit::CheckValue(d.Check1));
    return out;
}

void WithDialog(frmMain& w, const std::function<void(FrmDTMF&)>& act) {
    ASSERT_TRUE(test::RunModal<FrmDTMF>([&] { w.MenuAction("MnuViewDTMF")->trigger(); }, act));
}

// What the dialog shows, opened by its menu command and left with Cancel.
QStringList ShownByDialog(frmMain& w) {
    QStringList shown;
    WithDialog(w, [&](FrmDTMF& d) {
        shown = Shown(d);
        d.CommandCancel->click();
    });
    return shown;
}

TEST(EndToEnd, DTMFCodesSurviveAWriteToTheSimulatedRadioAndAReadBack) {
    test::SimRadioRound round;
    ASSERT_NO_FATAL_FAILURE(round.ExpectReady());
    AppState& st = round.st;
    frmMain w(st, round.settings.Make());
    w.show();

    using test::Pick;
    WithDialog(w, [&](FrmDTMF& d) {
        d.Text3->setFocus(Qt::TabFocusReason);
        kit::SetText(d.Text3, "");
        QTest::keyClicks(d.Text3, "42");
        d.Text2[0]->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClicks(d.Text2[0], "12*#abcd");
        QTest::keyClicks(d.Text2[15], "0123456789ABCD*#01234567");
        QTest::keyClicks(d.Text2[16], "#9");
        QTest::keyClicks(d.Text2[kDTMFKillBox], "420");  // the own ID: moves to 421
        QTest::keyClicks(d.Text2[kDTMFStunBox], "421");  // then past the kill code: 422
        Pick(d.Combo1[6], 3);
        Pick(d.Combo1[7], 2);
        Pick(d.Combo1[8], 250);
        Pick(d.Combo1[9], 0);
        Pick(d.Combo1[10], 17);
        Pick(d.Combo1[12], 71);
        d.Check1->click();
        d.CommandOK->click();
    });
    const DTMFData& rec = st.CurRadioData.Signal.DTMF;
    EXPECT_EQ(rec.OwnId.Str(), "420");
    EXPECT_EQ(rec.KillCode.Code.Trimmed(), "421");
    EXPECT_EQ(rec.StunCode.Code.Trimmed(), "422");
    const QStringList made = ShownByDialog(w);
    ASSERT_FALSE(made.isEmpty());
    EXPECT_EQ(made[0], "12*#ABCD");
    EXPECT_EQ(made[18], "421");
    ASSERT_NO_FATAL_FAILURE(test::WriteToRadio(st, w));
    // What the read brings back must come from the radio.
    st.CurRadioData.Signal.DTMF = DTMFData{};
    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w));
    test::ExpectSameShown(ShownByDialog(w), made);
    test::CloseWithoutSaving(w);
}

}  // namespace
}  // namespace rp
