// The in-place editors of the main window's grids and the commit of what they hold.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "shell/GridAdapter.h"
#include "shell/frmMain.h"

namespace rp {

void frmMain::SaveOldData() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             TextFreRx, TextFreTx, TextName, ComboStep, ComboWN, ComboPower, ComboDe_CTC_Type,
             ComboDe_CTCSS, ComboDe_CDCSS, ComboEn_CTC_Type, ComboEn_CTCSS, ComboEn_CDCSS,
             ComboOptSig, ListBank}) {
        if (w->isVisible()) {
            w->hide();
            return;
        }
    }
}

void frmMain::SaveOldGridData(int) {}

void frmMain::CommitOpenEditors() {
    SaveOldData();
    SaveOldGridData(2);
    SaveOldGridData(3);
}

void frmMain::MSFlexGrid1_DblClick(int) {}
void frmMain::MSFlexGrid1_EnterCell(int) {}

}  // namespace rp
