#pragma once
// The language dialog: switches the language for the rest of the run (nothing is saved).
#include <QDialog>
#include <functional>

#include "model/AppState.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace rp {

class FrmLanguage : public QDialog {
    Q_OBJECT
public:
    // reloadMain re-applies the texts and views of the main window after a switch.
    FrmLanguage(AppState& state, std::function<void()> reloadMain, QWidget* parent = nullptr);

    QComboBox* Combo1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    void Form_Load();
    void CommandOK_Click();

    AppState& state_;
    std::function<void()> reloadMain_;
};

}  // namespace rp
