#pragma once
// The scan settings dialog. Lists, enabling and what it shows and stores are the plain functions
// of ScanMap.h; the dialog moves values between them and its controls.
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "mappings/ScanMap.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace rp {

class FrmScan : public QDialog {
    Q_OBJECT
public:
    // Loads at once; the load writes its repaired record back into the working data.
    FrmScan(AppState& s, QWidget* parent = nullptr);

    std::array<QComboBox*, kScanCombos> Combo1{};
    std::array<QLabel*, kScanCombos> Label1{};
    QComboBox* Combo2 = nullptr;  // the revert template, never shown
    QCheckBox* Check1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    void InitRevertList();
    void Combo1_Click(int index);
    void CommandOK_Click();

    const ScanData& EditScanData() const { return edit_; }

private:
    void SetControlState();
    void ShowByData();

    AppState& s_;
    ScanData edit_;
    std::vector<std::string> template_;
};

}  // namespace rp
