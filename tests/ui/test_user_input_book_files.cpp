// The book's Export and Import in their real file dialogs, driven with keys under a real X server
// (CTest: ui_user_input_under_xvfb); skipped offscreen.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "UserDriver.h"
#include "model/NewData.h"
#include "signalling/FrmCommuBook.h"

namespace rp {
namespace {

using namespace test;

QLineEdit* NameBox(QFileDialog& f) { return f.findChild<QLineEdit*>("fileNameEdit"); }

// Export under a typed name, then Import: its dialog offers that name, and Enter brings the book
// back as exported.
TEST(UserInputBookFiles, ImportAfterExportOffersTheExportedNameToEnter) {
    SKIP_WITHOUT_REAL_WINDOWS();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString sent = QDir(dir.path()).filePath("sent.cb");
    AppState st;
    st.NoInitFileFlag = true;
    UseLanguage(st, kLanguageEnglish);
    NewData(st);
    st.CurRadioData.CommBookList[0].CallID = "24680";
    FrmCommuBook d(st);
    ASSERT_NO_FATAL_FAILURE(ShowActive(d));

    ASSERT_TRUE(RunModal<QFileDialog>([&] { Click(d.CommandOutput); },
                                      [&](QFileDialog& f) {
                                          ASSERT_NO_FATAL_FAILURE(WaitActive(f));
                                          QLineEdit* box = NameBox(f);
                                          ASSERT_NE(box, nullptr);
                                          Click(box);
                                          ASSERT_TRUE(GiveKeysTo(box));
                                          QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                                          Type(sent);
                                          Key(Qt::Key_Return);
                                      }));
    ASSERT_EQ(QFileInfo(sent).size(), 1664);
    st.CommBookBuffer[0].CallID = "11111";  // changed since the export

    QString offered;
    ASSERT_TRUE(RunModal<QFileDialog>([&] { Click(d.CommandInput); },
                                      [&](QFileDialog& f) {
                                          ASSERT_NO_FATAL_FAILURE(WaitActive(f));
                                          QLineEdit* box = NameBox(f);
                                          ASSERT_NE(box, nullptr);
                                          offered = box->text();
                                          ASSERT_TRUE(GiveKeysTo(box));
                                          Key(Qt::Key_Return);
                                      }));
    EXPECT_EQ(offered, "sent.cb");
    EXPECT_EQ(st.CommBookBuffer[0].CallID.Trimmed(), "24680");
    EXPECT_EQ(d.MSFlexGrid1->TextMatrix(1, 1), "24680");
    d.reject();
}

}  // namespace
}  // namespace rp
