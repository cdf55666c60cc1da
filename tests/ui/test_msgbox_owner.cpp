// A message must hang off a window the user can see: the progress window the exchange has just
// closed may still be the active window for a moment, and a message owned by it can end up
// where nobody sees it while it blocks the program.
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <string>
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
    MsgBox("done", MsgStyle::OkOnly);
    SetMsgBoxAnswerer(scripted);
    EXPECT_TRUE(shown);
    ASSERT_NE(owner, nullptr);
    EXPECT_NE(owner, progress);
    EXPECT_TRUE(owner->isVisible());
    QApplication::processEvents();
}

// A window manager draws the title in a font of its own, bold in most, between the frame's icon
// and its buttons, and cuts what does not fit: a short message in a box sized for its text and
// buttons lost the end of the program's title.
struct TitleCase {
    const char* Name;
    const char* Text;
    int Style;
    const char* Title;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.Name; }

class MessageTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(MessageTitle, TheBoxLeavesRoomForItsWholeTitleInTheFrame) {
    const TitleCase& c = GetParam();
    QMainWindow main;
    main.show();
    const MsgBoxAnswerer scripted = SetMsgBoxAnswerer(nullptr);
    int width = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        width = box->width();
        box->reject();
    });
    poll.start(10);
    MsgBox(QString::fromUtf8(c.Text), c.Style, QString::fromUtf8(c.Title));
    poll.stop();
    SetMsgBoxAnswerer(scripted);
    ASSERT_GE(width, 0) << "no box was shown";
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics fm(font);
    // The frame's icon and its three buttons with the gaps between them: openbox needs about
    // seven lines' height beside the title (it cut a box of the title and six).
    EXPECT_GE(width, fm.horizontalAdvance(QString::fromUtf8(c.Title)) + 7 * fm.height());
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageTitle,
                         ::testing::Values(TitleCase{"OK", "Done", MsgStyle::OkOnly, "Radio Programming Software"},
                                           TitleCase{"OKCancel", "Go on?", MsgStyle::OkCancel, "Radio Programming Software"},
                                           TitleCase{"Information", "Saved.", MsgStyle::Information, "Radio Programming Software"},
                                           TitleCase{"Chinese", "完成", MsgStyle::OkOnly, "无线电编程软件"}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
