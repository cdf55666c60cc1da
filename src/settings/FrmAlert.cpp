#include "settings/FrmAlert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

AlertEnabled EnabledOf(const FrmAlert& f) {
    AlertEnabled e;
    for (int i = 0; i < kAlertCombos; ++i) e.Combo[i] = f.Combo1[i]->isEnabled();
    for (int i = 0; i < 2; ++i) e.Combo2[i] = f.Combo2[i]->isEnabled();
    return e;
}

void Apply(FrmAlert& f, const AlertEnabled& e) {
    for (int i = 0; i < kAlertCombos; ++i) f.Combo1[i]->setEnabled(e.Combo[i]);
    for (int i = 0; i < 2; ++i) f.Combo2[i]->setEnabled(e.Combo2[i]);
}
}  // namespace

FrmAlert::FrmAlert(AppState& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("FrmAlert");
    auto* grid = new QGridLayout;
    kit::MakeComboColumn(this, Label1, Combo1, "Label1", "Combo1", [this](int i) { Combo1_Click(i); });
    kit::AddComboRows(grid, Label1, Combo1, {0, 1, 2, 3, 4, 5, 6, 8, 9});
    grid->setColumnStretch(1, 1);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* lone = new QGridLayout(Frame1);
    Check1 = new QCheckBox(Frame1);
    Check1->setObjectName("Check1");
    connect(Check1, &QCheckBox::clicked, this, [this](bool) { Check1_Click(); });
    lone->addWidget(Check1, 0, 0, 1, 2);
    for (int i = 0; i < 2; ++i) {
        Combo2[i] = new QComboBox(Frame1);
        Combo2[i]->setObjectName(QString("Combo2_%1").arg(i));
        Label2[i] = new QLabel(Frame1);
        Label2[i]->setObjectName(QString("Label2_%1").arg(i));
        Label2[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lone->addWidget(Label2[i], i + 1, 0);
        lone->addWidget(Combo2[i], i + 1, 1);
    }

    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);
    connect(CommandOK, &QPushButton::clicked, this, &FrmAlert::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);
    setMinimumWidth(320);

    ShowByData();
}

void FrmAlert::ShowByData() {
    const AlertShow v = ShowAlert(s_);
    edit_ = v.Edit;
    setWindowTitle(Q(v.Caption));
    for (int i = 0; i < kAlertCombos; ++i) {
        Label1[i]->setText(Q(v.Label1[i]));
        kit::FillCombo(Combo1[i], v.Items[i]);
        kit::SetComboIndex(Combo1[i], v.Index[i]);
        Label1[i]->setHidden(v.Hidden[i]);
        Combo1[i]->setHidden(v.Hidden[i]);
    }
    Frame1->setHidden(v.LoneWorkHidden);
    Frame1->setTitle(Q(v.Frame1Caption));
    Check1->setText(Q(v.Check1Caption));
    kit::SetCheckValue(Check1, v.Check1);
    for (int i = 0; i < 2; ++i) {
        Label2[i]->setText(Q(v.Label2[i]));
        kit::FillCombo(Combo2[i], v.Combo2Items[i]);
        kit::SetComboIndex(Combo2[i], v.Combo2Index[i]);
    }
    Apply(*this, v.Enabled);
    CommandOK->setText(Q(v.OKCaption));
    CommandCancel->setText(Q(v.CancelCaption));
}

void FrmAlert::InitCodeList() {
    const int type = kit::ComboIndex(Combo1[1], -1);
    const auto items = AlertCodeList(s_, type);
    kit::FillCombo(Combo1[2], items);
    kit::SetComboIndex(Combo1[2], AlertCodeIndex(items, type, edit_.IDCode));
}

void FrmAlert::Combo1_Click(int index) {
    AlertEnabled e = EnabledOf(*this);
    switch (index) {
    case 0:
        ApplyAlertModeEnabling(e, kit::ComboIndex(Combo1[0], -1));
        break;
    case 1:
        InitCodeList();
        break;
    case 6:
        ApplyAlertChannelEnabling(e, kit::ComboIndex(Combo1[6], -1));
        break;
    default:
        return;
    }
    Apply(*this, e);
}

void FrmAlert::Check1_Click() {
    AlertEnabled e = EnabledOf(*this);
    ApplyAlertCheckEnabling(e, kit::CheckValue(Check1));
    Apply(*this, e);
}

void FrmAlert::CommandOK_Click() {
    AlertHeld h;
    for (int i = 0; i < kAlertCombos; ++i) {
        h.Index[i] = kit::ComboIndex(Combo1[i], -1);
        h.Text[i] = Combo1[i]->currentText().toStdString();
    }
    h.Check1 = kit::CheckValue(Check1);
    for (int i = 0; i < 2; ++i) h.Combo2Text[i] = Combo2[i]->currentText().toStdString();
    s_.CurRadioData.Signal.Alert = StoreAlert(h);
    accept();
}

}  // namespace rp
