#pragma once
// The 2-Tone editor: the 2-Tone list in a grid with its timing lists, the encode set-up, and the
// 16 decode entries. It works on AppState::EditSignalData and copies it back on OK.
#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "model/AppState.h"
#include "mappings/TwoToneMap.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QVBoxLayout;

namespace rp {

class FlexGrid;

// Tabs laid out in rows of a fixed count (the decode entries' 16 tabs in two rows of 8), each
// tab showing one page.
class TabRows : public QWidget {
    Q_OBJECT
public:
    TabRows(int perRow, QWidget* parent = nullptr);
    int AddTab(QWidget* page, const QString& caption);
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    void setTabText(int index, const QString& caption);
    QWidget* widget(int index) const;

signals:
    void currentChanged(int index);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ShowStop();

    int perRow_;
    QButtonGroup* buttons_;
    QStackedWidget* pages_;
    QVBoxLayout* rows_;
};

class Frm2Tone : public QDialog {
    Q_OBJECT
public:
    // redraw: the main window's channel grid, after OK has repaired the channels' references.
    Frm2Tone(AppState& s, std::function<void()> redraw, QWidget* parent = nullptr);

    QWidget* Picture1 = nullptr;
    QTabWidget* SSTab1 = nullptr;
    FlexGrid* MSHFlexGrid1 = nullptr;
    QLineEdit* Text1 = nullptr;  // tone editor of grid columns 1 and 2
    QLineEdit* Text3 = nullptr;  // name editor of grid column 3
    std::array<QComboBox*, 5> Combo1{};
    std::array<QLabel*, 5> Label1{};
    QCheckBox* Check1 = nullptr;
    std::array<QLineEdit*, 4> Text2{};
    std::array<QLabel*, 4> Label3{};
    std::array<QComboBox*, 2> Combo2{};
    std::array<QLabel*, 2> Label2{};
    TabRows* SSTab2 = nullptr;
    std::array<QGroupBox*, kTwoToneDecodeTabs> Frame1{};
    std::array<QCheckBox*, kTwoToneDecodeTabs> Check2{};
    std::array<QLineEdit*, kTwoToneDecodeTabs> Text4{}, Text5{}, Text6{};
    std::array<QComboBox*, kTwoToneDecodeTabs> Combo3{};
    std::array<QLabel*, kTwoToneDecodeTabs> Label4{}, Label5{}, Label6{}, Label8{};
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    // The grid cell under the in-place editor; 0 until a cell is entered.
    int CurEditRow = 0;
    int CurEditCol = 0;
    bool IsLoaded = false;

    void CommandOK_Click();
    void CommandCancel_Click();
    void Combo2_Click(int index);
    void Check2_Click(int index);
    void SetDecodeTabEnabled(int index, int value);
    void MSHFlexGrid1_EnterCell();
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_Scroll();
    void SSTab1_Click(int previousTab);
    void Text1_KeyEnter();
    void Text3_KeyEnter();
    void Text2_LostFocus(int index);
    void Text4_LostFocus(int index);
    void Text5_LostFocus(int index);

private:
    void Build();
    void SetCaptions();
    void InitComboList();
    void InitGrid();
    void ShowByData();
    void SaveToData();
    void SaveDecodeData();
    void SaveEditCell(int row, int col);
    void OpenEditorOnCurrentCell();
    void WireToneBox(QLineEdit* box, std::function<void()> lostFocus);

    AppState& st_;
    std::function<void()> redraw_;
    TwoToneLists lists_;
    // A tone box that had the focus and has not had its leave-check yet: OK runs it first, as
    // the click that moved the focus to OK would have.
    QPointer<QLineEdit> pendingLeave_;
    std::vector<std::pair<QLineEdit*, std::function<void()>>> leaveChecks_;
};

}  // namespace rp
