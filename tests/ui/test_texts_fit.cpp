// Texts fit where they are shown, in both languages: the navigation tree's captions, the model
// dialog's label without an access key, the password box's mask.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "model/LangText.h"
#include "qtcomm/FrmPassWord.h"
#include "shell/FrmModel.h"
#include "kit/ShellText.h"
#include "shell/frmMain.h"

using namespace rp;
using namespace rp::test;

namespace {

// Captions the tree cuts short: wider than what the tree shows at their depth.
QStringList CutCaptions(QTreeWidget* tree) {
    QStringList cut;
    const QFontMetrics fm(tree->font());
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QRect cell = tree->visualItemRect(*it);
        const int textRight = cell.left() + fm.horizontalAdvance((*it)->text(0));
        if (textRight > tree->viewport()->width()) cut << (*it)->text(0);
    }
    return cut;
}

TEST(TextsFit, TreeCaptionsShowWholeInBothLanguages) {
    AppState st;
    TempSettings settings;
    UseLanguage(st, 1);
    frmMain w(st, settings.Make());
    w.resize(1000, 700);
    w.show();
    QApplication::processEvents();
    EXPECT_EQ(CutCaptions(w.tvTreeView), QStringList{});
    for (int language : {2, 1}) {
        UseLanguage(st, language);
        w.Form_ReLoad();
        QApplication::processEvents();
        EXPECT_EQ(CutCaptions(w.tvTreeView), QStringList{}) << language;
    }
}

TEST(TextsFit, CaptionsLoseTheirAccessKeyInEitherForm) {
    EXPECT_EQ(WithoutAccessKey("&Model"), "Model");
    EXPECT_EQ(WithoutAccessKey(QString::fromUtf8("机型(&M)")), QString::fromUtf8("机型"));
    EXPECT_EQ(WithoutAccessKey(QString::fromUtf8("读取 (&R)...")), QString::fromUtf8("读取..."));
    EXPECT_EQ(WithoutAccessKey("Save (as copy)"), "Save (as copy)");
    for (int language : {1, 2}) {
        AppState st;
        UseLanguage(st, language);
        InitMsgString(st);
        FrmModel dlg(st, {"6173USD"}, "6173USD", {"b0"}, 0);
        const QString label = dlg.findChild<QLabel*>("Label1_0")->text();
        EXPECT_FALSE(label.contains('&') || label.contains('(')) << label.toStdString();
        EXPECT_FALSE(label.isEmpty());
    }
}

TEST(TextsFit, PasswordBoxShowsAStarForEachCharacter) {
    AppState st;
    st.LangText = [](int id) { return "T" + std::to_string(id); };
    std::string typed = "ab1";
    FrmPassWord d(st, typed);
    auto* text = d.findChild<QLineEdit*>("Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->displayText(), "***");
}

}  // namespace
