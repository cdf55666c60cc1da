#pragma once
// What a user sees of a dialog whose body scrolls: the controls that lie outside the part of the
// body the scroll area shows.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <string>
#include <vector>

namespace rp::test {

inline QRect OnScreen(const QWidget* w) { return {w->mapToGlobal(QPoint(0, 0)), w->size()}; }

// The part of a control of the body that its own frames show (a control placed beyond its
// frame's edge shows nowhere), on the screen.
inline QRect ShownPart(const QWidget* w, const QWidget* body) {
    QRect r = OnScreen(w);
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != body; p = p->parentWidget()) r &= OnScreen(p);
    return r;
}

// The shown controls of the area's body; those inside a control of their own (a list's editor
// on a grid, a combo box's line) count as their owner.
inline std::vector<QWidget*> ShownFields(const QScrollArea* area) {
    std::vector<QWidget*> out;
    QWidget* body = area->widget();
    if (body == nullptr) return out;
    for (QWidget* w : body->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QLineEdit*>(w) &&
            !qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QLabel*>(w))
            continue;
        bool owned = false;
        for (QWidget* p = w->parentWidget(); p != nullptr && p != body; p = p->parentWidget())
            owned = owned || qobject_cast<QComboBox*>(p) != nullptr || qobject_cast<QAbstractScrollArea*>(p) != nullptr;
        if (!owned && !ShownPart(w, body).isEmpty()) out.push_back(w);
    }
    return out;
}

inline bool InView(const QScrollArea* area, const QWidget* w) {
    return OnScreen(area->viewport()).contains(ShownPart(w, area->widget()));
}

inline std::string FieldText(const QWidget* w) {
    std::string text;
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text().toStdString();
    if (auto* l = qobject_cast<const QLabel*>(w)) text = l->text().toStdString();
    const QRect r = OnScreen(w);
    return w->objectName().toStdString() + " \"" + text + "\" at " + std::to_string(r.x()) + "," +
           std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" + std::to_string(r.height());
}

// Scrolls the least that shows the control whole, as a user drags the scroll bars.
inline void ScrollToShow(QScrollArea* area, const QWidget* w) {
    const QWidget* body = area->widget();
    const QRect r(body->mapFromGlobal(ShownPart(w, body).topLeft()), ShownPart(w, body).size());
    const QSize view = area->viewport()->size();
    QScrollBar* across = area->horizontalScrollBar();
    QScrollBar* down = area->verticalScrollBar();
    if (r.right() >= across->value() + view.width()) across->setValue(r.right() + 1 - view.width());
    if (r.left() < across->value()) across->setValue(r.left());
    if (r.bottom() >= down->value() + view.height()) down->setValue(r.bottom() + 1 - view.height());
    if (r.top() < down->value()) down->setValue(r.top());
}

// The shown controls not wholly inside the visible part of the body.
inline std::vector<std::string> FieldsOutOfView(const QScrollArea* area) {
    std::vector<std::string> out;
    for (QWidget* w : ShownFields(area))
        if (!InView(area, w)) out.push_back(FieldText(w));
    return out;
}

inline std::string ViewText(const QScrollArea* area) {
    const QRect v = OnScreen(area->viewport());
    return "view " + std::to_string(v.x()) + "," + std::to_string(v.y()) + " " + std::to_string(v.width()) + "x" +
           std::to_string(v.height());
}

}  // namespace rp::test
