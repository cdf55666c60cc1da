#include "shell/FrmLanguage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/DialogKit.h"
#include "kit/Language.h"
#include "shell/Startup.h"

namespace rp {

FrmLanguage::FrmLanguage(AppState& state, std::function<void()> reloadMain, QWidget* parent)
    : QDialog(parent), state_(state), reloadMain_(std::move(reloadMain)) {
    setObjectName("FrmLanguage");
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName("CommandOK");
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName("CommandCancel");

    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Combo1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    // As in the editor dialogs: Enter in the list moves on, only Enter on a button presses it.
    kit::EnterMovesFocus(Combo1);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);

    connect(CommandOK, &QPushButton::clicked, this, &FrmLanguage::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void FrmLanguage::Form_Load() {
    setWindowTitle(LangStr(state_, 1503));
    Label1->setText(LangStr(state_, 1503));
    SetOKCancelCaption(this, state_);
    Combo1->clear();
    Combo1->addItem(LangStr(state_, 1501));
    Combo1->addItem(LangStr(state_, 1502));
    Combo1->setCurrentIndex(state_.LanguageIndex == 2 ? 1 : 0);
}

void FrmLanguage::CommandOK_Click() {
    ApplyLanguage(state_, Combo1->currentIndex() + 1);
    if (reloadMain_) reloadMain_();
    accept();
}

}  // namespace rp
