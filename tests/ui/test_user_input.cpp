// The dialogs driven only the way a user drives them: a shown, active window, mouse clicks sent
// to the widget under the pointer, keys sent to whatever has the focus, a list opened by a click
// and its item clicked. Focus, activation and drop-down lists behave as on a desktop only under a
// real X server, so these run there (CTest: ui_user_input_under_xvfb) and skip offscreen.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "UserDriver.h"
#include "channels/FrmCHEdit.h"
#include "fivetone/Frm5Tone.h"
#include "fivetone/Frm5ToneDefTS.h"
#include "kit/DialogKit.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "signalling/Frm2Tone.h"

using namespace rp;
using namespace rp::test;

namespace {

void SetCodeRow(FiveToneCodeRec& r, const std::string& code) {
    r.IsEmpty = 0;
    r.Code = code;
    r.CodeLength = static_cast<std::uint8_t>(code.size());
    r.Standard = 0;
    r.TonePeriod = 70;
}

// Five-tone data with the own ID 13579 in an ANI row (row 7) and the PTT-ID begin code.
void PrepareFiveTone(AppState& st) {
    UseLanguage(st, kLanguageEnglish);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, kLanguageEnglish);
    FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
    ft.OwnID = "13579";
    SetCodeRow(ft.CodeRows[6], "1E1E1A13579");
    SetCodeRow(ft.PTTIDBegin, "E213579");
}

struct UserCase {
    const char* Name;
    std::function<void()> Run;
};

const UserCase kCases[] = {
    // A leave-check runs however the focus leaves the box, also into a drop-down list.
    {"FiveToneOwnIdThenAListThenOK",
     [] {
         AppState st;
         PrepareFiveTone(st);
         Frm5Tone dlg(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
         ASSERT_EQ(dlg.MSHFlexGrid1->TextMatrix(7, 1), "ANI");
         Click(dlg.Text2);
         Key(Qt::Key_End);
         for (int i = 0; i < 5; ++i) Key(Qt::Key_Backspace);
         Type("97531");
         ASSERT_EQ(dlg.Text2->text(), "97531");
         ChooseFromList(dlg.Combo1[1], 1);
         // The own ID's check has run by the time the list closes: the grid shows the new ID.
         EXPECT_EQ(st.EditSignalData.FiveTone.CodeRows[6].Code.Trimmed(), "11111A97531");
         EXPECT_EQ(dlg.MSHFlexGrid1->TextMatrix(7, 1), "ANI");
         Click(dlg.CommandOK);
         ASSERT_EQ(dlg.result(), QDialog::Accepted);
         const FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
         EXPECT_EQ(ft.OwnID.Trimmed(), "97531");
         EXPECT_EQ(ft.CodeRows[6].Code.Trimmed(), "1E1E1A97531");
         EXPECT_EQ(ft.PTTIDBegin.Code.Trimmed(), "E297531");
     }},
    // The check of the box the dialog opens in never undoes the first click and the keys after it.
    {"FiveToneFirstClickOnACodeCellKeepsItsEditor",
     [] {
         AppState st;
         PrepareFiveTone(st);
         Frm5Tone dlg(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
         ASSERT_TRUE(dlg.Text2->hasFocus());
         ClickCell(dlg.MSHFlexGrid1, 2, 2);
         EXPECT_FALSE(dlg.Text3->isHidden());
         EXPECT_TRUE(dlg.Text3->hasFocus());
         Type("123");
         EXPECT_EQ(dlg.Text3->text().toStdString(), "123");
         Key(Qt::Key_Return);
         EXPECT_EQ(dlg.MSHFlexGrid1->TextMatrix(2, 2).toStdString(), "123");
     }},
    // A refused own ID stops the click that left the box: the message, the box keeps the focus
    // and what was typed, no editor opens behind the message.
    {"FiveToneShortOwnIdStopsTheClickThatLeftIt",
     [] {
         AppState st;
         PrepareFiveTone(st);
         ScopedMsgBoxScript msgs(MsgButton::Ok);
         Frm5Tone dlg(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
         Click(dlg.Text2);
         Key(Qt::Key_End);
         Key(Qt::Key_Backspace);
         Key(Qt::Key_Backspace);
         ClickCell(dlg.MSHFlexGrid1, 2, 2);
         ASSERT_EQ(msgs.Messages().size(), 1u);
         EXPECT_EQ(msgs.Messages()[0].Text.toStdString(), GetMsgStr(st, "900C"));
         EXPECT_TRUE(dlg.Text2->hasFocus());
         EXPECT_EQ(dlg.Text2->text().toStdString(), "135");
         EXPECT_TRUE(dlg.Text3->isHidden());
     }},
    // The box the dialog opens in has its text selected: typing replaces it.
    {"ChannelDialogOpensWithTheRxSelected",
     [] {
         AppState st;
         UseLanguage(st, kLanguageEnglish);
         st.ChannelTable[st.CurRadioData.ChannelCount++] = MakeChannel(1, "145.0");
         st.CurChannelNo = 1;
         ScopedMsgBoxScript msgs(MsgButton::Ok);
         FrmCHEdit dlg(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
         ASSERT_TRUE(dlg.Text1[0]->hasFocus());
         EXPECT_EQ(dlg.Text1[0]->selectedText().toStdString(), dlg.Text1[0]->text().toStdString());
         Type("146.5");
         EXPECT_EQ(dlg.Text1[0]->text().toStdString(), "146.5");
     }},
    // A user who follows Enter through a dialog ends on OK, and Enter there presses it.
    {"EnterThroughTheUserToneSetPressesOK",
     [] {
         AppState st;
         UseLanguage(st, kLanguageEnglish);
         Frm5ToneDefTS dlg(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
         Click(dlg.Text1[15]);
         Type("3000");
         Key(Qt::Key_Return);  // moves on like Tab, presses nothing
         EXPECT_TRUE(dlg.isVisible());
         ASSERT_TRUE(dlg.CommandOK->hasFocus());
         Key(Qt::Key_Return);
         EXPECT_FALSE(dlg.isVisible());
         EXPECT_EQ(dlg.result(), QDialog::Accepted);
         EXPECT_EQ(st.EditSignalData.FiveTone.UserToneSet[15], 30000);
     }},
};

void PrintTo(const UserCase& c, std::ostream* os) { *os << c.Name; }

class UserInput : public ::testing::TestWithParam<UserCase> {};

}  // namespace

TEST_P(UserInput, DialogsDoWhatTheUserDid) {
    SKIP_WITHOUT_REAL_WINDOWS();
    GetParam().Run();
}

INSTANTIATE_TEST_SUITE_P(Dialogs, UserInput, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<UserCase>& i) { return std::string(i.param.Name); });

// A tone stored below the lowest one the boxes take stays as it is when the user never entered
// its box: a tab switch is no entry.
TEST(UserInputTwoTone, TabSwitchAfterAGridEditKeepsAStoredToneOutsideTheRange) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    UseLanguage(st, kLanguageEnglish);
    st.NoInitFileFlag = true;
    NewData(st);
    TwoToneEncodeData& enc = st.CurRadioData.Signal.TwoTone.Encode;
    enc.ToneAHigh = 2850 / 256;
    enc.ToneALow = 2850 % 256;
    Frm2Tone dlg(st, [] {});
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    const std::string shown = dlg.Text2[0]->text().toStdString();
    ASSERT_EQ(shown.substr(0, 3), "285");
    ClickCell(dlg.MSHFlexGrid1, 1, 1);
    ASSERT_TRUE(dlg.Text1->hasFocus());
    Type("1000");
    QTabBar* bar = dlg.SSTab1->tabBar();
    Click(bar, bar->tabRect(1).center());
    ASSERT_EQ(dlg.SSTab1->currentIndex(), 1);
    EXPECT_EQ(dlg.Text2[0]->text().toStdString(), shown);
    Click(dlg.CommandOK);
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    const TwoToneData& t = st.CurRadioData.Signal.TwoTone;
    EXPECT_EQ(t.Encode.ToneALow + 256 * t.Encode.ToneAHigh, 2850);
    EXPECT_EQ(t.List[0].FirstToneLow + 256 * t.List[0].FirstToneHigh, 10000);
}

// A drop-down list that opens while the box keeps the focus (a list that takes no focus) counts
// as leaving the box: its check runs once the list has closed.
TEST(UserInputKit, ListOpenedWithoutTakingTheFocusStillRunsTheCheck) {
    SKIP_WITHOUT_REAL_WINDOWS();
    QDialog dlg;
    auto* box = new QLineEdit(&dlg);
    auto* list = new QComboBox(&dlg);
    list->setFocusPolicy(Qt::NoFocus);
    kit::FillCombo(list, QStringList{"A", "B", "C"});
    auto* layout = new QVBoxLayout(&dlg);
    layout->addWidget(box);
    layout->addWidget(list);
    int checks = 0;
    kit::OnLeave(box, [&] { ++checks; });
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    ASSERT_TRUE(box->hasFocus());
    ChooseFromList(list, 2);
    Settle();
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(box->hasFocus());
}

// The window coming back after a message box leaves the box as the user left it.
TEST(UserInputKit, FocusBackAfterAMessageBoxSelectsNothing) {
    SKIP_WITHOUT_REAL_WINDOWS();
    QDialog dlg;
    auto* box = new QLineEdit("145.00000", &dlg);
    auto* other = new QLineEdit(&dlg);
    auto* layout = new QVBoxLayout(&dlg);
    layout->addWidget(box);
    layout->addWidget(other);
    kit::SelectAllOnFocus(box);
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    ASSERT_EQ(box->selectedText().toStdString(), "145.00000");
    Key(Qt::Key_End);
    ASSERT_FALSE(box->hasSelectedText());
    QMessageBox msg(QMessageBox::Information, "t", "x", QMessageBox::Ok, &dlg);
    QTimer::singleShot(300, &msg, [&] { msg.accept(); });
    msg.exec();
    QApplication::setActiveWindow(&dlg);  // as a window manager gives the activation back
    ASSERT_NO_FATAL_FAILURE(WaitActive(dlg));
    Settle();
    EXPECT_TRUE(box->hasFocus());
    EXPECT_FALSE(box->hasSelectedText());
}
