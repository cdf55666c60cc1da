#pragma once
// The function settings dialog. Its lists and what it shows and stores are the plain functions of
// OptionMap.h; the dialog only moves values between them and its controls.
#include <QDialog>
#include <array>

#include "model/AppState.h"
#include "mappings/OptionMap.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rp {

class FrmOption : public QDialog {
    Q_OBJECT
public:
    // Loads at once: the working data's frequency and AM texts are normalised as the dialog opens.
    FrmOption(AppState& s, QWidget* parent = nullptr);

    std::array<QComboBox*, kOptionCombos> Combo1{};
    std::array<QLabel*, kOptionCombos> Label1{};
    std::array<QCheckBox*, kOptionChecks> Check1{};
    std::array<QCheckBox*, kOptionLinks> Check3{};
    std::array<QLineEdit*, kOptionTextBoxes> Text1{};
    std::array<QLineEdit*, 2> Text3{};
    std::array<QLabel*, 2> Label4{};
    QLabel* Label2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    void Combo1_Click(int index);
    void Check1_Click(int index);
    void Check3_Click(int index);
    void Text3_LostFocus(int index);
    void CommandOK_Click();

    const OptionData& EditOptionData() const { return edit_; }

private:
    void BuildControls();
    void ShowByData();
    void InitChannelList(int which);

    AppState& s_;
    OptionData edit_;
    bool IsFormLoaded = false;
};

}  // namespace rp
