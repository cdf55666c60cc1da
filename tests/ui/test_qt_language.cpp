// Qt's own texts follow the program's language: the standard buttons of a real message box and
// the file dialog, in Chinese from Qt's translation or, where it is missing, the language files.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "kit/FileDialogs.h"
#include "kit/MsgBox.h"
#include "kit/QtTranslations.h"
#include "kit/ShellText.h"
#include "shell/Startup.h"

using namespace rp;

namespace {

bool HasChinese(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
    return false;
}

QString Plain(QString s) { return s.remove('&'); }

// Shows a real message box of the given style and returns its buttons' captions, answering it
// with its escape button.
QStringList ButtonsOfRealMessageBox(int style) {
    const MsgBoxAnswerer scripted = SetMsgBoxAnswerer(nullptr);
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons()) texts << b->text();
        box->reject();
    });
    MsgBox("?", style);
    SetMsgBoxAnswerer(scripted);
    return texts;
}

struct QtLanguage : ::testing::Test {
    AppState st;
    void SetUp() override { st.ProgramDir = RP_RUNTIME_DIR; }
    void TearDown() override { ApplyLanguage(st, 1); }
    bool QtHasChinese() const {
        return QFileInfo::exists(QtTranslationsDir() + "/qtbase_zh_CN.qm");
    }
};

TEST_F(QtLanguage, MessageBoxButtonsFollowTheLanguageBothWays) {
    if (!QtHasChinese()) GTEST_SKIP() << "Qt's Chinese translation is not installed";
    ApplyLanguage(st, 2);
    const QStringList chinese = ButtonsOfRealMessageBox(MsgStyle::ExclamationYesNoCancel);  // Yes / No / Cancel
    ASSERT_EQ(chinese.size(), 3);
    for (const QString& t : chinese) EXPECT_TRUE(HasChinese(t)) << t.toStdString();
    const QStringList retry = ButtonsOfRealMessageBox(MsgStyle::RetryCancel);  // Retry / Cancel
    ASSERT_EQ(retry.size(), 2);
    for (const QString& t : retry) EXPECT_TRUE(HasChinese(t)) << t.toStdString();

    ApplyLanguage(st, 1);
    QStringList english;
    for (const QString& t : ButtonsOfRealMessageBox(MsgStyle::ExclamationYesNoCancel)) english << Plain(t);
    english.sort();
    EXPECT_EQ(english, (QStringList{"Cancel", "No", "Yes"}));
}

TEST_F(QtLanguage, LanguageFilesGiveTheButtonsWhereQtHasNoTranslation) {
    ApplyLanguage(st, 2);
    EXPECT_FALSE(ApplyQtLanguage(st, QStringLiteral("/nonexistent")));
    QStringList shown = ButtonsOfRealMessageBox(MsgStyle::ExclamationYesNoCancel);
    shown.sort();
    QStringList expected{LangQ(st, 2013), LangQ(st, 2014), LangQ(st, 102)};
    expected.sort();
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(HasChinese(shown.join("")));
    const QStringList ok = ButtonsOfRealMessageBox(MsgStyle::Exclamation);
    EXPECT_EQ(ok, QStringList{LangQ(st, 101)});
    const QStringList retry = ButtonsOfRealMessageBox(MsgStyle::RetryCancel);
    EXPECT_TRUE(retry.contains(LangQ(st, 2015)));
}

TEST_F(QtLanguage, FileDialogSpeaksTheProgramsLanguage) {
    if (!QtHasChinese()) GTEST_SKIP() << "Qt's Chinese translation is not installed";
    ApplyLanguage(st, 2);
    QFileDialog dlg;
    FileDialogRequest r;
    r.FileName = QString(RP_RUNTIME_DIR);
    PrepareFileDialog(dlg, r);
    EXPECT_TRUE(dlg.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dlg.viewMode(), QFileDialog::List);
    auto* name = dlg.findChild<QLabel*>("fileNameLabel");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(HasChinese(name->text())) << name->text().toStdString();
    auto* box = dlg.findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* b : box->buttons()) EXPECT_TRUE(HasChinese(b->text())) << b->text().toStdString();
}

}  // namespace
