// The mouse wheel and the tab keys in the dialogs, driven on shown windows as a user does: the
// wheel scrolls a dialog and changes only the box the user has chosen; Ctrl+Tab and its kin
// switch tabs from any control of a page; a dialog with tabs opens on its first field. Runs in the
// real-window runs (CTest: ui_user_input_under_xvfb, ui_laptop_screen_under_xvfb and under a
// window manager); skipped offscreen.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <memory>
#include <string>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "UserDriver.h"
#include "fivetone/Frm5Tone.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "settings/FrmOption.h"
#include "signalling/Frm2Tone.h"
#include "signalling/FrmMSK.h"

using namespace rp;
using namespace rp::test;

namespace {

void PrepareData(AppState& st) {
    UseLanguage(st, kLanguageEnglish);
    InitMsgString(st);
    InitFunLangText(st);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, kLanguageEnglish);
}

std::string FocusName() {
    const QWidget* f = QApplication::focusWidget();
    return f ? f->objectName().toStdString() : "(none)";
}

// Tabs on until w has the focus, as a user reaches it.
void TabTo(QWidget* w) {
    for (int i = 0; i < 60 && !w->hasFocus(); ++i) Key(Qt::Key_Tab);
    ASSERT_TRUE(w->hasFocus()) << "Tab never reaches " << w->objectName().toStdString() << ", ends on " << FocusName();
}

// ---- The wheel over a list the user has not chosen -------------------------------------------

struct WheelCase {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(AppState&)> Make;
    std::function<QComboBox*(QDialog&)> Box;
    const char* Shown;  // the box's value, before and after the wheel
    int Notches;
    bool ScrollsOnALaptop;  // its body scrolls at 1280x720
    std::function<QPushButton*(QDialog&)> OK;
    std::function<int(const AppState&)> Stored;  // the value OK stores, as an index into the box
};

const WheelCase kWheelCases[] = {
    {"FunctionSettingsBacklightColour", [](AppState& st) { return std::make_unique<FrmOption>(st); },
     [](QDialog& d) {
         auto& o = static_cast<FrmOption&>(d);
         EXPECT_EQ(o.Label1[12]->text().toStdString(), "Backlight Colour");
         return o.Combo1[12];
     },
     "Orange", 3, true, [](QDialog& d) { return static_cast<FrmOption&>(d).CommandOK; },
     [](const AppState& st) { return static_cast<int>(st.CurRadioData.Signal.Option.BacklightColour); }},
    {"FiveTonePttIdBeginStandard", [](AppState& st) { return std::make_unique<Frm5Tone>(st); },
     [](QDialog& d) { return static_cast<Frm5Tone&>(d).Combo4[0]; }, "ZVEI1", 2, true,
     [](QDialog& d) { return static_cast<Frm5Tone&>(d).CommandOK; },
     [](const AppState& st) { return static_cast<int>(st.CurRadioData.Signal.FiveTone.PTTIDBegin.Standard); }},
    // A dialog whose body does not scroll: the wheel does nothing there.
    {"TwoToneCallFormat",
     [](AppState& st) {
         auto d = std::make_unique<Frm2Tone>(st, [] {});
         d->SSTab1->setCurrentIndex(1);
         return d;
     },
     [](QDialog& d) { return static_cast<Frm2Tone&>(d).Combo2[0]; }, "A-B", 2, false,
     [](QDialog& d) { return static_cast<Frm2Tone&>(d).CommandOK; },
     [](const AppState& st) { return static_cast<int>(st.CurRadioData.Signal.TwoTone.Encode.CallFormat); }},
};

void PrintTo(const WheelCase& c, std::ostream* os) { *os << c.Name; }

class UserInputWheel : public ::testing::TestWithParam<WheelCase> {};

}  // namespace

// Wheel notches over a list the user never chose leave its value and the focus where they were;
// the body scrolls instead where it can (always at 1280x720), and nothing moves where it cannot.
// OK stores the value the list had.
TEST_P(UserInputWheel, AListThePointerRestsOnKeepsItsValueAndTheBodyScrolls) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const WheelCase& c = GetParam();
    AppState st;
    PrepareData(st);
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    std::unique_ptr<QDialog> d = c.Make(st);
    d->setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(*d));
    QComboBox* box = c.Box(*d);
    ASSERT_EQ(box->currentText().toStdString(), c.Shown);
    const int index = box->currentIndex();
    ASSERT_EQ(c.Stored(st), index);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    ASSERT_NE(focus, box);
    auto* area = d->findChild<QScrollArea*>("ScreenFitArea");
    QScrollBar* bar = area ? area->verticalScrollBar() : nullptr;
    const bool scrolls = bar && bar->maximum() > bar->value();
    if (QGuiApplication::primaryScreen()->availableGeometry().height() <= 720 && c.ScrollsOnALaptop) {
        ASSERT_TRUE(scrolls) << "the body does not scroll at 1280x720";
    }
    const int before = bar ? bar->value() : 0;

    ASSERT_NO_FATAL_FAILURE(Wheel(box, -c.Notches));
    EXPECT_EQ(box->currentText().toStdString(), c.Shown);
    EXPECT_EQ(QApplication::focusWidget(), focus) << "the wheel moved the focus to " << FocusName();
    if (scrolls) {
        EXPECT_GT(bar->value(), before) << "the body did not scroll";
    } else if (bar) {
        EXPECT_EQ(bar->value(), before);
    }

    Click(c.OK(*d));
    ASSERT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(c.Stored(st), index);
    EXPECT_TRUE(msgs.Messages().empty());
}

// Named for both real-window runs: the large screen's and the laptop screen's.
INSTANTIATE_TEST_SUITE_P(LaptopScreenToo, UserInputWheel, ::testing::ValuesIn(kWheelCases),
                         [](const ::testing::TestParamInfo<WheelCase>& i) { return std::string(i.param.Name); });

// ---- The wheel over a list the user has chosen -----------------------------------------------

namespace {

struct ChosenCase {
    const char* Name;
    std::function<void(QWidget*)> Choose;  // gives the box the focus as the user does
};

const ChosenCase kChosen[] = {
    {"Clicked",
     [](QWidget* box) {
         Click(box);  // opens the list; Esc shuts it and leaves the box chosen
         ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
         QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
         ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000));
         Settle();
     }},
    {"Tabbed", [](QWidget* box) { TabTo(box); }},
};

void PrintTo(const ChosenCase& c, std::ostream* os) { *os << c.Name; }

class UserInputWheelChosen : public ::testing::TestWithParam<ChosenCase> {};

}  // namespace

// A list the user clicked or tabbed into takes the wheel, and OK stores what it chose.
TEST_P(UserInputWheelChosen, AChosenListChangesByTheWheel) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    FrmOption d(st);
    d.setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    QComboBox* box = d.Combo1[12];
    ASSERT_EQ(box->currentText().toStdString(), "Orange");
    ASSERT_NO_FATAL_FAILURE(GetParam().Choose(box));
    ASSERT_TRUE(box->hasFocus()) << FocusName();
    ASSERT_EQ(box->currentText().toStdString(), "Orange");
    ASSERT_NO_FATAL_FAILURE(Wheel(box, -1));
    EXPECT_EQ(box->currentText().toStdString(), "Blue");
    EXPECT_TRUE(box->hasFocus()) << FocusName();
    Click(d.CommandOK);
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(st.CurRadioData.Signal.Option.BacklightColour, 1);
}

INSTANTIATE_TEST_SUITE_P(LaptopScreenToo, UserInputWheelChosen, ::testing::ValuesIn(kChosen),
                         [](const ::testing::TestParamInfo<ChosenCase>& i) { return std::string(i.param.Name); });

// Any window's number and list boxes, made by any code: one not chosen passes the wheel on to
// the scrolled body, one chosen takes it.
TEST(UserInputKit, ANumberBoxChangesByTheWheelOnlyOnceChosen) {
    SKIP_WITHOUT_REAL_WINDOWS();
    QDialog dlg;
    auto* first = new QLineEdit(&dlg);
    auto* area = new QScrollArea(&dlg);
    area->setWidgetResizable(true);
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    std::vector<QSpinBox*> numbers;
    for (int i = 0; i < 30; ++i) {
        auto* n = new QSpinBox(body);
        n->setRange(0, 99);
        n->setValue(50);
        column->addWidget(n);
        numbers.push_back(n);
    }
    area->setWidget(body);
    auto* layout = new QVBoxLayout(&dlg);
    layout->addWidget(first);
    layout->addWidget(area);
    dlg.resize(300, 300);
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    first->setFocus(Qt::TabFocusReason);
    Settle();
    ASSERT_TRUE(first->hasFocus());
    QScrollBar* bar = area->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    ASSERT_EQ(bar->value(), 0);

    QSpinBox* over = numbers[1];
    ASSERT_NO_FATAL_FAILURE(Wheel(over, -1));
    EXPECT_GT(bar->value(), 0) << "the body did not scroll";
    for (QSpinBox* n : numbers) EXPECT_EQ(n->value(), 50) << "the wheel changed a box it passed over";
    EXPECT_TRUE(first->hasFocus()) << FocusName();

    bar->setValue(0);
    Settle();
    Click(over);
    ASSERT_TRUE(over->hasFocus()) << FocusName();
    const int at = bar->value();
    ASSERT_NO_FATAL_FAILURE(Wheel(over, -1));
    EXPECT_EQ(over->value(), 49);
    EXPECT_EQ(bar->value(), at);
}

// ---- The keys that switch tabs -----------------------------------------------------------------

namespace {

struct TabControl {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(AppState&)> Make;
    std::function<QTabWidget*(QDialog&)> Tabs;
    int Page;
    std::function<QWidget*(QDialog&)> Control;
};

// What the control holds: the key that switches tabs must leave it.
QString Value(const QWidget* w) {
    if (auto* c = qobject_cast<const QComboBox*>(w)) return QString::number(c->currentIndex()) + " " + c->currentText();
    if (auto* b = qobject_cast<const QCheckBox*>(w)) return b->isChecked() ? "checked" : "unchecked";
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    return {};
}

std::unique_ptr<QDialog> MakeTwoTone(AppState& st) { return std::make_unique<Frm2Tone>(st, [] {}); }
std::unique_ptr<QDialog> MakeMSK(AppState& st) { return std::make_unique<FrmMSK>(st); }
QTabWidget* TwoToneTabs(QDialog& d) { return static_cast<Frm2Tone&>(d).SSTab1; }
QTabWidget* MSKTabs(QDialog& d) { return static_cast<FrmMSK&>(d).SSTab1; }
Frm2Tone& TwoTone(QDialog& d) { return static_cast<Frm2Tone&>(d); }
FrmMSK& MSK(QDialog& d) { return static_cast<FrmMSK&>(d); }

const TabControl kTabControls[] = {
    {"TwoToneCallFormatList", MakeTwoTone, TwoToneTabs, 1, [](QDialog& d) { return TwoTone(d).Combo2[0]; }},
    {"TwoToneToneABox", MakeTwoTone, TwoToneTabs, 1, [](QDialog& d) { return TwoTone(d).Text2[0]; }},
    {"TwoToneTimingList", MakeTwoTone, TwoToneTabs, 0, [](QDialog& d) { return TwoTone(d).Combo1[0]; }},
    {"TwoToneTimingCheck", MakeTwoTone, TwoToneTabs, 0, [](QDialog& d) { return TwoTone(d).Check1; }},
    {"TwoToneDecodeCheck", MakeTwoTone, TwoToneTabs, 2,
     [](QDialog& d) { return TwoTone(d).Check2[kTwoToneDecodeTabs - 1]; }},
    {"MSKPttIdList", MakeMSK, MSKTabs, 1, [](QDialog& d) { return MSK(d).Combo2[1]; }},
    {"MSKOwnIdBox", MakeMSK, MSKTabs, 1, [](QDialog& d) { return MSK(d).Text2[0]; }},
    {"MSKEntryList", MakeMSK, MSKTabs, 0, [](QDialog& d) { return MSK(d).Combo1[0]; }},
    {"MSKEntryCheck", MakeMSK, MSKTabs, 0, [](QDialog& d) { return MSK(d).Check2; }},
};

struct SwitchKey {
    const char* Name;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    int Step;  // the tab it goes to, after (+1) or before (-1) the one shown
};

const SwitchKey kSwitchKeys[] = {
    {"CtrlTab", Qt::Key_Tab, Qt::ControlModifier, 1},
    {"CtrlShiftTab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1},
    {"CtrlPageDown", Qt::Key_PageDown, Qt::ControlModifier, 1},
    {"CtrlPageUp", Qt::Key_PageUp, Qt::ControlModifier, -1},
};

void PrintTo(const TabControl& c, std::ostream* os) { *os << c.Name; }
void PrintTo(const SwitchKey& k, std::ostream* os) { *os << k.Name; }

class UserInputTabSwitch : public ::testing::TestWithParam<std::tuple<TabControl, SwitchKey>> {};

}  // namespace

// From a list, a check box or a text box of a page the key shows the next or the previous tab
// (round from the last to the first), leaves the control's value as it was and the focus on
// the tab bar, as a click on a tab does.
TEST_P(UserInputTabSwitch, TheKeySwitchesTabsFromAnyControl) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const auto& [c, key] = GetParam();
    AppState st;
    PrepareData(st);
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    std::unique_ptr<QDialog> d = c.Make(st);
    d->setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(*d));
    QTabWidget* tabs = c.Tabs(*d);
    QTabBar* bar = tabs->tabBar();
    if (tabs->currentIndex() != c.Page) Click(bar, bar->tabRect(c.Page).center());
    ASSERT_EQ(tabs->currentIndex(), c.Page);
    QWidget* control = c.Control(*d);
    ASSERT_TRUE(control->isEnabled());
    ASSERT_NO_FATAL_FAILURE(TabTo(control));
    const QString before = Value(control);

    QTest::keyClick(control, key.Key, key.Modifiers);
    Settle();
    const int n = tabs->count();
    EXPECT_EQ(tabs->currentIndex(), (c.Page + key.Step + n) % n);
    EXPECT_EQ(Value(control).toStdString(), before.toStdString()) << "the key changed the control";
    EXPECT_TRUE(bar->hasFocus()) << FocusName();
    EXPECT_TRUE(msgs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, UserInputTabSwitch,
                         ::testing::Combine(::testing::ValuesIn(kTabControls), ::testing::ValuesIn(kSwitchKeys)),
                         [](const ::testing::TestParamInfo<std::tuple<TabControl, SwitchKey>>& i) {
                             return std::string(std::get<0>(i.param).Name) + "_" + std::get<1>(i.param).Name;
                         });

// ---- The first field of a dialog with tabs ------------------------------------------------------

namespace {

struct FirstFieldCase {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(AppState&)> Make;
    std::function<void(QDialog&)> Check;  // where the digit typed at once has gone
};

const FirstFieldCase kFirstFields[] = {
    // The common settings are shown: the first own ID takes the digit in place of its text.
    {"MSK", MakeMSK,
     [](QDialog& d) {
         QLineEdit* id = MSK(d).Text2[0];
         EXPECT_TRUE(id->hasFocus()) << FocusName();
         EXPECT_EQ(id->text().toStdString(), "7");
     }},
    // The list is shown: its first cell opens its editor with the digit.
    {"TwoTone", MakeTwoTone,
     [](QDialog& d) {
         Frm2Tone& t = TwoTone(d);
         EXPECT_TRUE(t.Text1->isVisible());
         EXPECT_TRUE(t.Text1->hasFocus()) << FocusName();
         EXPECT_EQ(t.Text1->text().toStdString(), "7");
         EXPECT_EQ(t.Text1->geometry().center(), t.MSHFlexGrid1->CellRect(1, 1).center());
     }},
};

void PrintTo(const FirstFieldCase& c, std::ostream* os) { *os << c.Name; }

class UserInputFirstField : public ::testing::TestWithParam<FirstFieldCase> {};

}  // namespace

// A dialog with tabs opens with the keys on the first field of the page it shows: a digit typed
// at once lands there.
TEST_P(UserInputFirstField, ADigitTypedAtOnceLandsInTheFirstField) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    std::unique_ptr<QDialog> d = GetParam().Make(st);
    d->setModal(true);
    ASSERT_NO_FATAL_FAILURE(ShowActive(*d));
    Type("7");
    GetParam().Check(*d);
    EXPECT_TRUE(msgs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, UserInputFirstField, ::testing::ValuesIn(kFirstFields),
                         [](const ::testing::TestParamInfo<FirstFieldCase>& i) { return std::string(i.param.Name); });
