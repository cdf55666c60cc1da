#pragma once
// Message box styles and answers as plain numbers. The widgets' MsgBox takes and returns them, and
// the core, which has no Qt, asks its questions with them; so every caller uses these names.

namespace rp {

namespace MsgStyle {
// The buttons, in the low four bits.
constexpr int OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
constexpr int ButtonsMask = 0x0F;
// The icon, in the next four; alone, a box with only OK.
constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
constexpr int IconMask = 0xF0;
// The second button is the one Enter presses.
constexpr int DefaultButton2 = 256;
// The pairs the program asks with.
constexpr int QuestionOkCancel = Question | OkCancel, ExclamationOkCancel = Exclamation | OkCancel,
              ExclamationYesNoCancel = Exclamation | YesNoCancel;
// For a question whose Yes cannot be undone.
constexpr int QuestionYesNoDefaultNo = Question | YesNo | DefaultButton2;
}  // namespace MsgStyle

// The button the user pressed.
namespace MsgButton {
constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}

}  // namespace rp
