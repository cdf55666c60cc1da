// The whole round as a user makes it, through the real window and the real serial port: read
// the simulated radio, save the data, change a channel, write it back into the radio.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "PtyHarness.h"
#include "UserRound.h"
#include "comm/CommImage.h"
#include "comm/SkipRanges.h"
#include "model/DataChanged.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "shell/MainCommandHost.h"
#include "kit/MsgBox.h"
#include "qtcomm/QtCommLink.h"
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QElapsedTimer>
#include <QAction>
#include "shell/frmMain.h"

namespace rp {
namespace {

// The radio's memory as the encoders make it from data with one extra channel.
std::vector<std::uint8_t> RadioImageWithChannel(int number, const char* mhz, const char* name) {
    AppState s;
    s.ProgramDir = RP_RUNTIME_DIR;
    NewData(s);
    ChannelData c = test::MakeChannel(number, mhz);
    c.Name = name;
    s.ChannelTable[s.CurRadioData.ChannelCount++] = c;
    InitCommImage(s);
    std::string label;
    EXPECT_TRUE(SetCommData(s, label)) << label;
    return {s.CommImage.begin(), s.CommImage.end()};
}

int SlotOf(const AppState& s, int number) {
    for (int i = 0; i < s.CurRadioData.ChannelCount; ++i)
        if (s.ChannelTable[i].ChannelNo == number) return i;
    return -1;
}

TEST(EndToEnd, ReadSaveEditWriteAgainstTheSimulatedRadio) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string imagePath = dir.filePath("radio.img").toStdString();
    const std::string dumpPath = dir.filePath("dump.img").toStdString();
    const auto image = RadioImageWithChannel(5, "145.5250", "E2E");
    std::ofstream(imagePath, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());

    sim::PtyRadioProcess radio(QString(RP_RUNTIME_DIR) + "/simradio",
                               {"--image", QString::fromStdString(imagePath), "--dump", QString::fromStdString(dumpPath)});
    ASSERT_TRUE(radio.Ok()) << radio.Error();

    AppState st;
    test::PrepareUserRound(st);
    st.ComPortName = radio.Device();
    test::TempSettings settings;
    frmMain w(st, settings.Make());
    w.show();

    // Read: unchanged data ask nothing but the read prompt; the end says the data were read.
    {
        ScopedMsgBoxScript answers(MsgButton::Ok);
        w.mnuProRead_Click();
        ASSERT_TRUE(sim::RunExchange(st, 30000));
        ASSERT_GE(answers.Messages().size(), 2u);
        EXPECT_EQ(answers.Messages().front().Style, MsgStyle::QuestionOkCancel);
        EXPECT_EQ(answers.Messages().back().Text.toStdString(), GetLangStr(st, 2004));
    }
    const int slot = SlotOf(st, 5);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(TrimNull(st.ChannelTable[slot].Name.Str()), "E2E");
    EXPECT_EQ(st.DataFileName, "new.dat");
    bool shown = false;
    for (int r = 1; r < w.MSFlexGrid1[0]->Rows(); ++r)
        if (w.MSFlexGrid1[0]->TextMatrix(r, 1).contains("145.525")) shown = true;
    EXPECT_TRUE(shown) << "the channel grid shows the channel read";
    // RP_E2E_SHOT=file.png keeps a picture of the window after the read, for a look by eye.
    if (const QString shot = qEnvironmentVariable("RP_E2E_SHOT"); !shot.isEmpty()) {
        EXPECT_TRUE(w.grab().save(shot)) << shot.toStdString();
    }

    // Save: data from the radio were never saved, so Save asks for a name; ".dat" is added.
    const QString saveName = dir.filePath("fromradio");
    {
        ScopedMsgBoxScript answers(MsgButton::Ok);
        ScopedFileDialogScript names({saveName});
        w.mnuFileSave_Click();
        EXPECT_EQ(names.Pending(), 0u);
    }
    EXPECT_EQ(QFile(saveName + ".dat").size(), 12275);
    EXPECT_EQ(QFile(saveName + ".fre").size(), 113 * st.CurRadioData.ChannelCount);
    EXPECT_FALSE(IsDataChanged(st));

    // Edit and write: the changed frequency lands in the radio's memory.
    st.ChannelTable[slot].RxFreq = test::Fre("146.0000");
    w.ReShowListByData();
    ASSERT_NO_FATAL_FAILURE(test::WriteToRadio(st, w, 30000));
    radio.Stop();
    const auto memory = test::WaitForDump(dumpPath);
    ASSERT_EQ(memory.size(), 0x4000u);
    AppState back;
    test::DecodeRadioMemory(memory, back);
    const int backSlot = SlotOf(back, 5);
    ASSERT_GE(backSlot, 0);
    EXPECT_EQ(back.ChannelTable[backSlot].RxFreq.Str(), test::Fre("146.0000"));

    // Leaving with nothing unsaved but the edit asks the save question; No ends the program.
    {
        ScopedMsgBoxScript answers(MsgButton::No);
        EXPECT_TRUE(w.close());
        ASSERT_EQ(answers.Messages().size(), 1u);
        EXPECT_EQ(answers.Messages()[0].Style, MsgStyle::ExclamationYesNoCancel);
    }
}

bool InSkipRange(const AppState& s, int address) {
    for (int i = 0; i < s.SkipRanges.SkipRangeCount; ++i)
        if (address >= s.SkipRanges.Ranges[i].Start && address <= s.SkipRanges.Ranges[i].End) return true;
    return false;
}

// What a radio that held `before` must hold after a write of the data: every block the write
// sends as the data encode, every other byte as it was.
std::vector<std::uint8_t> AfterWriteOf(AppState data, const std::vector<std::uint8_t>& before) {
    InitCommImage(data);
    std::string label;
    EXPECT_TRUE(SetCommData(data, label)) << label;
    PrepareWrite(data);
    std::vector<std::uint8_t> after = before;
    for (int a = kWriteStartAddress; a < 0x4000; ++a)
        if (!InSkipRange(data, a)) after[static_cast<std::size_t>(a)] = data.CommImage[static_cast<std::size_t>(a)];
    return after;
}

// The program's own Read and Write, as the menu runs them: a channel added to the data read is in
// the radio when it is read back, and the radio holds exactly what the data encode to. Each step
// of the write shows here: the encoders on a fresh image (a byte no field holds goes out as 00,
// not as the read left it), the blocks planned from the data (the new channel's block was free
// in the radio and skipped by the read), the progress window, the exchange itself.
TEST(EndToEnd, ChannelAddedAfterAReadIsInTheRadioWhenReadBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string imagePath = dir.filePath("radio.img").toStdString();
    const std::string dumpPath = dir.filePath("dump.img").toStdString();
    auto image = RadioImageWithChannel(5, "145.5250", "E2E");
    for (int a = 0x0010; a < 0x0100; ++a) image[a] = static_cast<std::uint8_t>(0x30 + a % 40);
    for (int a = 0x004C; a < 0x0050; ++a) image[a] = 0xFF;  // no password
    image[0x03A7] = 0x5A;  // in the alert block, held by no field
    std::ofstream(imagePath, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
    sim::PtyRadioProcess radio(QString(RP_RUNTIME_DIR) + "/simradio",
                               {"--image", QString::fromStdString(imagePath), "--dump", QString::fromStdString(dumpPath)});
    ASSERT_TRUE(radio.Ok()) << radio.Error();

    AppState st;
    test::PrepareUserRound(st);
    st.ComPortName = radio.Device();
    test::TempSettings settings;
    frmMain w(st, settings.Make());
    w.show();
    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w, 30000));
    ASSERT_GE(SlotOf(st, 5), 0);
    ASSERT_LT(SlotOf(st, 150), 0);

    // Channel 150 typed into its empty row.
    {
        ScopedMsgBoxScript none(MsgButton::Ok);
        auto& grid = *w.MSFlexGrid1[0];
        grid.SetCell(150, 1);
        w.MSFlexGrid1_DblClick(0);
        ASSERT_FALSE(w.TextFreRx->isHidden());
        w.TextFreRx->setText("146.6250");
        QTest::keyClick(w.TextFreRx, Qt::Key_Return);
        EXPECT_TRUE(none.Messages().empty());
    }
    ASSERT_GE(SlotOf(st, 150), 0);
    const AppState written = st;

    {
        ScopedMsgBoxScript answers(MsgButton::Ok);
        w.MnuProWrite_Click();
        EXPECT_EQ(st.CommMode, CommModes::Write);
        EXPECT_NE(MainCommandHost::Of(w).Progress(), nullptr);
        EXPECT_FALSE(w.MenuAction("mnuProRead")->isEnabled());
        ASSERT_TRUE(sim::RunExchange(st, 30000));
        ASSERT_EQ(answers.Messages().size(), 2u);
        EXPECT_EQ(answers.Messages()[0].Text.toStdString(), Bilingual(st, st.WritePromptText));
        EXPECT_EQ(answers.Messages()[1].Text.toStdString(), GetLangStr(st, 2005));
    }

    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w, 30000));
    const int slot = SlotOf(st, 150);
    ASSERT_GE(slot, 0) << "the channel added is not in the radio";
    EXPECT_EQ(st.ChannelTable[slot].RxFreq.Str(), test::Fre("146.6250"));
    ASSERT_GE(SlotOf(st, 5), 0);
    EXPECT_EQ(TrimNull(st.ChannelTable[SlotOf(st, 5)].Name.Str()), "E2E");

    radio.Stop();
    const auto memory = test::WaitForDump(dumpPath);
    ASSERT_EQ(memory.size(), 0x4000u);
    const auto expected = AfterWriteOf(written, image);
    for (std::size_t a = 0; a < memory.size(); ++a)
        ASSERT_EQ(memory[a], expected[a]) << "radio address " << std::hex << a;
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

struct WindowOnRadio : ::testing::Test, test::SimRadioRound {};

TEST_F(WindowOnRadio, CancelledPromptsCloseThePortAgain) {
    ASSERT_TRUE(radio.Ok()) << radio.Error();
    frmMain w(st, settings.Make());
    ScopedMsgBoxScript answers(MsgButton::Cancel);
    w.mnuProRead_Click();
    EXPECT_EQ(st.CommMode, CommModes::Idle);
    EXPECT_FALSE(MainCommandHost::Of(w).Link().Port().IsOpen());
    w.MnuProWrite_Click();
    EXPECT_EQ(st.CommMode, CommModes::Idle);
    EXPECT_FALSE(MainCommandHost::Of(w).Link().Port().IsOpen());
    ASSERT_EQ(answers.Messages().size(), 2u);
    EXPECT_EQ(answers.Messages()[1].Text.toStdString(), st.WritePromptText[1]);
}

TEST_F(WindowOnRadio, WriteRefusedByAnEncoderClosesThePortAndSaysWhy) {
    ASSERT_TRUE(radio.Ok()) << radio.Error();
    st.ChannelTable[0].Shift = 3;  // no such offset direction: the channel encoder refuses it
    frmMain w(st, settings.Make());
    ScopedMsgBoxScript answers(MsgButton::Ok);
    w.ToolButton("TCommWrite")->trigger();
    ASSERT_EQ(answers.Messages().size(), 2u);
    EXPECT_EQ(answers.Messages()[0].Text.toStdString(), st.WritePromptText[1]);
    EXPECT_EQ(answers.Messages()[1].Text, "SetCommDataByFrequencyError");
    EXPECT_EQ(st.CommMode, CommModes::Idle);
    EXPECT_FALSE(st.WriteAllowed);
    EXPECT_FALSE(MainCommandHost::Of(w).Link().Port().IsOpen());
    EXPECT_EQ(MainCommandHost::Of(w).Progress(), nullptr);
    EXPECT_TRUE(w.MenuAction("MnuProWrite")->isEnabled());
    EXPECT_TRUE(w.ToolButton("TCommRead")->isEnabled());
}

TEST_F(WindowOnRadio, ClosingTheProgressWindowEndsTheReadAsFailedAndKeepsTheData) {
    ASSERT_TRUE(radio.Ok()) << radio.Error();
    st.ChannelTable[0].Name = "MINE";
    st.FileChannelTable[0].Name = "MINE";
    const AppState before = st;
    frmMain w(st, settings.Make());
    ScopedMsgBoxScript answers(MsgButton::Ok);
    w.mnuProRead_Click();
    ASSERT_EQ(st.CommMode, CommModes::Read);
    ASSERT_NE(MainCommandHost::Of(w).Progress(), nullptr);
    MainCommandHost::Of(w).Progress()->close();  // the user's close box
    EXPECT_EQ(st.CommMode, CommModes::Idle);
    EXPECT_FALSE(MainCommandHost::Of(w).Link().Port().IsOpen());
    EXPECT_EQ(MainCommandHost::Of(w).Progress(), nullptr);
    ASSERT_FALSE(answers.Messages().empty());
    EXPECT_EQ(answers.Messages().back().Text.toStdString(), GetLangStr(st, 2006));
    EXPECT_TRUE(st.ChannelTable == before.ChannelTable);
    EXPECT_EQ(st.DataFileName, before.DataFileName);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.MenuAction("mnuProRead")->isEnabled());
}

TEST_F(WindowOnRadio, RadioCommandsAreOffWhileTheInformationIsRead) {
    ASSERT_TRUE(radio.Ok()) << radio.Error();
    frmMain w(st, settings.Make());
    ScopedMsgBoxScript answers(MsgButton::Ok);
    int viewerShown = 0;
    QString viewerName, serialShown;
    // The viewer is modal: close it as soon as it shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (auto* top : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(top); d && d->isVisible() && d->parent() == &w) {
                ++viewerShown;
                viewerName = d->objectName();
                if (auto* serial = d->findChild<QLineEdit*>("Text1_1")) serialShown = serial->text();
                d->reject();
            }
    });
    closer.start(20);
    w.MnuEMg_Click();
    EXPECT_EQ(st.CommMode, CommModes::InfoRead);
    EXPECT_FALSE(w.MenuAction("mnuProRead")->isEnabled());
    EXPECT_FALSE(w.ToolButton("TCommWrite")->isEnabled());
    EXPECT_FALSE(w.MenuAction("MnuSetCom")->isEnabled());
    w.mnuProRead_Click();  // ignored while the exchange runs
    EXPECT_EQ(st.CommMode, CommModes::InfoRead);
    ASSERT_TRUE(sim::RunExchange(st, 20000));
    QElapsedTimer t;
    t.start();
    // A generous bound: a loaded machine may take a while to deliver the queued events.
    while (!w.MenuAction("mnuProRead")->isEnabled() && t.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(w.MenuAction("mnuProRead")->isEnabled());
    EXPECT_TRUE(w.ToolButton("TCommWrite")->isEnabled());
    EXPECT_EQ(viewerShown, 1);
    EXPECT_EQ(viewerName, "FrmEMG");
    // The record's single-byte text, as the viewer shows it.
    EXPECT_EQ(serialShown, QString::fromLatin1(QByteArray::fromStdString(st.CurRadioInfo.SerialNumber.Trimmed())));
}

}  // namespace
}  // namespace rp
