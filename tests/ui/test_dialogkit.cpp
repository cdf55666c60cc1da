// The dialog kit: the behaviour every editor dialog relies on.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <string>

#include "UserDriver.h"
#include "kit/DialogKit.h"

using namespace rp;

namespace {

struct Form {
    QDialog dlg;
    QLineEdit* A = new QLineEdit(&dlg);
    QLineEdit* B = new QLineEdit(&dlg);
    QPushButton* OK = new QPushButton("OK", &dlg);
    QPushButton* Cancel = new QPushButton("Cancel", &dlg);
    int accepted = 0;
    Form() {
        auto* l = new QVBoxLayout(&dlg);
        l->addWidget(A);
        l->addWidget(B);
        l->addWidget(OK);
        l->addWidget(Cancel);
        QObject::connect(OK, &QPushButton::clicked, &dlg, [this] { ++accepted; });
        kit::NoDefaultButtons(&dlg);
    }
    void Show() {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
};

}  // namespace

TEST(DialogKit, FilledComboSelectsNothingAndCodeFiresNoSignal) {
    QComboBox c;
    QSignalSpy spy(&c, &QComboBox::currentIndexChanged);
    kit::FillCombo(&c, QStringList{"a", "b", "c"});
    EXPECT_EQ(c.currentIndex(), -1);
    kit::SetComboIndex(&c, 2);
    EXPECT_EQ(c.currentIndex(), 2);
    kit::SetComboIndex(&c, 7);
    EXPECT_EQ(c.currentIndex(), -1);
    kit::SetComboListIndex(&c, 7);
    EXPECT_EQ(c.currentIndex(), 0);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(kit::ComboIndex(&c), 0);
}

TEST(DialogKit, ComboTextRules) {
    QComboBox c, empty;
    kit::FillCombo(&c, std::vector<std::string>{"Off", "On", "on"});
    EXPECT_EQ(kit::GetComboListText(&c, 1), "On");
    EXPECT_EQ(kit::GetComboListText(&c, -1), "Off");
    EXPECT_EQ(kit::GetComboListText(&c, 3), "Off");
    EXPECT_EQ(kit::GetComboListText(&empty, 0), "");
    EXPECT_EQ(kit::GetComboItemText(5, &c, 2), "on");
    EXPECT_EQ(kit::GetComboItemText(5, &c, 9), "");
    EXPECT_EQ(kit::GetComboMatchText(&c, "on"), "on");
    EXPECT_EQ(kit::GetComboMatchText(&c, "ON"), "Off");
    kit::SetComboText(&c, "on");
    EXPECT_EQ(c.currentIndex(), 2);
    kit::SetComboText(&c, "nothing");
    EXPECT_EQ(c.currentIndex(), 0);
    kit::SetComboText(&empty, "x");
    EXPECT_EQ(empty.currentIndex(), -1);
    EXPECT_EQ(kit::ComboIndex(&empty, -5), -5);
}

TEST(DialogKit, SettersFireNoSignalAndKeepLongTexts) {
    QCheckBox box;
    QSignalSpy toggled(&box, &QCheckBox::toggled);
    kit::SetCheckValue(&box, 255);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(kit::CheckValue(&box), 1);
    kit::SetCheckValue(&box, -1);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(toggled.count(), 0);

    QLineEdit e;
    kit::SetKeyFilter(&e, kit::Keys::DigitsDot, 5);
    QSignalSpy changed(&e, &QLineEdit::textChanged);
    kit::SetText(&e, "10000.5");  // a stored value longer than what may be typed
    EXPECT_EQ(e.text(), "10000.5");
    EXPECT_EQ(changed.count(), 0);
}

TEST(DialogKit, FiltersHoldForTypingPasteAndStoredTexts) {
    struct Case {
        const char* name;
        kit::Keys keys;
        int max;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"digits", kit::Keys::Digits, -1, "1a2.3", "123"},
        {"digits and dot", kit::Keys::DigitsDot, -1, "14x5.5", "145.5"},
        {"hex upper-cases", kit::Keys::Hex, -1, "0agz9f", "0A9F"},
        {"dtmf", kit::Keys::DTMF, -1, "12*#abex9", "12*#AB9"},
        {"printable ascii", kit::Keys::PrintableAscii, -1, "AB \xC3\xA9~", "AB ~"},
        {"typing limit", kit::Keys::Digits, 3, "12345", "123"},
    };
    for (const auto& c : cases) {
        QLineEdit e;
        kit::SetKeyFilter(&e, c.keys, c.max);
        for (QChar ch : QString::fromUtf8(c.typed)) e.insert(QString(ch));  // one key at a time
        EXPECT_EQ(e.text(), QString::fromUtf8(c.shown)) << c.name;
        EXPECT_EQ(e.contextMenuPolicy(), Qt::NoContextMenu) << c.name;
    }

    QLineEdit dtmf;
    kit::SetKeyFilter(&dtmf, kit::Keys::DTMF);
    QApplication::clipboard()->setText("12X4");
    dtmf.paste();
    EXPECT_EQ(dtmf.text(), "");
    QApplication::clipboard()->setText("12*4");
    dtmf.paste();
    EXPECT_EQ(dtmf.text(), "12*4");

    // A stored text beyond the limit or with other characters can be shortened, not lengthened.
    QLineEdit stored;
    kit::SetKeyFilter(&stored, kit::Keys::Digits, 3);
    kit::SetText(&stored, "12Z45");
    stored.end(false);
    QTest::keyClick(&stored, Qt::Key_Backspace);
    EXPECT_EQ(stored.text(), "12Z4");
    QTest::keyClicks(&stored, "7");
    EXPECT_EQ(stored.text(), "12Z4");
}

TEST(DialogKit, ClipboardKeysCanBeBlocked) {
    QLineEdit e;
    kit::BlockClipboardKeys(&e);
    QApplication::clipboard()->setText("55");
    QTest::keySequence(&e, QKeySequence::Paste);
    EXPECT_EQ(e.text(), "");
    QTest::keyClicks(&e, "1");
    EXPECT_EQ(e.text(), "1");
}

TEST(DialogKit, EnterMovesOnAndPressesOnlyAFocusedButton) {
    Form f;
    kit::EnterMovesFocus(f.A);
    f.Show();
    f.A->setFocus();
    QTest::keyClick(f.A, Qt::Key_Return);
    EXPECT_TRUE(f.B->hasFocus());
    QTest::keyClick(f.B, Qt::Key_Return);  // no Enter rule here: nothing happens
    QTest::keyClick(f.B, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(f.accepted, 0);
    EXPECT_TRUE(f.dlg.isVisible());
    // Enter on the focused button presses it, as Space does.
    f.OK->setFocus();
    QTest::keyClick(f.OK, Qt::Key_Return);
    EXPECT_EQ(f.accepted, 1);

    int entered = 0;
    kit::OnEnter(f.B, [&] { ++entered; });
    QTest::keyClick(f.B, Qt::Key_Return);
    EXPECT_EQ(entered, 1);
}

// A button's own Enter rule keeps the key, as the channel dialog's OK does (it moves on). A later
// Enter in a field is that field's alone, also when it comes in the very event object the button
// saw: keys are often made at the same place in memory one after the other.
TEST(DialogKit, EnterAButtonKeptPressesNothingWhenItComesAgainElsewhere) {
    QDialog dlg;
    auto* box = new QLineEdit(&dlg);
    auto* ok = new QPushButton("OK", &dlg);
    auto* cancel = new QPushButton("Cancel", &dlg);
    auto* l = new QVBoxLayout(&dlg);
    l->addWidget(box);
    l->addWidget(ok);
    l->addWidget(cancel);
    int okPressed = 0, cancelPressed = 0, kept = 0;
    QObject::connect(ok, &QPushButton::clicked, &dlg, [&] { ++okPressed; });
    QObject::connect(cancel, &QPushButton::clicked, &dlg, [&] { ++cancelPressed; });
    kit::OnEnter(ok, [&] { ++kept; });
    kit::NoDefaultButtons(&dlg);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));

    ok->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(ok, &enter);
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(okPressed, 0);

    // The same object again, and one built afresh in the same place.
    box->setFocus();
    enter.setAccepted(false);
    QApplication::sendEvent(box, &enter);
    enter.~QKeyEvent();
    new (&enter) QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(box, &enter);
    EXPECT_EQ(okPressed, 0);
    EXPECT_EQ(kept, 1);
    EXPECT_TRUE(dlg.isVisible());

    // Enter on a focused button without a rule of its own still presses it.
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(cancelPressed, 1);
    EXPECT_EQ(okPressed, 0);
}

TEST(DialogKit, SelectAllOnFocusSurvivesTheMouseClick) {
    Form f;
    kit::SelectAllOnFocus(f.B);
    f.B->setText("145.50000");
    f.Show();
    f.A->setFocus();
    QTest::mouseClick(f.B, Qt::LeftButton, {}, QPoint(5, f.B->height() / 2));
    QApplication::processEvents();
    EXPECT_TRUE(f.B->hasFocus());
    EXPECT_EQ(f.B->selectedText(), "145.50000");
}

TEST(DialogKit, LeaveCheckRunsOnARealMoveOnly) {
    Form f;
    kit::SkipLeaveCheck(f.Cancel);
    int checks = 0;
    kit::OnLeave(f.A, [&] { ++checks; });
    f.Show();

    f.A->setFocus();
    f.B->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(checks, 1);

    f.A->setFocus();
    f.Cancel->setFocus(Qt::MouseFocusReason);  // Cancel is never trapped
    QApplication::processEvents();
    EXPECT_EQ(checks, 1);

    f.A->setFocus();
    QFocusEvent deactivate(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f.A, &deactivate);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(f.A, &popup);
    QApplication::processEvents();
    EXPECT_EQ(checks, 1);

    // Closing the dialog while the box has the focus runs no check either.
    f.B->setFocus();
    f.A->setFocus();
    QApplication::processEvents();
    const int before = checks;
    f.dlg.reject();
    QApplication::processEvents();
    EXPECT_EQ(checks, before);
}

TEST(DialogKit, VisibleMeansTheControlsOwnFlag) {
    QDialog dlg;  // never shown
    auto* a = new QLineEdit(&dlg);
    auto* b = new QLineEdit(&dlg);
    b->hide();
    EXPECT_FALSE(a->isVisible());
    EXPECT_TRUE(kit::IsShown(a));
    EXPECT_FALSE(kit::IsShown(b));
    EXPECT_FALSE(kit::IsShown(nullptr));
}

// ---- The wheel over a list box ----------------------------------------------------------------

namespace {

// Mode opens with the focus (the first stop); Count and Name follow it in the Tab chain.
struct WheelForm {
    QDialog dlg;
    QLabel* ModeLabel = new QLabel("&Mode", &dlg);
    QComboBox* Mode = new QComboBox(&dlg);
    QSpinBox* Count = new QSpinBox(&dlg);
    QLineEdit* Name = new QLineEdit(&dlg);
    WheelForm() {
        ModeLabel->setBuddy(Mode);
        Mode->addItems({"Frequency", "Channel", "Name"});
        auto* l = new QVBoxLayout(&dlg);
        for (QWidget* w : std::initializer_list<QWidget*>{ModeLabel, Mode, Count, Name}) l->addWidget(w);
    }
    void Show() {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QApplication::processEvents();
    }
};

// A click opens the list; Esc shuts it and leaves the box with the focus.
void ClickList(QComboBox* c) {
    QTest::mouseClick(c, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000));
    // The offscreen platform lets the window go inactive once the list has closed; a desktop
    // does not.
    QTest::qWait(30);
    QApplication::setActiveWindow(c->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(c->window()));
}

// Another window takes the activation and gives it back.
void AwayAndBack(QWidget& w) {
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

struct ChoiceCase {
    const char* Name;
    std::function<void(WheelForm&)> Do;  // from the window as it opened, Mode having the focus
    bool Chosen;                         // Mode takes the wheel afterwards
};

const ChoiceCase kChoices[] = {
    {"FocusGivenOnOpening", [](WheelForm&) {}, false},
    {"FocusGivenBackAfterAnotherWindow", [](WheelForm& f) { AwayAndBack(f.dlg); }, false},
    {"FocusPutBackByTheProgram",
     [](WheelForm& f) {
         QTest::keyClick(f.Mode, Qt::Key_Tab);
         QApplication::processEvents();
         f.Mode->setFocus(Qt::OtherFocusReason);
     },
     false},
    {"Clicked", [](WheelForm& f) { ClickList(f.Mode); }, true},
    {"ClickedThenAnotherWindow",
     [](WheelForm& f) {
         ClickList(f.Mode);
         AwayAndBack(f.dlg);
     },
     true},
    {"TabbedTo",
     [](WheelForm& f) {
         f.Name->setFocus(Qt::OtherFocusReason);
         QTest::keyClick(f.Name, Qt::Key_Tab);  // round the chain to the first stop
     },
     true},
    {"ShiftTabbedTo",
     [](WheelForm& f) {
         f.Count->setFocus(Qt::OtherFocusReason);
         QTest::keyClick(f.Count, Qt::Key_Backtab, Qt::ShiftModifier);
     },
     true},
    {"AccessKey",
     [](WheelForm& f) {
         f.Name->setFocus(Qt::OtherFocusReason);
         QTest::keyClick(f.Name, Qt::Key_M, Qt::AltModifier);
     },
     true},
    {"TypedInto", [](WheelForm& f) { QTest::keyClick(f.Mode, Qt::Key_Home); }, true},
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.Name; }

class WheelChoice : public ::testing::TestWithParam<ChoiceCase> {};

}  // namespace

// A list box takes the wheel only once the user chose it in the window; the focus the window gave
// or gave back is no choice. The focus stays where it was either way.
TEST_P(WheelChoice, AListTakesTheWheelOnlyWhenTheUserChoseIt) {
    WheelForm f;
    ASSERT_NO_FATAL_FAILURE(f.Show());
    ASSERT_EQ(QApplication::focusWidget(), f.Mode);
    ASSERT_NO_FATAL_FAILURE(GetParam().Do(f));
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), f.Mode);
    ASSERT_EQ(f.Mode->currentIndex(), 0);
    ASSERT_NO_FATAL_FAILURE(test::Wheel(f.Mode, -1));
    EXPECT_EQ(f.Mode->currentIndex(), GetParam().Chosen ? 1 : 0);
    EXPECT_EQ(QApplication::focusWidget(), f.Mode);
}

INSTANTIATE_TEST_SUITE_P(DialogKit, WheelChoice, ::testing::ValuesIn(kChoices),
                         [](const ::testing::TestParamInfo<ChoiceCase>& i) { return std::string(i.param.Name); });

// A number box typed into takes the wheel; one the pointer only rests on does not, and the wheel
// gives it no focus.
TEST(DialogKit, ANumberBoxTakesTheWheelOnceTypedInto) {
    WheelForm f;
    ASSERT_NO_FATAL_FAILURE(f.Show());
    f.Count->setValue(50);
    ASSERT_NO_FATAL_FAILURE(test::Wheel(f.Count, -1));
    EXPECT_EQ(f.Count->value(), 50);
    EXPECT_EQ(QApplication::focusWidget(), f.Mode);

    QTest::mouseClick(f.Count, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    ASSERT_TRUE(f.Count->hasFocus());
    ASSERT_NO_FATAL_FAILURE(test::Wheel(f.Count, -1));
    EXPECT_EQ(f.Count->value(), 49);
}
