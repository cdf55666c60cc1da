#include "fivetone/Frm5ToneDefTS.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/FiveToneStandards.h"
#include "model/LangText.h"
#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

Frm5ToneDefTS::Frm5ToneDefTS(AppState& s, QWidget* parent) : QDialog(parent), st_(s) {
    setObjectName("Frm5ToneDefTS");
    auto* grid = new QGridLayout;
    for (int i = 0; i < 16; ++i) {
        Label1[i] = new QLabel(QString(QChar("0123456789ABCDEF"[i])), this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        // Digits 0-7 on the left, 8-F on the right.
        const int row = i % 8, col = i < 8 ? 0 : 2;
        grid->addWidget(Label1[i], row, col);
        grid->addWidget(Text1[i], row, col + 1);
    }
    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);
    CommandOK->setText(Q(GetLangStr(st_, 101)));
    CommandCancel->setText(Q(GetLangStr(st_, 102)));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setWindowTitle(QString::fromStdString(GetLangStr(st_, 3103)));

    // The focus starts on OK and Tab from the last box comes back to it.
    setTabOrder(CommandOK, CommandCancel);
    setTabOrder(CommandCancel, Text1[0]);
    for (int i = 0; i + 1 < 16; ++i) setTabOrder(Text1[i], Text1[i + 1]);
    for (int i = 0; i < 16; ++i) {
        QLineEdit* e = Text1[i];
        kit::SetKeyFilter(e, kit::Keys::DigitsDot, 6);
        kit::BlockClipboardKeys(e);
        kit::EnterMovesFocus(e);
        kit::SelectAllOnFocus(e);
        e->installEventFilter(this);
        kit::OnLeave(e, [this, i] { Text1_LostFocus(i); });
    }
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::FocusFrameFromStart(this);
    ShowByData();
    CommandOK->setFocus();
}

bool Frm5ToneDefTS::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        for (int i = 0; i < 16; ++i)
            if (o == Text1[i]) pending_ = i;
    }
    return QDialog::eventFilter(o, e);
}

void Frm5ToneDefTS::ShowByData() {
    const auto texts = ShowUserToneSet(st_.EditSignalData.FiveTone.UserToneSet);
    for (int i = 0; i < 16; ++i) kit::SetText(Text1[i], QString::fromStdString(texts[i]));
}

void Frm5ToneDefTS::Text1_LostFocus(int index) {
    if (index < 0 || index >= 16) return;
    if (pending_ == index) pending_ = -1;
    const QString t = QString::fromStdString(ClampUserToneText(Text1[index]->text().toStdString()));
    if (t != Text1[index]->text()) kit::SetText(Text1[index], t);
}

void Frm5ToneDefTS::CommandOK_Click() {
    // OK pressed while a box still holds unchecked input: clamp that box first.
    if (pending_ >= 0) Text1_LostFocus(pending_);
    std::array<std::string, 16> texts;
    for (int i = 0; i < 16; ++i) texts[i] = Text1[i]->text().toStdString();
    SaveUserToneSet(st_.EditSignalData.FiveTone.UserToneSet, texts);
    accept();
}

}  // namespace rp
