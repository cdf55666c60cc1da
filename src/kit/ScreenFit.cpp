#include "kit/ScreenFit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <climits>

namespace rp::kit {

namespace {

// A title bar, when the window system has not told its height yet (before the first show, or
// with no window manager at all); a large title font or a scaled desktop comes near this.
constexpr int kTitleAllowance = 40;
// A panel or dock the window system does not subtract from the available area.
constexpr int kPanelAllowance = 30;

// Reports the body's own size hints, so the dialog lays out as it would without it, until the
// screen is too small: then the hint is capped to the screen and makes room for the scroll bar
// the other way.
class FitArea : public QScrollArea {
public:
    explicit FitArea(QWidget* parent) : QScrollArea(parent) {}

    void SetCap(QSize cap) {
        if (cap == cap_) return;
        cap_ = cap;
        updateGeometry();
    }

    QSize sizeHint() const override { return Capped(Body(false)); }
    QSize minimumSizeHint() const override { return Capped(Body(true)); }

private:
    QSize Body(bool minimum) const {
        const QWidget* b = widget();
        if (b == nullptr) return {};
        const QSize s = minimum ? b->minimumSizeHint() : b->sizeHint();
        // A body placed by hand has no layout to ask: its fixed size is what it needs.
        return s.isValid() ? s.expandedTo(b->minimumSize()) : b->minimumSize();
    }

    QSize Capped(QSize s) const {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        bool tall = s.height() > cap_.height();
        bool wide = s.width() > cap_.width();
        if (tall) s.rwidth() += bar;
        if (wide) s.rheight() += bar;
        // One bar can bring the other.
        if (!tall && s.height() > cap_.height()) s.rwidth() += bar;
        if (!wide && s.width() > cap_.width()) s.rheight() += bar;
        return s.boundedTo(cap_);
    }

    QSize cap_{INT_MAX, INT_MAX};
};

class Fitter : public QObject {
public:
    Fitter(QDialog* dlg, FitArea* area) : QObject(dlg), dlg_(dlg), area_(area), body_(area->widget()) {
        dlg->installEventFilter(this);
        body_->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == dlg_ && e->type() == QEvent::Show && !e->spontaneous()) {
            Fit(false);
        } else if (o == body_ && e->type() == QEvent::LayoutRequest && dlg_->isVisible()) {
            // The body's own layout has taken the change already (a widget's layout sees its
            // events before any filter does): its new size hints stand.
            area_->updateGeometry();
            Fit(true);
        }
        return false;
    }

private:
    QScreen* Screen() const {
        if (dlg_->isVisible() && dlg_->screen() != nullptr) return dlg_->screen();
        const QWidget* owner = dlg_->parentWidget() ? dlg_->parentWidget()->window() : nullptr;
        QScreen* s = owner ? owner->screen() : dlg_->screen();
        return s ? s : QGuiApplication::primaryScreen();
    }

    // On the first show this runs before the dialog places itself on the screen (QDialog's own
    // show handling); once placed, the dialog is moved back onto the screen if it grew past an
    // edge.
    void Fit(bool placed) {
        QScreen* screen = Screen();
        QLayout* top = dlg_->layout();
        if (screen == nullptr || top == nullptr) return;
        // The window system sizes a maximised dialog; the area scrolls within what it gives.
        if (placed && (dlg_->isMaximized() || dlg_->isFullScreen())) return;
        const QRect avail = screen->availableGeometry();
        const QSize frame = dlg_->frameGeometry().size() - dlg_->size();
        const QSize room(avail.width() - std::max(frame.width(), 0),
                         avail.height() - std::max(frame.height(), kTitleAllowance) - kPanelAllowance);
        // What the dialog needs around the scroll area: margins, spacing, the button row.
        top->invalidate();
        const QMargins m = top->contentsMargins();
        const int aroundHeight = top->totalMinimumSize().height() - area_->minimumSizeHint().height();
        area_->SetCap({std::max(room.width() - m.left() - m.right(), 100), std::max(room.height() - aroundHeight, 60)});
        top->invalidate();
        top->activate();
        // As large as the content asks, never smaller than the user made it, within the room.
        const QSize next = dlg_->sizeHint().expandedTo(dlg_->minimumSize()).expandedTo(dlg_->size()).boundedTo(room);
        if (next != dlg_->size()) dlg_->resize(next);
        if (!placed) return;
        QRect outer(dlg_->frameGeometry().topLeft(), dlg_->size() + frame.expandedTo(QSize(0, 0)));
        if (outer.right() > avail.right()) outer.moveRight(avail.right());
        if (outer.bottom() > avail.bottom()) outer.moveBottom(avail.bottom());
        if (outer.left() < avail.left()) outer.moveLeft(avail.left());
        if (outer.top() < avail.top()) outer.moveTop(avail.top());
        if (outer.topLeft() != dlg_->frameGeometry().topLeft()) dlg_->move(outer.topLeft());
    }

    QDialog* dlg_;
    FitArea* area_;
    // Compared with, never called: the body still has events while the dialog takes it down.
    QWidget* body_;
};

// The scrolled body follows the focus, however it got there (Tab, Shift+Tab, Enter, a click,
// the program putting it back on a refused field): the field the keys go to is always in sight.
// While a mouse button is down or a drop-down list is open it waits, so a click is never pulled
// away from under the pointer and a list never from its box.
class FocusInView : public QObject {
public:
    explicit FocusInView(QScrollArea* area) : QObject(area), area_(area) {
        wait_.setInterval(30);
        connect(&wait_, &QTimer::timeout, this, [this] { Follow(); });
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (InBody(now)) Follow();
        });
    }

private:
    static constexpr int kMargin = 4;

    bool InBody(const QWidget* w) const { return w && area_->widget() && area_->widget()->isAncestorOf(w); }

    void Follow() {
        if (QGuiApplication::mouseButtons() != Qt::NoButton || QApplication::activePopupWidget()) {
            wait_.start();
            return;
        }
        wait_.stop();
        QWidget* now = QApplication::focusWidget();
        if (!InBody(now)) return;
        // The whole control, not only its text cursor as ensureWidgetVisible would; one taller
        // than the view fills it.
        const QRect r(now->mapTo(area_->widget(), QPoint(0, 0)), now->size());
        area_->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + kMargin, r.height() / 2 + kMargin);
    }

    QScrollArea* area_;
    QTimer wait_;
};

FitArea* MakeArea(QDialog* dlg, QWidget*& body) {
    auto* area = new FitArea(dlg);
    area->setObjectName("ScreenFitArea");
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    // The body is in the dialog's window before anything moves into it, so the controls keep
    // their place in the dialog's tab order.
    body = new QWidget;
    body->setObjectName("ScreenFitBody");
    area->setWidget(body);
    new FocusInView(area);
    return area;
}

}  // namespace

QScrollArea* FitScreen(QDialog* dlg) {
    auto* top = qobject_cast<QBoxLayout*>(dlg->layout());
    if (top == nullptr || top->count() < 2) return nullptr;
    QWidget* body = nullptr;
    FitArea* area = MakeArea(dlg, body);
    auto* inner = new QVBoxLayout(body);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(top->spacing());
    while (top->count() > 1) {
        const int stretch = top->stretch(0);
        QLayoutItem* item = top->takeAt(0);
        if (QWidget* w = item->widget()) {
            inner->addWidget(w, stretch, item->alignment());
            delete item;
        } else if (QLayout* l = item->layout()) {
            inner->addLayout(l, stretch);
        } else {
            inner->addItem(item);
        }
    }
    top->insertWidget(0, area, 1);
    new Fitter(dlg, area);
    return area;
}

QScrollArea* FitScreen(QDialog* dlg, const QList<QWidget*>& buttonRow) {
    if (dlg->layout() != nullptr || buttonRow.isEmpty()) return nullptr;
    const QSize whole = dlg->size();
    int rowTop = INT_MAX;
    for (QWidget* b : buttonRow) rowTop = std::min(rowTop, b->y());
    const QList<QWidget*> children = dlg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int above = 0;
    for (QWidget* w : children)
        if (!w->isWindow() && !buttonRow.contains(w) && w->y() < rowTop) above = std::max(above, w->geometry().bottom() + 1);
    // Half the gap between the body and the buttons on either side of the cut.
    const int cut = above <= rowTop ? (above + rowTop) / 2 : rowTop;

    QWidget* body = nullptr;
    FitArea* area = MakeArea(dlg, body);
    body->setFixedSize(whole.width(), cut);
    auto* row = new QWidget(dlg);
    row->setObjectName("ScreenFitButtons");
    row->setFixedSize(whole.width(), whole.height() - cut);
    for (QWidget* w : children) {
        if (w->isWindow()) continue;
        // A new parent hides a widget; only one hidden by the dialog stays hidden.
        const bool hidden = w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
        const QPoint at = w->pos();
        if (buttonRow.contains(w)) {
            w->setParent(row);
            w->move(at.x(), at.y() - cut);
        } else {
            w->setParent(body);
            w->move(at);
        }
        w->setHidden(hidden);
    }
    dlg->setMinimumSize(0, 0);
    dlg->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto* top = new QVBoxLayout(dlg);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    top->addWidget(area, 1);
    top->addWidget(row);
    // As fixed as the dialog was: its size follows the body, capped to the screen.
    top->setSizeConstraint(QLayout::SetFixedSize);
    new Fitter(dlg, area);
    return area;
}

}  // namespace rp::kit
