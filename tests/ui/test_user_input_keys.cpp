// What the keyboard and the mouse meet in every dialog: the click after a refused value, the Tab
// order, the focus frame, Enter in the main window's small windows, the password offered again.
// Driven on shown windows under a real X server (CTest: ui_user_input_under_xvfb); skipped
// offscreen.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ScreenRecord.h"
#include "UserDriver.h"
#include "channels/FrmBank.h"
#include "channels/FrmCHBatch.h"
#include "channels/FrmCHEdit.h"
#include "fivetone/Frm5Tone.h"
#include "fivetone/Frm5ToneDefTS.h"
#include "fivetone/FrmSpecial.h"
#include "print/FrmPrintList.h"
#include "print/core/PrintText.h"
#include "qtcomm/FrmPassWord.h"
#include "settings/FrmAlert.h"
#include "settings/FrmEMG.h"
#include "settings/FrmOption.h"
#include "settings/FrmScan.h"
#include "shell/FrmAbout.h"
#include "shell/FrmComPort.h"
#include "shell/FrmLanguage.h"
#include "shell/FrmModel.h"
#include "shell/FrmTestData.h"
#include "shell/MainCommands.h"
#include "signalling/Frm2Tone.h"
#include "signalling/FrmCommuBook.h"
#include "signalling/FrmDTMF.h"
#include "signalling/FrmMSK.h"
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
    ASSERT_NO_FATAL_FAILURE(WaitActive(dlg));
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
    // The click has done its work once the dialog has closed, or opened the special codes; the
    // checks below say what is wrong when it has not.
    (void)QTest::qWaitFor([&] { return dlg.isVisible() == (c.Result < 0) && specials == (c.SpecialOpened ? 1 : 0); },
                          2000);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(dlg.isVisible(), c.Result < 0);
    if (c.Result >= 0) {
        EXPECT_EQ(dlg.result(), c.Result);
    }
    EXPECT_EQ(specials, c.SpecialOpened ? 1 : 0);
    if (c.Result == QDialog::Accepted) {
        EXPECT_EQ(st.CurRadioData.Signal.FiveTone.OwnID.Trimmed(), "12345");
    }
}

INSTANTIATE_TEST_SUITE_P(FiveToneOwnId, UserInputKitRefusal, ::testing::ValuesIn(kAfterRefusal),
                         [](const ::testing::TestParamInfo<AfterRefusal>& i) { return std::string(i.param.Name); });

// ---- The Tab order ------------------------------------------------------------------------------

namespace {

QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

std::string Name(const QWidget* w) {
    if (!w) return "(none)";
    const QRect r = InWindow(w);
    return QStringLiteral("%1(%2,%3 %4x%5)").arg(w->objectName()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// Seen by the user now: shown, not cut away by a frame it lies outside of, and, inside a
// scrolled part, wholly in its view (or filling it, when it is taller than the view).
bool SeenNow(const QWidget* w) {
    if (!w->isVisible()) return false;
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        const QRect r(w->mapTo(p, QPoint(0, 0)), w->size());
        const QRect seen = r.intersected(p->rect());
        if (seen.isEmpty()) return false;
        const auto* area = p->parentWidget() ? qobject_cast<const QAbstractScrollArea*>(p->parentWidget()) : nullptr;
        if (area && area->viewport() == p && seen.height() < std::min(r.height(), p->height())) return false;
        if (p->isWindow()) break;
    }
    return QGuiApplication::primaryScreen()->geometry().contains(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).center());
}

// Every stop the key (Tab or Shift+Tab) reaches from the control the dialog opened on, until it
// comes back there; each one in sight while it has the focus.
std::vector<QWidget*> WalkTheTabChain(QWidget& dlg, Qt::Key key = Qt::Key_Tab) {
    std::vector<QWidget*> stops;
    QWidget* start = QApplication::focusWidget();
    EXPECT_NE(start, nullptr) << "the dialog opened without a focus";
    if (!start) return stops;
    stops.push_back(start);
    EXPECT_TRUE(SeenNow(start)) << Name(start) << " has the focus out of sight";
    for (int i = 0; i < 300; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QWidget* f = QApplication::focusWidget();
        if (!f || f->window() != &dlg) {
            ADD_FAILURE() << "Tab from " << Name(stops.back()) << " left the dialog";
            return stops;
        }
        if (f == start) return stops;
        if (std::find(stops.begin(), stops.end(), f) != stops.end()) {
            ADD_FAILURE() << "Tab from " << Name(stops.back()) << " went round without " << Name(start);
            return stops;
        }
        EXPECT_TRUE(SeenNow(f)) << Name(f) << " has the focus out of sight";
        stops.push_back(f);
    }
    ADD_FAILURE() << "no way back to " << Name(start);
    return stops;
}

std::string Names(const std::vector<QWidget*>& ws) {
    std::string out;
    for (QWidget* w : ws) out += Name(w) + " ";
    return out;
}

// The walk both ways: Shift+Tab goes the same round backwards. What it found is recorded for
// the comparison of the two screen sizes.
std::vector<QWidget*> WalkBothWays(QWidget& dlg) {
    const std::vector<QWidget*> forward = WalkTheTabChain(dlg);
    if (forward.empty()) return forward;
    EXPECT_EQ(QApplication::focusWidget(), forward.front());
    std::vector<QWidget*> backward = WalkTheTabChain(dlg, Qt::Key_Backtab);
    if (backward.size() > 1) std::reverse(backward.begin() + 1, backward.end());
    EXPECT_EQ(backward, forward) << "Shift+Tab: " << Names(backward) << "\nTab: " << Names(forward);
    std::string record;
    for (QWidget* w : forward) record += TreePath(w) + "\n";
    // One file per walk: the test's name and the walk's number within it.
    static std::string lastTest;
    static int walk = 0;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    walk = name == lastTest ? walk + 1 : 1;
    lastTest = name;
    std::replace(name.begin(), name.end(), '/', '_');
    RecordForScreen("TabChain-" + name + "-" + std::to_string(walk), record);
    return forward;
}

void EveryStopCanBeUsed(const std::vector<QWidget*>& stops) {
    for (QWidget* w : stops) EXPECT_TRUE(w->isEnabled()) << Name(w) << " is a disabled stop";
}

// b comes after a when reading: on the same row and right of it, or below it. The shorter one's
// middle within the taller one's height makes a row: << under >> beside a list are on its row; so
// does any height the two share when b stands right of a.
bool ReadsAfter(const QWidget* a, const QWidget* b) {
    const QRect ra = InWindow(a), rb = InWindow(b);
    const QRect& tall = ra.height() >= rb.height() ? ra : rb;
    const QRect& small = ra.height() >= rb.height() ? rb : ra;
    const bool sameRow = small.center().y() >= tall.top() && small.center().y() <= tall.bottom();
    const bool share = rb.top() <= ra.bottom() && ra.top() <= rb.bottom();
    return ((sameRow || share) && rb.x() > ra.x()) || rb.center().y() > ra.center().y();
}

// The widgets from the window down to w, the window left out.
std::vector<QWidget*> Ancestry(QWidget* w) {
    std::vector<QWidget*> up;
    for (; w && !w->isWindow(); w = w->parentWidget()) up.push_back(w);
    std::reverse(up.begin(), up.end());
    return up;
}

// The dialog reads a container at a time, its own buttons last: the stops of a group box, a
// frame, a panel, a tab page or a scrolled body follow each other, never mixed with another's,
// and of two neighbours in one container the later one reads after the earlier one.
void ChainFollowsTheLayout(QWidget& dlg, std::vector<QWidget*> ownButtons) {
    SCOPED_TRACE(Name(&dlg));
    const std::vector<QWidget*> stops = WalkBothWays(dlg);
    ASSERT_FALSE(stops.empty());
    EveryStopCanBeUsed(stops);
    std::erase_if(ownButtons, [](QWidget* b) { return !b->isVisible() || !b->isEnabled(); });
    ASSERT_FALSE(ownButtons.empty());
    // Read the round from the stop after the last button.
    const auto last = std::find(stops.begin(), stops.end(), ownButtons.back());
    ASSERT_NE(last, stops.end()) << Name(ownButtons.back()) << " is no stop: " << Names(stops);
    std::vector<QWidget*> round(last + 1, stops.end());
    round.insert(round.end(), stops.begin(), last + 1);
    const std::size_t controls = round.size() - ownButtons.size();
    const std::vector<QWidget*> tail(round.begin() + static_cast<std::ptrdiff_t>(controls), round.end());
    EXPECT_EQ(tail, ownButtons) << "the buttons do not come last: " << Names(round);
    // Each container's stops in one run.
    std::map<QWidget*, std::vector<std::size_t>> runs;
    for (std::size_t i = 0; i < controls; ++i) {
        std::vector<QWidget*> up = Ancestry(round[i]);
        up.pop_back();
        for (QWidget* c : up) runs[c].push_back(i);
    }
    for (const auto& [container, at] : runs)
        EXPECT_EQ(at.back() - at.front() + 1, at.size())
            << "the stops of " << Name(container) << " mix with others: " << Names(round);
    // Neighbours within their closest common container.
    for (std::size_t i = 1; i < controls; ++i) {
        const std::vector<QWidget*> a = Ancestry(round[i - 1]), b = Ancestry(round[i]);
        std::size_t k = 0;
        while (k < a.size() && k < b.size() && a[k] == b[k]) ++k;
        ASSERT_TRUE(k < a.size() && k < b.size()) << Name(round[i - 1]) << " holds " << Name(round[i]);
        EXPECT_TRUE(ReadsAfter(a[k], b[k]))
            << Name(b[k]) << " after " << Name(a[k]) << " (" << Name(round[i]) << " after " << Name(round[i - 1])
            << "): " << Names(round);
    }
}

// A chain the dialog's design gives: these stops follow each other where they come.
void ChainHas(QWidget& dlg, QWidget* first, std::vector<QWidget*> sequence) {
    SCOPED_TRACE(Name(&dlg));
    const std::vector<QWidget*> stops = WalkBothWays(dlg);
    ASSERT_FALSE(stops.empty());
    EveryStopCanBeUsed(stops);
    EXPECT_EQ(stops.front(), first) << Names(stops);
    const auto at = std::find(stops.begin(), stops.end(), sequence.front());
    ASSERT_NE(at, stops.end()) << Names(stops);
    for (std::size_t i = 0; i < sequence.size(); ++i)
        EXPECT_EQ(stops[static_cast<std::size_t>(at - stops.begin() + static_cast<std::ptrdiff_t>(i)) % stops.size()],
                  sequence[i])
            << Names(stops);
}

void PrepareData(AppState& st) {
    UseLanguage(st, kLanguageEnglish);
    InitFunLangText(st);
    InitPrintText(st);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, kLanguageEnglish);
    st.CurChannelNo = 1;
}

struct DialogCase {
    const char* Name;
    std::function<void(AppState&)> Run;  // opens the dialog, shows it and checks its chain
};

// A dialog opened on the data alone, walked with its OK and Cancel last.
template <class Dialog>
void OkCancelWalk(AppState& st) {
    Dialog d(st);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));
    ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
}

const DialogCase kDialogs[] = {
    {"ChannelBatch",
     [](AppState& st) {
         FrmCHBatch d(st, [] {});
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandApply, d.CommandClose});
     }},
    {"ChannelBatchFunctionView",
     [](AppState& st) {
         FrmCHBatch d(st, [] {});
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         Click(d.CommandFun);
         ChainFollowsTheLayout(d, {d.CommandApply, d.CommandClose});
         // The left list of switches whole, top to bottom, before the right one.
         std::vector<QWidget*> lists{d.CommandFun};
         for (const int k : {kBatchRxFreq, kBatchTxFreq, kBatchDecTone, kBatchEncTone, kBatchName, kBatchTxInhibit,
                             kBatchScanSkip, kBatchReverse, kBatchTalkAround, kBatchStep, kBatchSpacing, kBatchPower,
                             kBatchSignal, kBatchSquelchMode, kBatchDTMFPttId, kBatchBusyLock, kBatchScrambler,
                             kBatchCustomCTCSS, kBatchFiveTonePttId, kBatchSquelchLevel})
             lists.push_back(d.Check2[k]);
         lists.push_back(d.CommandSelAll);
         ChainHas(d, d.CommandFun, lists);
     }},
    {"ChannelBatchEveryFunction",
     [](AppState& st) {
         FrmCHBatch d(st, [] {});
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         Click(d.CommandFun);
         Click(d.CommandSelAll);
         Click(d.CommandFun);
         ASSERT_TRUE(d.Text2[0]->isEnabled());
         ChainFollowsTheLayout(d, {d.CommandApply, d.CommandClose});
         // The left panel whole before the right one: RX Start, RX Step, ...
         ChainHas(d, d.CommandFun, {d.CommandFun, d.Text2[0], d.Text2[1], d.Option2[0]});
     }},
    {"Bank", OkCancelWalk<FrmBank>},
    {"BankShown",
     [](AppState& st) {
         // A bank with a channel in it, and channels outside it.
         for (int n = 3; n <= 6; ++n) AddDefaultChannel(st, n, "400");
         for (auto& b : st.CurRadioData.BankTable) b.fill(0);
         st.CurRadioData.BankTable[0][0] = 3;
         FrmBank d(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         Click(d.List1->viewport(), d.List1->visualItemRect(d.List1->item(0)).center());
         ASSERT_GT(d.List2->count(), 0);
         ASSERT_GT(d.List3->count(), 0);
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
     }},
    {"Channel",
     [](AppState& st) {
         FrmCHEdit d(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainHas(d, d.Text1[0], {d.Text3, d.CommandOK, d.CommandCancel});
     }},
    {"FiveTone",
     [](AppState& st) {
         Frm5Tone d(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCANCEL});
         // A column of settings at a time, then each PTT ID group whole.
         std::vector<QWidget*> chain{d.Text2};
         for (int i = 1; i <= 6; ++i) chain.push_back(d.Combo1[i]);
         chain.push_back(d.Check1);
         chain.push_back(d.Combo1[7]);
         ChainHas(d, d.Text2, chain);
         ChainHas(d, d.Text2, {d.Text4[0], d.Command2, d.Combo4[0], d.Combo5[0], d.Text4[1]});
     }},
    {"UserToneSet",
     [](AppState& st) {
         Frm5ToneDefTS d(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainHas(d, d.CommandOK, {d.CommandOK, d.CommandCancel, d.Text1[0]});
     }},
    {"SpecialCode",
     [](AppState& st) {
         Frm5Tone owner(st);
         FrmSpecial d(owner, 1);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCANCEL});
     }},
    {"TwoTone",
     [](AppState& st) {
         Frm2Tone d(st, [] {});
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
     }},
    {"TwoToneEveryPage",
     [](AppState& st) {
         Frm2Tone d(st, [] {});
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         QTabBar* bar = d.SSTab1->tabBar();
         for (int page = 1; page < bar->count(); ++page) {
             SCOPED_TRACE(page);
             Click(bar, bar->tabRect(page).center());
             ASSERT_EQ(d.SSTab1->currentIndex(), page);
             ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
         }
     }},
    {"DTMF",
     [](AppState& st) {
         FrmDTMF d(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainHas(d, d.Combo1[2], {d.CommandSpecial, d.CommandOK, d.CommandCancel, d.Check1});
     }},
    {"DTMFSpecialCode",
     [](AppState& st) {
         FrmDTMF owner(st);
         FrmDTMFSpecial d(st, owner);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
     }},
    {"MSK", OkCancelWalk<FrmMSK>},
    {"MSKEveryPage",
     [](AppState& st) {
         FrmMSK d(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         QTabBar* bar = d.SSTab1->tabBar();
         for (int page = 1; page < bar->count(); ++page) {
             SCOPED_TRACE(page);
             Click(bar, bar->tabRect(page).center());
             ASSERT_EQ(d.SSTab1->currentIndex(), page);
             ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
         }
     }},
    {"CommunicationBook", OkCancelWalk<FrmCommuBook>},
    {"FunctionSettings",
     [](AppState& st) {
         FrmOption d(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
         // A column of settings at a time.
         std::vector<QWidget*> columns;
         for (const int i : {0, 1, 2, 3, 30, 7, 4, 31, 8, 5, 6, 9, 10}) columns.push_back(d.Combo1[i]);
         ChainHas(d, d.Combo1[0], columns);
     }},
    {"Scan", OkCancelWalk<FrmScan>},
    {"Alert", OkCancelWalk<FrmAlert>},
    {"RadioInformation",
     [](AppState& st) {
         FrmEMG d(st, st.CurRadioInfo);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandClose, d.CommandHelp});
     }},
    {"PrintList",
     [](AppState& st) {
         QPrinter printer;
         FrmPrintList d(st, printer);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         // The dialog's own numbering; items 1 and 2 lie out of sight.
         ChainHas(d, d.CommandSet,
                  {d.CommandSet, d.Command2, d.Command1, d.CommandClrAll, d.CommandSelAll, d.Check1[4], d.Check1[3],
                   d.Check1[0], d.Check1[5], d.Check1[6], d.Check1[7], d.Check1[8], d.Check1[9], d.CommandSet});
     }},
    {"Password",
     [](AppState& st) {
         std::string typed = "1234";
         FrmPassWord d(st, typed);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
     }},
    {"About",
     [](AppState& st) {
         FrmAbout d(st);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK});
     }},
    {"TestData", OkCancelWalk<FrmTestData>},
    {"ModelAndBand",
     [](AppState& st) {
         FrmModel d(st, {"6173USD", "6173USA"}, "6173USD", {"b0", "b1"}, 0);
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
     }},
    {"SerialPort",
     [](AppState& st) {
         FrmComPort d(st, {"/dev/ttyS0", "/dev/ttyS1"}, "/dev/ttyS1");
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
     }},
    {"Language",
     [](AppState& st) {
         FrmLanguage d(st, [] {});
         ASSERT_NO_FATAL_FAILURE(ShowActive(d));
         ChainFollowsTheLayout(d, {d.CommandOK, d.CommandCancel});
     }},
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.Name; }

class UserInputTabOrder : public ::testing::TestWithParam<DialogCase> {};

}  // namespace

// Tab from the control a dialog opens on visits only what the user sees and can use, in the
// order the dialog reads, and comes back.
TEST_P(UserInputTabOrder, TabWalksTheDialogAsItReads) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    GetParam().Run(st);
    EXPECT_TRUE(msgs.Messages().empty()) << msgs.Messages().front().Text.toStdString();
}

// Named for both real-window runs: the large screen's and the laptop screen's.
INSTANTIATE_TEST_SUITE_P(LaptopScreenToo, UserInputTabOrder, ::testing::ValuesIn(kDialogs),
                         [](const ::testing::TestParamInfo<DialogCase>& i) { return std::string(i.param.Name); });

// ---- The focus frame ----------------------------------------------------------------------------

namespace {

struct FrameCase {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(AppState&)> Make;
};

const FrameCase kFrames[] = {
    {"Alert", [](AppState& st) { return std::make_unique<FrmAlert>(st); }},
    {"Scan", [](AppState& st) { return std::make_unique<FrmScan>(st); }},
    {"ModelAndBand",
     [](AppState& st) {
         return std::make_unique<FrmModel>(st, QStringList{"6173USD"}, "6173USD", QStringList{"b0", "b1"}, 0);
     }},
    {"Language", [](AppState& st) { return std::make_unique<FrmLanguage>(st, [] {}); }},
    {"FunctionSettings", [](AppState& st) { return std::make_unique<FrmOption>(st); }},
    {"ChannelBatch", [](AppState& st) { return std::make_unique<FrmCHBatch>(st, [] {}); }},
    {"UserToneSet", [](AppState& st) { return std::make_unique<Frm5ToneDefTS>(st); }},
    {"TestData", [](AppState& st) { return std::make_unique<FrmTestData>(st); }},
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.Name; }

class UserInputTabOrderFrame : public ::testing::TestWithParam<FrameCase> {};

}  // namespace

// The control a dialog opens on draws its focus frame before any key: the same control drawn
// as it would be without a keyboard move differs from it.
TEST_P(UserInputTabOrderFrame, TheFirstFocusShowsItsFrame) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    ScopedMsgBoxScript msgs(MsgButton::Ok);
    std::unique_ptr<QDialog> dlg = GetParam().Make(st);
    ASSERT_NO_FATAL_FAILURE(ShowActive(*dlg));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    ASSERT_EQ(focus->window(), dlg.get());
    EXPECT_TRUE(dlg->testAttribute(Qt::WA_KeyboardFocusChange));
    const QImage shown = focus->grab().toImage();
    dlg->setAttribute(Qt::WA_KeyboardFocusChange, false);
    const QImage unframed = focus->grab().toImage();
    EXPECT_NE(shown, unframed) << focus->objectName().toStdString() << " shows no focus frame";
}

INSTANTIATE_TEST_SUITE_P(Dialogs, UserInputTabOrderFrame, ::testing::ValuesIn(kFrames),
                         [](const ::testing::TestParamInfo<FrameCase>& i) { return std::string(i.param.Name); });

// ---- The main window's small windows ------------------------------------------------------------

// Enter on the band list moves on like Tab: no OK, no question about the frequencies; Enter on
// OK presses it.
TEST(UserInputSmallWindows, EnterInTheBandListMovesOnAndOnlyOKAsks) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    FrmModel dlg(st, {"6173USD", "6173USA"}, "6173USD", {"b0", "b1", "b2"}, 0);
    int asked = 0;
    dlg.Message = [&](const QString&, int, const QString&) { return ++asked, MsgButton::Ok; };
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    ASSERT_TRUE(dlg.ComboModel->hasFocus());
    Key(Qt::Key_Return);
    ASSERT_TRUE(dlg.ComboBand->hasFocus());
    Key(Qt::Key_Down);
    ASSERT_EQ(dlg.ComboBand->currentIndex(), 1);
    Key(Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(asked, 0);
    ASSERT_TRUE(dlg.CommandOK->hasFocus());
    Key(Qt::Key_Return);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.ChosenBandIndex(), 1);
}

TEST(UserInputSmallWindows, EnterInThePortAndLanguageBoxesMovesOn) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    {
        FrmComPort dlg(st, {"/dev/ttyS0", "/dev/ttyS1"}, "/dev/ttyS1");
        ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
        ASSERT_TRUE(dlg.ComboPort->hasFocus());
        Key(Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_TRUE(dlg.CommandOK->hasFocus());
    }
    {
        int reloads = 0;
        FrmLanguage dlg(st, [&] { ++reloads; });
        ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
        ASSERT_TRUE(dlg.Combo1->hasFocus());
        Key(Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_TRUE(dlg.CommandOK->hasFocus());
        EXPECT_EQ(reloads, 0);
        dlg.reject();
    }
}

// The factory test-data window is one of the dialogs: Enter on its focused OK or Cancel presses
// that button.
TEST(UserInputSmallWindows, EnterOnTheTestDataWindowsFocusedButtonPressesIt) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        FrmTestData dlg(st);
        int accepted = 0, rejected = 0;
        QObject::connect(&dlg, &QDialog::accepted, [&] { ++accepted; });
        QObject::connect(&dlg, &QDialog::rejected, [&] { ++rejected; });
        ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
        QPushButton* button = ok ? dlg.CommandOK : dlg.CommandCancel;
        for (int i = 0; i < 4 && QApplication::focusWidget() != button; ++i) Key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), button);
        Key(Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }, 2000)) << "Enter pressed nothing";
        EXPECT_EQ(accepted, ok ? 1 : 0);
        EXPECT_EQ(rejected, ok ? 0 : 1);
    }
}

// ---- The password offered again -----------------------------------------------------------------

// The last password is offered selected: what the user types replaces it, and Enter sends it.
TEST(UserInputKit, PasswordTypedOverTheOfferedOne) {
    SKIP_WITHOUT_REAL_WINDOWS();
    AppState st;
    PrepareData(st);
    std::string typed = "1234";
    FrmPassWord dlg(st, typed);
    ASSERT_NO_FATAL_FAILURE(ShowActive(dlg));
    ASSERT_TRUE(dlg.Text1->hasFocus());
    Type("9876");
    Key(Qt::Key_Return);
    EXPECT_TRUE(dlg.PassWordOKFlag());
    EXPECT_EQ(typed, "9876");
}
