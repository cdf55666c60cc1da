#include "kit/MsgBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace rp {
namespace {

struct Service {
    QString Title;
    MsgBoxAnswerer Answerer;
    std::map<int, QString> ButtonTexts;
};

Service& TheService() {
    static Service s;
    return s;
}

// The window the message belongs to. The window that was active may already be on its way out
// (the progress window an exchange has just closed stays the active one until the window
// system says otherwise); a message hung on a hidden window can end up where the user never
// sees it, while it blocks the program.
QWidget* VisibleOwner() {
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible()) return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QMainWindow*>(w)) return w;
    return nullptr;
}

// A window manager draws the title in a font of its own, often bold, between the frame's icon
// and its buttons, and cuts what does not fit there. Qt leaves room for the title in a plain
// font and a little more, so a short message lost the middle of the program's title: the box is
// made wide enough for the title in bold beside the icon and three buttons (with their gaps,
// about seven lines' height under openbox; eight leave some to spare). Its button row spans the
// box, so the room is asked of that row; Qt sizes the box anew whenever it shows.
void RoomForTitle(QMessageBox& box) {
    auto* row = box.findChild<QDialogButtonBox*>();
    if (!row || !box.layout()) return;
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics fm(font);
    int need = fm.horizontalAdvance(box.windowTitle()) + 8 * fm.height();
    if (const QScreen* screen = box.screen()) need = std::min(need, screen->availableGeometry().width() * 9 / 10);
    const QMargins m = box.layout()->contentsMargins();
    row->setMinimumWidth(std::max(0, need - m.left() - m.right()));
}

int ShowReal(const QString& text, int style, const QString& title) {
    QMessageBox box(VisibleOwner());
    box.setWindowTitle(title);
    box.setText(text);
    switch (style & MsgStyle::IconMask) {
        case MsgStyle::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgStyle::Question: box.setIcon(QMessageBox::Question); break;
        case MsgStyle::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgStyle::Information: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Button {
        QMessageBox::StandardButton Which;
        int Answer;
    };
    std::vector<Button> buttons;
    switch (style & MsgStyle::ButtonsMask) {
        case MsgStyle::OkCancel:
            buttons = {{QMessageBox::Ok, MsgButton::Ok}, {QMessageBox::Cancel, MsgButton::Cancel}};
            break;
        case MsgStyle::AbortRetryIgnore:
            buttons = {{QMessageBox::Abort, MsgButton::Abort}, {QMessageBox::Retry, MsgButton::Retry},
                       {QMessageBox::Ignore, MsgButton::Ignore}};
            break;
        case MsgStyle::YesNoCancel:
            buttons = {{QMessageBox::Yes, MsgButton::Yes}, {QMessageBox::No, MsgButton::No},
                       {QMessageBox::Cancel, MsgButton::Cancel}};
            break;
        case MsgStyle::YesNo: buttons = {{QMessageBox::Yes, MsgButton::Yes}, {QMessageBox::No, MsgButton::No}}; break;
        case MsgStyle::RetryCancel:
            buttons = {{QMessageBox::Retry, MsgButton::Retry}, {QMessageBox::Cancel, MsgButton::Cancel}};
            break;
        default: buttons = {{QMessageBox::Ok, MsgButton::Ok}}; break;
    }
    QMessageBox::StandardButtons set;
    for (const Button& b : buttons) set |= b.Which;
    box.setStandardButtons(set);
    for (const Button& b : buttons) {
        const auto text = TheService().ButtonTexts.find(b.Answer);
        if (text != TheService().ButtonTexts.end() && !text->second.isEmpty()) box.button(b.Which)->setText(text->second);
    }
    box.setDefaultButton((style & MsgStyle::DefaultButton2) && buttons.size() > 1 ? buttons[1].Which : buttons.front().Which);
    // Closing the box with Escape or the title bar counts as Cancel where there is one.
    const bool hasCancel = set.testFlag(QMessageBox::Cancel);
    box.setEscapeButton(hasCancel ? QMessageBox::Cancel : buttons.back().Which);
    RoomForTitle(box);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const Button& b : buttons)
        if (clicked == box.button(b.Which)) return b.Answer;
    return hasCancel ? MsgButton::Cancel : buttons.back().Answer;
}

}  // namespace

int MsgBox(const QString& text, int style, const QString& title) {
    const QString shownTitle = title.isEmpty() ? TheService().Title : title;
    if (TheService().Answerer) return TheService().Answerer(text, style, shownTitle);
    return ShowReal(text, style, shownTitle);
}

void SetMsgBoxTitle(const QString& title) { TheService().Title = title; }
void SetMsgBoxButtonTexts(std::map<int, QString> texts) { TheService().ButtonTexts = std::move(texts); }

MsgBoxAnswerer SetMsgBoxAnswerer(MsgBoxAnswerer answerer) {
    MsgBoxAnswerer old = std::move(TheService().Answerer);
    TheService().Answerer = std::move(answerer);
    return old;
}

ScopedMsgBoxScript::ScopedMsgBoxScript(std::function<int(const Shown&)> answer) {
    previous_ = SetMsgBoxAnswerer([this, answer](const QString& text, int style, const QString& title) {
        shown_.push_back({text, style, title});
        return answer(shown_.back());
    });
}

ScopedMsgBoxScript::ScopedMsgBoxScript(int answer)
    : ScopedMsgBoxScript([answer](const Shown&) { return answer; }) {}

ScopedMsgBoxScript::~ScopedMsgBoxScript() { SetMsgBoxAnswerer(std::move(previous_)); }

}  // namespace rp
