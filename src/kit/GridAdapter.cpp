#include "kit/GridAdapter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

#include "model/ValueText.h"

namespace rp {

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

namespace {

// Paints the corner cell's text, which a plain table view leaves blank.
class CornerPainter : public QObject {
public:
    CornerPainter(QAbstractButton* button, const QString* text) : QObject(button), text_(text) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        auto* b = static_cast<QAbstractButton*>(o);
        QStyleOptionHeader opt;
        opt.initFrom(b);
        opt.rect = b->rect();
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.text = *text_;
        opt.textAlignment = Qt::AlignCenter;
        QPainter p(b);
        b->style()->drawControl(QStyle::CE_Header, &opt, &p, b);
        return true;
    }

private:
    const QString* text_;
};

// The square between the two scroll bars, drawn as the view draws it when it has no widget there.
// As a widget of its own it is one of the grid's parts a click on which leaves an editor its keys.
class ScrollCorner : public QWidget {
public:
    explicit ScrollCorner(QWidget* view) : view_(view) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QStyleOption opt;
        opt.initFrom(view_);
        opt.rect = rect();
        QPainter p(this);
        style()->drawPrimitive(QStyle::PE_PanelScrollAreaCorner, &opt, &p, view_);
    }

private:
    QWidget* view_;
};

// Shows a cell's text as the printout prints it: a control character held in the data (a tab, a
// line break) shows as "?" instead of breaking the cell's line. The cell's own text stays as it
// is, so an editor opened on it starts from the data unchanged.
class ShownTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        if (value.userType() != QMetaType::QString) return QStyledItemDelegate::displayText(value, locale);
        return QString::fromStdString(ShownText(value.toString().toStdString()));
    }
};

}  // namespace

// Sees the keys of the editors placed on a dialog grid's viewport before the editors do: a list
// box would take Esc as a search key, and a line box lets it go on to the dialog, which closes.
class EditorEscape : public QObject {
public:
    explicit EditorEscape(FlexGrid* grid) : QObject(grid), grid_(grid), viewport_(grid->viewport()) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == viewport_) {
            if (e->type() == QEvent::ChildAdded) grid_->WatchEditor(static_cast<QChildEvent*>(e)->child());
            return false;
        }
        if (e->type() != QEvent::KeyPress || !grid_->keysOpenEditors_ || !o->isWidgetType()) return false;
        const auto* k = static_cast<const QKeyEvent*>(e);
        if (k->key() != Qt::Key_Escape || (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        return grid_->GiveUpEdit(static_cast<QWidget*>(o));
    }

private:
    FlexGrid* grid_;
    QObject* viewport_;
};

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new ShownTextDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // Tab leaves the grid. It must not move the current cell either: hiding a focused editor
    // hands the focus on as Tab would.
    setTabKeyNavigation(false);
    // The grid scrolls a column at a time: a column cut at the left edge reads as another
    // value ("2.5K" for "12.5K").
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    // Long captions wrap onto the second line the header row has room for.
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(new CornerPainter(corner, &corner_));
    }
    setCornerWidget(new ScrollCorner(this));
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { LendFrameFocus(now); });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int r, int c) { emit CellDoubleClicked(r + 1, c + 1); });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (r < 0 || c < 0) return;
        shownNotEntered_ = quietEntry_;
        if (!quietEntry_) emit EnterCell(r + 1, c + 1);
    });
}

double FlexGrid::PixelsPerTwip() const {
    // The layout's twips were chosen for a narrow 8-point face with digits 6 pixels wide at
    // 96 dpi; a wider face gets wider columns so the longest cell texts still show whole.
    const double digits = fontMetrics().horizontalAdvance(QStringLiteral("0123456789"));
    const double face = std::clamp(digits / (60.0 * Dpi() / 96.0), 1.0, 2.0);
    return Dpi() / 1440.0 * face;
}

int FlexGrid::Dpi() const {
    const int d = logicalDpiX();
    return d > 0 ? d : 96;
}

int FlexGrid::TwipsToPx(int twips) const {
    return static_cast<int>(std::lround(twips * PixelsPerTwip()));
}

void FlexGrid::SetRows(int n) {
    const int old = rowCount();
    setRowCount(n > 1 ? n - 1 : 0);
    // Every cell gets its item up front: a redraw then only sets texts.
    for (int r = old; r < rowCount(); ++r) {
        if (!verticalHeaderItem(r)) setVerticalHeaderItem(r, new QTableWidgetItem());
        for (int c = 0; c < columnCount(); ++c)
            if (!item(r, c)) setItem(r, c, new QTableWidgetItem());
    }
}

void FlexGrid::SetCols(int n) {
    const int old = columnCount();
    setColumnCount(n > 1 ? n - 1 : 0);
    for (int c = old; c < columnCount(); ++c) {
        if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, new QTableWidgetItem());
        for (int r = 0; r < rowCount(); ++r)
            if (!item(r, c)) setItem(r, c, new QTableWidgetItem());
    }
}

QTableWidgetItem* FlexGrid::ItemAt(int r, int c) const {
    if (r < 1 || c < 1 || r > rowCount() || c > columnCount()) return nullptr;
    return item(r - 1, c - 1);
}

QString FlexGrid::TextMatrix(int r, int c) const {
    if (r == 0 && c == 0) return corner_;
    if (r == 0) {
        auto* h = c >= 1 && c <= columnCount() ? horizontalHeaderItem(c - 1) : nullptr;
        return h ? h->text() : QString();
    }
    if (c == 0) {
        auto* h = r >= 1 && r <= rowCount() ? verticalHeaderItem(r - 1) : nullptr;
        return h ? h->text() : QString();
    }
    auto* it = ItemAt(r, c);
    return it ? it->text() : QString();
}

void FlexGrid::SetTextMatrix(int r, int c, const QString& text) {
    if (r == 0 && c == 0) {
        corner_ = text;
        if (auto* corner = findChild<QAbstractButton*>()) corner->update();
        return;
    }
    if (r == 0) {
        if (c < 1 || c > columnCount()) return;
        auto* h = horizontalHeaderItem(c - 1);
        if (!h) setHorizontalHeaderItem(c - 1, h = new QTableWidgetItem());
        h->setText(text);
        return;
    }
    if (c == 0) {
        if (r < 1 || r > rowCount()) return;
        auto* h = verticalHeaderItem(r - 1);
        if (!h) setVerticalHeaderItem(r - 1, h = new QTableWidgetItem());
        h->setText(text);
        return;
    }
    if (r > rowCount() || c > columnCount() || r < 1 || c < 1) return;
    auto* it = item(r - 1, c - 1);
    if (!it) {
        setItem(r - 1, c - 1, it = new QTableWidgetItem());
    }
    if (it->text() != text) it->setText(text);
}

FlexGrid::~FlexGrid() {
    // Before the view is torn down: its viewport and editors still send events while they go, and
    // the focus moves on as its editors go.
    disconnect(focusWatch_);
    delete editorEscape_;
}

void FlexGrid::SetKeysOpenEditors(bool on) {
    keysOpenEditors_ = on;
    if (!on || editorEscape_) return;
    editorEscape_ = new EditorEscape(this);
    viewport()->installEventFilter(editorEscape_);
    for (QObject* child : viewport()->children()) WatchEditor(child);
}

void FlexGrid::WatchEditor(QObject* child) {
    if (!child || !child->isWidgetType() || !editorEscape_) return;
    child->installEventFilter(editorEscape_);
}

bool FlexGrid::GiveUpEdit(QWidget* editor) {
    if (editor->isHidden() || editor->parentWidget() != viewport()) return false;
    const QModelIndex cell = indexAt(editor->geometry().center());
    HideEditor(editor);
    if (!cell.isValid()) return true;
    if (currentIndex() != cell) {
        quietEntry_ = true;
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
        quietEntry_ = false;
    } else {
        selectionModel()->select(cell, QItemSelectionModel::ClearAndSelect);
    }
    // Only shown now: the program moving to it enters it again.
    shownNotEntered_ = true;
    emit EditGivenUp(cell.row() + 1, cell.column() + 1);
    return true;
}

void FlexGrid::HideEditor(QWidget* editor) {
    if (!editor || editor->isHidden()) return;
    const QWidget* focus = window()->focusWidget();
    if (focus && (focus == editor || editor->isAncestorOf(focus))) setFocus(Qt::OtherFocusReason);
    editor->hide();
}

void FlexGrid::LendFrameFocus(QWidget* focus) {
    // A click on a part that takes no focus gives it to the nearest parent that does: a click on a
    // scroll bar, a header or a corner would take the keys from the editor over a cell and hand
    // them to the grid, leaving the editor open without them, its Esc lost and its text stored by
    // the next move. While an editor holds the keys these parts stand for it, so the click leaves
    // the keys where they are. A click on a cell still goes to the grid, which ends the edit.
    QWidget* editor = focus && viewport()->isAncestorOf(focus) ? focus : nullptr;
    if (editor == frameLentTo_) return;
    frameLentTo_ = editor;
    for (QObject* o : children()) {
        auto* part = qobject_cast<QWidget*>(o);
        if (part && part != viewport()) part->setFocusProxy(editor);
    }
}

int FlexGrid::Row() const { return currentRow() + 1; }
int FlexGrid::Col() const { return currentColumn() + 1; }

void FlexGrid::SetRow(int r) { SetCell(r, Col() >= 1 ? Col() : 1); }
void FlexGrid::SetCol(int c) { SetCell(Row() >= 1 ? Row() : 1, c); }

void FlexGrid::SetCell(int r, int c) {
    if (r < 1 || c < 1 || r > rowCount() || c > columnCount()) return;
    if (shownNotEntered_ && currentRow() == r - 1 && currentColumn() == c - 1) {
        // The keyboard only showed this cell; the program entering it is an entry all the same.
        shownNotEntered_ = false;
        emit EnterCell(r, c);
        return;
    }
    setCurrentCell(r - 1, c - 1);
}

void FlexGrid::SetColWidth(int c, int twips) {
    if (c == 0) {
        verticalHeader()->setFixedWidth(TwipsToPx(twips));
        return;
    }
    if (c < 1 || c > columnCount()) return;
    setColumnWidth(c - 1, TwipsToPx(twips));
}

void FlexGrid::SetHeaderHeight(int twips) {
    horizontalHeader()->setFixedHeight(TwipsToPx(twips));
}

QRect FlexGrid::CellRect(int r, int c) const {
    if (r < 1 || c < 1 || r > rowCount() || c > columnCount()) return {};
    return visualRect(model()->index(r - 1, c - 1));
}

namespace {

bool IsMoveKey(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
    }
}

}  // namespace

void FlexGrid::keyPressEvent(QKeyEvent* e) {
    // A key an editor over a cell passes on (an arrow) moves the cell and the editor with it;
    // only keys on the grid itself browse.
    // The window's focus, not the application's: in a window that is not the active one the grid
    // still gets the keys, and the same key must do the same there.
    const bool onGrid = keysOpenEditors_ && window()->focusWidget() == this;
    if (onGrid && OpenEditorByKey(e)) return;
    e->ignore();
    emit GridKeyPress(e);
    if (e->isAccepted()) return;
    // The window keeps its own channel clipboard; the view must not copy cell text on its own.
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut) ||
        e->matches(QKeySequence::Paste)) {
        e->accept();
        return;
    }
    quietEntry_ = onGrid && IsMoveKey(e);
    QTableWidget::keyPressEvent(e);
    quietEntry_ = false;
}

bool FlexGrid::OpenEditorByKey(QKeyEvent* e) {
    const auto mods = e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_F2;
    const bool typed = !enter && mods == Qt::NoModifier && !e->text().isEmpty() && e->text().at(0).isPrint();
    if (!enter && !typed) return false;
    e->accept();
    const QModelIndex cur = currentIndex();
    if (!cur.isValid()) return true;
    shownNotEntered_ = false;
    emit EnterCell(cur.row() + 1, cur.column() + 1);
    // The entry may have redirected the current cell (a row's first column first).
    QWidget* editor = EditorOver(currentIndex());
    if (!editor) return true;  // a cell without an editor
    if (!editor->hasFocus()) editor->setFocus(Qt::OtherFocusReason);
    // What the editor queued for its focus (a select-all) comes before the key it is given, so
    // the typed character replaces the cell's text.
    QCoreApplication::sendPostedEvents(editor, QEvent::MetaCall);
    if (typed) {
        QKeyEvent key(QEvent::KeyPress, e->key(), e->modifiers(), e->text(), e->isAutoRepeat(), e->count());
        QApplication::sendEvent(editor, &key);
    }
    return true;
}

QWidget* FlexGrid::EditorOver(const QModelIndex& cell) const {
    if (!cell.isValid()) return nullptr;
    const QPoint at = visualRect(cell).center();
    for (QObject* o : viewport()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isHidden() && w->geometry().contains(at)) return w;
    }
    return nullptr;
}

QModelIndex FlexGrid::FirstEnabledCell() const {
    for (int r = 0; r < rowCount(); ++r) {
        if (isRowHidden(r)) continue;
        for (int c = 0; c < columnCount(); ++c) {
            if (isColumnHidden(c)) continue;
            const QModelIndex i = model()->index(r, c);
            if (model()->flags(i) & Qt::ItemIsEnabled) return i;
        }
    }
    return {};
}

void FlexGrid::focusInEvent(QFocusEvent* e) {
    // A grid reached by the keyboard shows where its keys act; a click makes its own cell
    // current. Showing the cell enters nothing: no editor opens on a Tab.
    const auto reason = e->reason();
    if (!currentIndex().isValid() && reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason) {
        const QModelIndex first = FirstEnabledCell();
        if (first.isValid()) {
            quietEntry_ = true;
            setCurrentIndex(first);
            quietEntry_ = false;
        }
    }
    QTableWidget::focusInEvent(e);
}

void FlexGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    if (dx != 0) KeepFirstColumnWhole();
}

void FlexGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    KeepFirstColumnWhole();
}

void FlexGrid::KeepFirstColumnWhole() {
    // At the end of its range a column-wise scroll lines the last column up with the right edge,
    // which cuts the first column shown (End does that). Start with that column whole instead;
    // the last columns still fit, as the range was counted for them.
    const QScrollBar* bar = horizontalScrollBar();
    if (horizontalScrollMode() != QAbstractItemView::ScrollPerItem || bar->maximum() <= 0 ||
        bar->value() != bar->maximum())
        return;
    QHeaderView* header = horizontalHeader();
    const int before = header->offset();
    header->setOffsetToSectionPosition(bar->value());
    const int moved = before - header->offset();
    // The cells and the editors over them move with the header.
    if (moved != 0) QAbstractItemView::scrollContentsBy(isRightToLeft() ? -moved : moved, 0);
}

}  // namespace rp
