#pragma once
// The five-tone editor: system settings, own ID, PTT-ID codes, the 100-row code grid with its
// in-place editors, the information-code panel and the tone-table view. It edits the whole
// signalling record as an edit copy and commits it on OK.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "model/AppState.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rp {

class FlexGrid;

class Frm5Tone : public QDialog {
    Q_OBJECT
public:
    // reShowList redraws the main window's channel list after OK has repaired the channels.
    Frm5Tone(AppState& s, std::function<void()> reShowList = {}, QWidget* parent = nullptr);

    // Controls, by the names the mappings' captions and the tests use for them.
    std::array<QComboBox*, 13> Combo1{};  // 1..12
    std::array<QLabel*, 13> Label1{};     // 0..12
    QLineEdit* Text2 = nullptr;           // own ID
    QCheckBox* Check1 = nullptr;          // side tone
    std::array<QGroupBox*, 2> Frame1{};   // PTT-ID begin / end
    std::array<QLineEdit*, 2> Text4{};
    std::array<QComboBox*, 2> Combo4{};   // PTT-ID standards
    std::array<QComboBox*, 2> Combo5{};   // PTT-ID periods
    std::array<QLabel*, 2> Label2{};
    FlexGrid* MSHFlexGrid1 = nullptr;
    QLineEdit* Text3 = nullptr;  // code editor
    QComboBox* Combo2 = nullptr;  // standard editor
    QComboBox* Combo3 = nullptr;  // period editor
    QLineEdit* Text6 = nullptr;  // name editor
    QPlainTextEdit* Text1 = nullptr;  // tone-table view
    QGroupBox* Frame2 = nullptr;      // information-code panel
    QComboBox* Combo6 = nullptr;
    std::array<QComboBox*, 2> Combo7{};
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QLabel*, 4> Label4{};
    QPushButton* Command1 = nullptr;  // special code of a grid row
    QPushButton* Command2 = nullptr;  // special code of PTT-ID begin
    QPushButton* Command3 = nullptr;  // special code of PTT-ID end
    QPushButton* Command4 = nullptr;  // user tone set
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCANCEL = nullptr;

    int CurTone5Row = 0;
    int CurTone5Col = 0;
    int CurInfoCodeID = 0;

    void ShowByData();
    void SaveToData();
    void ReplaceSelfIDCode();
    void SaveEditCell(int row, int col);
    void SaveInfoCode(int id);
    void ShowInfoCode();
    bool IsInfoKillStunWakenOK();
    void ShowToneStandard(const QString& name);

    // Handlers, public so the composer and tests run them as the controls' events would.
    void MSHFlexGrid1_EnterCell();
    // Esc in a cell's editor: the cell and the row keep what they had before it opened.
    void GiveUpEditCell();
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_DblClick();
    void MSHFlexGrid1_Scroll();
    void Combo1_Click(int index);
    void Combo2_Click();
    void Combo4_Click(int index);
    void Combo6_Click();
    void Combo7_Click(int index);
    void Text2_LostFocus();
    void Text4_LostFocus(int index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The decode time as the dialog holds it; it reaches the working data on OK.
    std::uint8_t EditDecodeTime = 0;
    // Opens the special-code composer for a mode (0 grid row, 1 PTT-ID begin, 2 PTT-ID end).
    // Tests replace it to drive the composer themselves.
    std::function<void(int mode)> OpenSpecial;
    std::function<void()> OpenUserToneSet;

    AppState& State() { return st_; }

private:
    void Build();
    void InitComboList();
    void InitGrid();
    void WireEditors();
    void HideEditors();
    void OpenCellEditor(int row, int col);
    void MoveGridCell(int row, int col);
    int NextRow(int row) const;

    AppState& st_;
    std::function<void()> reShowList_;
    QString OldOwnID;
    bool IsFormLoaded = false;
    std::uint8_t periodAtOpen_ = 0;  // the row's period and its cell when the editor opened
    QString periodTextAtOpen_;
};

}  // namespace rp
