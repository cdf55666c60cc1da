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

// A title bar, when the window system has not told its height yet (before the first show).
constexpr int kTitleAllowance = 30;
// A panel or dock the window system does not subtract from the available area.
constexpr int kPanelAllowance = 30;

// Reports the body's own size hints, so the dialog lays out as it would without it, until the
// screen is too short: then its height is capped and it makes room for its scroll bar.
class FitArea : public QScrollArea {
public:
    explicit FitArea(QWidget* parent) : QScrollArea(parent) {}

    void SetHeightCap(int cap) {
        if (cap == cap_) return;
        cap_ = cap;
        updateGeometry();
    }

    QSize sizeHint() const override { return Capped(widget() ? widget()->sizeHint() : QSize()); }
    QSize minimumSizeHint() const override { return Capped(widget() ? widget()->minimumSizeHint() : QSize()); }

private:
    QSize Capped(QSize s) const {
        if (s.height() <= cap_) return s;
        return {s.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), cap_};
    }

    int cap_ = INT_MAX;
};

class Fitter : public QObject {
public:
    Fitter(QDialog* dlg, FitArea* area) : QObject(dlg), dlg_(dlg), area_(area) { dlg->installEventFilter(this); }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == dlg_ && e->type() == QEvent::Show && !e->spontaneous()) Fit();
        return false;
    }

private:
    QScreen* Screen() const {
        const QWidget* owner = dlg_->parentWidget() ? dlg_->parentWidget()->window() : nullptr;
        QScreen* s = owner ? owner->screen() : dlg_->screen();
        return s ? s : QGuiApplication::primaryScreen();
    }

    // Runs before the dialog places itself on the screen (QDialog's own show handling).
    void Fit() {
        QScreen* screen = Screen();
        if (screen == nullptr || dlg_->layout() == nullptr) return;
        const QRect avail = screen->availableGeometry();
        const int frame = dlg_->frameGeometry().height() - dlg_->height();
        const int room = avail.height() - (frame > 0 ? frame : kTitleAllowance) - kPanelAllowance;
        // What the dialog needs around the scroll area: margins, spacing, the button row.
        area_->SetHeightCap(INT_MAX);
        QLayout* top = dlg_->layout();
        top->invalidate();
        top->activate();
        const int around = top->totalMinimumSize().height() - area_->minimumSizeHint().height();
        area_->SetHeightCap(std::max(room - around, 60));
        top->invalidate();
        top->activate();
        if (dlg_->height() > room) dlg_->resize(std::min(std::max(dlg_->width(), dlg_->minimumWidth()), avail.width()), room);
    }

    QDialog* dlg_;
    FitArea* area_;
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

}  // namespace

QScrollArea* FitScreen(QDialog* dlg) {
    auto* top = qobject_cast<QBoxLayout*>(dlg->layout());
    if (top == nullptr || top->count() < 2) return nullptr;
    auto* area = new FitArea(dlg);
    area->setObjectName("ScreenFitArea");
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    // The body is in the dialog's window before anything moves into it, so the controls keep
    // their place in the dialog's tab order.
    auto* body = new QWidget;
    body->setObjectName("ScreenFitBody");
    area->setWidget(body);
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
    new FocusInView(area);
    return area;
}

}  // namespace rp::kit
