#include "shell/FrmModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/MainCommands.h"
#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

FrmModel::FrmModel(const AppState& s, const QStringList& modelNames, const QString& currentModelName,
                   const QStringList& bandTexts, int currentBand, QWidget* parent)
    : QDialog(parent), s_(s), startBand_(currentBand), model_(currentModelName), band_(currentBand) {
    setObjectName("FrmModel");
    setWindowTitle(PlainCaption(LangQ(s, 1061)));
    for (int i = 0; i < 2; ++i) {
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(QString("Label1_%1").arg(i));
    }
    Label1[0]->setText(PlainCaption(LangQ(s, 1060)));
    Label1[1]->setText(QString::fromUtf8(s.LanguageIndex == 2 ? "频段" : "Band"));

    ComboModel = new QComboBox(this);
    ComboModel->setObjectName("ComboModel");
    ComboModel->addItems(modelNames);
    if (!modelNames.contains(currentModelName)) ComboModel->insertItem(0, currentModelName);
    ComboModel->setCurrentText(currentModelName);

    ComboBand = new QComboBox(this);
    ComboBand->setObjectName("ComboBand");
    ComboBand->addItems(bandTexts);
    ComboBand->setCurrentIndex(currentBand >= 0 && currentBand < bandTexts.size() ? currentBand : -1);

    CommandOK = new QPushButton(LangQ(s, 101), this);
    CommandOK->setObjectName("CommandOK");
    CommandCancel = new QPushButton(LangQ(s, 102), this);
    CommandCancel->setObjectName("CommandCancel");
    connect(CommandOK, &QPushButton::clicked, this, &FrmModel::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(ComboModel, 0, 1);
    grid->addWidget(Label1[1], 1, 0);
    grid->addWidget(ComboBand, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    // As in the editor dialogs: Enter in a list moves on, only Enter on a button presses it.
    kit::EnterMovesFocus(ComboModel);
    kit::EnterMovesFocus(ComboBand);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);
}

void FrmModel::CommandOK_Click() {
    const int band = ComboBand->currentIndex();
    if (band < 0) return;
    if (band != startBand_) {
        const int answer = Message ? Message(QString::fromStdString(Bilingual(s_, s_.ClearFreqText)),
                                             MsgStyle::ExclamationOkCancel,
                                             QString::fromStdString(Bilingual(s_, s_.WarningText)))
                                   : MsgButton::Ok;
        // Back in the dialog: the user may keep the band or cancel.
        if (answer != MsgButton::Ok) return;
    }
    model_ = ComboModel->currentText();
    band_ = band;
    accept();
}

}  // namespace rp
