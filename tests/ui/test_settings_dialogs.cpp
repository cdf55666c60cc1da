// The option, scan, alert and information dialogs driven through their controls.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "PtyHarness.h"
#include "UserRound.h"
#include "model/LangText.h"
#include "comm/CommImage.h"
#include "model/NewData.h"
#include "settings/FrmAlert.h"
#include "settings/FrmEMG.h"
#include "settings/FrmOption.h"
#include "settings/FrmScan.h"
#include "UserDriver.h"
#include "fivetone/Frm5Tone.h"
#include "fivetone/FrmSpecial.h"
#include "shell/FrmLanguage.h"
#include "shell/FrmModel.h"
#include "signalling/FrmDTMF.h"
#include "mappings/OptionMap.h"
#include "kit/DialogKit.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

using test::Pick;
using test::UseLanguage;

class SettingsDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        UseLanguage(st, 1);
        InitFunLangText(st);
        st.NoInitFileFlag = true;
        NewData(st);
    }

    template <class T>
    static QComboBox* Combo(T& dlg, const char* name) {
        auto* c = dlg.template findChild<QComboBox*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    AppState st;
};

TEST_F(SettingsDialogs, OptionDisplayModeCascade) {
    st.CurRadioData.Signal.Option.DisplayMode = 0;
    FrmOption dlg(st);
    QComboBox* mode = Combo(dlg, "Combo1_0");
    QComboBox* style1 = Combo(dlg, "Combo1_1");
    QComboBox* style2 = Combo(dlg, "Combo1_2");
    QComboBox* option = Combo(dlg, "Combo1_18");
    ASSERT_FALSE(kit::IsShown(option));

    Pick(mode, 1);
    EXPECT_EQ(style1->currentIndex(), 1);
    EXPECT_EQ(style2->currentIndex(), 1);
    EXPECT_FALSE(style1->isEnabled());
    EXPECT_FALSE(style2->isEnabled());
    EXPECT_TRUE(kit::IsShown(option));
    EXPECT_EQ(option->currentIndex(), 0);
    EXPECT_EQ(dlg.EditOptionData().DisplayStyle1, 1);
    EXPECT_EQ(dlg.EditOptionData().DisplayStyle2, 1);
    EXPECT_EQ(dlg.EditOptionData().DisplayMode, 1);

    Pick(mode, 0);
    EXPECT_EQ(style1->currentIndex(), 0);
    EXPECT_TRUE(style1->isEnabled());
    EXPECT_TRUE(style2->isEnabled());
    EXPECT_FALSE(kit::IsShown(option));
    EXPECT_EQ(dlg.EditOptionData().DisplayStyle2, 0);

    dlg.CommandOK_Click();
    EXPECT_EQ(st.CurRadioData.Signal.Option.DisplayMode, 0);
    EXPECT_EQ(st.CurRadioData.Signal.Option.DisplayStyle1, 0);
}

TEST_F(SettingsDialogs, OptionWorkModeRebuildsTheChannelListAndTheChannelFollows) {
    st.CurRadioData.Signal.Option.MemoryChannel1 = 201;  // PU1 (202)
    FrmOption dlg(st);
    QComboBox* channels = Combo(dlg, "Combo1_4");
    EXPECT_EQ(channels->currentText(), "PU1");
    Pick(Combo(dlg, "Combo1_30"), 1);  // "Bank": memory channels only
    Pick(Combo(dlg, "Combo1_7"), 9);   // group "0": all of them
    EXPECT_EQ(channels->findText("PU1"), -1);
    EXPECT_EQ(channels->currentIndex(), 0);
    EXPECT_EQ(dlg.EditOptionData().MemoryChannel1, GetChannelNoByName(channels->itemText(0).toStdString()) - 1);
}

TEST_F(SettingsDialogs, OptionWorkModeOnAnEmptyBankKeepsTheMemoryChannel) {
    // New data: channels 1 and 2, both in bank 1; bank 3 is empty. Both memories are on
    // channel 2 ("1") with group "3" chosen.
    struct Case {
        const char* mode;
        const char* channels;
        std::int16_t OptionData::*field;
        bool backToChannels;
    };
    const Case cases[] = {
        {"Combo1_30", "Combo1_4", &OptionData::MemoryChannel1, true},
        {"Combo1_31", "Combo1_5", &OptionData::MemoryChannel2, true},
        {"Combo1_30", "Combo1_4", &OptionData::MemoryChannel1, false},  // OK while on the empty bank
    };
    for (const Case& c : cases) {
        st.CurRadioData.Signal.Option.MemoryChannel1 = 1;
        st.CurRadioData.Signal.Option.MemoryChannel2 = 1;
        st.CurRadioData.Signal.Option.MemoryGroup1 = 2;
        st.CurRadioData.Signal.Option.MemoryGroup2 = 2;
        st.CurRadioData.Signal.Option.WorkMode1 = 0;
        st.CurRadioData.Signal.Option.WorkMode2 = 0;
        FrmOption dlg(st);
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QComboBox* mode = Combo(dlg, c.mode);
        QComboBox* channels = Combo(dlg, c.channels);
        ASSERT_EQ(channels->currentText(), "1") << c.mode;
        mode->setFocus(Qt::TabFocusReason);
        QTest::keyClick(mode, Qt::Key_Down);  // "CH" -> "Bank": bank 3 is empty
        ASSERT_EQ(mode->currentIndex(), 1) << c.mode;
        EXPECT_EQ(channels->count(), 0) << c.mode;
        EXPECT_EQ(dlg.EditOptionData().*c.field, 1) << c.mode;
        if (c.backToChannels) {
            QTest::keyClick(mode, Qt::Key_Up);
            ASSERT_EQ(mode->currentIndex(), 0) << c.mode;
            EXPECT_EQ(channels->currentText(), "1") << c.mode;
        }
        QTest::mouseClick(dlg.CommandOK, Qt::LeftButton);
        EXPECT_EQ(st.CurRadioData.Signal.Option.*c.field, 1) << c.mode << (c.backToChannels ? " and back" : " on the bank");
    }
}

TEST_F(SettingsDialogs, OptionOkRoundTripsHiddenControlsAndCancelKeepsTheRecord) {
    OptionData& o = st.CurRadioData.Signal.Option;
    o.BusyLockout = 2;  // Combo1(19), never shown
    o.RadioText = "AB";
    st.CurModelCode = "6173USA";
    st.CurRadioData.OptionBytesA[4] = 5;  // sub-unit volume, hidden for this model
    st.CurRadioData.SWFreq = std::string("12.5\0xx", 7);
    const OptionData before = o;
    {
        FrmOption dlg(st);
        dlg.findChild<QCheckBox*>("Check1_0")->click();
        Pick(Combo(dlg, "Combo1_9"), 2);
        dlg.CommandCancel->click();
    }
    EXPECT_EQ(st.CurRadioData.Signal.Option, before);
    // Opening normalised the text in place, whichever button closed the dialog.
    EXPECT_EQ(st.CurRadioData.SWFreq.Str(), "12.5    ");

    FrmOption dlg(st);
    EXPECT_FALSE(kit::IsShown(dlg.Combo1[25]));
    EXPECT_EQ(dlg.findChild<QLineEdit*>("Text1_0")->text(), "A");
    EXPECT_EQ(dlg.findChild<QLineEdit*>("Text1_2")->text(), "");
    dlg.Text3[1]->setText("0.1");
    dlg.CommandOK_Click();
    EXPECT_EQ(st.CurRadioData.Signal.Option.BusyLockout, 2);
    EXPECT_EQ(st.CurRadioData.Signal.Option.RadioText.Str(), "AB          ");
    EXPECT_EQ(GetOptionSingles(st.CurRadioData).SubUnitVolume, 5);
    EXPECT_EQ(st.CurRadioData.SWFreq.Str(), "12.5000 ");
    EXPECT_EQ(st.CurRadioData.LWFreq.Str(), "0.5200  ");
}

TEST_F(SettingsDialogs, OptionButtonsNeverDefault) {
    FrmOption dlg(st);
    EXPECT_FALSE(dlg.CommandOK->autoDefault());
    EXPECT_FALSE(dlg.CommandCancel->autoDefault());
}

TEST_F(SettingsDialogs, ScanPriorityModeEnabling) {
    ScanData& r = st.CurRadioData.Signal.Scan;
    r.ScanMode = 1;
    r.PriorityMode = 0;
    r.RevertMode = 7;
    r.Reserved10 = 0x11;
    r.Reserved12 = 0x22;
    FrmScan dlg(st);
    // The load brought the revert choice into the list and stored that at once.
    EXPECT_EQ(st.CurRadioData.Signal.Scan.RevertMode, 0);
    QComboBox* p1 = Combo(dlg, "Combo1_2");
    QComboBox* p2 = Combo(dlg, "Combo1_4");
    QComboBox* revert = Combo(dlg, "Combo1_6");
    EXPECT_FALSE(p1->isEnabled());
    EXPECT_FALSE(p2->isEnabled());
    EXPECT_EQ(revert->count(), 4);

    Pick(Combo(dlg, "Combo1_1"), 3);
    EXPECT_TRUE(p1->isEnabled());
    EXPECT_TRUE(p2->isEnabled());
    EXPECT_EQ(revert->count(), 8);
    Pick(revert, 7);
    EXPECT_EQ(dlg.EditScanData().RevertMode, 7);

    Pick(Combo(dlg, "Combo1_1"), 1);
    EXPECT_TRUE(p1->isEnabled());
    EXPECT_FALSE(p2->isEnabled());
    EXPECT_EQ(revert->currentIndex(), 0);
    EXPECT_EQ(dlg.EditScanData().RevertMode, 0);

    Pick(Combo(dlg, "Combo1_0"), 0);
    for (int i = 1; i < kScanCombos; ++i) EXPECT_FALSE(dlg.Combo1[i]->isEnabled()) << i;
    EXPECT_FALSE(dlg.Check1->isEnabled());
    Pick(Combo(dlg, "Combo1_0"), 1);
    EXPECT_TRUE(p1->isEnabled());
    EXPECT_FALSE(p2->isEnabled());
    EXPECT_TRUE(dlg.Check1->isEnabled());
    EXPECT_FALSE(kit::IsShown(dlg.Combo1[11]));
    EXPECT_FALSE(kit::IsShown(dlg.Combo1[12]));

    dlg.CommandOK_Click();
    EXPECT_EQ(st.CurRadioData.Signal.Scan.PriorityMode, 1);
    EXPECT_EQ(st.CurRadioData.Signal.Scan.Reserved10, 0x11);
    EXPECT_EQ(st.CurRadioData.Signal.Scan.Reserved12, 0x22);
}

TEST_F(SettingsDialogs, AlertTypeChangeRebuildsTheCodeListAndTheLoneWorkGroupRoundTrips) {
    st.CurRadioData.Signal.DTMF.Memories[1].Length = 2;
    AlertData& a = st.CurRadioData.Signal.Alert;
    a.AlarmMode = 1;
    a.IDCodeType = 0;
    a.IDCode = 3;
    a.AutoDetectMode = 1;
    a.PreAlertTime = 30;
    a.LoneWorkTime = 60;
    FrmAlert dlg(st);
    EXPECT_FALSE(kit::IsShown(dlg.Frame1));
    EXPECT_FALSE(kit::IsShown(dlg.Combo1[7]));
    QComboBox* code = Combo(dlg, "Combo1_2");
    EXPECT_EQ(code->count(), 0);
    Pick(Combo(dlg, "Combo1_1"), 2);  // five-tone: no row holds a code in new data
    EXPECT_EQ(code->count(), 1);
    EXPECT_EQ(code->currentText(), "0");
    Pick(Combo(dlg, "Combo1_1"), 1);
    EXPECT_EQ(code->currentText(), "M2");
    Pick(Combo(dlg, "Combo1_0"), 0);
    EXPECT_TRUE(dlg.Combo1[3]->isEnabled());
    EXPECT_FALSE(dlg.Combo1[2]->isEnabled());
    Pick(Combo(dlg, "Combo1_6"), 1);
    EXPECT_FALSE(dlg.Combo1[8]->isEnabled());
    dlg.CommandOK_Click();
    EXPECT_EQ(a.AlarmMode, 0);
    EXPECT_EQ(a.IDCodeType, 1);
    EXPECT_EQ(a.IDCode, 1);
    EXPECT_EQ(a.ChannelSelect, 1);
    EXPECT_EQ(a.AutoDetectMode, 1);
    EXPECT_EQ(a.PreAlertTime, 30);
    EXPECT_EQ(a.LoneWorkTime, 60);
}

TEST_F(SettingsDialogs, AlertCancelLeavesTheRecord) {
    st.CurRadioData.Signal.Alert.AutoDetectMode = 7;
    const AlertData before = st.CurRadioData.Signal.Alert;
    FrmAlert dlg(st);
    EXPECT_FALSE(dlg.Check1->isChecked());
    ASSERT_NE(Combo(dlg, "Combo1_9")->currentIndex(), 4);  // the pick below is a real change
    Pick(Combo(dlg, "Combo1_9"), 4);
    dlg.CommandCancel->click();
    EXPECT_EQ(st.CurRadioData.Signal.Alert, before);
}

TEST_F(SettingsDialogs, InformationViewerShowsTheRecordInEitherLanguage) {
    RadioInfo& i = st.CurRadioInfo;
    i.InfoModelCode = "6173USD";
    i.BandCode = 3;
    i.SerialNumber = "SN42";
    i.MaintenanceReason = "Display replaced";
    i.FirmwareVersion = "V100";
    i.Seller = std::string("Shop\0zz", 7);
    const RadioInfo before = i;
    {
        FrmEMG dlg(st, st.CurRadioInfo);
        EXPECT_EQ(dlg.windowTitle(), "Embedded Message");
        EXPECT_EQ(dlg.BoxText(1), "SN42");
        EXPECT_EQ(dlg.BoxText(4), "Display replaced");
        EXPECT_EQ(dlg.BoxText(11), "Shop");
        EXPECT_EQ(dlg.Combo1[1]->currentText(), "UHF(430 - 440 MHz) VHF(144 - 146 MHz)");
        EXPECT_EQ(dlg.Combo1[0]->count(), 1);
        EXPECT_EQ(dlg.Combo1[0]->currentText().toStdString(), GetLangStr(st, 8901));
        EXPECT_EQ(dlg.CommandClose->text(), "&Close");
        EXPECT_FALSE(dlg.CommandClose->autoDefault());
    }
    UseLanguage(st, 2);
    FrmEMG dlg(st, st.CurRadioInfo);
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("嵌入信息"));
    EXPECT_EQ(dlg.Label1[7]->text(), "");
    EXPECT_EQ(dlg.CommandHelp->text(), QString::fromUtf8("帮助(&H)"));
    dlg.CommandHelp->click();  // does nothing
    dlg.CommandClose->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(st.CurRadioInfo, before);
}

// Ten options, the scan list and the alert, changed in the dialogs as a user would.
void ChangeSettingsLikeAUser(AppState& st) {
    for (const int n : {7, 12, 150}) {
        const int slot = st.CurRadioData.ChannelCount++;
        st.ChannelTable[slot] = test::MakeChannel(n, "145.5000");
    }
    {
        FrmOption dlg(st);
        Pick(dlg.Combo1[9], 2);
        Pick(dlg.Combo1[10], 4);
        Pick(dlg.Combo1[11], 1);
        Pick(dlg.Combo1[16], 6);
        Pick(dlg.Combo1[17], 2);
        Pick(dlg.Combo1[20], 3);
        Pick(dlg.Combo1[23], 10);
        Pick(dlg.Combo1[32], 6);
        dlg.Check1[2]->click();
        dlg.Check3[4]->click();
        dlg.Text1[0]->setText("Z");
        dlg.CommandOK_Click();
    }
    {
        FrmScan dlg(st);
        Pick(dlg.Combo1[0], 1);
        Pick(dlg.Combo1[1], 3);
        Pick(dlg.Combo1[2], 2);
        Pick(dlg.Combo1[4], 1);
        Pick(dlg.Combo1[6], 6);
        Pick(dlg.Combo1[7], 8);
        dlg.Check1->click();
        dlg.CommandOK_Click();
    }
    {
        FrmAlert dlg(st);
        Pick(dlg.Combo1[0], 2);
        Pick(dlg.Combo1[4], 20);
        Pick(dlg.Combo1[8], 1);
        Pick(dlg.Combo1[9], 9);
        dlg.CommandOK_Click();
    }
}

struct Shown {
    OptionShow Option;
    ScanShow Scan;
    AlertShow Alert;
};

void ExpectSameShown(const Shown& a, const Shown& b) {
    // Combo1(19)'s word has no place in the radio.
    for (int i = 0; i < kOptionCombos; ++i) {
        if (i != 19) {
            EXPECT_EQ(b.Option.Text[i], a.Option.Text[i]) << "Combo1(" << i << ")";
        }
    }
    EXPECT_EQ(b.Option.Check1, a.Option.Check1);
    EXPECT_EQ(b.Option.Check3, a.Option.Check3);
    EXPECT_EQ(b.Option.Text1, a.Option.Text1);
    EXPECT_EQ(b.Scan.Text, a.Scan.Text);
    EXPECT_EQ(b.Scan.Check1, a.Scan.Check1);
    EXPECT_EQ(b.Alert.Text, a.Alert.Text);
    EXPECT_EQ(b.Alert.Combo2Text, a.Alert.Combo2Text);
}

// The changes survive the data written into a radio image and read back into fresh data.
TEST_F(SettingsDialogs, ChangesSurviveAWriteAndAReadBack) {
    ChangeSettingsLikeAUser(st);
    const Shown before{ShowOption(st), ShowScan(st), ShowAlert(st)};
    EXPECT_EQ(before.Option.Text[16], before.Option.Items[16][6]);
    EXPECT_EQ(before.Scan.Text[2], "6");  // channels 1, 2, 7, 12, 150 listed from 0
    EXPECT_EQ(before.Alert.Text[8], "1");

    std::string label;
    ASSERT_TRUE(SetCommData(st, label)) << label;
    AppState back;
    UseLanguage(back, 1);
    back.NoInitFileFlag = true;
    NewData(back);
    back.CommImage = st.CommImage;
    back.RadioModelCode = st.CurModelCode;
    GetCommData(back);
    ExpectSameShown(before, {ShowOption(back), ShowScan(back), ShowAlert(back)});
}

// The same through the main window and the simulated radio on its serial line.
TEST_F(SettingsDialogs, ChangesSurviveAWriteToTheSimulatedRadioAndAReadBack) {
    sim::PtyRadioProcess radio(QString(RP_RUNTIME_DIR) + "/simradio", {});
    ASSERT_TRUE(radio.Ok()) << radio.Error();
    InitMsgString(st);
    st.ComPortName = radio.Device();
    test::TempSettings settings;
    frmMain w(st, settings.Make());
    ChangeSettingsLikeAUser(st);
    const Shown before{ShowOption(st), ShowScan(st), ShowAlert(st)};
    ASSERT_NO_FATAL_FAILURE(test::WriteToRadio(st, w, 30000));
    st.CurRadioData.Signal.Option = OptionData{};
    st.CurRadioData.Signal.Scan = ScanData{};
    st.CurRadioData.Signal.Alert = AlertData{};
    // Unsaved data: the read asks to save them first; No reads without saving.
    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w, 30000));
    ExpectSameShown(before, {ShowOption(st), ShowScan(st), ShowAlert(st)});
}


// ---- The wheel over the boxes of the settings dialogs -----------------------------------------

struct WheelDialog {
    const char* Name;
    // owner: a window the dialog needs beside it, kept for the test's length.
    std::function<std::unique_ptr<QDialog>(AppState&, std::unique_ptr<QDialog>& owner)> Make;
};

const WheelDialog kWheelDialogs[] = {
    {"FunctionSettings", [](AppState& st, auto&) { return std::make_unique<FrmOption>(st); }},
    {"DTMF", [](AppState& st, auto&) { return std::make_unique<FrmDTMF>(st); }},
    {"Scan", [](AppState& st, auto&) { return std::make_unique<FrmScan>(st); }},
    {"EmergencyAlarm", [](AppState& st, auto&) { return std::make_unique<FrmEMG>(st, st.CurRadioInfo); }},
    {"ModelAndBand",
     [](AppState& st, auto&) {
         auto d = std::make_unique<FrmModel>(st, QStringList{"6173USD", "6173USA"}, "6173USD",
                                             QStringList{"b0", "b1", "b2", "b3", "b4", "b5", "b6", "b7"}, 0);
         d->Message = [](const QString&, int, const QString&) { return 1; };
         return d;
     }},
    {"Language", [](AppState& st, auto&) { return std::make_unique<FrmLanguage>(st, [] {}); }},
    {"FiveToneSpecialCodeOfARow",
     [](AppState& st, std::unique_ptr<QDialog>& owner) {
         auto* five = new Frm5Tone(st, [] {});
         owner.reset(five);
         return std::make_unique<FrmSpecial>(*five, 0, five);
     }},
    {"FiveToneSpecialCodeOfAPttId",
     [](AppState& st, std::unique_ptr<QDialog>& owner) {
         auto* five = new Frm5Tone(st, [] {});
         owner.reset(five);
         return std::make_unique<FrmSpecial>(*five, 1, five);
     }},
};

void PrintTo(const WheelDialog& c, std::ostream* os) { *os << c.Name; }

// The value a list or number box shows.
QString BoxValue(const QWidget* w) {
    if (auto* c = qobject_cast<const QComboBox*>(w)) return QString::number(c->currentIndex());
    return static_cast<const QAbstractSpinBox*>(w)->text();
}

std::vector<QWidget*> ShownBoxes(QDialog& d) {
    std::vector<QWidget*> boxes;
    for (QWidget* w : d.findChildren<QWidget*>())
        if ((qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)) && w->isVisible() && w->isEnabled())
            boxes.push_back(w);
    return boxes;
}

class SettingsWheel : public ::testing::TestWithParam<WheelDialog> {};

// The wheel over any list or number box of each dialog, the one it opens on included, changes
// nothing and moves no focus; once the user clicks the list it opened on (or its first list with
// a choice), the wheel changes that list.
TEST_P(SettingsWheel, TheWheelChangesOnlyABoxTheUserChose) {
    AppState st;
    UseLanguage(st, kLanguageEnglish);
    InitMsgString(st);
    InitFunLangText(st);
    st.NoInitFileFlag = true;
    NewData(st);
    UseLanguage(st, kLanguageEnglish);
    ScopedMsgBoxScript msgs;
    std::unique_ptr<QDialog> owner;
    std::unique_ptr<QDialog> d = GetParam().Make(st, owner);
    d->show();
    QApplication::setActiveWindow(d.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    QApplication::processEvents();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    const std::vector<QWidget*> boxes = ShownBoxes(*d);
    // The list it opens on, else its first list with a choice.
    const auto choice = [](QWidget* w) {
        auto* c = qobject_cast<QComboBox*>(w);
        return c && c->count() > 1 ? c : nullptr;
    };
    QComboBox* first = choice(focus);
    for (auto it = boxes.begin(); !first && it != boxes.end(); ++it) first = choice(*it);
    ASSERT_NE(first, nullptr);
    std::vector<QString> before;
    for (QWidget* b : boxes) before.push_back(BoxValue(b));
    for (QWidget* b : boxes) {
        ASSERT_NO_FATAL_FAILURE(test::Wheel(b, -1));
        ASSERT_NO_FATAL_FAILURE(test::Wheel(b, 1));
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        EXPECT_EQ(BoxValue(boxes[i]).toStdString(), before[i].toStdString()) << boxes[i]->objectName().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), focus);

    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000));
    QTest::qWait(30);  // offscreen, the window goes inactive once the list has closed
    QApplication::setActiveWindow(d.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    ASSERT_TRUE(first->hasFocus());
    const int index = first->currentIndex();
    const bool down = index < first->count() - 1;
    ASSERT_NO_FATAL_FAILURE(test::Wheel(first, down ? -1 : 1));
    EXPECT_EQ(first->currentIndex(), down ? index + 1 : index - 1);
    d->reject();
}

INSTANTIATE_TEST_SUITE_P(SettingsDialogs, SettingsWheel, ::testing::ValuesIn(kWheelDialogs),
                         [](const ::testing::TestParamInfo<WheelDialog>& i) { return std::string(i.param.Name); });
}  // namespace
}  // namespace rp
