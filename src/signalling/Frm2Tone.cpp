#include "signalling/Frm2Tone.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/Repairs.h"
#include "model/Values.h"
#include "kit/DialogKit.h"
#include "kit/GridAdapter.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

constexpr int kGridRows = kTwoToneListRows + 1;  // with the header row
constexpr int kGridCols = 4;                     // numbers, first tone, second tone, name
constexpr int kGridWidthTwips = 5700;
constexpr int kNumberColTwips = 500;
constexpr int kHeaderRowTwips = 500;
constexpr int kToneEditLen = 6;
constexpr int kListNameLen = 7;
constexpr int kDecodeNameLen = 6;
// Labels end this far to the left of their control.
constexpr int kLabelGapTwips = 100;

const char* kHelpContext = "HelpContextID";

// The list's third column is the entry's name, a record text; the tones are numbers.
QString CellText(int col, const std::string& s) { return col == 3 ? kit::FromBytes(s) : Q(s); }

template <class W>
W* Named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

QString Indexed(const char* base, int i) { return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i); }

// The list names take what the radio's character set holds: printable ASCII without "\" and "~".
kit::KeyFilter ListNameFilter() {
    kit::KeyFilter f;
    f.Allowed = [](QChar c) { return c.unicode() >= 32 && c.unicode() <= 126 && c != QLatin1Char('\\') && c != QLatin1Char('~'); };
    f.MaxTyped = kListNameLen;
    return f;
}

QGridLayout* LabelGrid(QWidget* parent, int gapPx) {
    auto* g = new QGridLayout(parent);
    g->setHorizontalSpacing(gapPx);
    g->setColumnStretch(2, 1);
    return g;
}

void AddRow(QGridLayout* g, QLabel* label, QWidget* control) {
    const int r = g->rowCount();
    g->addWidget(label, r, 0, Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(control, r, 1);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Tabs in rows

TabRows::TabRows(int perRow, QWidget* parent)
    : QWidget(parent), perRow_(perRow), buttons_(new QButtonGroup(this)), pages_(new QStackedWidget(this)) {
    rows_ = new QVBoxLayout(this);
    rows_->setContentsMargins(0, 0, 0, 0);
    rows_->setSpacing(0);
    rows_->addWidget(pages_);
    buttons_->setExclusive(true);
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) { setCurrentIndex(id); });
}

// As on a tab bar, the tab shown is the rows' one Tab stop, so the focus frame is drawn on it;
// the arrow keys move to the tab before or after it.
bool TabRows::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const int i = buttons_->id(qobject_cast<QAbstractButton*>(o));
    if (i < 0) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    int to = -1;
    switch (k->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: to = i - 1; break;
    case Qt::Key_Right:
    case Qt::Key_Down: to = i + 1; break;
    default: return false;
    }
    if (to >= 0 && to < count()) setCurrentIndex(to);
    return true;
}

void TabRows::ShowStop() {
    QAbstractButton* current = buttons_->button(currentIndex());
    bool hadFocus = false;
    for (QAbstractButton* b : buttons_->buttons()) {
        hadFocus = hadFocus || b->hasFocus();
        b->setFocusPolicy(b == current ? Qt::TabFocus : Qt::ClickFocus);
    }
    if (hadFocus && current) current->setFocus(Qt::TabFocusReason);
}

int TabRows::AddTab(QWidget* page, const QString& caption) {
    const int i = pages_->count();
    if (i % perRow_ == 0) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addStretch(1);
        rows_->insertLayout(i / perRow_, row);
    }
    auto* row = static_cast<QHBoxLayout*>(rows_->itemAt(i / perRow_)->layout());
    auto* b = new QToolButton(this);
    b->setText(caption);
    b->setCheckable(true);
    b->setAutoRaise(false);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    row->insertWidget(row->count() - 1, b);
    buttons_->addButton(b, i);
    b->installEventFilter(this);
    pages_->addWidget(page);
    if (i == 0) b->setChecked(true);
    ShowStop();
    return i;
}

int TabRows::count() const { return pages_->count(); }
int TabRows::currentIndex() const { return pages_->currentIndex(); }
QString TabRows::tabText(int index) const {
    auto* b = buttons_->button(index);
    return b ? b->text() : QString();
}
void TabRows::setTabText(int index, const QString& caption) {
    if (auto* b = buttons_->button(index)) b->setText(caption);
}
QWidget* TabRows::widget(int index) const { return pages_->widget(index); }

void TabRows::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) return;
    if (auto* b = buttons_->button(index)) b->setChecked(true);
    if (pages_->currentIndex() == index) return;
    pages_->setCurrentIndex(index);
    ShowStop();
    emit currentChanged(index);
}

// ---------------------------------------------------------------------------------------------
// Load

Frm2Tone::Frm2Tone(AppState& s, std::function<void()> redraw, QWidget* parent)
    : QDialog(parent), st_(s), redraw_(std::move(redraw)) {
    setObjectName(QStringLiteral("Frm2Tone"));
    CurEditRow = 0;
    CurEditCol = 0;
    IsLoaded = false;
    Build();
    Text1->hide();
    Text3->hide();
    SetCaptions();
    InitComboList();
    InitGrid();
    st_.EditSignalData = st_.CurRadioData.Signal;
    ShowByData();
    IsLoaded = true;
}

void Frm2Tone::Build() {
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    Picture1 = Named(new QWidget(this), QStringLiteral("Picture1"));
    outer->addWidget(Picture1);
    auto* main = new QVBoxLayout(Picture1);
    main->setContentsMargins(0, 0, 0, 0);
    SSTab1 = Named(new QTabWidget(Picture1), QStringLiteral("SSTab1"));
    main->addWidget(SSTab1);
    const int gap = std::max(1, TwipsToPixels(kLabelGapTwips, logicalDpiX() > 0 ? logicalDpiX() : 96));

    // Tab 0: the list and its timings.
    auto* tab0 = new QWidget;
    auto* tab0Layout = new QHBoxLayout(tab0);
    MSHFlexGrid1 = Named(new FlexGrid(tab0), QStringLiteral("MSHFlexGrid1"));
    tab0Layout->addWidget(MSHFlexGrid1);
    auto* timing = new QWidget(tab0);
    auto* timingGrid = LabelGrid(timing, gap);
    for (int i = 0; i < 5; ++i) {
        Label1[i] = Named(new QLabel(timing), Indexed("Label1", i));
        Combo1[i] = Named(new QComboBox(timing), Indexed("Combo1", i));
        Combo1[i]->setProperty(kHelpContext, 3403 + i);
        AddRow(timingGrid, Label1[i], Combo1[i]);
    }
    Check1 = Named(new QCheckBox(timing), QStringLiteral("Check1"));
    Check1->setProperty(kHelpContext, 3408);
    timingGrid->addWidget(Check1, timingGrid->rowCount(), 1);
    timingGrid->setRowStretch(timingGrid->rowCount(), 1);
    tab0Layout->addWidget(timing, 1);
    MSHFlexGrid1->setProperty(kHelpContext, 3409);

    auto editor = [&](const char* name) {
        auto* e = Named(new QLineEdit(MSHFlexGrid1->viewport()), QString::fromLatin1(name));
        e->setFrame(false);
        e->setAlignment(Qt::AlignCenter);
        // Reached only through the grid, never by Tab.
        e->setFocusPolicy(Qt::ClickFocus);
        kit::BlockClipboardKeys(e);
        kit::SelectAllOnFocus(e);
        return e;
    };
    Text1 = editor("Text1");
    kit::SetKeyFilter(Text1, kit::Keys::DigitsDot, kToneEditLen);
    kit::OnEnter(Text1, [this] { Text1_KeyEnter(); });
    Text3 = editor("Text3");
    Text3->setProperty(kHelpContext, 3413);
    kit::SetKeyFilter(Text3, ListNameFilter());
    kit::OnEnter(Text3, [this] { Text3_KeyEnter(); });

    // Tab 1: the encode set-up.
    auto* tab1 = new QWidget;
    auto* encodeGrid = LabelGrid(tab1, gap);
    for (int i = 0; i < 4; ++i) {
        Label3[i] = Named(new QLabel(tab1), Indexed("Label3", i));
        Text2[i] = Named(new QLineEdit(tab1), Indexed("Text2", i));
        Text2[i]->setProperty(kHelpContext, 3416 + i);
        WireToneBox(Text2[i], [this, i] { Text2_LostFocus(i); });
        AddRow(encodeGrid, Label3[i], Text2[i]);
    }
    for (int i = 0; i < 2; ++i) {
        Label2[i] = Named(new QLabel(tab1), Indexed("Label2", i));
        Combo2[i] = Named(new QComboBox(tab1), Indexed("Combo2", i));
        Combo2[i]->setProperty(kHelpContext, 3414 + i);
        AddRow(encodeGrid, Label2[i], Combo2[i]);
        connect(Combo2[i], &QComboBox::activated, this, [this, i](int) { Combo2_Click(i); });
    }
    encodeGrid->setRowStretch(encodeGrid->rowCount(), 1);

    // Tab 2: the decode entries, two rows of eight tabs.
    auto* tab2 = new QWidget;
    auto* tab2Layout = new QVBoxLayout(tab2);
    SSTab2 = Named(new TabRows(8, tab2), QStringLiteral("SSTab2"));
    tab2Layout->addWidget(SSTab2);
    for (int k = 0; k < kTwoToneDecodeTabs; ++k) {
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        Frame1[k] = Named(new QGroupBox(page), Indexed("Frame1", k));
        pageLayout->addWidget(Frame1[k]);
        pageLayout->addStretch(1);
        auto* g = LabelGrid(Frame1[k], gap);
        Check2[k] = Named(new QCheckBox(Frame1[k]), Indexed("Check2", k));
        g->addWidget(Check2[k], 0, 1);
        connect(Check2[k], &QCheckBox::clicked, this, [this, k](bool) { Check2_Click(k); });
        Label4[k] = Named(new QLabel(Frame1[k]), Indexed("Label4", k));
        Text4[k] = Named(new QLineEdit(Frame1[k]), Indexed("Text4", k));
        WireToneBox(Text4[k], [this, k] { Text4_LostFocus(k); });
        AddRow(g, Label4[k], Text4[k]);
        Label5[k] = Named(new QLabel(Frame1[k]), Indexed("Label5", k));
        Text5[k] = Named(new QLineEdit(Frame1[k]), Indexed("Text5", k));
        WireToneBox(Text5[k], [this, k] { Text5_LostFocus(k); });
        AddRow(g, Label5[k], Text5[k]);
        Label6[k] = Named(new QLabel(Frame1[k]), Indexed("Label6", k));
        Combo3[k] = Named(new QComboBox(Frame1[k]), Indexed("Combo3", k));
        AddRow(g, Label6[k], Combo3[k]);
        Label8[k] = Named(new QLabel(Frame1[k]), Indexed("Label8", k));
        Text6[k] = Named(new QLineEdit(Frame1[k]), Indexed("Text6", k));
        // The name goes to the radio byte for byte: printable ASCII only, also when pasted.
        kit::SetKeyFilter(Text6[k], kit::Keys::PrintableAscii, kDecodeNameLen);
        AddRow(g, Label8[k], Text6[k]);
        SSTab2->AddTab(page, QString());
    }
    SSTab2->setCurrentIndex(kTwoToneDecodeTabs - 1);

    SSTab1->addTab(tab0, QString());
    SSTab1->addTab(tab1, QString());
    SSTab1->addTab(tab2, QString());
    SSTab1->setCurrentIndex(0);
    SSTab1->setProperty(kHelpContext, 3401);
    kit::TabSwitchKeepsFocus(SSTab1);
    connect(SSTab1, &QTabWidget::currentChanged, this, [this, prev = 0](int now) mutable {
        SSTab1_Click(prev);
        prev = now;
    });

    outer->addLayout(kit::OKCancelRow(this, CommandOK, CommandCancel));
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandOK, CommandCancel});
    kit::FocusFrameFromStart(this);
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });

    connect(MSHFlexGrid1, &FlexGrid::EnterCell, this, [this](int, int) { MSHFlexGrid1_EnterCell(); });
    connect(MSHFlexGrid1, &QTableWidget::cellClicked, this, [this](int, int) { MSHFlexGrid1_Click(); });
    connect(MSHFlexGrid1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int) { MSHFlexGrid1_Scroll(); });
    connect(MSHFlexGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int) { MSHFlexGrid1_Scroll(); });
    MSHFlexGrid1->SetKeysOpenEditors(true);
    connect(MSHFlexGrid1, &FlexGrid::EditGivenUp, this, [this] { CurEditRow = CurEditCol = 0; });
}

void Frm2Tone::WireToneBox(QLineEdit* box, std::function<void()> lostFocus) {
    kit::SetKeyFilter(box, kit::Keys::DigitsDot, kToneEditLen);
    kit::BlockClipboardKeys(box);
    kit::SelectAllOnFocus(box);
    kit::EnterMovesFocus(box);
    QPointer<QLineEdit> self(box);
    kit::OnLeave(box, [this, self, lostFocus] {
        if (pendingLeave_ == self) pendingLeave_ = nullptr;
        lostFocus();
    });
    // Remember the box whose leave-check is still due, for OK.
    struct FocusWatch : QObject {
        FocusWatch(QLineEdit* b, Frm2Tone* f) : QObject(b), box(b), form(f) { b->installEventFilter(this); }
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::FocusIn) {
                const auto r = static_cast<QFocusEvent*>(e)->reason();
                if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) form->pendingLeave_ = box;
            }
            return false;
        }
        QLineEdit* box;
        Frm2Tone* form;
    };
    new FocusWatch(box, this);
    leaveChecks_.push_back({box, std::move(lostFocus)});
}

void Frm2Tone::SetCaptions() {
    const TwoToneCaptions c = MakeTwoToneCaptions(st_);
    for (int i = 0; i < 3; ++i) SSTab1->setTabText(i, Q(c.MainTabs[i]));
    for (int i = 0; i < 5; ++i) Label1[i]->setText(Q(c.Label1[i]));
    Check1->setText(Q(c.Check1));
    for (int k = 0; k < kTwoToneDecodeTabs; ++k) {
        Check2[k]->setText(Q(c.Check2));
        Frame1[k]->setTitle(Q(c.DecodeTabs[k]));
        SSTab2->setTabText(k, Q(c.DecodeTabs[k]));
        Label4[k]->setText(Q(c.Label4));
        Label5[k]->setText(Q(c.Label5));
        Label6[k]->setText(Q(c.Label6));
        Label8[k]->setText(Q(c.Label8));
    }
    for (int i = 0; i < 2; ++i) Label2[i]->setText(Q(c.Label2[i]));
    setWindowTitle(Q(c.Form));
    MSHFlexGrid1->SetRows(kGridRows);
    MSHFlexGrid1->SetCols(kGridCols);
    for (int col = 0; col < kGridCols; ++col) MSHFlexGrid1->SetTextMatrix(0, col, Q(c.GridHeader[col]));
    CommandOK->setText(Q(c.OK));
    CommandCancel->setText(Q(c.Cancel));
    for (int i = 0; i < 4; ++i) Label3[i]->setText(Q(c.Label3[i]));
}

void Frm2Tone::InitComboList() {
    lists_ = MakeTwoToneLists(st_);
    for (int i = 0; i < 3; ++i) kit::FillCombo(Combo1[i], lists_.Time);
    kit::FillCombo(Combo1[4], lists_.Time5);
    kit::FillCombo(Combo1[3], lists_.Interval);
    kit::FillCombo(Combo2[0], lists_.CallFormat);
    kit::FillCombo(Combo2[1], lists_.Response);
    for (auto* c : Combo3) kit::FillCombo(c, lists_.Response);
}

void Frm2Tone::InitGrid() {
    auto* g = MSHFlexGrid1;
    const TwoToneCaptions c = MakeTwoToneCaptions(st_);
    g->SetHeaderHeight(kHeaderRowTwips);
    g->SetColWidth(0, kNumberColTwips);
    const int colTwips = static_cast<int>(RoundHalfEven((kGridWidthTwips - kNumberColTwips - 300) / 3.0));
    for (int col = 1; col < kGridCols; ++col) g->SetColWidth(col, colTwips);
    g->setFixedWidth(g->TwipsToPx(kGridWidthTwips));
    // Sixteen rows, half the list, at a glance: neighbouring entries compare without scrolling.
    g->setMinimumHeight(g->horizontalHeader()->height() + 16 * g->verticalHeader()->defaultSectionSize() +
                        2 * g->frameWidth());
    for (int r = 1; r < kGridRows; ++r) g->SetTextMatrix(r, 0, Q(c.RowNumbers[r - 1]));

    const QColor header(0, 0, 155), numbers(0, 0, 255), cells(192, 0, 192);
    for (int col = 0; col < g->columnCount(); ++col) {
        if (auto* h = g->horizontalHeaderItem(col)) {
            h->setForeground(header);
            h->setTextAlignment(Qt::AlignCenter);
        }
    }
    for (int r = 0; r < g->rowCount(); ++r) {
        if (auto* h = g->verticalHeaderItem(r)) {
            h->setForeground(numbers);
            h->setTextAlignment(Qt::AlignCenter);
        }
        for (int col = 0; col < g->columnCount(); ++col) {
            if (auto* it = g->item(r, col)) {
                it->setForeground(cells);
                it->setTextAlignment(Qt::AlignCenter);
            }
        }
    }
    // The grid has a current cell from the start, so the keys have a cell to move from; entering
    // the grid therefore opens no editor by itself.
    g->SetCell(1, 1);
}

// ---------------------------------------------------------------------------------------------
// Showing and storing

void Frm2Tone::ShowByData() {
    TwoToneData& d = st_.EditSignalData.TwoTone;
    RepairTwoToneForShow(d);
    const TwoToneView v = rp::ShowByData(d);
    for (int k = 0; k < kTwoToneDecodeTabs; ++k) {
        const TwoToneDecodeView& t = v.Decode[k];
        kit::SetText(Text4[k], Q(t.FirstTone));
        kit::SetText(Text5[k], Q(t.SecondTone));
        kit::SetComboListIndex(Combo3[k], t.Response);
        kit::SetText(Text6[k], kit::FromBytes(t.Name));
        kit::SetCheckValue(Check2[k], t.Valid);
        SetDecodeTabEnabled(k, kit::CheckValue(Check2[k]));
    }
    for (int r = 1; r <= kTwoToneListRows; ++r)
        for (int col = 1; col <= 3; ++col) MSHFlexGrid1->SetTextMatrix(r, col, CellText(col, v.Grid[r - 1][col - 1]));
    kit::SetComboListIndex(Combo2[0], v.CallFormat);
    kit::SetComboListIndex(Combo2[1], v.Response);
    kit::SetComboListIndex(Combo1[0], v.Time1);
    kit::SetComboListIndex(Combo1[1], v.Time2);
    kit::SetComboListIndex(Combo1[2], v.Time3);
    kit::SetComboListIndex(Combo1[3], v.Time4);
    kit::SetComboListIndex(Combo1[4], v.Time5);
    kit::SetCheckValue(Check1, v.OptionFlag);
    for (int i = 0; i < 4; ++i) {
        Text2[i]->setEnabled(v.ToneEnabled[i]);
        kit::SetText(Text2[i], Q(v.Tones[i]));
    }
}

void Frm2Tone::SaveToData() {
    TwoToneEncodeInput in;
    in.Response = kit::ComboIndex(Combo2[1]);
    in.Time4 = kit::ComboIndex(Combo1[3]);
    in.Time3 = kit::ComboIndex(Combo1[2]);
    in.Time1 = kit::ComboIndex(Combo1[0]);
    in.Time2 = kit::ComboIndex(Combo1[1]);
    in.Time5 = kit::ComboIndex(Combo1[4]);
    in.OptionFlag = kit::CheckValue(Check1);
    in.CallFormat = kit::ComboIndex(Combo2[0]);
    for (int i = 0; i < 4; ++i) in.Tones[i] = Text2[i]->text().toStdString();
    rp::SaveToData(st_.EditSignalData.TwoTone.Encode, in);
    for (int i = 0; i < 4; ++i) kit::SetText(Text2[i], Q(in.Tones[i]));
}

void Frm2Tone::SaveDecodeData() {
    std::array<TwoToneDecodeInput, kTwoToneDecodeTabs> in;
    for (int k = 0; k < kTwoToneDecodeTabs; ++k) {
        in[k].FirstTone = Text4[k]->text().toStdString();
        in[k].SecondTone = Text5[k]->text().toStdString();
        in[k].Response = kit::ComboIndex(Combo3[k]);
        in[k].Name = kit::ToBytes(Text6[k]->text());
        in[k].Valid = kit::CheckValue(Check2[k]);
    }
    rp::SaveDecodeData(st_.EditSignalData.TwoTone, in);
}

void Frm2Tone::SaveEditCell(int row, int col) {
    // Until a cell has been entered there is no editor text to commit, whatever the caller asks.
    if (CurEditRow < 1 || CurEditCol < 1) return;
    if (row < 1 || row > kTwoToneListRows || col < 1 || col >= kGridCols) return;
    const QString text = col < 3 ? Text1->text() : Text3->text();
    const EditCellResult r =
        rp::SaveEditCell(st_.EditSignalData.TwoTone.List[static_cast<std::size_t>(row - 1)], col,
                         col == 3 ? kit::ToBytes(text) : text.toStdString());
    MSHFlexGrid1->SetTextMatrix(row, col, CellText(col, r.CellText));
    if (r.ClearRow) {
        MSHFlexGrid1->SetTextMatrix(row, 2, QString());
        MSHFlexGrid1->SetTextMatrix(row, 3, QString());
    }
}

// ---------------------------------------------------------------------------------------------
// Buttons, lists and check boxes

void Frm2Tone::CommandOK_Click() {
    if (QLineEdit* box = pendingLeave_) {
        pendingLeave_ = nullptr;
        for (auto& [b, check] : leaveChecks_)
            if (b == box) check();
    }
    SaveDecodeData();
    SaveToData();
    SaveEditCell(CurEditRow, CurEditCol);
    st_.CurRadioData.Signal = st_.EditSignalData;
    RepairChannelSignalRefs(st_, redraw_);
    accept();
}

void Frm2Tone::CommandCancel_Click() { reject(); }

void Frm2Tone::Combo2_Click(int index) {
    if (index != 0) return;
    const std::array<bool, 4> on = EnabledToneBoxes(Combo2[0]->currentIndex());
    for (int i = 0; i < 4; ++i) Text2[i]->setEnabled(on[i]);
}

void Frm2Tone::Check2_Click(int index) {
    if (index < 0 || index >= kTwoToneDecodeTabs) return;
    SetDecodeTabEnabled(index, kit::CheckValue(Check2[index]));
}

void Frm2Tone::SetDecodeTabEnabled(int index, int value) {
    if (index < 0 || index >= kTwoToneDecodeTabs) return;
    const bool on = value == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{Text4[index], Text5[index], Combo3[index], Text6[index]})
        w->setEnabled(on);
}

void Frm2Tone::SSTab1_Click(int) { SSTab1->setProperty(kHelpContext, 3401 + SSTab1->currentIndex()); }

// ---------------------------------------------------------------------------------------------
// The grid and its in-place editors

void Frm2Tone::MSHFlexGrid1_EnterCell() {
    if (!IsLoaded) return;
    auto* g = MSHFlexGrid1;
    const int row = g->Row();
    const int col = g->Col();
    if (row < 1 || col < 1) return;
    if ((col == 2 || col == 3) && g->TextMatrix(row, 1).isEmpty()) {
        // Only a first tone typed into this row's editor and not yet committed lets it through.
        const bool typedFirstTone = CurEditRow == row && CurEditCol == 1 && IsNumericText(Text1->text().toStdString());
        if (!typedFirstTone) {
            g->SetCol(1);  // itself a cell entry, which opens the editor there
            return;
        }
    }
    OpenEditorOnCurrentCell();
}

void Frm2Tone::MSHFlexGrid1_Click() {
    if (!IsLoaded) return;
    // The press may have selected the cell it hit while the entry moved the current cell.
    auto* g = MSHFlexGrid1;
    if (g->currentIndex().isValid())
        g->selectionModel()->select(g->currentIndex(), QItemSelectionModel::ClearAndSelect);
    MSHFlexGrid1_EnterCell();
}

void Frm2Tone::MSHFlexGrid1_Scroll() {
    if (!IsLoaded) return;
    // The editor stays with its own cell: a scroll the view makes while the current cell moves
    // already reports the new cell as current.
    SaveEditCell(CurEditRow, CurEditCol);
    MSHFlexGrid1->HideEditor(Text1);
    MSHFlexGrid1->HideEditor(Text3);
}

void Frm2Tone::OpenEditorOnCurrentCell() {
    auto* g = MSHFlexGrid1;
    const int row = g->Row();
    const int col = g->Col();
    SaveEditCell(CurEditRow, CurEditCol);
    CurEditRow = row;
    CurEditCol = col;
    g->HideEditor(Text1);
    g->HideEditor(Text3);
    QLineEdit* editor = col < 3 ? Text1 : Text3;
    if (col < 3) Text1->setProperty(kHelpContext, 3410 + col);
    kit::SetText(editor, g->TextMatrix(row, col));
    editor->setGeometry(g->CellRect(row, col));
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void Frm2Tone::Text1_KeyEnter() {
    auto* g = MSHFlexGrid1;
    const int last = g->Rows() - 1;
    const int row = g->Row();
    const int col = g->Col();
    const int next = row >= last ? 1 : row + 1;
    if (Text1->text().isEmpty() && col == 1) {
        g->SetRow(next);
        return;
    }
    if (col == 1) SaveEditCell(CurEditRow, CurEditCol);
    if (col >= g->Cols() - 1) g->SetCell(next, 1);
    else g->SetCol(col + 1);
}

void Frm2Tone::Text3_KeyEnter() {
    auto* g = MSHFlexGrid1;
    const int row = g->Row();
    g->SetCell(row >= g->Rows() - 1 ? 1 : row + 1, 1);
}

// ---------------------------------------------------------------------------------------------
// Leaving the tone boxes

void Frm2Tone::Text2_LostFocus(int index) {
    if (index < 0 || index >= 4) return;
    kit::SetText(Text2[index], Q(LeaveEncodeToneText(Text2[index]->text().toStdString())));
}

void Frm2Tone::Text4_LostFocus(int index) {
    if (index < 0 || index >= kTwoToneDecodeTabs) return;
    kit::SetText(Text4[index], Q(LeaveDecodeToneText(Text4[index]->text().toStdString())));
}

void Frm2Tone::Text5_LostFocus(int index) {
    if (index < 0 || index >= kTwoToneDecodeTabs) return;
    kit::SetText(Text5[index], Q(LeaveDecodeToneText(Text5[index]->text().toStdString())));
}

}  // namespace rp
