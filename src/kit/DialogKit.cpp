#include "kit/DialogKit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QValidator>
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

std::vector<std::string> ComboItems(const QComboBox* c) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(c->count()));
    for (int i = 0; i < c->count(); ++i) out.push_back(c->itemText(i).toStdString());
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
    for (auto* b : root->findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

void EnterMovesFocus(QWidget* w) {
    new EventHook(w, [w](QEvent* e) {
        if (!IsEnterKey(e)) return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &tab);
        return true;
    });
}

void OnEnter(QWidget* w, std::function<void()> handler) {
    new EventHook(w, [handler = std::move(handler)](QEvent* e) {
        if (!IsEnterKey(e)) return false;
        handler();
        return true;
    });
}

void SelectAllOnFocus(QLineEdit* e) {
    new EventHook(e, [e](QEvent* ev) {
        if (ev->type() != QEvent::FocusIn) return false;
        const auto reason = static_cast<QFocusEvent*>(ev)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        // The mouse press that gave the focus places the cursor after this event: select later.
        QTimer::singleShot(0, e, [e] {
            if (e->hasFocus()) e->selectAll();
        });
        return false;
    });
}

void SkipLeaveCheck(QWidget* w) { w->setProperty("rpSkipLeaveCheck", true); }

void OnLeave(QWidget* w, std::function<void()> check) {
    QPointer<QWidget> box(w);
    new EventHook(w, [box, check = std::move(check)](QEvent* e) {
        if (e->type() != QEvent::FocusOut) return false;
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
            return false;
        // After the event: the new focus is known then, and a message box shown from inside a
        // focus change would fight it.
        QTimer::singleShot(0, box, [box, check] {
            if (!box) return;
            QWidget* win = box->window();
            if (!win || !win->isVisible()) return;
            QWidget* now = QApplication::focusWidget();
            if (!now || now == box || now->window() != win || now->property("rpSkipLeaveCheck").toBool()) return;
            check();
        });
        return false;
    });
}

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

}  // namespace rp::kit
