#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "MainFixture.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/MainGridText.h"
#include "kit/WindowPlace.h"
#include "shell/frmMain.h"
#include "model/ListFreqCheck.h"

using namespace rp;
using namespace rp::test;

namespace {

struct MainWindowTest : ::testing::Test {
    AppState st;
    TempSettings settings;
    std::unique_ptr<frmMain> w;

    void SetUp() override { UseLanguage(st, 1); }
    frmMain& Open() {
        w = std::make_unique<frmMain>(st, settings.Make());
        return *w;
    }
    FlexGrid& Grid(int i) { return *w->MSFlexGrid1[i]; }
    QString Cell(int r, int c) { return Grid(0).TextMatrix(r, c); }
    std::string Lang(int id) { return st.LangText(id); }
    QStringList TreeKeys() {
        QStringList keys;
        std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* it) {
            keys << it->data(0, Qt::UserRole).toString();
            for (int i = 0; i < it->childCount(); ++i) walk(it->child(i));
        };
        for (int i = 0; i < w->tvTreeView->topLevelItemCount(); ++i) walk(w->tvTreeView->topLevelItem(i));
        return keys;
    }
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

TEST_F(MainWindowTest, ChannelGridHeadersAndWidths) {
    Open();
    auto& g = Grid(0);
    EXPECT_EQ(g.Rows(), 207);
    EXPECT_EQ(g.Cols(), 13);
    EXPECT_EQ(Grid(1).Rows(), 130);
    EXPECT_EQ(Grid(1).Cols(), 3);
    for (int i : {2, 3}) {
        EXPECT_EQ(Grid(i).Rows(), 102);
        EXPECT_EQ(Grid(i).Cols(), 2);
        EXPECT_EQ(Grid(i).TextMatrix(0, 0), "ID");
        EXPECT_EQ(Grid(i).TextMatrix(0, 1), Q(Lang(1101)));
    }
    const int ids[] = {3006, 1101, 1140, 1103, 1104, 1106};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(g.TextMatrix(0, c), Q(Lang(ids[c]))) << c;
    EXPECT_EQ(g.TextMatrix(0, 6), "Bank");
    EXPECT_EQ(g.TextMatrix(0, 7), Q(Lang(1109)));
    EXPECT_EQ(g.TextMatrix(0, 8), Q(Lang(1107) + "\r\n" + Lang(1112)));
    EXPECT_EQ(g.TextMatrix(0, 9), Q(Lang(1107) + "\r\n" + Lang(1113)));
    EXPECT_EQ(g.TextMatrix(0, 10), Q(Lang(1110)));
    EXPECT_EQ(g.TextMatrix(0, 11), Q(Lang(1117)));
    EXPECT_FALSE(Lang(3006).empty());

    const std::pair<int, int> widths[] = {{5, 1500}, {6, 1500}, {7, 1200}, {8, 1400}, {9, 1400}, {10, 1400}};
    for (auto [c, twips] : widths) {
        EXPECT_EQ(g.columnWidth(c - 1), g.TwipsToPx(twips)) << c;
        EXPECT_GE(g.TwipsToPx(twips), TwipsToPixels(twips, g.Dpi())) << c;
    }
    EXPECT_EQ(g.verticalHeader()->width(), g.TwipsToPx(600));
    EXPECT_EQ(g.horizontalHeader()->height(), g.TwipsToPx(500));
    EXPECT_EQ(g.TextMatrix(1, 0), "0");
    EXPECT_EQ(g.TextMatrix(200, 0), "199");
    EXPECT_EQ(g.TextMatrix(201, 0), "PL1");
    EXPECT_EQ(g.TextMatrix(206, 0), "VFO2");
    EXPECT_EQ(g.horizontalHeaderItem(5)->foreground().color(), QColor(192, 0, 0));
    EXPECT_EQ(g.horizontalHeaderItem(4)->foreground().color(), QColor(0, 0, 155));
}

TEST_F(MainWindowTest, EditorListsFollowModelAndLanguage) {
    Open();
    EXPECT_EQ(w->ComboOptSig->count(), 5);
    EXPECT_EQ(w->ComboOptSig->itemText(4), "MSK{DN}");
    EXPECT_EQ(w->ComboStep->count(), 9);
    EXPECT_EQ(w->ComboStep->itemText(2), "6.25K");
    EXPECT_EQ(w->ComboWN->itemText(1), "12.5KHz");
    ASSERT_EQ(w->ComboDe_CDCSS->count(), 1024);
    EXPECT_EQ(w->ComboDe_CDCSS->itemText(19), "D023N");
    EXPECT_EQ(w->ComboDe_CDCSS->itemText(1023), "D777I");
    EXPECT_EQ(w->ComboDCS->itemText(511), "777N");
    ASSERT_EQ(w->ComboCTCSS->count(), 52);
    EXPECT_EQ(w->ComboCTCSS->itemText(0), "62.5");
    EXPECT_EQ(w->ComboCTCSS->itemText(50), "254.1");
    EXPECT_EQ(w->ComboCTCSS->itemText(51), Q(Lang(4031)));

    st.CurModelCode = "6173USA";
    w->LoadShowByModel();
    EXPECT_EQ(w->ComboOptSig->count(), 4);
    EXPECT_EQ(w->ComboOptSig->itemText(3), "5Tone");
}

TEST_F(MainWindowTest, MenusAndToolbar) {
    st.TestDataMode = false;
    Open();
    EXPECT_FALSE(w->MenuAction("mnuFilePrint")->isVisible());
    EXPECT_FALSE(w->MenuAction("MnuHelpContent")->isVisible());
    EXPECT_FALSE(w->MenuAction("mnuTestData")->isVisible());
    EXPECT_FALSE(w->MenuAction("MnuViewScan")->isEnabled());
    EXPECT_TRUE(w->MenuAction("MnuViewAM")->isVisible());
    EXPECT_TRUE(w->MenuAction("MnuViewMSK")->isVisible());
    EXPECT_EQ(w->MenuAction("mnuFileNew")->text(), Q(Lang(1001)));
    EXPECT_EQ(w->MenuAction("mnuFileNew")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(w->MenuAction("mnuFileSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w->MenuAction("mnuFile")->text(), Q(Lang(1000)));

    QStringList keys;
    int separators = 0;
    for (auto* a : w->tbToolBar->actions()) {
        if (a->isSeparator()) ++separators;
        else keys << a->objectName();
    }
    EXPECT_EQ(keys, QStringList({"TNewFile", "TOpenFile", "TSaveFile", "TCommRead", "TCommPort",
                                 "TCommWrite", "TAbout"}));
    EXPECT_EQ(separators, 2);
    EXPECT_EQ(w->ToolButton("TCommRead")->toolTip(), Q(Lang(1041)));
    EXPECT_TRUE(w->ToolButton("TCommPort")->toolTip().isEmpty());

    st.CurModelCode = "6173USC";
    w->LoadShowByModel();
    EXPECT_FALSE(w->MenuAction("MnuViewAM")->isVisible());
    EXPECT_FALSE(w->MenuAction("MnuViewMSK")->isVisible());
    EXPECT_TRUE(w->MenuAction("MnuView2Tone")->isVisible());
}

TEST_F(MainWindowTest, TestDataItemOnlyInTestMode) {
    st.TestDataMode = true;
    Open();
    EXPECT_TRUE(w->MenuAction("mnuTestData")->isVisible());
}

TEST_F(MainWindowTest, ToolbarAndStatusBarCanBeHidden) {
    Open();
    w->show();
    w->MenuAction("MnuViewToolBar")->trigger();
    EXPECT_FALSE(w->tbToolBar->isVisible());
    EXPECT_FALSE(w->MenuAction("MnuViewToolBar")->isChecked());
    w->MnuViewToolBar_Click();
    EXPECT_TRUE(w->tbToolBar->isVisible());
    w->MenuAction("MnuViewStatusBar")->trigger();
    EXPECT_FALSE(w->sbStatusBar->isVisible());
    EXPECT_FALSE(w->MenuAction("MnuViewStatusBar")->isChecked());
}

TEST_F(MainWindowTest, TreeFollowsModelAndSwitchesGrids) {
    Open();
    const QStringList full = TreeKeys();
    for (const char* k : {"N0", "CH", "N1", "Radio", "N3", "N4", "N5", "N6", "N7", "N8", "N9",
                          "N10", "N11", "N12", "N13", "N14", "N15", "N16", "N17"})
        EXPECT_TRUE(full.contains(k)) << k;
    EXPECT_FALSE(full.contains("N2"));

    w->tvTreeView_NodeClick("N3");
    EXPECT_FALSE(Grid(2).isHidden());
    EXPECT_TRUE(Grid(0).isHidden());
    w->tvTreeView_NodeClick("N16");
    EXPECT_FALSE(Grid(3).isHidden());
    EXPECT_TRUE(Grid(2).isHidden());
    w->tvTreeView_NodeClick("N1");
    EXPECT_FALSE(Grid(0).isHidden());
    w->ShowGridType(7);  // no such grid: nothing changes
    EXPECT_FALSE(Grid(0).isHidden());
    EXPECT_TRUE(Grid(1).isHidden());

    w->tvTreeView_NodeClick("N16");
    st.CurModelCode = "6173USA";
    w->LoadShowByModel();
    const QStringList other = TreeKeys();
    EXPECT_FALSE(other.contains("N16"));
    EXPECT_FALSE(other.contains("N17"));
    EXPECT_TRUE(other.contains("N6"));
    // The AM grid must not stay up once its way in is gone.
    EXPECT_TRUE(Grid(3).isHidden());
    EXPECT_FALSE(Grid(0).isHidden());
}

// The Edit menu's scan item stays disabled; the tree's scan node is the way in, and like every
// command it first takes over what an open cell editor holds.
TEST_F(MainWindowTest, ScanNodeOpensTheScanEditorWithTheMenuItemDisabled) {
    const int slot = st.CurRadioData.ChannelCount++;
    st.ChannelTable[slot] = MakeChannel(9, "145.2500");
    Open();
    w->show();
    ASSERT_FALSE(w->MenuAction("MnuViewScan")->isEnabled());
    const int no = 9;
    auto& g = Grid(0);
    g.SetCell(no, 3);
    w->MSFlexGrid1_DblClick(0);
    ASSERT_TRUE(w->TextName->isVisible());
    w->TextName->setText("SCANME");

    QStringList shown;
    QString nameAtShow;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown << d->objectName();
            nameAtShow = Q(st.ChannelTable[slot].Name.Trimmed());
            d->reject();
        }
    });
    closer.start(5);
    w->tvTreeView_NodeClick("N10");
    closer.stop();
    EXPECT_EQ(shown, QStringList({"FrmScan"}));
    EXPECT_EQ(nameAtShow, "SCANME");
    EXPECT_FALSE(w->TextName->isVisible());
}

TEST_F(MainWindowTest, LanguageSwitchRecaptionsEverything) {
    Open();
    const QString enPower = w->ComboPower->itemText(0);
    UseLanguage(st, 2);
    w->Form_ReLoad();
    EXPECT_NE(w->ComboPower->itemText(0), enPower);
    EXPECT_EQ(w->ComboPower->itemText(0), Q(Lang(1204)));
    EXPECT_EQ(w->ComboPower->itemText(1), Q(Lang(1205)));
    EXPECT_EQ(w->ComboDe_CTC_Type->itemText(0), Q(Lang(1206)));
    EXPECT_EQ(w->ComboEn_CTC_Type->itemText(0), Q(Lang(1206)));
    EXPECT_EQ(w->ComboOptSig->itemText(0), Q(Lang(1206)));
    EXPECT_EQ(w->ComboCTCSS->itemText(51), Q(Lang(4031)));
    EXPECT_EQ(w->ComboDe_CTCSS->itemText(51), Q(Lang(4031)));
    EXPECT_EQ(Cell(0, 1), Q(Lang(1101)));
    EXPECT_EQ(Cell(0, 0), Q(Lang(3006)));
    EXPECT_EQ(Grid(2).TextMatrix(0, 1), Q(Lang(1101)));
    EXPECT_EQ(w->MenuAction("mnuFileNew")->text(), Q(Lang(1001)));
    EXPECT_EQ(w->MenuAction("mnuFile")->text(), Q(Lang(1000)));
    EXPECT_EQ(w->ToolButton("TAbout")->toolTip(), Q(Lang(1052)));
    EXPECT_TRUE(w->ToolButton("TCommPort")->toolTip().isEmpty());
    EXPECT_TRUE(w->windowTitle().startsWith(Q(Lang(8900))));
    // Tree captions come from the same texts.
    auto* root = w->tvTreeView->topLevelItem(0);
    QString ch;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->data(0, Qt::UserRole) == "CH") ch = root->child(i)->text(0);
    EXPECT_EQ(ch, Q(Lang(1070)));
    EXPECT_FALSE(ch.isEmpty());
}

// ---- Row redraw ------------------------------------------------------------------------------

struct RowCase {
    const char* what;
    std::function<void(ChannelData&)> edit;
    int col;
    std::string expect;  // "#1204" means language text 1204
};

TEST_F(MainWindowTest, ChannelRowRedraw) {
    Open();
    const RowCase cases[] = {
        {"rx", [](ChannelData&) {}, 1, "145.50000"},
        {"simplex tx", [](ChannelData& c) { c.OffsetFreq = "000500000"; }, 2, "145.50000"},
        {"shift minus", [](ChannelData& c) { c.Shift = 1; c.OffsetFreq = "000500000"; }, 2, "140.50000"},
        {"shift plus", [](ChannelData& c) { c.Shift = 2; c.OffsetFreq = "000500000"; }, 2, "150.50000"},
        {"odd shift", [](ChannelData& c) { c.Shift = 3; c.OffsetFreq = "000500000"; }, 2, "145.50000"},
        {"exact tx", [](ChannelData& c) { c.RxFreq = Fre("145.9375"); c.Shift = 2; c.OffsetFreq = "000001250"; }, 2, "145.95000"},
        {"empty rx, shift", [](ChannelData& c) { c.RxFreq = "FFFFFFFFF"; c.Shift = 2; c.OffsetFreq = "000500000"; }, 2, ""},
        {"empty rx", [](ChannelData& c) { c.RxFreq = "FFFFFFFFF"; }, 1, ""},
        {"name", [](ChannelData& c) { c.Name.SetNulTerminated("ABC"); }, 3, "ABC"},
        {"step", [](ChannelData& c) { c.StepIndex = 2; }, 4, "6.25K"},
        {"step out of range", [](ChannelData& c) { c.StepIndex = 9; }, 4, ""},
        {"wide", [](ChannelData&) {}, 5, "25K"},
        {"narrow", [](ChannelData& c) { c.Bandwidth = 1; }, 5, "12.5K"},
        {"power high", [](ChannelData&) {}, 7, "#1204"},
        {"power low", [](ChannelData& c) { c.Power = 1; }, 7, "#1205"},
        {"power above", [](ChannelData& c) { c.Power = 5; }, 7, "#1204"},
        {"power negative", [](ChannelData& c) { c.Power = -1; }, 7, ""},
        {"tone off", [](ChannelData&) {}, 8, "#1206"},
        {"ctcss", [](ChannelData& c) { c.DecToneType = 1; c.DecCTCSSIndex = 13; }, 8, "100.0"},
        {"custom ctcss", [](ChannelData& c) { c.DecToneType = 1; c.DecCTCSSIndex = 51; }, 8, "#4031"},
        {"ctcss too large", [](ChannelData& c) { c.DecToneType = 1; c.DecCTCSSIndex = 52; }, 8, ""},
        {"ctcss negative", [](ChannelData& c) { c.DecToneType = 1; c.DecCTCSSIndex = -3; }, 8, ""},
        {"dcs", [](ChannelData& c) { c.DecToneType = 2; c.DecDCSCode = 19; }, 8, "D023N"},
        {"dcs inverted", [](ChannelData& c) { c.DecToneType = 2; c.DecDCSCode = 19; c.DecDCSInvert = 1; }, 8, "D023I"},
        {"dcs too large", [](ChannelData& c) { c.DecToneType = 2; c.DecDCSCode = 512; }, 8, ""},
        {"dcs negative", [](ChannelData& c) { c.DecToneType = 2; c.DecDCSCode = -1; }, 8, ""},
        {"encode dcs", [](ChannelData& c) { c.EncToneType = 2; c.EncDCSCode = 511; c.EncDCSInvert = 1; }, 9, "D777I"},
        {"encode ctcss", [](ChannelData& c) { c.EncToneType = 1; c.EncCTCSSIndex = 0; }, 9, "62.5"},
        {"no signalling", [](ChannelData&) {}, 10, "#1206"},
        {"dtmf", [](ChannelData& c) { c.SignalType = 1; c.DTMFMemoryNo = 15; }, 10, "DTMF M16"},
        {"2tone", [](ChannelData& c) { c.SignalType = 2; c.TwoToneNo = 7; }, 10, "2tone{DN} 7"},
        {"5tone", [](ChannelData& c) { c.SignalType = 3; c.FiveToneNo = 99; }, 10, "5tone 99"},
        {"msk", [](ChannelData& c) { c.SignalType = 4; c.MSKNo = 3; }, 10, "MSK{DN} 3"},
        {"unknown signalling", [](ChannelData& c) { c.SignalType = 9; }, 10, "#1206"},
    };
    for (const auto& tc : cases) {
        ChannelData c = MakeChannel(5, "145.5");
        tc.edit(c);
        st.ChannelTable[0] = c;
        st.CurRadioData.ChannelCount = 1;
        w->ReShowGrid(0, 5, 0);
        const std::string want = tc.expect.rfind('#', 0) == 0 ? Lang(std::stoi(tc.expect.substr(1))) : tc.expect;
        EXPECT_EQ(Cell(5, tc.col).toStdString(), want) << tc.what;
    }

    // MSK is only a signalling kind of the one model.
    st.CurModelCode = "6173USA";
    w->ReShowGrid(0, 5, 0);
    EXPECT_EQ(Cell(5, 10), Q(Lang(1206)));
}

TEST_F(MainWindowTest, MissingChannelEmptiesItsRow) {
    st.ChannelTable[0] = MakeChannel(3, "145.5");
    st.CurRadioData.ChannelCount = 1;
    Open();
    EXPECT_EQ(Cell(3, 1), "145.50000");
    st.ChannelTable[0].ChannelNo = 4;  // the channel moved to another number
    w->ReShowGrid(0, 3, 0);
    for (int c = 1; c <= 10; ++c) EXPECT_TRUE(Cell(3, c).isEmpty()) << c;
    EXPECT_EQ(Cell(3, 0), "2");
    // A record past ChannelCount is not a channel.
    st.ChannelTable[1] = MakeChannel(7, "146");
    w->ReShowGrid(0, 7, 0);
    EXPECT_TRUE(Cell(7, 1).isEmpty());
    w->ReShowGrid(1, 7, 0);  // no such redraw
    w->ReShowGrid(0, 0, 0);
    w->ReShowGrid(0, 207, 0);
}

TEST_F(MainWindowTest, ReShowListByDataDrawsEveryRow) {
    FillAllChannels(st);
    st.DataFileName = "/tmp/some/radio.dat";
    Open();
    EXPECT_TRUE(w->windowTitle().endsWith("radio.dat"));
    for (int r = 1; r <= kMaxChannels; ++r) EXPECT_FALSE(Cell(r, 1).isEmpty()) << r;
    EXPECT_EQ(Cell(206, 3), "CH206");
    // Only what the table holds is shown.
    st.CurRadioData.ChannelCount = 10;
    w->ReShowListByData();
    EXPECT_FALSE(Cell(10, 1).isEmpty());
    EXPECT_TRUE(Cell(11, 1).isEmpty());
}

// A data file's path of any length leaves the window's width alone: the status bar shows what
// fits of it, the tooltip all of it.
TEST_F(MainWindowTest, ALongPathIsElidedInTheStatusBar) {
    Open();
    w->show();
    const int width = w->width();
    const QString path = "/home/user" + QString("/radio_data_folder").repeated(14) + "/channels.dat";
    ASSERT_GE(path.size(), 270);
    st.DataFileName = path.toStdString();
    w->ReShowListByData();
    QCoreApplication::sendPostedEvents();
    EXPECT_LE(w->minimumSizeHint().width(), w->screen()->availableGeometry().width());
    EXPECT_EQ(w->width(), width);
    EXPECT_EQ(w->sbFile->toolTip(), path);
    EXPECT_TRUE(w->sbFile->text().contains(QChar(0x2026))) << w->sbFile->text().toStdString();
    EXPECT_TRUE(w->sbFile->text().endsWith("channels.dat")) << w->sbFile->text().toStdString();
    // A short one shows whole.
    st.DataFileName = "/tmp/radio.dat";
    w->ReShowListByData();
    EXPECT_EQ(w->sbFile->text(), "/tmp/radio.dat");
    EXPECT_EQ(w->sbFile->toolTip(), "/tmp/radio.dat");
}

TEST_F(MainWindowTest, BroadcastAndAmGrids) {
    auto& fm = st.CurRadioData.FMRadioList;
    for (auto& e : fm) e.Frequency = "FFFFFFFF";
    fm[0].Frequency = "00876000";
    fm[0].Valid = 1;
    fm[100].Frequency = "01080000";
    fm[100].Valid = 1;
    fm[3].Frequency = "00900000";  // an unused entry shows no station, whatever it still holds
    st.CurRadioData.Signal.Option.RadioChannel = 0;
    st.CurRadioData.AMList[2] = "120.5";
    st.CurRadioData.AMList[3] = "junk";
    st.CurRadioData.OptionBytesA[3] = 250;  // points nowhere
    Open();
    EXPECT_EQ(Grid(2).TextMatrix(1, 1), "87.6000");
    EXPECT_EQ(Grid(2).TextMatrix(2, 1), "");
    EXPECT_EQ(Grid(2).TextMatrix(4, 1), "");
    EXPECT_EQ(Grid(2).TextMatrix(101, 1), "108.0000");
    EXPECT_EQ(Grid(2).TextMatrix(1, 0), ">>1");
    EXPECT_EQ(Grid(2).TextMatrix(2, 0), "2");
    EXPECT_EQ(Grid(2).TextMatrix(101, 0), "VFO");
    EXPECT_EQ(Grid(3).TextMatrix(3, 1), "120.5000");
    EXPECT_EQ(Grid(3).TextMatrix(4, 1), "");
    for (int r = 1; r <= 101; ++r) EXPECT_FALSE(Grid(3).TextMatrix(r, 0).startsWith(">>")) << r;

    st.CurRadioData.Signal.Option.RadioChannel = -4;
    w->ReShowRadioListByData();
    EXPECT_EQ(Grid(2).TextMatrix(1, 0), "1");
    w->ReShowGrid(2, 0, 1);
    w->ReShowGrid(2, 102, 1);
    w->ReShowGrid(3, 102, 1);
}

// ---- Window place ----------------------------------------------------------------------------

TEST(WindowPlace, KeptWhenVisibleMovedWhenNot) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QRect fallback(80, 60, 1100, 720);
    EXPECT_EQ(PlaceOnScreen(QRect(100, 100, 800, 600), screens, fallback), QRect(100, 100, 800, 600));
    EXPECT_EQ(PlaceOnScreen(QRect(2000, 50, 800, 600), screens, fallback), QRect(2000, 50, 800, 600));
    // Left on a screen that is gone.
    const QRect moved = PlaceOnScreen(QRect(5000, 3000, 800, 600), screens, fallback);
    EXPECT_TRUE(screens[0].contains(moved));
    EXPECT_EQ(moved.size(), QSize(800, 600));
    // Title strip above the top edge.
    EXPECT_TRUE(screens[0].contains(PlaceOnScreen(QRect(100, -500, 800, 600), screens, fallback)));
    // Larger than any screen.
    const QRect big = PlaceOnScreen(QRect(-9000, 0, 4000, 3000), screens, fallback);
    EXPECT_TRUE(screens[0].contains(big));
    EXPECT_EQ(PlaceOnScreen(QRect(), screens, fallback), fallback);
    EXPECT_EQ(PlaceOnScreen(QRect(10, 10, 0, 0), screens, fallback), fallback);
}

struct FitCase {
    const char* Name;
    QRect Saved;  // invalid: nothing kept
    QList<QRect> Screens;
    QRect Want;
};

// The window opens within the screen that shows most of it, with room for the frame it has not
// been given yet (a title bar of about 40 px above it, a border of 8 on its other sides): moved
// first, shrunk only where it is larger than that screen.
TEST(WindowPlace, FittedIntoTheScreenItOpensOn) {
    const QRect laptop(0, 0, 1280, 720);
    const QRect wide(0, 0, 1920, 1080);
    const QList<QRect> two = {wide, QRect(1920, 0, 1280, 1024)};
    const QList<QRect> leftOfPrimary = {wide, QRect(-1280, 0, 1280, 1024)};
    const FitCase cases[] = {
        {"DefaultOnALaptop", QRect(), {laptop}, QRect(80, 0, 1100, 672)},
        {"DefaultMovedUpNotShrunk", QRect(), {QRect(0, 0, 1366, 768)}, QRect(80, 0, 1100, 720)},
        {"DefaultBelowATopPanel", QRect(), {QRect(0, 27, 1280, 693)}, QRect(80, 27, 1100, 645)},
        {"RememberedFromALargerScreen", QRect(40, 20, 1200, 980), {laptop}, QRect(40, 0, 1200, 672)},
        {"WiderThanTheScreen", QRect(300, 0, 1600, 600), {laptop}, QRect(0, 0, 1264, 600)},
        {"RunsOffTheRight", QRect(900, 100, 800, 500), {laptop}, QRect(464, 100, 800, 500)},
        {"FitsAsItIs", QRect(100, 100, 800, 600), {wide}, QRect(100, 100, 800, 600)},
        {"RunsOffTheSecondScreen", QRect(2000, 600, 800, 600), two, QRect(2000, 376, 800, 600)},
        {"OnAScreenLeftOfTheFirst", QRect(-1200, 900, 1000, 600), leftOfPrimary, QRect(-1200, 376, 1000, 600)},
        {"OnNoScreenAnyMore", QRect(5000, 3000, 800, 600), two, QRect(552, 216, 800, 600)},
        {"AboveTheTop", QRect(100, -500, 800, 600), {wide}, QRect(100, 0, 800, 600)},
    };
    const QRect fallback(80, 60, 1100, 720);
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QRect r = PlaceOnScreen(c.Saved, c.Screens, fallback);
        EXPECT_EQ(r, c.Want) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
}

struct FrameCase {
    const char* Name;
    QRect Saved;  // where the frame starts, and the window's own size
    QMargins Frame;
    QList<QRect> Screens;
    QRect Want;
};

// The whole frame of the window, side borders and title bar, goes onto the screen's available
// area; a place whose frame is on it already stays to the pixel.
TEST(WindowPlace, WholeFrameOnTheAvailableArea) {
    const QRect laptop(0, 0, 1280, 720);
    const QRect underPanel(0, 27, 1280, 693);
    const QList<QRect> two = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QMargins thin(1, 20, 1, 5), bordered(5, 29, 5, 5), titleOnly(0, 37, 0, 0);
    const FrameCase cases[] = {
        {"OwnPlaceFits", QRect(200, 100, 790, 466), bordered, {laptop}, QRect(200, 100, 790, 466)},
        {"FrameOnTheBottomRightCorner", QRect(478, 195, 800, 500), thin, {laptop}, QRect(478, 195, 800, 500)},
        {"FullHeight", QRect(150, 0, 900, 695), thin, {laptop}, QRect(150, 0, 900, 695)},
        {"NoFrameFillsTheScreen", QRect(0, 0, 1280, 720), QMargins(), {laptop}, QRect(0, 0, 1280, 720)},
        // The maximised rectangle kept as the window's own place: with its borders it is wider
        // than the screen.
        {"MaximisedRectangleKept", QRect(0, 0, 1280, 696), bordered, {laptop}, QRect(0, 0, 1270, 686)},
        {"SideBorderOffTheRight", QRect(600, 100, 700, 400), bordered, {laptop}, QRect(570, 100, 700, 400)},
        {"SideBorderOffTheLeft", QRect(-3, 100, 700, 400), bordered, {laptop}, QRect(0, 100, 700, 400)},
        {"BottomBorderOffTheScreen", QRect(100, 300, 800, 400), bordered, {laptop}, QRect(100, 286, 800, 400)},
        {"TitleUnderATopPanel", QRect(100, 0, 800, 700), thin, {underPanel}, QRect(100, 27, 800, 668)},
        {"TallTitleOnAScaledDesktop", QRect(40, 20, 1200, 980), titleOnly, {laptop}, QRect(40, 0, 1200, 683)},
        {"OnTheSecondScreen", QRect(3000, 100, 800, 600), bordered, two, QRect(2390, 100, 800, 600)},
        {"StraddlingTwoScreens", QRect(1700, 100, 800, 600), thin, two, QRect(1920, 100, 800, 600)},
        {"OnNoScreen", QRect(5000, 3000, 800, 600), bordered, two, QRect(555, 223, 800, 600)},
    };
    const QRect fallback(80, 60, 1100, 720);
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QRect r = PlaceOnScreen(c.Saved, c.Screens, fallback, c.Frame);
        EXPECT_EQ(r, c.Want) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
        const QRect outer(r.topLeft(), r.size().grownBy(c.Frame));
        bool onOne = false;
        for (const QRect& s : c.Screens) onOne = onOne || s.contains(outer);
        EXPECT_TRUE(onOne) << "frame " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
                           << outer.height();
    }
}

struct StepCase {
    const char* Name;
    std::vector<std::pair<QRect, int>> Moves;  // each place with its time in ms
    QRect MaximisedAt;                          // where the window stands when told
    bool Filled;
    int ToldAt;
    QRect Want;
};

// The place a window returns to when it is no longer maximised, whether the window manager
// tells it that it is maximised before or after it sizes it.
TEST(WindowPlace, NormalPlaceLeavesOutTheMaximisedRectangle) {
    const QRect start(80, 0, 1100, 672), own(200, 100, 790, 466), max(0, 0, 1280, 696);
    const StepCase cases[] = {
        {"ToldBeforeSized", {{own, 500}}, own, false, 3000, own},
        {"SizedBeforeTold", {{own, 500}, {max, 3000}}, max, true, 3001, own},
        // In two steps: sized where it stands, then moved to the corner.
        {"SizedThenMovedBeforeTold",
         {{own, 500}, {QRect(205, 105, 1280, 696), 3000}, {max, 3001}},
         max,
         true,
         3002,
         own},
        {"MovedThenSizedBeforeTold", {{own, 500}, {QRect(0, 0, 790, 466), 3000}, {max, 3001}}, max, true, 3002, own},
        {"NeverMovedBeforeTold", {{max, 10}}, max, true, 20, start},
        // The user filled the screen himself, long before he maximised: that is his place.
        {"FilledByTheUserLongBefore", {{own, 500}, {max, 1000}}, max, true, 9000, max},
        {"NothingMoved", {}, max, true, 50, start},
        // The user moved the window into the corner the maximised window starts at, then
        // maximised it within a second: the move was his, the size the window manager's.
        {"MovedIntoTheCornerThenMaximised",
         {{own, 500}, {QRect(0, 0, 790, 466), 2000}, {max, 2400}},
         max,
         true,
         2401,
         QRect(0, 0, 790, 466)},
        {"MovedIntoTheCornerJustBeforeTheMaximise",
         {{own, 500}, {QRect(0, 0, 790, 466), 2000}, {max, 2150}},
         max,
         true,
         2990,
         QRect(0, 0, 790, 466)},
        {"MovedIntoTheCornerThenToldFirst", {{own, 500}, {QRect(0, 0, 790, 466), 2000}}, max, false, 2300,
         QRect(0, 0, 790, 466)},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.Name);
        NormalPlace p;
        p.Start(start);
        for (const auto& [place, ms] : c.Moves) p.Moved(place, ms);
        p.Maximised(c.MaximisedAt, c.Filled, c.ToldAt);
        const QRect r = p.Place();
        EXPECT_EQ(r, c.Want) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
}

// The window opens at its kept place grown to its minimum size where the kept size is below it
// (kept in a language whose texts need less room): grown where it stands, moved only when the
// grown window no longer fits.
TEST(WindowPlace, OpensNoSmallerThanItsMinimum) {
    const QList<QRect> laptop = {QRect(0, 0, 1280, 720)};
    const QRect fallback(80, 60, 1100, 720);
    struct Case {
        const char* Name;
        QRect Saved;  // invalid: nothing kept
        QSize Minimum;
        QRect Want;
    };
    const Case cases[] = {
        {"AboveTheMinimum", QRect(200, 100, 800, 500), QSize(600, 400), QRect(200, 100, 800, 500)},
        {"OnePixelBelow", QRect(200, 100, 700, 399), QSize(600, 400), QRect(200, 100, 700, 400)},
        {"BelowInBothWays", QRect(0, 0, 599, 399), QSize(600, 400), QRect(0, 0, 600, 400)},
        // Its bottom edge on the screen's: grown, the frame makes room for a border again.
        {"GrownPastTheBottom", QRect(200, 321, 700, 399), QSize(600, 400), QRect(200, 272, 700, 400)},
        {"NothingKept", QRect(), QSize(600, 400), QRect(80, 0, 1100, 672)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QRect r = OpeningPlace(c.Saved, c.Minimum, laptop, fallback);
        EXPECT_EQ(r, c.Want) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
}

TEST_F(MainWindowTest, PlaceKeptBetweenRuns) {
    Open();
    w->show();
    // A place that fits the test screen (800x600 offscreen) with room for a title bar: one that
    // does not is fitted into the screen on the next start.
    w->resize(700, 480);
    w->move(40, 30);
    ScopedMsgBoxScript dropUnsaved(MsgButton::No);  // the data were never saved: leave without saving
    w->close();
    QSettings s(settings.Path(), QSettings::IniFormat);
    s.beginGroup("Settings");
    EXPECT_EQ(s.value("MainWidth").toInt(), 700);
    EXPECT_EQ(s.value("MainHeight").toInt(), 480);
    EXPECT_EQ(s.value("MainLeft").toInt(), w->pos().x());
    s.endGroup();

    frmMain again(st, settings.Make());
    EXPECT_EQ(again.size(), QSize(700, 480));
}

TEST_F(MainWindowTest, MinimisedWindowKeepsOldPlace) {
    {
        QSettings s(settings.Path(), QSettings::IniFormat);
        s.beginGroup("Settings");
        s.setValue("MainLeft", 50);
        s.setValue("MainTop", 40);
        s.setValue("MainWidth", 700);
        s.setValue("MainHeight", 500);
    }
    Open();
    w->showMinimized();
    w->setWindowState(Qt::WindowMinimized);
    w->resize(300, 200);
    ScopedMsgBoxScript dropUnsaved(MsgButton::No);
    w->close();
    QSettings s(settings.Path(), QSettings::IniFormat);
    EXPECT_EQ(s.value("Settings/MainWidth").toInt(), 700);
}

}  // namespace

TEST_F(MainWindowTest, BroadcastListLowerLimitFollowsTheModel) {
    Open();
    ASSERT_EQ(st.CurModelCode, "6173USD");
    EXPECT_EQ(st.RadioBandLow, 64.0);
    EXPECT_FALSE(CheckRadioFreqStr(st, "70").OutOfBand);
    st.CurModelCode = "6173USA";
    w->LoadShowByModel();
    EXPECT_EQ(st.RadioBandLow, 76.0);
    const auto r = CheckRadioFreqStr(st, "70");
    EXPECT_TRUE(r.OutOfBand);
    EXPECT_EQ(r.Units, 760000);
    st.CurModelCode = "6173USD";
    w->LoadShowByModel();
    EXPECT_EQ(st.RadioBandLow, 64.0);
}
