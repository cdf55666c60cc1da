#include "channels/FrmCHEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "model/Banks.h"
#include "model/Repairs.h"
#include "model/ValueText.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

using kit::FromBytes;
using kit::ToBytes;

bool IsNameKey(QChar c) { return c.unicode() >= 32 && c.unicode() <= 126 && c != QLatin1Char('\\') && c != QLatin1Char('~'); }

constexpr int kClientWidth = 8835, kClientHeight = 6165;

}  // namespace

FrmCHEdit::FrmCHEdit(AppState& st, QWidget* parent) : QDialog(parent), st_(st), channelNo_(st.CurChannelNo) {
    setObjectName("FrmCHEdit");
    setFont(QFont("Arial", 9));
    BuildControls();
    // The VFOs have no name; only memory channels belong to banks.
    const bool named = HasChannelName(channelNo_);
    Label1[2]->setVisible(named);
    for (int i = 2; i <= 9; ++i) Text1[i]->setVisible(named && i <= 7);
    ListBank->setVisible(HasChannelBanks(channelNo_));
    LoadFormText();
    InitComboLists();
    PlaceControls();
    SetFocusOrder();
    WireHandlers();
    LoadEditChannel();
}

int FrmCHEdit::Px(int twips) const {
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    return (twips * dpi + 720) / 1440;
}

// ---------------------------------------------------------------------------------------------
// Building

void FrmCHEdit::BuildControls() {
    auto name = [](QWidget* w, const QString& n) { w->setObjectName(n); };
    for (int i = 0; i < 4; ++i) name(Label1[i] = new QLabel(this), QString("Label1_%1").arg(i));
    for (int i = 0; i < 18; ++i) name(Label2[i] = new QLabel(this), QString("Label2_%1").arg(i));
    name(Label3 = new QLabel(this), "Label3");
    name(Label4 = new QLabel(this), "Label4");
    for (int i = 0; i <= 10; ++i) name(Text1[i] = new QLineEdit(this), QString("Text1_%1").arg(i));
    name(Text2 = new QLineEdit(this), "Text2");
    name(Text3 = new QLineEdit(this), "Text3");
    for (int i = 0; i < 18; ++i) name(Combo1[i] = new QComboBox(this), QString("Combo1_%1").arg(i));
    name(Combo2 = new QComboBox(this), "Combo2");
    for (int i = 0; i < 4; ++i) name(Combo3[i] = new QComboBox(this), QString("Combo3_%1").arg(i));
    for (int i = 0; i < 4; ++i) name(Combo4[i] = new QComboBox(this), QString("Combo4_%1").arg(i));
    name(Check1 = new QCheckBox(this), "Check1");
    for (int i = 0; i < 2; ++i) name(Check2[i] = new QCheckBox(this), QString("Check2_%1").arg(i));
    name(Check3 = new QCheckBox(this), "Check3");
    name(Frame1 = new QGroupBox(this), "Frame1");
    for (int i = 0; i < 2; ++i) name(Check4[i] = new QCheckBox(Frame1), QString("Check4_%1").arg(i));
    name(Check5 = new QCheckBox(this), "Check5");
    name(Check6 = new QCheckBox(this), "Check6");
    name(Check7 = new QCheckBox(this), "Check7");
    name(ListBank = new QListWidget(this), "ListBank");
    name(CommandOK = new QPushButton(this), "CommandOK");
    name(CommandCancel = new QPushButton(this), "CommandCancel");

    // Controls that carry a value through the dialog unseen, and the spare indexes of the arrays.
    for (QWidget* w : std::initializer_list<QWidget*>{
             Text1[1], Text1[8], Text1[9], Label1[1], Combo2, Label2[3], Combo1[3], Label2[6], Combo1[6], Check5,
             Label2[11], Combo1[11], Label2[12], Combo1[12], Label2[14], Combo1[14], Label2[17], Combo1[17], Label3,
             Text2, Check7, Check3})
        w->hide();

    // Key filters: the typing limits live in the filters, so a longer stored value still shows.
    kit::SetKeyFilter(Text1[0], kit::Keys::DigitsDot, 9);
    kit::SetKeyFilter(Text1[1], kit::Keys::DigitsDot, 9);
    kit::SetKeyFilter(Text1[10], kit::Keys::PrintableAscii, 9);
    kit::KeyFilter nameKeys;
    nameKeys.Allowed = IsNameKey;
    nameKeys.MaxTyped = 1;
    for (int i = 2; i <= 9; ++i) kit::SetKeyFilter(Text1[i], nameKeys);
    kit::SetKeyFilter(Text2, kit::Keys::Digits, 5);
    kit::SetKeyFilter(Text3, kit::Keys::DigitsDot, 5);
    for (QLineEdit* e : Text1) {
        kit::BlockClipboardKeys(e);
        kit::SelectAllOnFocus(e);
        kit::EnterMovesFocus(e);
    }
    for (QLineEdit* e : {Text2, Text3}) {
        kit::BlockClipboardKeys(e);
        kit::SelectAllOnFocus(e);
        kit::EnterMovesFocus(e);
    }
    for (int i = 2; i <= 9; ++i) Text1[i]->installEventFilter(this);

    // Enter moves on in the lists, the boxes and the buttons; Check7 and ListBank have no key
    // handler, so Enter does nothing there.
    for (QComboBox* c : Combo1) kit::EnterMovesFocus(c);
    for (QComboBox* c : Combo3) kit::EnterMovesFocus(c);
    for (QComboBox* c : Combo4) kit::EnterMovesFocus(c);
    kit::EnterMovesFocus(Combo2);
    for (QCheckBox* c : {Check1, Check2[0], Check2[1], Check3, Check4[0], Check4[1], Check5, Check6})
        kit::EnterMovesFocus(c);
    kit::EnterMovesFocus(CommandOK);
    kit::EnterMovesFocus(CommandCancel);
    kit::OnEnter(Check7, [] {});
    kit::OnEnter(ListBank, [] {});
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::FocusFrameFromStart(this);
    kit::SkipLeaveCheck(CommandCancel);
}

void FrmCHEdit::LoadFormText() {
    const ChannelEditCaptions c = BuildChannelEditCaptions(st_);
    setWindowTitle(Q(c.Title));
    for (int i = 0; i < 4; ++i) Label1[i]->setText(Q(c.Label1[i]));
    for (int i = 0; i < 18; ++i) Label2[i]->setText(Q(c.Label2[i]));
    Label3->setText(Q(c.Label3));
    Label4->setText(Q(c.Label4));
    Check1->setText(Q(c.Check1));
    Check2[0]->setText(Q(c.Check2));
    Check2[1]->setText(Q(c.Check2));
    Check3->setText(Q(c.Check3));
    Check4[0]->setText(Q(c.Check4_0));
    Check4[1]->setText(Q(c.Check4_1));
    Check5->setText(Q(c.Check5));
    Check6->setText(Q(c.Check6));
    Check7->setText(Q(c.Check7));
    CommandOK->setText(Q(c.OK));
    CommandCancel->setText(Q(c.Cancel));
}

void FrmCHEdit::InitComboLists() {
    lists_ = BuildChannelEditLists(st_);
    kit::FillCombo(Combo1[0], lists_.Step);
    kit::FillCombo(Combo1[1], lists_.Bandwidth);
    kit::FillCombo(Combo1[2], lists_.Power);
    kit::FillCombo(Combo1[3], QStringList{Q(st_.LangText(1202)), Q(st_.LangText(1203))});
    kit::FillCombo(Combo1[4], lists_.OptSig);
    kit::FillCombo(Combo1[5], lists_.ToneKind);
    kit::FillCombo(Combo1[10], lists_.ToneKind);
    kit::FillCombo(Combo1[6], lists_.Scrambler);
    kit::FillCombo(Combo1[7], lists_.PttId);
    kit::FillCombo(Combo1[8], lists_.PttId);
    kit::FillCombo(Combo1[9], lists_.SquelchModes);
    kit::FillCombo(Combo1[11], lists_.SquelchModes);
    kit::FillCombo(Combo1[12], lists_.ExtraDisplay);
    kit::FillCombo(Combo1[13], lists_.BusyLock);
    kit::FillCombo(Combo1[15], lists_.SquelchLevel);
    kit::FillCombo(Combo1[16], lists_.TwoToneDecode);
    kit::FillCombo(Combo1[17], lists_.OffsetMode);
    kit::FillCombo(Combo2, lists_.Shift);
    kit::FillCombo(Combo3[0], lists_.Ctcss);
    kit::FillCombo(Combo3[1], lists_.Ctcss);
    kit::FillCombo(Combo3[2], lists_.Dcs);
    kit::FillCombo(Combo3[3], lists_.Dcs);
    kit::FillCombo(Combo4[0], lists_.DtmfMemories);
    kit::FillCombo(Combo4[1], lists_.TwoToneEntries);
    kit::FillCombo(Combo4[2], lists_.FiveToneRows);
    kit::FillCombo(Combo4[3], lists_.MskEntries);
    const QSignalBlocker block(ListBank);
    ListBank->clear();
    for (const auto& b : lists_.Banks) {
        auto* it = new QListWidgetItem(Q(b), ListBank);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        it->setCheckState(Qt::Unchecked);
    }
}

void FrmCHEdit::PlaceControls() {
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    auto at = [this](QWidget* w, int left, int top, int width, int height = 0) {
        const int h = height > 0 ? Px(height) : w->sizeHint().height();
        w->setGeometry(Px(left), Px(top), Px(width), h);
    };
    at(Text1[0], 2160, 240, 1455);
    at(Check1, 5040, 240, 1935);
    at(ListBank, 7320, 120, 1335, 2355);
    at(Text1[10], 2160, 600, 1455);
    at(Check6, 5040, 600, 1815);
    at(Frame1, 4920, 840, 2175, 975);
    at(Check4[0], 120, 240, 1815);
    at(Check4[1], 120, 600, 1815);
    for (int i = 2; i <= 9; ++i) at(Text1[i], 2160 + (i - 2) * 240, 1080, 255);
    at(Text1[1], 3600, 600, 1095);
    at(Combo2, 2160, 600, 1455);
    at(Combo1[0], 2160, 1440, 1455);
    at(Combo1[1], 2160, 1800, 1455);
    at(Combo1[2], 2160, 2160, 1455);
    at(Combo1[5], 2160, 2520, 1455);
    at(Combo3[0], 3600, 2520, 1095);
    at(Check2[0], 4800, 2580, 1695);
    at(Combo1[10], 2160, 2880, 1455);
    at(Combo3[1], 3600, 2880, 1095);
    at(Check2[1], 4800, 2940, 1695);
    at(Combo1[4], 2160, 3240, 1455);
    at(Combo4[0], 3600, 3240, 1095);
    at(Combo1[16], 2160, 3600, 1455);
    at(Combo1[9], 2160, 3960, 2895);
    at(Label4, 5760, 3960, 2055);
    at(Text3, 5760, 4200, 2055);
    at(Combo1[7], 2160, 4320, 1935);
    at(Combo1[8], 2160, 4680, 1935);
    at(Combo1[13], 2160, 5040, 1935);
    at(CommandOK, 4920, 5160, 1095, 375);
    at(CommandCancel, 6360, 5160, 1095, 375);
    at(Combo1[15], 2160, 5400, 1935);
    // Hidden controls get a place too, should they ever be shown.
    for (int i : {3, 6, 11, 12, 14, 17}) at(Combo1[i], 2160, 5400, 1455);
    at(Text2, 5760, 4680, 1095);
    for (QCheckBox* c : {Check3, Check5, Check7}) at(c, 5760, 4680, 1815);
    // The overlays share one place each.
    Combo3[2]->setGeometry(Combo3[0]->geometry());
    Combo3[3]->setGeometry(Combo3[1]->geometry());
    for (int i = 1; i < 4; ++i) Combo4[i]->setGeometry(Combo4[0]->geometry());

    // Each label stands at its control's top, right-aligned 100 twips left of it.
    auto label = [this](QLabel* l, QWidget* control) {
        l->adjustSize();
        l->move(control->x() - l->width() - Px(100), control->y() + (control->height() - l->height()) / 2);
    };
    label(Label1[0], Text1[0]);
    label(Label1[1], Combo2);
    label(Label1[2], Text1[2]);
    label(Label1[3], Text1[10]);
    for (int i = 0; i <= 17; ++i)
        if (i != 11) label(Label2[i], Combo1[i]);
    Label3->adjustSize();
    Label3->move(Text2->x() - Label3->width() - Px(100), Text2->y());
    Label4->adjustSize();
}

void FrmCHEdit::SetFocusOrder() {
    const std::vector<QWidget*> order = {
        Text1[0], Text1[10], Text1[2], Text1[3], Text1[4], Text1[5], Text1[6], Text1[7], Text1[8], Text1[9],
        Combo1[0], Combo1[1], Combo1[2], Combo2, Text1[1], Combo1[5], Combo3[0], Combo3[2], Check2[0],
        Combo1[10], Combo3[1], Combo3[3], Check2[1], Combo1[4], Combo4[0], Combo1[9], Combo1[7], Combo1[8],
        Combo1[6], Check1, Check5, Check6, Check4[0], Check4[1], Text3, CommandOK, CommandCancel, Combo4[1],
        Combo4[2], Check3, Combo1[12], Check7, Text2, Combo1[13], Combo4[3], ListBank, Combo1[15], Combo1[16],
        Combo1[17]};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    for (QWidget* w : {static_cast<QWidget*>(Combo1[3]), static_cast<QWidget*>(Combo1[11]),
                       static_cast<QWidget*>(Combo1[14])})
        w->setFocusPolicy(Qt::NoFocus);
}

void FrmCHEdit::WireHandlers() {
    for (int i : {4, 5, 7, 8, 10}) connect(Combo1[i], &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
    for (int i = 0; i < 2; ++i) connect(Check4[i], &QCheckBox::clicked, this, [this, i] { Check4_Click(i); });
    connect(Text1[0], &QLineEdit::textChanged, this, [this] { Text1_Change(0); });
    connect(ListBank, &QListWidget::itemChanged, this, [this](QListWidgetItem* it) { ListBank_ItemCheck(ListBank->row(it)); });
    kit::OnLeave(Text3, [this] { Text3_LostFocus(); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
}

bool FrmCHEdit::eventFilter(QObject* o, QEvent* e) {
    // A name box moves on after each character it takes, once the character is in.
    if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool plain = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && k->text().size() == 1 && IsNameKey(k->text()[0])) {
            QTimer::singleShot(0, this, [this, box = static_cast<QWidget*>(o)] {
                if (box->hasFocus()) focusNextChild();
            });
        }
    }
    return QDialog::eventFilter(o, e);
}

// ---------------------------------------------------------------------------------------------
// Showing

void FrmCHEdit::LoadEditChannel() {
    rp::LoadEditChannel(st_, channelNo_);
    ShowChannelData(rp::ShowChannelData(st_, lists_, channelNo_, st_.EditChannel, st_.EditBankTable,
                                        [](const std::string& t) { MsgBox(Q(t), MsgStyle::OkOnly); }));
}

void FrmCHEdit::ShowChannelData(const ChannelEditView& view) {
    const ChannelEditValues& v = view.Values;
    for (QWidget* w : {static_cast<QWidget*>(Check2[0]), static_cast<QWidget*>(Check2[1]), static_cast<QWidget*>(Check3)})
        w->hide();
    for (QComboBox* c : Combo3) c->hide();
    for (QComboBox* c : Combo4) c->hide();
    Label2[3]->hide();
    Combo1[3]->hide();
    Combo1[11]->hide();
    Label2[11]->hide();

    kit::SetText(Text1[0], Q(v.RxText));
    kit::SetComboListIndex(Combo2, v.Shift);
    kit::SetText(Text1[1], Q(v.OffsetText));
    kit::SetText(Text1[10], Q(v.TxText));
    BankShowing = true;
    if (HasChannelBanks(channelNo_)) {
        const QSignalBlocker block(ListBank);
        for (int b = 0; b < ListBank->count(); ++b)
            ListBank->item(b)->setCheckState(v.Banks[b] ? Qt::Checked : Qt::Unchecked);
    }
    BankShowing = false;
    for (int i = 0; i < 6; ++i) kit::SetText(Text1[i + 2], FromBytes(v.NameChars[i]));
    kit::SetComboListIndex(Combo1[0], v.Step);
    kit::SetComboListIndex(Combo1[1], v.Bandwidth);
    kit::SetComboListIndex(Combo1[2], v.Power);
    kit::SetComboListIndex(Combo1[4], v.OptSig);
    kit::SetComboListIndex(Combo1[5], v.DecKind);
    kit::SetComboListIndex(Combo1[10], v.EncKind);
    kit::SetComboListIndex(Combo1[6], v.Scrambler);
    kit::SetComboListIndex(Combo1[7], v.DtmfPttId);
    kit::SetComboListIndex(Combo1[8], v.FiveTonePttId);
    kit::SetComboListIndex(Combo1[11], v.SquelchMode);
    kit::SetComboListIndex(Combo1[12], v.ExtraDisplay);
    kit::SetComboListIndex(Combo1[13], v.BusyLock);
    kit::SetComboListIndex(Combo1[15], v.SquelchLevel);
    kit::SetComboIndex(Combo1[16], v.TwoToneDecode);
    kit::SetComboListIndex(Combo1[17], v.OffsetMode);
    kit::SetChecked(Check1, v.TxInhibit);
    kit::SetChecked(Check4[0], v.Reverse);
    kit::SetChecked(Check4[1], v.TalkAround);
    // The squelch modes offered for the kinds just shown, the record's mode among them.
    squelchOffered_ = view.SquelchOffered;
    QStringList offered;
    for (int m : squelchOffered_) offered << Q(lists_.SquelchModes[m]);
    kit::FillCombo(Combo1[9], offered);
    const auto pos = std::find(squelchOffered_.begin(), squelchOffered_.end(), v.SquelchMode);
    kit::SetComboListIndex(Combo1[9], pos == squelchOffered_.end() ? 0 : static_cast<int>(pos - squelchOffered_.begin()));
    kit::SetChecked(Check5, v.Compander);
    kit::SetChecked(Check6, v.ScanSkip);
    kit::SetChecked(Check7, v.PttIdDecode);
    kit::SetText(Text2, FromBytes(v.PttIdCode));

    for (int k = 0; k < 4; ++k) kit::SetComboIndex(Combo4[k], v.IdIndex[k]);
    if (view.IdListShown >= 0) Combo4[view.IdListShown]->show();
    kit::SetChecked(Check3, v.PttIdFlag);
    kit::SetComboIndex(Combo3[0], v.DecCtcss);
    kit::SetComboIndex(Combo3[2], v.DecDcs);
    kit::SetChecked(Check2[0], v.DecInvert);
    Combo3[0]->setVisible(view.DecCtcssShown);
    Combo3[2]->setVisible(view.DecDcsShown);
    Check2[0]->setVisible(view.DecDcsShown);
    kit::SetComboIndex(Combo3[1], v.EncCtcss);
    kit::SetComboIndex(Combo3[3], v.EncDcs);
    kit::SetChecked(Check2[1], v.EncInvert);
    Combo3[1]->setVisible(view.EncCtcssShown);
    Combo3[3]->setVisible(view.EncDcsShown);
    Check2[1]->setVisible(view.EncDcsShown);
    kit::SetText(Text3, Q(v.CustomCtcss));

    if (view.ValueControlsEnabled) EnableValueControls();
    else DisableValueControls();
}

// ---------------------------------------------------------------------------------------------
// Rules between the controls

void FrmCHEdit::Combo1_Click(int index) {
    switch (index) {
    case 4: {
        for (QComboBox* c : Combo4) c->hide();
        Check3->hide();
        Combo1[16]->setEnabled(false);
        const int type = SignalTypeOfOptSig(lists_, Combo1[4]->currentIndex());
        if (type == 2) Combo1[16]->setEnabled(true);
        const int k = IdListOfSignalType(type);
        if (k >= 0) {
            Combo4[k]->show();
            Combo4[k]->setEnabled(true);
            kit::SetComboListIndex(Combo4[k], 0);
        }
        RefreshComboList();
        break;
    }
    case 5: ShowToneKind(true); break;
    case 10: ShowToneKind(false); break;
    case 7:
        if (Combo1[7]->currentIndex() > 0) kit::SetComboListIndex(Combo1[8], 0);
        break;
    case 8:
        if (Combo1[8]->currentIndex() > 0) kit::SetComboListIndex(Combo1[7], 0);
        break;
    default: break;
    }
}

// A tone kind shows its value list at the first tone (or code 000, not inverted).
void FrmCHEdit::ShowToneKind(bool decode) {
    const int side = decode ? 0 : 1;
    if (decode) {
        Combo3[0]->hide();
        Combo3[2]->hide();
        Check2[0]->hide();
        RefreshComboList();
    } else {
        RefreshComboList();
        // While there is no RX frequency the encode lists keep their state.
        if (!Combo2->isEnabled()) return;
        Combo3[1]->hide();
        Combo3[3]->hide();
        Check2[1]->hide();
    }
    const int kind = Combo1[decode ? 5 : 10]->currentIndex();
    if (kind == 1) {
        Combo3[side]->show();
        kit::SetComboListIndex(Combo3[side], 0);
    } else if (kind == 2) {
        Combo3[side + 2]->show();
        kit::SetComboListIndex(Combo3[side + 2], 0);
        Check2[side]->show();
        Check2[side]->setEnabled(true);
        kit::SetChecked(Check2[side], false);
    }
}

void FrmCHEdit::Check4_Click(int index) {
    if (Check4[index]->isChecked()) kit::SetChecked(Check4[1 - index], false);
    RefreshComboList();
}

void FrmCHEdit::RefreshComboList() {
    const int chosen = Combo1[9]->currentIndex();
    const int mode = chosen >= 0 && chosen < static_cast<int>(squelchOffered_.size()) ? squelchOffered_[chosen] : 0;
    const int governing = GoverningToneKind(Combo1[5]->currentIndex(), Combo1[10]->currentIndex(), Check4[0]->isChecked());
    squelchOffered_ = OfferedSquelchModes(governing, Combo1[4]->currentIndex() > 0);
    QStringList offered;
    for (int m : squelchOffered_) offered << Q(lists_.SquelchModes[m]);
    kit::FillCombo(Combo1[9], offered);
    const auto pos = std::find(squelchOffered_.begin(), squelchOffered_.end(), mode);
    kit::SetComboListIndex(Combo1[9], pos == squelchOffered_.end() ? 0 : static_cast<int>(pos - squelchOffered_.begin()));
}

void FrmCHEdit::Text1_Change(int index) {
    if (index != 0) return;
    if (Text1[0]->text().isEmpty()) DisableValueControls();
    else EnableValueControls();
}

// The controls that only some models show follow the others only where they are shown.
void FrmCHEdit::EnableShownModelControls(bool on) {
    QWidget* const controls[] = {Combo3[0], Combo3[1], Combo3[2], Combo3[3], Combo4[0], Combo4[1],
                                 Combo4[2], Combo4[3], Check2[0], Check2[1], Check3};
    for (QWidget* w : controls)
        if (kit::IsShown(w)) w->setEnabled(on);
}

void FrmCHEdit::DisableValueControls() {
    for (int i = 1; i <= 8; ++i) Text1[i]->setEnabled(false);
    Text1[10]->setEnabled(false);
    Text2->setEnabled(false);
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 15, 16, 17}) Combo1[i]->setEnabled(false);
    Combo2->setEnabled(false);
    for (QCheckBox* c : {Check1, Check4[0], Check4[1], Check5, Check6, Check7}) c->setEnabled(false);
    EnableShownModelControls(false);
    Text3->setEnabled(false);
    ListBank->setEnabled(false);
}

void FrmCHEdit::EnableValueControls() {
    for (int i = 1; i <= 8; ++i) Text1[i]->setEnabled(true);
    Text1[10]->setEnabled(true);
    for (int i = 0; i <= 10; ++i) Combo1[i]->setEnabled(true);
    // The PTT ID code and its decode belong to PL1 .. PL2 and the memory channels.
    const bool pttCode = channelNo_ <= 203;
    Text2->setEnabled(pttCode);
    Check7->setEnabled(pttCode);
    for (int i : {12, 13, 15, 17}) Combo1[i]->setEnabled(true);
    Combo1[16]->setEnabled(SignalTypeOfOptSig(lists_, Combo1[4]->currentIndex()) == 2);
    for (QCheckBox* c : {Check1, Check4[0], Check4[1], Check5, Check6}) c->setEnabled(true);
    Combo2->setEnabled(true);
    EnableShownModelControls(true);
    Text3->setEnabled(true);
    ListBank->setEnabled(true);
    Text1[0]->setEnabled(true);
}

void FrmCHEdit::ListBank_ItemCheck(int item) {
    if (BankShowing || item < 0 || item >= ListBank->count()) return;
    QListWidgetItem* it = ListBank->item(item);
    if (it->checkState() != Qt::Checked) return;
    // A bank without a free slot for this channel refuses the tick, silently.
    if (!CanAddToEditBank(st_, channelNo_, item + 1)) {
        const QSignalBlocker block(ListBank);
        it->setCheckState(Qt::Unchecked);
    }
}

void FrmCHEdit::Text3_LostFocus() { kit::SetText(Text3, Q(GetCTCSSShowStr(ToBytes(Text3->text())))); }

// ---------------------------------------------------------------------------------------------
// Values and OK

ChannelEditValues FrmCHEdit::Values() const {
    ChannelEditValues v;
    v.RxText = ToBytes(Text1[0]->text());
    v.TxText = ToBytes(Text1[10]->text());
    v.OffsetText = ToBytes(Text1[1]->text());
    v.Shift = Combo2->currentIndex();
    for (int i = 0; i < 6; ++i) v.NameChars[i] = ToBytes(Text1[i + 2]->text().left(1));
    v.Step = Combo1[0]->currentIndex();
    v.Bandwidth = Combo1[1]->currentIndex();
    v.Power = Combo1[2]->currentIndex();
    v.OptSig = Combo1[4]->currentIndex();
    v.DecKind = Combo1[5]->currentIndex();
    v.EncKind = Combo1[10]->currentIndex();
    v.Scrambler = Combo1[6]->currentIndex();
    v.DtmfPttId = Combo1[7]->currentIndex();
    v.FiveTonePttId = Combo1[8]->currentIndex();
    const int chosen = Combo1[9]->currentIndex();
    v.SquelchMode = chosen >= 0 && chosen < static_cast<int>(squelchOffered_.size()) ? squelchOffered_[chosen] : 0;
    v.ExtraDisplay = Combo1[12]->currentIndex();
    v.BusyLock = Combo1[13]->currentIndex();
    v.SquelchLevel = Combo1[15]->currentIndex();
    v.TwoToneDecode = Combo1[16]->currentIndex();
    v.OffsetMode = Combo1[17]->currentIndex();
    v.DecCtcss = Combo3[0]->currentIndex();
    v.EncCtcss = Combo3[1]->currentIndex();
    v.DecDcs = Combo3[2]->currentIndex();
    v.EncDcs = Combo3[3]->currentIndex();
    v.DecInvert = Check2[0]->isChecked() ? 1 : 0;
    v.EncInvert = Check2[1]->isChecked() ? 1 : 0;
    for (int k = 0; k < 4; ++k) v.IdIndex[k] = Combo4[k]->currentIndex();
    v.TxInhibit = Check1->isChecked() ? 1 : 0;
    v.PttIdFlag = Check3->isChecked() ? 1 : 0;
    v.Reverse = Check4[0]->isChecked() ? 1 : 0;
    v.TalkAround = Check4[1]->isChecked() ? 1 : 0;
    v.Compander = Check5->isChecked() ? 1 : 0;
    v.ScanSkip = Check6->isChecked() ? 1 : 0;
    v.PttIdDecode = Check7->isChecked() ? 1 : 0;
    v.PttIdCode = ToBytes(Text2->text());
    v.CustomCtcss = ToBytes(Text3->text());
    for (int b = 0; b < kBankCount && b < ListBank->count(); ++b)
        v.Banks[b] = ListBank->item(b)->checkState() == Qt::Checked;
    return v;
}

void FrmCHEdit::CommandOK_Click() {
    Text3_LostFocus();
    const ChannelStoreResult r = StoreChannelEdit(st_, lists_, channelNo_, Values(),
                                                  [](const std::string& t, int style) { MsgBox(Q(t), style); });
    kit::SetText(Text2, FromBytes(r.PttIdCode));
    if (r.Outcome == ChannelStoreOutcome::Refused) {
        Text1[0]->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (r.Outcome == ChannelStoreOutcome::Stored) {
        kit::SetText(Text1[0], Q(r.RxText));
        kit::SetComboListIndex(Combo2, r.Shift);
        kit::SetText(Text1[1], Q(r.OffsetText));
        kit::SetText(Text3, Q(r.CustomCtcss));
    }
    if (ReShowGrid) ReShowGrid(channelNo_);
    CheckChannelRefs(st_);
    accept();
}

void FrmCHEdit::CommandCancel_Click() { reject(); }

}  // namespace rp
