// The progress window's close box during a write, through the real window and the real serial
// port against the simulated radio: the question first, then what the user is told.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

#include "PtyHarness.h"
#include "UserRound.h"
#include "comm/CommPorts.h"
#include "kit/FrmProgress.h"
#include "kit/MsgBox.h"
#include "qtcomm/QtCommLink.h"
#include "shell/MainCommandHost.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

struct StopWrite : ::testing::Test, test::SimRadioRound {
    // The write started from the menu and run until its bar shows percent; null when it ended or
    // never got there.
    FrmProgress* WriteUntil(frmMain& w, int percent) {
        w.MnuProWrite_Click();
        QElapsedTimer t;
        t.start();
        while (st.CommMode == CommModes::Write && t.elapsed() < 30000) {
            FrmProgress* p = MainCommandHost::Of(w).Progress();
            if (p && p->findChild<QProgressBar*>("ProgressBar1")->value() >= percent) return p;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        return nullptr;
    }
    static std::map<int, std::string> Channels(const AppState& s) {
        std::map<int, std::string> m;
        for (int i = 0; i < s.CurRadioData.ChannelCount; ++i) m[s.ChannelTable[i].ChannelNo] = s.ChannelTable[i].RxFreq.Str();
        return m;
    }
    std::vector<std::string> Texts(const ScopedMsgBoxScript& answers) const {
        std::vector<std::string> t;
        for (const auto& m : answers.Messages()) t.push_back(m.Text.toStdString());
        return t;
    }
};

int AnswerTheQuestion(const ScopedMsgBoxScript::Shown& m, int answer) {
    return m.Style == MsgStyle::QuestionYesNoDefaultNo ? answer : MsgButton::Ok;
}

TEST_F(StopWrite, NoToTheQuestionLetsTheWriteComplete) {
    ASSERT_NO_FATAL_FAILURE(ExpectReady());
    for (int n : {7, 40, 90, 150}) AddDefaultChannel(st, n, "145.5000");
    frmMain w(st, settings.Make());
    ScopedMsgBoxScript answers([](const ScopedMsgBoxScript::Shown& m) { return AnswerTheQuestion(m, MsgButton::No); });
    FrmProgress* progress = WriteUntil(w, 20);
    ASSERT_NE(progress, nullptr);
    progress->close();  // the user's close box
    EXPECT_EQ(Texts(answers).back(), GetLangStr(st, 2020));
    EXPECT_EQ(st.CommMode, CommModes::Write);
    EXPECT_EQ(MainCommandHost::Of(w).Progress(), progress);
    EXPECT_TRUE(progress->isVisible());
    ASSERT_TRUE(sim::RunExchange(st, 60000));
    EXPECT_EQ(Texts(answers), (std::vector<std::string>{st.WritePromptText[1], GetLangStr(st, 2020), GetLangStr(st, 2005)}));
    EXPECT_EQ(MainCommandHost::Of(w).Progress(), nullptr);
    // The radio holds the whole of the new data.
    AppState inRadio;
    test::DecodeRadioMemory(test::WaitForDump(dumpPath), inRadio);
    EXPECT_EQ(Channels(inRadio), Channels(st));
}

TEST_F(StopWrite, YesStopsTheWriteAndSaysTheRadioHoldsPartOfTheNewData) {
    ASSERT_NO_FATAL_FAILURE(ExpectReady());
    for (int n : {7, 40, 90, 150}) AddDefaultChannel(st, n, "145.5000");
    frmMain w(st, settings.Make());
    ScopedMsgBoxScript answers([](const ScopedMsgBoxScript::Shown& m) { return AnswerTheQuestion(m, MsgButton::Yes); });
    FrmProgress* progress = WriteUntil(w, 20);
    ASSERT_NE(progress, nullptr);
    progress->close();
    EXPECT_EQ(st.CommMode, CommModes::Idle);
    EXPECT_EQ(MainCommandHost::Of(w).Progress(), nullptr);
    EXPECT_FALSE(MainCommandHost::Of(w).Link().Port().IsOpen());
    EXPECT_EQ(Texts(answers), (std::vector<std::string>{st.WritePromptText[1], GetLangStr(st, 2020), GetLangStr(st, 2019)}));
    ASSERT_EQ(answers.Messages().size(), 3u);
    EXPECT_EQ(answers.Messages()[1].Style, MsgStyle::QuestionYesNoDefaultNo);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.MenuAction("MnuProWrite")->isEnabled());
}

// The real message box: No is the button Enter presses, so a habitual Enter never stops a write.
TEST(StopWriteQuestion, EnterAnswersNo) {
    const MsgBoxAnswerer scripted = SetMsgBoxAnswerer(nullptr);
    QString focused;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        focused = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    poll.start(5);
    const int answer = MsgBox("Stop?", MsgStyle::QuestionYesNoDefaultNo);
    SetMsgBoxAnswerer(scripted);
    EXPECT_EQ(answer, MsgButton::No) << "default button: " << focused.toStdString();
}

}  // namespace
}  // namespace rp
