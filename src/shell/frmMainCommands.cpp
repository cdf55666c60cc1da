// The main window's menu commands. Those that open files, the radio or other windows are
// filled in as those parts of the program arrive.
#include <QAction>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "shell/frmMain.h"

namespace rp {

void frmMain::mnuFileNew_Click() {}
void frmMain::mnuFileOpen_Click() {}
void frmMain::mnuFileSave_Click() {}
void frmMain::mnuFileSaveAs_Click() {}
void frmMain::mnuFilePrint_Click() {}
void frmMain::mnuFileExit_Click() { close(); }
void frmMain::MnuModelInfo_Click() {}
void frmMain::mnuEditCH_Click() {
    ShowGridType(0);
    MSFlexGrid1_DblClick(0);
}
void frmMain::MnuViewSetMode_Click() {}
void frmMain::MnuViewBankChannel_Click() {}
void frmMain::MnuViewRadio_Click() { ShowGridType(2); }
void frmMain::MnuViewAM_Click() { ShowGridType(3); }
void frmMain::MnuViewMSK_Click() {}
void frmMain::MnuViewDTMF_Click() {}
void frmMain::MnuView2Tone_Click() {}
void frmMain::MnuView5Tone_Click() {}
void frmMain::MnuViewScan_Click() {}
void frmMain::MnuViewAlert_Click() {}
void frmMain::MnuCommBook_Click() {}
void frmMain::MnuEMg_Click() {}
void frmMain::mnuTestData_Click() {}
void frmMain::MnuCHBatch_Click() {}
void frmMain::MnuSetCom_Click() {}
void frmMain::MnuSetLanguage_Click() {}
void frmMain::MnuSetInit_Click() {}
void frmMain::mnuProRead_Click() {}
void frmMain::MnuProWrite_Click() {}
void frmMain::MnuProPassWord_Click() {}
void frmMain::MnuHelpContent_Click() {}
void frmMain::MnuHelpAbout_Click() {}

void frmMain::MnuViewToolBar_Click() {
    auto* a = MenuAction("MnuViewToolBar");
    a->setChecked(!a->isChecked());
    tbToolBar->setVisible(a->isChecked());
    SizeControls(tvTreeView->width());
}

void frmMain::MnuViewStatusBar_Click() {
    auto* a = MenuAction("MnuViewStatusBar");
    a->setChecked(!a->isChecked());
    sbStatusBar->setVisible(a->isChecked());
    SizeControls(tvTreeView->width());
}

}  // namespace rp
