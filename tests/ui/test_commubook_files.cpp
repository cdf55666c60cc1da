// The communication book's Import and Export ask for the book file as the data file's Open and
// Save As ask for theirs: with a title, the book's files offered (then all files), and a folder to
// start in.
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "model/CommBook.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "kit/FileDialogs.h"
#include "kit/MsgBox.h"
#include "signalling/FrmCommuBook.h"

namespace rp {
namespace {

struct BookDialogCase {
    const char* Name;
    int Language;
    bool Export;
    const char* Title;
    const char* Filter;
    const char* AllFiles;  // offered after the book's files
};
std::ostream& operator<<(std::ostream& os, const BookDialogCase& c) { return os << c.Name; }

class BookFileDialog : public ::testing::TestWithParam<BookDialogCase> {};

TEST_P(BookFileDialog, HasTheButtonsTitleAndTheBookFilter) {
    const BookDialogCase& c = GetParam();
    AppState st;
    st.NoInitFileFlag = true;
    test::UseLanguage(st, c.Language);
    NewData(st);
    FrmCommuBook d(st);
    ScopedFileDialogScript files({std::nullopt});  // the user cancels
    (c.Export ? d.CommandOutput : d.CommandInput)->click();
    ASSERT_EQ(files.Requests().size(), 1u);
    const FileDialogRequest& r = files.Requests()[0];
    EXPECT_EQ(r.Save, c.Export);
    EXPECT_EQ(r.Caption, QString::fromUtf8(c.Title));
    EXPECT_EQ(r.Filter, QString::fromUtf8(c.Filter));
    EXPECT_EQ(r.DefaultSuffix, "cb");
    // The real dialog made from it shows them.
    QFileDialog dlg;
    PrepareFileDialog(dlg, r);
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8(c.Title));
    EXPECT_EQ(dlg.nameFilters(), (QStringList{QString::fromUtf8(c.Filter), QString::fromUtf8(c.AllFiles)}));
    EXPECT_EQ(dlg.selectedNameFilter(), QString::fromUtf8(c.Filter));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, BookFileDialog,
    ::testing::Values(BookDialogCase{"ImportEnglish", kLanguageEnglish, false, "Import", "Communication Book (*.cb)",
                                      "All files (*)"},
                      BookDialogCase{"ExportEnglish", kLanguageEnglish, true, "Export", "Communication Book (*.cb)",
                                      "All files (*)"},
                      BookDialogCase{"ImportChinese", kLanguageChinese, false, "导入", "通信簿 (*.cb)", "所有文件 (*)"},
                      BookDialogCase{"ExportChinese", kLanguageChinese, true, "导出", "通信簿 (*.cb)", "所有文件 (*)"}),
    [](const auto& info) { return std::string(info.param.Name); });

// The dialogs start where the user last was: the folder of the book file chosen before, else
// the folder of the data file that was opened.
TEST(BookFileDialogFolder, FollowsTheLastBookFileElseTheDataFile) {
    QTemporaryDir dataDir, bookDir;
    ASSERT_TRUE(dataDir.isValid() && bookDir.isValid());
    AppState st;
    st.NoInitFileFlag = true;
    test::UseLanguage(st, kLanguageEnglish);
    NewData(st);
    st.DataFileName = QDir(dataDir.path()).filePath("radio.dat").toStdString();
    st.IsNewData = 0;  // as after Open
    const QString book = QDir(bookDir.path()).filePath("stations.cb");
    {
        FrmCommuBook d(st);
        ScopedFileDialogScript files({std::nullopt, std::nullopt, book});
        d.CommandInput->click();
        d.CommandOutput->click();
        ASSERT_EQ(files.Requests().size(), 2u);
        EXPECT_EQ(files.Requests()[0].FileName, dataDir.path());
        EXPECT_EQ(files.Requests()[1].FileName, QDir(dataDir.path()).filePath("new.cb"));
        d.CommandOutput->click();  // saved as the book file
        ASSERT_EQ(files.Requests().size(), 3u);
        d.CommandCancel->click();
    }
    ASSERT_EQ(QFileInfo(book).size(), 1664);
    FrmCommuBook d(st);  // opened again: the book file's folder
    ScopedFileDialogScript files({std::nullopt, std::nullopt});
    d.CommandInput->click();
    d.CommandOutput->click();
    ASSERT_EQ(files.Requests().size(), 2u);
    EXPECT_EQ(files.Requests()[0].FileName, bookDir.path());
    EXPECT_EQ(files.Requests()[1].FileName, book);
}

// Import offers the name last chosen in either file dialog since the book dialog opened: a book
// just exported is one Enter away from coming back. A fresh opening offers no name.
TEST(BookFileDialogName, ImportOffersTheNameLastChosenInEitherDialog) {
    QTemporaryDir bookDir;
    ASSERT_TRUE(bookDir.isValid());
    AppState st;
    st.NoInitFileFlag = true;
    test::UseLanguage(st, kLanguageEnglish);
    NewData(st);
    const QString sent = QDir(bookDir.path()).filePath("sent.cb");
    const QString other = QDir(bookDir.path()).filePath("other.cb");
    // The name box of the real dialog made from a request, and the folder it shows.
    auto shown = [](const FileDialogRequest& r) {
        QFileDialog dlg;
        PrepareFileDialog(dlg, r);
        const auto* box = dlg.findChild<QLineEdit*>("fileNameEdit");
        return std::make_pair(box ? box->text() : QString("(no name box)"),
                              QFileInfo(dlg.directory().absolutePath()).canonicalFilePath());
    };
    const QString folder = QFileInfo(bookDir.path()).canonicalFilePath();
    {
        FrmCommuBook d(st);
        ScopedFileDialogScript files({sent, std::nullopt, std::nullopt, other, std::nullopt});
        d.CommandOutput->click();  // exported as sent.cb
        d.CommandInput->click();   // offers sent.cb; cancelled
        d.CommandOutput->click();  // cancelled: the last choice stays
        ASSERT_TRUE(QFile::copy(sent, other));
        d.CommandInput->click();  // offers sent.cb; other.cb is imported
        ASSERT_EQ(files.Requests().size(), 4u);
        EXPECT_EQ(files.Requests()[1].FileName, sent);
        EXPECT_EQ(shown(files.Requests()[1]), std::make_pair(QString("sent.cb"), folder));
        EXPECT_EQ(files.Requests()[3].FileName, sent);
        d.CommandInput->click();  // offers other.cb, the import's choice
        ASSERT_EQ(files.Requests().size(), 5u);
        EXPECT_EQ(files.Requests()[4].FileName, other);
        EXPECT_EQ(shown(files.Requests()[4]), std::make_pair(QString("other.cb"), folder));
        d.CommandCancel->click();
    }
    FrmCommuBook d(st);  // opened again: the folder, with no name offered
    ScopedFileDialogScript files({std::nullopt});
    d.CommandInput->click();
    ASSERT_EQ(files.Requests().size(), 1u);
    EXPECT_EQ(files.Requests()[0].FileName, bookDir.path());
    EXPECT_EQ(shown(files.Requests()[0]), std::make_pair(QString(), folder));
}

}  // namespace
}  // namespace rp
