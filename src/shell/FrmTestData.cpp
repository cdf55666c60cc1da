#include "shell/FrmTestData.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

QString TestDataHexText(const std::optional<TestDataBlock>& data) {
    if (!data) return {};
    QStringList bytes;
    for (std::uint8_t b : *data) bytes << QString("%1").arg(b, 2, 16, QChar('0')).toUpper();
    return bytes.join(' ');
}

FrmTestData::FrmTestData(const AppState& s, QWidget* parent) : QDialog(parent) {
    setObjectName("FrmTestData");
    setWindowTitle(PlainCaption(LangQ(s, 8001)));
    LabelTestData = new QLabel(LangQ(s, 8002), this);
    LabelTestData->setObjectName("LabelTestData");
    TextTestData = new QLineEdit(TestDataHexText(s.TestData), this);
    TextTestData->setObjectName("TextTestData");
    TextTestData->setReadOnly(true);
    // Nothing to type here: the mouse selects in it for copying, Tab walks OK and Cancel, and
    // the window opens on OK as every dialog does (a read-only box draws no focus frame).
    TextTestData->setFocusPolicy(Qt::ClickFocus);
    TextTestData->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Wide enough for all 16 bytes at once.
    TextTestData->setMinimumWidth(TextTestData->fontMetrics().horizontalAdvance(QString(16 * 3 + 2, '0')));
    LabelTestData->setBuddy(TextTestData);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelTestData);
    layout->addWidget(TextTestData);
    layout->addSpacing(12);
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
