// The commands as the window runs them: through its menus and toolbar, with its real dialogs,
// data files and redraws.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

#include "MainFixture.h"
#include "model/BandText.h"
#include "model/DataChanged.h"
#include "model/LangText.h"
#include "model/ModelTable.h"
#include "model/NewData.h"
#include "kit/FileDialogs.h"
#include "shell/FrmComPort.h"
#include "shell/FrmModel.h"
#include "kit/GridAdapter.h"
#include "shell/MainCommands.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

// Acts on the first visible dialog of type D once a modal loop has shown it.
template <class D> class WhenShown {
public:
    explicit WhenShown(std::function<void(D&)> act) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (auto* top : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<D*>(top); d && d->isVisible()) {
                    timer_.stop();
                    ++seen_;
                    act_(*d);
                    return;
                }
            }
        });
        timer_.start(5);
    }
    int Seen() const { return seen_; }

private:
    std::function<void(D&)> act_;
    QTimer timer_;
    int seen_ = 0;
};

QStringList GridTexts(FlexGrid& g) {
    QStringList all;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) all << g.TextMatrix(r, c);
    return all;
}

struct WindowCommands : ::testing::Test {
    WindowCommands() {
        test::UseLanguage(st, 1);
        InitMsgString(st);
        NewData(st);
    }
    frmMain& Open() {
        w = std::make_unique<frmMain>(st, settings.Make());
        w->show();
        return *w;
    }
    AppState st;
    test::TempSettings settings;
    QTemporaryDir dir;
    std::unique_ptr<frmMain> w;
};

TEST_F(WindowCommands, BandChangeInTheModelDialogRedrawsTheWholeWindow) {
    Open();
    w->ShowGridType(2);
    const int newBand = (st.CurBandIndex + 3) % kBandVariants;
    const QString otherModel = QString::fromStdString(GetModelName(st, "6173USA"));
    WhenShown<FrmModel> pick([&](FrmModel& d) {
        d.ComboBand->setCurrentIndex(newBand);
        d.ComboModel->setCurrentText(otherModel);
        d.CommandOK->click();
    });
    ScopedMsgBoxScript answers(MsgButton::Ok);
    w->MenuAction("MnuModelInfo")->trigger();

    ASSERT_EQ(pick.Seen(), 1);
    ASSERT_EQ(answers.Messages().size(), 1u);
    EXPECT_EQ(answers.Messages()[0].Text, "Frequency data will be cleared.");
    EXPECT_EQ(answers.Messages()[0].Title, "Warning");
    EXPECT_EQ(st.CurBandIndex, newBand);
    EXPECT_EQ(st.CurModelCode, "6173USA");
    EXPECT_TRUE(IsDataChanged(st));

    EXPECT_FALSE(w->MSFlexGrid1[0]->isHidden());
    EXPECT_TRUE(w->MSFlexGrid1[2]->isHidden());
    EXPECT_EQ(w->sbBand->text().toStdString(), GetBandRangeStr(newBand));
    EXPECT_FALSE(w->MenuAction("MnuViewAM")->isVisible());
    EXPECT_FALSE(w->MenuAction("MnuViewMSK")->isVisible());
    EXPECT_TRUE(w->MenuAction("MnuView2Tone")->isVisible());
    // Whatever the window shows now is what a window opened on these data would show.
    test::TempSettings other;
    frmMain fresh(st, other.Make());
    EXPECT_EQ(GridTexts(*w->MSFlexGrid1[0]), GridTexts(*fresh.MSFlexGrid1[0]));
    EXPECT_EQ(w->tvTreeView->topLevelItem(0)->text(0), fresh.tvTreeView->topLevelItem(0)->text(0));
}

TEST_F(WindowCommands, ModelDialogCancelledOrWarningDeclinedChangesNothing) {
    ChannelData c = test::MakeChannel(9, "145.2500");
    st.ChannelTable[st.CurRadioData.ChannelCount++] = c;
    const AppState before = st;
    Open();
    const QStringList gridBefore = GridTexts(*w->MSFlexGrid1[0]);
    for (bool declineWarning : {false, true}) {
        WhenShown<FrmModel> pick([&](FrmModel& d) {
            d.ComboBand->setCurrentIndex((st.CurBandIndex + 1) % kBandVariants);
            if (declineWarning) d.CommandOK->click();  // answered Cancel: the dialog stays
            d.CommandCancel->click();
        });
        ScopedMsgBoxScript answers(MsgButton::Cancel);
        w->MnuModelInfo_Click();
        EXPECT_EQ(answers.Messages().size(), declineWarning ? 1u : 0u);
        EXPECT_EQ(st.CurBandIndex, before.CurBandIndex);
        EXPECT_EQ(st.CurRadioData.ChannelCount, before.CurRadioData.ChannelCount);
        EXPECT_TRUE(st.ChannelTable == before.ChannelTable);
        EXPECT_EQ(GridTexts(*w->MSFlexGrid1[0]), gridBefore);
    }
}

// A value left in an open cell editor belongs to the data before any question about them.
TEST_F(WindowCommands, EveryCommandClosesTheOpenEditorBeforeItsFirstQuestion) {
    st.ChannelTable[0].Name = "EDITED";  // unsaved: every command below asks something
    st.IsNewData = 0;
    st.DataFileName = dir.filePath("kept.dat").toStdString();
    Open();
    struct Trigger {
        const char* what;
        std::function<void()> run;
    };
    const Trigger triggers[] = {
        {"menu New", [&] { w->MenuAction("mnuFileNew")->trigger(); }},
        {"toolbar New", [&] { w->ToolButton("TNewFile")->trigger(); }},
        {"menu Open", [&] { w->MenuAction("mnuFileOpen")->trigger(); }},
        {"toolbar Open", [&] { w->ToolButton("TOpenFile")->trigger(); }},
        {"menu Save", [&] { w->MenuAction("mnuFileSave")->trigger(); }},
        {"toolbar Save", [&] { w->ToolButton("TSaveFile")->trigger(); }},
        {"menu Initialise", [&] { w->MenuAction("MnuSetInit")->trigger(); }},
        {"menu Exit", [&] { w->MenuAction("mnuFileExit")->trigger(); }},
    };
    for (const auto& t : triggers) {
        w->ComboWN->setGeometry(10, 40, 80, 20);
        w->ComboWN->show();
        ASSERT_TRUE(w->ComboWN->isVisible()) << t.what;
        std::vector<bool> editorOpenAtQuestion;
        ScopedMsgBoxScript answers([&](const ScopedMsgBoxScript::Shown&) {
            editorOpenAtQuestion.push_back(w->ComboWN->isVisible());
            return MsgButton::Cancel;
        });
        t.run();
        ASSERT_EQ(editorOpenAtQuestion.size(), 1u) << t.what;
        EXPECT_FALSE(editorOpenAtQuestion[0]) << t.what;
        EXPECT_TRUE(w->isVisible()) << t.what << ": Cancel keeps the program open";
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("kept.dat")));
}

// Edit, save, start anew, open again: the window shows the edited channel again, and the file
// dialogs ask for ".dat" files.
TEST_F(WindowCommands, SavedChannelsComeBackThroughOpen) {
    Open();
    const QString path = dir.filePath("mine");
    st.ChannelTable[0].Name = "KEEP";
    st.ChannelTable[0].RxFreq = test::Fre("146.5200");
    w->ReShowListByData();
    const int row = st.ChannelTable[0].ChannelNo;
    const QStringList edited = GridTexts(*w->MSFlexGrid1[0]);
    {
        ScopedMsgBoxScript answers(MsgButton::Ok);
        ScopedFileDialogScript names({path});
        w->ToolButton("TSaveFile")->trigger();  // never saved: Save As
        ASSERT_EQ(names.Requests().size(), 1u);
        EXPECT_TRUE(names.Requests()[0].Save);
        EXPECT_EQ(names.Requests()[0].DefaultSuffix, "dat");
        EXPECT_TRUE(names.Requests()[0].Filter.endsWith("(*.dat)"));
        EXPECT_TRUE(answers.Messages().empty());
    }
    EXPECT_EQ(st.DataFileName, (path + ".dat").toStdString());
    EXPECT_TRUE(w->windowTitle().endsWith(" - mine.dat")) << w->windowTitle().toStdString();
    EXPECT_EQ(w->sbFile->text(), path + ".dat");
    {
        ScopedMsgBoxScript answers(MsgButton::Ok);
        w->MenuAction("mnuFileNew")->trigger();
        ASSERT_EQ(answers.Messages().size(), 1u);  // nothing unsaved: only "All data will be cleared."
        EXPECT_EQ(answers.Messages()[0].Style, MsgStyle::ExclamationOkCancel);
    }
    EXPECT_NE(w->MSFlexGrid1[0]->TextMatrix(row, 1), edited[row * w->MSFlexGrid1[0]->Cols() + 1]);
    {
        ScopedMsgBoxScript answers(MsgButton::Ok);
        ScopedFileDialogScript names({path + ".dat"});
        w->ToolButton("TOpenFile")->trigger();
        ASSERT_EQ(names.Requests().size(), 1u);
        EXPECT_FALSE(names.Requests()[0].Save);
        EXPECT_EQ(names.Requests()[0].DefaultSuffix, "dat");
        EXPECT_TRUE(answers.Messages().empty());
    }
    EXPECT_EQ(GridTexts(*w->MSFlexGrid1[0]).mid(w->MSFlexGrid1[0]->Cols()),
              edited.mid(w->MSFlexGrid1[0]->Cols()));
    EXPECT_FALSE(IsDataChanged(st));
}

// Data put under another model of the family are saved under it and open again under it.
TEST_F(WindowCommands, DataOfAnotherModelSurviveSaveAndOpen) {
    Open();
    auto pickModel = [&](const char* code) {
        const QString name = QString::fromStdString(GetModelName(st, code));
        WhenShown<FrmModel> pick([&](FrmModel& d) {
            d.ComboModel->setCurrentText(name);
            d.CommandOK->click();
        });
        w->MenuAction("MnuModelInfo")->trigger();
        ASSERT_EQ(pick.Seen(), 1);
        ASSERT_EQ(st.CurModelCode, code);
    };
    pickModel("6173USA");
    const QString path = dir.filePath("usa.dat");
    {
        ScopedMsgBoxScript answers(MsgButton::Ok);
        ScopedFileDialogScript names({path});
        w->MenuAction("mnuFileSaveAs")->trigger();
        EXPECT_TRUE(answers.Messages().empty());
    }
    pickModel("6173USD");
    EXPECT_TRUE(w->MenuAction("MnuViewAM")->isVisible());
    {
        ScopedMsgBoxScript answers(MsgButton::No);
        ScopedFileDialogScript names({path});
        w->MenuAction("mnuFileOpen")->trigger();
        for (const auto& m : answers.Messages()) EXPECT_EQ(m.Style, MsgStyle::ExclamationYesNoCancel) << m.Text.toStdString();
    }
    EXPECT_EQ(st.CurModelCode, "6173USA");
    EXPECT_EQ(st.DataFileName, path.toStdString());
    EXPECT_FALSE(w->MenuAction("MnuViewAM")->isVisible());
    EXPECT_FALSE(IsDataChanged(st));
}

TEST_F(WindowCommands, SaveAsRefusesAChannelFileNameAndWritesNothing) {
    Open();
    const QString bad = dir.filePath("radio.fre");
    ScopedMsgBoxScript answers(MsgButton::Ok);
    ScopedFileDialogScript names({bad});
    w->MenuAction("mnuFileSaveAs")->trigger();
    ASSERT_EQ(answers.Messages().size(), 1u);
    EXPECT_EQ(answers.Messages()[0].Text.toStdString(), BadFileNameText(st));
    EXPECT_FALSE(QFile::exists(bad));
    EXPECT_FALSE(QFile::exists(bad + ".dat"));
    EXPECT_NE(st.IsNewData, 0);
}

TEST_F(WindowCommands, PortChoiceIsKeptInTheSetupFile) {
    st.SetupIniPath = dir.filePath("mysetup.ini").toStdString();
    std::ofstream(st.SetupIniPath) << "[language]\r\nIsFirstRun=0\r\ncomPort=/dev/ttyS0\r\n";
    st.ComPortName = "/dev/ttyS0";
    Open();
    WhenShown<FrmComPort> pick([](FrmComPort& d) {
        d.ComboPort->setEditText("/dev/pts/77");
        d.CommandOK->click();
    });
    ScopedMsgBoxScript answers(MsgButton::Ok);
    w->ToolButton("TCommPort")->trigger();
    ASSERT_EQ(pick.Seen(), 1);
    EXPECT_TRUE(answers.Messages().empty());
    EXPECT_EQ(st.ComPortName, "/dev/pts/77");
    std::stringstream kept;
    kept << std::ifstream(st.SetupIniPath).rdbuf();
    EXPECT_NE(kept.str().find("comPort=/dev/pts/77"), std::string::npos) << kept.str();
    EXPECT_NE(kept.str().find("IsFirstRun=0"), std::string::npos) << kept.str();
}

TEST_F(WindowCommands, PortDialogCancelledKeepsThePort) {
    st.ComPortName = "/dev/ttyS0";
    Open();
    WhenShown<FrmComPort> pick([](FrmComPort& d) {
        d.ComboPort->setEditText("/dev/pts/77");
        d.CommandCancel->click();
    });
    w->MenuAction("MnuSetCom")->trigger();
    ASSERT_EQ(pick.Seen(), 1);
    EXPECT_EQ(st.ComPortName, "/dev/ttyS0");
}

}  // namespace
}  // namespace rp
