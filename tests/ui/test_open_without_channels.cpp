// File > Open of a data file whose channel file is missing, through the window's own menu: the
// user is told which file is missing and keeps the data, name, model and band they had.
#include <QAction>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "MainFixture.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "model/BandText.h"
#include "model/DataChanged.h"
#include "model/DataFiles.h"
#include "model/NewData.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

TEST(OpenWithoutChannels, IsRefusedNamingTheChannelFileAndKeepsTheWindowAsItWas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AppState st;
    test::UseLanguage(st, 1);
    InitMsgString(st);
    NewData(st);

    // Another model's and band's pair, its channel file then lost.
    AppState other = st;
    other.CurModelCode = "6173USA";
    other.CurBandIndex = 5;
    const std::string lone = dir.filePath("nofre.dat").toStdString();
    ASSERT_TRUE(SaveDataFile(other, lone).Ok());
    std::filesystem::remove(dir.filePath("nofre.fre").toStdString());

    const std::string mine = dir.filePath("mine.dat").toStdString();
    ASSERT_TRUE(SaveDataFile(st, mine).Ok());
    test::TempSettings settings;
    auto w = std::make_unique<frmMain>(st, settings.Make());
    w->show();
    auto& grid = *w->MSFlexGrid1[0];
    const QString firstRx = grid.TextMatrix(1, 1);
    ASSERT_FALSE(firstRx.isEmpty());
    const int channels = st.CurRadioData.ChannelCount;
    const std::string model = st.CurModelCode;
    const int band = st.CurBandIndex;

    ScopedMsgBoxScript answers(MsgButton::Ok);
    {
        ScopedFileDialogScript names({QString::fromStdString(lone)});
        w->MenuAction("mnuFileOpen")->trigger();
    }
    ASSERT_EQ(answers.Messages().size(), 1u);
    const QString said = answers.Messages()[0].Text;
    EXPECT_TRUE(said.contains(dir.filePath("nofre.fre"))) << said.toStdString();
    EXPECT_FALSE(said.contains("%1")) << said.toStdString();
    EXPECT_EQ(st.DataFileName, mine);
    EXPECT_EQ(st.CurModelCode, model);
    EXPECT_EQ(st.CurBandIndex, band);
    EXPECT_EQ(st.CurRadioData.ChannelCount, channels);
    EXPECT_EQ(grid.TextMatrix(1, 1), firstRx);
    EXPECT_FALSE(IsDataChanged(st));
}

}  // namespace
}  // namespace rp
