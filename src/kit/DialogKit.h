#pragma once
// What every editor dialog needs to behave alike, written once:
//
// - A dialog's load relies on a control's change handler running whenever code sets its value;
//   Qt signals fire only on real changes, and a freshly filled QComboBox selects item 0 by
//   itself. So code sets controls here with their signals blocked and then calls the named
//   handler itself, and user input is taken from signals that code never fires (activated,
//   clicked, textEdited).
// - Key filters live in validators, so paste, drag-and-drop and input methods obey them too.
// - Enter never presses a default button: every button has autoDefault off; where a box moves
//   on with Enter, it moves on like Tab. Enter on a focused button presses it, as Space does.
// - Leave-checks run on every real move of the focus inside the dialog (a drop-down list of the
//   dialog counts as inside), before the click or key that moved it goes on: never when the
//   window only loses the activation, never when the focus goes to Cancel, and never while the
//   dialog closes.
// - The mouse wheel changes a list or number box only once the user has chosen it in its window:
//   clicked it, moved the focus to it with a key of theirs (Tab, Shift+Tab, an access key) or
//   typed into it, and it still has the focus. The focus a window gives on opening or gives back
//   (after a message box, another window, a drop-down list) is no choice, and the wheel gives no
//   focus. Over any other box the wheel scrolls what lies around it, a dialog's scrolled body, or
//   does nothing.
// - The rules that watch every window (the wheel, the leave-checks, the keys that switch tabs,
//   the first Down in a list) are one application filter, installed once as the program starts
//   and asked in a fixed order; the calls below only mark what they act on.
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace rp::kit {

// Whether the control shows once its dialog is on screen: the control's own flag, true also for
// controls of a dialog not shown yet (where isVisible() is false).
bool IsShown(const QWidget* w);

// ---- Record texts -----------------------------------------------------------------------------

// A record text (bytes of a fixed-width field, from the radio or a data file) shows each byte as
// its Latin-1 character and goes back as the same bytes, so 0x80..0xFF survive a round through a
// widget untouched. Language texts are UTF-8 and never pass through these.
QString FromBytes(std::string_view bytes);
std::string ToBytes(const QString& text);

// ---- Lists ------------------------------------------------------------------------------------

QStringList ToQStringList(const std::vector<std::string>& items);

// Replaces the items without a signal; afterwards nothing is selected (index -1).
void FillCombo(QComboBox* c, const QStringList& items);
void FillCombo(QComboBox* c, const std::vector<std::string>& items);

// Selects by position without a signal; a position outside the list selects nothing (-1).
void SetComboIndex(QComboBox* c, int index);
// Selects by position without a signal; outside the list item 0 (an empty list: nothing).
void SetComboListIndex(QComboBox* c, int index);
// The text of the item at index, item 0 outside the list, "" for an empty list.
QString GetComboListText(const QComboBox* c, int index);
// The text of the item at index, else that of the item at fallback ("" when neither exists).
QString GetComboItemText(int index, const QComboBox* c, int fallback);
// The first item equal to text (exact), else item 0's text, "" for an empty list.
QString GetComboMatchText(const QComboBox* c, const QString& text);
// Selects the item GetComboMatchText names, without a signal; an empty list: nothing selected.
void SetComboText(QComboBox* c, const QString& text);
// The selected index, or fallback when nothing is selected.
int ComboIndex(const QComboBox* c, int fallback = 0);

// ---- Values set by code (signals blocked; call the named handler yourself) --------------------

void SetChecked(QAbstractButton* b, bool on);
// A stored check value: anything above 0 ticks the box.
void SetCheckValue(QCheckBox* b, int value);
int CheckValue(const QCheckBox* b);
// The whole text, never cut by a typing limit, cursor at the start. Filtered boxes must be set
// through this (or setText with signals on): the filter needs to know the text before an edit.
void SetText(QLineEdit* e, const QString& text);

// ---- Key filters ------------------------------------------------------------------------------

enum class Keys {
    Digits,          // 0-9
    DigitsDot,       // 0-9 and "."
    Hex,             // 0-9, A-F (typed a-f become upper case)
    DTMF,            // 0-9, A-D, "*" and "#" (typed a-d become upper case)
    PrintableAscii,  // 32 to 126
};

struct KeyFilter {
    std::function<bool(QChar)> Allowed;  // the characters the box takes
    int MaxTyped = -1;                   // the longest text the user can make (-1: no limit)
    bool Upper = false;                  // letters typed in lower case are taken in upper case
};
KeyFilter MakeKeyFilter(Keys keys, int maxTyped = -1);

// Installs the filter as a validator on the box and shuts its context menu. A change may not add
// a character the filter refuses nor make the text longer than MaxTyped; a stored text that is
// already longer or holds other characters can still be shortened and edited.
void SetKeyFilter(QLineEdit* e, const KeyFilter& filter);
void SetKeyFilter(QLineEdit* e, Keys keys, int maxTyped = -1);
// Drops Ctrl+C, Ctrl+V and Ctrl+X (and their other key sequences) in the box.
void BlockClipboardKeys(QWidget* w);
void NoContextMenu(QWidget* w);

// ---- Focus and keys ---------------------------------------------------------------------------

// Every push button below root: autoDefault and default off, so Enter in a field presses none
// of them; Enter on a focused button presses that button, unless EnterMovesFocus or OnEnter gave
// it a rule of its own. Call after the dialog's buttons exist.
void NoDefaultButtons(QWidget* root);
// Switching tabs (a click on a tab; Ctrl+Tab, Ctrl+PageDown, Ctrl+Shift+Tab and Ctrl+PageUp from
// any control of a page, a list box too; the wheel over the tab bar) leaves the focus on the tab
// bar instead of letting Qt move it into a box of the new page, where it would make a
// leave-check due the user never started. A page that comes back gives the keys back to the cell
// editor open on it that had them when the page went, with its text, selection and caret.
void TabSwitchKeepsFocus(QTabWidget* tabs);
// Moves the focus on from w as a Tab typed in w does (w's own Tab rule, if any, included).
void MoveFocusOn(QWidget* w);
// Enter (Return or keypad Enter) in w moves the focus on as Tab does, and goes no further.
void EnterMovesFocus(QWidget* w);
// Enter in w runs handler instead, and goes no further.
void OnEnter(QWidget* w, std::function<void()> handler);
// The whole text is selected when the box gets the focus, also by a mouse click and as the
// window's first focus when it opens; not when the window comes back after a message box.
void SelectAllOnFocus(QLineEdit* e);
// Marks a control (Cancel, a close button) that the focus may move to without a leave-check.
void SkipLeaveCheck(QWidget* w);
// check runs after the focus has left w for another control of the same window, however it
// left: a click or key on another control runs it before that click or key does anything (and a
// check that puts the focus back swallows them), a move into a drop-down list of the window runs
// it when the list closes. It does not run when the window only loses the activation, the focus
// goes to a control marked by SkipLeaveCheck or comes back to w first, or the window is closing
// or gone; while another window (a message box) has the focus it waits.
void OnLeave(QWidget* w, std::function<void()> check);
// The dialog's OK and Cancel buttons (object names "CommandOK" and cancelName, autoDefault off,
// Cancel exempt from the leave-checks) at the right end of a row the caller puts into its
// layout; buttons that go left of them are inserted at the row's start. The buttons are made
// here, so call it where they come in the dialog's tab order. Connect them yourself.
QHBoxLayout* OKCancelRow(QWidget* parent, QPushButton*& ok, QPushButton*& cancel,
                         const char* cancelName = "CommandCancel");
// A numbered column of caption labels and combo boxes ("Label1_0", "Combo1_0", ... for the bases
// "Label1" and "Combo1"), made pair by pair, combo first: each label right-aligned and its
// combo's buddy, Enter in a combo moves on like Tab, a pick in combo i runs clicked(i).
void MakeComboColumn(QWidget* parent, std::span<QLabel*> labels, std::span<QComboBox*> combos, const char* labelBase,
                     const char* comboBase, std::function<void(int)> clicked);
// Puts the pairs at these indexes into the grid's rows from the top: label, then combo.
void AddComboRows(QGridLayout* grid, std::span<QLabel* const> labels, std::span<QComboBox* const> combos,
                  std::initializer_list<int> indexes);
// Moves the focus to w once the current event is done (a focus move inside a key handler would
// happen before the key's character is in the box).
void QueueFocus(QWidget* w);

// ---- Tab order and focus frame ----------------------------------------------------------------

// The window's Tab chain follows what the user sees, a container at a time: a group box, a
// frame, a panel, a tab page or a scrolled body is one unit placed among its neighbours by its
// position (top to bottom, left to right within a row; a column beside a tall list comes after
// the list), and its controls are walked whole before the next unit's; then ownButtons (OK,
// Apply, Cancel, Close) as they stand. A bare layout is no unit. The chain is set when the window
// is shown and again when a view, a page or a control in it shows; Qt's chain skips what is
// hidden or disabled meanwhile. A control cut away by the frame it lies in takes no stop; one
// scrolled out of a scroll area's view does. The first focus stays on the control the window
// would have opened on, unless that is one of ownButtons; a tab bar gives it to the first field
// of the page shown.
void TabOrderByLayout(QWidget* window, std::initializer_list<QWidget*> ownButtons);
// The control that has the focus when the window opens shows its focus frame at once, as it
// would after a Tab (styles draw the frame only once the keyboard has moved the focus).
void FocusFrameFromStart(QWidget* window);

// ---- Lists with no line chosen ----------------------------------------------------------------

// In a list of the window (a list box, or a box's drop-down list) with no line chosen, the first
// Down chooses the first line; Qt's list would skip it for the second. Every dialog asks for it.
void FirstDownChoosesFirstLine(QWidget* window);

}  // namespace rp::kit
