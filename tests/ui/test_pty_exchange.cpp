// Whole exchanges through the real serial port: the simulated radio program serves a
// pseudo-terminal and the program talks to it with QSerialPort and QTimer, as it would to a
// radio on a cable.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

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
#include "qtcomm/QtSerialTransport.h"
#include "comm/ModComm.h"
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

// Qt reports a device the user may not open and a port another program holds with the same
// PermissionError: only a device that refuses the user makes it a missing permission.
TEST(PortOpenFaults, PermissionErrorMeansNoPermissionOnlyWhenTheDeviceRefusesTheUser) {
    const struct {
        QSerialPort::SerialPortError Error;
        int AccessError;
        int Text;
    } cases[] = {
        {QSerialPort::PermissionError, EACCES, 2018},
        {QSerialPort::PermissionError, EPERM, 2018},
        {QSerialPort::PermissionError, 0, 2002},  // the device lets the user in: the port is held
        {QSerialPort::PermissionError, ENOENT, 2002},
        {QSerialPort::DeviceNotFoundError, ENOENT, 2002},
        {QSerialPort::OpenError, 0, 2002},
        {QSerialPort::UnknownError, 0, 2002},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortOpenFailureText(OpenFaultOf(c.Error, c.AccessError)), c.Text)
            << "error " << c.Error << ", access " << c.AccessError;
}

// A port another program holds (here another open of it, which takes Qt's lock on the port) asks
// the user to check that it is free: the device itself would let the user in.
TEST(PortOpenFaults, PortHeldByAnotherProgramAsksToCheckIt) {
    sim::PtyRadioProcess radio(kSimRadio, {});
    ASSERT_TRUE(radio.Ok()) << radio.Error();
    QtSerialTransport holder;
    PortOpenError held;
    ASSERT_TRUE(holder.Open(radio.Device(), held)) << held.Why;
    AppState st;
    MakeData(st);
    st.ComPortName = radio.Device();
    sim::RecordingUser user;
    QtCommLink link(st, user);
    EXPECT_FALSE(link.Comm().ReadRadio());
    ASSERT_EQ(user.Messages.size(), 1u);
    EXPECT_EQ(user.Messages[0].first, "T2002");
    EXPECT_FALSE(link.Port().IsOpen());
}

// A device only its owner may use, opened by another user, says that permission is missing. The
// test's own terminal serves as the device: root gives it to no one else and takes another user's
// rights for the open; any other user takes every right from it.
TEST(PortOpenFaults, PortTheUserMayNotOpenSaysPermissionIsMissing) {
    struct Terminal {
        int Fd = posix_openpt(O_RDWR | O_NOCTTY);
        ~Terminal() { if (Fd >= 0) ::close(Fd); }
    } master;
    ASSERT_GE(master.Fd, 0);
    ASSERT_EQ(grantpt(master.Fd), 0);
    ASSERT_EQ(unlockpt(master.Fd), 0);
    const std::string device = ptsname(master.Fd);
    const bool root = geteuid() == 0;
    ASSERT_EQ(::chmod(device.c_str(), root ? 0600 : 0), 0);
    AppState st;
    MakeData(st);
    st.ComPortName = device;
    sim::RecordingUser user;
    QtCommLink link(st, user);
    bool started = true;
    {
        constexpr uid_t kNobody = 65534;
        if (root) ASSERT_EQ(seteuid(kNobody), 0);
        started = link.Comm().ReadRadio();
        if (root) ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_FALSE(started);
    ASSERT_EQ(user.Messages.size(), 1u);
    EXPECT_EQ(user.Messages[0].first, "T2018");
    EXPECT_FALSE(link.Port().IsOpen());
    EXPECT_EQ(st.CommMode, CommModes::Idle);
}

// A password named on the simulated radio's command line is the one it serves, also when its
// memory image comes after it and holds another; the rest of the image is kept.
TEST(PtyRadioOptions, PasswordOptionWinsOverTheImage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<std::uint8_t> memory(0x4000);
    for (int a = 0; a < 0x4000; ++a) memory[a] = static_cast<std::uint8_t>(a * 7 + 3);
    const std::uint8_t imagePassword[] = {'9', '8', '7', '6'};
    std::copy(std::begin(imagePassword), std::end(imagePassword), memory.begin() + 0x4C);
    const QString image = dir.filePath("radio.img"), dump = dir.filePath("dump.img");
    ASSERT_TRUE(WriteFile(image, memory.data(), memory.size()));
    const struct {
        QStringList Args;
        QByteArray Served;
    } cases[] = {
        {{"--password", "4321", "--image", image}, "4321"},
        {{"--image", image, "--password", "4321"}, "4321"},
        {{"--password", "12", "--image", image}, QByteArray("12\xFF\xFF", 4)},
        {{"--password", "", "--image", image}, QByteArray(4, '\xFF')},
        {{"--image", image}, "9876"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.join(' ').toStdString());
        QFile::remove(dump);
        {
            sim::PtyRadioProcess radio(kSimRadio, c.Args + QStringList{"--dump", dump});
            ASSERT_TRUE(radio.Ok()) << radio.Error();
        }  // stopping it dumps its memory
        const QByteArray after = ReadFile(dump);
        ASSERT_EQ(after.size(), 0x4000);
        EXPECT_EQ(after.mid(0x4C, 4), c.Served);
        for (int a = 0; a < 0x4000; ++a)
            if (a < 0x4C || a >= 0x50) ASSERT_EQ(static_cast<std::uint8_t>(after[a]), memory[a]) << a;
    }
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
