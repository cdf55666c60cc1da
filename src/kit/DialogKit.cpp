#include "kit/DialogKit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

namespace rp::kit {

namespace {

// One event hook a widget; the hook lives as the widget's child and dies with it.
class EventHook : public QObject {
public:
    using Fn = std::function<bool(QEvent*)>;
    EventHook(QWidget* w, Fn fn) : QObject(w), fn_(std::move(fn)) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* e) override { return fn_(e); }

private:
    Fn fn_;
};

bool IsEnterKey(const QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<const QKeyEvent*>(e);
    const auto mods = k->modifiers() & ~Qt::KeypadModifier;
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

class KeyFilterValidator : public QValidator {
public:
    KeyFilterValidator(QLineEdit* box, KeyFilter filter)
        : QValidator(box), filter_(std::move(filter)), last_(box->text()) {
        // The box already holds the new text when it asks; the text before the change is the
        // last one it reported (or the one SetText put in with its signals blocked).
        connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { last_ = t; });
    }
    void SetLast(const QString& t) { last_ = t; }

    State validate(QString& input, int&) const override {
        if (filter_.Upper) {
            for (QChar& c : input)
                if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = c.toUpper();
        }
        const QString& old = last_;
        if (Refused(input) > Refused(old)) return Invalid;
        if (filter_.MaxTyped >= 0 && input.size() > std::max<qsizetype>(filter_.MaxTyped, old.size())) return Invalid;
        return Acceptable;
    }

private:
    qsizetype Refused(const QString& s) const {
        qsizetype n = 0;
        for (QChar c : s)
            if (!filter_.Allowed || !filter_.Allowed(c)) ++n;
        return n;
    }

    KeyFilter filter_;
    QString last_;
};

bool InRange(QChar c, char lo, char hi) { return c.unicode() >= static_cast<char16_t>(lo) && c.unicode() <= static_cast<char16_t>(hi); }

}  // namespace

bool IsShown(const QWidget* w) { return w && !w->isHidden(); }

// ---- Lists ------------------------------------------------------------------------------------

QString FromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) { return text.toLatin1().toStdString(); }

QStringList ToQStringList(const std::vector<std::string>& items) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& s : items) out << QString::fromStdString(s);
    return out;
}

void FillCombo(QComboBox* c, const QStringList& items) {
    const QSignalBlocker block(c);
    c->clear();
    c->addItems(items);
    c->setCurrentIndex(-1);
}

void FillCombo(QComboBox* c, const std::vector<std::string>& items) { FillCombo(c, ToQStringList(items)); }

void SetComboIndex(QComboBox* c, int index) {
    const QSignalBlocker block(c);
    c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
}

void SetComboListIndex(QComboBox* c, int index) {
    const QSignalBlocker block(c);
    if (c->count() == 0) c->setCurrentIndex(-1);
    else c->setCurrentIndex(index >= 0 && index < c->count() ? index : 0);
}

QString GetComboListText(const QComboBox* c, int index) {
    if (c->count() == 0) return QString();
    return c->itemText(index >= 0 && index < c->count() ? index : 0);
}

QString GetComboItemText(int index, const QComboBox* c, int fallback) {
    if (index >= 0 && index < c->count()) return c->itemText(index);
    if (fallback >= 0 && fallback < c->count()) return c->itemText(fallback);
    return QString();
}

QString GetComboMatchText(const QComboBox* c, const QString& text) {
    if (c->count() == 0) return QString();
    const int i = c->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return c->itemText(i >= 0 ? i : 0);
}

void SetComboText(QComboBox* c, const QString& text) {
    const QSignalBlocker block(c);
    if (c->count() == 0) {
        c->setCurrentIndex(-1);
        return;
    }
    const int i = c->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    c->setCurrentIndex(i >= 0 ? i : 0);
}

int ComboIndex(const QComboBox* c, int fallback) {
    const int i = c->currentIndex();
    return i >= 0 ? i : fallback;
}

// ---- Values set by code -----------------------------------------------------------------------

void SetChecked(QAbstractButton* b, bool on) {
    const QSignalBlocker block(b);
    b->setChecked(on);
}

void SetCheckValue(QCheckBox* b, int value) { SetChecked(b, value > 0); }

int CheckValue(const QCheckBox* b) { return b->isChecked() ? 1 : 0; }

void SetText(QLineEdit* e, const QString& text) {
    const QSignalBlocker block(e);
    e->setText(text);
    e->setCursorPosition(0);
    // The filter judges an edit against the text before it; it saw no signal for this one.
    if (auto* f = dynamic_cast<const KeyFilterValidator*>(e->validator())) const_cast<KeyFilterValidator*>(f)->SetLast(e->text());
}

// ---- Key filters ------------------------------------------------------------------------------

KeyFilter MakeKeyFilter(Keys keys, int maxTyped) {
    KeyFilter f;
    f.MaxTyped = maxTyped;
    switch (keys) {
    case Keys::Digits: f.Allowed = [](QChar c) { return InRange(c, '0', '9'); }; break;
    case Keys::DigitsDot: f.Allowed = [](QChar c) { return InRange(c, '0', '9') || c == QLatin1Char('.'); }; break;
    case Keys::Hex:
        f.Allowed = [](QChar c) { return InRange(c, '0', '9') || InRange(c, 'A', 'F'); };
        f.Upper = true;
        break;
    case Keys::DTMF:
        f.Allowed = [](QChar c) {
            return InRange(c, '0', '9') || InRange(c, 'A', 'D') || c == QLatin1Char('*') || c == QLatin1Char('#');
        };
        f.Upper = true;
        break;
    case Keys::PrintableAscii: f.Allowed = [](QChar c) { return InRange(c, ' ', '~'); }; break;
    }
    return f;
}

void SetKeyFilter(QLineEdit* e, const KeyFilter& filter) {
    e->setValidator(new KeyFilterValidator(e, filter));
    NoContextMenu(e);
}

void SetKeyFilter(QLineEdit* e, Keys keys, int maxTyped) { SetKeyFilter(e, MakeKeyFilter(keys, maxTyped)); }

void BlockClipboardKeys(QWidget* w) {
    new EventHook(w, [](QEvent* e) {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (!k->matches(QKeySequence::Copy) && !k->matches(QKeySequence::Paste) && !k->matches(QKeySequence::Cut))
            return false;
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();  // keeps a window shortcut from taking the key instead
            return false;
        }
        return true;
    });
}

void NoContextMenu(QWidget* w) { w->setContextMenuPolicy(Qt::NoContextMenu); }

// ---- Focus and keys ---------------------------------------------------------------------------

void NoDefaultButtons(QWidget* root) {
    // Without autoDefault a button lets Enter go by, up to the dialog, where it would press
    // nothing. So the button the key comes to (the one with the focus) decides at once: with an
    // Enter rule of its own (EnterMovesFocus, OnEnter) that rule does it, else it presses as it
    // does with Space. Nothing of one key is kept for the next: a key eaten on its way and one
    // sent to a field press no button.
    for (auto* b : root->findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
        if (b->property("rpEnterPresses").toBool()) continue;
        b->setProperty("rpEnterPresses", true);
        new EventHook(b, [b](QEvent* e) {
            if (!IsEnterKey(e) || b->property("rpEnterRule").toBool()) return false;
            if (!b->hasFocus() || !b->isEnabled() || !b->isVisible()) return false;
            if (!static_cast<QKeyEvent*>(e)->isAutoRepeat()) b->click();
            return true;
        });
    }
}

namespace {

// The tab a key that switches tabs goes to: +1 the next, -1 the one before, 0 for any other key.
int TabSwitchStep(const QKeyEvent* k) {
    const auto mods = k->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier) {
        switch (k->key()) {
        case Qt::Key_Tab:
        case Qt::Key_PageDown: return 1;
        case Qt::Key_Backtab:
        case Qt::Key_PageUp: return -1;
        default: return 0;
        }
    }
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab))
        return -1;
    return 0;
}

// The tab widget a key or wheel at w switches: the nearest one around w marked by
// TabSwitchKeepsFocus, in w's own window (a drop-down list is a window of its own and keeps its
// keys).
QTabWidget* SwitchedTabs(QWidget* w) {
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (w->property("rpTabSwitch").toBool()) return qobject_cast<QTabWidget*>(w);
    return nullptr;
}

// Takes the keys that switch tabs before the control with the focus sees them: a list box would
// step its own value with Ctrl+PageUp/PageDown and search for Ctrl+Tab, a grid would move its
// cell, so only some controls would let the key through to the tab widget. The wheel over the tab
// bar switches tabs as the bar does, with the keys on the bar first, as a click on a tab puts them.
bool TabSwitchRule(QObject* o, QEvent* e) {
    if (!o->isWidgetType()) return false;
    if (e->type() == QEvent::Wheel) {
        auto* bar = qobject_cast<QTabBar*>(o);
        QTabWidget* tabs = bar ? SwitchedTabs(bar) : nullptr;
        if (tabs && tabs->tabBar() == bar && !bar->hasFocus()) bar->setFocus(Qt::TabFocusReason);
        return false;
    }
    if (e->type() != QEvent::KeyPress) return false;
    const int step = TabSwitchStep(static_cast<QKeyEvent*>(e));
    if (step == 0) return false;
    QTabWidget* tabs = SwitchedTabs(static_cast<QWidget*>(o));
    if (!tabs || tabs->count() < 2) return false;
    const int n = tabs->count();
    int page = tabs->currentIndex();
    for (int pass = 0; pass < n; ++pass) {
        page = (page + step + n) % n;
        if (tabs->isTabEnabled(page) && tabs->isTabVisible(page)) break;
    }
    QTabBar* bar = tabs->tabBar();
    if (!bar->hasFocus()) bar->setFocus(Qt::TabFocusReason);
    tabs->setCurrentIndex(page);
    return true;
}

// An editor placed over a cell of a grid (a child of an item view's viewport) that is open: its
// own flag shown, whatever its page.
bool IsOpenCellEditor(const QWidget* w) {
    const QWidget* viewport = w ? w->parentWidget() : nullptr;
    const auto* view = viewport ? qobject_cast<const QAbstractItemView*>(viewport->parentWidget()) : nullptr;
    return view && view->viewport() == viewport && !w->isHidden() && w->isEnabled();
}

// A tab switch hides an open cell editor with its page but does not end it: the keys go to the
// tab bar, and the editor would come back with its text and no caret, typing going nowhere and
// its Esc cancelling the dialog. So the editor that had the keys when its page went away gets
// them back when the page shows again, with its text, selection and caret as they were (the
// keys given back, as after another window: no select-all).
class PageKeys : public QObject {
public:
    explicit PageKeys(QTabWidget* tabs) : QObject(tabs), tabs_(tabs) {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { FocusMoved(old, now); });
        connect(tabs, &QTabWidget::currentChanged, this, [this](int i) { PageShown(i); });
    }

private:
    struct Left {
        QPointer<QWidget> Page, Editor;
    };

    void FocusMoved(QWidget* old, QWidget* now) {
        std::erase_if(left_, [now](const Left& l) { return !l.Page || !l.Editor || (now && l.Page->isAncestorOf(now)); });
        if (!IsOpenCellEditor(old)) return;
        for (int i = 0; i < tabs_->count(); ++i) {
            QWidget* page = tabs_->widget(i);
            if (page && page->isAncestorOf(old) && !(now && page->isAncestorOf(now))) left_.push_back({page, old});
        }
    }

    void PageShown(int i) {
        QWidget* page = tabs_->widget(i);
        const auto it = std::find_if(left_.begin(), left_.end(), [page](const Left& l) { return l.Page == page; });
        if (it == left_.end()) return;
        QPointer<QWidget> editor = it->Editor;
        left_.erase(it);
        // Only a switch the user made: theirs leave the keys on the tab bar (a click, the keys,
        // the wheel); a page the program shows keeps the focus the program gives.
        if (!editor || !IsOpenCellEditor(editor) || tabs_->window()->focusWidget() != tabs_->tabBar()) return;
        editor->setFocus(Qt::ActiveWindowFocusReason);
    }

    QTabWidget* tabs_;
    std::vector<Left> left_;
};

}  // namespace

void TabSwitchKeepsFocus(QTabWidget* tabs) {
    // A click on a tab puts the focus on the tab bar first, so the old page loses nothing to the
    // new one; the keys that switch tabs from any control of a page and the wheel over the bar do
    // the same.
    tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    if (tabs->property("rpTabSwitch").toBool()) return;
    tabs->setProperty("rpTabSwitch", true);
    new PageKeys(tabs);
}

void MoveFocusOn(QWidget* w) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &tab);
}

void EnterMovesFocus(QWidget* w) {
    w->setProperty("rpEnterRule", true);
    new EventHook(w, [w](QEvent* e) {
        if (!IsEnterKey(e)) return false;
        MoveFocusOn(w);
        return true;
    });
}

void OnEnter(QWidget* w, std::function<void()> handler) {
    w->setProperty("rpEnterRule", true);
    new EventHook(w, [handler = std::move(handler)](QEvent* e) {
        if (!IsEnterKey(e)) return false;
        handler();
        return true;
    });
}

void SelectAllOnFocus(QLineEdit* e) {
    // Whether the box has had the focus since its window was shown: the window's first focus
    // comes with the activation and is the user's start; a later one is the window coming back
    // (after a message box, another program) to a box the user left as it was.
    // A box shown again with its page (a tab switch) is no new start: only its window hiding is.
    auto hadFocus = std::make_shared<bool>(false);
    new EventHook(e, [e, hadFocus](QEvent* ev) {
        if (ev->type() == QEvent::Hide && !e->window()->isVisible()) *hadFocus = false;
        if (ev->type() != QEvent::FocusIn) return false;
        const auto reason = static_cast<QFocusEvent*>(ev)->reason();
        const bool first = !*hadFocus;
        *hadFocus = true;
        if (reason == Qt::PopupFocusReason || (reason == Qt::ActiveWindowFocusReason && !first)) return false;
        // The mouse press that gave the focus places the cursor after this event: select later.
        QTimer::singleShot(0, e, [e] {
            if (e->hasFocus()) e->selectAll();
        });
        return false;
    });
}

void SkipLeaveCheck(QWidget* w) { w->setProperty("rpSkipLeaveCheck", true); }

namespace {

// A popup (a drop-down list) opened from a control of win.
bool PopupOf(const QWidget* popup, const QWidget* win) {
    for (const QWidget* p = popup ? popup->parentWidget() : nullptr; p; p = p->parentWidget())
        if (p->window() == win) return true;
    return false;
}

// One box's leave-check. It becomes due when the focus leaves the box and runs at the first of:
// the next user input to the same window (before that input does anything, so the check sees
// the dialog as the user left it and cannot undo what the click or key does next), the end of
// the current event, or the focus coming back from a drop-down list of the same window.
class LeaveWatch : public QObject {
public:
    LeaveWatch(QWidget* box, std::function<void()> check);
    bool Due() const { return due_; }
    QWidget* Box() const { return box_; }
    void Resolve();

protected:
    bool eventFilter(QObject*, QEvent* e) override;

private:
    void Queue() { QTimer::singleShot(0, this, [this] { Resolve(); }); }

    QPointer<QWidget> box_;
    std::function<void()> check_;
    bool due_ = false;
    bool inPopup_ = false;  // the focus went into a drop-down list of the window meanwhile
};

// Watches the user's input to every window for the due leave-checks (as a part of the kit's one
// application filter, which hands it the events).
class LeaveHub : public QObject {
public:
    static LeaveHub& Get() {
        if (!hub_) hub_ = new LeaveHub(qApp);
        return *hub_;
    }
    static LeaveHub* Existing() { return hub_; }
    void Add(LeaveWatch* w) { watches_.push_back(w); }

    // Before the user's click or key goes on; true swallows it.
    bool Filter(QObject* o, QEvent* e) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // A new press: whatever release an earlier swallowed press still waited for was
            // lost (let go of while a message box was up) and must not take this click's.
            if (o->isWidgetType()) swallowButton_ = Qt::NoButton;
            break;
        case QEvent::KeyPress:
            break;
        case QEvent::MouseButtonRelease:
            // The release of a press a failed check swallowed goes nowhere either.
            if (swallowButton_ != Qt::NoButton && o->isWidgetType() &&
                static_cast<QMouseEvent*>(e)->button() == swallowButton_) {
                swallowButton_ = Qt::NoButton;
                return true;
            }
            return false;
        default: return false;
        }
        if (!o->isWidgetType()) return false;  // the window's event; its widget's comes next
        QWidget* win = static_cast<QWidget*>(o)->window();
        QWidget* before = QApplication::focusWidget();
        bool ran = false;
        std::erase_if(watches_, [](const QPointer<LeaveWatch>& w) { return w.isNull(); });
        const auto watches = watches_;
        for (const auto& w : watches) {
            if (!w || !w->Due() || !w->Box() || w->Box()->window() != win) continue;
            w->Resolve();
            ran = true;
        }
        // A check that refused the value has put the focus back: the click or key that left the
        // box must not go on to do anything.
        if (ran && QApplication::focusWidget() != before) {
            // Its release still to come, unless the button was let go of while the check's
            // message box was up: that release has gone to the box or nowhere.
            if (e->type() != QEvent::KeyPress) {
                const Qt::MouseButton b = static_cast<QMouseEvent*>(e)->button();
                if (QGuiApplication::mouseButtons() & b) swallowButton_ = b;
            }
            return true;
        }
        return false;
    }

private:
    explicit LeaveHub(QObject* parent) : QObject(parent) {
        connect(qApp, &QApplication::focusChanged, this, [this] {
            for (const auto& w : watches_)
                if (w && w->Due()) QTimer::singleShot(0, w, [w] { if (w) w->Resolve(); });
        });
    }
    static inline QPointer<LeaveHub> hub_;
    std::vector<QPointer<LeaveWatch>> watches_;
    Qt::MouseButton swallowButton_ = Qt::NoButton;  // the button of a swallowed press, still held
};

LeaveWatch::LeaveWatch(QWidget* box, std::function<void()> check) : QObject(box), box_(box), check_(std::move(check)) {
    box->installEventFilter(this);
    LeaveHub::Get().Add(this);
}

bool LeaveWatch::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::MenuBarFocusReason) return false;
        due_ = true;
        inPopup_ = false;
        // After the event: the new focus is known then, and a message box shown from inside a
        // focus change would fight it.
        Queue();
    } else if (e->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (due_ && inPopup_ && reason == Qt::PopupFocusReason) Queue();  // back from a list: left
        else due_ = false;                                                // back before it ran
    }
    return false;
}

void LeaveWatch::Resolve() {
    if (!due_) return;
    QWidget* win = box_ ? box_->window() : nullptr;
    if (!win || !win->isVisible()) {
        due_ = false;  // closing or gone
        return;
    }
    if (PopupOf(QApplication::activePopupWidget(), win)) {
        inPopup_ = true;  // wait for the list to close: a message box over an open list is lost
        return;
    }
    QWidget* now = QApplication::focusWidget();
    if (!now || now->window() != win) return;  // another window (a dialog opened on top): later
    if ((now == box_ && !inPopup_) || now->property("rpSkipLeaveCheck").toBool()) {
        due_ = false;  // back in the box, or on Cancel
        return;
    }
    due_ = false;
    inPopup_ = false;
    check_();
}

}  // namespace

void OnLeave(QWidget* w, std::function<void()> check) { new LeaveWatch(w, std::move(check)); }

QHBoxLayout* OKCancelRow(QWidget* parent, QPushButton*& ok, QPushButton*& cancel, const char* cancelName) {
    ok = new QPushButton(parent);
    ok->setObjectName(QStringLiteral("CommandOK"));
    cancel = new QPushButton(parent);
    cancel->setObjectName(QString::fromLatin1(cancelName));
    for (auto* b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    SkipLeaveCheck(cancel);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

void MakeComboColumn(QWidget* parent, std::span<QLabel*> labels, std::span<QComboBox*> combos, const char* labelBase,
                     const char* comboBase, std::function<void(int)> clicked) {
    for (std::size_t k = 0; k < combos.size() && k < labels.size(); ++k) {
        const int i = static_cast<int>(k);
        auto* c = new QComboBox(parent);
        c->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(comboBase)).arg(i));
        auto* l = new QLabel(parent);
        l->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(labelBase)).arg(i));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setBuddy(c);
        QObject::connect(c, &QComboBox::activated, parent, [clicked, i](int) { clicked(i); });
        EnterMovesFocus(c);
        combos[k] = c;
        labels[k] = l;
    }
}

void AddComboRows(QGridLayout* grid, std::span<QLabel* const> labels, std::span<QComboBox* const> combos,
                  std::initializer_list<int> indexes) {
    int row = 0;
    for (const int i : indexes) {
        grid->addWidget(labels[static_cast<std::size_t>(i)], row, 0);
        grid->addWidget(combos[static_cast<std::size_t>(i)], row, 1);
        ++row;
    }
}

void QueueFocus(QWidget* w) {
    QTimer::singleShot(0, w, [w] { w->setFocus(Qt::TabFocusReason); });
}

// ---- The mouse wheel ----------------------------------------------------------------------------

namespace {

bool IsValueBox(const QObject* o) {
    return qobject_cast<const QComboBox*>(o) || qobject_cast<const QAbstractSpinBox*>(o);
}

// The list or number box w is or lies in (a number box's line), within w's window.
QWidget* ValueBoxOf(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (IsValueBox(w)) return w;
        if (w->isWindow()) break;
    }
    return nullptr;
}

// Which list or number box the user has chosen. A wheel turned to scroll a dialog passes over
// its boxes; Qt lets the box under the pointer take it, and the focus too, so the user's
// scrolling would silently change a setting. Nor is the focus the user's choice: a dialog gives
// its first field the focus when it opens, and gives it back after a message box or another
// window. A box is chosen once the user clicks it, moves the focus to it with a key of theirs
// (Tab, Shift+Tab, an access key, Enter that moves on like Tab; a key or click that opens a
// cell's editor) or types into it, and stays chosen while it keeps the focus (a drop-down list,
// a message box or another window in between included). A box takes the wheel only while it is
// chosen and has its window's focus; otherwise the wheel goes on to what lies around it, the
// scrolled body where there is one.
class WheelRule {
public:
    explicit WheelRule(QObject* owner) : owner_(owner) {}

    // Follows the user's input and the focus; takes no event.
    void Follow(QObject* o, QEvent* e) {
        if (!o->isWidgetType()) return;
        auto* w = static_cast<QWidget*>(o);
        switch (e->type()) {
        case QEvent::Polish:
            // The wheel gives the focus before any filter sees it: a box must not take it so.
            if (IsValueBox(w) && w->focusPolicy() == Qt::WheelFocus) w->setFocusPolicy(Qt::StrongFocus);
            return;
        case QEvent::Show:
            // A window shown (again) starts with no box chosen.
            if (w->isWindow() && !e->spontaneous())
                for (QWidget* c : w->findChildren<QWidget*>())
                    if (c->property(kChosen).isValid()) c->setProperty(kChosen, QVariant());
            return;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (e->spontaneous()) {
                UserInput(w);
                if (QWidget* box = ValueBoxOf(w)) box->setProperty(kChosen, true);
            }
            return;
        case QEvent::MouseButtonRelease:
            if (e->spontaneous()) UserInput(w);
            return;
        case QEvent::ShortcutOverride:
            // An access key moves the focus before its key press is sent.
            UserInput(w);
            return;
        case QEvent::KeyPress:
            if (e->spontaneous()) UserInput(w);
            // Typed into the box (a cell's editor also gets the key that opened it this way).
            if (!IsModifierKey(static_cast<QKeyEvent*>(e)))
                if (QWidget* box = ValueBoxOf(w)) box->setProperty(kChosen, true);
            return;
        case QEvent::FocusIn:
        case QEvent::FocusOut: break;
        default: return;
        }
        QWidget* box = ValueBoxOf(w);
        if (!box) return;
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        // Given back or lent to a list or a menu: the choice stands as it was.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
            return;
        if (e->type() == QEvent::FocusOut) {
            // Into a drop-down list (its own, opened by the click that chose it): lent, not left.
            const QWidget* now = QApplication::focusWidget();
            if (!now || now->window()->windowType() != Qt::Popup) box->setProperty(kChosen, QVariant());
        } else if (reason == Qt::ShortcutFocusReason || inputWindow_ == box->window()) {
            // During the user's own key or click in this window (never the focus a dialog gives
            // as it opens, which comes while the key or click that opened it is in another).
            box->setProperty(kChosen, true);
        }
    }

    // Whether the wheel event e at o is refused: it then goes on to the parents as one nobody
    // took.
    bool Refuses(QObject* o, QEvent* e) const {
        if (e->type() != QEvent::Wheel || !o->isWidgetType()) return false;
        QWidget* box = ValueBoxOf(static_cast<QWidget*>(o));
        if (!box) return false;
        // The window's focus, not hasFocus(): a box chosen in a window in the background is
        // still the user's choice.
        const QWidget* focus = box->window()->focusWidget();
        if (box->property(kChosen).toBool() && focus && (focus == box || box->isAncestorOf(focus))) return false;
        e->ignore();
        return true;
    }

private:
    static constexpr const char* kChosen = "rpChosenByUser";

    static bool IsModifierKey(const QKeyEvent* k) {
        switch (k->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock: return true;
        default: return false;
        }
    }

    // The user's key or click in w's window is being handled until the events queued so far
    // have run: the focus moves it makes come before then, a message box it opens runs them.
    void UserInput(QWidget* w) {
        inputWindow_ = w->window();
        QTimer::singleShot(0, owner_, [this] { inputWindow_ = nullptr; });
    }

    QObject* owner_;
    QPointer<QWidget> inputWindow_;
};

}  // namespace

// ---- Tab order and focus frame ----------------------------------------------------------------

namespace {

// A control Tab can stop on, of this window itself (not of a drop-down list's own window).
bool TabStop(const QWidget* w, const QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->window() == window;
}

// What lies in a scroll area's viewport is scrolled into sight when asked: its edge cuts nothing
// away.
bool IsScrolledViewport(const QWidget* w) {
    const auto* area = w->parentWidget() ? qobject_cast<const QAbstractScrollArea*>(w->parentWidget()) : nullptr;
    return area && area->viewport() == w;
}

// A shown control that lies wholly outside a frame it belongs to is never seen: Tab must not
// stop there. It takes the focus again once it is moved into sight. A field scrolled out of a
// scroll area's view is still the user's field, wherever the view stands.
void KeepOutIfCutAway(QWidget* w) {
    if (!w->isVisible() || w->isWindow()) return;
    bool cutAway = false;
    QRect r = w->geometry();  // in the coordinates of p below
    for (const QWidget* p = w->parentWidget(); p && !cutAway; p = p->parentWidget()) {
        if (IsScrolledViewport(p)) r = p->rect();
        else cutAway = !r.intersects(p->rect());
        if (p->isWindow()) break;
        r.translate(p->pos());
    }
    // Parked with ClickFocus rather than none: it keeps its place in the chain (Qt orders no
    // widget without a focus policy), and nothing can click it where it lies.
    const QVariant kept = w->property("rpCutAwayPolicy");
    if (cutAway && !kept.isValid() && (w->focusPolicy() & Qt::TabFocus)) {
        w->setProperty("rpCutAwayPolicy", static_cast<int>(w->focusPolicy()));
        w->setFocusPolicy(Qt::ClickFocus);
    } else if (!cutAway && kept.isValid()) {
        w->setFocusPolicy(static_cast<Qt::FocusPolicy>(kept.toInt()));
        w->setProperty("rpCutAwayPolicy", QVariant());
    }
}

struct Placed {
    QWidget* W;
    QRect R;
};

// Top to bottom, a row at a time, each row left to right. A widget whose middle lies above the
// bottom of a row's widgets so far (or whose height holds the middle of the row's first widget)
// belongs to that row, so buttons beside a tall list come after it, a column at a time.
void ReadingOrder(std::vector<Placed>& places) {
    std::stable_sort(places.begin(), places.end(), [](const Placed& a, const Placed& b) { return a.R.top() < b.R.top(); });
    for (std::size_t i = 0; i < places.size();) {
        const QRect first = places[i].R;
        int bottom = first.bottom();
        std::size_t end = i + 1;
        for (; end < places.size(); ++end) {
            const QRect r = places[end].R;
            const bool inRow = r.center().y() <= bottom || (first.center().y() >= r.top() && first.center().y() <= r.bottom());
            if (!inRow) break;
            bottom = std::max(bottom, r.bottom());
        }
        std::stable_sort(places.begin() + static_cast<std::ptrdiff_t>(i), places.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Placed& a, const Placed& b) { return a.R.x() != b.R.x() ? a.R.x() < b.R.x() : a.R.y() < b.R.y(); });
        i = end;
    }
}

// The chain by containers: every child of a widget that is a stop, or holds stops (a group box,
// a frame, a panel, a tab page, a scroll area's body), is one unit placed among its siblings by
// its position, and a unit's stops are walked whole before the next unit's. A bare layout makes
// no unit: its controls are the siblings of the layout's neighbours.
class LayoutTabOrder : public QObject {
public:
    LayoutTabOrder(QWidget* window, std::vector<QPointer<QWidget>> buttons)
        : QObject(window), window_(window), buttons_(std::move(buttons)) {
        setObjectName(QStringLiteral("rpLayoutTabOrder"));
        window->installEventFilter(this);
    }

    void Apply() {
        pending_ = false;
        own_.clear();
        for (const auto& b : buttons_)
            if (b) own_.push_back(b);
        std::vector<QWidget*> order;
        Walk(window_, order);
        std::vector<Placed> own;
        for (QWidget* b : own_) own.push_back({b, QRect(b->mapTo(window_, QPoint(0, 0)), b->size())});
        ReadingOrder(own);
        for (const Placed& b : own) order.push_back(b.W);
        for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Show || e->spontaneous()) return false;
        if (o != window_) {
            // A view, a page or a control shown later takes its place once its layout has
            // placed it.
            if (!pending_ && window_->isVisible()) {
                pending_ = true;
                QTimer::singleShot(0, this, [this] { if (pending_) Apply(); });
            }
            return false;
        }
        // The control the window opens on, before the chain changes under it.
        QWidget* first = window_->focusWidget();
        const bool chosen = first != nullptr;
        if (!chosen) first = FirstStop(window_);
        Apply();
        // A tab bar is where the user goes to change pages; the keys typed first belong in the
        // first field of the page shown.
        if (!chosen && qobject_cast<QTabBar*>(first)) {
            if (QWidget* field = FirstStop(first, true)) first = field;
        }
        const bool isButton = std::find(buttons_.begin(), buttons_.end(), first) != buttons_.end();
        if (first && !isButton && !window_->focusWidget()) first->setFocus(Qt::ActiveWindowFocusReason);
        return false;
    }

private:
    bool IsOwn(const QWidget* w) const { return std::find(own_.begin(), own_.end(), w) != own_.end(); }

    // The first stop after `from` in the chain that the user can reach now, no tab bar if asked.
    QWidget* FirstStop(QWidget* from, bool noTabBar = false) const {
        for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
            if (w == window_) continue;
            if (!TabStop(w, window_) || !w->isEnabled() || !w->isVisibleTo(window_)) continue;
            if (noTabBar && qobject_cast<QTabBar*>(w)) continue;
            return w;
        }
        return nullptr;
    }

    // Appends the controls of w's units to order and tells whether w holds any. Children not shown
    // now (another view, another page) keep no place among the shown ones, where their old
    // places could join rows that are not theirs: they come after them, and are sorted in once
    // they show.
    bool Walk(QWidget* w, std::vector<QWidget*>& order) {
        std::vector<Placed> shown, hidden;
        for (QObject* o : w->children()) {
            if (!o->isWidgetType()) continue;
            auto* c = static_cast<QWidget*>(o);
            if (c->isWindow()) continue;
            KeepOutIfCutAway(c);
            (c->isHidden() ? hidden : shown).push_back({c, c->geometry()});
        }
        ReadingOrder(shown);
        ReadingOrder(hidden);
        const std::size_t before = order.size();
        for (const auto* part : {&shown, &hidden})
            for (const Placed& p : *part) {
                // A control that is no stop for now but takes the focus (a click, or a stop once
                // it changes) keeps its place too: Tab skips it until it is one.
                const bool placed = p.W->focusPolicy() != Qt::NoFocus && !p.W->focusProxy() && !IsOwn(p.W);
                // Stops inside a stop (a grid's cell editors) come just before it: moving on from
                // an editor lands on the grid it edits, not on the next control past the grid.
                const bool holds = Walk(p.W, order);
                if (placed) order.push_back(p.W);
                if (holds || placed) p.W->installEventFilter(this);
            }
        return order.size() > before;
    }

    QWidget* window_;
    std::vector<QPointer<QWidget>> buttons_;
    std::vector<QWidget*> own_;
    bool pending_ = false;
};

}  // namespace

void TabOrderByLayout(QWidget* window, std::initializer_list<QWidget*> ownButtons) {
    std::vector<QPointer<QWidget>> buttons(ownButtons.begin(), ownButtons.end());
    new LayoutTabOrder(window, std::move(buttons));
}

void FocusFrameFromStart(QWidget* window) {
    new EventHook(window, [window](QEvent* e) {
        if (e->type() == QEvent::Show) window->setAttribute(Qt::WA_KeyboardFocusChange, true);
        return false;
    });
}

// ---- Lists with no line chosen ----------------------------------------------------------------

namespace {

// A list view given the focus with no current line makes one current, unchosen (the first), and
// Down moves on from there: the first Down in a list with no line chosen chose the second line
// (Bank 2 in the bank list, the second item of a drop-down list that showed none). Here that Down
// chooses the first line, in the lists of the windows given to it, the drop-down lists of their
// boxes included (a drop-down list is a child of its box).
class FirstLineRule {
public:
    void Add(QWidget* window) {
        std::erase_if(windows_, [](const QPointer<QWidget>& w) { return w.isNull(); });
        if (std::find(windows_.begin(), windows_.end(), window) == windows_.end()) windows_.emplace_back(window);
    }

    // True takes the key.
    bool Filter(QObject* o, QEvent* e) {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<const QKeyEvent*>(e);
        if (k->key() != Qt::Key_Down || (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* view = qobject_cast<QListView*>(o);
        if (!view || view->selectionMode() != QAbstractItemView::SingleSelection || !Ours(view)) return false;
        QItemSelectionModel* chosen = view->selectionModel();
        if (!chosen || chosen->hasSelection()) return false;
        const QModelIndex first = FirstLine(view);
        // A cursor the user moved elsewhere without choosing (Ctrl+arrows) moves on as Qt does.
        if (!first.isValid() || (view->currentIndex().isValid() && view->currentIndex() != first)) return false;
        chosen->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
        view->scrollTo(first);
        return true;
    }

private:
    bool Ours(const QWidget* w) const {
        for (; w; w = w->parentWidget())
            if (std::find(windows_.begin(), windows_.end(), w) != windows_.end()) return true;
        return false;
    }

    static QModelIndex FirstLine(const QListView* view) {
        const QAbstractItemModel* model = view->model();
        if (!model) return {};
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < model->rowCount(root); ++r) {
            if (view->isRowHidden(r)) continue;
            const QModelIndex i = model->index(r, view->modelColumn(), root);
            if ((model->flags(i) & (Qt::ItemIsEnabled | Qt::ItemIsSelectable)) == (Qt::ItemIsEnabled | Qt::ItemIsSelectable))
                return i;
        }
        return {};
    }

    std::vector<QPointer<QWidget>> windows_;
};

// ---- The kit's one application filter -------------------------------------------------------

// The rules that watch every window's events, installed once as the program starts, before any
// window exists, and asked in a fixed order: the due leave-checks run before the user's click or
// key does anything (and may swallow it); what is left of it then counts as the user's choice of
// a box; then the keys that switch tabs, the first Down in a list, and the wheel over a box.
class KitRules : public QObject {
public:
    static KitRules& Get() {
        // Made as the application starts; made here only for an application this library was
        // not linked into when it started.
        if (!rules_) rules_ = new KitRules(QCoreApplication::instance());
        return *rules_;
    }
    FirstLineRule& FirstLine() { return firstLine_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (LeaveHub* leave = LeaveHub::Existing(); leave && leave->Filter(o, e)) return true;
        wheel_.Follow(o, e);
        if (TabSwitchRule(o, e)) return true;
        if (firstLine_.Filter(o, e)) return true;
        return wheel_.Refuses(o, e);
    }

private:
    explicit KitRules(QObject* app) : QObject(app), wheel_(this) { app->installEventFilter(this); }

    static inline QPointer<KitRules> rules_;
    WheelRule wheel_;
    FirstLineRule firstLine_;
};

void InstallKitRules() { KitRules::Get(); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallKitRules)

void FirstDownChoosesFirstLine(QWidget* window) { KitRules::Get().FirstLine().Add(window); }

}  // namespace rp::kit
