#pragma once
// The MSK editor: the common settings and the 32 entries of the MSK block, on an edit copy that
// OK writes back whole.
#include <QDialog>
#include <array>
#include <functional>

#include "model/AppState.h"
#include "mappings/MSKMap.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace rp {

class FrmMSK : public QDialog {
    Q_OBJECT
public:
    // redraw: the main window's channel rows, after OK has repaired the channels' references.
    FrmMSK(AppState& s, std::function<void()> redraw = {}, QWidget* parent = nullptr);

    QTabWidget* SSTab1 = nullptr;
    std::array<QComboBox*, 2> Combo1{};
    std::array<QComboBox*, 4> Combo2{};
    std::array<QLineEdit*, 4> Text1{};
    std::array<QLineEdit*, 3> Text2{};
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 4> Label4{};
    std::array<QLabel*, 3> Label3{};
    std::array<QLabel*, 4> Label2{};
    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    int CurMSKEditID = 0;
    MSKData EditMSKData;

    void CommandOK_Click();
    void Combo1_Click(int index);
    void Check2_Click();
    void Text1_LostFocus(int index);
    void Text2_LostFocus(int index);
    void Text2_Change(int index);

private:
    void SetFormCaption();
    void InitComboList();
    void SetIDTextEnabled(int callType, bool enabled);
    void SetEntryEnabled(int valid);
    void ShowEntryData();
    void ShowByData();
    void SaveToData();
    void SaveEntryData();

    AppState& s_;
    std::function<void()> redraw_;
};

}  // namespace rp
