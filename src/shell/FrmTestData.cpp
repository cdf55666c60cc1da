#include "shell/FrmTestData.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

FrmTestData::FrmTestData(const AppState& s, QWidget* parent) : QDialog(parent) {
    setObjectName("FrmTestData");
    setWindowTitle(PlainCaption(LangQ(s, 8001)));
    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(80);
    layout->addLayout(kit::OKCancelRow(this, CommandOK, CommandCancel));
    CommandOK->setText(LangQ(s, 101));
    CommandCancel->setText(LangQ(s, 102));
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(320);
    // As in every other dialog: Enter presses the focused button, Tab goes OK then Cancel.
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);
}

}  // namespace rp
