#pragma once
// A tall dialog on a small screen: a laptop at 1280x720 (1920x1080 at 150%) or 1366x768 has
// less room than some dialogs need once a title bar and a panel take theirs, and a dialog that
// runs past the bottom of the screen hides its OK and Cancel.
#include <QList>

class QDialog;
class QScrollArea;
class QWidget;

namespace rp::kit {

// Puts every item of the dialog's top layout (a vertical box) but the last, its button row, into
// a frameless scroll area, and sizes the dialog to its content within its screen: where the
// screen has the room, the dialog shows whole, as it would without the scroll area; where it
// has not, the dialog is as large as the screen allows, its button row at the bottom on the
// screen, and the rest scrolls. A control shown or hidden later grows the dialog again, moved
// back onto the screen where growing would take it past an edge. Call once the top layout is
// complete, before any control is hidden or shown; the controls stay descendants of the dialog,
// in the same tab order.
QScrollArea* FitScreen(QDialog* dlg);

// The same for a dialog whose controls are placed by hand at a fixed size: the widgets of
// `buttonRow` stay at the bottom, everything above them scrolls, each at its place. Call once
// the dialog has its final size and places.
QScrollArea* FitScreen(QDialog* dlg, const QList<QWidget*>& buttonRow);

}  // namespace rp::kit
