// A dialog whose body scrolls on a small screen shows it whole where the screen has the room,
// also after a choice shows more of it. Driven on shown windows at 1280x1024 under a real X
// server (CTest: ui_user_input_under_xvfb); skipped offscreen.
#include <QComboBox>
#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ScrolledView.h"
#include "UserDriver.h"
#include "fivetone/Frm5Tone.h"
#include "kit/DialogKit.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "settings/FrmOption.h"

using namespace rp;
using namespace rp::test;

namespace {

struct GrownCase {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(AppState&)> Make;
    // What the user does once the dialog is up.
    std::function<void(QDialog&, const QRect& avail)> Use;
    // Controls that must be seen whole afterwards (the ones a user found cut off).
    std::vector<const char*> Seen;
};

const GrownCase kGrown[] = {
    {"FunctionSettingsShowsTheChannelNameList",
     [](AppState& st) { return std::make_unique<FrmOption>(st); },
     [](QDialog& d, const QRect& avail) {
         // Opened in the screen's bottom right corner, where growing has to move it.
         const QRect f = d.frameGeometry();
         d.move(avail.right() + 1 - f.width(), avail.bottom() + 1 - f.height());
         Settle();
         auto* mode = d.findChild<QComboBox*>("Combo1_0");
         ASSERT_NE(mode, nullptr);
         const int channel = mode->findText("Channel");
         ASSERT_GE(channel, 0);
         ASSERT_NO_FATAL_FAILURE(ChooseFromList(mode, channel));
         auto* name = d.findChild<QComboBox*>("Combo1_18");
         ASSERT_NE(name, nullptr);
         ASSERT_TRUE(name->isVisible());
     },
     {"Combo1_0", "Combo1_18", "Combo1_22", "Check3_4", "Check3_9", "Text3_0", "Text3_1", "CommandOK",
      "CommandCancel"}},
    {"FiveToneAsItOpens", [](AppState& st) { return std::make_unique<Frm5Tone>(st); },
     [](QDialog&, const QRect&) {}, {"MSHFlexGrid1", "Combo6", "Text7", "Command1"}},
};

class UserInputScreenFit : public ::testing::TestWithParam<GrownCase> {
protected:
    void SetUp() override {
        SKIP_WITHOUT_REAL_WINDOWS();
        UseLanguage(st, 1);
        st.NoInitFileFlag = true;
        st.CurModelCode = "6173USD";  // a model that shows the broadcast band fields
        NewData(st);
        UseLanguage(st, 1);
        InitMsgString(st);
    }

    AppState st;
};

TEST_P(UserInputScreenFit, TheDialogShowsItsWholeBodyWhereTheScreenHasRoom) {
    const GrownCase& c = GetParam();
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    if (avail.height() < 1000) GTEST_SKIP() << "needs a screen of 1280x1024";
    std::unique_ptr<QDialog> d = c.Make(st);
    d->setModal(true);  // as the program opens it
    ASSERT_NO_FATAL_FAILURE(ShowActive(*d));
    ASSERT_NO_FATAL_FAILURE(c.Use(*d, avail));
    auto* area = d->findChild<QScrollArea*>("ScreenFitArea");
    ASSERT_NE(area, nullptr);
    (void)QTest::qWaitFor([&] { return FieldsOutOfView(area).empty(); }, 1000);  // the checks below say what is wrong
    Settle();

    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    for (const std::string& cut : FieldsOutOfView(area)) ADD_FAILURE() << cut << " is cut off, " << ViewText(area);
    for (const char* name : c.Seen) {
        auto* w = d->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
        if (w->isAncestorOf(area) || !area->isAncestorOf(w)) {
            EXPECT_TRUE(OnScreen(d.get()).contains(OnScreen(w))) << FieldText(w);
        } else {
            EXPECT_TRUE(InView(area, w)) << FieldText(w) << ", " << ViewText(area);
        }
    }
    const QRect frame = d->frameGeometry();
    EXPECT_TRUE(avail.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                       << frame.height();
    d->close();
}

INSTANTIATE_TEST_SUITE_P(Dialogs, UserInputScreenFit, ::testing::ValuesIn(kGrown),
                         [](const ::testing::TestParamInfo<GrownCase>& i) { return std::string(i.param.Name); });

}  // namespace
