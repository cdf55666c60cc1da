#pragma once
// The bank editor: assigns memory channels to the 9 banks on the edit copy of the bank table;
// OK stores every change at once, Cancel (or closing the window) drops them all.
#include <QDialog>

#include "model/AppState.h"
#include "mappings/BankEdit.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace rp {

class FrmBank : public QDialog {
    Q_OBJECT
public:
    explicit FrmBank(AppState& s, QWidget* parent = nullptr);

    QLabel* Label1[3] = {};
    QListWidget* List1 = nullptr;  // the banks
    QListWidget* List2 = nullptr;  // the channels in the chosen bank
    QListWidget* List3 = nullptr;  // the other memory channels
    QPushButton* CommandL = nullptr;
    QPushButton* CommandR = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    void List1_Click();
    void CommandL_Click();
    void CommandR_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void InitBankList();
    void ShowView();
    void ChooseNothing();

    AppState& s_;
    BankView view_;
};

}  // namespace rp
