// Whole exchanges through the real serial port: the simulated radio program serves a
// pseudo-terminal and the program talks to it with QSerialPort and QTimer, as it would to a
// radio on a cable.
#include <gtest/gtest.h>

#include <cctype>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <map>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "PtyHarness.h"
#include "comm/CommImage.h"
#include "model/NewData.h"
#include "qtcomm/FrmPassWord.h"
#include "qtcomm/QtCommLink.h"
#include "kit/MsgBox.h"
#include "model/LangText.h"
#include "shell/MainCommandHost.h"
#include "shell/frmMain.h"

using namespace rp;

namespace {

const QString kSimRadio = QString::fromUtf8(RP_RUNTIME_DIR) + "/simradio";

void MakeData(AppState& st) {
    NewData(st);
    for (int n : {2, 9, 64, 65, 128, 199}) AddDefaultChannel(st, n, n % 2 ? "438.5000" : "146.0250");
    st.LangText = [](int id) { return "T" + std::to_string(id); };
}

bool WriteFile(const QString& path, const std::uint8_t* data, std::size_t n) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(n)) == static_cast<qint64>(n);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Addresses the radio saw, from its log: 'R' reads, 'W' writes.
std::vector<int> Logged(const QString& path, char kind) {
    std::vector<int> out;
    for (const QByteArray& line : ReadFile(path).split('\n'))
        if (line.size() > 2 && line[0] == kind) out.push_back(line.mid(2).toInt(nullptr, 16));
    return out;
}

bool InSkipRange(const AppState& st, int address) {
    for (int i = 0; i < st.SkipRanges.SkipRangeCount; ++i)
        if (address >= st.SkipRanges.Ranges[i].Start && address <= st.SkipRanges.Ranges[i].End) return true;
    return false;
}

std::map<int, std::string> ChannelsOf(const AppState& st) {
    std::map<int, std::string> m;
    for (int i = 0; i < st.CurRadioData.ChannelCount; ++i) m[st.ChannelTable[i].ChannelNo] = st.ChannelTable[i].RxFreq.Str();
    return m;
}

}  // namespace

class PtyExchange : public ::testing::TestWithParam<const char*> {};

TEST_P(PtyExchange, ReadFillsTheDataAsTheRadioHoldsIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AppState src;
    MakeData(src);
    InitCommImage(src);
    std::string label;
    ASSERT_TRUE(SetCommData(src, label)) << label;
    for (int a = 0x10; a < 0x100; ++a) src.CommImage[a] = static_cast<std::uint8_t>(0x30 + a % 40);
    for (int a = 0x4C; a < 0x50; ++a) src.CommImage[a] = 0xFF;  // no password
    const QString image = dir.filePath("radio.img"), log = dir.filePath("radio.log");
    ASSERT_TRUE(WriteFile(image, src.CommImage.data(), src.CommImage.size()));

    QStringList args{"--image", image, "--log", log};
    const QString fault = QString::fromUtf8(GetParam());
    if (!fault.isEmpty()) args << fault.split(' ');
    sim::PtyRadioProcess radio(kSimRadio, args);
    ASSERT_TRUE(radio.Ok()) << radio.Error();

    AppState st;
    st.LangText = [](int id) { return "T" + std::to_string(id); };
    st.ComPortName = radio.Device();
    sim::RecordingUser user;
    QtCommLink link(st, user);
    ASSERT_TRUE(link.Comm().ReadRadio());
    ASSERT_TRUE(sim::RunExchange(st, 60000));
    ASSERT_EQ(user.Messages.size(), 1u);
    EXPECT_EQ(user.Messages[0].first, "T2004");
    EXPECT_FALSE(link.Port().IsOpen());

    radio.Stop();  // writes the log
    const std::vector<int> reads = Logged(log, 'R');
    ASSERT_FALSE(reads.empty());
    EXPECT_EQ(reads.back(), 0x3FF0);
    for (int a : reads) {
        EXPECT_FALSE(InSkipRange(st, a)) << std::hex << a;
        for (int i = 0; i < 16; ++i) ASSERT_EQ(st.CommImage[a + i], src.CommImage[a + i]) << std::hex << a + i;
    }
    EXPECT_EQ(ChannelsOf(st), ChannelsOf(src));
}

INSTANTIATE_TEST_SUITE_P(Faults, PtyExchange, ::testing::Values("", "--corrupt 12", "--drop 9"),
                         [](const auto& info) {
                             // "--corrupt 12" names its case "Corrupt12"; no fault is "NoFault".
                             std::string name;
                             bool upper = true;
                             for (const char* p = info.param; *p; ++p) {
                                 if (std::isalnum(static_cast<unsigned char>(*p))) {
                                     name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*p))) : *p;
                                     upper = false;
                                 } else if (*p == ' ') {
                                     upper = true;
                                 }
                             }
                             return name.empty() ? std::string("NoFault") : name;
                         });

TEST(PtyExchangeWrite, WriteLeavesTheEncodedImageAndSparesTheInformationArea) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<std::uint8_t> before(0x4000);
    for (int a = 0; a < 0x4000; ++a) before[a] = static_cast<std::uint8_t>(a * 13 + 1);
    for (int a = 0x4C; a < 0x50; ++a) before[a] = 0xFF;
    const QString image = dir.filePath("radio.img"), dump = dir.filePath("after.img"), log = dir.filePath("radio.log");
    ASSERT_TRUE(WriteFile(image, before.data(), before.size()));
    sim::PtyRadioProcess radio(kSimRadio, {"--image", image, "--dump", dump, "--log", log});
    ASSERT_TRUE(radio.Ok()) << radio.Error();

    AppState st;
    MakeData(st);
    st.ComPortName = radio.Device();
    sim::RecordingUser user;
    QtCommLink link(st, user);
    ASSERT_TRUE(link.Comm().WriteRadio());
    ASSERT_TRUE(sim::RunExchange(st, 60000));
    ASSERT_EQ(user.Messages.size(), 1u);
    EXPECT_EQ(user.Messages[0].first, "T2005");
    radio.Stop();

    const QByteArray after = ReadFile(dump);
    ASSERT_EQ(after.size(), 0x4000);
    const std::vector<int> writes = Logged(log, 'W');
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.front(), 0x0100);
    EXPECT_EQ(writes.back(), 0x3FF0);
    for (int a : writes)
        for (int i = 0; i < 16; ++i)
            ASSERT_EQ(static_cast<std::uint8_t>(after[a + i]), st.CommImage[a + i]) << std::hex << a + i;
    for (int a = 0; a < 0x100; ++a) ASSERT_EQ(static_cast<std::uint8_t>(after[a]), before[a]) << a;
}

// The real timers: a radio that falls silent gets its three resends, then the prompt, whose
// Cancel ends the read with the port closed.
TEST(PtyExchangeFaults, SilentRadioEndsWithThePromptAndAClosedPort) {
    sim::PtyRadioProcess radio(kSimRadio, {"--silent-after", "0x0100"});
    ASSERT_TRUE(radio.Ok()) << radio.Error();
    AppState st;
    st.LangText = [](int id) { return "T" + std::to_string(id); };
    st.ComPortName = radio.Device();
    sim::RecordingUser user;
    QtCommLink link(st, user);
    ASSERT_TRUE(link.Comm().ReadRadio());
    ASSERT_TRUE(sim::RunExchange(st, 10000));
    ASSERT_EQ(user.Messages.size(), 2u);
    EXPECT_EQ(user.Messages[0].first, "T2003");
    EXPECT_EQ(user.Messages[0].second, MsgStyle::RetryCancel);
    EXPECT_EQ(user.Messages[1].first, "T2006");
    EXPECT_FALSE(link.Port().IsOpen());
    for (int i = 0; i < kCommTimerCount; ++i) EXPECT_FALSE(link.Timers().IsActive(static_cast<CommTimerId>(i)));
}

// A radio that goes away in the middle of a read (the cable pulled) ends the exchange at once.
TEST(PtyExchangeFaults, LineThatGoesAwayEndsTheExchange) {
    auto radio = std::make_unique<sim::PtyRadioProcess>(kSimRadio, QStringList{"--paced"});
    ASSERT_TRUE(radio->Ok()) << radio->Error();
    AppState st;
    st.LangText = [](int id) { return "T" + std::to_string(id); };
    st.ComPortName = radio->Device();
    sim::RecordingUser user;
    QtCommLink link(st, user);
    ASSERT_TRUE(link.Comm().ReadRadio());
    QTimer::singleShot(300, [&radio] { radio.reset(); });
    ASSERT_TRUE(sim::RunExchange(st, 10000));
    ASSERT_FALSE(user.Messages.empty());
    EXPECT_EQ(user.Messages.back().first, "T2006");
    EXPECT_FALSE(link.Port().IsOpen());
    EXPECT_GE(user.ProgressClosed, 1);
}

// The program's own user side, as the main window's Read runs it: every message goes through the
// message service, and a radio with a password the user does not know ends the read after the
// password dialog is cancelled, with the port closed.
TEST(PtyExchangeFaults, MessagesGoThroughTheMessageService) {
    sim::PtyRadioProcess radio(kSimRadio, {"--password", "4321"});
    ASSERT_TRUE(radio.Ok()) << radio.Error();
    AppState st;
    test::PrepareUserRound(st);
    st.ComPortName = radio.Device();
    test::TempSettings settings;
    frmMain w(st, settings.Make());
    ScopedMsgBoxScript script(MsgButton::Ok);
    // The dialog is modal: cancel it from the event loop it runs.
    int asked = 0;
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&asked] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<FrmPassWord*>(top); d && d->isVisible()) {
                ++asked;
                d->CommandCancel->click();
            }
    });
    canceller.start(10);
    w.mnuProRead_Click();
    ASSERT_TRUE(sim::RunExchange(st, 10000));
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(script.Messages().size(), 2u);
    EXPECT_EQ(script.Messages()[0].Text.toStdString(), Bilingual(st, st.ReadPromptText));
    EXPECT_EQ(script.Messages()[1].Text.toStdString(), GetLangStr(st, 2006));
    EXPECT_FALSE(MainCommandHost::Of(w).Link().Port().IsOpen());
    EXPECT_EQ(MainCommandHost::Of(w).Progress(), nullptr);
}

// A port name that names no port (a folder, a link that points round in a loop) gets the one
// message that the port cannot be opened; no exchange has begun, so none is reported as failed.
TEST(PtyExchangeFaults, PortThatCannotBeOpenedSaysOnlyThat) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("folder"), loop = dir.filePath("loop");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(QFile::link(loop, loop));
    const std::pair<const char*, bool (ModComm::*)()> commands[] = {
        {"read", &ModComm::ReadRadio}, {"write", &ModComm::WriteRadio}, {"information read", &ModComm::ReadRadioInfo}};
    for (const QString& path : {folder, loop})
        for (const auto& [name, command] : commands) {
            SCOPED_TRACE(path.toStdString() + ", " + name);
            AppState st;
            MakeData(st);
            st.ComPortName = path.toStdString();
            sim::RecordingUser user;
            QtCommLink link(st, user);
            EXPECT_FALSE((link.Comm().*command)());
            QCoreApplication::processEvents();
            ASSERT_EQ(user.Messages.size(), 1u);
            EXPECT_EQ(user.Messages[0].first, "T2002");
            EXPECT_EQ(st.CommMode, CommModes::Idle);
            EXPECT_FALSE(link.Port().IsOpen());
            EXPECT_EQ(user.ProgressShown, 0);
        }
}
