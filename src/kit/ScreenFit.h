#pragma once
// A tall dialog on a small screen: a laptop at 1280x720 (1920x1080 at 150%) or 1366x768 has
// less room than some dialogs need once a title bar and a panel take theirs, and a dialog that
// runs past the bottom of the screen hides its OK and Cancel.
class QDialog;
class QScrollArea;

namespace rp::kit {

// Puts every item of the dialog's top layout (a vertical box) but the last, its button row, into
// a frameless scroll area, and sizes the dialog to its screen each time it is shown: where the
// screen has the room, the dialog shows exactly as it would without the scroll area; where it
// has not, the dialog opens as tall as the screen allows, its button row at the bottom on the
// screen, and the rest scrolls. Call once the top layout is complete, before any control is
// hidden or shown; the controls stay descendants of the dialog, in the same tab order.
QScrollArea* FitScreen(QDialog* dlg);

}  // namespace rp::kit
