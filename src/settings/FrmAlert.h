#pragma once
// The alert settings dialog. Lists, enabling and what it shows and stores are the plain functions
// of AlertMap.h; the dialog moves values between them and its controls.
#include <QDialog>
#include <array>

#include "model/AppState.h"
#include "mappings/AlertMap.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace rp {

class FrmAlert : public QDialog {
    Q_OBJECT
public:
    FrmAlert(AppState& s, QWidget* parent = nullptr);

    std::array<QComboBox*, kAlertCombos> Combo1{};
    std::array<QLabel*, kAlertCombos> Label1{};
    // The lone-work group: never shown, still filled and read.
    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check1 = nullptr;
    std::array<QComboBox*, 2> Combo2{};
    std::array<QLabel*, 2> Label2{};
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    void Combo1_Click(int index);
    void Check1_Click();
    void CommandOK_Click();

private:
    void ShowByData();
    void InitCodeList();

    AppState& s_;
    AlertData edit_;
};

}  // namespace rp
