#pragma once
// The batch channel editor: writes up to 21 chosen fields into every channel of a range. The
// rules live in mappings/ModBatch; the dialog moves values between them and its controls.
#include <QDialog>
#include <functional>
#include <vector>

#include "model/AppState.h"
#include "mappings/ModBatch.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rp {

class FrmCHBatch : public QDialog {
    Q_OBJECT
public:
    // redraw: the main window's channel grid, after each Apply.
    FrmCHBatch(AppState& s, std::function<void()> redraw, QWidget* parent = nullptr);

    // Range line.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QRadioButton* Option1[2] = {};
    QLineEdit* Text1[2] = {};
    QCheckBox* Check4 = nullptr;
    QPushButton* CommandFun = nullptr;
    // The two views.
    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    // Edit view.
    QLabel* Label3[17] = {};
    QLabel* Label4[10] = {};
    QLabel* Label5 = nullptr;
    QLineEdit* Text2[12] = {};
    QLineEdit* Text3 = nullptr;
    QComboBox* Combo1[17] = {};
    QCheckBox* Check1[5] = {};
    QCheckBox* Check3[3] = {};
    QRadioButton* Option2[2] = {};
    QRadioButton* Option3[3] = {};
    QRadioButton* Option4[2] = {};
    QRadioButton* Option5[2] = {};
    QRadioButton* Option6[2] = {};
    QRadioButton* Option7[2] = {};
    QRadioButton* Option8[2] = {};
    QRadioButton* Option9[2] = {};
    QRadioButton* Option10[2] = {};
    QFrame* Line1 = nullptr;
    // Function-selection view.
    QCheckBox* Check2[kBatchFunCount] = {};
    QPushButton* CommandSelAll = nullptr;
    QPushButton* CommandSelNone = nullptr;
    // Buttons.
    QPushButton* CommandApply = nullptr;
    QPushButton* CommandClose = nullptr;

    bool IsFunView = false;

    void InitShowList();
    void ChangShowByLanguage();
    void ShowBatchFun();
    void SetShowData();

    void Check2_Click(int index);
    void CommandFun_Click();
    void CommandSelAll_Click();
    void CommandSelNone_Click();
    void CommandClose_Click();
    void CommandApply_Click();

    void Option1_Click();
    void Option3_Click();
    void Option6_Click();
    void Check3_Click(int index);
    void Check1_Click(int index);
    void Combo1_Click(int index);
    void Text1_Change(int index);
    void Text2_Change(int index);
    void Text2_LostFocus(int index);
    void Text3_LostFocus();

    // The dialog's values as Apply reads them, and the normalised texts written back.
    BatchSettings Settings() const;
    void ShowSettings(const BatchSettings& b);

    // Where Apply draws its random tones from; by default a generator seeded from the clock at
    // each Apply.
    std::function<BatchRandom()> MakeRandom;

private:
    void BuildControls();
    std::vector<QWidget*> RowControls(int k) const;
    void SetRowShown(int k, bool on);
    void SetAllSwitches(bool on);
    void MakeRoomForCaptions();
    void PlaceSubCaptions();

    AppState& s_;
    std::function<void()> redraw_;
};

}  // namespace rp
