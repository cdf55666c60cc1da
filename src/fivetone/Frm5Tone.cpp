#include "fivetone/Frm5Tone.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "fivetone/Frm5ToneDefTS.h"
#include "fivetone/FrmSpecial.h"
#include "mappings/FiveTone.h"
#include "mappings/FiveToneInfo.h"
#include "model/FiveToneStandards.h"
#include "model/LangText.h"
#include "model/Repairs.h"
#include "model/ValueText.h"
#include "kit/DialogKit.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "kit/ScreenFit.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

std::string S(const QString& s) { return s.toStdString(); }

QLineEdit* MakeLine(QWidget* parent, const QString& name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

QComboBox* MakeCombo(QWidget* parent, const QString& name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

QLabel* MakeLabel(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

constexpr int kRows = kFiveToneRows + 1;  // with the header row

}  // namespace

Frm5Tone::Frm5Tone(AppState& s, std::function<void()> reShowList, QWidget* parent)
    : QDialog(parent), st_(s), reShowList_(std::move(reShowList)) {
    setObjectName("Frm5Tone");
    OpenSpecial = [this](int mode) {
        FrmSpecial dlg(*this, mode, this);
        dlg.exec();
    };
    OpenUserToneSet = [this] {
        Frm5ToneDefTS dlg(st_, this);
        dlg.exec();
    };
    Build();
    // Load: the state first, then the captions, lists and grid, then the data shown in them.
    IsFormLoaded = false;
    CurTone5Row = CurTone5Col = CurInfoCodeID = 0;
    HideEditors();
    const FiveToneView captions = ShowFiveTone(st_, st_.CurRadioData.Signal.FiveTone, 0);
    setWindowTitle(Q(captions.Caption));
    Command4->setText(Q(captions.UserToneCaption));
    CommandOK->setText(Q(GetOptionStr(st_, "60024")));
    CommandCANCEL->setText(Q(GetOptionStr(st_, "60025")));
    for (int i = 0; i <= 12; ++i) Label1[i]->setText(Q(captions.Label1[i]));
    for (int i = 0; i < 2; ++i) {
        Frame1[i]->setTitle(Q(captions.FrameCaption[i]));
        Label2[i]->setText(Q(captions.PttCodeLabel));
    }
    for (int c = 0; c < 6; ++c) MSHFlexGrid1->SetTextMatrix(0, c, Q(captions.GridHeader[c]));
    Check1->setText(Q(captions.Check1Caption));
    for (auto* b : {Command1, Command2, Command3}) b->setText(Q(captions.SpecialCaption));
    Label3->setText(Q(captions.InfoNumberLabel));
    for (int i = 0; i < 4; ++i) Label4[i]->setText(Q(captions.InfoLabel[i]));
    InitComboList();
    InitGrid();
    st_.EditSignalData = st_.CurRadioData.Signal;
    EditDecodeTime = st_.CurRadioData.OptionBytesA[0];
    ShowByData();
    IsFormLoaded = true;
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCANCEL});
    kit::FocusFrameFromStart(this);
}

void Frm5Tone::Build() {
    auto* top = new QHBoxLayout;

    // System settings and the own ID, two columns, each a panel of its own: Tab and Enter go
    // down a column before the next.
    QWidget* sysColumns[2];
    QGridLayout* sys[2];
    for (int col = 0; col < 2; ++col) {
        sysColumns[col] = new QWidget(this);
        sysColumns[col]->setObjectName(QStringLiteral("PanelColumn_%1").arg(col));
        sys[col] = new QGridLayout(sysColumns[col]);
        sys[col]->setContentsMargins(0, 0, 0, 0);
        top->addWidget(sysColumns[col], 3);
    }
    Label1[0] = MakeLabel(this, "Label1_0");
    Text2 = MakeLine(this, "Text2");
    sys[0]->addWidget(Label1[0], 0, 0);
    sys[0]->addWidget(Text2, 0, 1);
    for (int i = 1; i <= 12; ++i) {
        Label1[i] = MakeLabel(this, QStringLiteral("Label1_%1").arg(i));
        Combo1[i] = MakeCombo(this, QStringLiteral("Combo1_%1").arg(i));
        QGridLayout* g = sys[i <= 6 ? 0 : 1];
        const int row = i <= 6 ? i : i - 6;
        g->setRowMinimumHeight(row, Combo1[i]->sizeHint().height());
        g->addWidget(Label1[i], row, 0);
        g->addWidget(Combo1[i], row, 1);
    }
    Check1 = new QCheckBox(this);
    Check1->setObjectName("Check1");
    sys[1]->addWidget(Check1, 0, 1);
    for (QGridLayout* g : sys) g->setRowMinimumHeight(0, Text2->sizeHint().height());

    // Tone-table view and the user tone set.
    auto* view = new QVBoxLayout;
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    // Its lower lines lie below the view: the keys must reach it to scroll there.
    Text1->setFocusPolicy(Qt::StrongFocus);
    Text1->setMinimumWidth(170);
    Command4 = new QPushButton(this);
    Command4->setObjectName("Command4");
    view->addWidget(Text1);
    view->addWidget(Command4);
    top->addLayout(view, 2);

    // PTT-ID codes and the information-code panel.
    auto* middle = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        Frame1[i] = new QGroupBox(this);
        Frame1[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        auto* g = new QGridLayout(Frame1[i]);
        Label2[i] = MakeLabel(Frame1[i], QStringLiteral("Label2_%1").arg(i));
        Text4[i] = MakeLine(Frame1[i], QStringLiteral("Text4_%1").arg(i));
        Combo4[i] = MakeCombo(Frame1[i], QStringLiteral("Combo4_%1").arg(i));
        Combo5[i] = MakeCombo(Frame1[i], QStringLiteral("Combo5_%1").arg(i));
        auto* special = new QPushButton(Frame1[i]);
        special->setObjectName(i == 0 ? "Command2" : "Command3");
        (i == 0 ? Command2 : Command3) = special;
        g->addWidget(Label2[i], 0, 0);
        g->addWidget(Text4[i], 0, 1, 1, 2);
        g->addWidget(special, 1, 0);
        g->addWidget(Combo4[i], 1, 1);
        g->addWidget(Combo5[i], 1, 2);
        middle->addWidget(Frame1[i], 1);
    }
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    auto* info = new QGridLayout(Frame2);
    Label3 = MakeLabel(Frame2, "Label3");
    Combo6 = MakeCombo(Frame2, "Combo6");
    info->addWidget(Label3, 0, 0);
    info->addWidget(Combo6, 0, 1);
    for (int i = 0; i < 4; ++i) Label4[i] = MakeLabel(Frame2, QStringLiteral("Label4_%1").arg(i));
    for (int i = 0; i < 2; ++i) Combo7[i] = MakeCombo(Frame2, QStringLiteral("Combo7_%1").arg(i));
    Text5 = MakeLine(Frame2, "Text5");
    Text7 = MakeLine(Frame2, "Text7");
    info->addWidget(Label4[0], 0, 2);
    info->addWidget(Combo7[0], 0, 3);
    info->addWidget(Label4[1], 0, 4);
    info->addWidget(Combo7[1], 0, 5);
    info->addWidget(Label4[2], 1, 0);
    info->addWidget(Text5, 1, 1, 1, 3);
    info->addWidget(Label4[3], 1, 4);
    info->addWidget(Text7, 1, 5);

    // The code grid and its in-place editors, which live on the grid's viewport.
    MSHFlexGrid1 = new FlexGrid(this);
    MSHFlexGrid1->setObjectName("MSHFlexGrid1");
    MSHFlexGrid1->SetCols(6);
    MSHFlexGrid1->SetRows(kRows);
    MSHFlexGrid1->setMinimumHeight(260);
    auto* vp = MSHFlexGrid1->viewport();
    Text3 = MakeLine(vp, "Text3");
    Text6 = MakeLine(vp, "Text6");
    Combo2 = MakeCombo(vp, "Combo2");
    Combo3 = MakeCombo(vp, "Combo3");
    for (QWidget* w : std::initializer_list<QWidget*>{Text3, Text6, Combo2, Combo3}) w->setFocusPolicy(Qt::ClickFocus);
    Text3->setFrame(false);
    Text6->setFrame(false);

    Command1 = new QPushButton(this);
    Command1->setObjectName("Command1");
    auto* buttons = kit::OKCancelRow(this, CommandOK, CommandCANCEL, "CommandCANCEL");
    buttons->insertWidget(0, Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(Frame2);
    layout->addWidget(MSHFlexGrid1, 1);
    layout->addLayout(buttons);
    kit::FitScreen(this);
    resize(1000, 760);

    WireEditors();
}

void Frm5Tone::WireEditors() {
    // Own ID: five digits; leaving it with fewer is refused, with five it rewrites the codes.
    kit::SetKeyFilter(Text2, kit::Keys::Digits, 5);
    kit::BlockClipboardKeys(Text2);
    kit::EnterMovesFocus(Text2);
    kit::SelectAllOnFocus(Text2);
    kit::OnLeave(Text2, [this] { Text2_LostFocus(); });

    for (int i = 0; i < 2; ++i) {
        kit::SetKeyFilter(Text4[i], kit::Keys::Hex, kPttIdCodeMax);
        kit::BlockClipboardKeys(Text4[i]);
        kit::EnterMovesFocus(Text4[i]);
        kit::SelectAllOnFocus(Text4[i]);
        kit::OnLeave(Text4[i], [this, i] { Text4_LostFocus(i); });
        connect(Combo4[i], &QComboBox::activated, this, [this, i] { Combo4_Click(i); });
    }
    kit::SetKeyFilter(Text5, kit::Keys::Hex, 12);
    kit::BlockClipboardKeys(Text5);
    kit::EnterMovesFocus(Text5);
    kit::SelectAllOnFocus(Text5);
    kit::SetKeyFilter(Text7, kit::Keys::PrintableAscii, 7);
    kit::SelectAllOnFocus(Text7);

    // The grid's editors. Codes may be stored up to 40 characters; names leave out the two
    // characters the radio's character set lacks.
    kit::SetKeyFilter(Text3, kit::Keys::Hex, kFiveToneCodeMax);
    kit::BlockClipboardKeys(Text3);
    kit::SelectAllOnFocus(Text3);
    kit::KeyFilter name = kit::MakeKeyFilter(kit::Keys::PrintableAscii, 7);
    name.Allowed = [](QChar c) { return c.unicode() >= 32 && c.unicode() <= 126 && c != QLatin1Char('\\') && c != QLatin1Char('~'); };
    kit::SetKeyFilter(Text6, name);
    kit::BlockClipboardKeys(Text6);
    kit::SelectAllOnFocus(Text6);
    kit::OnEnter(Text3, [this] {
        const int r = MSHFlexGrid1->Row(), c = MSHFlexGrid1->Col();
        if (!Text3->text().isEmpty()) MoveGridCell(r, c + 1);
        else MoveGridCell(NextRow(r), c);
    });
    kit::OnEnter(Text6, [this] {
        MoveGridCell(NextRow(MSHFlexGrid1->Row()), MSHFlexGrid1->Col());
        MoveGridCell(MSHFlexGrid1->Row(), 1);
    });
    kit::OnEnter(Combo2, [this] { MoveGridCell(MSHFlexGrid1->Row(), MSHFlexGrid1->Col() + 1); });
    kit::OnEnter(Combo3, [this] {
        MoveGridCell(MSHFlexGrid1->Row(), 2);
        MoveGridCell(NextRow(MSHFlexGrid1->Row()), 2);
    });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });

    MSHFlexGrid1->SetKeysOpenEditors(true);
    connect(MSHFlexGrid1, &FlexGrid::EnterCell, this, [this](int, int) { MSHFlexGrid1_EnterCell(); });
    connect(MSHFlexGrid1, &FlexGrid::EditGivenUp, this, [this](int, int) { GiveUpEditCell(); });
    connect(MSHFlexGrid1, &QTableWidget::cellClicked, this, [this](int, int) { MSHFlexGrid1_Click(); });
    connect(MSHFlexGrid1, &FlexGrid::CellDoubleClicked, this, [this](int, int) { MSHFlexGrid1_DblClick(); });
    connect(MSHFlexGrid1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { MSHFlexGrid1_Scroll(); });
    connect(MSHFlexGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { MSHFlexGrid1_Scroll(); });

    for (int i : {1, 10}) connect(Combo1[i], &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
    connect(Combo6, &QComboBox::activated, this, [this] { Combo6_Click(); });
    connect(Combo7[0], &QComboBox::activated, this, [this] { Combo7_Click(0); });

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCANCEL, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
}

void Frm5Tone::InitComboList() {
    const FiveToneLists l = MakeFiveToneLists(st_);
    for (int i = 1; i <= 12; ++i) kit::FillCombo(Combo1[i], FiveToneSystemList(l, i));
    kit::FillCombo(Combo2, l.Standards);
    kit::FillCombo(Combo3, l.Periods);
    for (int i = 0; i < 2; ++i) {
        kit::FillCombo(Combo4[i], l.Standards);
        kit::FillCombo(Combo5[i], l.Periods);
    }
    kit::FillCombo(Combo6, l.InfoNumbers);
    kit::FillCombo(Combo7[0], l.InfoFunctions);
    kit::FillCombo(Combo7[1], l.Responses);
}

void Frm5Tone::InitGrid() {
    static const int widths[6] = {400, 1200, 4300, 1600, 1800, 1050};
    FlexGrid* g = MSHFlexGrid1;
    g->SetHeaderHeight(500);
    for (int c = 0; c < 6; ++c) g->SetColWidth(c, widths[c]);
    g->horizontalHeader()->setStretchLastSection(false);
    for (int c = 1; c < 6; ++c) {
        if (auto* h = g->horizontalHeaderItem(c - 1)) h->setForeground(QColor(0, 0, 155));
    }
    const QColor face = palette().color(QPalette::Button);
    for (int r = 1; r < kRows; ++r) {
        g->SetTextMatrix(r, 0, QString::number(r - 1));
        if (auto* h = g->verticalHeaderItem(r - 1)) h->setForeground(QColor(0, 0, 255));
        for (int c = 1; c < 6; ++c) {
            auto* it = g->item(r - 1, c - 1);
            it->setTextAlignment(Qt::AlignCenter);
            // The kind column is fixed: shown, never entered.
            if (c == 1) {
                it->setFlags(Qt::NoItemFlags);
                it->setBackground(face);
                it->setForeground(QColor(0, 0, 0));
            }
        }
    }
}

void Frm5Tone::HideEditors() {
    for (QWidget* w : std::initializer_list<QWidget*>{Text3, Combo2, Combo3, Text6}) MSHFlexGrid1->HideEditor(w);
}

int Frm5Tone::NextRow(int row) const { return row + 1 <= kFiveToneRows ? row + 1 : 1; }

void Frm5Tone::MoveGridCell(int row, int col) {
    FlexGrid* g = MSHFlexGrid1;
    if (col == 1 && row >= 1 && row <= kFiveToneRows) {
        // The kind column is fixed, so the view refuses it as its current cell; Enter in the name
        // editor still moves there, and entering it closes the editor.
        g->selectionModel()->setCurrentIndex(g->model()->index(row - 1, 0), QItemSelectionModel::Clear);
        return;
    }
    g->SetCell(row, col);
}

// ---- Show and save --------------------------------------------------------------------------

void Frm5Tone::ShowByData() {
    FiveToneData& ft = st_.EditSignalData.FiveTone;
    RepairFiveToneForShow(ft);
    const FiveToneView v = ShowFiveTone(st_, ft, EditDecodeTime);
    kit::SetText(Text2, kit::FromBytes(v.OwnID));
    for (int i = 1; i <= 12; ++i) {
        kit::SetComboIndex(Combo1[i], v.Combo1[i].Index);
        if (i == 1 || i == 10) Combo1_Click(i);
    }
    kit::SetChecked(Check1, v.SideTone);
    kit::SetComboIndex(Combo6, 0);
    Combo6_Click();
    for (int i = 0; i < 2; ++i) {
        kit::SetText(Text4[i], kit::FromBytes(v.Ptt[i].Code));
        kit::SetComboIndex(Combo4[i], v.Ptt[i].Standard);
        Combo4_Click(i);
        kit::SetComboText(Combo5[i], Q(v.Ptt[i].Period));
    }
    for (int k = 0; k < kFiveToneRows; ++k) {
        const FiveToneRowCells& c = v.Rows[k];
        const int r = k + 1;
        MSHFlexGrid1->SetTextMatrix(r, 1, Q(c.Kind));
        MSHFlexGrid1->SetTextMatrix(r, 2, kit::FromBytes(c.Code));
        MSHFlexGrid1->SetTextMatrix(r, 3, Q(c.Standard));
        MSHFlexGrid1->SetTextMatrix(r, 4, Q(c.Period));
        MSHFlexGrid1->SetTextMatrix(r, 5, kit::FromBytes(c.Name));
    }
}

void Frm5Tone::SaveToData() {
    FiveToneView v;
    v.OwnID = kit::ToBytes(Text2->text());
    for (int i = 1; i <= 12; ++i) v.Combo1[i].Index = Combo1[i]->currentIndex();
    v.SideTone = Check1->isChecked();
    for (int i = 0; i < 2; ++i) {
        v.Ptt[i].Code = kit::ToBytes(Text4[i]->text());
        v.Ptt[i].Standard = Combo4[i]->currentIndex();
        v.Ptt[i].Period = S(Combo5[i]->currentText());
    }
    for (int k = 0; k < kFiveToneRows; ++k) {
        v.Rows[k].Standard = S(MSHFlexGrid1->TextMatrix(k + 1, 3));
        v.Rows[k].Period = S(MSHFlexGrid1->TextMatrix(k + 1, 4));
        v.Rows[k].Name = kit::ToBytes(MSHFlexGrid1->TextMatrix(k + 1, 5));
    }
    // A row the user has not touched goes back as it was read, odd bytes and all.
    SaveFiveTone(st_.EditSignalData.FiveTone, EditDecodeTime, v, &st_.CurRadioData.Signal.FiveTone);
}

void Frm5Tone::ReplaceSelfIDCode() {
    rp::ReplaceSelfIDCode(st_.EditSignalData.FiveTone, kit::ToBytes(OldOwnID), kit::ToBytes(Text2->text()));
}

// ---- Grid -----------------------------------------------------------------------------------

void Frm5Tone::SaveEditCell(int row, int col) {
    if (row < 1 || row > kFiveToneRows || col < 2 || col > 5) return;
    FiveToneCodeRec& rec = st_.EditSignalData.FiveTone.CodeRows[row - 1];
    FlexGrid* g = MSHFlexGrid1;
    QString v;
    switch (col) {
    case 2: v = kit::FromBytes(CommitFiveToneCode(rec, kit::ToBytes(Text3->text()), kit::ToBytes(Text2->text()))); break;
    case 3: {
        std::string period = S(g->TextMatrix(row, 4));
        v = Q(CommitFiveToneStandard(rec, Combo2->currentIndex(), S(g->TextMatrix(row, 3)), period));
        g->SetTextMatrix(row, 4, Q(period));
        break;
    }
    case 4:
        if (Combo3->currentIndex() < 0) return;
        v = Q(CommitFiveTonePeriod(rec, S(Combo3->currentText())));
        break;
    case 5: v = kit::FromBytes(CommitFiveToneName(rec, kit::ToBytes(Text6->text()))); break;
    }
    g->SetTextMatrix(row, col, v);
}

void Frm5Tone::MSHFlexGrid1_EnterCell() {
    if (!IsFormLoaded) return;
    FlexGrid* g = MSHFlexGrid1;
    const int r = g->Row(), c = g->Col();
    if (r < 1 || c < 1) return;
    if (r == CurTone5Row && c == CurTone5Col) return;
    // A special code is changed through the composer or the reset, never typed over.
    if (!g->TextMatrix(r, 1).isEmpty() && c == 2) return;
    SaveEditCell(CurTone5Row, CurTone5Col);
    if (c > 2 && g->TextMatrix(r, 2).isEmpty() && g->TextMatrix(r, 1) != QLatin1String(kPttIdKind.data())) return;
    CurTone5Row = r;
    CurTone5Col = c;
    HideEditors();
    OpenCellEditor(r, c);
}

void Frm5Tone::OpenCellEditor(int r, int c) {
    FlexGrid* g = MSHFlexGrid1;
    const QRect cell = g->CellRect(r, c);
    const QString text = g->TextMatrix(r, c);
    // A pick in the standard's list sets the row's period at once; giving the edit up takes it back.
    periodAtOpen_ = st_.EditSignalData.FiveTone.CodeRows[r - 1].TonePeriod;
    periodTextAtOpen_ = g->TextMatrix(r, 4);
    auto place = [&](QWidget* w, bool ownHeight) {
        w->setGeometry(cell.left(), cell.top(), cell.width(), ownHeight ? w->sizeHint().height() : cell.height());
        w->show();
        w->raise();
        w->setFocus(Qt::OtherFocusReason);
    };
    switch (c) {
    case 2:
    case 5: {
        QLineEdit* e = c == 2 ? Text3 : Text6;
        kit::SetText(e, text);
        place(e, false);
        e->selectAll();
        break;
    }
    case 3: {
        // Entering only shows the row's standard; its period changes when the user chooses. A
        // row on the user tone set has no list item, and the view then shows the user's tones.
        const int idx = text.isEmpty() ? -1 : ToneStandardIndex(S(text));
        kit::SetComboIndex(Combo2, idx);
        ShowToneStandard(Combo2->currentText());
        place(Combo2, true);
        break;
    }
    case 4:
        kit::SetComboText(Combo3, text);
        place(Combo3, true);
        break;
    default: break;
    }
}

void Frm5Tone::GiveUpEditCell() {
    const int r = CurTone5Row, c = CurTone5Col;
    CurTone5Row = CurTone5Col = 0;
    if (r < 1 || r > kFiveToneRows || c != 3) return;
    st_.EditSignalData.FiveTone.CodeRows[r - 1].TonePeriod = periodAtOpen_;
    MSHFlexGrid1->SetTextMatrix(r, 4, periodTextAtOpen_);
    const QString standard = MSHFlexGrid1->TextMatrix(r, 3);
    kit::SetComboIndex(Combo2, standard.isEmpty() ? -1 : ToneStandardIndex(S(standard)));
    ShowToneStandard(Combo2->currentText());
}

void Frm5Tone::MSHFlexGrid1_Click() {
    if (IsFormLoaded) MSHFlexGrid1_EnterCell();
}

void Frm5Tone::MSHFlexGrid1_DblClick() {
    FlexGrid* g = MSHFlexGrid1;
    const int r = g->Row();
    if (r < 1 || r > kFiveToneRows || g->TextMatrix(r, 1).isEmpty() || g->Col() != 2) return;
    if (MsgBox(QStringLiteral("Reset Special Call of this channel,OK or Not?"), MsgStyle::OkCancel) != MsgButton::Ok) return;
    FiveToneCodeRec& rec = st_.EditSignalData.FiveTone.CodeRows[r - 1];
    rec.CodeLength = 0;
    rec.Code = "";
    g->SetTextMatrix(r, 1, QString());
    g->SetTextMatrix(r, 2, QString());
    MSHFlexGrid1_EnterCell();
}

void Frm5Tone::MSHFlexGrid1_Scroll() {
    if (!IsFormLoaded) return;
    if (!kit::IsShown(Text3) && !kit::IsShown(Combo2) && !kit::IsShown(Combo3) && !kit::IsShown(Text6)) return;
    SaveEditCell(CurTone5Row, CurTone5Col);
    HideEditors();
    // The editor is closed, not only hidden: a later commit must not write its old text over a
    // code the composer has put into the row since.
    CurTone5Row = CurTone5Col = 0;
}

// ---- Lists ----------------------------------------------------------------------------------

void Frm5Tone::ShowToneStandard(const QString& name) {
    const auto lines = ToneStandardLines(st_, S(name), st_.EditSignalData.FiveTone.UserToneSet);
    QString text;
    for (const auto& l : lines) text += Q(l) + QLatin1Char('\n');
    Text1->setPlainText(text);
}

void Frm5Tone::Combo1_Click(int index) {
    if (index == 1) {
        ShowToneStandard(Combo1[1]->currentText());
        kit::SetComboText(Combo1[3], QString::number(DefaultTonePeriod(S(Combo1[1]->currentText()))));
    } else if (index == 10) {
        Combo1[9]->setEnabled(Combo1[10]->currentIndex() != 0);
    }
}

void Frm5Tone::Combo2_Click() {
    if (CurTone5Row < 1 || CurTone5Row > kFiveToneRows) return;
    ShowToneStandard(Combo2->currentText());
    const int p = DefaultTonePeriod(S(Combo2->currentText()));
    st_.EditSignalData.FiveTone.CodeRows[CurTone5Row - 1].TonePeriod = static_cast<std::uint8_t>(p);
    MSHFlexGrid1->SetTextMatrix(CurTone5Row, 4, QString::number(p));
}

void Frm5Tone::Combo4_Click(int index) {
    kit::SetComboText(Combo5[index], QString::number(DefaultTonePeriod(S(Combo4[index]->currentText()))));
    ShowToneStandard(Combo4[index]->currentText());
}

// ---- Information codes ----------------------------------------------------------------------

void Frm5Tone::Combo6_Click() {
    if (CurInfoCodeID > 0) SaveInfoCode(CurInfoCodeID);
    CurInfoCodeID = kit::ComboIndex(Combo6) + 1;
    Frame2->setTitle(Q(GetLangStr(st_, 3005)) + Combo6->currentText());
    ShowInfoCode();
}

void Frm5Tone::ShowInfoCode() {
    const int n = kit::ComboIndex(Combo6) + 1;
    const InfoCodeView v = rp::ShowInfoCode(st_, st_.EditSignalData.FiveTone.InfoCodes[n - 1], n);
    kit::SetComboIndex(Combo7[0], v.Function);
    Combo7_Click(0);
    kit::SetComboIndex(Combo7[1], v.Response);
    kit::SetText(Text5, kit::FromBytes(v.Code));
    const int f = Combo7[0]->currentIndex();
    kit::SetText(Text7, (f == 0 || f == 6) ? QString() : kit::FromBytes(v.Name));
}

void Frm5Tone::Combo7_Click(int index) {
    if (index != 0) return;
    const int r = Combo7[1]->currentIndex();
    const FiveToneLists l = MakeFiveToneLists(st_);
    kit::FillCombo(Combo7[1], l.Responses);
    kit::SetComboIndex(Combo7[1], r);
    const int f = Combo7[0]->currentIndex();
    const InfoFunctionRule rule = InfoFunctionRuleOf(f);
    if (rule.TwoResponsesOnly) {
        kit::FillCombo(Combo7[1], std::vector<std::string>(l.Responses.begin(), l.Responses.begin() + 2));
    }
    if (rule.ForcedResponse >= 0) kit::SetComboIndex(Combo7[1], rule.ForcedResponse);
    Combo7[1]->setEnabled(rule.ResponseEnabled);
    Text7->setEnabled(rule.NameEnabled);
    if (!rule.NameEnabled) kit::SetText(Text7, QString());
}

void Frm5Tone::SaveInfoCode(int id) {
    if (id < 1 || id > 8) return;
    rp::SaveInfoCode(st_.EditSignalData.FiveTone.InfoCodes[id - 1], Combo7[0]->currentIndex(), Combo7[1]->currentIndex(),
                     kit::ToBytes(Text5->text()), kit::ToBytes(Text7->text()));
}

bool Frm5Tone::IsInfoKillStunWakenOK() {
    const auto keys = CheckInfoKillStunWaken(st_.EditSignalData.FiveTone);
    for (const auto& k : keys) MsgBox(Q(GetOptionStr(st_, k)), MsgStyle::OkOnly);
    // The user is left at the code to change: the panel shows it and its box has the focus.
    if (const int n = InfoCodeSameAsOwnID(st_.EditSignalData.FiveTone); n > 0) {
        kit::SetComboIndex(Combo6, n - 1);
        Combo6_Click();
        Text5->setFocus(Qt::OtherFocusReason);
    }
    return keys.empty();
}

// ---- Boxes and buttons ----------------------------------------------------------------------

void Frm5Tone::Text2_LostFocus() {
    if (Text2->text().size() < 5) {
        MsgBox(Q(GetMsgStr(st_, "900C")), MsgStyle::OkOnly);
        Text2->setFocus(Qt::OtherFocusReason);
        return;
    }
    FiveToneData& ft = st_.EditSignalData.FiveTone;
    OldOwnID = kit::FromBytes(ft.OwnID.Trimmed());
    ft.OwnID = kit::ToBytes(Text2->text());
    if (kit::IsShown(Text3)) {
        SaveEditCell(CurTone5Row, CurTone5Col);
        Text3->hide();
        CurTone5Row = 0;
    }
    SaveToData();
    ReplaceSelfIDCode();
    ShowByData();
}

void Frm5Tone::Text4_LostFocus(int index) {
    kit::SetText(Text4[index], kit::FromBytes(GetSignalIDStr(kit::ToBytes(Text4[index]->text()), kit::ToBytes(Text2->text()))));
}

void Frm5Tone::Command1_Click() {
    if (kit::IsShown(Text3)) {
        SaveEditCell(CurTone5Row, CurTone5Col);
        HideEditors();
        CurTone5Row = 0;
    }
    if (OpenSpecial) OpenSpecial(0);
}

void Frm5Tone::Command2_Click() {
    if (OpenSpecial) OpenSpecial(1);
}

void Frm5Tone::Command3_Click() {
    if (OpenSpecial) OpenSpecial(2);
}

void Frm5Tone::Command4_Click() {
    if (OpenUserToneSet) OpenUserToneSet();
    ShowToneStandard(Combo1[1]->currentText());
}

void Frm5Tone::CommandOK_Click() {
    if (Text2->text().size() != 5) {
        MsgBox(Q(GetMsgStr(st_, "900C")), MsgStyle::OkOnly);
        Text2->setFocus(Qt::OtherFocusReason);
        return;
    }
    // An own ID typed but not yet checked (OK reached without leaving the box the usual way)
    // still rewrites the codes that carry it.
    if (Text2->text() != kit::FromBytes(st_.EditSignalData.FiveTone.OwnID.Trimmed())) Text2_LostFocus();
    SaveEditCell(CurTone5Row, CurTone5Col);
    SaveToData();
    if (CurInfoCodeID > 0) SaveInfoCode(CurInfoCodeID);
    if (!IsInfoKillStunWakenOK()) return;
    st_.CurRadioData.Signal = st_.EditSignalData;
    st_.CurRadioData.OptionBytesA[0] = EditDecodeTime;
    RepairChannelSignalRefs(st_, reShowList_);
    RepairOption5ToneRefs(st_);
    accept();
}

void Frm5Tone::CommandCancel_Click() { reject(); }

}  // namespace rp
