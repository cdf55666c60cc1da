#include "signalling/FrmMSK.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/Repairs.h"
#include "kit/DialogKit.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

// The IDs are four hexadecimal digits; small letters are taken as capitals.
kit::KeyFilter IdFilter() { return kit::MakeKeyFilter(kit::Keys::Hex, 4); }

}  // namespace

FrmMSK::FrmMSK(AppState& s, std::function<void()> redraw, QWidget* parent)
    : QDialog(parent), s_(s), redraw_(std::move(redraw)) {
    setObjectName("FrmMSK");
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");

    auto named = [](auto* w, const QString& name) {
        w->setObjectName(name);
        return w;
    };
    // Tab 0: the entry list.
    auto* encode = new QWidget;
    auto* encodeLayout = new QVBoxLayout(encode);
    auto* selector = new QFormLayout;
    Combo1[0] = named(new QComboBox, "Combo1_0");
    Label1[0] = named(new QLabel, "Label1_0");
    selector->addRow(Label1[0], Combo1[0]);
    encodeLayout->addLayout(selector);
    Frame1 = named(new QGroupBox, "Frame1");
    auto* entry = new QFormLayout(Frame1);
    Check2 = named(new QCheckBox, "Check2");
    entry->addRow(QString(), Check2);
    Combo1[1] = named(new QComboBox, "Combo1_1");
    Label1[1] = named(new QLabel, "Label1_1");
    entry->addRow(Label1[1], Combo1[1]);
    for (int i = 0; i < 4; ++i) {
        Text1[i] = named(new QLineEdit, QString("Text1_%1").arg(i));
        Label4[i] = named(new QLabel, QString("Label4_%1").arg(i));
        entry->addRow(Label4[i], Text1[i]);
    }
    encodeLayout->addWidget(Frame1);
    encodeLayout->addStretch();

    // Tab 1: the common settings.
    auto* decode = new QWidget;
    auto* common = new QFormLayout(decode);
    for (int i = 0; i < 3; ++i) {
        Text2[i] = named(new QLineEdit, QString("Text2_%1").arg(i));
        Label3[i] = named(new QLabel, QString("Label3_%1").arg(i));
    }
    for (int i = 0; i < 4; ++i) {
        Combo2[i] = named(new QComboBox, QString("Combo2_%1").arg(i));
        Label2[i] = named(new QLabel, QString("Label2_%1").arg(i));
    }
    Check1 = named(new QCheckBox, "Check1");
    Check3 = named(new QCheckBox, "Check3");
    Check3->setEnabled(false);  // an indicator only
    common->addRow(Label3[0], Text2[0]);
    common->addRow(Label3[1], Text2[1]);
    auto* freq = new QHBoxLayout;
    freq->addWidget(Text2[2]);
    freq->addWidget(Check3);
    common->addRow(Label3[2], freq);
    for (int i = 0; i < 4; ++i) common->addRow(Label2[i], Combo2[i]);
    common->addRow(QString(), Check1);

    SSTab1->addTab(encode, QString());
    SSTab1->addTab(decode, QString());
    kit::TabSwitchKeepsFocus(SSTab1);

    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);

    // Input rules.
    for (int i : {0, 1}) kit::SetKeyFilter(Text1[i], IdFilter());
    kit::SetKeyFilter(Text1[2], kit::Keys::PrintableAscii, 18);
    kit::SetKeyFilter(Text1[3], kit::Keys::PrintableAscii, 6);
    for (int i : {0, 1}) kit::SetKeyFilter(Text2[i], IdFilter());
    kit::SetKeyFilter(Text2[2], kit::Keys::Digits, 3);
    for (auto* e : Text1) {
        kit::BlockClipboardKeys(e);
        kit::EnterMovesFocus(e);
        kit::SelectAllOnFocus(e);
    }
    for (auto* e : Text2) {
        kit::BlockClipboardKeys(e);
        kit::EnterMovesFocus(e);
        kit::SelectAllOnFocus(e);
    }
    for (int i = 0; i < 4; ++i) kit::OnLeave(Text1[i], [this, i] { Text1_LostFocus(i); });
    for (int i = 0; i < 3; ++i) kit::OnLeave(Text2[i], [this, i] { Text2_LostFocus(i); });
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);

    connect(Combo1[0], &QComboBox::activated, this, [this] { Combo1_Click(0); });
    connect(Combo1[1], &QComboBox::activated, this, [this] { Combo1_Click(1); });
    connect(Check2, &QCheckBox::clicked, this, [this] { Check2_Click(); });
    connect(Text2[2], &QLineEdit::textEdited, this, [this] { Text2_Change(2); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Load.
    SetFormCaption();
    InitComboList();
    CurMSKEditID = 0;
    ShowByData();
    SSTab1->setCurrentIndex(1);
}

void FrmMSK::SetFormCaption() {
    setWindowTitle(LangQ(s_, 7500));
    SSTab1->setTabText(0, LangQ(s_, 7502));
    SSTab1->setTabText(1, LangQ(s_, 7503));
    Label1[0]->setText(LangQ(s_, 7510));
    Check2->setText(LangQ(s_, 7511));
    Label1[1]->setText(LangQ(s_, 7512));
    for (int i = 0; i < 4; ++i) Label4[i]->setText(LangQ(s_, 7513 + i));
    Label3[0]->setText(LangQ(s_, 7520));
    Label3[1]->setText(LangQ(s_, 7521));
    Label3[2]->setText(LangQ(s_, 7527));
    Label2[0]->setText(LangQ(s_, 7522));
    Label2[1]->setText(LangQ(s_, 7523));
    Label2[2]->setText(LangQ(s_, 7524));
    Label2[3]->setText(LangQ(s_, 7526));
    Check1->setText(LangQ(s_, 7525));
    Check3->setText("illegal    {out of (433-435,445-447)}");
    CommandOK->setText(LangQ(s_, 101));
    CommandCancel->setText(LangQ(s_, 102));
}

void FrmMSK::InitComboList() {
    QStringList entries;
    for (int i = 0; i < 32; ++i) entries << QString::number(i);
    kit::FillCombo(Combo1[0], entries);
    auto texts = [this](auto const& ids) {
        QStringList l;
        for (int id : ids) l << LangQ(s_, id);
        return l;
    };
    kit::FillCombo(Combo1[1], texts(kMSKCallTypeTexts));
    kit::FillCombo(Combo2[0], MSKPreSendDelayItems());
    kit::FillCombo(Combo2[1], texts(kMSKPttIdTexts));
    kit::FillCombo(Combo2[2], texts(kMSKDecodeTexts));
    kit::FillCombo(Combo2[3], MSKAutoResetItems());
}

void FrmMSK::SetIDTextEnabled(int callType, bool enabled) {
    if (!enabled) return;
    const MSKIdBoxes now = MSKIdBoxesFor(callType, {Text1[0]->isEnabled(), Text1[1]->isEnabled()});
    Text1[0]->setEnabled(now.Individual);
    Text1[1]->setEnabled(now.Group);
}

void FrmMSK::SetEntryEnabled(int valid) {
    const bool on = valid > 0;
    Combo1[1]->setEnabled(on);
    for (auto* e : Text1) e->setEnabled(on);
    SetIDTextEnabled(Combo1[1]->currentIndex(), on);
}

void FrmMSK::ShowEntryData() {
    const int id = CurMSKEditID >= 0 && CurMSKEditID < 32 ? CurMSKEditID : 0;
    const MSKEntryView v = ShowMSKEntry(EditMSKData.Entries[static_cast<std::size_t>(id)]);
    Frame1->setTitle(LangQ(s_, 7510) + " " + QString::number(id));
    kit::SetCheckValue(Check2, v.Valid);
    SetEntryEnabled(kit::CheckValue(Check2));
    kit::SetComboListIndex(Combo1[1], v.CallType);
    SetIDTextEnabled(Combo1[1]->currentIndex(), Combo1[1]->isEnabled());
    kit::SetText(Text1[0], kit::FromBytes(v.IndividualID));
    kit::SetText(Text1[1], kit::FromBytes(v.GroupID));
    kit::SetText(Text1[2], kit::FromBytes(v.MessageCode));
    kit::SetText(Text1[3], kit::FromBytes(v.Name));
}

void FrmMSK::ShowByData() {
    EditMSKData = s_.CurRadioData.MSK;
    const MSKHeaderView h = ShowMSKHeader(EditMSKData.Header);
    kit::SetText(Text2[0], kit::FromBytes(h.OwnID));
    kit::SetText(Text2[1], kit::FromBytes(h.GroupID));
    kit::SetText(Text2[2], Q(h.Frequency));
    Text2_Change(2);
    kit::SetComboListIndex(Combo2[0], h.PreSendDelay);
    kit::SetComboListIndex(Combo2[1], h.PTTIDMode);
    kit::SetComboListIndex(Combo2[2], h.DecodeResponse);
    kit::SetComboListIndex(Combo2[3], h.AutoResetTime);
    kit::SetCheckValue(Check1, h.SideTone);
    kit::SetComboListIndex(Combo1[0], CurMSKEditID);
    ShowEntryData();
}

void FrmMSK::SaveToData() {
    MSKHeaderView v;
    v.OwnID = kit::ToBytes(Text2[0]->text());
    v.GroupID = kit::ToBytes(Text2[1]->text());
    v.Frequency = Text2[2]->text().toStdString();
    v.PreSendDelay = kit::ComboIndex(Combo2[0]);
    v.PTTIDMode = kit::ComboIndex(Combo2[1]);
    v.DecodeResponse = kit::ComboIndex(Combo2[2]);
    v.AutoResetTime = kit::ComboIndex(Combo2[3]);
    v.SideTone = kit::CheckValue(Check1);
    SaveMSKHeader(s_, v, EditMSKData.Header);
}

void FrmMSK::SaveEntryData() {
    if (CurMSKEditID < 0 || CurMSKEditID >= 32) return;
    MSKEntryView v;
    v.Valid = kit::CheckValue(Check2);
    v.CallType = kit::ComboIndex(Combo1[1]);
    v.IndividualID = kit::ToBytes(Text1[0]->text());
    v.GroupID = kit::ToBytes(Text1[1]->text());
    v.MessageCode = kit::ToBytes(Text1[2]->text());
    v.Name = kit::ToBytes(Text1[3]->text());
    SaveMSKEntry(v, EditMSKData.Entries[static_cast<std::size_t>(CurMSKEditID)]);
}

void FrmMSK::Combo1_Click(int index) {
    if (index == 0) {
        const int chosen = Combo1[0]->currentIndex();
        if (chosen < 0 || chosen == CurMSKEditID) return;
        SaveEntryData();
        CurMSKEditID = chosen;
        ShowEntryData();
    } else if (index == 1) {
        SetIDTextEnabled(Combo1[1]->currentIndex(), Combo1[1]->isEnabled());
    }
}

void FrmMSK::Check2_Click() { SetEntryEnabled(kit::CheckValue(Check2)); }

void FrmMSK::Text1_LostFocus(int index) {
    if (index == 0 || index == 1) kit::SetText(Text1[index], kit::FromBytes(GetHexIDText(kit::ToBytes(Text1[index]->text()))));
}

void FrmMSK::Text2_LostFocus(int index) {
    if (index == 0 || index == 1) {
        kit::SetText(Text2[index], kit::FromBytes(GetHexIDText(kit::ToBytes(Text2[index]->text()))));
    } else if (index == 2) {
        kit::SetText(Text2[2], QString::number(GetLimitFre(s_, Text2[2]->text().toStdString())));
        Text2_Change(2);
    }
}

void FrmMSK::Text2_Change(int index) {
    if (index == 2) kit::SetCheckValue(Check3, MSKFrequencyIllegal(Text2[2]->text().toStdString()) ? 1 : 0);
}

void FrmMSK::CommandOK_Click() {
    SaveToData();
    SaveEntryData();
    s_.CurRadioData.MSK = EditMSKData;
    RepairChannelSignalRefs(s_, redraw_);
    accept();
}

}  // namespace rp
