#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "channels/FrmBank.h"
#include "model/Banks.h"
#include "model/NewData.h"
#include "kit/GridAdapter.h"
#include "shell/frmMain.h"

using namespace rp;
using namespace rp::test;

namespace {

struct BankDialogTest : ::testing::Test {
    AppState st;
    void SetUp() override {
        UseLanguage(st, 1);
        st.NoInitFileFlag = true;
        NewData(st);
        for (int n = 3; n <= 12; ++n) AddDefaultChannel(st, n, "400");
        for (auto& b : st.CurRadioData.BankTable) b.fill(0);
        auto& bank2 = st.CurRadioData.BankTable[1];
        bank2[0] = 5;
        bank2[1] = 7;
        bank2[3] = 9;
    }
    static QStringList Items(const QListWidget* l) {
        QStringList v;
        for (int i = 0; i < l->count(); ++i) v << l->item(i)->text();
        return v;
    }
    static void Pick(QListWidget* l, const QString& text) {
        const auto found = l->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        l->setCurrentItem(found.front());
    }
    // The user's ways in: a shown, active window, mouse clicks on the items and buttons.
    static void Show(QDialog& d) {
        d.show();
        // Under a real X server the window must be mapped before it can take the focus.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        d.activateWindow();
        QApplication::setActiveWindow(&d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QApplication::processEvents();
    }
    static void ClickItem(QListWidget* l, const QString& text) {
        const auto found = l->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        l->scrollToItem(found.front());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(found.front()).center());
    }
    static int Used(const BankArray& t, int bank) {
        int n = 0;
        for (auto ch : t[static_cast<std::size_t>(bank - 1)]) n += ch > 0 ? 1 : 0;
        return n;
    }
};

TEST_F(BankDialogTest, OpensWithNoBankAndMovesDoNothing) {
    FrmBank dlg(st);
    EXPECT_EQ(dlg.windowTitle(), "Bank Channel");
    EXPECT_EQ(dlg.Label1[1]->text(), "Channel In Bank:");
    EXPECT_EQ(dlg.CommandOK->text().toStdString(), st.LangText(101));
    EXPECT_EQ(dlg.List1->count(), 9);
    EXPECT_EQ(dlg.List1->currentRow(), -1);
    EXPECT_EQ(dlg.List2->count(), 0);
    EXPECT_EQ(dlg.List3->count(), 0);
    dlg.CommandL->click();
    dlg.CommandR->click();
    EXPECT_EQ(st.EditBankTable, st.CurRadioData.BankTable);
    EXPECT_FALSE(dlg.CommandOK->autoDefault());
}

TEST_F(BankDialogTest, UserOpensItWithNoBankAndAClickOnTheShownBankShowsItAgain) {
    FrmBank dlg(st);
    Show(dlg);
    // The bank list takes the focus on opening; that alone chooses no bank.
    EXPECT_TRUE(dlg.List1->selectedItems().isEmpty());
    EXPECT_EQ(dlg.List2->count(), 0);
    EXPECT_EQ(dlg.List3->count(), 0);
    QTest::mouseClick(dlg.CommandL, Qt::LeftButton);
    EXPECT_EQ(st.EditBankTable, st.CurRadioData.BankTable);

    ClickItem(dlg.List1, "Bank 2");
    EXPECT_EQ(Items(dlg.List2), QStringList({"Channel 4", "Channel 6", "Channel 8"}));
    ClickItem(dlg.List3, "Channel 11");
    QTest::mouseClick(dlg.CommandL, Qt::LeftButton);
    EXPECT_EQ(Items(dlg.List2), QStringList({"Channel 4", "Channel 6", "Channel 8", "Channel 11"}));
    ClickItem(dlg.List1, "Bank 2");
    EXPECT_EQ(Items(dlg.List2), QStringList({"Channel 4", "Channel 6", "Channel 11", "Channel 8"}));
}

TEST_F(BankDialogTest, UserMovesExactlyTheChosenChannel) {
    struct Case {
        const char* name;
        bool intoBank;     // "<<", else ">>"
        bool doubleClick;  // else two single clicks
        const char* chosen;
        const char* next;  // chosen last, after the first moves
    };
    const Case cases[] = {
        {"<< clicked twice", true, false, "Channel 2", "Channel 10"},
        {"<< double-clicked", true, true, "Channel 2", "Channel 10"},
        {">> clicked twice", false, false, "Channel 4", "Channel 8"},
        {">> double-clicked", false, true, "Channel 4", "Channel 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FrmBank dlg(st);
        Show(dlg);
        ClickItem(dlg.List1, "Bank 2");
        QListWidget* from = c.intoBank ? dlg.List3 : dlg.List2;
        QListWidget* to = c.intoBank ? dlg.List2 : dlg.List3;
        QPushButton* button = c.intoBank ? dlg.CommandL : dlg.CommandR;
        const int fromCount = from->count();
        ClickItem(from, c.chosen);
        if (c.doubleClick) {
            // Through the window, as the window system delivers it: press, release, press with
            // the double-click, release.
            QWindow* window = dlg.windowHandle();
            QTest::mouseDClick(window, Qt::LeftButton, {}, button->mapTo(&dlg, button->rect().center()));
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        EXPECT_EQ(from->count(), fromCount - 1);
        EXPECT_EQ(Items(to).back(), c.chosen);
        EXPECT_TRUE(from->selectedItems().isEmpty());
        EXPECT_TRUE(to->selectedItems().isEmpty());
        EXPECT_EQ(Used(st.EditBankTable, 2), c.intoBank ? 4 : 2);
        // The next channel the user picks moves as well, and only it.
        ClickItem(from, c.next);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(from->count(), fromCount - 2);
        EXPECT_EQ(Items(to).back(), c.next);
        EXPECT_EQ(Used(st.EditBankTable, 2), c.intoBank ? 5 : 1);
        dlg.CommandCancel->click();
    }
}

TEST_F(BankDialogTest, AddFillsTheHoleListsLastAndCancelLeavesTheBanks) {
    const BankArray before = st.CurRadioData.BankTable;
    FrmBank dlg(st);
    dlg.List1->setCurrentRow(1);
    EXPECT_EQ(Items(dlg.List2), QStringList({"Channel 4", "Channel 6", "Channel 8"}));
    EXPECT_FALSE(Items(dlg.List3).contains("Channel 4"));
    EXPECT_TRUE(Items(dlg.List3).contains("Channel 0"));
    // Nothing chosen in the other list: nothing moves.
    dlg.CommandL->click();
    EXPECT_EQ(dlg.List2->count(), 3);

    Pick(dlg.List3, "Channel 11");
    dlg.CommandL->click();
    EXPECT_EQ(Items(dlg.List2), QStringList({"Channel 4", "Channel 6", "Channel 8", "Channel 11"}));
    EXPECT_FALSE(Items(dlg.List3).contains("Channel 11"));
    EXPECT_EQ(st.EditBankTable[1][2], 12);
    Pick(dlg.List2, "Channel 4");
    dlg.CommandR->click();
    EXPECT_EQ(st.EditBankTable[1][0], 0);
    EXPECT_EQ(Items(dlg.List3).back(), "Channel 4");

    // Showing the bank again lists slot order.
    dlg.List1->setCurrentRow(0);
    dlg.List1->setCurrentRow(1);
    EXPECT_EQ(Items(dlg.List2), QStringList({"Channel 6", "Channel 11", "Channel 8"}));

    dlg.CommandCancel->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(st.CurRadioData.BankTable, before);
}

TEST_F(BankDialogTest, AFullBankRefusesAndOkStores) {
    for (int p = 0; p < kBankPlaces; ++p) st.CurRadioData.BankTable[0][p] = static_cast<std::int16_t>(150 + p);
    FrmBank dlg(st);
    dlg.List1->setCurrentRow(0);
    ASSERT_EQ(dlg.List2->count(), 32);
    Pick(dlg.List3, "Channel 2");
    dlg.CommandL->click();
    EXPECT_EQ(dlg.List2->count(), 32);
    EXPECT_EQ(st.EditBankTable, st.CurRadioData.BankTable);

    dlg.List1->setCurrentRow(2);
    Pick(dlg.List3, "Channel 2");
    dlg.CommandL->click();
    dlg.CommandOK->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(st.CurRadioData.BankTable[2][0], 3);
}

TEST_F(BankDialogTest, TheMenuOpensItAndRedrawsTheBankColumnAfterwards) {
    TempSettings settings;
    frmMain w(st, settings.Make());
    QStringList shown;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* d = qobject_cast<FrmBank*>(QApplication::activeModalWidget());
        if (d == nullptr) return;
        shown << d->objectName();
        d->List1->setCurrentRow(2);
        const auto found = d->List3->findItems("Channel 2", Qt::MatchExactly);
        if (!found.isEmpty()) d->List3->setCurrentItem(found.front());
        d->CommandL->click();
        d->CommandOK->click();
    });
    driver.start(5);
    w.MenuAction("MnuViewBankChannel")->trigger();
    driver.stop();
    EXPECT_EQ(shown, QStringList({"FrmBank"}));
    EXPECT_EQ(GetChBankStr(st, 3), "3");
    ASSERT_EQ(w.MSFlexGrid1[0]->TextMatrix(0, 6), "Bank");
    EXPECT_EQ(w.MSFlexGrid1[0]->TextMatrix(3, 6), "3");
}

}  // namespace
