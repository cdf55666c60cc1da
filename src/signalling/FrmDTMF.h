#pragma once
// The DTMF settings dialog and its special-code sub-dialog. The dialog works on the DTMF record
// itself: its load puts out-of-range values back into range there (Cancel keeps those repairs),
// and OK stores every control into it.
#include <QDialog>
#include <array>

#include "model/AppState.h"
#include "mappings/DTMFMap.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rp {

class FrmDTMF : public QDialog {
    Q_OBJECT
public:
    explicit FrmDTMF(AppState& s, QWidget* parent = nullptr);

    // Index of the code box that last had the focus; the special-code dialog fills that box.
    int CurDTMFEditID = 0;

    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, kDTMFCodeBoxes> Label1{};
    std::array<QLineEdit*, kDTMFCodeBoxes> Text2{};
    QLabel* Label2 = nullptr;
    QPushButton* CommandSpecial = nullptr;
    std::array<QLabel*, kDTMFLists> Label3{};     // Label3(4) labels Text3
    std::array<QComboBox*, kDTMFLists> Combo1{};  // no Combo1(4)
    QLineEdit* Text3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    // What the controls hold, in the form the record's store mapping takes.
    DTMFValues ControlValues() const;

    void Combo1_Click(int index);
    void Text3_LostFocus();
    void CommandSpecial_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InitShowContent(const DTMFShow& show);
    void ShowByData(const DTMFShow& show);
    void SetCodes(const std::array<std::string, kDTMFCodeBoxes>& codes);
    std::array<std::string, kDTMFCodeBoxes> Codes() const;

    AppState& s_;
    // The own ID the codes were last brought in step with.
    QString ownIdInStep_;
};

class FrmDTMFSpecial : public QDialog {
    Q_OBJECT
public:
    FrmDTMFSpecial(const AppState& s, FrmDTMF& dtmf, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    std::array<QComboBox*, 1> Combo1{};
    QGroupBox* Frame1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    void Combo1_Click(int index);
    void Text1_LostFocus();
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    FrmDTMF& dtmf_;
};

}  // namespace rp
