#include "settings/FrmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ValueText.h"
#include "kit/DialogKit.h"
#include "kit/ScreenFit.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

template <class T>
T* Named(T* w, const char* base, int index) {
    w->setObjectName(QString("%1_%2").arg(base).arg(index));
    return w;
}

// The settings column by column as they stand in the dialog; 18 shares the row of 0, 19 is never
// shown.
constexpr int kColumns[3][12] = {
    {0, 1, 2, 3, 30, 7, 4, 31, 8, 5, 6, -1},
    {9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21, -1},
    {22, 23, 24, 25, 26, 27, 28, 29, 32, 33, 19, -1},
};

}  // namespace

FrmOption::FrmOption(AppState& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName("FrmOption");
    BuildControls();

    IsFormLoaded = false;
    NormaliseOptionTexts(s_.CurRadioData);
    ShowByData();
    IsFormLoaded = true;
}

void FrmOption::BuildControls() {
    // Each column is a panel of its own, so Tab and Enter go down a column before the next; its
    // rows keep their height when a setting is hidden, so the columns' rows stay side by side.
    auto* columns = new QHBoxLayout;
    kit::MakeComboColumn(this, Label1, Combo1, "Label1", "Combo1", [this](int i) { Combo1_Click(i); });
    for (int col = 0; col < 3; ++col) {
        auto* panel = new QWidget(this);
        panel->setObjectName(QString("PanelColumn_%1").arg(col));
        auto* grid = new QGridLayout(panel);
        grid->setContentsMargins(0, 0, 0, 0);
        for (int row = 0; kColumns[col][row] >= 0; ++row) {
            const int i = kColumns[col][row];
            grid->setRowMinimumHeight(row, Combo1[i]->sizeHint().height());
            grid->addWidget(Label1[i], row, 0);
            if (i == 0) {
                auto* pair = new QHBoxLayout;
                pair->addWidget(Combo1[0], 1);
                pair->addWidget(Combo1[18], 1);
                grid->addLayout(pair, row, 1);
            } else {
                grid->addWidget(Combo1[i], row, 1);
            }
        }
        grid->setRowStretch(grid->rowCount(), 1);
        columns->addWidget(panel);
    }
    Label1[18]->hide();
    Combo1[18]->hide();
    Label1[19]->hide();
    Combo1[19]->hide();

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* checks = new QGridLayout(Frame1);
    for (int i = 0; i < kOptionChecks; ++i) {
        Check1[i] = Named(new QCheckBox(Frame1), "Check1", i);
        checks->addWidget(Check1[i], i / 3, i % 3);
        connect(Check1[i], &QCheckBox::clicked, this, [this, i](bool) { Check1_Click(i); });
        kit::EnterMovesFocus(Check1[i]);
    }
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    auto* links = new QGridLayout(Frame2);
    for (int i = 0; i < kOptionLinks; ++i) {
        Check3[i] = Named(new QCheckBox(Frame2), "Check3", i);
        links->addWidget(Check3[i], i / 5, i % 5);
        connect(Check3[i], &QCheckBox::clicked, this, [this, i](bool) { Check3_Click(i); });
    }

    // The power-on text: one character per box; typing moves on to the next box.
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    auto* textRows = new QGridLayout;
    textRows->addWidget(Label2, 0, 0, Qt::AlignRight);
    kit::KeyFilter oneChar;
    oneChar.Allowed = [](QChar c) { return c.unicode() >= 32 && c.unicode() <= 126 && c != '~' && c != '\\'; };
    oneChar.MaxTyped = 1;
    for (int i = 0; i < kOptionTextBoxes; ++i) {
        Text1[i] = Named(new QLineEdit(this), "Text1", i);
        Text1[i]->setFixedWidth(Text1[i]->fontMetrics().horizontalAdvance('W') * 2 + 12);
        Text1[i]->setAlignment(Qt::AlignCenter);
        kit::SetKeyFilter(Text1[i], oneChar);
        kit::BlockClipboardKeys(Text1[i]);
        kit::EnterMovesFocus(Text1[i]);
        kit::SelectAllOnFocus(Text1[i]);
        textRows->addWidget(Text1[i], i / 6, 1 + i % 6);
        connect(Text1[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
            if (!t.isEmpty()) kit::QueueFocus(i + 1 < kOptionTextBoxes ? static_cast<QWidget*>(Text1[i + 1]) : Text3[0]);
        });
    }
    textRows->setColumnStretch(7, 1);

    auto* freqRows = new QGridLayout;
    for (int j = 0; j < 2; ++j) {
        Label4[j] = Named(new QLabel(this), "Label4", j);
        Text3[j] = Named(new QLineEdit(this), "Text3", j);
        kit::SetKeyFilter(Text3[j], kit::Keys::PrintableAscii, 8);
        kit::EnterMovesFocus(Text3[j]);
        kit::SelectAllOnFocus(Text3[j]);
        kit::OnLeave(Text3[j], [this, j] { Text3_LostFocus(j); });
        freqRows->addWidget(Label4[j], 0, j * 2, Qt::AlignRight);
        freqRows->addWidget(Text3[j], 0, j * 2 + 1);
    }
    freqRows->setColumnStretch(4, 1);

    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCancel);
    connect(CommandOK, &QPushButton::clicked, this, &FrmOption::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(textRows);
    layout->addLayout(freqRows);
    layout->addLayout(buttons);
    kit::FitScreen(this);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);
}

void FrmOption::ShowByData() {
    const OptionShow v = ShowOption(s_);
    edit_ = v.Edit;
    setWindowTitle(Q(v.Caption));
    for (int i = 0; i < kOptionCombos; ++i) {
        Label1[i]->setText(Q(v.Label1[i]));
        kit::FillCombo(Combo1[i], v.Items[i]);
        kit::SetComboIndex(Combo1[i], v.Index[i]);
        Combo1[i]->setEnabled(v.Enabled[i]);
        Combo1[i]->setHidden(v.Hidden[i]);
        Label1[i]->setHidden(v.Hidden[i] || i == 18);
    }
    for (int i = 0; i < kOptionChecks; ++i) {
        Check1[i]->setText(Q(v.Check1Caption[i]));
        kit::SetCheckValue(Check1[i], v.Check1[i]);
        Check1[i]->setHidden(v.Check1Hidden[i]);
    }
    for (int i = 0; i < kOptionLinks; ++i) {
        Check3[i]->setText(Q(v.Check3Caption[i]));
        kit::SetCheckValue(Check3[i], v.Check3[i]);
    }
    Label2->setText(Q(v.Label2));
    for (int i = 0; i < kOptionTextBoxes; ++i) kit::SetText(Text1[i], Q(v.Text1[i]));
    for (int j = 0; j < 2; ++j) {
        Label4[j]->setText(Q(v.Label4[j]));
        kit::SetText(Text3[j], Q(v.Text3[j]));
        Label4[j]->setHidden(v.Text3Hidden);
        Text3[j]->setHidden(v.Text3Hidden);
    }
    CommandOK->setText(Q(v.OKCaption));
    CommandCancel->setText(Q(v.CancelCaption));
}

void FrmOption::InitChannelList(int which) {
    if (which == 0) {
        InitChannelList(1);
        InitChannelList(2);
        return;
    }
    if (which != 1 && which != 2) return;
    QComboBox* target = Combo1[which == 1 ? 4 : 5];
    const int mode = kit::ComboIndex(Combo1[which == 1 ? 30 : 31], -1);
    const int group = kit::ComboIndex(Combo1[which == 1 ? 7 : 8], -1);
    kit::FillCombo(target, OptionChannelList(s_, mode, group));
}

void FrmOption::Combo1_Click(int index) {
    if (!IsFormLoaded || index < 0 || index >= kOptionCombos) return;
    QComboBox* c = Combo1[index];
    const int k = kit::ComboIndex(c, -1);
    switch (index) {
    case 0: {
        // Each dependent list changes as the user's choice would, so its field follows.
        const DisplayModeCascade cascade = OptionDisplayModeChange(k);
        for (const int i : {1, 2}) {
            kit::SetComboListIndex(Combo1[i], cascade.StyleIndex);
            Combo1[i]->setEnabled(cascade.StylesEnabled);
            Combo1_Click(i);
        }
        kit::SetComboListIndex(Combo1[18], cascade.OptionIndex);
        Combo1[18]->setHidden(!cascade.OptionShown);
        Combo1_Click(18);
        edit_.DisplayMode = static_cast<std::int16_t>(k);
        break;
    }
    case 4:
        edit_.MemoryChannel1 = OptionMemoryChannel(edit_.MemoryChannel1, k, c->currentText().toStdString());
        break;
    case 5:
        edit_.MemoryChannel2 = OptionMemoryChannel(edit_.MemoryChannel2, k, c->currentText().toStdString());
        break;
    case 6: {
        const std::string t = c->currentText().toStdString();
        edit_.RadioChannel = t == "VFO" ? std::int16_t{100} : static_cast<std::int16_t>(GetIntOfText(t, 0));
        break;
    }
    case 7:
    case 30:
    case 8:
    case 31: {
        *OptionComboField(edit_, index) = static_cast<std::int16_t>(k);
        const int which = (index == 7 || index == 30) ? 1 : 2;
        InitChannelList(which);
        const int target = which == 1 ? 4 : 5;
        const int current = which == 1 ? edit_.MemoryChannel1 : edit_.MemoryChannel2;
        kit::SetComboText(Combo1[target], Q(GetChannelName(current + 1)));
        Combo1_Click(target);
        break;
    }
    default:
        if (std::int16_t* field = OptionComboField(edit_, index)) *field = static_cast<std::int16_t>(k);
        break;
    }
}

void FrmOption::Check1_Click(int index) {
    if (index < 0 || index >= kOptionChecks) return;
    if (std::int16_t* field = OptionCheckField(edit_, index))
        *field = static_cast<std::int16_t>(kit::CheckValue(Check1[index]));
}

void FrmOption::Check3_Click(int index) {
    if (index < 0 || index >= kOptionLinks) return;
    edit_.BankLink[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(kit::CheckValue(Check3[index]));
}

void FrmOption::Text3_LostFocus(int index) {
    if (index < 0 || index > 1) return;
    const std::string t = Text3[index]->text().toStdString();
    kit::SetText(Text3[index], Q(index == 0 ? NormaliseSWFreqText(t) : NormaliseLWFreqText(t)));
}

void FrmOption::CommandOK_Click() {
    OptionHeld h;
    h.Edit = edit_;
    for (int i = 0; i < kOptionCombos; ++i) {
        h.Index[i] = kit::ComboIndex(Combo1[i], -1);
        h.Text[i] = Combo1[i]->currentText().toStdString();
    }
    for (int i = 0; i < kOptionChecks; ++i) h.Check1[i] = kit::CheckValue(Check1[i]);
    for (int i = 0; i < kOptionTextBoxes; ++i) h.Text1[i] = Text1[i]->text().toStdString();
    Text3_LostFocus(0);
    Text3_LostFocus(1);
    for (int j = 0; j < 2; ++j) h.Text3[j] = Text3[j]->text().toStdString();
    StoreOption(s_.CurRadioData, h);
    accept();
}

}  // namespace rp
