#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "MainFixture.h"
#include "model/Banks.h"
#include "model/ChannelOps.h"
#include "kit/GridAdapter.h"
#include "kit/FileDialogs.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

using namespace rp;
using namespace rp::test;

namespace {

void Key(QObject* to, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(to, &release);
}

void Type(QObject* to, const QString& s) {
    for (QChar c : s) Key(to, c.isDigit() ? Qt::Key_0 + c.digitValue() : (c == '.' ? Qt::Key_Period : Qt::Key_A), Qt::NoModifier, c);
}

struct EditTest : ::testing::Test {
    AppState st;
    TempSettings settings;
    std::unique_ptr<frmMain> w;
    std::unique_ptr<ScopedMsgBoxScript> msgs = std::make_unique<ScopedMsgBoxScript>(MsgButton::Ok);

    void SetUp() override {
        UseLanguage(st, 1);
        AddChannel(MakeChannel(1, "145.0"));
        AddChannel(MakeChannel(5, "146.5"));
    }
    void AddChannel(const ChannelData& c) {
        st.ChannelTable[st.CurRadioData.ChannelCount++] = c;
    }
    frmMain& Open() {
        w = std::make_unique<frmMain>(st, settings.Make());
        return *w;
    }
    FlexGrid& Grid(int i) { return *w->MSFlexGrid1[i]; }
    QString Cell(int r, int c) { return Grid(0).TextMatrix(r, c); }
    void DblClick(int r, int c) {
        Grid(0).SetCell(r, c);
        w->MSFlexGrid1_DblClick(0);
    }
    const ChannelData* Ch(int no) {
        const int i = FindFreIndex(st, no);
        return i >= 0 ? &st.ChannelTable[i] : nullptr;
    }
    QStringList Messages() {
        QStringList l;
        for (const auto& m : msgs->Messages()) l << m.Text;
        return l;
    }
    QWidget* OpenEditor() {
        for (QWidget* e : std::initializer_list<QWidget*>{
                 w->TextFreRx, w->TextFreTx, w->TextName, w->ComboStep, w->ComboWN, w->ComboPower,
                 w->ComboDe_CTC_Type, w->ComboDe_CTCSS, w->ComboDe_CDCSS, w->ComboEn_CTC_Type,
                 w->ComboEn_CTCSS, w->ComboEn_CDCSS, w->ComboOptSig, w->ListBank})
            if (!e->isHidden()) return e;
        return nullptr;
    }
};

TEST_F(EditTest, EachColumnOpensItsEditor) {
    Open();
    w->resize(1200, 800);
    w->show();
    QApplication::processEvents();
    const std::pair<int, QWidget*> expect[] = {
        {1, w->TextFreRx}, {2, w->TextFreTx}, {3, w->TextName}, {4, w->ComboStep},
        {5, w->ComboWN},   {6, w->ListBank},  {7, w->ComboPower}, {8, w->ComboDe_CTC_Type},
        {9, w->ComboEn_CTC_Type}, {10, w->ComboOptSig}};
    for (auto [col, editor] : expect) {
        DblClick(5, col);
        EXPECT_EQ(OpenEditor(), editor) << col;
        EXPECT_EQ(editor->parentWidget(), Grid(0).viewport()) << col;
        EXPECT_EQ(editor->geometry().topLeft(), Grid(0).CellRect(5, col).topLeft()) << col;
        EXPECT_EQ(w->ChEditCol, col);
    }
    // Header row and fixed column open nothing; Enter on the grid opens like a double click.
    w->SaveOldData();
    EXPECT_EQ(OpenEditor(), nullptr);
    Grid(0).SetCell(5, 3);
    Key(&Grid(0), Qt::Key_Return);
    EXPECT_EQ(OpenEditor(), w->TextName);
    EXPECT_EQ(w->TextName->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(EditTest, PowerOnAnEmptyRowOpensTheRxEditor) {
    Open();
    DblClick(9, 7);
    EXPECT_EQ(OpenEditor(), w->TextFreRx);
    EXPECT_EQ(Grid(0).Col(), 1);
    EXPECT_EQ(w->ChEditCol, 1);
    EXPECT_EQ(w->ChEditRow, 9);
}

TEST_F(EditTest, NoBankListForFurtherChannels) {
    AddChannel(MakeChannel(201, "145.2"));
    Open();
    DblClick(201, 6);
    EXPECT_EQ(OpenEditor(), nullptr);
    DblClick(201, 7);
    EXPECT_EQ(OpenEditor(), w->ComboPower);
}

TEST_F(EditTest, ChannelDialogFromColumn11) {
    Open();
    int shown = 0;
    w->ShowChannelDialog = [&](frmMain& m) { shown = m.State().CurChannelNo; };
    DblClick(5, 11);
    EXPECT_EQ(shown, 5);
    EXPECT_EQ(OpenEditor(), nullptr);
}

TEST_F(EditTest, FrequencyCellRefusesForeignText) {
    Open();
    DblClick(5, 1);
    QLineEdit* e = w->TextFreRx;
    e->setText("146.5");
    e->end(false);
    Type(e, "a");
    EXPECT_EQ(e->text(), "146.5");
    Type(e, "2");
    EXPECT_EQ(e->text(), "146.52");

    QApplication::clipboard()->setText("abc");
    Key(e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e->text(), "146.52");
    e->paste();  // the input path that bypasses keys
    EXPECT_EQ(e->text(), "146.52");

    QMimeData mime;
    mime.setText("x1");
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(e, &drop);
    EXPECT_EQ(e->text(), "146.52");

    QInputMethodEvent im;
    im.setCommitString("z");
    QApplication::sendEvent(e, &im);
    EXPECT_EQ(e->text(), "146.52");

    DblClick(5, 3);
    Type(w->TextName, "~");
    EXPECT_TRUE(w->TextName->text().indexOf('~') < 0);
    w->TextName->setText("");
    w->TextName->insert("A\\B");
    EXPECT_EQ(w->TextName->text(), "");
}

TEST_F(EditTest, OpeningAListEditorChangesNothing) {
    st.ChannelTable[1].Bandwidth = 1;
    st.ChannelTable[1].SignalType = 1;
    st.ChannelTable[1].DTMFMemoryNo = 0;
    Open();
    const ChannelArray before = st.ChannelTable;
    DblClick(5, 5);
    EXPECT_EQ(w->ComboWN->currentText(), "12.5KHz");
    DblClick(5, 10);
    EXPECT_EQ(w->ComboOptSig->currentText(), "DTMF");
    DblClick(5, 8);
    DblClick(5, 4);
    w->SaveOldData();
    EXPECT_EQ(st.ChannelTable, before);
    EXPECT_EQ(Cell(5, 5), "12.5K");
    EXPECT_EQ(Cell(5, 10), "DTMF M1");
}

TEST_F(EditTest, ListChoiceWritesAndRedraws) {
    Open();
    DblClick(5, 7);
    emit w->ComboPower->activated(1);
    EXPECT_EQ(Ch(5)->Power, 1);
    EXPECT_EQ(Cell(5, 7), QString::fromStdString(st.LangText(1205)));
    DblClick(5, 10);
    emit w->ComboOptSig->activated(2);
    EXPECT_EQ(Ch(5)->SignalType, 2);
}

TEST_F(EditTest, ToneKindSwapsToItsListInTheSameCell) {
    st.ChannelTable[1].DecCTCSSIndex = 13;
    st.ChannelTable[1].DecDCSCode = 19;
    st.ChannelTable[1].DecDCSInvert = 1;
    Open();
    DblClick(5, 8);
    const QRect cell = w->ComboDe_CTC_Type->geometry();
    w->ComboDe_CTC_Type->setCurrentIndex(1);
    emit w->ComboDe_CTC_Type->activated(1);
    EXPECT_EQ(Ch(5)->DecToneType, 1);
    EXPECT_TRUE(w->ComboDe_CTC_Type->isHidden());
    EXPECT_FALSE(w->ComboDe_CTCSS->isHidden());
    EXPECT_EQ(w->ComboDe_CTCSS->geometry().topLeft(), cell.topLeft());
    EXPECT_EQ(w->ComboDe_CTCSS->currentText(), "100.0");
    EXPECT_EQ(Cell(5, 8), "100.0");
    emit w->ComboDe_CTCSS->activated(0);
    EXPECT_EQ(Ch(5)->DecCTCSSIndex, 0);

    // Enter on the kind combo opens the DCS list on the channel's code.
    DblClick(5, 8);
    w->ComboDe_CTC_Type->setCurrentIndex(2);
    emit w->ComboDe_CTC_Type->activated(2);
    EXPECT_EQ(w->ComboDe_CDCSS->currentText(), "D023I");
    EXPECT_EQ(Cell(5, 8), "D023I");
    DblClick(5, 8);
    EXPECT_EQ(w->ComboDe_CTC_Type->currentIndex(), 2);
    Key(w->ComboDe_CTC_Type, Qt::Key_Return);
    EXPECT_FALSE(w->ComboDe_CDCSS->isHidden());

    // "Off" keeps the kind combo where it is.
    DblClick(5, 9);
    emit w->ComboEn_CTC_Type->activated(0);
    EXPECT_FALSE(w->ComboEn_CTC_Type->isHidden());
}

TEST_F(EditTest, FullBankUnticksAgain) {
    for (int p = 0; p < kBankPlaces; ++p) st.CurRadioData.BankTable[2][p] = static_cast<std::int16_t>(100 + p);
    Open();
    DblClick(5, 6);
    auto* item = w->ListBank->item(2);
    item->setCheckState(Qt::Checked);
    EXPECT_EQ(item->checkState(), Qt::Unchecked);
    EXPECT_FALSE(CanAddToBank(st, 5, 3));
    EXPECT_TRUE(Messages().isEmpty());
    w->ListBank->item(7)->setCheckState(Qt::Checked);
    EXPECT_TRUE(Cell(5, 6).contains('8'));
    w->ListBank->item(7)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(Cell(5, 6).contains('8'));
}

TEST_F(EditTest, BankListEndsWithTheGrid) {
    for (int n = 150; n <= 200; ++n) AddChannel(MakeChannel(n, "145.5"));
    Open();
    w->resize(900, 500);
    w->show();
    // Row 200 as the last row in view: its list cannot open downward.
    Grid(0).scrollTo(Grid(0).model()->index(199, 5), QAbstractItemView::PositionAtBottom);
    QApplication::processEvents();
    DblClick(200, 6);
    ASSERT_EQ(OpenEditor(), w->ListBank);
    const int vp = Grid(0).viewport()->height();
    ASSERT_GT(Grid(0).CellRect(200, 6).top() + w->ListBank->height(), vp);
    EXPECT_EQ(w->ListBank->y() + w->ListBank->height(), vp);
    // Higher up it opens on its cell.
    int row = 200;
    while (Grid(0).CellRect(row, 6).top() + w->ListBank->height() > vp) --row;
    DblClick(row, 6);
    EXPECT_EQ(w->ListBank->y(), Grid(0).CellRect(row, 6).top());
}

TEST_F(EditTest, FrequencyTypedIntoEmptyRowMakesNewChannel) {
    Open();
    DblClick(12, 1);
    w->TextFreRx->setText("145.5");
    Key(w->TextFreRx, Qt::Key_Return);
    EXPECT_TRUE(w->TextFreRx->isHidden());
    const ChannelData* c = Ch(12);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->RxFreq.Str(), "014550000");
    EXPECT_EQ(c->CustomCTCSS, 1511);
    EXPECT_EQ(c->SquelchLevel, 3);
    EXPECT_EQ(st.CurRadioData.ChannelCount, 3);
    EXPECT_EQ(Cell(12, 1), "145.50000");
    EXPECT_EQ(Cell(12, 2), "145.50000");
    EXPECT_EQ(Cell(12, 4), "2.5K");
    EXPECT_EQ(Cell(12, 5), "25K");
    EXPECT_EQ(Cell(12, 7), QString::fromStdString(st.LangText(1204)));
    for (int col : {8, 9, 10}) EXPECT_EQ(Cell(12, col), QString::fromStdString(st.LangText(1206)));
    EXPECT_FALSE(Cell(12, 6).isEmpty());  // its default bank
    EXPECT_TRUE(Messages().isEmpty());

    // Out of band: nearest limit and text 2001.
    DblClick(13, 1);
    w->TextFreRx->setText("900");
    w->SaveOldData();
    EXPECT_EQ(Messages(), QStringList{QString::fromStdString(st.LangText(2001))});
}

TEST_F(EditTest, RxTextRules) {
    Open();
    // Not a number: refused, the channel stays, its row is redrawn, and the message says so
    // rather than claiming a nearest value was set.
    DblClick(5, 1);
    w->TextFreRx->setText("..");
    w->SaveOldData();
    ASSERT_NE(Ch(5), nullptr);
    EXPECT_EQ(Cell(5, 1), "146.50000");
    EXPECT_EQ(Messages(), QStringList{QString::fromStdString(st.LangText(2010))});
    EXPECT_FALSE(st.LangText(2010).empty());

    // Beyond any number 64 bits hold: the nearest band limit, as for smaller ones.
    DblClick(5, 1);
    w->TextFreRx->setText("99999999999999999999");
    w->SaveOldData();
    EXPECT_EQ(Cell(5, 1), "480.00000");
    EXPECT_EQ(Messages().last(), QString::fromStdString(st.LangText(2001)));

    // Empty: deleted while another normal channel is left.
    DblClick(5, 1);
    w->TextFreRx->setText("");
    w->SaveOldData();
    EXPECT_EQ(Ch(5), nullptr);
    for (int c = 1; c <= 10; ++c) EXPECT_TRUE(Cell(5, c).isEmpty());

    // The last normal channel stays.
    DblClick(1, 1);
    w->TextFreRx->setText("");
    w->SaveOldData();
    EXPECT_NE(Ch(1), nullptr);
    EXPECT_EQ(Messages().last(), "Must retain the one channels!");
    EXPECT_EQ(Cell(1, 1), "145.00000");
}

TEST_F(EditTest, EmptyingPl1KeepsIt) {
    AddChannel(MakeChannel(201, "145.2"));
    Open();
    DblClick(201, 1);
    w->TextFreRx->setText("");
    w->SaveOldData();
    EXPECT_NE(Ch(201), nullptr);
    EXPECT_EQ(Cell(201, 1), "145.20000");
}

TEST_F(EditTest, TransmitAndNameCommit) {
    Open();
    DblClick(5, 2);
    w->TextFreTx->setText("151.5");
    Key(w->TextFreTx, Qt::Key_Return);
    EXPECT_EQ(Cell(5, 2), "151.50000");
    EXPECT_EQ(Ch(5)->Shift, 2);
    DblClick(5, 3);
    w->TextName->setText("HOME");
    w->SaveOldData();
    EXPECT_EQ(Cell(5, 3), "HOME");
    EXPECT_EQ(Ch(5)->Name.Trimmed(), "HOME");
}

TEST_F(EditTest, EditChannelRightAfterStartWorksOnRowOneColumnOne) {
    Open();
    EXPECT_EQ(Grid(0).Row(), 1);
    EXPECT_EQ(Grid(0).Col(), 1);
    EXPECT_EQ(OpenEditor(), nullptr);
    w->MenuAction("mnuEditCH")->trigger();
    EXPECT_EQ(OpenEditor(), w->TextFreRx);
    EXPECT_EQ(w->ChEditRow, 1);
    EXPECT_EQ(w->TextFreRx->text(), Cell(1, 1));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(EditTest, BroadcastRadioEntries) {
    auto& fm = st.CurRadioData.FMRadioList;
    for (auto& e : fm) e.Frequency = "        ";
    const auto entry = [](int n, const char* f) {
        FMRadioEntry e;
        e.Number = static_cast<std::int16_t>(n);
        e.Valid = 1;
        e.Frequency = f;
        return e;
    };
    fm[0] = entry(1, "00876000");
    fm[1] = entry(2, "00900000");
    fm[100] = entry(101, "01000000");
    st.CurRadioData.Signal.Option.RadioChannel = 1;
    Open();
    w->ShowGridType(2);
    auto& g = Grid(2);

    // The VFO entry cannot be cleared; the cell shows the data again.
    g.SetCell(101, 1);
    EXPECT_FALSE(w->Text2->isHidden());
    w->Text2->setText("");
    g.SetCell(1, 1);
    EXPECT_EQ(Messages(), QStringList{"VFO can't be null!"});
    EXPECT_EQ(g.TextMatrix(101, 1), "100.0000");
    EXPECT_EQ(fm[100].Valid, 1);

    // Clearing the entry the radio points at moves the pointer to the first valid one.
    g.SetCell(2, 1);
    w->Text2->setText("");
    Key(w->Text2, Qt::Key_Return);
    EXPECT_EQ(fm[1].Valid, 0);
    EXPECT_EQ(st.CurRadioData.Signal.Option.RadioChannel, 0);
    EXPECT_EQ(g.TextMatrix(1, 0), ">>1");
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(w->RadioEditRow, 3);

    // A new entry, checked against the band.
    w->Text2->setText("98.5");
    g.SetCell(4, 1);
    EXPECT_EQ(fm[2].Frequency.Str(), "00985000");
    EXPECT_EQ(fm[2].Valid, 1);
    EXPECT_EQ(g.TextMatrix(3, 1), "98.5000");

    // Enter after the last entry wraps to the first.
    g.SetCell(101, 1);
    Key(w->Text2, Qt::Key_Return);
    EXPECT_EQ(g.Row(), 1);
}

TEST_F(EditTest, AmEntries) {
    st.CurRadioData.AMList[0] = "120.0000";
    st.CurRadioData.AMList[4] = "125.0000";
    st.CurRadioData.OptionBytesA[3] = 0;
    Open();
    w->ShowGridType(3);
    auto& g = Grid(3);
    g.SetCell(1, 1);
    w->Text3->setText("");
    g.SetCell(2, 1);
    EXPECT_EQ(st.CurRadioData.AMList[0].Trimmed(), "");
    EXPECT_EQ(st.CurRadioData.OptionBytesA[3], 4);
    w->Text3->setText("200");
    g.SetCell(3, 1);
    EXPECT_EQ(st.CurRadioData.AMList[1].Trimmed(), "136.0000");
    EXPECT_EQ(Messages().size(), 1);
}

// ---- Clipboard keys --------------------------------------------------------------------------

struct KeyStep {
    int grid;
    int row;
    int key;  // Qt::Key_C / X / V
};

struct ClipCase {
    const char* what;
    std::function<void(AppState&)> setup;
    std::vector<KeyStep> keys;
    std::function<void(AppState&, const QStringList&)> check;
};

TEST_F(EditTest, CopyCutPaste) {
    const auto only1 = [](AppState& s) {  // channel 1 alone, PL1 present
        s.CurRadioData.ChannelCount = 0;
        s.ChannelTable[s.CurRadioData.ChannelCount++] = MakeChannel(1, "145.0");
        s.ChannelTable[s.CurRadioData.ChannelCount++] = MakeChannel(201, "145.2");
    };
    const auto noOp = [](AppState&) {};
    const auto has = [](AppState& s, int n) { return FindFreIndex(s, n) >= 0; };
    const ClipCase cases[] = {
        {"paste before any copy does nothing", noOp, {{0, 9, Qt::Key_V}},
         [&](AppState& s, const QStringList&) { EXPECT_FALSE(has(s, 9)); EXPECT_EQ(s.CurRadioData.ChannelCount, 2); }},
        {"copy of an empty row, paste deletes", noOp, {{0, 9, Qt::Key_C}, {0, 5, Qt::Key_V}},
         [&](AppState& s, const QStringList&) { EXPECT_FALSE(has(s, 5)); EXPECT_TRUE(has(s, 1)); }},
        {"empty paste on the only normal channel", only1, {{0, 9, Qt::Key_C}, {0, 1, Qt::Key_V}},
         [&](AppState& s, const QStringList& m) { EXPECT_TRUE(has(s, 1)); EXPECT_EQ(m, QStringList{"Must retain the one channels!"}); }},
        {"cut of the only normal channel keeps it in the clipboard", only1, {{0, 1, Qt::Key_X}, {0, 7, Qt::Key_V}},
         [&](AppState& s, const QStringList& m) {
             EXPECT_TRUE(has(s, 1));
             EXPECT_TRUE(has(s, 7));
             EXPECT_EQ(m, QStringList{"Must retain the one channels!"});
         }},
        {"paste of 5 onto PL1", [&](AppState& s) { s.ChannelTable[s.CurRadioData.ChannelCount++] = MakeChannel(201, "145.2"); s.ChannelTable[1].Name = "FIVE"; },
         {{0, 5, Qt::Key_C}, {0, 201, Qt::Key_V}},
         [&](AppState& s, const QStringList&) {
             EXPECT_EQ(s.ChannelTable[2].ChannelNo, 201);
             EXPECT_EQ(s.ChannelTable[2].Name.Trimmed(), "FIVE");
             EXPECT_EQ(s.ChannelTable[2].RxFreq.Str(), "014650000");
             EXPECT_EQ(s.CurRadioData.ChannelCount, 3);
         }},
        {"paste onto an empty row appends", noOp, {{0, 1, Qt::Key_C}, {0, 3, Qt::Key_V}},
         [&](AppState& s, const QStringList&) { EXPECT_EQ(s.ChannelTable[2].ChannelNo, 3); EXPECT_EQ(s.CurRadioData.ChannelCount, 3); }},
        {"cut moves a channel", noOp, {{0, 5, Qt::Key_X}, {0, 8, Qt::Key_V}},
         [&](AppState& s, const QStringList&) { EXPECT_FALSE(has(s, 5)); EXPECT_TRUE(has(s, 8)); }},
        {"cut on PL1 copies only", [&](AppState& s) { s.ChannelTable[s.CurRadioData.ChannelCount++] = MakeChannel(201, "145.2"); },
         {{0, 201, Qt::Key_X}, {0, 9, Qt::Key_V}},
         [&](AppState& s, const QStringList&) { EXPECT_TRUE(has(s, 201)); EXPECT_TRUE(has(s, 9)); }},
        {"empty paste on VFO1 deletes nothing", [&](AppState& s) { s.ChannelTable[s.CurRadioData.ChannelCount++] = MakeChannel(205, "145.2"); },
         {{0, 9, Qt::Key_C}, {0, 205, Qt::Key_V}},
         [&](AppState& s, const QStringList& m) { EXPECT_TRUE(has(s, 205)); EXPECT_TRUE(m.isEmpty()); }},
        {"paste into a full table is refused",
         [&](AppState& s) {  // a table filled with duplicates leaves row 9 without a channel
             s.CurRadioData.ChannelCount = 0;
             for (int i = 0; i < kMaxChannels; ++i) s.ChannelTable[s.CurRadioData.ChannelCount++] = MakeChannel(i < 8 ? i + 1 : 150, "145.0");
         },
         {{0, 1, Qt::Key_C}, {0, 9, Qt::Key_V}},
         [&](AppState& s, const QStringList& m) {
             EXPECT_FALSE(has(s, 9));
             EXPECT_EQ(m, QStringList{QString::fromStdString(s.LangText(2009))});
         }},
        {"keys on the broadcast-radio grid do nothing", noOp, {{2, 1, Qt::Key_C}, {2, 5, Qt::Key_X}, {0, 9, Qt::Key_V}},
         [&](AppState& s, const QStringList&) { EXPECT_TRUE(has(s, 5)); EXPECT_FALSE(has(s, 9)); }},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        st = AppState();
        UseLanguage(st, 1);
        AddChannel(MakeChannel(1, "145.0"));
        AddChannel(MakeChannel(5, "146.5"));
        tc.setup(st);
        Open();
        msgs.reset();  // the old script must give its place back before the new one takes it
        msgs = std::make_unique<ScopedMsgBoxScript>(MsgButton::Ok);
        for (const auto& k : tc.keys) {
            Grid(k.grid).SetCell(k.row, 1);
            Key(&Grid(k.grid), k.key, Qt::ControlModifier);
        }
        tc.check(st, Messages());
        // The row under the keys shows the table.
        for (const auto& k : tc.keys) {
            if (k.grid != 0) continue;
            EXPECT_EQ(Cell(k.row, 1).isEmpty(), FindFreIndex(st, k.row) < 0) << k.row;
        }
    }
}

TEST_F(EditTest, CtrlWithShiftIsNotAClipboardKey) {
    Open();
    Grid(0).SetCell(5, 1);
    Key(&Grid(0), Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(Ch(5), nullptr);
    EXPECT_FALSE(st.GridCopyFlags[0]);
}

TEST_F(EditTest, CommandsCommitTheOpenEditor) {
    QTemporaryDir dir;
    st.ProgramDir = RP_RUNTIME_DIR;
    Open();
    DblClick(5, 1);
    w->TextFreRx->setText("147.25");
    {
        // New data: Save asks for a name first.
        ScopedFileDialogScript names({dir.filePath("typed.dat")});
        w->MenuAction("mnuFileSave")->trigger();
    }
    EXPECT_EQ(Ch(5)->RxFreq.Str(), "014725000");
    EXPECT_TRUE(w->TextFreRx->isHidden());
    ASSERT_TRUE(QFile::exists(dir.filePath("typed.dat")));
    const int saved = [&] {
        for (int i = 0; i < st.FileRadioData.ChannelCount; ++i)
            if (st.FileChannelTable[i].ChannelNo == 5) return i;
        return -1;
    }();
    ASSERT_GE(saved, 0);
    EXPECT_EQ(st.FileChannelTable[saved].RxFreq.Str(), "014725000");

    w->ShowGridType(2);
    Grid(2).SetCell(3, 1);
    w->Text2->setText("99.9");
    w->MenuAction("mnuEditCH")->trigger();
    EXPECT_EQ(st.CurRadioData.FMRadioList[2].Frequency.Str(), "00999000");

    DblClick(5, 3);
    w->TextName->setText("ABC");
    w->MenuAction("MnuViewToolBar")->trigger();
    EXPECT_EQ(Ch(5)->Name.Trimmed(), "ABC");
}

}  // namespace

namespace {

QTreeWidgetItem* Node(QTreeWidget* tree, const char* key) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == QLatin1String(key)) return *it;
    return nullptr;
}

struct TreePlace {
    const char* Name;
    std::function<QPoint(QTreeWidget*)> At;  // in the tree's viewport
    bool NoNode;                             // no node's text lies there
};

const TreePlace kTreePlaces[] = {
    {"ChannelsNode", [](QTreeWidget* t) { return t->visualItemRect(Node(t, "CH")).center(); }, false},
    {"Root", [](QTreeWidget* t) { return t->visualItemRect(Node(t, "N0")).center(); }, false},
    {"ExpandArrow",
     [](QTreeWidget* t) {
         const QRect r = t->visualItemRect(Node(t, "CH"));
         return QPoint(r.left() - t->indentation() / 2, r.center().y());
     },
     true},
    {"BelowTheNodes", [](QTreeWidget* t) { return QPoint(t->viewport()->width() / 2, t->viewport()->height() - 3); },
     true},
};

void PrintTo(const TreePlace& p, std::ostream* os) { *os << p.Name; }

class TreeClickWithAnEditorOpen : public EditTest, public ::testing::WithParamInterface<TreePlace> {};

}  // namespace

// A click on a part of the tree that shows no page takes the keys from an open cell editor: the
// edit ends there and is stored, as a click on a node with a page does, and no editor is left on
// screen without a caret.
TEST_P(TreeClickWithAnEditorOpen, EndsTheEditAsAClickOnAnyNodeDoes) {
    Open();
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    DblClick(5, 3);
    ASSERT_EQ(OpenEditor(), w->TextName);
    ASSERT_TRUE(w->TextName->hasFocus());
    QTest::keyClicks(w->TextName, "ABC");
    ASSERT_EQ(w->TextName->text(), "ABC");

    QTreeWidget* tree = w->tvTreeView;
    const QPoint at = GetParam().At(tree);
    ASSERT_TRUE(tree->viewport()->rect().contains(at));
    if (GetParam().NoNode) {
        QTreeWidgetItem* item = tree->itemAt(at);
        ASSERT_TRUE(!item || !tree->visualItemRect(item).contains(at));
    }
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();

    EXPECT_EQ(OpenEditor(), nullptr);
    EXPECT_EQ(Ch(5)->Name.Trimmed(), "ABC");
    EXPECT_EQ(Cell(5, 3), "ABC");
    EXPECT_TRUE(Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EditTest, TreeClickWithAnEditorOpen, ::testing::ValuesIn(kTreePlaces),
                         [](const ::testing::TestParamInfo<TreePlace>& i) { return std::string(i.param.Name); });
