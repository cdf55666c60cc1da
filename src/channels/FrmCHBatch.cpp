#include "channels/FrmCHBatch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <chrono>
#include <random>

#include "model/Values.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "kit/ScreenFit.h"
#include "kit/ShellText.h"

namespace rp {

namespace {

// The dialog's layout numbers are twips; 15 twips make a pixel on a 96 dpi screen.
int P(int twips) { return (twips + 7) / 15; }

constexpr int kTextHeight = 285;
constexpr int kComboHeight = 315;
constexpr int kCheckHeight = 255;

std::string S(const QString& s) { return s.toStdString(); }

// Each view reads as two panels side by side (the edit view's split by its line, the function
// view's two lists of switches): each panel's fields are walked whole (Tab, and Enter that moves
// on like it) before the other's, so a value typed on the left never lands in a list on the
// right. The panels end at bottom; what lies below them (the function view's buttons) and
// controls beyond the frame stay where they are.
void SplitInPanels(QWidget* frame, int leftEnd, int rightStart, int bottom, const char* names[2]) {
    QWidget* const sides[2] = {new QWidget(frame), new QWidget(frame)};
    sides[0]->setObjectName(names[0]);
    sides[0]->setGeometry(0, 0, leftEnd, bottom);
    sides[1]->setObjectName(names[1]);
    sides[1]->setGeometry(rightStart, 0, frame->width() - rightStart, bottom);
    const QObjectList kids = frame->children();
    for (QObject* o : kids) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w == sides[0] || w == sides[1]) continue;
        for (QWidget* side : sides) {
            if (!side->geometry().contains(w->pos())) continue;
            const QPoint at = w->pos() - side->pos();
            const bool hidden = w->isHidden();
            w->setParent(side);  // which hides it
            w->move(at);
            w->setHidden(hidden);
            break;
        }
    }
}

void SplitAtLine(QWidget* frame, QWidget* line) {
    const char* names[2] = {"PanelLeft", "PanelRight"};
    SplitInPanels(frame, line->x(), line->geometry().right() + 1, frame->height(), names);
}

}  // namespace

FrmCHBatch::FrmCHBatch(AppState& s, std::function<void()> redraw, QWidget* parent)
    : QDialog(parent), s_(s), redraw_(std::move(redraw)) {
    setObjectName("FrmCHBatch");
    MakeRandom = [] {
        auto gen = std::make_shared<std::mt19937>(
            static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
        return BatchRandom([gen] { return std::uniform_real_distribution<double>(0.0, 1.0)(*gen); });
    };
    BuildControls();

    IsFunView = false;
    InitShowList();
    ChangShowByLanguage();
    MakeRoomForCaptions();
    SplitAtLine(Frame1, Line1);
    // At its final size: a laptop screen with a title bar and a panel is shorter than the dialog.
    kit::FitScreen(this, {CommandApply, CommandClose});
    SetShowData();
}

void FrmCHBatch::BuildControls() {
    QFont font("Arial");
    font.setPointSize(9);
    setFont(font);
    setFixedSize(P(9585), P(9795));

    auto name = [](QWidget* w, const QString& n) { w->setObjectName(n); };
    auto place = [](QWidget* w, int x, int y, int width, int height) { w->setGeometry(P(x), P(y), P(width), P(height)); };
    auto label = [&](QWidget* parent, const QString& n, int x, int y) {
        auto* l = new QLabel(parent);
        name(l, n);
        l->move(P(x), P(y));
        return l;
    };
    auto text = [&](QWidget* parent, const QString& n, int x, int y, int width) {
        auto* e = new QLineEdit(parent);
        name(e, n);
        place(e, x, y, width, kTextHeight);
        kit::SelectAllOnFocus(e);
        kit::BlockClipboardKeys(e);
        return e;
    };
    auto check = [&](QWidget* parent, const QString& n, int x, int y, int width) {
        auto* c = new QCheckBox(parent);
        name(c, n);
        place(c, x, y, width, kCheckHeight);
        return c;
    };
    auto option = [&](QWidget* parent, const QString& n, int x, int y, int width) {
        auto* o = new QRadioButton(parent);
        name(o, n);
        place(o, x, y, width, kCheckHeight);
        return o;
    };
    auto button = [&](const QString& n, int x, int y, int width, int height, QWidget* parent) {
        auto* b = new QPushButton(parent);
        name(b, n);
        place(b, x, y, width, height);
        return b;
    };
    auto combo = [&](QWidget* parent, int i, int x, int y, int width) {
        auto* c = new QComboBox(parent);
        name(c, QString("Combo1_%1").arg(i));
        place(c, x, y, width, kComboHeight);
        Combo1[i] = c;
        return c;
    };
    // Each option group sits in a borderless frame of its own.
    auto group = [&](QWidget* parent, int x, int y, int width, int height) {
        auto* f = new QFrame(parent);
        f->setFrameShape(QFrame::NoFrame);
        place(f, x, y, width, height);
        return f;
    };
    auto pair = [&](QWidget* parent, QRadioButton** o, const QString& n, int x, int y) {
        QFrame* f = group(parent, x, y, 2895, 495);
        auto* g = new QButtonGroup(f);
        for (int i = 0; i < 2; ++i) {
            o[i] = option(f, QString("%1_%2").arg(n).arg(i), i == 0 ? 120 : 1560, 120, 1400);
            g->addButton(o[i]);
        }
    };
    // A captioned column of options in a frame of its own: the caption on top, one option a row.
    auto column = [&](QWidget* parent, int x, int y, int height, const char* caption, QRadioButton** o,
                      const QString& n, int count) {
        QFrame* f = group(parent, x, y, 1815, height);
        QLabel* l = label(f, caption, 0, 0);
        auto* g = new QButtonGroup(f);
        for (int i = 0; i < count; ++i) {
            o[i] = option(f, QString("%1_%2").arg(n).arg(i), 0, 240 + 360 * i, 1815);
            g->addButton(o[i]);
        }
        return l;
    };

    // Range line.
    Label1 = label(this, "Label1", 1080, 120);
    auto* rangeGroup = new QButtonGroup(this);
    Option1[0] = option(this, "Option1_0", 1920, 120, 1815);
    Option1[1] = option(this, "Option1_1", 1920, 480, 1815);
    rangeGroup->addButton(Option1[0]);
    rangeGroup->addButton(Option1[1]);
    Text1[0] = text(this, "Text1_0", 3840, 480, 615);
    Label2 = label(this, "Label2", 4800, 480);
    Text1[1] = text(this, "Text1_1", 6000, 480, 615);
    kit::SetText(Text1[0], "0");
    kit::SetText(Text1[1], "199");
    Check4 = check(this, "Check4", 4560, 120, 4695);
    CommandFun = button("CommandFun", 7080, 480, 2415, 375, this);

    // The two views.
    Frame1 = new QFrame(this);
    name(Frame1, "Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    place(Frame1, 120, 840, 9375, 8295);
    Frame2 = new QFrame(this);
    name(Frame2, "Frame2");
    Frame2->setFrameShape(QFrame::StyledPanel);
    place(Frame2, 120, 840, 9375, 7335);
    Frame2->hide();

    CommandApply = button("CommandApply", 2640, 9240, 1095, 375, this);
    CommandClose = button("CommandClose", 5520, 9240, 1095, 375, this);

    // Edit view, left column.
    QWidget* f1 = Frame1;
    for (int i = 0; i < 17; ++i) Label3[i] = nullptr;
    Label3[0] = label(f1, "Label3_0", 120, 240);
    Text2[0] = text(f1, "Text2_0", 2040, 480, 1575);
    Text2[1] = text(f1, "Text2_1", 2040, 840, 1575);
    pair(f1, Option2, "Option2", 3840, 720);

    Label3[1] = column(f1, 120, 1200, 1215, "Label3_1", Option3, "Option3", 3);
    Text2[2] = text(f1, "Text2_2", 2040, 1800, 1575);
    Text2[3] = text(f1, "Text2_3", 2040, 2160, 1575);
    Text2[4] = text(f1, "Text2_4", 2040, 2520, 1575);
    pair(f1, Option4, "Option4", 3840, 1680);
    pair(f1, Option5, "Option5", 3840, 2400);

    Label3[2] = label(f1, "Label3_2", 120, 2880);
    combo(f1, 0, 2040, 3120, 1575);
    Text2[5] = text(f1, "Text2_5", 2040, 3480, 1575);
    Check3[0] = check(f1, "Check3_0", 3960, 3120, 1400);
    pair(f1, Option9, "Option9", 3840, 3360);

    Label3[3] = label(f1, "Label3_3", 120, 3720);
    combo(f1, 1, 2040, 3960, 1575);
    Text2[6] = text(f1, "Text2_6", 2040, 4320, 1575);
    Check3[2] = check(f1, "Check3_2", 3960, 3960, 1400);
    Check3[1] = check(f1, "Check3_1", 5400, 3960, 1400);
    pair(f1, Option10, "Option10", 3840, 4200);

    Label3[4] = column(f1, 120, 4700, 855, "Label3_4", Option6, "Option6", 2);
    Text2[7] = text(f1, "Text2_7", 2040, 4920, 1575);
    Text2[8] = text(f1, "Text2_8", 2040, 5280, 1575);
    Text2[9] = text(f1, "Text2_9", 2040, 5640, 1575);
    pair(f1, Option7, "Option7", 3840, 5520);

    Check1[0] = check(f1, "Check1_0", 120, 6240, 1600);
    Check1[1] = check(f1, "Check1_1", 1800, 6240, 1600);
    Check1[2] = check(f1, "Check1_2", 120, 6480, 1600);
    Check1[3] = check(f1, "Check1_3", 3840, 6240, 1600);
    Check1[4] = check(f1, "Check1_4", 3840, 6480, 1600);

    // Sub-captions; their places follow their texts (ChangShowByLanguage).
    for (int i = 0; i < 10; ++i) Label4[i] = label(f1, QString("Label4_%1").arg(i), 0, 0);

    // Edit view, right column.
    Line1 = new QFrame(f1);
    name(Line1, "Line1");
    Line1->setFrameShape(QFrame::VLine);
    place(Line1, 6840, 120, 30, 8280);
    struct RightRow { int label, combo, top; };
    const RightRow right[] = {{6, 2, 240}, {7, 3, 840}, {8, 4, 1440}, {9, 5, 2040}, {16, 16, 4080},
                              {10, 6, 4680}, {11, 7, 5280}, {12, 8, 5880}, {14, 10, 6480}, {15, 15, 7080}};
    for (const RightRow& r : right) {
        Label3[r.label] = label(f1, QString("Label3_%1").arg(r.label), 7080, r.top);
        combo(f1, r.combo, 7080, r.top + 240, 2175);
    }
    for (int i = 11; i <= 14; ++i) combo(f1, i, 7080, 2640 + 360 * (i - 11), 2175);
    Label5 = label(f1, "Label5", 7080, 7680);
    Text3 = text(f1, "Text3", 7080, 7920, 2175);
    // Function 12's row lies right of the visible area, as it always has.
    Label3[13] = label(f1, "Label3_13", 10200, 5520);
    combo(f1, 9, 10200, 5760, 2175);
    // Controls that belong to no function, outside the visible area.
    Label3[5] = label(f1, "Label3_5", 10200, 240);
    Text2[10] = text(f1, "Text2_10", 10200, 6480, 1575);
    Text2[11] = text(f1, "Text2_11", 10200, 6840, 1575);
    pair(f1, Option8, "Option8", 10200, 7200);

    // Function-selection view.
    struct SwitchPlace { int k, x, y; };
    const SwitchPlace switches[] = {
        {0, 120, 240}, {1, 120, 600}, {2, 120, 960}, {3, 120, 1320}, {4, 120, 1680}, {14, 120, 2040},
        {16, 120, 2400}, {17, 120, 2760}, {18, 120, 3120}, {5, 4920, 240}, {6, 4920, 600}, {7, 4920, 960},
        {8, 4920, 1320}, {9, 4920, 1680}, {10, 4920, 2040}, {13, 4920, 2400}, {12, 4920, 2760},
        {19, 4920, 3120}, {11, 4920, 3480}, {20, 4920, 3840}, {15, 120, 3480}};
    for (const SwitchPlace& sp : switches)
        Check2[sp.k] = check(Frame2, QString("Check2_%1").arg(sp.k), sp.x, sp.y, 4095);
    Check2[kBatchCompander]->hide();  // nothing ever shows the compander switch
    CommandSelAll = button("CommandSelAll", 2640, 5640, 1455, 375, Frame2);
    CommandSelNone = button("CommandSelNone", 4200, 5640, 1455, 375, Frame2);
    // Its two lists, the right one from the step's switch on, above the two buttons.
    const char* funNames[2] = {"FunPanelLeft", "FunPanelRight"};
    const int rightList = Check2[kBatchStep]->x();
    SplitInPanels(Frame2, rightList, rightList, CommandSelAll->y(), funNames);

    // Key filters and typing limits.
    for (QLineEdit* e : Text1) {
        kit::SetKeyFilter(e, kit::Keys::Digits, 3);
        kit::EnterMovesFocus(e);
    }
    const int limits[12] = {9, 6, 8, 9, 6, 2, 2, 6, 6, 6, 10, 10};
    for (int i = 0; i < 12; ++i) {
        if (i == 7) {
            kit::KeyFilter f;
            f.Allowed = [](QChar c) {
                return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                       (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
            };
            f.MaxTyped = limits[i];
            kit::SetKeyFilter(Text2[i], f);
        } else {
            kit::SetKeyFilter(Text2[i], i <= 4 ? kit::Keys::DigitsDot : kit::Keys::Digits, limits[i]);
        }
        kit::OnEnter(Text2[i], [this, i] {
            Text2_LostFocus(i);
            focusNextChild();
        });
        kit::OnLeave(Text2[i], [this, i] { Text2_LostFocus(i); });
    }
    kit::SetKeyFilter(Text3, kit::Keys::DigitsDot, 5);
    kit::EnterMovesFocus(Text3);
    kit::OnLeave(Text3, [this] { Text3_LostFocus(); });
    kit::SkipLeaveCheck(CommandClose);
    kit::NoDefaultButtons(this);
    kit::FirstDownChoosesFirstLine(this);
    kit::TabOrderByLayout(this, {CommandApply, CommandClose});
    kit::FocusFrameFromStart(this);

    // User input only; code sets values silently and calls the handlers itself.
    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::clicked, this, [this] { Option1_Click(); });
        connect(Text1[i], &QLineEdit::textEdited, this, [this, i] { Text1_Change(i); });
        connect(Option6[i], &QRadioButton::clicked, this, [this] { Option6_Click(); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(Option3[i], &QRadioButton::clicked, this, [this] { Option3_Click(); });
        connect(Check3[i], &QCheckBox::clicked, this, [this, i] { Check3_Click(i); });
    }
    for (int i = 0; i < 5; ++i) connect(Check1[i], &QCheckBox::clicked, this, [this, i] { Check1_Click(i); });
    for (int i = 0; i < 17; ++i)
        connect(Combo1[i], &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
    for (int i : {1, 4}) connect(Text2[i], &QLineEdit::textEdited, this, [this, i] { Text2_Change(i); });
    for (int k = 0; k < kBatchFunCount; ++k)
        connect(Check2[k], &QCheckBox::clicked, this, [this, k] { Check2_Click(k); });
    connect(CommandFun, &QPushButton::clicked, this, &FrmCHBatch::CommandFun_Click);
    connect(CommandSelAll, &QPushButton::clicked, this, &FrmCHBatch::CommandSelAll_Click);
    connect(CommandSelNone, &QPushButton::clicked, this, &FrmCHBatch::CommandSelNone_Click);
    connect(CommandApply, &QPushButton::clicked, this, &FrmCHBatch::CommandApply_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FrmCHBatch::CommandClose_Click);
}

void FrmCHBatch::InitShowList() {
    const BatchLists l = GetBatchLists(s_);
    kit::FillCombo(Combo1[0], l.Tones);
    kit::FillCombo(Combo1[1], l.Tones);
    kit::FillCombo(Combo1[2], l.Step);
    kit::FillCombo(Combo1[3], l.Spacing);
    kit::FillCombo(Combo1[4], l.Power);
    kit::FillCombo(Combo1[5], l.Signal);
    kit::FillCombo(Combo1[6], l.SquelchMode);
    kit::FillCombo(Combo1[7], l.PttId);
    kit::FillCombo(Combo1[8], l.PttId);
    kit::FillCombo(Combo1[9], l.Scrambler);
    kit::FillCombo(Combo1[10], l.BusyLock);
    kit::FillCombo(Combo1[11], l.Entries.DTMF);
    kit::FillCombo(Combo1[12], l.Entries.TwoTone);
    kit::FillCombo(Combo1[13], l.Entries.FiveTone);
    kit::FillCombo(Combo1[14], l.Entries.MSK);
    kit::FillCombo(Combo1[15], l.SquelchLevel);
    kit::FillCombo(Combo1[16], l.Entries.TwoToneDecode);
}

// Each sub-caption ends 100 twips before its field.
void FrmCHBatch::PlaceSubCaptions() {
    QWidget* fields[8] = {Text2[0], Text2[1], Text2[4], Combo1[0], Text2[5], Combo1[1], Text2[6], Text2[9]};
    for (int i = 0; i < 8; ++i) {
        Label4[i]->adjustSize();
        Label4[i]->move(std::max(0, fields[i]->x() - Label4[i]->width() - P(100)), fields[i]->y() + 2);
    }
}

// The left column's captions ("Start Frequency (MHz)" as caption and as option) are wider than
// the room left of the value boxes in some languages and fonts: the boxes, everything right of
// them and the dialog move over instead of the captions being cut.
void FrmCHBatch::MakeRoomForCaptions() {
    const int boxes = Text2[0]->x();
    int need = 0;
    for (int i = 0; i < 8; ++i) need = std::max(need, P(120) + Label4[i]->sizeHint().width() + P(100));
    for (QRadioButton* o : {Option3[0], Option3[1], Option3[2], Option6[0], Option6[1]})
        need = std::max(need, o->parentWidget()->x() + o->sizeHint().width() + P(100));
    const int d = need - boxes;
    if (d <= 0) return;
    for (QObject* o : Frame1->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr) continue;
        if (w->x() >= boxes) {
            w->move(w->x() + d, w->y());
        } else if (w == Option3[0]->parentWidget() || w == Option6[0]->parentWidget()) {
            w->resize(w->width() + d, w->height());
            for (QObject* c : w->children())
                if (auto* r = qobject_cast<QRadioButton*>(c)) r->resize(r->width() + d, r->height());
        }
    }
    for (QFrame* f : {Frame1, Frame2}) f->resize(f->width() + d, f->height());
    CommandFun->move(CommandFun->x() + d, CommandFun->y());
    CommandClose->move(CommandClose->x() + d, CommandClose->y());
    setFixedSize(width() + d, height());
    PlaceSubCaptions();
}

void FrmCHBatch::ChangShowByLanguage() {
    auto L = [this](int id) { return LangQ(s_, id); };
    setWindowTitle(PlainCaption(L(4000)));
    Label1->setText(L(4001));
    Option1[0]->setText(L(4002));
    Option1[1]->setText(L(4003));
    Label2->setText(L(4004));
    CommandFun->setText(L(IsFunView ? 4006 : 4005));
    CommandApply->setText(L(4007));
    CommandClose->setText(L(4008));
    CommandSelAll->setText(L(4045));
    CommandSelNone->setText(L(4046));
    Check4->setText(L(4099));
    for (int n = 0; n <= 14; ++n) Label3[n]->setText(L(4010 + n));
    Label3[15]->setText(L(1119));
    Label3[16]->setText(L(4039));
    for (int n = 0; n <= 4; ++n) Check1[n]->setText(L(4025 + n));
    for (int k = 0; k <= 4; ++k) Check2[k]->setText(L(4010 + k));
    for (int k = 5; k <= 18; ++k) Check2[k]->setText(L(4011 + k));
    Check2[19]->setText(L(4030));
    Label5->setText(L(4030));
    Check2[20]->setText(L(1119));
    for (QRadioButton** pairOf : {Option2, Option5, Option7, Option9, Option10}) {
        pairOf[0]->setText(L(4040));
        pairOf[1]->setText(L(4041));
    }
    Option4[0]->setText(L(4042));
    Option4[1]->setText(L(4043));
    Check3[0]->setText(L(4044));
    Check3[1]->setText(L(4044));
    Check3[2]->setText(L(4052));
    Option3[0]->setText(L(4052));
    Option3[1]->setText(L(4053));
    Option3[2]->setText(L(4050));
    const int label4Texts[8] = {4050, 4051, 4054, 4055, 4056, 4055, 4056, 4059};
    for (int i = 0; i < 8; ++i) Label4[i]->setText(L(label4Texts[i]));
    Option6[0]->setText(L(4057));
    Option6[1]->setText(L(4058));
    for (QLabel* l : Label3)
        if (l) l->adjustSize();
    Label5->adjustSize();
    Label1->adjustSize();
    Label2->adjustSize();
    // A caption wider than its place ends before the control it names instead of under it.
    Label1->move(std::max(P(60), std::min(P(1080), Option1[0]->x() - Label1->width() - P(100))), Label1->y());

    Frame1->setHidden(IsFunView);
    Frame2->setHidden(!IsFunView);

    PlaceSubCaptions();
    // The two that belong to nothing stay out of sight.
    Label4[8]->move(P(10200), P(7560));
    Label4[9]->move(P(10200), P(7920));
}

std::vector<QWidget*> FrmCHBatch::RowControls(int k) const {
    switch (k) {
        case 0: return {Label3[0], Label4[0], Text2[0], Label4[1], Text2[1], Option2[0], Option2[1]};
        case 1:
            return {Label3[1], Option3[0], Option3[1], Option3[2], Text2[2], Text2[3], Label4[2], Text2[4],
                    Option4[0], Option4[1], Option5[0], Option5[1]};
        case 2: return {Label3[2], Label4[3], Combo1[0], Label4[4], Text2[5], Check3[0], Option9[0], Option9[1]};
        case 3:
            return {Label3[3], Label4[5], Combo1[1], Label4[6], Text2[6], Check3[1], Check3[2], Option10[0], Option10[1]};
        case 4: return {Label3[4], Option6[0], Option6[1], Text2[7], Text2[8], Label4[7], Text2[9], Option7[0], Option7[1]};
        case 5: return {Label3[6], Combo1[2]};
        case 6: return {Label3[7], Combo1[3]};
        case 7: return {Label3[8], Combo1[4]};
        case 8: return {Label3[9], Combo1[5], Combo1[11], Combo1[12], Combo1[13], Combo1[14], Label3[16], Combo1[16]};
        case 9: return {Label3[10], Combo1[6]};
        case 10: return {Label3[11], Combo1[7]};
        case 11: return {Label3[12], Combo1[8]};
        case 12: return {Label3[13], Combo1[9]};
        case 13: return {Label3[14], Combo1[10]};
        case 14: return {Check1[0]};
        case 15: return {Check1[1]};
        case 16: return {Check1[2]};
        case 17: return {Check1[3]};
        case 18: return {Check1[4]};
        case 19: return {Label5, Text3};
        case 20: return {Label3[15], Combo1[15]};
        default: return {};
    }
}

void FrmCHBatch::SetRowShown(int k, bool on) {
    for (QWidget* w : RowControls(k)) w->setHidden(!on);
    // The MSK entry list goes with the model that has MSK.
    if (k == kBatchSignal && on) Combo1[14]->setHidden(s_.CurModelCode != "6173USD");
}

void FrmCHBatch::ShowBatchFun() {
    for (int k = 0; k < kBatchFunCount; ++k) SetRowShown(k, s_.BatchFunFlags[k] > 0);
}

void FrmCHBatch::SetShowData() {
    // 1. Every switch that is on ticks its box; each tick runs its click as the user's would.
    for (int k = 0; k < kBatchFunCount; ++k) {
        const bool on = IsBatchFunOn(s_.BatchFunFlags[k]) == 1;
        if (on == Check2[k]->isChecked()) continue;
        kit::SetChecked(Check2[k], on);
        Check2_Click(k);
    }
    // 2.
    ShowBatchFun();
    // 3. Default texts.
    kit::SetText(Text2[0], Q(FormatFixed(s_.RxBandLow[0], 5)));
    kit::SetText(Text2[1], "0");
    kit::SetText(Text2[2], "0.00000");
    kit::SetText(Text2[3], Q(FormatFixed(s_.TxBandLow[0], 5)));
    for (int i : {4, 5, 6, 8, 9}) kit::SetText(Text2[i], "0");
    // 4. The encode tone follows the decode tone.
    kit::SetChecked(Check3[2], true);
    Check3_Click(2);
    // 5. The first option of each group.
    kit::SetChecked(Option1[0], true);
    Option1_Click();
    kit::SetChecked(Option2[0], true);
    kit::SetChecked(Option3[0], true);
    Option3_Click();
    kit::SetChecked(Option4[0], true);
    kit::SetChecked(Option5[0], true);
    kit::SetChecked(Option6[0], true);
    Option6_Click();
    kit::SetChecked(Option7[0], true);
    kit::SetChecked(Option9[0], true);
    kit::SetChecked(Option10[0], true);
    // 6. The first item of every list that has one.
    for (int i = 0; i < 17; ++i) {
        if (Combo1[i]->count() == 0) continue;
        kit::SetComboIndex(Combo1[i], 0);
        Combo1_Click(i);
    }
    // 7.
    kit::SetComboIndex(Combo1[15], 3);
}

void FrmCHBatch::Check2_Click(int index) {
    if (index < 0 || index >= kBatchFunCount) return;
    const bool on = Check2[index]->isChecked();
    s_.BatchFunFlags[index] = on ? 1 : 0;
    SetRowShown(index, on);
    SaveBatchFun(s_);  // a failure keeps the switch for this run, without a message
}

void FrmCHBatch::CommandFun_Click() {
    IsFunView = !IsFunView;
    CommandFun->setText(LangQ(s_, IsFunView ? 4006 : 4005));
    Frame1->setHidden(IsFunView);
    Frame2->setHidden(!IsFunView);
}

void FrmCHBatch::SetAllSwitches(bool on) {
    for (int k = 0; k < kBatchFunCount; ++k) {
        // The box's own flag, so the choice works from either view; the compander box is hidden.
        if (!kit::IsShown(Check2[k]) || Check2[k]->isChecked() == on) continue;
        kit::SetChecked(Check2[k], on);
        Check2_Click(k);
    }
}

void FrmCHBatch::CommandSelAll_Click() { SetAllSwitches(true); }
void FrmCHBatch::CommandSelNone_Click() { SetAllSwitches(false); }
void FrmCHBatch::CommandClose_Click() { reject(); }

// ---- Input rules ----

void FrmCHBatch::Option1_Click() {
    const bool range = Option1[1]->isChecked();
    for (QLineEdit* e : Text1) e->setEnabled(range);
}

void FrmCHBatch::Option3_Click() {
    const bool offset = Option3[1]->isChecked();
    const bool start = Option3[2]->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(Text2[2]), static_cast<QWidget*>(Option4[0]), static_cast<QWidget*>(Option4[1])})
        w->setEnabled(offset);
    for (QWidget* w : {static_cast<QWidget*>(Text2[3]), static_cast<QWidget*>(Text2[4]), static_cast<QWidget*>(Option5[0]),
                       static_cast<QWidget*>(Option5[1])})
        w->setEnabled(start);
}

void FrmCHBatch::Option6_Click() {
    const bool numeric = Option6[1]->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(Text2[8]), static_cast<QWidget*>(Text2[9]), static_cast<QWidget*>(Option7[0]),
                       static_cast<QWidget*>(Option7[1])})
        w->setEnabled(numeric);
}

void FrmCHBatch::Check3_Click(int index) {
    auto setRow = [](std::initializer_list<QWidget*> ws, bool enabled) {
        for (QWidget* w : ws) w->setEnabled(enabled);
    };
    switch (index) {
        case 0: setRow({Combo1[0], Text2[5], Option9[0], Option9[1]}, !Check3[0]->isChecked()); break;
        case 1: setRow({Combo1[1], Text2[6], Option10[0], Option10[1]}, !Check3[1]->isChecked()); break;
        case 2:
            if (Check3[2]->isChecked()) {
                setRow({Check3[1], Combo1[1], Text2[6], Option10[0], Option10[1]}, false);
            } else {
                // The random tick, kept while disabled, comes back into force.
                Check3[1]->setEnabled(true);
                Check3_Click(1);
            }
            break;
        default: break;
    }
}

void FrmCHBatch::Check1_Click(int index) {
    if (index == 3 && Check1[3]->isChecked() && Check1[4]->isChecked()) kit::SetChecked(Check1[4], false);
    if (index == 4 && Check1[4]->isChecked() && Check1[3]->isChecked()) kit::SetChecked(Check1[3], false);
}

void FrmCHBatch::Combo1_Click(int index) {
    if (index == 5) {
        for (int i = 11; i <= 14; ++i) Combo1[i]->setEnabled(false);
        const QString t = Combo1[5]->currentText();
        if (t == "DTMF") Combo1[11]->setEnabled(true);
        else if (t == "2Tone{DN}") Combo1[12]->setEnabled(true);
        else if (t == "5Tone") Combo1[13]->setEnabled(true);
        else if (t == "MSK{DN}") Combo1[14]->setEnabled(true);
    } else if (index == 7) {
        if (Combo1[7]->currentIndex() >= 1 && Combo1[8]->currentIndex() >= 1) kit::SetComboIndex(Combo1[8], 0);
    } else if (index == 8) {
        if (Combo1[8]->currentIndex() >= 1 && Combo1[7]->currentIndex() >= 1) kit::SetComboIndex(Combo1[7], 0);
    }
}

void FrmCHBatch::Text1_Change(int index) {
    QLineEdit* e = Text1[index];
    const QString clamped = Q(ClampRangeText(S(e->text())));
    if (clamped == e->text()) return;
    kit::SetText(e, clamped);
    e->setCursorPosition(static_cast<int>(clamped.size()));
}

void FrmCHBatch::Text2_Change(int index) {
    QLineEdit* e = Text2[index];
    const QString clamped = Q(ClampStepText(S(e->text())));
    if (clamped != e->text()) {
        kit::SetText(e, clamped);
        e->setCursorPosition(static_cast<int>(clamped.size()));
    }
}

void FrmCHBatch::Text2_LostFocus(int index) {
    if (index < 0 || index > 11 || index == 7) return;
    const std::string related = index == 9 ? S(Text2[8]->text()) : index == 11 ? S(Text2[10]->text()) : std::string();
    const QString t = Q(NormaliseBatchField(s_, index, S(Text2[index]->text()), related));
    if (t != Text2[index]->text()) kit::SetText(Text2[index], t);
}

void FrmCHBatch::Text3_LostFocus() {
    const QString t = Q(GetCTCSSShowStr(S(Text3->text())));
    if (t != Text3->text()) kit::SetText(Text3, t);
}

// ---- Apply ----

BatchSettings FrmCHBatch::Settings() const {
    BatchSettings b;
    b.AllChannels = !Option1[1]->isChecked();
    b.FromText = S(Text1[0]->text());
    b.ToText = S(Text1[1]->text());
    b.DeleteOutside = Check4->isChecked();
    b.RxStart = S(Text2[0]->text());
    b.RxStep = S(Text2[1]->text());
    b.RxIncrease = !Option2[1]->isChecked();
    b.TxRule = Option3[2]->isChecked() ? 2 : Option3[1]->isChecked() ? 1 : 0;
    b.TxOffset = S(Text2[2]->text());
    b.OffsetPlus = !Option4[1]->isChecked();
    b.TxStart = S(Text2[3]->text());
    b.TxStep = S(Text2[4]->text());
    b.TxIncrease = !Option5[1]->isChecked();
    b.DecTone = {Combo1[0]->currentIndex(), S(Text2[5]->text()), Check3[0]->isChecked(), !Option9[1]->isChecked()};
    b.EncTone = {Combo1[1]->currentIndex(), S(Text2[6]->text()), Check3[1]->isChecked(), !Option10[1]->isChecked()};
    b.EncFollowsDec = Check3[2]->isChecked();
    b.NumericName = Option6[1]->isChecked();
    b.NameText = S(Text2[7]->text());
    b.StartId = S(Text2[8]->text());
    b.IdStep = S(Text2[9]->text());
    b.IdIncrease = !Option7[1]->isChecked();
    b.StepIndex = Combo1[2]->currentIndex();
    b.Spacing = Combo1[3]->currentIndex();
    b.Power = Combo1[4]->currentIndex();
    b.SignalText = S(Combo1[5]->currentText());
    b.DTMFText = S(Combo1[11]->currentText());
    b.TwoToneText = S(Combo1[12]->currentText());
    b.FiveToneText = S(Combo1[13]->currentText());
    b.MSKText = S(Combo1[14]->currentText());
    b.DecodeText = S(Combo1[16]->currentText());
    b.SquelchMode = Combo1[6]->currentIndex();
    b.DTMFPttId = Combo1[7]->currentIndex();
    b.FiveTonePttId = Combo1[8]->currentIndex();
    b.Scrambler = Combo1[9]->currentIndex();
    b.BusyLock = Combo1[10]->currentIndex();
    for (int i = 0; i < 5; ++i) b.Checks[i] = Check1[i]->isChecked();
    b.CustomTone = S(Text3->text());
    b.SquelchLevel = Combo1[15]->currentIndex();
    return b;
}

void FrmCHBatch::ShowSettings(const BatchSettings& b) {
    auto set = [](QLineEdit* e, const std::string& t) {
        if (e->text() != Q(t)) kit::SetText(e, Q(t));
    };
    set(Text1[0], b.FromText);
    set(Text1[1], b.ToText);
    set(Text2[0], b.RxStart);
    set(Text2[1], b.RxStep);
    set(Text2[2], b.TxOffset);
    set(Text2[3], b.TxStart);
    set(Text2[4], b.TxStep);
    set(Text2[5], b.DecTone.Interval);
    set(Text2[6], b.EncTone.Interval);
    set(Text2[8], b.StartId);
    set(Text2[9], b.IdStep);
    set(Text3, b.CustomTone);
}

void FrmCHBatch::CommandApply_Click() {
    BatchSettings b = Settings();
    const BatchRandom random = MakeRandom ? MakeRandom() : BatchRandom();
    ApplyBatch(s_, b, random, [](const std::string& m) { MsgBox(Q(m), MsgStyle::OkOnly); });
    ShowSettings(b);
    if (redraw_) redraw_();
}

}  // namespace rp
