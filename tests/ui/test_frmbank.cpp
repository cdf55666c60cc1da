#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
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
