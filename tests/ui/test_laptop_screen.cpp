// Every dialog opens within a small laptop screen (1280x720 logical: a 1920x1080 panel at 150%)
// with its own buttons on the screen, and what does not fit scrolls. Runs as
// ui_laptop_screen_under_xvfb, on a real X server of that size; elsewhere it skips.
#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>
#include <gtest/gtest.h>

#include "FullDataFixture.h"
#include "MainFixture.h"
#include "ScrolledView.h"
#include "UserDriver.h"
#include "channels/FrmBank.h"
#include "channels/FrmCHBatch.h"
#include "channels/FrmCHEdit.h"
#include "fivetone/Frm5Tone.h"
#include "fivetone/Frm5ToneDefTS.h"
#include "fivetone/FrmSpecial.h"
#include "kit/FrmProgress.h"
#include "kit/MsgBox.h"
#include "model/LangText.h"
#include "print/FrmPrintList.h"
#include "qtcomm/FrmPassWord.h"
#include "settings/FrmAlert.h"
#include "settings/FrmEMG.h"
#include "settings/FrmOption.h"
#include "settings/FrmScan.h"
#include "shell/FrmAbout.h"
#include "shell/FrmComPort.h"
#include "shell/FrmLanguage.h"
#include "shell/FrmModel.h"
#include "shell/FrmTestData.h"
#include "shell/frmMain.h"
#include "signalling/Frm2Tone.h"
#include "signalling/FrmCommuBook.h"
#include "signalling/FrmDTMF.h"
#include "signalling/FrmMSK.h"

using namespace rp;
using namespace rp::test;

namespace {

// Room for a title bar and a panel the X server does not report: no dialog is taller than the
// screen less these.
constexpr int kTitleBar = 40;
constexpr int kPanel = 30;

// The height a window takes on the screen: its frame where a window manager framed it, else
// itself under a title bar of the room allowed for one.
int FramedHeight(const QWidget& w) {
    const QRect frame = w.frameGeometry();
    return frame.height() > w.height() ? frame.height() : w.height() + kTitleBar;
}

struct Opened {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(AppState&, std::vector<std::shared_ptr<void>>&)> Make;
};

// Each dialog as the dialog tests open it; owners a dialog needs live in `keep`.
const std::vector<Opened>& Dialogs() {
    static const std::vector<Opened> all = {
        {"FrmCHEdit", [](AppState& st, auto&) { st.CurChannelNo = 1; return std::make_unique<FrmCHEdit>(st); }},
        {"FrmCHBatch", [](AppState& st, auto&) { return std::make_unique<FrmCHBatch>(st, [] {}); }},
        {"FrmBank", [](AppState& st, auto&) { return std::make_unique<FrmBank>(st); }},
        {"FrmDTMF", [](AppState& st, auto&) { return std::make_unique<FrmDTMF>(st); }},
        {"FrmDTMFSpecial",
         [](AppState& st, auto& keep) {
             auto owner = std::make_shared<FrmDTMF>(st);
             keep.push_back(owner);
             auto d = std::make_unique<FrmDTMFSpecial>(st, *owner);
             return d;
         }},
        {"Frm2Tone", [](AppState& st, auto&) { return std::make_unique<Frm2Tone>(st, [] {}); }},
        {"FrmMSK", [](AppState& st, auto&) { return std::make_unique<FrmMSK>(st); }},
        {"FrmCommuBook", [](AppState& st, auto&) { return std::make_unique<FrmCommuBook>(st); }},
        {"Frm5Tone", [](AppState& st, auto&) { return std::make_unique<Frm5Tone>(st); }},
        {"Frm5ToneDefTS", [](AppState& st, auto&) { return std::make_unique<Frm5ToneDefTS>(st); }},
        {"FrmSpecial",
         [](AppState& st, auto& keep) {
             auto owner = std::make_shared<Frm5Tone>(st);
             keep.push_back(owner);
             auto d = std::make_unique<FrmSpecial>(*owner, 0);
             return d;
         }},
        {"FrmOption", [](AppState& st, auto&) { return std::make_unique<FrmOption>(st); }},
        {"FrmScan", [](AppState& st, auto&) { return std::make_unique<FrmScan>(st); }},
        {"FrmAlert", [](AppState& st, auto&) { return std::make_unique<FrmAlert>(st); }},
        {"FrmEMG", [](AppState& st, auto&) { return std::make_unique<FrmEMG>(st, st.CurRadioInfo); }},
        {"FrmPrintList",
         [](AppState& st, auto& keep) {
             auto printer = std::make_shared<QPrinter>();
             keep.push_back(printer);
             return std::make_unique<FrmPrintList>(st, *printer);
         }},
        {"FrmPassWord",
         [](AppState& st, auto& keep) {
             auto typed = std::make_shared<std::string>("1234");
             keep.push_back(typed);
             return std::make_unique<FrmPassWord>(st, *typed);
         }},
        {"FrmAbout", [](AppState& st, auto&) { return std::make_unique<FrmAbout>(st); }},
        {"FrmComPort",
         [](AppState& st, auto&) { return std::make_unique<FrmComPort>(st, QStringList{"/dev/ttyS0"}, "/dev/ttyS0"); }},
        {"FrmLanguage", [](AppState& st, auto&) { return std::make_unique<FrmLanguage>(st, [] {}); }},
        {"FrmModel",
         [](AppState& st, auto&) {
             return std::make_unique<FrmModel>(st, QStringList{"6173USD"}, "6173USD", QStringList{"b0", "b1"}, 0);
         }},
        {"FrmTestData", [](AppState& st, auto&) { return std::make_unique<FrmTestData>(st, nullptr); }},
        {"FrmProgress",
         [](AppState&, auto&) { return std::make_unique<FrmProgress>("Read data from radio", "Completion percentage:"); }},
    };
    return all;
}

bool InsideScrollArea(const QWidget* w, const QWidget* top) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != top; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) != nullptr) return true;
    return false;
}

bool IsCloser(const QPushButton* b) {
    const QString n = b->objectName().toLower();
    return n == "commandok" || n == "commandcancel" || n == "commandclose";
}

// The whole data set with every area in use, as a user who filled each editor would leave it.
class LaptopScreen : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_REAL_WINDOWS();
        screen_ = QGuiApplication::primaryScreen()->availableGeometry();
        if (screen_.height() > 720) GTEST_SKIP() << "needs a screen at most 720 px tall (runs as ui_laptop_screen_under_xvfb)";
        UseLanguage(st, 1);
        InitMsgString(st);
        InitFunLangText(st);
        st.NoInitFileFlag = true;
        FillFullData(st);
    }

    AppState st;
    QRect screen_;
};

TEST_F(LaptopScreen, EveryDialogOpensWithinTheScreenWithItsButtonsOnIt) {
    for (const Opened& o : Dialogs()) {
        SCOPED_TRACE(o.Name);
        std::vector<std::shared_ptr<void>> keep;
        std::unique_ptr<QDialog> d = o.Make(st, keep);
        d->setModal(true);  // as the program opens it
        ASSERT_NO_FATAL_FAILURE(ShowActive(*d));
        const QRect frame = d->frameGeometry();
        EXPECT_LE(FramedHeight(*d), screen_.height() - kPanel) << frame.height();
        EXPECT_TRUE(screen_.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                             << frame.height();
        // Every button the dialog shows outside a scrolled part (its own row) is on the screen,
        // and OK, Cancel and Close are always among them.
        const auto buttons = d->findChildren<QPushButton*>();
        int outside = 0;
        for (auto* b : buttons) {
            if (!b->isVisible()) continue;
            if (InsideScrollArea(b, d.get())) {
                EXPECT_FALSE(IsCloser(b)) << b->objectName().toStdString() << " scrolls";
                continue;
            }
            ++outside;
            const QRect at(b->mapToGlobal(QPoint(0, 0)), b->size());
            EXPECT_TRUE(screen_.contains(at)) << b->objectName().toStdString() << " " << b->text().toStdString()
                                              << " at " << at.y() << ".." << at.bottom();
        }
        if (!buttons.isEmpty()) {
            EXPECT_GT(outside, 0);
        }
        d->close();
    }
}

// The tallest dialogs fit under a title bar with their own buttons on the screen, and each
// control of their body that does not fit is reached by scrolling.
TEST_F(LaptopScreen, TallDialogsScrollWhatDoesNotFit) {
    for (const char* name : {"FrmCHBatch", "FrmOption", "Frm5Tone"}) {
        SCOPED_TRACE(name);
        const auto o = std::find_if(Dialogs().begin(), Dialogs().end(),
                                    [&](const Opened& x) { return std::string(x.Name) == name; });
        ASSERT_NE(o, Dialogs().end());
        std::vector<std::shared_ptr<void>> keep;
        std::unique_ptr<QDialog> d = o->Make(st, keep);
        d->setModal(true);
        ASSERT_NO_FATAL_FAILURE(ShowActive(*d));
        EXPECT_LE(FramedHeight(*d), screen_.height()) << d->frameGeometry().height();
        auto* area = d->findChild<QScrollArea*>("ScreenFitArea");
        ASSERT_NE(area, nullptr) << "the body does not scroll";
        QScrollBar* bar = area->verticalScrollBar();
        EXPECT_EQ(bar->isVisible(), area->widget()->height() > area->viewport()->height());
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
        for (QWidget* b : d->findChildren<QPushButton*>()) {
            if (!b->isVisible() || area->isAncestorOf(b)) continue;
            EXPECT_TRUE(screen_.contains(OnScreen(b))) << FieldText(b);
        }
        const auto fields = ShownFields(area);
        EXPECT_FALSE(fields.empty());
        for (QWidget* w : fields) {
            ScrollToShow(area, w);
            EXPECT_TRUE(InView(area, w)) << FieldText(w) << " cannot be scrolled into the " << ViewText(area);
        }
        d->close();
    }
}

// The control at the bottom of a dialog's scrolled part is reached by scrolling, and a click on
// it gets there.
TEST_F(LaptopScreen, TheBottomOfAScrolledDialogIsReached) {
    Frm5Tone d(st);
    d.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    auto* area = d.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    QScrollBar* bar = area->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "nothing to scroll: the whole dialog is shown";
    auto* grid = d.findChild<FlexGrid*>("MSHFlexGrid1");
    ASSERT_NE(grid, nullptr);
    bar->setValue(bar->maximum());
    Settle();
    const QRect seen(area->viewport()->mapToGlobal(QPoint(0, 0)), area->viewport()->size());
    const QRect gridAt(grid->mapToGlobal(QPoint(0, 0)), grid->size());
    EXPECT_TRUE(seen.contains(gridAt.bottomLeft() + QPoint(2, -2))) << "the grid's bottom is not shown";
    EXPECT_TRUE(screen_.contains(gridAt.bottomLeft() + QPoint(2, -2)));
    // A code cell of the grid, clicked where it is shown, opens its editor.
    ClickCell(grid, 1, 5);
    auto* name = d.findChild<QLineEdit*>("Text6");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->isVisible());
    EXPECT_TRUE(name->hasFocus());
}

// The main window opens within the screen with its status bar and its grid's scroll bar on it,
// at its first start and with a place kept from a larger screen.
TEST_F(LaptopScreen, TheMainWindowOpensWithItsStatusBarOnTheScreen) {
    for (const QRect& kept : {QRect(), QRect(40, 20, 1200, 980)}) {
        SCOPED_TRACE(kept.isValid() ? "kept from a larger screen" : "first start");
        TempSettings settings;
        if (kept.isValid()) {
            QSettings s(settings.Path(), QSettings::IniFormat);
            s.beginGroup("Settings");
            s.setValue("MainLeft", kept.x());
            s.setValue("MainTop", kept.y());
            s.setValue("MainWidth", kept.width());
            s.setValue("MainHeight", kept.height());
        }
        frmMain w(st, settings.Make());
        ASSERT_NO_FATAL_FAILURE(ShowActive(w));
        const QRect frame = w.frameGeometry();
        EXPECT_TRUE(screen_.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                             << frame.height();
        ASSERT_TRUE(w.sbStatusBar->isVisible());
        const QRect bar(w.sbStatusBar->mapToGlobal(QPoint(0, 0)), w.sbStatusBar->size());
        EXPECT_TRUE(screen_.contains(bar)) << "status bar at " << bar.y() << ".." << bar.bottom();
        QScrollBar* across = w.MSFlexGrid1[0]->horizontalScrollBar();
        if (across->isVisible()) {
            const QRect at(across->mapToGlobal(QPoint(0, 0)), across->size());
            EXPECT_TRUE(screen_.contains(at)) << "scroll bar at " << at.y() << ".." << at.bottom();
        }
    }
}

std::string FocusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName().toStdString() : "(none)";
}

// Tab from Cancel goes into the scrolled body at its first field, and Shift+Tab from OK at its
// last, wherever the view stands; the view follows the focus.
TEST_F(LaptopScreen, TabAndShiftTabReachTheEdgesOfAScrolledBodyFromAnyScroll) {
    FrmOption d(st);
    d.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    auto* area = d.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    QScrollBar* bar = area->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "nothing to scroll: the whole dialog is shown";
    ASSERT_TRUE(d.Text3[1]->isVisibleTo(&d));
    QWidget* first = QApplication::focusWidget();
    ASSERT_EQ(first, d.Combo1[0]);
    for (const int scroll : {0, bar->maximum(), bar->maximum() / 2}) {
        SCOPED_TRACE(scroll);
        // Tab from Cancel, the view anywhere.
        d.CommandCancel->setFocus(Qt::TabFocusReason);
        bar->setValue(scroll);
        Settle();
        Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.Combo1[0]) << FocusName();
        EXPECT_TRUE(InView(area, d.Combo1[0]));
        // Shift+Tab from OK.
        d.CommandOK->setFocus(Qt::TabFocusReason);
        bar->setValue(scroll);
        Settle();
        Key(Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), d.Text3[1]) << FocusName();
        EXPECT_TRUE(InView(area, d.Text3[1]));
        Key(Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), d.Text3[0]) << FocusName();
        EXPECT_TRUE(InView(area, d.Text3[0]));
    }
}

// A refused own ID takes the focus back while the body is scrolled away from it: the view goes
// back to the box, and what the user types next is typed where it is seen.
TEST_F(LaptopScreen, ARefusedFieldComesBackIntoView) {
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    Frm5Tone d(st);
    d.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    auto* area = d.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    QScrollBar* bar = area->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "nothing to scroll: the whole dialog is shown";
    Click(d.Text2);
    QTest::keyClick(d.Text2, Qt::Key_A, Qt::ControlModifier);
    Type("123");
    bar->setValue(bar->maximum());
    Settle();
    ASSERT_FALSE(InView(area, d.Text2)) << "the own ID is still in view at the bottom";
    ASSERT_TRUE(InView(area, d.Text5));
    ASSERT_EQ(d.Text2->text().toStdString(), "123");
    ASSERT_TRUE(d.Text5->isEnabled());
    Click(d.Text5);
    // The refusal has been shown and the own ID has the focus back, scrolled into view; the checks
    // below say what is wrong when not.
    (void)QTest::qWaitFor([&] { return !msgs.Messages().empty() && d.Text2->hasFocus() && InView(area, d.Text2); },
                          2000);
    ASSERT_EQ(msgs.Messages().size(), 1u);
    ASSERT_TRUE(d.Text2->hasFocus());
    EXPECT_TRUE(InView(area, d.Text2));
    QTest::keyClick(d.Text2, Qt::Key_End);
    Type("45");
    EXPECT_EQ(d.Text2->text().toStdString(), "12345");
}

}  // namespace
