#pragma once
// Drives shown windows the way a user does: a shown, active window, mouse clicks sent to the
// widget under the pointer, keys sent to whatever has the focus, a list opened by a click and its
// item clicked. Focus, activation and drop-down lists behave as on a desktop only under a real X
// server, so tests built on these skip offscreen.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <gtest/gtest.h>

#include "kit/GridAdapter.h"

namespace rp::test {

inline bool RealWindows() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

#define SKIP_WITHOUT_REAL_WINDOWS()                                                                  \
    if (!::rp::test::RealWindows()) GTEST_SKIP() << "needs a real X server (runs as ui_user_input_under_xvfb)"

// A window manager on the display (tools/xvfb-wm.sh says so once it has taken the screen): frames,
// activation by the window manager, maximise.
inline bool UnderWindowManager() { return RealWindows() && !qEnvironmentVariableIsEmpty("RP_WINDOW_MANAGER"); }

#define SKIP_WITHOUT_WINDOW_MANAGER()                                                                \
    if (!::rp::test::UnderWindowManager())                                                           \
    GTEST_SKIP() << "needs a window manager (runs as ui_desktop_*_under_window_manager)"

inline void Settle() { QTest::qWait(30); }

// How long a window may take to become active, or to be shown, before a test gives up on it. A
// window manager on a loaded machine can take seconds; this is only the bound of a wait that ends
// as soon as the window is there.
inline constexpr int kWindowWaitMsecs = 60000;

// Waits until `w`'s window is the active one (the window system's focus window), asking for it
// again every little while: a window manager may give the activation to another window first, or
// drop a request made while it was busy. Fails with a message saying so only after the long bound.
inline void WaitActive(QWidget& w) {
    QWidget* win = w.window();
    const auto active = [win] { return win->windowHandle() && win->windowHandle()->isActive() && win->isActiveWindow(); };
    QElapsedTimer clock;
    clock.start();
    while (!active() && clock.elapsed() < kWindowWaitMsecs) {
        if (QTest::qWaitFor(active, 500)) break;
        // Without a window manager the program gives the activation itself.
        if (!UnderWindowManager()) QApplication::setActiveWindow(win);
        win->activateWindow();
    }
    ASSERT_TRUE(active()) << "the window \"" << win->windowTitle().toStdString() << "\" did not become active in "
                          << kWindowWaitMsecs / 1000 << " s";
}

inline void ShowActive(QWidget& w) {
    w.show();
    // Without a window manager the server takes an activation only once the window is on
    // screen: asked any earlier (the process's first window is), it is refused for good.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w, kWindowWaitMsecs))
        << "the window was not shown in " << kWindowWaitMsecs / 1000 << " s";
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    ASSERT_NO_FATAL_FAILURE(WaitActive(w));
    Settle();
}

inline void Click(QWidget* w, QPoint at = {}) {
    QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
    Settle();
}

// Keys go where the focus is, as the keyboard's do.
inline void Type(const QString& text) {
    for (QChar ch : text) {
        QWidget* f = QApplication::focusWidget();
        ASSERT_NE(f, nullptr);
        QTest::keyClick(f, ch.toLatin1());
    }
    Settle();
}

inline void Key(Qt::Key key) {
    QWidget* f = QApplication::focusWidget();
    ASSERT_NE(f, nullptr);
    QTest::keyClick(f, key);
    Settle();
}

// Waits until the keys go to `w`: its window is the active one and `w` has the focus in it. Under
// a window manager the activation comes after the show, and a window left a moment ago may be
// activated once more before the new one.
inline bool GiveKeysTo(QWidget* w) {
    QWidget* win = w->window();
    QElapsedTimer asked;  // not started: ask at once
    return QTest::qWaitFor([&] {
        if (QApplication::activeWindow() != win) {
            // Asked again now and then, not on every look: a request made while the window
            // manager was busy may be dropped.
            if (!asked.isValid() || asked.elapsed() >= 500) {
                win->activateWindow();
                asked.start();
            }
            return false;
        }
        if (QApplication::focusWidget() != w) w->setFocus(Qt::OtherFocusReason);
        return QApplication::focusWidget() == w;
    }, kWindowWaitMsecs);
}

// Notches of the mouse wheel with the pointer resting over `over` (at `at` in it, its middle when
// not given); a negative count turns the wheel towards the user. Each notch goes the way the
// window system's does: to the window, which hands it to whatever widget is under the pointer by
// then (a scrolled body moves other controls there) and on up through its parents until one
// takes it. A wheel moves no focus of its own: the widgets decide.
inline void Wheel(QWidget* over, int notches, QPoint at = {}) {
    QWidget* window = over->window();
    const QPoint pointer = over->mapTo(window, at.isNull() ? over->rect().center() : at);
    QTest::mouseMove(window, pointer);
    for (int i = 0; i < std::abs(notches); ++i) {
        QWheelEvent notch(pointer, window->mapToGlobal(pointer), QPoint(), QPoint(0, notches < 0 ? -120 : 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        // The window system's events are spontaneous: only those go on to a parent. sendEvent
        // would clear the mark, so the event goes straight in, as QTest's keys do.
        QSpontaneKeyEvent::setSpontaneous(&notch);
        QApplication::instance()->notify(window->windowHandle(), &notch);
        Settle();
    }
}

// A click opens the list, a click on the item chooses it.
inline void ChooseFromList(QComboBox* c, int index) {
    Click(c);
    QAbstractItemView* list = c->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 2000)) << "the list did not open";
    // The list takes no release within a double-click time of its opening.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QModelIndex item = c->model()->index(index, 0);
    list->scrollTo(item);
    Click(list->viewport(), list->visualRect(item).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }, 2000)) << "the list did not close";
    ASSERT_EQ(c->currentIndex(), index);
}

inline void ClickCell(FlexGrid* g, int row, int col) {
    g->scrollToItem(g->item(row - 1, col - 1));
    Click(g->viewport(), g->CellRect(row, col).center());
}

}  // namespace rp::test
