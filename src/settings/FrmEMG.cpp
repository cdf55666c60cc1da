#include "settings/FrmEMG.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "mappings/EMGMap.h"
#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

FrmEMG::FrmEMG(const AppState& s, const RadioInfo& info, QWidget* parent) : QDialog(parent) {
    setObjectName("FrmEMG");
    const EMGShow v = ShowEMG(s, info);
    setWindowTitle(Q(v.Caption));

    auto label = [this](const QString& name, const std::string& text) {
        auto* l = new QLabel(Q(text), this);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    Label2 = label("Label2", v.Label2);
    for (int i = 0; i < 14; ++i) Label1[i] = label(QString("Label1_%1").arg(i), v.Label1[i]);
    for (int i = 0; i < 12; ++i) {
        if (i == 4) continue;
        Text1[i] = new QLineEdit(Q(v.Text1[i]), this);
        Text1[i]->setObjectName(QString("Text1_%1").arg(i));
        Text1[i]->setReadOnly(true);
        Text1[i]->setCursorPosition(0);
    }
    Text1Reason = new QPlainTextEdit(Q(v.Text1[4]), this);
    Text1Reason->setObjectName("Text1_4");
    Text1Reason->setReadOnly(true);
    // Its caret shows where the focus is, and the arrow keys scroll a reason longer than the box.
    Text1Reason->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1Reason->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1Reason->setFixedHeight(Text1Reason->fontMetrics().lineSpacing() * 3 + 12);
    // The version reads like a label.
    QPalette pal = Text1[5]->palette();
    pal.setColor(QPalette::Base, palette().color(QPalette::Window));
    Text1[5]->setPalette(pal);

    for (int i = 0; i < 2; ++i) {
        Combo1[i] = new QComboBox(this);
        Combo1[i]->setObjectName(QString("Combo1_%1").arg(i));
    }
    kit::FillCombo(Combo1[0], v.ModelItems);
    kit::SetComboIndex(Combo1[0], 0);
    kit::FillCombo(Combo1[1], v.BandItems);
    kit::SetComboIndex(Combo1[1], v.BandIndex);

    auto* grid = new QGridLayout;
    int row = 0;
    auto add = [&](QLabel* l, QWidget* w) {
        grid->addWidget(l, row, 0);
        grid->addWidget(w, row, 1);
        ++row;
    };
    add(Label2, Text1[0]);
    add(Label1[0], Text1[6]);
    add(Label1[9], Text1[7]);
    add(Label1[1], Combo1[0]);
    add(Label1[2], Combo1[1]);
    add(Label1[3], Text1[1]);
    add(Label1[4], Text1[2]);
    add(Label1[5], Text1[3]);
    add(Label1[8], Text1[5]);
    // English labels the reason on two lines, Chinese on one (Label1(7) is then empty).
    auto* reasonLabels = new QVBoxLayout;
    reasonLabels->addWidget(Label1[6]);
    reasonLabels->addWidget(Label1[7]);
    reasonLabels->addStretch();
    Label1[7]->setHidden(v.Label1[7].empty());
    grid->addLayout(reasonLabels, row, 0);
    grid->addWidget(Text1Reason, row, 1);
    grid->setColumnStretch(1, 1);

    Frame1 = new QGroupBox(Q(v.Frame1Caption), this);
    Frame1->setObjectName("Frame1");
    auto* dealer = new QGridLayout(Frame1);
    for (int k = 0; k < 4; ++k) {
        Label1[10 + k]->setParent(Frame1);
        Text1[8 + k]->setParent(Frame1);
        dealer->addWidget(Label1[10 + k], k, 0);
        dealer->addWidget(Text1[8 + k], k, 1);
    }
    dealer->setColumnStretch(1, 1);

    CommandClose = new QPushButton(Q(v.CloseCaption), this);
    CommandClose->setObjectName("CommandClose");
    CommandHelp = new QPushButton(Q(v.HelpCaption), this);
    CommandHelp->setObjectName("CommandHelp");
    connect(CommandClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandClose);
    buttons->addWidget(CommandHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandClose, CommandHelp});
    kit::FocusFrameFromStart(this);
    setMinimumWidth(460);
}

QString FrmEMG::BoxText(int i) const {
    if (i == 4) return Text1Reason->toPlainText();
    if (i < 0 || i >= 12) return {};
    return Text1[i]->text();
}

}  // namespace rp
