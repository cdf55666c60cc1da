#pragma once
// The channel dialog: edits channel CurChannelNo, or fills in a channel that does not exist yet.
// What it shows and how OK stores it are the plain mappings of mappings/ChannelEditMap.h; the
// dialog moves values between them and its controls and keeps the controls consistent.
#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "model/AppState.h"
#include "mappings/ChannelEditMap.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace rp {

class FrmCHEdit : public QDialog {
    Q_OBJECT
public:
    // Loads the dialog for st.CurChannelNo: captions, lists, the channel and its banks.
    explicit FrmCHEdit(AppState& st, QWidget* parent = nullptr);

    // The main window's redraw of one channel's grid row, run by OK.
    std::function<void(int channelNo)> ReShowGrid;

    // Handlers, named after the control and event they answer.
    void Combo1_Click(int index);
    void Check4_Click(int index);
    void RefreshComboList();
    void Text1_Change(int index);
    void EnableShownModelControls(bool on);
    void DisableValueControls();
    void EnableValueControls();
    void ListBank_ItemCheck(int item);
    void Text3_LostFocus();
    void CommandOK_Click();
    void CommandCancel_Click();

    // What the controls hold, in the mappings' terms.
    ChannelEditValues Values() const;

    // Controls. Arrays keep the indexes the mappings name them by (Combo1(4) is the signalling
    // list); unused indexes of Combo1 and Label2 exist hidden, so every index is a control.
    std::array<QLabel*, 4> Label1{};
    std::array<QLabel*, 18> Label2{};
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLineEdit*, 11> Text1{};
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    std::array<QComboBox*, 18> Combo1{};
    QComboBox* Combo2 = nullptr;
    std::array<QComboBox*, 4> Combo3{};
    std::array<QComboBox*, 4> Combo4{};
    QCheckBox* Check1 = nullptr;
    std::array<QCheckBox*, 2> Check2{};
    QCheckBox* Check3 = nullptr;
    std::array<QCheckBox*, 2> Check4{};
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QListWidget* ListBank = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void BuildControls();
    void LoadFormText();
    void InitComboLists();
    void PlaceControls();
    void SetFocusOrder();
    void WireHandlers();
    void LoadEditChannel();
    void ShowChannelData(const ChannelEditView& view);
    void ShowToneKind(bool decode);
    int Px(int twips) const;

    AppState& st_;
    int channelNo_ = 0;
    ChannelEditLists lists_;
    std::vector<int> squelchOffered_;  // Combo1(9)'s items as items of Combo1(11)
    bool BankShowing = false;
};

}  // namespace rp
