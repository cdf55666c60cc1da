#pragma once
// The steps the user-round tests repeat on the main window: the channel dialog opened from the
// grid, save under a name, write into the simulated radio, read back, and what the radio's memory
// holds after a write.
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "PtyHarness.h"
#include "channels/FrmCHEdit.h"
#include "comm/CommImage.h"
#include "model/AppState.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

namespace rp::test {

// A user round against the simulated radio: a scratch folder, the radio on its pseudo-terminal
// (dumping its memory into the folder after each write) and data with the shipped English texts
// on its port. The test makes the window once it has set its data.
struct SimRadioRound {
    QTemporaryDir dir;
    const std::string dumpPath = dir.filePath("dump.img").toStdString();
    sim::PtyRadioProcess radio{QString(RP_RUNTIME_DIR) + "/simradio", {"--dump", QString::fromStdString(dumpPath)}};
    AppState st;
    TempSettings settings;

    SimRadioRound() {
        PrepareUserRound(st);
        st.ComPortName = radio.Device();
    }
    // Call it inside ASSERT_NO_FATAL_FAILURE.
    void ExpectReady() const {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(radio.Ok()) << radio.Error();
    }
};

// The channel dialog opened by a double-click on a row's details cell, `act` run in it. False
// when the dialog did not show.
inline bool EditChannelInDialog(frmMain& w, int row, const std::function<void(FrmCHEdit&)>& act) {
    auto& g = *w.MSFlexGrid1[0];
    return RunModal<FrmCHEdit>(
        [&] {
            g.SetCell(row, g.Cols() - 2);
            emit g.CellDoubleClicked(row, g.Cols() - 2);
        },
        act);
}

// Save with every message answered OK and the name dialog given `path`.
inline void SaveAs(frmMain& w, const QString& path) {
    ScopedMsgBoxScript answers(MsgButton::Ok);
    ScopedFileDialogScript names({path});
    w.mnuFileSave_Click();
}

// The write command run to its end; the last message says the data were written.
// Call it inside ASSERT_NO_FATAL_FAILURE.
inline void WriteToRadio(AppState& st, frmMain& w, int timeoutMs = 60000) {
    ScopedMsgBoxScript answers(MsgButton::Ok);
    w.MnuProWrite_Click();
    ASSERT_TRUE(sim::RunExchange(st, timeoutMs));
    ASSERT_FALSE(answers.Messages().empty());
    EXPECT_EQ(answers.Messages().back().Text.toStdString(), GetLangStr(st, 2005));
}

// The read command run to its end, No to saving the data first; the last message says the data
// were read. Call it inside ASSERT_NO_FATAL_FAILURE.
inline void ReadFromRadio(AppState& st, frmMain& w, int timeoutMs = 60000) {
    ScopedMsgBoxScript answers([](const ScopedMsgBoxScript::Shown& m) {
        return m.Style == MsgStyle::ExclamationYesNoCancel ? MsgButton::No : MsgButton::Ok;
    });
    w.mnuProRead_Click();
    ASSERT_TRUE(sim::RunExchange(st, timeoutMs));
    ASSERT_FALSE(answers.Messages().empty());
    EXPECT_EQ(answers.Messages().back().Text.toStdString(), GetLangStr(st, 2004));
}

// The memory the simulated radio dumps after a write (its --dump file), once it is complete.
inline std::vector<std::uint8_t> WaitForDump(const std::string& path) {
    QElapsedTimer t;
    t.start();
    while (QFile(QString::fromStdString(path)).size() != 0x4000 && t.elapsed() < 10000) QTest::qWait(20);
    std::ifstream dump(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(dump), {}};
}

// The data the radio's memory decodes to, as a read would bring them in.
inline void DecodeRadioMemory(const std::vector<std::uint8_t>& memory, AppState& out) {
    out.ProgramDir = RP_RUNTIME_DIR;
    NewData(out);
    std::copy(memory.begin(), memory.end(), out.CommImage.begin());
    out.RadioModelCode = "6173USD";
    GetCommData(out);
}

// The window closed with No to saving the data first.
inline void CloseWithoutSaving(frmMain& w) {
    ScopedMsgBoxScript answers(MsgButton::No);
    w.close();
}

// What an editor or the grid showed after the round, item by item against what it showed before.
inline void ExpectSameShown(const QStringList& back, const QStringList& made, const char* what = "item",
                            int firstNumber = 0) {
    ASSERT_EQ(back.size(), made.size());
    for (int i = 0; i < made.size(); ++i)
        EXPECT_EQ(back[i].toStdString(), made[i].toStdString()) << what << " " << i + firstNumber;
}

}  // namespace rp::test
