// A message must hang off a window the user can see: the progress window the exchange has just
// closed may still be the active window for a moment, and a message owned by it can end up
// where nobody sees it while it blocks the program.
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "kit/MsgBox.h"

using namespace rp;

namespace {

TEST(MessageOwner, AHiddenActiveWindowDoesNotOwnTheMessage) {
    QMainWindow main;
    main.show();
    auto* progress = new QDialog(&main);
    progress->setWindowModality(Qt::ApplicationModal);
    progress->show();
    QApplication::setActiveWindow(progress);
    QApplication::processEvents();
    progress->hide();  // closed, and its deletion only queued, as the exchange's end does
    progress->deleteLater();

    const MsgBoxAnswerer scripted = SetMsgBoxAnswerer(nullptr);
    QWidget* owner = nullptr;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->isVisible();
        owner = box->parentWidget();
        box->accept();
    });
    MsgBox("done", 0);
    SetMsgBoxAnswerer(scripted);
    EXPECT_TRUE(shown);
    ASSERT_NE(owner, nullptr);
    EXPECT_NE(owner, progress);
    EXPECT_TRUE(owner->isVisible());
    QApplication::processEvents();
}

}  // namespace
