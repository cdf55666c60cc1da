#include "shell/FrmComPort.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

QStringList PortChoices(const QStringList& systemPorts, const QString& current) {
    QStringList out;
    const QString cur = current.trimmed();
    if (!cur.isEmpty() && !systemPorts.contains(cur)) out << cur;
    for (const auto& p : systemPorts)
        if (!p.isEmpty() && !out.contains(p)) out << p;
    return out;
}

FrmComPort::FrmComPort(const AppState& s, const QStringList& systemPorts, const QString& current,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName("FrmComPort");
    setWindowTitle(PlainCaption(LangQ(s, 1031)));
    Label1 = new QLabel(PlainCaption(LangQ(s, 1031)), this);
    Label1->setObjectName("Label1");
    ComboPort = new QComboBox(this);
    ComboPort->setObjectName("ComboPort");
    ComboPort->setEditable(true);
    ComboPort->setInsertPolicy(QComboBox::NoInsert);
    ComboPort->setMinimumWidth(240);
    ComboPort->addItems(PortChoices(systemPorts, current));
    // A filled combo selects its first item by itself; the current choice is what shows.
    ComboPort->setCurrentText(current.trimmed());
    Label1->setBuddy(ComboPort);

    CommandOK = new QPushButton(LangQ(s, 101), this);
    CommandOK->setObjectName("CommandOK");
    CommandCancel = new QPushButton(LangQ(s, 102), this);
    CommandCancel->setObjectName("CommandCancel");
    connect(CommandOK, &QPushButton::clicked, this, &FrmComPort::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(ComboPort, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    grid->addLayout(buttons, 1, 0, 1, 2);
    // As in the editor dialogs: Enter in the box moves on, only Enter on a button presses it.
    kit::EnterMovesFocus(ComboPort);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);
}

void FrmComPort::CommandOK_Click() {
    const QString port = ComboPort->currentText().trimmed();
    if (port.isEmpty()) {
        ComboPort->setFocus();
        return;
    }
    chosen_ = port;
    accept();
}

}  // namespace rp
