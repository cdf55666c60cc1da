// The shell's small windows, driven by object name.
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include "model/LangText.h"
#include "shell/FrmTestData.h"
#include "kit/FileDialogs.h"
#include "shell/FrmComPort.h"
#include "shell/FrmModel.h"
#include "kit/FrmProgress.h"
#include "shell/MainCommands.h"

namespace rp {
namespace {

TEST(FrmProgressWindow, SendsOnLoadOnceFromTheEventLoopAndReportsAUserClose) {
    FrmProgress w("Read data from radio", "Completion percentage:");
    int loads = 0, userCloses = 0;
    w.OnLoad = [&] { ++loads; };
    w.OnUserClose = [&] { ++userCloses; };
    w.show();
    EXPECT_EQ(loads, 0);  // not inside show(): a failing send may close the window at once
    QCoreApplication::processEvents();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(w.windowTitle(), "Read data from radio");
    EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(), "Completion percentage:");

    w.SetProgressValue(42);
    EXPECT_EQ(w.findChild<QProgressBar*>("ProgressBar1")->value(), 42);
    w.SetProgressValue(140);
    EXPECT_EQ(w.findChild<QProgressBar*>("ProgressBar1")->value(), 100);

    // The user's close box: the exchange decides, and the window stays until it ends.
    w.close();
    EXPECT_EQ(userCloses, 1);
    EXPECT_TRUE(w.isVisible());
    w.Finish();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(userCloses, 1);

    FrmProgress plain("t", "l");  // no exchange behind it: the close box just closes it
    plain.show();
    plain.close();
    EXPECT_FALSE(plain.isVisible());
}

TEST(FrmProgressWindow, EscapeDoesNotEndTheExchange) {
    FrmProgress w("Write data to radio", "Completion percentage:");
    int userCloses = 0;
    w.OnUserClose = [&] { ++userCloses; };
    w.show();
    QCoreApplication::processEvents();
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &press);
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(userCloses, 0);
}

TEST(FrmProgressWindow, FinishedByTheExchangeIsNoUserClose) {
    FrmProgress w("t", "l");
    int userCloses = 0;
    w.OnUserClose = [&] { ++userCloses; };
    w.show();
    QCoreApplication::processEvents();
    w.Finish();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(userCloses, 0);
}

TEST(PortDialog, ChoicesKeepATypedPathAndListEachPortOnce) {
    EXPECT_EQ(PortChoices({"/dev/ttyS0", "/dev/ttyUSB0"}, "/dev/pts/7"),
              (QStringList{"/dev/pts/7", "/dev/ttyS0", "/dev/ttyUSB0"}));
    EXPECT_EQ(PortChoices({"/dev/ttyS0", "/dev/ttyUSB0"}, "/dev/ttyUSB0"),
              (QStringList{"/dev/ttyS0", "/dev/ttyUSB0"}));
    EXPECT_EQ(PortChoices({}, ""), QStringList{});
    EXPECT_EQ(PortChoices({"/dev/ttyS0", "/dev/ttyS0"}, " "), QStringList{"/dev/ttyS0"});
}

TEST(PortDialog, ShowsTheCurrentPortAndTakesATypedPath) {
    AppState s;
    FrmComPort dlg(s, {"/dev/ttyS0", "/dev/ttyS1"}, "/dev/ttyS1");
    auto* combo = dlg.findChild<QComboBox*>("ComboPort");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), "/dev/ttyS1");

    combo->lineEdit()->clear();
    dlg.findChild<QPushButton*>("CommandOK")->click();  // empty: stays open
    EXPECT_NE(dlg.result(), QDialog::Accepted);

    combo->lineEdit()->setText("/dev/pts/3");
    dlg.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.ChosenPort(), "/dev/pts/3");
}

TEST(ModelDialog, BandChangeWarnsAndCancelKeepsTheDialogOpen) {
    AppState s;
    InitMsgString(s);
    const QStringList bands{"b0", "b1", "b2"};
    FrmModel dlg(s, {"6173USD", "6173USA"}, "6173USD", bands, 0);
    std::vector<QString> shown;
    int answer = MsgButton::Cancel;
    dlg.Message = [&](const QString& text, int style, const QString& title) {
        shown.push_back(title + "|" + text + "|" + QString::number(style));
        return answer;
    };
    dlg.findChild<QComboBox*>("ComboBand")->setCurrentIndex(2);
    dlg.findChild<QPushButton*>("CommandOK")->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Warning|Frequency data will be cleared.|49");
    EXPECT_NE(dlg.result(), QDialog::Accepted);

    answer = MsgButton::Ok;
    dlg.findChild<QComboBox*>("ComboModel")->setCurrentText("6173USA");
    dlg.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(dlg.BandChanged());
    EXPECT_EQ(dlg.ChosenBandIndex(), 2);
    EXPECT_EQ(dlg.ChosenModelName(), "6173USA");
}

TEST(ModelDialog, SameBandAsksNothing) {
    AppState s;
    FrmModel dlg(s, {"6173USD"}, "6173USD", {"b0", "b1"}, 1);
    int asked = 0;
    dlg.Message = [&](const QString&, int, const QString&) { return ++asked, MsgButton::Ok; };
    EXPECT_EQ(dlg.findChild<QComboBox*>("ComboBand")->currentIndex(), 1);
    dlg.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(dlg.BandChanged());
}

TEST(TestDataWindow, StandsInAndChangesNothing) {
    AppState s;
    const AppState before = s;
    FrmTestData dlg(s, nullptr);
    EXPECT_EQ(dlg.objectName(), "FrmTestData");
    dlg.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(s.CurRadioData == before.CurRadioData);
}

std::string Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath().toStdString(); }

TEST(FileDialogSetup, OpenStartsInTheFolderSaveOffersTheName) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    const QString sub = QDir(dir.path()).filePath("sub");
    {
        QFileDialog dlg;
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        FileDialogRequest r;
        r.FileName = sub;
        r.DefaultSuffix = "dat";
        PrepareFileDialog(dlg, r);
        EXPECT_EQ(Canonical(dlg.directory().absolutePath()), Canonical(sub));
        EXPECT_EQ(dlg.fileMode(), QFileDialog::ExistingFile);
    }
    {
        QFileDialog dlg;
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        FileDialogRequest r;
        r.Save = true;
        r.DefaultSuffix = "dat";
        r.FileName = QDir(sub).filePath("a.dat");
        PrepareFileDialog(dlg, r);
        EXPECT_EQ(Canonical(dlg.directory().absolutePath()), Canonical(sub));
        EXPECT_EQ(dlg.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dlg.defaultSuffix(), "dat");
    }
}

TEST(FileDialogScript, AnswersInOrderAndRecordsRequests) {
    ScopedFileDialogScript script({QString("/tmp/a.dat"), std::nullopt});
    FileDialogRequest r;
    r.Save = true;
    r.DefaultSuffix = "dat";
    EXPECT_EQ(AskFileName(nullptr, r), QString("/tmp/a.dat"));
    EXPECT_EQ(AskFileName(nullptr, r), std::nullopt);
    EXPECT_EQ(AskFileName(nullptr, r), std::nullopt);  // script used up: Cancel
    ASSERT_EQ(script.Requests().size(), 3u);
    EXPECT_EQ(script.Requests()[0].DefaultSuffix, "dat");
}

}  // namespace
}  // namespace rp
