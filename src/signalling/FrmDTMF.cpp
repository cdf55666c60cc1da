#include "signalling/FrmDTMF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/LangText.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

QLabel* RightLabel(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QPushButton* Button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

// ---- FrmDTMF ----------------------------------------------------------------------------------

FrmDTMF::FrmDTMF(AppState& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("FrmDTMF");

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    for (int i = 0; i < kDTMFCodeBoxes; ++i) {
        QWidget* owner = i < 16 ? static_cast<QWidget*>(Frame1) : this;
        Label1[i] = RightLabel(owner, QString("Label1_%1").arg(i));
        Text2[i] = new QLineEdit(owner);
        Text2[i]->setObjectName(QString("Text2_%1").arg(i));
        kit::SetKeyFilter(Text2[i], kit::Keys::DTMF, DTMFCodeBoxWidth(i));
        kit::BlockClipboardKeys(Text2[i]);
        kit::EnterMovesFocus(Text2[i]);
        kit::SelectAllOnFocus(Text2[i]);
        Text2[i]->installEventFilter(this);
    }
    Label2 = new QLabel(Frame1);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);
    CommandSpecial = Button(Frame1, "CommandSpecial");

    for (int i = 0; i < kDTMFLists; ++i) {
        Label3[i] = RightLabel(this, QString("Label3_%1").arg(i));
        if (i == 4) continue;
        Combo1[i] = new QComboBox(this);
        Combo1[i]->setObjectName(QString("Combo1_%1").arg(i));
        kit::EnterMovesFocus(Combo1[i]);
    }
    Text3 = new QLineEdit(this);
    Text3->setObjectName("Text3");
    kit::SetKeyFilter(Text3, kit::Keys::Digits, kDTMFOwnIdLength);
    kit::BlockClipboardKeys(Text3);
    kit::EnterMovesFocus(Text3);
    kit::SelectAllOnFocus(Text3);
    kit::OnLeave(Text3, [this] { Text3_LostFocus(); });
    Check1 = new QCheckBox(this);
    Check1->setObjectName("Check1");
    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);

    // Memories in two columns of eight.
    auto* memories = new QGridLayout;
    for (int i = 0; i < 16; ++i) {
        const int row = i % 8, col = (i / 8) * 2;
        memories->addWidget(Label1[i], row, col);
        memories->addWidget(Text2[i], row, col + 1);
        Text2[i]->setMinimumWidth(170);
    }
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addLayout(memories);
    frameLayout->addWidget(Label2);
    auto* special = new QHBoxLayout;
    special->addStretch();
    special->addWidget(CommandSpecial);
    frameLayout->addLayout(special);

    auto* settings = new QGridLayout;
    int row = 0;
    auto addRow = [&](QLabel* label, QWidget* control) {
        settings->addWidget(label, row, 0);
        settings->addWidget(control, row, 1);
        ++row;
    };
    for (int i : {0, 1, 2, 3}) addRow(Label3[i], Combo1[i]);
    addRow(Label3[4], Text3);
    for (int i = 5; i < kDTMFLists; ++i) addRow(Label3[i], Combo1[i]);
    for (int i = 16; i < kDTMFCodeBoxes; ++i) addRow(Label1[i], Text2[i]);
    settings->addWidget(Check1, row++, 1);
    settings->setRowStretch(row, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1, 3);
    body->addLayout(settings, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);

    // The order Enter follows.
    QList<QWidget*> order{Combo1[2], Text3};
    for (int i = 5; i < kDTMFLists; ++i) order << Combo1[i];
    for (int i = 16; i < kDTMFCodeBoxes; ++i) order << Text2[i];
    for (int i = 0; i < 16; ++i) order << Text2[i];
    order << CommandSpecial << CommandOK << CommandCancel << Check1;
    for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    kit::FocusFrameFromStart(this);

    for (int i = 0; i < kDTMFLists; ++i)
        if (Combo1[i]) connect(Combo1[i], &QComboBox::activated, this, [this, i](int) { Combo1_Click(i); });
    connect(CommandSpecial, &QPushButton::clicked, this, &FrmDTMF::CommandSpecial_Click);
    connect(CommandOK, &QPushButton::clicked, this, &FrmDTMF::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmDTMF::CommandCancel_Click);

    // Load
    CurDTMFEditID = 0;
    Label3[3]->hide();
    Combo1[3]->hide();
    for (int i : {0, 1}) {
        Label3[i]->hide();
        Combo1[i]->hide();
    }
    DTMFData& d = s_.CurRadioData.Signal.DTMF;
    d = RepairDTMFData(d);
    const DTMFShow show = ShowDTMFData(s_, d);
    InitShowContent(show);
    ShowByData(show);
}

void FrmDTMF::InitShowContent(const DTMFShow& show) {
    setWindowTitle(Q(show.FormCaption));
    Frame1->setTitle(Q(show.Frame1));
    Label2->setText(Q(show.Label2));
    CommandSpecial->setText(Q(show.CommandSpecial));
    Check1->setText(Q(show.Check1));
    CommandOK->setText(Q(show.CommandOK));
    CommandCancel->setText(Q(show.CommandCancel));
    for (int i = 0; i < kDTMFCodeBoxes; ++i) Label1[i]->setText(Q(show.Label1[static_cast<std::size_t>(i)]));
    for (int i = 0; i < kDTMFLists; ++i) {
        Label3[i]->setText(Q(show.Label3[static_cast<std::size_t>(i)]));
        if (Combo1[i]) kit::FillCombo(Combo1[i], show.Lists[static_cast<std::size_t>(i)]);
    }
}

void FrmDTMF::ShowByData(const DTMFShow& show) {
    const DTMFValues& v = show.Values;
    // Set without their handlers: the separator's rewrite has no codes to act on at load.
    for (int i = 0; i < kDTMFLists; ++i)
        if (Combo1[i]) kit::SetComboListIndex(Combo1[i], v.ListIndex[static_cast<std::size_t>(i)]);
    kit::SetText(Text3, Q(v.OwnId));
    ownIdInStep_ = Text3->text();
    SetCodes(v.Codes);
    kit::SetCheckValue(Check1, v.SideTone);
}

void FrmDTMF::SetCodes(const std::array<std::string, kDTMFCodeBoxes>& codes) {
    for (int i = 0; i < kDTMFCodeBoxes; ++i) {
        const QString t = Q(codes[static_cast<std::size_t>(i)]);
        if (Text2[i]->text() != t) kit::SetText(Text2[i], t);
    }
}

std::array<std::string, kDTMFCodeBoxes> FrmDTMF::Codes() const {
    std::array<std::string, kDTMFCodeBoxes> c;
    for (int i = 0; i < kDTMFCodeBoxes; ++i) c[static_cast<std::size_t>(i)] = Text2[i]->text().toStdString();
    return c;
}

DTMFValues FrmDTMF::ControlValues() const {
    DTMFValues v;
    for (int i = 0; i < kDTMFLists; ++i)
        v.ListIndex[static_cast<std::size_t>(i)] = Combo1[i] ? kit::ComboIndex(Combo1[i], 0) : -1;
    v.Codes = Codes();
    v.OwnId = Text3->text().toStdString();
    v.SideTone = kit::CheckValue(Check1);
    return v;
}

bool FrmDTMF::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < kDTMFCodeBoxes; ++i)
            if (watched == Text2[i]) CurDTMFEditID = i;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmDTMF::Combo1_Click(int index) {
    if (index != 5) return;
    // An own ID typed but not yet taken in must not be read half-typed.
    Text3_LostFocus();
    auto codes = Codes();
    RewriteCodesForSeparator(codes, Combo1[5]->currentText().toStdString(), Text3->text().toStdString());
    SetCodes(codes);
}

void FrmDTMF::Text3_LostFocus() {
    const QString id = Q(PadOwnId(Text3->text().toStdString()));
    if (Text3->text() != id) kit::SetText(Text3, id);
    if (id == ownIdInStep_) return;
    auto codes = Codes();
    RewriteCodesForOwnId(codes, Combo1[5]->currentText().toStdString(), ownIdInStep_.toStdString(), id.toStdString());
    SetCodes(codes);
    ownIdInStep_ = id;
}

void FrmDTMF::CommandSpecial_Click() {
    if (CurDTMFEditID < 0 || CurDTMFEditID >= kDTMFIdCodeBoxes) return;
    Text3_LostFocus();
    FrmDTMFSpecial dlg(s_, *this, this);
    dlg.exec();
}

void FrmDTMF::CommandOK_Click() {
    Text3_LostFocus();
    if (KillStunCodesClash(Text2[kDTMFKillBox]->text().toStdString(), Text2[kDTMFStunBox]->text().toStdString())) {
        Text2[kDTMFKillBox]->setFocus(Qt::OtherFocusReason);
        MsgBox(LangQ(s_, 3001), MsgStyle::OkOnly);
        return;
    }
    StoreDTMFData(s_.CurRadioData.Signal.DTMF, ControlValues());
    accept();
}

void FrmDTMF::CommandCancel_Click() { reject(); }

// ---- FrmDTMFSpecial ---------------------------------------------------------------------------

FrmDTMFSpecial::FrmDTMFSpecial(const AppState& s, FrmDTMF& dtmf, QWidget* parent) : QDialog(parent), dtmf_(dtmf) {
    setObjectName("FrmDTMFSpecial");
    setWindowTitle(PlainCaption(LangQ(s, 3003)));
    Label1 = RightLabel(this, "Label1");
    Combo1[0] = new QComboBox(this);
    Combo1[0]->setObjectName("Combo1_0");
    kit::EnterMovesFocus(Combo1[0]);
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Label2 = RightLabel(Frame1, "Label2");
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName("Text1");
    kit::SetKeyFilter(Text1, kit::Keys::Digits, 3);
    kit::BlockClipboardKeys(Text1);
    kit::EnterMovesFocus(Text1);
    kit::SelectAllOnFocus(Text1);
    kit::OnLeave(Text1, [this] { Text1_LostFocus(); });
    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);

    auto* kind = new QHBoxLayout;
    kind->addWidget(Label1);
    kind->addWidget(Combo1[0], 1);
    auto* code = new QHBoxLayout(Frame1);
    code->addWidget(Label2);
    code->addWidget(Text1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kind);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);

    connect(Combo1[0], &QComboBox::activated, this, [this](int) { Combo1_Click(0); });
    connect(CommandOK, &QPushButton::clicked, this, &FrmDTMFSpecial::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmDTMFSpecial::CommandCancel_Click);

    // Load
    Label1->setText(Q(GetOptionStr(s, "60064")));
    Label2->setText(Q(GetOptionStr(s, "60076")));
    kit::SetText(Text1, "000");
    kit::FillCombo(Combo1[0], QStringList{"ANI"});
    kit::SetComboListIndex(Combo1[0], 0);
    Combo1_Click(0);
    Frame1->show();
    CommandOK->setText(LangQ(s, 101));
    CommandCancel->setText(LangQ(s, 102));
}

void FrmDTMFSpecial::Combo1_Click(int) {
    if (Combo1[0]->currentIndex() == 0) Frame1->show();
}

void FrmDTMFSpecial::Text1_LostFocus() {
    const QString t = QString::fromStdString(PadOwnId(Text1->text().toStdString()));
    if (Text1->text() != t) kit::SetText(Text1, t);
}

void FrmDTMFSpecial::CommandOK_Click() {
    const std::string code = ComposeAniCode(Text1->text().toStdString(), dtmf_.Combo1[5]->currentText().toStdString(),
                                            dtmf_.Text3->text().toStdString());
    const int target = dtmf_.CurDTMFEditID;
    if (target >= 0 && target < kDTMFCodeBoxes) kit::SetText(dtmf_.Text2[target], QString::fromStdString(code));
    accept();
}

void FrmDTMFSpecial::CommandCancel_Click() { reject(); }

}  // namespace rp
