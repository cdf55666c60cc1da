#include "fivetone/FrmSpecial.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "fivetone/Frm5Tone.h"
#include "mappings/FiveToneInfo.h"
#include "model/LangText.h"
#include "kit/DialogKit.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

}  // namespace

FrmSpecial::FrmSpecial(Frm5Tone& owner, int mode, QWidget* parent)
    : QDialog(parent), owner_(owner), mode_(mode) {
    setObjectName("FrmSpecial");
    const AppState& st = owner_.State();
    auto* top = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        Label1[i] = MakeLabel(this, QStringLiteral("Label1_%1").arg(i));
        Combo1[i] = new QComboBox(this);
        Combo1[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        top->addWidget(Label1[i], i, 0);
        top->addWidget(Combo1[i], i, 1);
    }
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    Frame4 = new QGroupBox(this);
    Frame4->setObjectName("Frame4");
    for (int i = 0; i < 2; ++i) {
        QGroupBox* f = i == 0 ? Frame2 : Frame4;
        Label2[i] = MakeLabel(f, QStringLiteral("Label2_%1").arg(i));
        Text1[i] = new QLineEdit(f);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
    }
    Label3 = MakeLabel(Frame2, "Label3");
    Text2 = new QLineEdit(Frame2);
    Text2->setObjectName("Text2");
    Label5 = MakeLabel(Frame4, "Label5");
    Combo3 = new QComboBox(Frame4);
    Combo3->setObjectName("Combo3");
    auto* g2 = new QGridLayout(Frame2);
    g2->addWidget(Label2[0], 0, 0);
    g2->addWidget(Text1[0], 0, 1);
    g2->addWidget(Label3, 1, 0);
    g2->addWidget(Text2, 1, 1);
    auto* g4 = new QGridLayout(Frame4);
    g4->addWidget(Label2[1], 0, 0);
    g4->addWidget(Text1[1], 0, 1);
    g4->addWidget(Label5, 1, 0);
    g4->addWidget(Combo3, 1, 1);
    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCANCEL, "CommandCANCEL");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    // The two groups take the same place; at most one shows.
    layout->addWidget(Frame2);
    layout->addWidget(Frame4);
    layout->addStretch();
    layout->addLayout(buttons);

    // Load.
    setWindowTitle(Q(GetOptionStr(st, "60062")));
    Label1[0]->setText(Q(GetOptionStr(st, "60063")));
    Label1[1]->setText(Q(GetOptionStr(st, "60064")));
    const auto kinds = SpecialCodeKinds(st);
    kit::FillCombo(Combo1[1], kinds);
    Frame2->setTitle(Q(kinds[0]));
    CommandOK->setText(Q(GetOptionStr(st, "60024")));
    CommandCANCEL->setText(Q(GetOptionStr(st, "60025")));
    Label2[0]->setText(Q(GetOptionStr(st, "60076")));
    Label2[1]->setText(Q(GetOptionStr(st, "60076")));
    Label5->setText(Q(GetOptionStr(st, "60313")));
    Label3->setText(Q(GetOptionStr(st, "60077")));
    if (mode_ == 1 || mode_ == 2) {
        Label1[0]->setText(Q(GetOptionStr(st, mode_ == 1 ? "60302" : "60303")));
        Combo1[0]->hide();
    }
    kit::FillCombo(Combo3, QStringList{Q(GetOptionStr(st, "60318")), "A", "B", "C", "D", "E", "F"});
    InitComboList();
    ResetFrames();
    kit::SetComboIndex(Combo1[1], 0);
    Combo1_Click(1);

    // The five-character codes take digits and "A"; the message digits and letters.
    kit::KeyFilter code = kit::MakeKeyFilter(kit::Keys::Digits, 5);
    code.Allowed = [](QChar c) { return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('A'); };
    code.Upper = true;
    // A PTT-ID box has room for a shorter message than a grid row.
    kit::KeyFilter message = kit::MakeKeyFilter(kit::Keys::Digits, SpecialMessageMax(mode_));
    message.Allowed = [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    };
    message.Upper = true;
    for (int i = 0; i < 2; ++i) {
        kit::SetKeyFilter(Text1[i], code);
        kit::SetText(Text1[i], QStringLiteral("12345"));
        kit::OnLeave(Text1[i], [this, i] { Text1_LostFocus(i); });
    }
    kit::SetKeyFilter(Text2, message);
    for (QLineEdit* e : {Text1[0], Text1[1], Text2}) {
        kit::BlockClipboardKeys(e);
        kit::EnterMovesFocus(e);
        kit::SelectAllOnFocus(e);
    }
    connect(Combo1[1], &QComboBox::activated, this, [this] { Combo1_Click(1); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCANCEL, &QPushButton::clicked, this, &QDialog::reject);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCANCEL});
    kit::FocusFrameFromStart(this);
}

void FrmSpecial::InitComboList() {
    QStringList rows;
    for (int i = 0; i < 100; ++i) rows << QString::number(i);
    kit::FillCombo(Combo1[0], rows);
    const int r = owner_.MSHFlexGrid1->Row();
    kit::SetComboIndex(Combo1[0], r < 1 ? 0 : r - 1);
}

void FrmSpecial::ResetFrames() {
    Frame2->hide();
    Frame4->hide();
    const int d = owner_.State().EditSignalData.FiveTone.SpecialHexDigit;
    const QString hex = d >= 0 ? QString::number(d, 16).toUpper() : QString();
    kit::SetComboText(Combo3, hex);
}

void FrmSpecial::Combo1_Click(int index) {
    if (index != 1) return;
    ResetFrames();
    const int k = Combo1[1]->currentIndex();
    if (k == 0) {
        Frame2->show();
    } else if (k == 1) {
        Frame4->setTitle(Combo1[1]->currentText());
        Frame4->show();
    }
}

void FrmSpecial::Text1_LostFocus(int index) {
    if (Text1[index]->text().size() < 5) MsgBox(Q(GetMsgStr(owner_.State(), "900C")), MsgStyle::OkOnly);
}

void FrmSpecial::CommandOK_Click() {
    AppState& st = owner_.State();
    SpecialCodeInput in;
    in.Mode = mode_;
    in.Kind = kit::ComboIndex(Combo1[1]);
    in.Row = kit::ComboIndex(Combo1[0]);
    in.Code = (in.Kind == 1 ? Text1[1] : Text1[0])->text().toStdString();
    in.Separator = kit::ComboIndex(Combo3);
    in.Message = Text2->text().toStdString();
    in.OwnId = kit::ToBytes(owner_.Text2->text());
    const SpecialCodeOutput out = ApplySpecialCode(st, st.EditSignalData.FiveTone, in);
    if (out.CodeTooShort) {
        Text1_LostFocus(in.Kind == 1 ? 1 : 0);
        return;
    }
    if (out.TooLong) {
        MsgBox(Q(SpecialCodeTooLongText(st)), MsgStyle::OkOnly);
        Text2->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (mode_ == 0) {
        owner_.MSHFlexGrid1->SetTextMatrix(in.Row + 1, 1, Q(out.KindCell));
        owner_.MSHFlexGrid1->SetTextMatrix(in.Row + 1, 2, kit::FromBytes(out.CodeCell));
    } else if (mode_ == 1 || mode_ == 2) {
        kit::SetText(owner_.Text4[mode_ - 1], kit::FromBytes(out.BoxText));
    }
    accept();
}

}  // namespace rp
