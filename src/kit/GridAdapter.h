#pragma once
// A QTableWidget addressed as the main window addresses its four grids: row 0 is the fixed header
// row and column 0 the fixed label column, so the window's cell (r, c) is cell (r - 1, c - 1) of
// the table, (0, c) a column header, (r, 0) a row header and (0, 0) the corner; the record rows
// then count from 1, as the channel and list numbers do. Sizes are kept in twips, the unit the
// column widths are laid out in, and become pixels by the screen's density and the grid's font.
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTableWidget>
#include <vector>

namespace rp {

// Twips are 1/1440 inch; a 96 dpi screen has 15 twips per pixel.
int TwipsToPixels(int twips, int dpi);

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // Counts include the fixed row and column.
    int Rows() const { return rowCount() + 1; }
    int Cols() const { return columnCount() + 1; }
    void SetRows(int n);
    void SetCols(int n);

    QString TextMatrix(int r, int c) const;
    void SetTextMatrix(int r, int c, const QString& text);

    // The current cell; 0 when none is current.
    int Row() const;
    int Col() const;
    void SetRow(int r);
    void SetCol(int c);
    void SetCell(int r, int c);

    void SetColWidth(int c, int twips);
    void SetHeaderHeight(int twips);
    int Dpi() const;
    // Twips to pixels for this grid's font; the header row keeps its height in any face.
    double PixelsPerTwip() const;
    int TwipsToPx(int twips) const;

    // The cell's rectangle in the coordinates of the viewport, where the editors live.
    QRect CellRect(int r, int c) const;

    // For grids whose editors open when a cell is entered (the dialogs' grids): while the grid
    // itself has the focus, the arrow and page keys only move the current cell, and Enter, F2
    // or a typed character enter it, which opens its editor; the character goes into the editor.
    // Esc in an editor over a cell gives that edit up (see EditGivenUp); Esc on the grid itself
    // goes on to the window, where a dialog takes it as Cancel.
    void SetKeysOpenEditors(bool on);

    // Puts an editor over a cell away and keeps the keys on this grid: a focused widget that
    // hides hands the focus on along the tab chain (to the tree, or a box whose leave-check it
    // starts), so the grid takes it first. The window's focus decides, not hasFocus(): in a
    // window that is not the active one (a message box just closed) the editor still has the keys.
    void HideEditor(QWidget* editor);

    // The cells are edited in editors over them, never found by typing: a search that moves
    // the current cell would send the next Enter to another row.
    void keyboardSearch(const QString&) override {}

signals:
    // Emitted for a double click on a data cell (row and column >= 1).
    void CellDoubleClicked(int row, int col);
    // A key press on the grid itself (not on an editor over it); the handler may accept it.
    void GridKeyPress(QKeyEvent* e);
    // The current cell changed to (row, col), both >= 1.
    void EnterCell(int row, int col);
    // Esc in the editor over (row, col): the editor is hidden, the grid has the focus and that
    // cell is current, its text untouched. The handler forgets the edit, so that nothing the
    // editor held is committed later and entering the cell again opens a fresh editor.
    void EditGivenUp(int row, int col);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    void KeepFirstColumnWhole();
    QTableWidgetItem* ItemAt(int r, int c) const;
    bool OpenEditorByKey(QKeyEvent* e);
    QWidget* EditorOver(const QModelIndex& cell) const;
    QModelIndex FirstEnabledCell() const;
    void WatchEditor(QObject* child);
    bool GiveUpEdit(QWidget* editor);
    void LendFrameFocus(QWidget* focus);
    friend class EditorEscape;
    bool keysOpenEditors_ = false;
    QObject* editorEscape_ = nullptr;  // sees Esc in the editors over the cells
    QMetaObject::Connection focusWatch_;  // the application's focus moves, for LendFrameFocus
    QPointer<QWidget> frameLentTo_;  // the editor the scroll bars, headers and corners stand for
    bool quietEntry_ = false;  // the current cell moves without entering it
    bool shownNotEntered_ = false;  // the current cell was only shown: setting it enters it
    QString corner_;
};

}  // namespace rp
