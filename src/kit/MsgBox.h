#pragma once
// The one way the program shows a message. Styles and answers are plain numbers, shared with the
// core (CommPorts.h) and the mappings, which have no Qt; so every caller compares against the same
// values:
//   styles  0 OK, 1 OK/Cancel, 5 Retry/Cancel, 16 OK (stop sign), 33 OK/Cancel (question),
//           36 Yes/No (question), 48 OK (exclamation), 49 OK/Cancel (exclamation),
//           51 Yes/No/Cancel (exclamation), 64 OK (information);
//           plus 256: the second button is the one Enter presses
//   answers 1 OK, 2 Cancel, 4 Retry, 6 Yes, 7 No
// Tests install an answerer that records the message and returns a scripted answer.
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QWidget;

namespace rp {

enum MsgAnswer { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

using MsgBoxAnswerer = std::function<int(const QString& text, int style, const QString& title)>;

// title empty: the program's title (text 8900 of the current language).
int MsgBox(const QString& text, int style = 0, const QString& title = QString());

// The program's title for messages without their own; start-up and a language switch set it.
void SetMsgBoxTitle(const QString& title);
QString MsgBoxTitle();

// Captions of the standard buttons by answer (vbOK, vbCancel, ...), for a language Qt's own
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
    explicit ScopedMsgBoxScript(int answer = vbOK);
    ~ScopedMsgBoxScript();
    ScopedMsgBoxScript(const ScopedMsgBoxScript&) = delete;
    ScopedMsgBoxScript& operator=(const ScopedMsgBoxScript&) = delete;
    const std::vector<Shown>& Messages() const { return shown_; }

private:
    std::vector<Shown> shown_;
    MsgBoxAnswerer previous_;
};

}  // namespace rp
