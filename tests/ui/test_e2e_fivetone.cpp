// Five-tone codes, a user tone set, a composed message code and kill / wake-up codes made in the
// editor as a user makes them: through the grid's in-place editors and the editor's own dialogs,
// saved, written into the simulated radio and read back, or opened again from the file. The
// editor then shows every value it showed before.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "PtyHarness.h"
#include "UserRound.h"
#include "channels/FrmCHEdit.h"
#include "comm/CommImage.h"
#include "fivetone/Frm5Tone.h"
#include "fivetone/Frm5ToneDefTS.h"
#include "fivetone/FrmSpecial.h"
#include "model/DataChanged.h"
#include "mappings/FiveTone.h"
#include "model/FiveToneStandards.h"
#include "kit/DialogKit.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

using test::ExpectSameShown;
using test::Pick;
using test::RunModal;

// A click on a cell of the editor's code grid, where the user would click.
void ClickCell(Frm5Tone& d, int row, int col) {
    FlexGrid* g = d.MSHFlexGrid1;
    const QRect cell = g->CellRect(row, col);
    ASSERT_TRUE(g->viewport()->rect().contains(cell.center())) << "row " << row << " col " << col;
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
}

void Keys(QWidget* w, Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) QTest::keyClick(w, key);
}

// A box entered and typed over, as after a click into it.
void Retype(QLineEdit* e, const QString& text) {
    e->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();  // the box selects its text on entry
    e->selectAll();
    QTest::keyClicks(e, text);
}

// The sixteen boxes of the user tone set, read through its button and left with Cancel.
QStringList UserTones(Frm5Tone& d) {
    QStringList out;
    EXPECT_TRUE(RunModal<Frm5ToneDefTS>([&] { d.Command4->click(); },
                                        [&](Frm5ToneDefTS& u) {
                                            for (auto* t : u.Text1) out << t->text();
                                            u.CommandCancel->click();
                                        }));
    return out;
}

// Everything the editor shows: the grid, the system settings, the PTT-ID codes, each of the
// eight information codes and the user tone set.
QStringList Shown(Frm5Tone& d) {
    QStringList out;
    for (int r = 1; r <= kFiveToneRows; ++r)
        for (int c = 1; c <= 5; ++c) out << d.MSHFlexGrid1->TextMatrix(r, c);
    out << d.Text2->text() << QString::number(kit::CheckValue(d.Check1));
    for (int i = 1; i <= 12; ++i) out << d.Combo1[i]->currentText();
    for (int i = 0; i < 2; ++i) out << d.Text4[i]->text() << d.Combo4[i]->currentText() << d.Combo5[i]->currentText();
    for (int n = 0; n < 8; ++n) {
        Pick(d.Combo6, n);
        out << d.Frame2->title() << d.Combo7[0]->currentText() << d.Combo7[1]->currentText() << d.Text5->text()
            << d.Text7->text();
    }
    out << UserTones(d);
    return out;
}

void WithEditor(frmMain& w, const std::function<void(Frm5Tone&)>& act) {
    ASSERT_TRUE(RunModal<Frm5Tone>([&] { w.MenuAction("MnuView5Tone")->trigger(); }, act));
}

QStringList ShownByEditor(frmMain& w) {
    QStringList shown;
    WithEditor(w, [&](Frm5Tone& d) {
        shown = Shown(d);
        d.CommandCANCEL->click();
    });
    return shown;
}

TEST(EndToEnd, FiveToneCodesSurviveSaveWriteAndReadBack) {
    test::SimRadioRound round;
    ASSERT_NO_FATAL_FAILURE(round.ExpectReady());
    AppState& st = round.st;
    st.ChannelTable[0] = test::MakeChannel(1, "145.5");
    st.CurRadioData.ChannelCount = 1;
    frmMain w(st, round.settings.Make());
    w.show();

    // Five codes, each with another standard, typed through the grid's editors: the code, Enter,
    // the standard chosen with the arrow keys, Enter, the period (one row changes it), Enter;
    // then the name cell clicked, the name, Enter.
    struct Row {
        const char* code;
        int standardSteps;
        int periodSteps;
        const char* name;
    };
    const Row rows[5] = {{"12345", 1, 5, "ONE"},
                         {"1123", 6, 0, "TWO"},
                         {"98765432", 9, 0, "THREE"},
                         {"ABCD0", 14, 0, "FOUR"},
                         {"2468024680", 11, 0, "FIVE"}};
    WithEditor(w, [&](Frm5Tone& d) {
        for (int k = 0; k < 5; ++k) {
            const int r = k + 1;
            ClickCell(d, r, 2);
            ASSERT_TRUE(kit::IsShown(d.Text3));
            QTest::keyClicks(d.Text3, rows[k].code);
            QTest::keyClick(d.Text3, Qt::Key_Return);
            ASSERT_TRUE(kit::IsShown(d.Combo2));
            Keys(d.Combo2, Qt::Key_Down, rows[k].standardSteps);
            QTest::keyClick(d.Combo2, Qt::Key_Return);
            ASSERT_TRUE(kit::IsShown(d.Combo3));
            Keys(d.Combo3, Qt::Key_Down, rows[k].periodSteps);
            QTest::keyClick(d.Combo3, Qt::Key_Return);
            ClickCell(d, r, 5);
            ASSERT_TRUE(kit::IsShown(d.Text6));
            QTest::keyClicks(d.Text6, rows[k].name);
            QTest::keyClick(d.Text6, Qt::Key_Return);
        }
        QTest::mouseClick(d.CommandOK, Qt::LeftButton);
    });
    const FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
    const int standards[5] = {1, 6, 9, 14, 11};
    const int periods[5] = {75, 100, 40, 33, 70};
    const char* stored[5] = {"12345", "1E23", "98765432", "ABCD0", "2468024680"};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(ft.CodeRows[k].IsEmpty, 0);
        EXPECT_EQ(ft.CodeRows[k].Code.Trimmed(), stored[k]);
        EXPECT_EQ(ft.CodeRows[k].Standard, standards[k]);
        EXPECT_EQ(ft.CodeRows[k].TonePeriod, periods[k]);
        EXPECT_EQ(ft.CodeRows[k].Name.Trimmed(), rows[k].name);
    }
    EXPECT_EQ(ft.CodeRows[5].IsEmpty, 1);

    // The channel's signalling pointed at the fourth code (number 3) in the channel dialog.
    auto& g = *w.MSFlexGrid1[0];
    ASSERT_TRUE(test::EditChannelInDialog(w, 1, [&](FrmCHEdit& d) {
        Pick(d.Combo1[4], d.Combo1[4]->findText("5Tone"));
        ASSERT_FALSE(d.Combo4[2]->isHidden());
        Pick(d.Combo4[2], d.Combo4[2]->findText("3"));
        d.CommandOK->click();
    }));
    EXPECT_EQ(st.ChannelTable[0].SignalType, 3);
    EXPECT_EQ(st.ChannelTable[0].FiveToneNo, 3);
    auto channelCell = [&] {
        for (int c = 1; c < g.Cols(); ++c)
            if (g.TextMatrix(1, c).startsWith("5tone")) return g.TextMatrix(1, c);
        return QString();
    };
    EXPECT_EQ(channelCell(), "5tone 3");

    const QStringList made = ShownByEditor(w);
    ASSERT_FALSE(made.isEmpty());
    EXPECT_EQ(made[5 * 3 + 1], "ABCD0");
    EXPECT_EQ(made[5 * 3 + 2], "EIA");
    EXPECT_EQ(made[5 * 1 + 1], "1E23");

    test::SaveAs(w, round.dir.filePath("fivetone"));
    EXPECT_FALSE(IsDataChanged(st));
    ASSERT_NO_FATAL_FAILURE(test::WriteToRadio(st, w));
    // The radio's memory holds the codes and the channel's pointer.
    {
        const auto memory = test::WaitForDump(round.dumpPath);
        ASSERT_EQ(memory.size(), 0x4000u);
        AppState inRadio;
        test::DecodeRadioMemory(memory, inRadio);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(inRadio.CurRadioData.Signal.FiveTone.CodeRows[k], ft.CodeRows[k]) << k;
        EXPECT_EQ(inRadio.CurRadioData.Signal.FiveTone.CodeRows[5].IsEmpty, 1);
        EXPECT_EQ(inRadio.ChannelTable[0].SignalType, 3);
        EXPECT_EQ(inRadio.ChannelTable[0].FiveToneNo, 3);
    }

    // What the read brings back must come from the radio, not from what is still here.
    st.CurRadioData.Signal.FiveTone = FiveToneData{};
    st.ChannelTable[0].SignalType = 0;
    st.ChannelTable[0].FiveToneNo = 0;
    w.ReShowListByData();
    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w));
    EXPECT_EQ(st.ChannelTable[0].SignalType, 3);
    EXPECT_EQ(st.ChannelTable[0].FiveToneNo, 3);
    EXPECT_EQ(channelCell(), "5tone 3");
    ExpectSameShown(ShownByEditor(w), made);
    test::CloseWithoutSaving(w);
}

TEST(EndToEnd, FiveToneUserTonesSpecialAndInformationCodesSurviveSaveAndOpen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AppState st;
    test::PrepareUserRound(st);
    // A row the radio keeps on the user tone set; no standard list names it.
    FiveToneCodeRec& userRow = st.CurRadioData.Signal.FiveTone.CodeRows[7];
    userRow.IsEmpty = 0;
    userRow.Code = "13579";
    userRow.CodeLength = 5;
    userRow.Standard = kUserToneStandard;
    userRow.TonePeriod = 60;
    userRow.Name = "MINE";
    test::TempSettings settings;
    ScopedMsgBoxScript answers([](const ScopedMsgBoxScript::Shown& m) {
        return m.Style == MsgStyle::ExclamationYesNoCancel ? MsgButton::No : MsgButton::Ok;
    });
    frmMain w(st, settings.Make());
    w.show();

    const QStringList tones = {"300.25", "300.75", "288.4",  "3106.1", "1000",   "697.5",  "770",   "852",
                               "941",    "1209",   "1336.5", "1477",   "1633.0", "2000.5", "288.5", "3106.0"};
    QString viewOfUserRow;
    WithEditor(w, [&](Frm5Tone& d) {
        // The user tone set: every box typed, Enter moving on; OK clicked from the last box.
        ASSERT_TRUE(RunModal<Frm5ToneDefTS>([&] { d.Command4->click(); },
                                            [&](Frm5ToneDefTS& u) {
                                                for (int i = 0; i < 16; ++i) {
                                                    Retype(u.Text1[i], tones[i]);
                                                    if (i < 15) QTest::keyClick(u.Text1[i], Qt::Key_Return);
                                                }
                                                QTest::mouseClick(u.CommandOK, Qt::LeftButton);
                                            }));
        // The row on the user tone set: its standard cell offers no name and the view shows the
        // tones just defined.
        ClickCell(d, 8, 3);
        ASSERT_TRUE(kit::IsShown(d.Combo2));
        EXPECT_EQ(d.Combo2->currentIndex(), -1);
        viewOfUserRow = d.Text1->toPlainText();

        // A message code composed for row number 2, given a standard of its own.
        ClickCell(d, 3, 4);
        ASSERT_TRUE(RunModal<FrmSpecial>([&] { QTest::mouseClick(d.Command1, Qt::LeftButton); },
                                         [&](FrmSpecial& s) {
                                             EXPECT_EQ(s.Combo1[0]->currentText(), "2");
                                             ASSERT_FALSE(s.Frame2->isHidden());
                                             Retype(s.Text1[0], "67890");
                                             Retype(s.Text2, "HELLO");
                                             QTest::mouseClick(s.CommandOK, Qt::LeftButton);
                                         }));
        ClickCell(d, 3, 3);
        ASSERT_TRUE(kit::IsShown(d.Combo2));
        Keys(d.Combo2, Qt::Key_Down, 6);
        QTest::keyClick(d.Combo2, Qt::Key_Return);

        // A kill code in information code 1 and a wake-up code in information code 2.
        Pick(d.Combo7[0], 3);
        Retype(d.Text5, "11223");
        Retype(d.Text7, "KILL");
        Pick(d.Combo6, 1);
        Pick(d.Combo7[0], 5);
        Retype(d.Text5, "44556");
        Retype(d.Text7, "WAKE");
        QTest::mouseClick(d.CommandOK, Qt::LeftButton);
    });
    for (const auto& m : answers.Messages()) ADD_FAILURE() << "message: " << m.Text.toStdString();
    const FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
    const std::int16_t stored[16] = {3002,  3008,  2885,  31060, 10000, 6975,  7700,  8520,
                                     9410,  12090, 13365, 14770, 16330, 20005, 2885,  31060};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(ft.UserToneSet[i], stored[i]) << "tone " << i;
    EXPECT_TRUE(viewOfUserRow.contains("300.2")) << viewOfUserRow.toStdString();
    EXPECT_EQ(ft.CodeRows[7].Standard, kUserToneStandard);
    EXPECT_EQ(ft.CodeRows[7].TonePeriod, 60);
    EXPECT_EQ(ft.CodeRows[2].IsEmpty, 0);
    EXPECT_EQ(ft.CodeRows[2].Code.Trimmed(), "E167890E48454C4C4F");
    EXPECT_EQ(ft.CodeRows[2].Standard, 6);
    EXPECT_EQ(ft.InfoCodes[0].InfoFunction, 3);
    EXPECT_EQ(ft.InfoCodes[0].Code.Trimmed(), "11223");
    EXPECT_EQ(ft.InfoCodes[0].Name.Trimmed(), "KILL");
    EXPECT_EQ(ft.InfoCodes[1].InfoFunction, 5);
    EXPECT_EQ(ft.InfoCodes[1].Code.Trimmed(), "44556");
    const QStringList made = ShownByEditor(w);

    const QString path = dir.filePath("fivetone.dat");
    {
        ScopedFileDialogScript names({path});
        w.mnuFileSave_Click();
    }
    ASSERT_TRUE(QFile::exists(path));
    NewData(st);
    w.ReShowListByData();
    ASSERT_NE(ShownByEditor(w), made);
    {
        ScopedFileDialogScript names({path});
        w.mnuFileOpen_Click();
    }
    ASSERT_EQ(st.DataFileName, path.toStdString());
    ExpectSameShown(ShownByEditor(w), made);
    WithEditor(w, [&](Frm5Tone& d) {
        ClickCell(d, 8, 3);
        EXPECT_EQ(d.Text1->toPlainText(), viewOfUserRow);
        d.CommandCANCEL->click();
    });
}

}  // namespace
}  // namespace rp
