#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "model/IniFile.h"
#include "model/LangText.h"
#include "kit/AppPaths.h"
#include "kit/Language.h"
#include "kit/MsgBox.h"

namespace rp {
namespace {

class FormLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkpath("language");
        std::ofstream(dir_.filePath("language/english.ini").toStdString(), std::ios::binary)
            << "[OTHER]\n20=Sans Serif\n21=10\n101=OK\n102=Cancel\n5000=Main\n5001=Name\n5002=Apply\n"
               "5003=Apply all\n5004=Options\n5005=Page one\n5006=Page one tip\n5021=Open\n5022=File\n"
               "5023=Save tip\n";
        std::ofstream(dir_.filePath("language/chinese.ini").toStdString(), std::ios::binary)
            << "[OTHER]\n20=Noto Sans CJK SC\n21=9\n101=确定\n102=取消\n5000=主窗口\n5001=名称\n5002=应用\n"
               "5003=全部应用\n5004=选项\n5005=第一页\n5006=第一页提示\n5021=打开\n5022=文件\n5023=保存提示\n";
        state_.ProgramDir = dir_.path().toStdString();
        SetLanguage(state_, kLanguageEnglish);
        InitFunLangText(state_);
    }
    QTemporaryDir dir_;
    AppState state_;
};

struct Form {
    QMainWindow win;
    QLabel* label;
    QPushButton* apply;
    QPushButton* keepZero;
    QPushButton* keepEmpty;
    QGroupBox* group;
    QTabWidget* tabs;
    QMenu* menu;
    QAction* open;
    QAction* save;
    Form() {
        win.setProperty("Tag", "5000");
        auto* central = new QWidget(&win);
        win.setCentralWidget(central);
        label = new QLabel("designed", central);
        label->setProperty("Tag", 5001);
        apply = new QPushButton("designed", central);
        apply->setProperty("Tag", "5002");
        apply->setToolTip("5003");  // tooltip designed as its number
        keepZero = new QPushButton("Zero", central);
        keepZero->setProperty("Tag", "0");
        keepEmpty = new QPushButton("Empty", central);
        keepEmpty->setProperty("Tag", "");
        group = new QGroupBox("designed", central);
        SetLangTag(group, 5004);
        tabs = new QTabWidget(central);
        auto* page = new QWidget;
        SetLangTag(page, 5005, 5006);
        tabs->addTab(page, "designed");
        menu = win.menuBar()->addMenu("5022");  // menu designed with its number as caption
        open = menu->addAction("5021");
        auto* bar = win.addToolBar("tools");
        save = bar->addAction("s");
        save->setToolTip("5023");
    }
};

TEST_F(FormLanguage, SwitchReCaptionsBothWays) {
    Form f;
    for (int round = 0; round < 2; ++round) {
        SetLanguage(state_, kLanguageEnglish);
        SetFormLanguage(&f.win, state_);
        EXPECT_EQ(f.win.windowTitle(), "Main");
        EXPECT_EQ(f.label->text(), "Name");
        EXPECT_EQ(f.apply->text(), "Apply");
        EXPECT_EQ(f.apply->toolTip(), "Apply all");
        EXPECT_EQ(f.group->title(), "Options");
        EXPECT_EQ(f.tabs->tabText(0), "Page one");
        EXPECT_EQ(f.tabs->tabToolTip(0), "Page one tip");
        EXPECT_EQ(f.menu->title(), "File");
        EXPECT_EQ(f.open->text(), "Open");
        EXPECT_EQ(f.save->toolTip(), "Save tip");
        EXPECT_EQ(f.win.font().pointSize(), 10);

        SetLanguage(state_, kLanguageChinese);
        SetFormLanguage(&f.win, state_);
        EXPECT_EQ(f.win.windowTitle(), "主窗口");
        EXPECT_EQ(f.label->text(), "名称");
        EXPECT_EQ(f.apply->text(), "应用");
        EXPECT_EQ(f.apply->toolTip(), "全部应用");  // tooltips follow every switch too
        EXPECT_EQ(f.group->title(), "选项");
        EXPECT_EQ(f.tabs->tabText(0), "第一页");
        EXPECT_EQ(f.tabs->tabToolTip(0), "第一页提示");
        EXPECT_EQ(f.menu->title(), "文件");
        EXPECT_EQ(f.open->text(), "打开");
        EXPECT_EQ(f.save->toolTip(), "保存提示");
        EXPECT_EQ(f.win.font().pointSize(), 9);
    }
    EXPECT_EQ(f.keepZero->text(), "Zero");
    EXPECT_EQ(f.keepEmpty->text(), "Empty");
}

TEST_F(FormLanguage, DialogOwnedByTheFormIsLeftToItself) {
    Form f;
    QDialog child(&f.win);
    auto* b = new QPushButton("child", &child);
    b->setProperty("Tag", 5002);
    SetFormLanguage(&f.win, state_);
    EXPECT_EQ(b->text(), "child");
}

TEST_F(FormLanguage, OkCancelCaptions) {
    QDialog d;
    auto* ok = new QPushButton(&d);
    ok->setObjectName("CommandOK");
    auto* cancel = new QPushButton(&d);
    cancel->setObjectName("CommandCancel");
    SetOKCancelCaption(&d, state_);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(cancel->text(), "Cancel");
    SetLanguage(state_, kLanguageChinese);
    SetOKCancelCaption(&d, state_);
    EXPECT_EQ(ok->text(), "确定");
    EXPECT_EQ(cancel->text(), "取消");
}

TEST(MsgBoxService, ScriptAnswersAndRecords) {
    SetMsgBoxTitle("Programmer");
    {
        ScopedMsgBoxScript script([](const ScopedMsgBoxScript::Shown& m) {
            return m.Style == MsgStyle::RetryCancel ? MsgButton::Retry : MsgButton::Ok;
        });
        EXPECT_EQ(MsgBox("Try again?", MsgStyle::RetryCancel), MsgButton::Retry);
        EXPECT_EQ(MsgBox("Careful", MsgStyle::OkOnly, "Warning"), MsgButton::Ok);
        ASSERT_EQ(script.Messages().size(), 2u);
        EXPECT_EQ(script.Messages()[0].Title, "Programmer");
        EXPECT_EQ(script.Messages()[1].Title, "Warning");
        {
            ScopedMsgBoxScript inner(MsgButton::No);
            EXPECT_EQ(MsgBox("Save?", MsgStyle::ExclamationYesNoCancel), MsgButton::No);
        }
        EXPECT_EQ(MsgBox("again", MsgStyle::OkCancel), MsgButton::Ok);  // the outer script is back
        EXPECT_EQ(script.Messages().size(), 3u);
    }
}

TEST(AppPathsTest, BatchSwitchesBesideTheProgramOrInTheUserFolder) {
    QTemporaryDir prog, config;
    EXPECT_EQ(BatchFunIniPath(prog.path(), config.path()), QDir(prog.path()).filePath("BatchFun.ini"));
    // A program folder that is not there to write into: the user's folder keeps the switches.
    EXPECT_EQ(BatchFunIniPath(prog.filePath("gone"), config.path()), QDir(config.path()).filePath("BatchFun.ini"));
}

TEST(AppPathsTest, SettingsBesideTheProgramOrInTheUserFolder) {
    QTemporaryDir prog, config;
    // No language/ folder to write into: the user's folder takes the settings.
    EXPECT_EQ(SetupIniPath(prog.path(), config.path()), QDir(config.path()).filePath("mysetup.ini"));
    QFile::remove(QDir(config.path()).filePath("mysetup.ini"));
    QDir(prog.path()).mkpath("language");
    EXPECT_EQ(SetupIniPath(prog.path(), config.path()), prog.filePath("language/mysetup.ini"));
}

// A program folder nobody can write settings into, root included: its language/ is a file, so no
// settings file can be made through it. The user's folder takes the settings, a choice stored
// there is found there at the next start, and the program's folder is left as it was.
TEST(AppPathsTest, SettingsInTheUserFolderWhereTheProgramFolderCannotTakeThem) {
    QTemporaryDir prog, config;
    QFile notAFolder(prog.filePath("language"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.write("installed\n");
    notAFolder.close();
    const QString own = QDir(config.path()).filePath("mysetup.ini");

    const std::string path = SetupIniPath(prog.path(), config.path()).toStdString();
    EXPECT_EQ(path, own.toStdString());
    ASSERT_TRUE(WriteProfileString(path, "language", "comPort", "ttyS3"));
    EXPECT_EQ(SetupIniPath(prog.path(), config.path()).toStdString(), own.toStdString());
    const std::optional<IniFile> written = IniFile::Load(own.toStdString());
    ASSERT_TRUE(written);
    EXPECT_EQ(written->Get("language", "comPort"), "ttyS3");
    ASSERT_TRUE(notAFolder.open(QIODevice::ReadOnly));
    EXPECT_EQ(notAFolder.readAll(), "installed\n");
    // The batch editor's switches, when the program's folder itself is a file.
    EXPECT_EQ(BatchFunIniPath(prog.filePath("language"), config.path()).toStdString(),
              QDir(config.path()).filePath("BatchFun.ini").toStdString());
}

// An installed settings file that is read-only seeds the user's own copy, which takes the changes.
// Only where file permissions bind: root writes through them.
TEST(AppPathsTest, AReadOnlyInstalledSettingsFileSeedsTheUsersCopy) {
    QTemporaryDir prog, config;
    QDir(prog.path()).mkpath("language");
    QFile seed(prog.filePath("language/mysetup.ini"));
    ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
    seed.write("[language]\ncomPort=ttyS3\n");
    seed.close();
    // Root may write anything: the folder is then looked at as a user outside it would see it.
    const bool root = geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner |
                     QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(seed.fileName(), QFile::ReadOwner | QFile::ReadUser |
                                               (root ? QFile::ReadGroup | QFile::ReadOther : QFile::Permissions{}));
    QString own;
    bool writable = false;
    if (root) {
        QFile::setPermissions(prog.path(), all);
        QFile::setPermissions(prog.filePath("language"), all | QFile::WriteOwner);
        QFile::setPermissions(config.path(), all | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
        // The real user too: a writability check asks with it.
        ASSERT_EQ(setresuid(kNobody, kNobody, 0), 0);
    }
    own = SetupIniPath(prog.path(), config.path());
    writable = QFileInfo(seed.fileName()).isWritable();
    if (root) ASSERT_EQ(setresuid(0, 0, 0), 0);
    if (writable) GTEST_SKIP() << "running as a user who can write anything";
    EXPECT_EQ(own, QDir(config.path()).filePath("mysetup.ini"));
    QFile copy(own);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "[language]\ncomPort=ttyS3\n");
}

}  // namespace
}  // namespace rp
