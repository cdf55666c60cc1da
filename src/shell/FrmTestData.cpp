#include "shell/FrmTestData.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

FrmTestData::FrmTestData(const AppState& s, QWidget* parent) : QDialog(parent) {
    setObjectName("FrmTestData");
    setWindowTitle(PlainCaption(LangQ(s, 8001)));
    CommandOK = new QPushButton(LangQ(s, 101), this);
    CommandOK->setObjectName("CommandOK");
    CommandOK->setAutoDefault(false);
    CommandCancel = new QPushButton(LangQ(s, 102), this);
    CommandCancel->setObjectName("CommandCancel");
    CommandCancel->setAutoDefault(false);
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(80);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    kit::FocusFrameFromStart(this);
}

}  // namespace rp
