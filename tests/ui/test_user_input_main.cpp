// The main window's grids, editors and tree driven from the keyboard and the mouse on a shown,
// active window, and the dialogs' grids the same way. They need a real X server (CTest runs them
// as ui_user_input_under_xvfb) and skip offscreen.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "MainFixture.h"
#include "UserDriver.h"
#include "UserMainWindow.h"
#include "comm/CommImage.h"
#include "fivetone/Frm5Tone.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "model/Banks.h"
#include "model/ChannelOps.h"
#include "model/DataChanged.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "shell/frmMain.h"
#include "signalling/Frm2Tone.h"
#include "signalling/FrmCommuBook.h"

using namespace rp;
using namespace rp::test;

namespace {

// A shown, active main window on new data, in English.
struct MainWindow : UserMainWindow {
    MainWindow() : UserMainWindow(QSize(1200, 800)) {}
    QString TreeKey() {
        QTreeWidgetItem* it = w->tvTreeView->currentItem();
        return it ? it->data(0, Qt::UserRole).toString() : QString();
    }
    QTreeWidgetItem* TreeNode(const char* key) {
        for (QTreeWidgetItemIterator it(w->tvTreeView); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == QLatin1String(key)) return *it;
        return nullptr;
    }
};

// The real message boxes while it lives, instead of the tests' refusal of unscripted ones.
struct RealMessageBoxes {
    MsgBoxAnswerer before = SetMsgBoxAnswerer({});
    ~RealMessageBoxes() { SetMsgBoxAnswerer(before); }
};

// Answers the next real message box with Enter, as a user at the keyboard does.
void AnswerNextBoxWithEnter() {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [tries, poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        if (++*tries < 200) QTimer::singleShot(20, *poll);
    };
    QTimer::singleShot(20, *poll);
}

struct EscCase {
    const char* Name;
    int Grid, Row, Col;
    const char* Typed;
};

// Typed into each text editor and given up with Esc.
const EscCase kEscCases[] = {
    {"ChannelRx", 0, 1, 1, "430"},   {"ChannelTx", 0, 1, 2, "7"},  {"ChannelName", 0, 1, 3, "XY"},
    {"EmptyRowRx", 0, 9, 1, "430"}, {"FmStation", 2, 2, 1, "99"}, {"AmStation", 3, 1, 1, "600"},
};

void PrintTo(const EscCase& c, std::ostream* os) { *os << c.Name; }

class UserInputMainEsc : public ::testing::TestWithParam<EscCase> {};

}  // namespace

// Esc gives the edit up: the cell and the data keep what they had, nothing is changed, and the
// keys are back on that cell of the grid; a later move or command stores nothing.
TEST_P(UserInputMainEsc, EscGivesTheEditUp) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const EscCase& c = GetParam();
    MainWindow m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    m.w->ShowGridType(c.Grid);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(c.Grid);
    const QString before = g->TextMatrix(c.Row, c.Col);
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(c.Grid, c.Row, c.Col));
    QWidget* editor = m.OpenEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->hasFocus());
    Type(c.Typed);
    Key(Qt::Key_Escape);
    EXPECT_EQ(m.OpenEditor(), nullptr);
    EXPECT_TRUE(g->hasFocus());
    EXPECT_EQ(g->Row(), c.Row);
    EXPECT_EQ(g->Col(), c.Col);
    EXPECT_EQ(g->TextMatrix(c.Row, c.Col), before);
    EXPECT_FALSE(IsDataChanged(m.st));
    // What was typed is gone for good: neither a move nor a command stores it.
    Key(Qt::Key_Down);
    m.w->CommitOpenEditors();
    EXPECT_EQ(g->TextMatrix(c.Row, c.Col), before);
    EXPECT_FALSE(IsDataChanged(m.st));
    EXPECT_TRUE(msgs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(TextEditors, UserInputMainEsc, ::testing::ValuesIn(kEscCases),
                         [](const ::testing::TestParamInfo<EscCase>& i) { return std::string(i.param.Name); });

namespace {

struct MainCase {
    const char* Name;
    std::function<void(MainWindow&)> Run;
};

// After a commit by each key, the keys stay on the grid at the cell the user sees as current.
void CommitNameWith(MainWindow& m, Qt::Key key, int rowAfter) {
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(0);
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 1, 3));
    ASSERT_TRUE(m.w->TextName->hasFocus());
    Type("AB");
    Key(key);
    EXPECT_EQ(m.OpenEditor(), nullptr);
    EXPECT_EQ(g->TextMatrix(1, 3), "AB");
    const int i = FindFreIndex(m.st, 1);
    ASSERT_GE(i, 0);
    EXPECT_EQ(m.st.ChannelTable[i].Name.Trimmed(), "AB");
    EXPECT_TRUE(g->hasFocus());
    EXPECT_EQ(g->Row(), rowAfter);
    EXPECT_EQ(g->Col(), 3);
    // The next arrow moves the grid's cell, not the tree.
    const QString tree = m.TreeKey();
    Key(Qt::Key_Down);
    EXPECT_EQ(g->Row(), rowAfter + 1);
    EXPECT_EQ(m.TreeKey(), tree);
}

const MainCase kMainCases[] = {
    {"TabCommitsLikeEnter", [](MainWindow& m) { CommitNameWith(m, Qt::Key_Tab, 1); }},
    {"DownCommitsAndTheNextDownMovesTheGrid", [](MainWindow& m) { CommitNameWith(m, Qt::Key_Down, 2); }},
    // Tab in the broadcast-radio editor stores the station and closes the editor.
    {"TabCommitsTheFmEditor",
     [](MainWindow& m) {
         m.w->ShowGridType(2);
         ASSERT_NO_FATAL_FAILURE(m.Show());
         FlexGrid* g = m.Grid(2);
         ClickCell(g, 2, 1);
         ASSERT_TRUE(m.w->Text2->hasFocus());
         Type("99");
         Key(Qt::Key_Tab);
         EXPECT_TRUE(m.w->Text2->isHidden());
         EXPECT_TRUE(g->hasFocus());
         EXPECT_EQ(g->Row(), 2);
         EXPECT_EQ(m.st.CurRadioData.FMRadioList[1].Valid, 1);
         EXPECT_EQ(g->TextMatrix(2, 1).left(2), "99");
     }},
    // A list editor closes on Esc and changes nothing more.
    {"EscClosesAListEditor",
     [](MainWindow& m) {
         ASSERT_NO_FATAL_FAILURE(m.Show());
         FlexGrid* g = m.Grid(0);
         const QString before = g->TextMatrix(1, 4);
         ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 1, 4));
         ASSERT_EQ(m.OpenEditor(), m.w->ComboStep);
         Key(Qt::Key_Escape);
         EXPECT_EQ(m.OpenEditor(), nullptr);
         EXPECT_TRUE(g->hasFocus());
         EXPECT_EQ(g->TextMatrix(1, 4), before);
         EXPECT_FALSE(IsDataChanged(m.st));
         ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 1, 6));
         ASSERT_EQ(m.OpenEditor(), m.w->ListBank);
         Key(Qt::Key_Escape);
         EXPECT_EQ(m.OpenEditor(), nullptr);
         EXPECT_TRUE(g->hasFocus());
     }},
    // Typing on a cell with no editor open moves nothing: the Enter after it edits that cell.
    {"TypingOnTheChannelGridFindsNoRow",
     [](MainWindow& m) {
         ASSERT_NO_FATAL_FAILURE(m.Show());
         FlexGrid* g = m.Grid(0);
         ClickCell(g, 9, 1);
         ASSERT_TRUE(g->TextMatrix(9, 1).isEmpty());
         Type("43");
         EXPECT_EQ(g->Row(), 9);
         EXPECT_EQ(g->Col(), 1);
         EXPECT_EQ(m.OpenEditor(), nullptr);
         Key(Qt::Key_Return);
         EXPECT_EQ(m.OpenEditor(), m.w->TextFreRx);
         EXPECT_EQ(m.w->ChEditRow, 9);
     }},
    {"TypingOnTheFmGridFindsNoRow",
     [](MainWindow& m) {
         m.w->ShowGridType(2);
         ASSERT_NO_FATAL_FAILURE(m.Show());
         FlexGrid* g = m.Grid(2);
         ClickCell(g, 5, 1);
         Key(Qt::Key_Escape);
         ASSERT_TRUE(g->hasFocus());
         Type("10");
         EXPECT_EQ(g->Row(), 5);
     }},
    // A refused value's message leaves the keys on the grid once answered.
    {"FocusBackOnTheGridAfterAMessage",
     [](MainWindow& m) {
         ASSERT_NO_FATAL_FAILURE(m.Show());
         FlexGrid* g = m.Grid(0);
         ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 1, 1));
         Type("999");
         RealMessageBoxes real;
         AnswerNextBoxWithEnter();
         Key(Qt::Key_Down);
         ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 3000));
         QApplication::setActiveWindow(m.w.get());  // as a window manager gives the activation back
         ASSERT_NO_FATAL_FAILURE(WaitActive(*m.w));
         Settle();
         EXPECT_EQ(m.OpenEditor(), nullptr);
         EXPECT_TRUE(g->hasFocus());
         EXPECT_EQ(g->Row(), 2);
         Key(Qt::Key_Down);
         EXPECT_EQ(g->Row(), 3);
     }},
    // A tree node reached with the arrow keys does on Enter or Space what a click does.
    {"TreeNodeByEnter",
     [](MainWindow& m) {
         ASSERT_NO_FATAL_FAILURE(m.Show());
         m.w->tvTreeView->setFocus(Qt::OtherFocusReason);
         m.w->tvTreeView->setCurrentItem(m.TreeNode("Radio"));
         Key(Qt::Key_Down);
         ASSERT_EQ(m.TreeKey(), "N3");
         Key(Qt::Key_Return);
         EXPECT_FALSE(m.Grid(2)->isHidden());
         EXPECT_TRUE(m.Grid(0)->isHidden());
     }},
    {"TreeNodeBySpace",
     [](MainWindow& m) {
         m.w->ShowGridType(2);
         ASSERT_NO_FATAL_FAILURE(m.Show());
         m.w->tvTreeView->setFocus(Qt::OtherFocusReason);
         m.w->tvTreeView->setCurrentItem(m.TreeNode("CH"));
         Key(Qt::Key_Down);
         ASSERT_EQ(m.TreeKey(), "N1");
         Key(Qt::Key_Space);
         EXPECT_FALSE(m.Grid(0)->isHidden());
         EXPECT_TRUE(m.Grid(2)->isHidden());
     }},
    // A menu command that switches the grid moves the tree's highlight with it.
    {"MenuGridSwitchMovesTheTreeHighlight",
     [](MainWindow& m) {
         ASSERT_NO_FATAL_FAILURE(m.Show());
         EXPECT_EQ(m.TreeKey(), "N1");
         m.w->MenuAction("MnuViewRadio")->trigger();
         ASSERT_FALSE(m.Grid(2)->isHidden());
         EXPECT_EQ(m.TreeKey(), "N3");
         ScopedMsgBoxScript msgs(MsgButton::Ok);
         m.w->MenuAction("mnuEditCH")->trigger();
         ASSERT_FALSE(m.Grid(0)->isHidden());
         EXPECT_EQ(m.TreeKey(), "N1");
     }},
};

void PrintTo(const MainCase& c, std::ostream* os) { *os << c.Name; }

class UserInputMain : public ::testing::TestWithParam<MainCase> {};

}  // namespace

TEST_P(UserInputMain, GridsAndTreeByKeyboard) {
    SKIP_WITHOUT_REAL_WINDOWS();
    MainWindow m;
    GetParam().Run(m);
}

INSTANTIATE_TEST_SUITE_P(Keys, UserInputMain, ::testing::ValuesIn(kMainCases),
                         [](const ::testing::TestParamInfo<MainCase>& i) { return std::string(i.param.Name); });

namespace {

// A dialog with a grid whose cells open editors; first an editable cell when tabbed in.
struct GridDialogCase {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(AppState&)> Make;
    std::function<FlexGrid*(QDialog&)> Grid;
    int FirstRow, FirstCol;
    const char* Typed;  // opens the cell's editor with this text
};

const GridDialogCase kGridDialogs[] = {
    {"FiveTone", [](AppState& st) { return std::make_unique<Frm5Tone>(st, [] {}); },
     [](QDialog& d) { return static_cast<Frm5Tone&>(d).MSHFlexGrid1; }, 1, 2, "12"},
    {"TwoTone", [](AppState& st) { return std::make_unique<Frm2Tone>(st, [] {}); },
     [](QDialog& d) { return static_cast<Frm2Tone&>(d).MSHFlexGrid1; }, 1, 1, "12"},
    {"CommuBook", [](AppState& st) { return std::make_unique<FrmCommuBook>(st); },
     [](QDialog& d) { return static_cast<FrmCommuBook&>(d).MSFlexGrid1; }, 1, 1, "12"},
};

void PrintTo(const GridDialogCase& c, std::ostream* os) { *os << c.Name; }

class UserInputDialogGrid : public ::testing::TestWithParam<GridDialogCase> {};

QWidget* EditorOn(FlexGrid* g) {
    for (QObject* o : g->viewport()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isHidden()) return w;
    }
    return nullptr;
}

// Tabs until the grid has the focus, as a user reaches it.
void TabTo(QWidget* target) {
    for (int i = 0; i < 60 && !target->hasFocus(); ++i) Key(Qt::Key_Tab);
    ASSERT_TRUE(target->hasFocus()) << "Tab never reaches the grid";
}

void OpenDialogOnGrid(const GridDialogCase& c, AppState& st, std::unique_ptr<QDialog>& dlg, FlexGrid*& g) {
    UseLanguage(st, kLanguageEnglish);
    InitMsgString(st);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, kLanguageEnglish);
    dlg = c.Make(st);
    g = c.Grid(*dlg);
    ASSERT_NO_FATAL_FAILURE(ShowActive(*dlg));
    if (!g->hasFocus()) {
        ASSERT_NO_FATAL_FAILURE(TabTo(g));
    }
}

// The radio memory the data make: what a write would send.
std::vector<std::uint8_t> RadioImage(AppState st) {
    InitCommImage(st);
    std::string label;
    EXPECT_TRUE(SetCommData(st, label)) << label;
    return {st.CommImage.begin(), st.CommImage.end()};
}

}  // namespace

// The grid reached by the keyboard shows its current cell; the arrows move it without opening
// anything, and Enter opens the editor of that cell.
TEST_P(UserInputDialogGrid, ArrowsMoveTheCellAndEnterOpensItsEditor) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const GridDialogCase& c = GetParam();
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    AppState st;
    std::unique_ptr<QDialog> dlg;
    FlexGrid* g = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenDialogOnGrid(c, st, dlg, g));
    EXPECT_EQ(g->Row(), c.FirstRow);
    EXPECT_EQ(g->Col(), c.FirstCol);
    ASSERT_NE(g->currentItem(), nullptr);
    EXPECT_TRUE(g->currentItem()->isSelected());
    EXPECT_EQ(EditorOn(g), nullptr);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(g->Row(), c.FirstRow + 2);
    EXPECT_EQ(g->Col(), c.FirstCol);
    EXPECT_TRUE(g->hasFocus());
    EXPECT_EQ(EditorOn(g), nullptr);
    Key(Qt::Key_Return);
    QWidget* editor = EditorOn(g);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->geometry().center(), g->CellRect(c.FirstRow + 2, c.FirstCol).center());
}

// Typing on the current cell opens its editor with what was typed.
TEST_P(UserInputDialogGrid, TypingOpensTheEditorWithTheKeys) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const GridDialogCase& c = GetParam();
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    AppState st;
    std::unique_ptr<QDialog> dlg;
    FlexGrid* g = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenDialogOnGrid(c, st, dlg, g));
    Key(Qt::Key_Down);
    Type(c.Typed);
    auto* editor = qobject_cast<QLineEdit*>(EditorOn(g));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->text().toStdString(), c.Typed);
    EXPECT_EQ(editor->geometry().center(), g->CellRect(c.FirstRow + 1, c.FirstCol).center());
}

// Esc in a cell's editor gives up that cell only: the dialog stays, the cell shows what it had
// and is current on the focused grid, and entering another cell commits nothing of what was
// typed; the cell opens afresh. Esc with no editor open is Cancel, the data as they were.
TEST_P(UserInputDialogGrid, EscGivesUpTheCellThenCancelsTheDialog) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const GridDialogCase& c = GetParam();
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    AppState st;
    std::unique_ptr<QDialog> dlg;
    FlexGrid* g = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenDialogOnGrid(c, st, dlg, g));
    const std::vector<std::uint8_t> before = RadioImage(st);
    const int row = c.FirstRow + 1, col = c.FirstCol;
    Key(Qt::Key_Down);
    const QString old = g->TextMatrix(row, col);
    Type(c.Typed);
    ASSERT_NE(EditorOn(g), nullptr);

    Key(Qt::Key_Escape);
    ASSERT_TRUE(dlg->isVisible());
    EXPECT_EQ(EditorOn(g), nullptr);
    EXPECT_EQ(g->TextMatrix(row, col), old);
    EXPECT_TRUE(g->hasFocus());
    EXPECT_EQ(g->Row(), row);
    EXPECT_EQ(g->Col(), col);
    ASSERT_NE(g->currentItem(), nullptr);
    EXPECT_TRUE(g->currentItem()->isSelected());

    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    ASSERT_NE(EditorOn(g), nullptr);
    EXPECT_EQ(g->TextMatrix(row, col), old);
    Key(Qt::Key_Escape);
    ASSERT_TRUE(dlg->isVisible());
    Key(Qt::Key_Up);
    Key(Qt::Key_Return);
    auto* editor = qobject_cast<QLineEdit*>(EditorOn(g));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), old);
    EXPECT_EQ(editor->geometry().center(), g->CellRect(row, col).center());
    Key(Qt::Key_Escape);
    ASSERT_TRUE(dlg->isVisible());
    EXPECT_TRUE(g->hasFocus());

    Key(Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(RadioImage(st), before);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, UserInputDialogGrid, ::testing::ValuesIn(kGridDialogs),
                         [](const ::testing::TestParamInfo<GridDialogCase>& i) { return std::string(i.param.Name); });


// A press that a dialog's leave-check refused never gets its release while the refusal message is
// up. The main window's next click still does what a click does: on the current cell of the FM
// grid only the release opens the editor.
TEST(UserInputMainAfterDialogs, AClickOnTheGridAfterARefusedPressOpensItsEditor) {
    SKIP_WITHOUT_REAL_WINDOWS();
    MainWindow m;
    m.w->ShowGridType(2);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(2);
    ClickCell(g, 3, 1);
    ASSERT_EQ(m.OpenEditor(), m.w->Text2);
    Key(Qt::Key_Escape);
    ASSERT_EQ(m.OpenEditor(), nullptr);
    {
        RealMessageBoxes boxes;
        Frm5Tone dlg(m.st);
        dlg.setModal(true);
        ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
        Click(dlg.Text2);
        QTest::keyClick(dlg.Text2, Qt::Key_A, Qt::ControlModifier);
        Type("123");
        AnswerNextBoxWithEnter();
        QTest::mousePress(dlg.Combo1[1], Qt::LeftButton);  // refused: the box takes the release
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr ||
                                                !qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                                    3000));
        Settle();
        dlg.reject();
    }
    QApplication::setActiveWindow(m.w.get());
    ASSERT_NO_FATAL_FAILURE(WaitActive(*m.w));
    Settle();
    ClickCell(g, 3, 1);
    EXPECT_EQ(m.OpenEditor(), m.w->Text2);
}

namespace {

void Chord(Qt::Key key, Qt::KeyboardModifiers mods) {
    QWidget* f = QApplication::focusWidget();
    ASSERT_NE(f, nullptr);
    QTest::keyClick(f, key, mods);
    Settle();
}

// What the channel grid shows of the first rows, the channel under the editor among them.
QStringList ChannelRows(FlexGrid* g) {
    QStringList rows;
    for (int r = 1; r <= 4; ++r) {
        QStringList cells;
        for (int c = 1; c <= 10; ++c) cells << g->TextMatrix(r, c);
        rows << cells.join('|');
    }
    return rows;
}

struct OpenEditorCase {
    const char* Name;
    int Col;
    // Opens a second list from the first one (the tone lists), or nothing.
    std::function<void(MainWindow&)> Then;
    const char* Editor;
};

const OpenEditorCase kOpenEditors[] = {
    {"Name", 3, nullptr, "TextName"},
    {"Step", 4, nullptr, "ComboStep"},
    {"Bandwidth", 5, nullptr, "ComboWN"},
    {"Bank", 6, nullptr, "ListBank"},
    {"Power", 7, nullptr, "ComboPower"},
    {"DecodeKind", 8, nullptr, "ComboDe_CTC_Type"},
    {"DecodeCtcss", 8, [](MainWindow& m) { ChooseFromList(m.w->ComboDe_CTC_Type, 1); }, "ComboDe_CTCSS"},
    {"EncodeKind", 9, nullptr, "ComboEn_CTC_Type"},
    {"EncodeDcs", 9, [](MainWindow& m) { ChooseFromList(m.w->ComboEn_CTC_Type, 2); }, "ComboEn_CDCSS"},
    {"Signalling", 10, nullptr, "ComboOptSig"},
};

void PrintTo(const OpenEditorCase& c, std::ostream* os) { *os << c.Name; }

class UserInputMainClipboard : public ::testing::TestWithParam<OpenEditorCase> {};

}  // namespace

// While an editor is open over a channel's cell, Ctrl+X, Ctrl+V and Ctrl+C leave every channel as
// it was; the grid's clipboard acts again once the editor is closed.
TEST_P(UserInputMainClipboard, ClipboardKeysDoNothingWhileAnEditorIsOpen) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const OpenEditorCase& c = GetParam();
    MainWindow m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(0);
    ASSERT_TRUE(IsChannelNoUsed(m.st, 1));
    ASSERT_TRUE(IsChannelNoUsed(m.st, 2));
    // The clipboard holds channel 1, so a paste would change channel 2.
    ClickCell(g, 1, 1);
    ASSERT_NO_FATAL_FAILURE(Chord(Qt::Key_C, Qt::ControlModifier));
    ASSERT_NE(g->TextMatrix(1, 1), g->TextMatrix(2, 1));
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 2, c.Col));
    if (c.Then) {
        ASSERT_NO_FATAL_FAILURE(c.Then(m));
    }
    QWidget* editor = m.OpenEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->objectName(), c.Editor);
    ASSERT_TRUE(editor->hasFocus());
    const QStringList before = ChannelRows(g);
    const int count = m.st.CurRadioData.ChannelCount;
    for (Qt::Key key : {Qt::Key_X, Qt::Key_V, Qt::Key_C, Qt::Key_V}) {
        ASSERT_NO_FATAL_FAILURE(Chord(key, Qt::ControlModifier));
        EXPECT_TRUE(IsChannelNoUsed(m.st, 2)) << "after Ctrl+" << char(key);
        EXPECT_EQ(ChannelRows(g), before) << "after Ctrl+" << char(key);
    }
    EXPECT_EQ(m.st.CurRadioData.ChannelCount, count);
    EXPECT_EQ(m.OpenEditor(), editor);
    Key(Qt::Key_Escape);
    ASSERT_EQ(m.OpenEditor(), nullptr);
    EXPECT_EQ(ChannelRows(g), before);
    // On the grid itself the keys are the grid's again: the clipboard still holds channel 1.
    ASSERT_TRUE(g->hasFocus());
    ASSERT_NO_FATAL_FAILURE(Chord(Qt::Key_V, Qt::ControlModifier));
    EXPECT_EQ(g->TextMatrix(2, 1), g->TextMatrix(1, 1));
    EXPECT_TRUE(msgs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(ChannelEditors, UserInputMainClipboard, ::testing::ValuesIn(kOpenEditors),
                         [](const ::testing::TestParamInfo<OpenEditorCase>& i) { return std::string(i.param.Name); });

// A cut key in the open bank list must not take the channel away from under the banks it is
// being put into: the channel stays, and so does the bank just ticked for it.
TEST(UserInputMainBankList, CutInTheOpenBankListKeepsTheChannelAndItsBank) {
    SKIP_WITHOUT_REAL_WINDOWS();
    MainWindow m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 2, 6));
    ASSERT_EQ(m.OpenEditor(), m.w->ListBank);
    ASSERT_NO_FATAL_FAILURE(Chord(Qt::Key_X, Qt::ControlModifier));
    EXPECT_TRUE(IsChannelNoUsed(m.st, 2));
    Key(Qt::Key_Down);
    const int row = m.w->ListBank->currentRow();
    ASSERT_GE(row, 0);
    Key(Qt::Key_Space);
    ASSERT_EQ(m.w->ListBank->item(row)->checkState(), Qt::Checked);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(IsChannelNoUsed(m.st, 2));
    BankList banks{};
    ShowChBankList(m.st, 2, banks);
    EXPECT_TRUE(banks[row]);
}

// At its first and last bank the list keeps the keys that would go beyond them: it stays open
// over the same cell, and Space then ticks the bank the line shows.
TEST(UserInputMainBankList, TheListKeepsTheKeysAtItsEdges) {
    SKIP_WITHOUT_REAL_WINDOWS();
    MainWindow m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(0);
    QListWidget* list = m.w->ListBank;
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 2, 6));
    ASSERT_EQ(m.OpenEditor(), list);
    const int last = list->count() - 1;
    const struct {
        Qt::Key Key;
        int Row;
    } steps[] = {{Qt::Key_Home, 0},     {Qt::Key_Home, 0},       {Qt::Key_Up, 0},   {Qt::Key_PageUp, 0},
                 {Qt::Key_End, last},   {Qt::Key_Down, last},    {Qt::Key_End, last}, {Qt::Key_PageDown, last},
                 {Qt::Key_Up, last - 1}, {Qt::Key_Down, last},   {Qt::Key_Down, last}};
    for (const auto& s : steps) {
        SCOPED_TRACE(QKeySequence(s.Key).toString().toStdString());
        Key(s.Key);
        ASSERT_EQ(m.OpenEditor(), list) << "the list closed";
        EXPECT_TRUE(list->hasFocus());
        EXPECT_EQ(list->currentRow(), s.Row);
        EXPECT_EQ(g->Row(), 2);
        EXPECT_EQ(g->Col(), 6);
    }
    BankList before{};
    ShowChBankList(m.st, 2, before);
    Key(Qt::Key_Space);
    Key(Qt::Key_Escape);
    EXPECT_EQ(m.OpenEditor(), nullptr);
    BankList after{};
    ShowChBankList(m.st, 2, after);
    EXPECT_NE(after[last], before[last]);
    for (int b = 0; b < last; ++b) EXPECT_EQ(after[b], before[b]) << "bank " << b + 1;
    EXPECT_TRUE(msgs.Messages().empty());
}

// The list opens on the channel's own first bank, or on its top line for a channel in none:
// never on the line another channel's list was left on, which Space would then tick.
TEST(UserInputMainBankList, TheListOpensOnTheChannelsOwnFirstBank) {
    SKIP_WITHOUT_REAL_WINDOWS();
    MainWindow m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    ASSERT_TRUE(AddDefaultChannel(m.st, 3, "145.0"));
    for (int ch : {1, 2, 3})
        for (int b = 1; b <= kBankCount; ++b) SetChBank(m.st, ch, b, false);
    SetChBank(m.st, 2, 6, true);
    SetChBank(m.st, 2, 3, true);
    m.w->ReShowListByData();
    ASSERT_NO_FATAL_FAILURE(m.Show());
    QListWidget* list = m.w->ListBank;
    // Channel 1's list left on its sixth line.
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 1, 6));
    for (int i = 0; i < 5; ++i) Key(Qt::Key_Down);
    ASSERT_EQ(list->currentRow(), 5);
    Key(Qt::Key_Escape);
    ASSERT_EQ(m.OpenEditor(), nullptr);

    ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 2, 6));
    ASSERT_EQ(m.OpenEditor(), list);
    EXPECT_EQ(list->currentRow(), 2);
    Key(Qt::Key_Escape);
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(0, 3, 6));
    ASSERT_EQ(m.OpenEditor(), list);
    EXPECT_EQ(list->currentRow(), 0);
    // Space ticks the line shown: channel 3's first bank.
    Key(Qt::Key_Space);
    Key(Qt::Key_Escape);
    BankList banks{};
    ShowChBankList(m.st, 3, banks);
    EXPECT_TRUE(banks[0]);
    for (int b = 1; b < kBankCount; ++b) EXPECT_FALSE(banks[b]) << "bank " << b + 1;
    EXPECT_TRUE(msgs.Messages().empty());
}

namespace {

struct ReopenCase {
    const char* Name;
    int Grid, Row, Col;
    Qt::Key Opener;
    const char* Editor;
};

const ReopenCase kReopen[] = {
    {"FmByEnter", 2, 3, 1, Qt::Key_Return, "Text2"},   {"FmByF2", 2, 3, 1, Qt::Key_F2, "Text2"},
    {"AmByEnter", 3, 2, 1, Qt::Key_Return, "Text3"},   {"AmByF2", 3, 2, 1, Qt::Key_F2, "Text3"},
    {"ChannelByEnter", 0, 2, 3, Qt::Key_Return, "TextName"},
    {"ChannelByF2", 0, 2, 3, Qt::Key_F2, "TextName"},
};

void PrintTo(const ReopenCase& c, std::ostream* os) { *os << c.Name; }

class UserInputMainReopen : public ::testing::TestWithParam<ReopenCase> {};

}  // namespace

// After Esc the same cell's editor opens again from the keyboard, on the cell, with the focus.
TEST_P(UserInputMainReopen, EnterOrF2AfterEscOpensTheSameCellAgain) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const ReopenCase& c = GetParam();
    MainWindow m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    m.w->ShowGridType(c.Grid);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(c.Grid);
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(c.Grid, c.Row, c.Col));
    ASSERT_NE(m.OpenEditor(), nullptr);
    Key(Qt::Key_Escape);
    ASSERT_EQ(m.OpenEditor(), nullptr);
    ASSERT_TRUE(g->hasFocus());
    Key(c.Opener);
    QWidget* editor = m.OpenEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), c.Editor);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->geometry().center(), g->CellRect(c.Row, c.Col).center());
    EXPECT_FALSE(IsDataChanged(m.st));
}

INSTANTIATE_TEST_SUITE_P(Grids, UserInputMainReopen, ::testing::ValuesIn(kReopen),
                         [](const ::testing::TestParamInfo<ReopenCase>& i) { return std::string(i.param.Name); });

namespace {

struct InactiveEscCase {
    const char* Name;
    int Grid, Row, Col;
    Qt::Key Move;  // moves the cell once the window is back
    int RowAfter, ColAfter;
};

const InactiveEscCase kInactiveEsc[] = {
    {"ChannelName", 0, 2, 3, Qt::Key_Left, 2, 2},
    {"FmStation", 2, 3, 1, Qt::Key_Down, 4, 1},
};

void PrintTo(const InactiveEscCase& c, std::ostream* os) { *os << c.Name; }

class UserInputMainInactiveEsc : public ::testing::TestWithParam<InactiveEscCase> {};

}  // namespace

// Esc in an editor of a window that is not the active one (another window took the activation,
// as a message box does) still gives the keys to the grid's cell: once the window is back, the
// arrows move the cell and Enter opens its editor, and the focus stays out of the tree.
TEST_P(UserInputMainInactiveEsc, EscGivesTheFocusToTheGridInAnInactiveWindow) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const InactiveEscCase& c = GetParam();
    MainWindow m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    m.w->ShowGridType(c.Grid);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(c.Grid);
    ASSERT_NO_FATAL_FAILURE(m.OpenCell(c.Grid, c.Row, c.Col));
    QWidget* editor = m.OpenEditor();
    ASSERT_NE(editor, nullptr);
    {
        QWidget other;
        other.resize(200, 100);
        ASSERT_NO_FATAL_FAILURE(ShowActive(other));
        ASSERT_FALSE(m.w->isActiveWindow());
        QTest::keyClick(editor, Qt::Key_Escape);
        Settle();
        EXPECT_TRUE(editor->isHidden());
        EXPECT_EQ(m.w->focusWidget(), g);
    }
    QApplication::setActiveWindow(m.w.get());
    ASSERT_NO_FATAL_FAILURE(WaitActive(*m.w));
    Settle();
    EXPECT_TRUE(g->hasFocus());
    Key(c.Move);
    EXPECT_EQ(g->Row(), c.RowAfter);
    EXPECT_EQ(g->Col(), c.ColAfter);
    EXPECT_FALSE(m.w->tvTreeView->hasFocus());
    // The broadcast-radio grid opens its editor on the move already; the channel grid on Enter.
    if (m.OpenEditor() == nullptr) Key(Qt::Key_Return);
    ASSERT_NE(m.OpenEditor(), nullptr);
    EXPECT_TRUE(m.OpenEditor()->hasFocus());
    EXPECT_EQ(m.OpenEditor()->geometry().center(), g->CellRect(c.RowAfter, c.ColAfter).center());
}

INSTANTIATE_TEST_SUITE_P(Editors, UserInputMainInactiveEsc, ::testing::ValuesIn(kInactiveEsc),
                         [](const ::testing::TestParamInfo<InactiveEscCase>& i) { return std::string(i.param.Name); });

// End, Home and the horizontal scroll bar leave the first column on screen whole, so a short
// text such as "12.5K" never reads "2.5K".
TEST(UserInputMainScroll, TheFirstVisibleColumnIsAlwaysWhole) {
    SKIP_WITHOUT_REAL_WINDOWS();
    MainWindow m;
    m.w->resize(640, 600);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    FlexGrid* g = m.Grid(0);
    QScrollBar* bar = g->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the grid needs to scroll for this test";
    const auto firstWhole = [g] {
        const int first = g->columnAt(0);
        return first >= 0 && g->columnViewportPosition(first) == 0;
    };
    ClickCell(g, 1, 1);
    Key(Qt::Key_End);
    EXPECT_EQ(g->Col(), g->Cols() - 2);  // the last shown column
    EXPECT_GT(bar->value(), 0);
    EXPECT_TRUE(firstWhole()) << "first column starts at " << g->columnViewportPosition(g->columnAt(0));
    EXPECT_TRUE(g->viewport()->rect().contains(g->CellRect(1, g->Col()).topLeft() + QPoint(1, 1)));
    Key(Qt::Key_Home);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(firstWhole());
    // Dragged to any place, and by the arrow at its end.
    for (int i = 0; i <= 16; ++i) {
        const int v = bar->maximum() * i / 16;
        bar->setValue(v);
        EXPECT_TRUE(firstWhole()) << "at " << v << " of " << bar->maximum();
    }
    bar->setValue(0);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Settle();
    EXPECT_TRUE(firstWhole());
}

namespace {

// Closes whatever modal dialog opens next, as Cancel does.
void CancelNextDialog() {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [tries, poll] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            d->reject();
            return;
        }
        if (++*tries < 200) QTimer::singleShot(20, *poll);
    };
    QTimer::singleShot(20, *poll);
}

}  // namespace

// A dialog opened from the tree, once closed, leaves the tree showing the grid that is on screen;
// so does File > New.
TEST(UserInputMainTree, TheHighlightGoesBackToTheGridOnScreen) {
    SKIP_WITHOUT_REAL_WINDOWS();
    MainWindow m;
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    ASSERT_NO_FATAL_FAILURE(m.Show());
    for (const char* key : {"N7", "N12", "N5"}) {
        SCOPED_TRACE(key);
        QTreeWidgetItem* node = m.TreeNode(key);
        ASSERT_NE(node, nullptr);
        m.w->tvTreeView->scrollToItem(node);
        CancelNextDialog();
        Click(m.w->tvTreeView->viewport(), m.w->tvTreeView->visualItemRect(node).center());
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 3000));
        Settle();
        EXPECT_EQ(m.TreeKey(), "N1");
    }
    // Reached with the keys and opened with Enter, on the broadcast-radio grid.
    QApplication::setActiveWindow(m.w.get());
    ASSERT_NO_FATAL_FAILURE(WaitActive(*m.w));
    m.w->ShowGridType(2);
    m.w->tvTreeView->setFocus(Qt::OtherFocusReason);
    m.w->tvTreeView->setCurrentItem(m.TreeNode("N6"));
    CancelNextDialog();
    Key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 3000));
    Settle();
    EXPECT_EQ(m.TreeKey(), "N3");
    // Walked onto a dialog's node without opening it, then File > New.
    m.w->tvTreeView->setCurrentItem(m.TreeNode("N7"));
    m.w->MenuAction("mnuFileNew")->trigger();
    Settle();
    EXPECT_EQ(m.TreeKey(), "N3");
}

// Enter in the book's editor moves the focus on, to the grid: the cell then shows what was typed,
// no editor covers it, and the keys act on it; Enter opens it again with that text.
TEST(UserInputCommuBook, EnterInTheEditorLeavesTheGridOnItsCell) {
    SKIP_WITHOUT_REAL_WINDOWS();
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    AppState st;
    std::unique_ptr<QDialog> dlg;
    FlexGrid* g = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenDialogOnGrid(kGridDialogs[2], st, dlg, g));
    auto* book = static_cast<FrmCommuBook*>(dlg.get());
    Type("12");
    ASSERT_TRUE(book->Text1->hasFocus());
    Key(Qt::Key_Return);
    ASSERT_TRUE(g->hasFocus());
    EXPECT_TRUE(book->Text1->isHidden());
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 1);
    ASSERT_NE(g->currentItem(), nullptr);
    EXPECT_TRUE(g->currentItem()->isSelected());
    EXPECT_EQ(g->TextMatrix(1, 1), "12");

    Key(Qt::Key_Return);
    ASSERT_FALSE(book->Text1->isHidden());
    EXPECT_TRUE(book->Text1->hasFocus());
    EXPECT_EQ(book->Text1->text(), "12");
    EXPECT_EQ(book->Text1->geometry().center(), g->CellRect(1, 1).center());
    Key(Qt::Key_Escape);
    EXPECT_EQ(g->TextMatrix(1, 1), "12");
    Key(Qt::Key_Down);
    EXPECT_EQ(g->Row(), 2);
    EXPECT_TRUE(book->Text1->isHidden());
}
