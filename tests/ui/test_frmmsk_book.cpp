// The MSK editor and the communication book editor, driven through their controls.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "model/CommBook.h"
#include "model/NewData.h"
#include "kit/FileDialogs.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "signalling/FrmCommuBook.h"
#include "signalling/FrmMSK.h"

using namespace rp;
using namespace std::string_literals;

namespace {

AppState Fresh() {
    AppState st;
    st.NoInitFileFlag = true;
    test::UseLanguage(st, 1);
    NewData(st);
    return st;
}

void Show(QDialog& d) {
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
}

void Choose(QComboBox* c, int index) {
    c->setCurrentIndex(index);
    emit c->activated(index);
}

}  // namespace

TEST(FrmMSK, OpensOnDefaultsWithTheEntryDisabled) {
    AppState st = Fresh();
    FrmMSK d(st);
    EXPECT_EQ(d.SSTab1->currentIndex(), 1);
    EXPECT_EQ(d.Text2[0]->text(), "0000");
    EXPECT_EQ(d.Text2[2]->text(), "145");
    EXPECT_EQ(d.Combo2[0]->currentText(), "0.40");
    EXPECT_EQ(d.Combo2[3]->currentText(), "2.0");
    EXPECT_EQ(d.Combo2[1]->currentIndex(), 0);
    EXPECT_TRUE(d.Check3->isChecked());
    EXPECT_FALSE(d.Check2->isChecked());
    EXPECT_FALSE(d.Combo1[1]->isEnabled());
    for (auto* e : d.Text1) EXPECT_FALSE(e->isEnabled());
    EXPECT_EQ(d.Check3->text(), "illegal    {out of (433-435,445-447)}");
}

TEST(FrmMSK, ValidAndCallTypeEnableTheRightBoxes) {
    AppState st = Fresh();
    FrmMSK d(st);
    d.Check2->click();
    EXPECT_TRUE(d.Combo1[1]->isEnabled());
    for (auto* e : d.Text1) EXPECT_TRUE(e->isEnabled());
    Choose(d.Combo1[1], 1);
    EXPECT_FALSE(d.Text1[0]->isEnabled());
    EXPECT_TRUE(d.Text1[1]->isEnabled());
    Choose(d.Combo1[1], 2);
    EXPECT_FALSE(d.Text1[1]->isEnabled());
    Choose(d.Combo1[1], 3);  // a message call leaves them as they were
    EXPECT_FALSE(d.Text1[0]->isEnabled());
    EXPECT_FALSE(d.Text1[1]->isEnabled());
}

TEST(FrmMSK, SwitchingEntriesSavesTheOneLeftAndOkStoresTheBlock) {
    AppState st = Fresh();
    st.ChannelTable[0].SignalType = 4;
    st.ChannelTable[0].MSKNo = 5;
    st.CurRadioData.ChannelCount = std::max<std::int16_t>(st.CurRadioData.ChannelCount, 1);
    FrmMSK d(st);
    Choose(d.Combo1[0], 3);
    d.Check2->click();
    d.Text1[0]->setText("7");
    d.Text1[2]->setText("HELLO");
    d.Text1[3]->setText("NAME");
    Choose(d.Combo1[0], 5);
    EXPECT_EQ(d.EditMSKData.Entries[3].Valid, 1);
    EXPECT_EQ(d.EditMSKData.Entries[3].IndividualID.Str(), "0007");
    EXPECT_EQ(d.EditMSKData.Entries[3].MessageCode.Str(), "HELLO\0            "s);
    EXPECT_EQ(st.CurRadioData.MSK.Entries[3].Valid, 0);  // only OK reaches the data
    Choose(d.Combo1[0], 3);
    EXPECT_EQ(d.Text1[0]->text(), "0007");
    EXPECT_EQ(d.Text1[3]->text(), "NAME");

    int redraws = 0;
    FrmMSK ok(st, [&] { ++redraws; });
    Choose(ok.Combo1[0], 3);
    ok.Check2->click();
    ok.Text2[2]->setText("250");
    ok.CommandOK->click();
    EXPECT_EQ(st.CurRadioData.MSK.Entries[3].Valid, 1);
    EXPECT_EQ(st.CurRadioData.MSK.Header.HopFrequency, 174);
    EXPECT_EQ(st.ChannelTable[0].MSKNo, 3);  // entry 5 is unused: the channel takes the first used
    EXPECT_EQ(redraws, 1);
}

TEST(FrmMSK, FiltersAndLeaveRules) {
    AppState st = Fresh();
    FrmMSK d(st);
    Show(d);
    d.SSTab1->setCurrentIndex(1);
    d.Text2[0]->setFocus();
    d.Text2[0]->selectAll();
    QTest::keyClicks(d.Text2[0], "aB7");
    EXPECT_EQ(d.Text2[0]->text(), "AB7");
    QTest::keyClick(d.Text2[0], Qt::Key_Return);  // moves on like Tab, presses nothing
    QApplication::processEvents();
    EXPECT_EQ(d.Text2[0]->text(), "0AB7");
    EXPECT_TRUE(d.isVisible());
    d.Text2[2]->setFocus();
    d.Text2[2]->selectAll();
    QTest::keyClicks(d.Text2[2], "4x34");
    EXPECT_EQ(d.Text2[2]->text(), "434");
    EXPECT_FALSE(d.Check3->isChecked());
    d.Text2[0]->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(d.Text2[2]->text(), "434");
    d.Text2[2]->setFocus();
    d.Text2[2]->selectAll();
    QTest::keyClicks(d.Text2[2], "9");
    d.Text2[0]->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(d.Text2[2]->text(), "136");
    EXPECT_TRUE(d.Check3->isChecked());
    // Cancel leaves the data as they were.
    const MSKData before = st.CurRadioData.MSK;
    d.CommandCancel->click();
    EXPECT_EQ(st.CurRadioData.MSK, before);
}

// The IDs are four hexadecimal digits; each ID box takes them as typed, small letters in capitals.
TEST(FrmMSK, UserTypesHexadecimalIds) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"1A2B", "1A2B"}, {"cdef", "CDEF"}, {"9fE0", "9FE0"}, {"g1-h2 .3x4", "1234"}, {"ABCDE", "ABCD"},
    };
    AppState st = Fresh();
    FrmMSK d(st);
    Show(d);
    const auto clickTab = [&d](int tab) {
        QTest::mouseClick(d.SSTab1->tabBar(), Qt::LeftButton, {}, d.SSTab1->tabBar()->tabRect(tab).center());
        QApplication::processEvents();
        ASSERT_EQ(d.SSTab1->currentIndex(), tab);
    };
    clickTab(0);
    QTest::mouseClick(d.Check2, Qt::LeftButton, {}, QPoint(6, d.Check2->height() / 2));  // on its box
    ASSERT_TRUE(d.Text1[0]->isEnabled());
    QLineEdit* boxes[] = {d.Text1[0], d.Text1[1], d.Text2[0], d.Text2[1]};
    for (QLineEdit* box : boxes) {
        clickTab(box == d.Text2[0] || box == d.Text2[1] ? 1 : 0);
        for (const auto& c : cases) {
            SCOPED_TRACE(box->objectName().toStdString() + " " + c.typed);
            QTest::mouseClick(box, Qt::LeftButton);
            QApplication::processEvents();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, c.typed);
            EXPECT_EQ(box->text(), c.shown);
        }
    }
    // Leaving a box keeps the ID whole, and OK stores every one of them.
    QTest::keyClick(d.Text2[1], Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(d.Text2[1]->text(), "ABCD");
    d.CommandOK->click();
    EXPECT_EQ(st.CurRadioData.MSK.Header.MSKOwnID.Str(), "ABCD");
    EXPECT_EQ(st.CurRadioData.MSK.Header.MSKGroupID.Str(), "ABCD");
    EXPECT_EQ(st.CurRadioData.MSK.Entries[0].IndividualID.Str(), "ABCD");
    EXPECT_EQ(st.CurRadioData.MSK.Entries[0].GroupID.Str(), "ABCD");
}

namespace {

struct FrmCommuBookTest : ::testing::Test {
    QTemporaryDir dir;
    AppState st = Fresh();
    QString File(const char* name) const { return dir.filePath(name); }
    void Type(FrmCommuBook& d, int row, int col, const char* text) {
        d.MSFlexGrid1->SetCell(row, col);
        ASSERT_TRUE(d.Text1->isVisibleTo(&d));
        d.Text1->selectAll();
        QTest::keyClick(d.Text1, Qt::Key_Delete);
        QTest::keyClicks(d.Text1, text);
    }
    // As the user does it: a mouse click on the cell, then the keys into the editor it opens.
    static void ClickCell(FrmCommuBook& d, int row, int col) {
        QTableWidgetItem* item = d.MSFlexGrid1->item(row - 1, col - 1);
        ASSERT_NE(item, nullptr);
        d.MSFlexGrid1->scrollToItem(item);
        QTest::mouseClick(d.MSFlexGrid1->viewport(), Qt::LeftButton, {}, d.MSFlexGrid1->visualItemRect(item).center());
        QApplication::processEvents();
    }
    static void ClickRowNumber(FrmCommuBook& d, int row) {
        QHeaderView* h = d.MSFlexGrid1->verticalHeader();
        const QPoint at(h->width() / 2, h->sectionViewportPosition(row - 1) + h->sectionSize(row - 1) / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }
    void WriteFile(const char* name, const QByteArray& bytes) const {
        QFile f(File(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

}  // namespace

TEST_F(FrmCommuBookTest, EditorFiltersAndCommitsOnTheNextCell) {
    FrmCommuBook d(st);
    Show(d);
    Type(d, 1, 1, "12a34567");
    EXPECT_EQ(d.Text1->text(), "12345");
    Type(d, 1, 2, "ab c~\\d9xyz");
    EXPECT_EQ(d.Text1->text(), "AB CD9");
    EXPECT_EQ(st.CommBookBuffer[0].CallID.Str(), "12345");
    d.MSFlexGrid1->SetCell(2, 1);
    EXPECT_EQ(st.CommBookBuffer[0].Name.Str(), "AB CD9");
    EXPECT_EQ(d.MSFlexGrid1->TextMatrix(1, 2), "AB CD9");
    EXPECT_EQ(st.CurRadioData.CommBookList[0].CallID.Str(), "\0    "s);  // only OK stores
    d.CommandOK->click();
    EXPECT_EQ(st.CurRadioData.CommBookList[0].CallID.Str(), "12345");
}

TEST_F(FrmCommuBookTest, ImportWhileEditingKeepsTheImportedEntry) {
    CommBookFileData file{};
    for (int i = 0; i < 128; ++i) file[i].Index = static_cast<std::int16_t>(i < 80 ? i : 0);
    file[0].CallID.SetNulTerminated("555");
    file[0].Name.SetNulTerminated("FILE");
    ASSERT_TRUE(WriteCommBookFile(File("in.cb").toStdString(), file));

    FrmCommuBook d(st);
    Show(d);
    Type(d, 1, 2, "OLD");
    ScopedFileDialogScript files({File("in.cb")});
    d.CommandInput->click();
    EXPECT_FALSE(d.Text1->isVisibleTo(&d));
    d.MSFlexGrid1->SetCell(3, 1);
    d.MSFlexGrid1->SetCell(4, 1);
    EXPECT_EQ(st.CommBookBuffer[0].Name.Trimmed(), "FILE");
    EXPECT_EQ(d.MSFlexGrid1->TextMatrix(1, 1), "555");
}

TEST_F(FrmCommuBookTest, FailedImportKeepsTheDialogAndItsData) {
    FrmCommuBook d(st);
    Show(d);
    Type(d, 1, 1, "42");
    d.MSFlexGrid1->SetCell(2, 1);
    QFile shortFile(File("short.cb"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(100, 'x'));
    shortFile.close();
    for (const char* name : {"short.cb", "missing.cb"}) {
        ScopedFileDialogScript files({File(name)});
        ScopedMsgBoxScript msgs;
        d.CommandInput->click();
        ASSERT_EQ(msgs.Messages().size(), 1u) << name;
        EXPECT_EQ(msgs.Messages()[0].Text, "file error.");
        EXPECT_EQ(st.CommBookBuffer[0].CallID.Trimmed(), "42") << name;
        EXPECT_TRUE(d.isVisible());
    }
    EXPECT_FALSE(QFile::exists(File("missing.cb")));
}

TEST_F(FrmCommuBookTest, ExportImportRoundTripAndSortOnClose) {
    {
        FrmCommuBook d(st);
        Show(d);
        Type(d, 1, 1, "300");
        Type(d, 2, 1, "12");
        Type(d, 3, 1, "12345");
        d.MSFlexGrid1->SetCell(4, 1);
        ScopedFileDialogScript files({File("out.cb")});
        d.CommandOutput->click();
        d.CommandCancel->click();  // the data keep their book, sorted
    }
    EXPECT_EQ(QFile(File("out.cb")).size(), 1664);
    {
        FrmCommuBook d(st);
        ScopedFileDialogScript files({File("out.cb"), File("again.cb")});
        d.CommandInput->click();
        d.CommandOutput->click();
        d.CommandOK->click();
    }
    QFile a(File("out.cb")), b(File("again.cb"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    const auto& book = st.CurRadioData.CommBookList;
    EXPECT_EQ(book[0].CallID.Trimmed(), "12345");
    EXPECT_EQ(book[1].CallID.Trimmed(), "12");
    EXPECT_EQ(book[2].CallID.Trimmed(), "300");
    for (int i = 0; i < 80; ++i) EXPECT_EQ(book[i].Index, i);
}

TEST_F(FrmCommuBookTest, TenEntriesOutOfOrderComeBackSortedAndThroughTheFile) {
    const char* ids[] = {"900", "15", "70001", "3", "42", "12345", "8", "2001", "66", "1"};
    {
        FrmCommuBook d(st);
        Show(d);
        for (int i = 0; i < 10; ++i) {
            Type(d, i + 1, 1, ids[i]);
            Type(d, i + 1, 2, ("ST" + std::to_string(i)).c_str());
        }
        d.MSFlexGrid1->SetCell(20, 1);
        d.CommandOK->click();
    }
    std::vector<std::string> sorted;
    for (int i = 0; i < 10; ++i) sorted.push_back(st.CurRadioData.CommBookList[i].CallID.Trimmed());
    EXPECT_EQ(sorted, (std::vector<std::string>{"12345", "15", "1", "2001", "3", "42", "66", "70001", "8", "900"}));
    {
        FrmCommuBook d(st);
        Show(d);
        EXPECT_EQ(d.MSFlexGrid1->TextMatrix(1, 1), "12345");  // reopened: sorted
        ScopedFileDialogScript files({File("ten.cb")});
        d.CommandOutput->click();
        for (int i = 0; i < 10; ++i) {
            Type(d, i + 1, 1, "");
            Type(d, i + 1, 2, "");
        }
        d.MSFlexGrid1->SetCell(20, 1);
        EXPECT_EQ(d.MSFlexGrid1->TextMatrix(1, 1), "");
        files.Add(File("ten.cb"));
        d.CommandInput->click();
        d.CommandOK->click();
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(st.CurRadioData.CommBookList[i].CallID.Trimmed(), sorted[i]);
        EXPECT_FALSE(st.CurRadioData.CommBookList[i].Name.Trimmed().empty());
    }
}

TEST_F(FrmCommuBookTest, UserClickOnARowNumberCommitsTheCellAndPutsTheEditorAway) {
    CommBookFileData file{};
    file[0].CallID.SetNulTerminated("555");
    file[0].Name.SetNulTerminated("FILE");
    ASSERT_TRUE(WriteCommBookFile(File("in.cb").toStdString(), file));

    FrmCommuBook d(st);
    Show(d);
    ClickCell(d, 1, 2);
    ASSERT_TRUE(d.Text1->isVisible());
    QTest::keyClicks(d.Text1, "old");
    ClickRowNumber(d, 5);
    EXPECT_FALSE(d.Text1->isVisible());
    EXPECT_EQ(st.CommBookBuffer[0].Name.Str(), "OLD\0  "s);
    EXPECT_EQ(d.MSFlexGrid1->TextMatrix(1, 2), "OLD");

    // The text of the editor put away never reaches an imported entry.
    ScopedFileDialogScript files({File("in.cb")});
    QTest::mouseClick(d.CommandInput, Qt::LeftButton);
    ClickCell(d, 3, 1);
    ClickCell(d, 4, 1);
    EXPECT_EQ(st.CommBookBuffer[0].Name.Trimmed(), "FILE");
    EXPECT_EQ(d.MSFlexGrid1->TextMatrix(1, 2), "FILE");

    // Clicking the cell being edited changes nothing; after a row number it opens the editor.
    ClickRowNumber(d, 4);
    ClickCell(d, 4, 1);
    EXPECT_TRUE(d.Text1->isVisible());
}

TEST_F(FrmCommuBookTest, UserFailedImportKeepsTheCellBeingTyped) {
    QByteArray random(1664, '\0');
    for (int i = 0; i < random.size(); ++i) random[i] = static_cast<char>(i * 7 + 3);
    WriteFile("random.cb", random);
    WriteFile("short.cb", QByteArray(100, '1'));
    for (const char* name : {"random.cb", "short.cb", "missing.cb"}) {
        SCOPED_TRACE(name);
        AppState fresh = Fresh();
        FrmCommuBook d(fresh);
        Show(d);
        const CommBookFileData before = fresh.CommBookBuffer;
        ClickCell(d, 2, 1);
        QTest::keyClicks(d.Text1, "42");
        ScopedFileDialogScript files({File(name)});
        ScopedMsgBoxScript msgs;
        QTest::mouseClick(d.CommandInput, Qt::LeftButton);
        ASSERT_EQ(msgs.Messages().size(), 1u);
        EXPECT_EQ(msgs.Messages()[0].Text, "file error.");
        EXPECT_EQ(fresh.CommBookBuffer, before);
        EXPECT_TRUE(d.Text1->isVisible());
        EXPECT_EQ(d.Text1->text(), "42");
        EXPECT_EQ(d.CurBookEditRow, 2);
        EXPECT_EQ(d.CurBookEditCol, 1);
        QTest::keyClicks(d.Text1, "7");
        ClickCell(d, 6, 2);
        EXPECT_EQ(fresh.CommBookBuffer[1].CallID.Trimmed(), "427");
        EXPECT_EQ(d.MSFlexGrid1->TextMatrix(2, 1), "427");
    }
}
