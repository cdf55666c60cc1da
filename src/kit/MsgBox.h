#pragma once
// The one way the program shows a message. Styles and answers are the core's plain numbers
// (MsgStyle, MsgButton), which the core and the mappings, without Qt, use as well.
// Tests install an answerer that records the message and returns a scripted answer.
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "model/MsgCodes.h"

class QWidget;

namespace rp {

using MsgBoxAnswerer = std::function<int(const QString& text, int style, const QString& title)>;

// title empty: the program's title (text 8900 of the current language).
int MsgBox(const QString& text, int style = MsgStyle::OkOnly, const QString& title = QString());

// The program's title for messages without their own; start-up and a language switch set it.
void SetMsgBoxTitle(const QString& title);

// Captions of the standard buttons by answer (MsgButton), for a language Qt's own
// translation does not cover; a button without one keeps Qt's caption.
void SetMsgBoxButtonTexts(std::map<int, QString> texts);

// Replaces the real message box; an empty function restores it. Returns the one it replaced.
MsgBoxAnswerer SetMsgBoxAnswerer(MsgBoxAnswerer answerer);

// For tests: while it lives, every message is recorded and answered with `answer`.
class ScopedMsgBoxScript {
public:
    struct Shown {
        QString Text;
        int Style;
        QString Title;
    };
    explicit ScopedMsgBoxScript(std::function<int(const Shown&)> answer);
    explicit ScopedMsgBoxScript(int answer = MsgButton::Ok);
    ~ScopedMsgBoxScript();
    ScopedMsgBoxScript(const ScopedMsgBoxScript&) = delete;
    ScopedMsgBoxScript& operator=(const ScopedMsgBoxScript&) = delete;
    const std::vector<Shown>& Messages() const { return shown_; }

private:
    std::vector<Shown> shown_;
    MsgBoxAnswerer previous_;
};

}  // namespace rp
