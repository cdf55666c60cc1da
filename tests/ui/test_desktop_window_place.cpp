// The main window's place on a desktop: a window manager frames it, maximises it and tells it so
// in its own order, and the place the user gave the window must come back at the next start with
// its whole frame on the screen. These run under a window manager on Xvfb
// (ui_desktop_*_under_window_manager, at 1280x720 and 1280x1024) and skip elsewhere; the one of
// the status bar needs only a real X server.
#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "UserDriver.h"
#include "kit/FileDialogs.h"
#include "kit/MsgBox.h"
#include "model/DataFiles.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "shell/frmMain.h"

using namespace rp;
using namespace rp::test;

namespace {

std::string Text(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

// One run of the program after another, on the same settings.
class DesktopWindowPlace : public ::testing::Test {
protected:
    void SetUp() override {
        UseLanguage(st, kLanguageEnglish);
        InitMsgString(st);
        st.NoInitFileFlag = true;
        NewData(st);
    }

    QRect Area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    // The program starts: its window shown, framed by the window manager and in front.
    std::unique_ptr<frmMain> Start() {
        auto w = std::make_unique<frmMain>(st, settings.Make());
        ShowActive(*w);
        EXPECT_TRUE(QTest::qWaitFor([&] { return w->frameGeometry() != w->geometry(); }, 5000))
            << "the window manager never framed the window";
        return w;
    }

    // The user moves and sizes the window until its frame stands at `frame`.
    static void GiveFrame(frmMain& w, const QRect& frame) {
        const QRect outer = w.frameGeometry(), inner = w.geometry();
        const QSize border = outer.size() - inner.size();
        w.resize(frame.size() - border);
        w.move(frame.topLeft());
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry() == frame; }, 5000))
            << "frame at " << Text(w.frameGeometry()) << ", not " << Text(frame);
    }

    // The window manager's maximise, as its title bar button does it: the window is told by the
    // window manager, in the window manager's order, not by Qt beforehand.
    void Maximise(frmMain& w) {
        w.windowHandle()->setWindowStates(Qt::WindowMaximized);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return w.isMaximized() && w.frameGeometry().width() >= Area().width(); }, 5000))
            << "not maximised: " << Text(w.frameGeometry());
    }

    void Restore(frmMain& w) {
        w.windowHandle()->setWindowStates(Qt::WindowNoState);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !w.isMaximized() && w.frameGeometry().width() < Area().width(); }, 5000))
            << "still maximised: " << Text(w.frameGeometry());
    }

    // File > Exit, leaving the new data unsaved.
    static void Exit(frmMain& w) {
        ScopedMsgBoxScript dropUnsaved(MsgButton::No);
        w.MenuAction("mnuFileExit")->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 2000)) << "the window did not close";
    }

    // The frame once it has settled where the program put it: fitting it may take the window
    // manager a moment after the frame is first known.
    QRect FrameOnTheScreen(frmMain& w) {
        static_cast<void>(QTest::qWaitFor([&] { return Area().contains(w.frameGeometry()); }, 3000));
        return w.frameGeometry();
    }

    AppState st;
    TempSettings settings;
};

// Maximised at exit, the window comes back (maximised, as it was left) and returns to the place
// the user gave it, to the pixel, with its frame on the screen; the four numbers kept are that
// place, as for a window left unmaximised.
TEST_F(DesktopWindowPlace, MaximisedAtExitReturnsToItsOwnPlace) {
    SKIP_WITHOUT_WINDOW_MANAGER();
    const QRect own(200, 100, 800, 500);
    QSize inner;
    {
        auto w = Start();
        ASSERT_NO_FATAL_FAILURE(GiveFrame(*w, own));
        inner = w->size();
        ASSERT_NO_FATAL_FAILURE(Maximise(*w));
        ASSERT_NO_FATAL_FAILURE(Exit(*w));
    }
    {
        QSettings s(settings.Path(), QSettings::IniFormat);
        s.beginGroup("Settings");
        EXPECT_EQ(s.value("MainLeft").toInt(), own.x());
        EXPECT_EQ(s.value("MainTop").toInt(), own.y());
        EXPECT_EQ(s.value("MainWidth").toInt(), inner.width());
        EXPECT_EQ(s.value("MainHeight").toInt(), inner.height());
    }
    for (int run = 2; run <= 4; ++run) {
        SCOPED_TRACE("start " + std::to_string(run));
        auto w = Start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return w->isMaximized(); }, 3000)) << "not maximised as it was left";
        if (w->isMaximized()) {
            ASSERT_NO_FATAL_FAILURE(Restore(*w));
        }
        const QRect frame = FrameOnTheScreen(*w);
        EXPECT_EQ(frame, own) << Text(frame);
        EXPECT_EQ(w->size(), inner);
        EXPECT_TRUE(Area().contains(frame)) << Text(frame);
        // Maximised again and left so: the next start has the same place.
        ASSERT_NO_FATAL_FAILURE(Maximise(*w));
        ASSERT_NO_FATAL_FAILURE(Exit(*w));
    }
}

// Left unmaximised, the window comes back where its frame was, start after start: in the middle
// of the screen, on its bottom right corner, and as tall as the screen.
TEST_F(DesktopWindowPlace, UnmaximisedKeepsItsPlaceExactly) {
    SKIP_WITHOUT_WINDOW_MANAGER();
    const QRect a = Area();
    const QRect places[] = {
        QRect(200, 100, 800, 500),
        QRect(a.right() + 1 - 800, a.bottom() + 1 - 500, 800, 500),
        QRect(150, a.top(), 900, a.height()),
    };
    for (const QRect& own : places) {
        SCOPED_TRACE(Text(own));
        {
            auto w = Start();
            ASSERT_NO_FATAL_FAILURE(GiveFrame(*w, own));
            ASSERT_NO_FATAL_FAILURE(Exit(*w));
        }
        for (int run = 2; run <= 4; ++run) {
            SCOPED_TRACE("start " + std::to_string(run));
            auto w = Start();
            const QRect frame = FrameOnTheScreen(*w);
            EXPECT_EQ(frame, own) << Text(frame);
            ASSERT_NO_FATAL_FAILURE(Exit(*w));
        }
    }
}

// A place that does not fit with its frame (the maximised rectangle kept as the window's own,
// a window as tall as a screen without frames, one from a larger screen) opens with its whole
// frame, side borders and title bar, on the screen.
TEST_F(DesktopWindowPlace, WholeFrameOnTheScreenAtStart) {
    SKIP_WITHOUT_WINDOW_MANAGER();
    const QRect a = Area();
    const QRect kept[] = {
        QRect(a.left(), a.top(), a.width(), a.height() - 24),
        QRect(100, a.top(), 900, a.height()),
        QRect(40, 20, 1600, 1300),
    };
    for (const QRect& place : kept) {
        SCOPED_TRACE(Text(place));
        {
            QSettings s(settings.Path(), QSettings::IniFormat);
            s.beginGroup("Settings");
            s.setValue("MainLeft", place.x());
            s.setValue("MainTop", place.y());
            s.setValue("MainWidth", place.width());
            s.setValue("MainHeight", place.height());
        }
        auto w = Start();
        const QRect frame = FrameOnTheScreen(*w);
        EXPECT_TRUE(a.contains(frame)) << Text(frame) << " on " << Text(a);
        ASSERT_NO_FATAL_FAILURE(Exit(*w));
    }
}

// Moved into the corner where the maximised window starts, then maximised within a second: the
// move was the user's, and the window returns there (now and at the next start).
TEST_F(DesktopWindowPlace, MovedIntoTheCornerThenMaximisedReturnsToTheCorner) {
    SKIP_WITHOUT_WINDOW_MANAGER();
    const QRect a = Area();
    const QRect before(200, 100, 800, 500), corner(a.left(), a.top(), 800, 500);
    {
        auto w = Start();
        ASSERT_NO_FATAL_FAILURE(GiveFrame(*w, before));
        // Some time apart, as the user's own moves are.
        QTest::qWait(1500);
        ASSERT_NO_FATAL_FAILURE(GiveFrame(*w, corner));
        QTest::qWait(300);
        ASSERT_NO_FATAL_FAILURE(Maximise(*w));
        ASSERT_NO_FATAL_FAILURE(Restore(*w));
        EXPECT_EQ(FrameOnTheScreen(*w), corner) << Text(w->frameGeometry());
        ASSERT_NO_FATAL_FAILURE(Maximise(*w));
        ASSERT_NO_FATAL_FAILURE(Exit(*w));
    }
    auto w = Start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->isMaximized(); }, 3000)) << "not maximised as it was left";
    if (w->isMaximized()) {
        ASSERT_NO_FATAL_FAILURE(Restore(*w));
    }
    EXPECT_EQ(FrameOnTheScreen(*w), corner) << Text(w->frameGeometry());
    ASSERT_NO_FATAL_FAILURE(Exit(*w));
}

// A kept size below the window's minimum (kept in a language whose texts need less room) opens at
// the minimum with its frame where it was left, start after start, in either language.
TEST_F(DesktopWindowPlace, AKeptSizeBelowTheMinimumLeavesTheFrameInPlace) {
    SKIP_WITHOUT_WINDOW_MANAGER();
    for (int language : {kLanguageEnglish, kLanguageChinese}) {
        SCOPED_TRACE("language " + std::to_string(language));
        UseLanguage(st, language);
        InitMsgString(st);
        QSize minimum;
        {
            frmMain probe(st, settings.Make());
            probe.layout()->activate();
            minimum = probe.minimumSize();
        }
        ASSERT_GT(minimum.height(), 1);
        const QPoint at(200, 100);
        {
            QSettings s(settings.Path(), QSettings::IniFormat);
            s.beginGroup("Settings");
            s.setValue("MainLeft", at.x());
            s.setValue("MainTop", at.y());
            s.setValue("MainWidth", 800);
            s.setValue("MainHeight", minimum.height() - 1);
            s.setValue("MainMaximized", false);
        }
        for (int run = 1; run <= 2; ++run) {
            SCOPED_TRACE("start " + std::to_string(run));
            auto w = Start();
            const QRect frame = FrameOnTheScreen(*w);
            EXPECT_EQ(frame.topLeft(), at) << Text(frame);
            EXPECT_EQ(w->size(), QSize(800, minimum.height()));
            ASSERT_NO_FATAL_FAILURE(Exit(*w));
        }
    }
}

// A data file from a deep folder: the status bar names it as far as it fits, with the whole
// path as its tooltip, and the window keeps its width within the screen.
TEST_F(DesktopWindowPlace, ADeepFileNameNeverWidensTheWindow) {
    SKIP_WITHOUT_REAL_WINDOWS();
    QTemporaryDir top;
    ASSERT_TRUE(top.isValid());
    QString folder = top.path();
    for (int i = 0; folder.size() < 250; ++i) folder += QString("/folder_of_radio_data_%1").arg(i);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/repeater_channels.dat";
    ASSERT_GE(path.size(), 260);
    ASSERT_TRUE(SaveDataFile(st, path.toStdString()).Ok());
    NewData(st);

    auto w = std::make_unique<frmMain>(st, settings.Make());
    ASSERT_NO_FATAL_FAILURE(ShowActive(*w));
    const int width = w->width();
    {
        ScopedMsgBoxScript answers([](const ScopedMsgBoxScript::Shown& m) {
            return m.Style == MsgStyle::ExclamationYesNoCancel ? MsgButton::No : MsgButton::Ok;
        });
        ScopedFileDialogScript files({path});
        w->MenuAction("mnuFileOpen")->trigger();
    }
    ASSERT_EQ(st.DataFileName, path.toStdString());
    // The name's label asks for room through the layouts, which run on posted requests.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_LE(w->minimumSizeHint().width(), w->screen()->availableGeometry().width());
    const QRect screen = w->screen()->availableGeometry();
    EXPECT_LE(w->frameGeometry().width(), screen.width()) << Text(w->frameGeometry());
    EXPECT_EQ(w->width(), width);
    const QLabel* name = w->sbFile;
    EXPECT_EQ(name->toolTip(), path);
    EXPECT_NE(name->text(), path);
    EXPECT_TRUE(name->text().contains(QChar(0x2026))) << name->text().toStdString();
    EXPECT_TRUE(name->text().endsWith(".dat")) << name->text().toStdString();
    EXPECT_LE(name->fontMetrics().horizontalAdvance(name->text()), name->contentsRect().width());
    const QRect bar(name->mapTo(w.get(), QPoint(0, 0)), name->size());
    EXPECT_TRUE(w->rect().contains(bar)) << Text(bar);
    ScopedMsgBoxScript dropUnsaved(MsgButton::No);
    w->close();
}

}  // namespace
