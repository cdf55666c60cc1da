#pragma once
// The viewer of the radio's information record, opened at the end of an information read. What
// it shows is ShowEMG (EMGMap.h); nothing typed into it is stored.
#include <QDialog>
#include <array>

#include "model/AppState.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rp {

class FrmEMG : public QDialog {
    Q_OBJECT
public:
    FrmEMG(const AppState& s, const RadioInfo& info, QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    std::array<QLabel*, 14> Label1{};
    std::array<QComboBox*, 2> Combo1{};
    // Text1(4), the maintenance reason, is three rows high and lives in Text1Reason.
    std::array<QLineEdit*, 12> Text1{};
    QPlainTextEdit* Text1Reason = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;

    // The text of box Text1(i).
    QString BoxText(int i) const;
};

}  // namespace rp
