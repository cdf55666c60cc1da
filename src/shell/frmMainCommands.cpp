// The main window's menu and toolbar commands. The order of questions lives in MainCommands;
// here each command finds its dialog or hands over to the window's command host.
#include <QAction>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "channels/FrmBank.h"
#include "channels/FrmCHBatch.h"
#include "fivetone/Frm5Tone.h"
#include "model/BandText.h"
#include "model/IniFile.h"
#include "model/ModelTable.h"
#include "print/FrmPrintList.h"
#include "print/QtPrint.h"
#include "qtcomm/FrmPassWord.h"
#include "qtcomm/QtCommLink.h"
#include "settings/FrmAlert.h"
#include "settings/FrmOption.h"
#include "settings/FrmScan.h"
#include "shell/FrmTestData.h"
#include "shell/FrmAbout.h"
#include "shell/FrmComPort.h"
#include "shell/FrmLanguage.h"
#include "shell/FrmModel.h"
#include "shell/MainCommandHost.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"
#include "signalling/Frm2Tone.h"
#include "signalling/FrmCommuBook.h"
#include "signalling/FrmDTMF.h"
#include "signalling/FrmMSK.h"

namespace rp {

void frmMain::mnuFileNew_Click() { MainCommandHost::Of(*this).Commands().FileNew(); }
void frmMain::mnuFileOpen_Click() { MainCommandHost::Of(*this).Commands().FileOpen(); }
void frmMain::mnuFileSave_Click() { MainCommandHost::Of(*this).Commands().FileSave(); }
void frmMain::mnuFileSaveAs_Click() { MainCommandHost::Of(*this).Commands().FileSaveAs(); }
void frmMain::mnuFilePrint_Click() {
    FrmPrintList dlg(State(), print::AppPrinter(), this);
    dlg.exec();
}
void frmMain::mnuFileExit_Click() { close(); }

void frmMain::MnuModelInfo_Click() {
    AppState& s = State();
    QStringList models;
    for (const auto code : kDataModelCodes) models << QString::fromStdString(GetModelName(s, code));
    QStringList bands;
    for (int b = 0; b < kBandVariants; ++b) bands << QString::fromStdString(GetBandRangeStr(b));
    FrmModel dlg(s, models, QString::fromStdString(GetModelName(s, s.CurModelCode)), bands, s.CurBandIndex, this);
    dlg.Message = [](const QString& text, int style, const QString& title) { return MsgBox(text, style, title); };
    if (dlg.exec() != QDialog::Accepted) return;
    const std::string name = dlg.ChosenModelName().toStdString();
    const std::string code = GetModelCode(s, name);
    ApplyModelAndBand(s, code, GetModelName(s, code), dlg.ChosenBandIndex());
    LoadShowByModel();
    // The signalling column reads differently by model, so the rows are redrawn either way.
    ReShowListByData();
    ShowGridType(0);
}

void frmMain::mnuEditCH_Click() {
    ShowGridType(0);
    MSFlexGrid1_DblClick(0);
}
void frmMain::MnuViewSetMode_Click() {
    FrmOption dlg(State(), this);
    // The tree's nodes depend on the model only, but OK rebuilds it anyway: it is cheap, and the
    // tree then never lags behind a setting.
    if (dlg.exec() == QDialog::Accepted) LoadShowTree();
}
void frmMain::MnuViewBankChannel_Click() {
    {
        FrmBank dlg(State(), this);
        dlg.exec();
    }
    ReShowListByData();
}
void frmMain::MnuViewRadio_Click() { ShowGridType(2); }
void frmMain::MnuViewAM_Click() { ShowGridType(3); }
void frmMain::MnuViewMSK_Click() {
    FrmMSK dlg(State(), [this] { ReShowListByData(); }, this);
    dlg.exec();
}
void frmMain::MnuViewDTMF_Click() {
    FrmDTMF dlg(State(), this);
    dlg.exec();
}
void frmMain::MnuView2Tone_Click() {
    Frm2Tone dlg(State(), [this] { ReShowListByData(); }, this);
    dlg.exec();
}
void frmMain::MnuView5Tone_Click() {
    Frm5Tone dlg(State(), [this] { ReShowListByData(); }, this);
    dlg.exec();
}
void frmMain::MnuViewScan_Click() {
    FrmScan dlg(State(), this);
    dlg.exec();
}
void frmMain::MnuViewAlert_Click() {
    FrmAlert dlg(State(), this);
    dlg.exec();
}
void frmMain::MnuCommBook_Click() {
    FrmCommuBook dlg(State(), this);
    dlg.exec();
}
void frmMain::MnuEMg_Click() { MainCommandHost::Of(*this).Commands().ReadRadioInfo(); }
void frmMain::mnuTestData_Click() {
    FrmTestData dlg(State(), this);
    dlg.exec();
}
void frmMain::MnuCHBatch_Click() {
    FrmCHBatch dlg(State(), [this] { ReShowListByData(); }, this);
    dlg.exec();
}

void frmMain::MnuSetCom_Click() {
    AppState& s = State();
    if (s.CommMode != CommModes::Idle) return;
    QStringList ports;
    for (const auto& p : ListSerialPorts()) ports << QString::fromStdString(p);
    FrmComPort dlg(s, ports, QString::fromStdString(s.ComPortName), this);
    if (dlg.exec() != QDialog::Accepted) return;
    s.ComPortName = dlg.ChosenPort().toStdString();
    if (!s.SetupIniPath.empty() && !WriteProfileString(s.SetupIniPath, "language", "comPort", s.ComPortName))
        MsgBox(QString::fromStdString(Bilingual(s, s.FileErrorText)), MsgStyle::Exclamation);
}

void frmMain::MnuSetLanguage_Click() {
    FrmLanguage dlg(State(), [this] { Form_ReLoad(); }, this);
    dlg.exec();
}

void frmMain::MnuSetInit_Click() { MainCommandHost::Of(*this).Commands().SetInit(); }
void frmMain::mnuProRead_Click() { MainCommandHost::Of(*this).Commands().ProRead(); }
void frmMain::MnuProWrite_Click() { MainCommandHost::Of(*this).Commands().ProWrite(); }
void frmMain::MnuProPassWord_Click() { AskPassWord(State(), State().TypedPassWord, this); }
void frmMain::MnuHelpContent_Click() {}
void frmMain::MnuHelpAbout_Click() {
    FrmAbout dlg(State(), this);
    dlg.exec();
}

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
