#include "settings/FrmScan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

FrmScan::FrmScan(AppState& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("FrmScan");
    auto* grid = new QGridLayout;
    kit::MakeComboColumn(this, Label1, Combo1, "Label1", "Combo1", [this](int i) { Combo1_Click(i); });
    kit::AddComboRows(grid, Label1, Combo1, {0, 1, 2, 4, 6, 7, 8, 9, 10});
    grid->setColumnStretch(1, 1);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName("Combo2");
    Combo2->hide();
    Check1 = new QCheckBox(this);
    Check1->setObjectName("Check1");
    kit::EnterMovesFocus(Check1);

    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);
    connect(CommandOK, &QPushButton::clicked, this, &FrmScan::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Check1);
    layout->addLayout(buttons);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);

    ShowByData();
}

void FrmScan::ShowByData() {
    const ScanShow v = ShowScan(s_);
    template_ = v.Template;
    edit_ = v.Record;
    setWindowTitle(Q(v.Caption));
    for (int i = 0; i < kScanCombos; ++i) {
        Label1[i]->setText(Q(v.Label1[i]));
        kit::FillCombo(Combo1[i], v.Items[i]);
        kit::SetComboIndex(Combo1[i], v.Index[i]);
        Combo1[i]->setEnabled(v.Enabled.Combo[i]);
        Label1[i]->setHidden(v.Hidden[i]);
        Combo1[i]->setHidden(v.Hidden[i]);
    }
    kit::FillCombo(Combo2, v.Template);
    Check1->setText(Q(v.Check1Caption));
    kit::SetCheckValue(Check1, v.Check1);
    Check1->setEnabled(v.Enabled.Check);
    CommandOK->setText(Q(v.OKCaption));
    CommandCancel->setText(Q(v.CancelCaption));
    // The load's repairs (revert choice, prompt tone) stand even when the user cancels.
    s_.CurRadioData.Signal.Scan = edit_;
}

void FrmScan::InitRevertList() {
    const int priority = kit::ComboIndex(Combo1[1], -1);
    kit::FillCombo(Combo1[6], ScanRevertList(template_, priority));
    ScanEnabled e;
    for (int i = 0; i < kScanCombos; ++i) e.Combo[i] = Combo1[i]->isEnabled();
    e.Check = Check1->isEnabled();
    ApplyRevertEnabling(e, priority);
    for (int i = 0; i < kScanCombos; ++i) Combo1[i]->setEnabled(e.Combo[i]);
}

void FrmScan::SetControlState() {
    ScanEnabled e;
    for (int i = 0; i < kScanCombos; ++i) e.Combo[i] = Combo1[i]->isEnabled();
    e.Check = Check1->isEnabled();
    ApplyScanControlState(e, kit::ComboIndex(Combo1[0], -1), kit::ComboIndex(Combo1[1], -1));
    for (int i = 0; i < kScanCombos; ++i) Combo1[i]->setEnabled(e.Combo[i]);
    Check1->setEnabled(e.Check);
}

void FrmScan::Combo1_Click(int index) {
    switch (index) {
    case 0:
        SetControlState();
        break;
    case 1: {
        InitRevertList();
        SetControlState();
        const ScanRevertChoice c = ScanPriorityModeChange(template_, kit::ComboIndex(Combo1[1], -1), edit_.RevertMode);
        kit::SetComboIndex(Combo1[6], c.Index);
        edit_.RevertMode = c.RevertMode;
        break;
    }
    case 6:
        edit_.RevertMode = ScanRevertModeOfText(template_, Combo1[6]->currentText().toStdString());
        break;
    default:
        break;
    }
}

void FrmScan::CommandOK_Click() {
    ScanHeld h;
    for (int i = 0; i < kScanCombos; ++i) {
        h.Index[i] = kit::ComboIndex(Combo1[i], -1);
        h.Text[i] = Combo1[i]->currentText().toStdString();
    }
    h.Check1 = kit::CheckValue(Check1);
    s_.CurRadioData.Signal.Scan = StoreScan(edit_, template_, h);
    accept();
}

}  // namespace rp
