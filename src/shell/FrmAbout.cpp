#include "shell/FrmAbout.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/ShellText.h"

namespace rp {

FrmAbout::FrmAbout(const AppState& s, QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(PlainCaption(LangQ(s, 1052)));
    lblTitle = new QLabel(LangQ(s, 8900), this);
    lblTitle->setObjectName("lblTitle");
    QFont f = lblTitle->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    lblTitle->setFont(f);
    const QString version = QCoreApplication::applicationVersion().isEmpty()
                                ? QStringLiteral("1.0")
                                : QCoreApplication::applicationVersion();
    lblVersion = new QLabel(LangQ(s, 2012) + " " + version, this);
    lblVersion->setObjectName("lblVersion");
    const std::string model = s.CurModelName.empty() ? s.CurModelCode : s.CurModelName;
    lblModel = new QLabel(QString::fromStdString(model) + "  " + QString::fromStdString(s.CurBandText), this);
    lblModel->setObjectName("lblModel");
    CommandOK = new QPushButton(LangQ(s, 101), this);
    CommandOK->setObjectName("CommandOK");
    CommandOK->setDefault(true);
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblVersion);
    layout->addWidget(lblModel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    layout->addLayout(buttons);
}

}  // namespace rp
