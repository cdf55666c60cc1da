// The shared pieces the editor dialogs are built from keep the traps closed: the OK/Cancel row
// and the settings dialogs' combo column.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <array>
#include <vector>
#include <gtest/gtest.h>

#include "kit/DialogKit.h"

using namespace rp;

namespace {

void ShowActive(QDialog& dlg) {
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
}

}  // namespace

TEST(DialogTraps, OKCancelRowPressesNothingOnEnterAndNeverTrapsCancel) {
    QDialog dlg;
    auto* box = new QLineEdit(&dlg);
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QHBoxLayout* row = kit::OKCancelRow(&dlg, ok, cancel, "CommandCANCEL");
    auto* layout = new QVBoxLayout(&dlg);
    layout->addWidget(box);
    layout->addLayout(row);
    ASSERT_EQ(dlg.findChild<QPushButton*>("CommandOK"), ok);
    ASSERT_EQ(dlg.findChild<QPushButton*>("CommandCANCEL"), cancel);
    int pressed = 0, checks = 0;
    QObject::connect(ok, &QPushButton::clicked, &dlg, [&] { ++pressed; });
    kit::OnLeave(box, [&] { ++checks; });
    ShowActive(dlg);

    EXPECT_FALSE(ok->autoDefault());
    EXPECT_FALSE(cancel->autoDefault());
    EXPECT_FALSE(ok->isDefault());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(pressed, 0);
    EXPECT_TRUE(dlg.isVisible());

    cancel->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(checks, 0);
    box->setFocus();
    ok->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(checks, 1);  // OK is a real move on
}

TEST(DialogTraps, ComboColumnIsNamedRunsTheHandlerOnAPickAndMovesOnWithEnter) {
    QDialog dlg;
    std::array<QLabel*, 3> labels{};
    std::array<QComboBox*, 3> combos{};
    std::vector<int> clicked;
    kit::MakeComboColumn(&dlg, labels, combos, "Label1", "Combo1", [&](int i) { clicked.push_back(i); });
    auto* grid = new QGridLayout(&dlg);
    kit::AddComboRows(grid, labels, combos, {2, 0});
    labels[1]->hide();
    combos[1]->hide();
    for (auto* c : combos) kit::FillCombo(c, QStringList{"A", "B"});
    kit::NoDefaultButtons(&dlg);
    EXPECT_EQ(dlg.findChild<QComboBox*>("Combo1_2"), combos[2]);
    EXPECT_EQ(dlg.findChild<QLabel*>("Label1_2"), labels[2]);
    EXPECT_EQ(labels[2]->buddy(), combos[2]);
    EXPECT_EQ(grid->itemAtPosition(0, 1)->widget(), combos[2]);
    EXPECT_EQ(grid->itemAtPosition(1, 0)->widget(), labels[0]);
    EXPECT_EQ(combos[0]->currentIndex(), -1);  // filled, nothing picked

    ShowActive(dlg);
    kit::SetComboIndex(combos[2], 1);  // code sets: no handler by itself
    EXPECT_TRUE(clicked.empty());
    combos[2]->setFocus();
    emit combos[2]->activated(0);
    EXPECT_EQ(clicked, std::vector<int>{2});
    combos[0]->setFocus();
    QTest::keyClick(combos[0], Qt::Key_Return);
    EXPECT_FALSE(combos[0]->hasFocus());
}
