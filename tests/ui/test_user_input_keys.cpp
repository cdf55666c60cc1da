// What the keyboard and the mouse meet in every dialog: the click after a refused value, the Tab
// order, the focus frame, Enter in the main window's small windows, the password offered again.
// Driven on shown windows under a real X server (CTest: ui_user_input_under_xvfb); skipped
// offscreen.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "UserDriver.h"
#include "fivetone/Frm5Tone.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "model/LangText.h"
#include "model/NewData.h"

using namespace rp;
using namespace rp::test;

namespace {

void PrepareFiveTone(AppState& st) {
    UseLanguage(st, kLanguageEnglish);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, kLanguageEnglish);
}

// Shows the real message boxes while it lives and answers each one as the user does, by a click on
// its button or by Enter; before that, the user lets go of the mouse button that opened it.
class RealBoxes {
public:
    enum class Answer { Mouse, Enter };
    RealBoxes(Answer how, std::function<void()> letGo) : scripted_(SetMsgBoxAnswerer({})) {
        QObject::connect(&poll_, &QTimer::timeout, [this, how, letGo] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("rpAnswered").toBool()) return;
            box->setProperty("rpAnswered", true);
            texts_.push_back(box->text().toStdString());
            if (letGo) letGo();
            if (how == Answer::Mouse) QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            else QTest::keyClick(box, Qt::Key_Return);
        });
        poll_.start(20);
    }
    ~RealBoxes() { SetMsgBoxAnswerer(scripted_); }
    const std::vector<std::string>& Texts() const { return texts_; }

private:
    MsgBoxAnswerer scripted_;
    QTimer poll_;
    std::vector<std::string> texts_;
};

// The window manager gives the activation back to the dialog once a message box has closed.
void BackToTheDialog(QWidget& dlg) {
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    Settle();
}

struct AfterRefusal {
    const char* Name;
    RealBoxes::Answer How;
    const char* Typed;  // after the message, before the click
    // The one click after the refusal, and what it must have done.
    QPushButton* Frm5Tone::*Button;
    int Result;  // the dialog's, -1 while it stays open
    bool SpecialOpened;
};

const AfterRefusal kAfterRefusal[] = {
    {"CancelAfterMouse", RealBoxes::Answer::Mouse, "", &Frm5Tone::CommandCANCEL, QDialog::Rejected, false},
    {"CancelAfterEnter", RealBoxes::Answer::Enter, "", &Frm5Tone::CommandCANCEL, QDialog::Rejected, false},
    {"OKAfterMouse", RealBoxes::Answer::Mouse, "45", &Frm5Tone::CommandOK, QDialog::Accepted, false},
    {"OKAfterEnter", RealBoxes::Answer::Enter, "45", &Frm5Tone::CommandOK, QDialog::Accepted, false},
    {"SpecialCodeAfterMouse", RealBoxes::Answer::Mouse, "45", &Frm5Tone::Command1, -1, true},
    {"SpecialCodeAfterEnter", RealBoxes::Answer::Enter, "45", &Frm5Tone::Command1, -1, true},
};

void PrintTo(const AfterRefusal& c, std::ostream* os) { *os << c.Name; }

class UserInputKitRefusal : public ::testing::TestWithParam<AfterRefusal> {};

}  // namespace

// A short own ID refused when the user clicks a list: the user answers the message, and the very
// next click on a button does what that button does.
TEST_P(UserInputKitRefusal, TheFirstClickAfterTheMessageWorks) {
    SKIP_WITHOUT_REAL_WINDOWS();
    const AfterRefusal& c = GetParam();
    AppState st;
    PrepareFiveTone(st);
    Frm5Tone dlg(st);
    int specials = 0;
    dlg.OpenSpecial = [&](int) { ++specials; };
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    Click(dlg.Text2);
    QTest::keyClick(dlg.Text2, Qt::Key_A, Qt::ControlModifier);
    Type("123");
    QComboBox* standard = dlg.Combo1[1];
    RealBoxes boxes(c.How, [standard] { QTest::mouseRelease(standard, Qt::LeftButton); });
    QTest::mousePress(standard, Qt::LeftButton);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], GetMsgStr(st, "900C"));
    ASSERT_NO_FATAL_FAILURE(BackToTheDialog(dlg));
    ASSERT_TRUE(dlg.Text2->hasFocus());
    QTest::keyClick(dlg.Text2, Qt::Key_End);
    ASSERT_FALSE(standard->view()->isVisible());

    Type(c.Typed);
    Click(dlg.*c.Button);
    QTest::qWait(100);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(dlg.isVisible(), c.Result < 0);
    if (c.Result >= 0) EXPECT_EQ(dlg.result(), c.Result);
    EXPECT_EQ(specials, c.SpecialOpened ? 1 : 0);
    if (c.Result == QDialog::Accepted) EXPECT_EQ(st.CurRadioData.Signal.FiveTone.OwnID.Trimmed(), "12345");
}

INSTANTIATE_TEST_SUITE_P(FiveToneOwnId, UserInputKitRefusal, ::testing::ValuesIn(kAfterRefusal),
                         [](const ::testing::TestParamInfo<AfterRefusal>& i) { return std::string(i.param.Name); });
