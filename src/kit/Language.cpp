#include "kit/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>
#include <optional>

#include "model/LangText.h"
#include "model/Values.h"

namespace rp {
namespace {

// The number a tag or tooltip holds, rounded to an integer; empty unless it is a positive number.
std::optional<int> TextNumber(const QString& text) {
    const auto v = ParseNumber(text.toStdString());
    if (!v) return std::nullopt;
    const auto n = ToInt16(RoundHalfEven(*v));
    if (!n || *n <= 0) return std::nullopt;
    return *n;
}

std::optional<int> PropertyNumber(const QObject* obj, const char* name) {
    const QVariant v = obj->property(name);
    if (!v.isValid()) return std::nullopt;
    return TextNumber(v.toString());
}

// The caption number: the tag, or a caption that is still a number (moved into the tag).
std::optional<int> CaptionNumber(QObject* obj, const QString& designed) {
    if (auto n = PropertyNumber(obj, kTagProperty)) return n;
    if (auto n = TextNumber(designed)) {
        obj->setProperty(kTagProperty, *n);
        return n;
    }
    return std::nullopt;
}

std::optional<int> ToolTipNumber(QObject* obj, const QString& designed) {
    if (auto n = PropertyNumber(obj, kToolTipTagProperty)) return n;
    if (auto n = TextNumber(designed)) {
        obj->setProperty(kToolTipTagProperty, *n);
        return n;
    }
    return std::nullopt;
}

bool IsTabPage(const QWidget* w) {
    return qobject_cast<const QStackedWidget*>(w->parent()) && w->parent() &&
           qobject_cast<const QTabWidget*>(w->parent()->parent());
}

void ApplyToTabs(QTabWidget* tabs, const AppState& state) {
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget* page = tabs->widget(i);
        if (auto n = CaptionNumber(page, tabs->tabText(i))) tabs->setTabText(i, LangStr(state, *n));
        if (auto n = ToolTipNumber(page, tabs->tabToolTip(i))) tabs->setTabToolTip(i, LangStr(state, *n));
    }
}

void ApplyToAction(QAction* a, const AppState& state) {
    if (a->isSeparator()) return;
    if (QMenu* menu = a->menu(); menu && menu->menuAction() == a) return;  // the menu handles it
    // An action without its own tooltip reports its text as tooltip; that is not a number of ours.
    const QString tip = a->toolTip();
    const bool ownTip = tip != QString(a->text()).remove('&');
    if (auto n = ToolTipNumber(a, ownTip ? tip : QString())) a->setToolTip(LangStr(state, *n));
    if (auto n = CaptionNumber(a, a->text())) a->setText(LangStr(state, *n));
}

void ApplyToWidget(QWidget* w, const AppState& state) {
    if (auto* menu = qobject_cast<QMenu*>(w)) {
        if (auto n = CaptionNumber(menu, menu->title())) menu->setTitle(LangStr(state, *n));
        return;
    }
    if (IsTabPage(w)) return;  // its numbers belong to its tab
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) ApplyToTabs(tabs, state);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (auto n = PropertyNumber(w, kTagProperty)) label->setText(LangStr(state, *n));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (auto n = PropertyNumber(w, kTagProperty)) button->setText(LangStr(state, *n));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (auto n = PropertyNumber(w, kTagProperty)) group->setTitle(LangStr(state, *n));
    }
    if (auto n = ToolTipNumber(w, w->toolTip())) w->setToolTip(LangStr(state, *n));
}

// A dialog owned by the window is a window of its own and puts on its own texts; a popup menu is
// part of the window that owns it.
bool BelongsToForm(const QObject* obj, const QWidget* frm) {
    for (const QObject* o = obj; o && o != frm; o = o->parent()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && w->isWindow() && !qobject_cast<const QMenu*>(w)) return false;
    }
    return true;
}

}  // namespace

QString LangStr(const AppState& state, int id) { return QString::fromStdString(GetLangStr(state, id)); }

void SetLangTag(QObject* obj, int captionNo, int toolTipNo) {
    if (captionNo > 0) obj->setProperty(kTagProperty, captionNo);
    if (toolTipNo > 0) obj->setProperty(kToolTipTagProperty, toolTipNo);
}

void SetFormLanguage(QWidget* frm, const AppState& state) {
    if (!frm) return;
    if (auto n = PropertyNumber(frm, kTagProperty)) frm->setWindowTitle(LangStr(state, *n));
    const QString fontName = LangStr(state, 20);
    const auto fontSize = TextNumber(LangStr(state, 21));
    if (!fontName.isEmpty() || fontSize) {
        QFont font = frm->font();
        if (!fontName.isEmpty()) font.setFamily(fontName);
        if (fontSize) font.setPointSize(*fontSize);
        frm->setFont(font);  // children inherit it unless they chose their own
    }
    for (QObject* obj : frm->findChildren<QObject*>()) {
        if (!BelongsToForm(obj, frm)) continue;
        if (auto* w = qobject_cast<QWidget*>(obj)) {
            ApplyToWidget(w, state);
        } else if (auto* a = qobject_cast<QAction*>(obj)) {
            ApplyToAction(a, state);
        }
    }
}

namespace {
void SetButtonText(QWidget* frm, const char* name, const QString& text) {
    if (!frm) return;
    if (auto* b = frm->findChild<QAbstractButton*>(name)) b->setText(text);
}
}  // namespace

void SetOKCancelCaption(QWidget* frm, const AppState& state) {
    SetButtonText(frm, "CommandOK", LangStr(state, 101));
    SetButtonText(frm, "CommandCancel", LangStr(state, 102));
}

}  // namespace rp
