// The password dialog: what it offers, what OK and Cancel leave behind.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QTimer>

#include "qtcomm/FrmPassWord.h"

using namespace rp;

namespace {
AppState State() {
    AppState st;
    st.LangText = [](int id) { return "T" + std::to_string(id); };
    return st;
}
}  // namespace

TEST(FrmPassWord, OffersTheLastPasswordAndStoresItTrimmedOnOK) {
    const AppState st = State();
    std::string typed = "ab";
    FrmPassWord d(st, typed);
    EXPECT_EQ(d.windowTitle(), "T3100");
    EXPECT_EQ(d.findChild<QPushButton*>("CommandOK")->text(), "T101");
    auto* text = d.findChild<QLineEdit*>("Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "ab");
    EXPECT_EQ(text->echoMode(), QLineEdit::Password);
    text->setText("Xy ");
    d.CommandOK->click();
    EXPECT_TRUE(d.PassWordOKFlag());
    EXPECT_EQ(typed, "Xy");
}

TEST(FrmPassWord, CancelKeepsTheEarlierPassword) {
    const AppState st = State();
    std::string typed = "1234";
    FrmPassWord d(st, typed);
    d.Text1->setText("9");
    d.CommandCancel->click();
    EXPECT_FALSE(d.PassWordOKFlag());
    EXPECT_EQ(typed, "1234");
}

TEST(FrmPassWord, TakesAtMostFourSingleByteCharacters) {
    const AppState st = State();
    std::string typed;
    FrmPassWord d(st, typed);
    d.Text1->setFocus();
    d.Text1->insert("abcdef");
    EXPECT_EQ(d.Text1->text(), "abcd");
    d.Text1->clear();
    d.Text1->insert(QString::fromUtf8("é"));
    EXPECT_EQ(d.Text1->text(), "");
}

TEST(FrmPassWord, AskReturnsTheFlag) {
    const AppState st = State();
    std::string typed;
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<FrmPassWord*>(w)) {
                d->Text1->setText("77");
                d->CommandOK->click();
            }
    });
    EXPECT_TRUE(AskPassWord(st, typed));
    EXPECT_EQ(typed, "77");
}
