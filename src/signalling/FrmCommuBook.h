#pragma once
// The communication book editor: 80 entries in a grid with one in-place box, import and export
// of the book file. The radio's book is sorted by Call ID whenever the dialog closes.
#include <QDialog>

#include "model/AppState.h"

class QLineEdit;
class QPushButton;

namespace rp {

class FlexGrid;

class FrmCommuBook : public QDialog {
    Q_OBJECT
public:
    explicit FrmCommuBook(AppState& s, QWidget* parent = nullptr);

    FlexGrid* MSFlexGrid1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* CommandInput = nullptr;
    QPushButton* CommandOutput = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    int CurBookEditRow = 0;
    int CurBookEditCol = 0;

    void GetBookData();
    void SetBookData();
    void ShowBookData();
    bool FreLoadBookFile();
    bool FreSaveBookFile();

    void CommandInput_Click();
    void CommandOutput_Click();
    void CommandOK_Click();
    void MSFlexGrid1_EnterCell();
    void Text1_KeyEnter();

private:
    void SetFormCaption();
    void InitGrid();
    void SaveEditCell(int row, int col);
    void HideEditor();
    void Form_Unload();
    // The folder the book file dialogs start in; empty leaves it to the dialog.
    QString BookFolder() const;

    AppState& s_;
    bool IsFormLoaded = false;
    QString lastFileName_;  // what either file dialog last chose while the dialog is open
};

}  // namespace rp
