// The main window's cell editors as a desktop treats them: a click on a part of a grid that takes
// no focus (a scroll bar, a header, a corner), the window going to the back and coming to the
// front again, a menu or a message box in between, keys sent while the window is not the active
// one. Shown windows driven with keys and clicks; named for the plain Xvfb run and for the runs
// under a window manager, where the activation comes from the window manager.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "MainFixture.h"
#include "UserDriver.h"
#include "UserMainWindow.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "model/ChannelOps.h"
#include "model/DataChanged.h"
#include "model/DataFiles.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "shell/frmMain.h"
#include "signalling/FrmCommuBook.h"

using namespace rp;
using namespace rp::test;

namespace {

// The main window at the place it takes on this screen by itself.
using Desktop = UserMainWindow;

void Chord(Qt::Key key, Qt::KeyboardModifiers mods) {
    QWidget* f = QApplication::focusWidget();
    ASSERT_NE(f, nullptr);
    QTest::keyClick(f, key, mods);
    Settle();
}

// The window comes to the front again, as the user brings it back: under a window manager the
// request goes to it and it activates the window when it gets to it.
void BackTo(QWidget& w) {
    w.activateWindow();
    if (!UnderWindowManager()) QApplication::setActiveWindow(&w);
    ASSERT_NO_FATAL_FAILURE(WaitActive(w));
    Settle();
}

// ---- A click on a part of the grid that takes no focus ------------------------------------------

enum class Part { RightArrow, DownArrow, ColumnHeader, RowHeader, Corner };

QPoint ArrowOf(QScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    if (opt.orientation == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarAddLine, bar).center();
}

// Clicks the part and says what the click was on.
void ClickPart(FlexGrid* g, Part part) {
    switch (part) {
    case Part::RightArrow:
    case Part::DownArrow: {
        QScrollBar* bar = part == Part::RightArrow ? g->horizontalScrollBar() : g->verticalScrollBar();
        ASSERT_TRUE(bar->isVisible()) << "the grid shows no such scroll bar on this screen";
        const int before = bar->value();
        Click(bar, ArrowOf(bar));
        ASSERT_GT(bar->value(), before) << "the click missed the arrow";
        break;
    }
    case Part::ColumnHeader: {
        QHeaderView* h = g->horizontalHeader();
        Click(h->viewport(), QPoint(h->sectionViewportPosition(0) + h->sectionSize(0) / 2, h->height() / 2));
        break;
    }
    case Part::RowHeader: {
        QHeaderView* h = g->verticalHeader();
        Click(h->viewport(), QPoint(h->width() / 2, h->sectionViewportPosition(4) + h->sectionSize(4) / 2));
        break;
    }
    case Part::Corner: {
        auto* corner = g->findChild<QAbstractButton*>();
        ASSERT_NE(corner, nullptr);
        ASSERT_TRUE(corner->isVisible());
        Click(corner);
        break;
    }
    }
}

struct PartClickCase {
    const char* Name;
    int Grid, Row, Col;
    const char* Typed;  // into the open editor before the click
    Part Clicked;
    std::vector<Qt::Key> Then;  // the keys after the click
    bool Kept;                  // whether those keys keep the edit or give it up
};

const PartClickCase kPartClicks[] = {
    // The reported steps: Esc, Esc after the click, then another cell.
    {"ChannelNameRightArrow", 0, 1, 3, "CC", Part::RightArrow, {Qt::Key_Escape, Qt::Key_Escape}, false},
    {"ChannelNameDownArrow", 0, 1, 3, "CC", Part::DownArrow, {Qt::Key_Escape, Qt::Key_Escape}, false},
    {"ChannelRxColumnHeader", 0, 2, 1, "430", Part::ColumnHeader, {Qt::Key_Escape, Qt::Key_Escape}, false},
    {"ChannelNameRowHeader", 0, 1, 3, "CC", Part::RowHeader, {Qt::Key_Escape, Qt::Key_Escape}, false},
    {"ChannelNameCorner", 0, 1, 3, "CC", Part::Corner, {Qt::Key_Escape, Qt::Key_Escape}, false},
    {"FmStationDownArrow", 2, 2, 1, "88.8", Part::DownArrow, {Qt::Key_Escape, Qt::Key_Escape}, false},
    {"AmStationDownArrow", 3, 1, 1, "600", Part::DownArrow, {Qt::Key_Escape, Qt::Key_Escape}, false},
    {"BankListDownArrow", 0, 1, 6, "", Part::DownArrow, {Qt::Key_Down, Qt::Key_Space, Qt::Key_Escape}, true},
    // Enter or Tab keeps what was typed or chosen.
    {"ChannelNameTabAfterTheArrow", 0, 1, 3, "CC", Part::RightArrow, {Qt::Key_Tab}, true},
    {"ChannelNameEnterAfterTheHeader", 0, 1, 3, "CC", Part::ColumnHeader, {Qt::Key_Return}, true},
    // Enter moves on to the next station's editor, given up untouched.
    {"FmStationEnterAfterTheArrow", 2, 2, 1, "88.8", Part::DownArrow, {Qt::Key_Return, Qt::Key_Escape}, true},
    {"StepListDownAndTabAfterTheArrow", 0, 1, 4, "", Part::DownArrow, {Qt::Key_Down, Qt::Key_Tab}, true},
};

void PrintTo(const PartClickCase& c, std::ostream* os) { *os << c.Name; }

class UserInputDesktopEditorsClick : public ::testing::TestWithParam<PartClickCase> {};

// What the grids show of the cell's column and of the list's banks: what the data hold there.
QString CellAndBanks(Desktop& m, int grid, int row, int col) {
    return m.Grid(grid)->TextMatrix(row, col) + "|" + m.Grid(0)->TextMatrix(row, 6);
}

}  // namespace

// An open editor keeps the keys when the user clicks a scroll bar, a header or a corner of its
// grid: Esc then gives the edit up and nothing of it is stored later; Enter or Tab keeps it.
TEST_P(UserInputDesktopEditorsClick, AClickBesideTheCellsLeavesTheKeysWithTheEditor) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const PartClickCase& c = GetParam();
    Desktop m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    m.w->ShowGridType(c.Grid);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(c.Grid);
    const QString before = CellAndBanks(m, c.Grid, c.Row, c.Col);
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(c.Grid, c.Row, c.Col));
    QWidget* editor = m.OpenEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->hasFocus());
    Type(c.Typed);

    ASSERT_NO_FATAL_FAILURE(ClickPart(g, c.Clicked));
    EXPECT_EQ(m.OpenEditor(), editor);
    EXPECT_EQ(m.w->focusWidget(), editor) << "the click took the keys from the editor";
    for (Qt::Key k : c.Then) Key(k);
    EXPECT_EQ(m.OpenEditor(), nullptr) << "the keys did not reach the editor";
    EXPECT_TRUE(g->hasFocus());

    // Another cell, then what every command (a save among them) does first.
    ClickCell(g, c.Row + 3, 1);
    if (m.OpenEditor()) Key(Qt::Key_Escape);
    m.w->CommitOpenEditors();
    if (c.Kept) {
        EXPECT_NE(CellAndBanks(m, c.Grid, c.Row, c.Col), before);
        EXPECT_TRUE(IsDataChanged(m.st));
    } else {
        EXPECT_EQ(CellAndBanks(m, c.Grid, c.Row, c.Col), before);
        EXPECT_FALSE(IsDataChanged(m.st));
    }
    EXPECT_TRUE(msgs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Parts, UserInputDesktopEditorsClick, ::testing::ValuesIn(kPartClicks),
                         [](const ::testing::TestParamInfo<PartClickCase>& i) { return std::string(i.param.Name); });

// ---- Coming back to the window ------------------------------------------------------------------

namespace {

// Where the user goes in between, and back.
enum class Away { OtherWindow, Menu, MessageBox };

void GoAwayAndBack(Desktop& m, Away away) {
    switch (away) {
    case Away::OtherWindow: {
        QWidget other;
        other.setWindowTitle("Another program");
        other.resize(300, 200);
        ASSERT_NO_FATAL_FAILURE(ShowActive(other));
        ASSERT_FALSE(m.w->isActiveWindow());
        other.hide();
        break;
    }
    case Away::Menu: {
        QMenu* file = m.w->menuBar()->actions().front()->menu();
        ASSERT_NE(file, nullptr);
        file->popup(m.w->mapToGlobal(QPoint(40, 40)));
        ASSERT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }, 3000));
        Settle();
        QTest::keyClick(file, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([file] { return !file->isVisible(); }, 3000));
        break;
    }
    case Away::MessageBox: {
        QMessageBox box(QMessageBox::Information, "Radio Programming Software", "Note", QMessageBox::Ok, m.w.get());
        box.open();
        ASSERT_NO_FATAL_FAILURE(WaitActive(box));
        Settle();
        QTest::keyClick(&box, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&box] { return !box.isVisible(); }, 3000));
        break;
    }
    }
    ASSERT_NO_FATAL_FAILURE(BackTo(*m.w));
}

struct ComeBackCase {
    const char* Name;
    int Grid, Row, Col;
    bool SelectAll;  // Ctrl+A once the editor is open
    const char* Before;
    Away Way;
    const char* After;
    // The cells that show what was stored, and the text each must start with.
    std::vector<std::pair<int, const char*>> Shown;  // column, text
};

const ComeBackCase kComeBack[] = {
    {"RxAfterAnotherWindow", 0, 1, 1, true, "145.5", Away::OtherWindow, "2", {{1, "145.52"}, {2, "145.52"}}},
    {"NameAfterAnotherWindow", 0, 1, 3, false, "ABC", Away::OtherWindow, "D", {{3, "ABCD"}}},
    {"RxAfterAMenu", 0, 1, 1, true, "145.5", Away::Menu, "2", {{1, "145.52"}, {2, "145.52"}}},
    {"NameAfterAMessageBox", 0, 1, 3, false, "ABC", Away::MessageBox, "D", {{3, "ABCD"}}},
    {"FmStationAfterAnotherWindow", 2, 2, 1, false, "88.", Away::OtherWindow, "5", {{1, "88.5"}}},
    {"AmStationAfterAMenu", 3, 1, 1, false, "12", Away::Menu, "5.5", {{1, "125.5"}}},
};

void PrintTo(const ComeBackCase& c, std::ostream* os) { *os << c.Name; }

class UserInputDesktopEditorsComeBack : public ::testing::TestWithParam<ComeBackCase> {};

}  // namespace

// The focus coming back to an open editor, from another window, a menu or a message box, leaves
// its text and caret as the user left them: what is typed next goes on from there.
TEST_P(UserInputDesktopEditorsComeBack, TheTextAndCaretStayAsTheUserLeftThem) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const ComeBackCase& c = GetParam();
    Desktop m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    m.w->ShowGridType(c.Grid);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(c.Grid, c.Row, c.Col));
    auto* editor = qobject_cast<QLineEdit*>(m.OpenEditor());
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->hasFocus());
    if (c.SelectAll) QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    Type(c.Before);
    ASSERT_EQ(editor->text(), c.Before);

    ASSERT_NO_FATAL_FAILURE(GoAwayAndBack(m, c.Way));
    ASSERT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->text(), c.Before);
    EXPECT_FALSE(editor->hasSelectedText());
    EXPECT_EQ(editor->cursorPosition(), editor->text().size());
    Type(c.After);
    EXPECT_EQ(editor->text(), QString(c.Before) + c.After);
    Key(Qt::Key_Return);
    m.w->CommitOpenEditors();
    for (const auto& [col, text] : c.Shown)
        EXPECT_TRUE(m.Grid(c.Grid)->TextMatrix(c.Row, col).startsWith(text))
            << "column " << col << " shows " << m.Grid(c.Grid)->TextMatrix(c.Row, col).toStdString();
    EXPECT_TRUE(msgs.Messages().empty()) << msgs.Messages().front().Text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Editors, UserInputDesktopEditorsComeBack, ::testing::ValuesIn(kComeBack),
                         [](const ::testing::TestParamInfo<ComeBackCase>& i) { return std::string(i.param.Name); });

namespace {

// The data file and its channel file as saved.
QByteArray Saved(AppState& st, const QString& path) {
    const FileResult r = SaveDataFile(st, path.toStdString());
    EXPECT_TRUE(r.Ok()) << r.Message;
    QByteArray bytes;
    for (const QString& p : {path, QString::fromStdString(GetFreFileName(path.toStdString()))}) {
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << p.toStdString();
        bytes += f.readAll();
    }
    return bytes;
}

// The same keys into the channel grid, with another program used at each marked step or not.
QByteArray TypeTheSameKeys(bool away, const QString& path) {
    Desktop m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    m.Show();
    const auto maybeAway = [&] {
        if (away) {
            ASSERT_NO_FATAL_FAILURE(GoAwayAndBack(m, Away::OtherWindow));
        }
    };
    FlexGrid* g = m.Grid(0);
    // A receive frequency typed over the old one.
    m.OpenCell(0, 1, 1);
    Chord(Qt::Key_A, Qt::ControlModifier);
    Type("145.5");
    maybeAway();
    Type("2");
    Key(Qt::Key_Return);
    // A name, left with Tab.
    m.OpenCell(0, 2, 3);
    Type("AB");
    maybeAway();
    Type("C");
    Key(Qt::Key_Tab);
    // A name given up.
    m.OpenCell(0, 1, 3);
    Type("XY");
    maybeAway();
    Key(Qt::Key_Escape);
    // A step chosen in its list.
    m.OpenCell(0, 2, 4);
    maybeAway();
    Key(Qt::Key_Down);
    Key(Qt::Key_Tab);
    // A new channel's frequency on an empty row.
    ClickCell(g, 12, 1);
    Key(Qt::Key_Return);
    Type("14");
    maybeAway();
    Type("6.3");
    Key(Qt::Key_Return);
    EXPECT_TRUE(msgs.Messages().empty()) << msgs.Messages().front().Text.toStdString();
    m.w->CommitOpenEditors();
    return Saved(m.st, path);
}

}  // namespace

// The same keys give the same saved data whether or not the user went to another program in
// between.
TEST(UserInputDesktopEditors, AnotherWindowInBetweenChangesNothingOfWhatIsSaved) {
    SKIP_WITHOUT_REAL_WINDOWS();
    QTemporaryDir dir;
    const QByteArray straight = TypeTheSameKeys(false, dir.filePath("straight.dat"));
    const QByteArray away = TypeTheSameKeys(true, dir.filePath("away.dat"));
    ASSERT_FALSE(straight.isEmpty());
    EXPECT_EQ(away, straight);
}

// ---- Keys while the window is not the active one -------------------------------------------------

namespace {

struct InactiveKeyCase {
    const char* Name;
    int Grid, Row, Col;
    Qt::Key Opener;
    const char* Editor;
    const char* Typed;  // once the window is back, then Enter
    const char* Shown;  // what the cell then starts with
};

const InactiveKeyCase kInactiveKeys[] = {
    {"ChannelNameByEnter", 0, 1, 3, Qt::Key_Return, "TextName", "AB", "AB"},
    {"ChannelRxByF2", 0, 2, 1, Qt::Key_F2, "TextFreRx", "146.1", "146.1"},
    {"FmStationByEnter", 2, 3, 1, Qt::Key_Return, "Text2", "99.5", "99.5"},
    {"AmStationByF2", 3, 2, 1, Qt::Key_F2, "Text3", "127.3", "127.3"},
};

void PrintTo(const InactiveKeyCase& c, std::ostream* os) { *os << c.Name; }

class UserInputDesktopEditorsInactive : public ::testing::TestWithParam<InactiveKeyCase> {};

// Keys to what the window would give them to: its own focus widget.
void KeyTo(QWidget& window, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QWidget* f = window.focusWidget();
    ASSERT_NE(f, nullptr);
    QTest::keyClick(f, key, mods);
    Settle();
}

}  // namespace

// While another window is the active one (a message box just closed, with no window manager to
// give the activation back), the grid that holds the window's keys takes Enter and F2 as it takes
// the arrows: they open the current cell's editor, which then holds the keys.
TEST_P(UserInputDesktopEditorsInactive, EnterAndF2OpenTheEditorAsTheArrowsMove) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const InactiveKeyCase& c = GetParam();
    Desktop m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    m.w->ShowGridType(c.Grid);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(c.Grid);
    // The cell above, then the keys on the grid itself (the station lists open on a click).
    ClickCell(g, c.Row - 1 >= 1 ? c.Row - 1 : c.Row, c.Col);
    if (m.OpenEditor()) Key(Qt::Key_Escape);
    ASSERT_TRUE(g->hasFocus());
    {
        QWidget other;
        other.resize(300, 200);
        ASSERT_NO_FATAL_FAILURE(ShowActive(other));
        ASSERT_FALSE(m.w->isActiveWindow());
        ASSERT_EQ(m.w->focusWidget(), g);
        if (c.Row > 1) {
            ASSERT_NO_FATAL_FAILURE(KeyTo(*m.w, Qt::Key_Down));
            ASSERT_EQ(g->Row(), c.Row);
            if (m.OpenEditor()) {
                ASSERT_NO_FATAL_FAILURE(KeyTo(*m.w, Qt::Key_Escape));
            }
        }
        ASSERT_EQ(m.OpenEditor(), nullptr);
        ASSERT_NO_FATAL_FAILURE(KeyTo(*m.w, c.Opener));
        QWidget* editor = m.OpenEditor();
        ASSERT_NE(editor, nullptr) << "the key opened nothing";
        EXPECT_EQ(editor->objectName(), c.Editor);
        EXPECT_EQ(m.w->focusWidget(), editor);
        EXPECT_EQ(editor->geometry().center(), g->CellRect(c.Row, c.Col).center());
        other.hide();
    }
    ASSERT_NO_FATAL_FAILURE(BackTo(*m.w));
    ASSERT_NE(m.OpenEditor(), nullptr);
    ASSERT_TRUE(m.OpenEditor()->hasFocus());
    Type(c.Typed);
    Key(Qt::Key_Return);
    m.w->CommitOpenEditors();
    EXPECT_TRUE(g->TextMatrix(c.Row, c.Col).startsWith(c.Shown)) << g->TextMatrix(c.Row, c.Col).toStdString();
    EXPECT_TRUE(msgs.Messages().empty()) << msgs.Messages().front().Text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Grids, UserInputDesktopEditorsInactive, ::testing::ValuesIn(kInactiveKeys),
                         [](const ::testing::TestParamInfo<InactiveKeyCase>& i) { return std::string(i.param.Name); });

// A dialog's grid the same way: while the dialog is not the active window its grid still takes
// the arrows as moves of the current cell only, and Enter as the opening of that cell's editor,
// never as the dialog's OK.
TEST(UserInputDesktopEditors, ADialogGridTakesTheSameKeysInAnInactiveWindow) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    UseLanguage(st, kLanguageEnglish);
    InitMsgString(st);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, kLanguageEnglish);
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    FrmCommuBook dlg(st);
    FlexGrid* g = dlg.MSFlexGrid1;
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    ClickCell(g, 2, 1);
    if (!dlg.Text1->isHidden()) Key(Qt::Key_Escape);
    ASSERT_TRUE(g->hasFocus());
    ASSERT_TRUE(dlg.Text1->isHidden());
    QWidget other;
    other.resize(300, 200);
    ASSERT_NO_FATAL_FAILURE(ShowActive(other));
    ASSERT_FALSE(dlg.isActiveWindow());
    ASSERT_NO_FATAL_FAILURE(KeyTo(dlg, Qt::Key_Down));
    EXPECT_EQ(g->Row(), 3);
    EXPECT_TRUE(dlg.Text1->isHidden()) << "a move opened the editor";
    ASSERT_NO_FATAL_FAILURE(KeyTo(dlg, Qt::Key_Return));
    EXPECT_TRUE(dlg.isVisible()) << "Enter closed the dialog";
    EXPECT_FALSE(dlg.Text1->isHidden()) << "Enter opened no editor";
    EXPECT_EQ(dlg.focusWidget(), dlg.Text1);
    EXPECT_EQ(dlg.Text1->geometry().center(), g->CellRect(3, 1).center());
}
