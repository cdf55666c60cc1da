// Record texts hold whatever bytes the radio or a data file gave them; only typing is limited to
// printable ASCII. Opening an editor from the main window and pressing OK without touching
// anything must leave every byte as it was, for an erased radio (all 0xFF) as for texts that mix
// bytes 0x80..0xFF with ASCII; and the printout shows such a byte as the editor does.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

#include "FullDataFixture.h"
#include "MainFixture.h"
#include "ModalDriver.h"
#include "../print/PrintSectionFixture.h"
#include "UserRound.h"
#include "channels/FrmBank.h"
#include "channels/FrmCHEdit.h"
#include "comm/CommImage.h"
#include "fivetone/Frm5Tone.h"
#include "model/DataChanged.h"
#include "model/LangText.h"
#include "print/core/PrtFiveTone.h"
#include "print/core/PrtSettings.h"
#include "print/core/PrtSignalling.h"
#include "print/core/PrtCommBook.h"
#include "settings/FrmAlert.h"
#include "settings/FrmEMG.h"
#include "settings/FrmOption.h"
#include "settings/FrmScan.h"
#include "kit/GridAdapter.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"
#include "signalling/Frm2Tone.h"
#include "signalling/FrmCommuBook.h"
#include "signalling/FrmDTMF.h"
#include "signalling/FrmMSK.h"

namespace rp {
namespace {

void PrepareTexts(AppState& st) {
    test::UseLanguage(st, kLanguageEnglish);
    InitMsgString(st);
    InitFunLangText(st);
    NewData(st);
}

// What a read of an erased radio leaves: every area decoded from 0xFF bytes, the file copies
// equal to it.
void ErasedRadio(AppState& st) {
    PrepareTexts(st);
    InitCommImage(st);
    std::fill(st.CommImage.begin(), st.CommImage.end(), std::uint8_t{0xFF});
    st.RadioModelCode = st.CurModelCode;
    GetCommData(st);
    st.CurRadioData.BandIndex = static_cast<std::int16_t>(st.CurBandIndex);
    st.CurRadioData.ModelCode = TrimNull(st.CurModelCode);
    st.FileRadioData = st.CurRadioData;
    st.FileChannelTable = st.ChannelTable;
}

// A text of n bytes: ASCII letters and bytes from 0x80 up, taking turns from a varying start.
std::string Mixed(std::size_t n, int seed) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += (i + seed) % 2 == 0 ? static_cast<char>('A' + (i + seed) % 26)
                                 : static_cast<char>(0x80 + (seed * 7 + i * 13) % 128);
    return s;
}

template <std::size_t N>
void Put(FixedText<N>& t, int seed) {
    t = Mixed(N, seed);
}

void HighBytesInto(SignalData& sig, int seed) {
    for (auto& e : sig.TwoTone.List) Put(e.Name, ++seed);
    for (auto& e : sig.TwoTone.Decode) Put(e.Name, ++seed);
    FiveToneData& f = sig.FiveTone;
    Put(f.OwnID, ++seed);
    for (auto& c : f.InfoCodes) Put(c.Name, ++seed);
    for (auto& c : f.CodeRows) Put(c.Name, ++seed);
    Put(sig.Option.RadioText, ++seed);
}

// The full data set with every record text that is a name or a free text holding high bytes.
void HighBytes(AppState& st) {
    PrepareTexts(st);
    test::FillFullData(st);
    RadioData& r = st.CurRadioData;
    // The full set's values that the editors repair on OK, given as the editors leave them.
    r.SWFreq = "7.1000";
    r.LWFreq = "1.2000";
    r.Signal.DTMF.OwnId = "005";
    r.Signal.Option.MemoryChannel2 = 20;
    for (int i = 0; i < kMaxChannels; ++i) {
        ChannelData& c = st.ChannelTable[static_cast<std::size_t>(i)];
        c.SpareText = "00000";
        Put(c.Name, i);
    }
    HighBytesInto(r.Signal, 1);
    for (int i = 0; i < static_cast<int>(st.CurRadioData.CommBookList.size()); ++i) {
        Put(r.CommBookList[static_cast<std::size_t>(i)].CallID, i);
        Put(r.CommBookList[static_cast<std::size_t>(i)].Name, i + 1);
    }
    for (auto& e : r.MSK.Entries) {
        Put(e.MessageCode, 7);
        Put(e.EntryName, 8);
    }
    st.FileChannelTable = st.ChannelTable;
    const std::int16_t band = st.FileRadioData.BandIndex;
    const auto model = st.FileRadioData.ModelCode;
    st.FileRadioData = r;
    st.FileRadioData.BandIndex = band;
    st.FileRadioData.ModelCode = model;
}

// Where the bytes differ, as runs "region+offset: before -> after", for a readable failure.
std::string Differences(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    const std::size_t m = kMainRecordSize, c = kChannelRecordSize;
    const std::pair<const char*, std::size_t> regions[] = {
        {"main", m}, {"filemain", m}, {"channels", 2 * c * kMaxChannels}, {"edit+clip", 2 * c}, {"editmain", m},
        {"banks", 2 * 4 * kBankCount}, {"image", a.size()}};
    std::string out;
    int runs = 0;
    for (std::size_t i = 0; i < a.size() && runs < 12;) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        std::size_t j = i;
        std::string from, to;
        while (j < a.size() && a[j] != b[j] && j - i < 12) {
            char h[8];
            std::snprintf(h, sizeof h, "%02X", a[j]);
            from += h;
            std::snprintf(h, sizeof h, "%02X", b[j]);
            to += h;
            ++j;
        }
        std::size_t base = 0;
        const char* name = "?";
        for (const auto& [n, size] : regions) {
            if (i < base + size) {
                name = n;
                break;
            }
            base += size;
        }
        out += std::string(name) + "+" + std::to_string(i - base) + ": " + from + " -> " + to + "\n";
        ++runs;
        i = j;
    }
    return out;
}

struct DataSet {
    const char* Name;
    void (*Make)(AppState&);
    bool KeepsNumbers;  // every stored number inside its list
};

const DataSet kDataSets[] = {{"ErasedRadio", ErasedRadio, false}, {"HighBytes", HighBytes, true}};

// Opens one editor as the user does and presses its OK; false when no such dialog showed.
using OpenAndOk = std::function<bool(frmMain&)>;

template <class Dialog>
OpenAndOk ByMenu(const char* action) {
    return [action](frmMain& w) {
        return test::RunModal<Dialog>([&] { w.MenuAction(action)->trigger(); },
                                      [](Dialog& d) { d.CommandOK->click(); });
    };
}

// The window keeps the scan menu item off; the tree's node opens the scan editor.
bool ScanByTree(frmMain& w) {
    return test::RunModal<FrmScan>([&] { w.tvTreeView_NodeClick("N10"); },
                                   [](FrmScan& d) { d.CommandOK->click(); });
}

// The channel dialog on the second channel (one with a shift), through its details cell.
bool ChannelDialog(frmMain& w) {
    return test::EditChannelInDialog(w, 2, [](FrmCHEdit& d) { d.CommandOK->click(); });
}

// The name cell of the first channel opened in place and left for another cell.
bool ChannelNameCell(frmMain& w) {
    auto& g = *w.MSFlexGrid1[0];
    g.SetCell(1, 3);
    w.MSFlexGrid1_DblClick(0);
    // An unused row (erased memory) has no name to edit.
    if (w.TextName->isHidden()) return w.State().CurRadioData.ChannelCount == 0;
    w.SaveOldData();
    return w.TextName->isHidden();
}

// Erased memory holds nothing but values outside their lists, which every editor puts right on
// OK (clamped into the list, an own ID or MSK ID that is not digits replaced, the broadcast
// texts normalised); for it only the record texts are compared. The full set keeps its numbers
// inside their lists, so there every byte counts, except for three editors that rewrite numbers
// of the full set by their own rules (Repairs): scan and alert bytes the fixture fills with
// values outside their lists, and the channel dialog, which keeps only the values of the chosen
// tone types and signalling and clears the others the fixture fills.
struct Editor {
    const char* Name;
    OpenAndOk Run;
    bool Repairs;
};

const Editor kEditors[] = {
    {"Option", ByMenu<FrmOption>("MnuViewSetMode"), false},
    {"Scan", ScanByTree, true},
    {"Alert", ByMenu<FrmAlert>("MnuViewAlert"), true},
    {"DTMF", ByMenu<FrmDTMF>("MnuViewDTMF"), false},
    {"TwoTone", ByMenu<Frm2Tone>("MnuView2Tone"), false},
    {"FiveTone", ByMenu<Frm5Tone>("MnuView5Tone"), false},
    {"MSK", ByMenu<FrmMSK>("MnuViewMSK"), false},
    {"CommBook", ByMenu<FrmCommuBook>("MnuCommBook"), false},
    {"Bank", ByMenu<FrmBank>("MnuViewBankChannel"), false},
    {"ChannelDialog", ChannelDialog, true},
    {"ChannelNameCell", ChannelNameCell, false},
};

// Every record text a user sees in an editor's text boxes or grids, with the bytes it holds.
// Left out: the DTMF own ID and the MSK IDs, which the editors replace when they are not digits
// or hex digits.
std::string RecordTexts(const AppState& st) {
    std::string out;
    // Trailing blanks and NULs are padding, which the editors may write either way (a save and
    // the unsaved-changes check treat both alike); every other byte counts.
    auto add = [&](const auto& t) { out += t.Trimmed() + '\n'; };
    const RadioData& r = st.CurRadioData;
    for (int i = 0; i < kMaxChannels; ++i) add(st.ChannelTable[static_cast<std::size_t>(i)].Name);
    const SignalData& sig = r.Signal;
    for (const auto& e : sig.TwoTone.List) add(e.Name);
    for (const auto& e : sig.TwoTone.Decode) add(e.Name);
    add(sig.FiveTone.OwnID);
    for (const auto& c : sig.FiveTone.InfoCodes) add(c.Name);
    for (const auto& c : sig.FiveTone.CodeRows) add(c.Name);
    add(sig.Option.RadioText);
    for (const auto& e : r.CommBookList) {
        add(e.CallID);
        add(e.Name);
    }
    for (const auto& e : r.MSK.Entries) {
        add(e.MessageCode);
        add(e.EntryName);
    }
    return out;
}

// The data as a save, a write or the next editor would use them. The editors' working copies
// are left out: each editor loads its own on opening, whatever they held.
std::vector<std::uint8_t> SavedBytes(const AppState& st) {
    AppState copy = st;
    copy.EditSignalData = SignalData{};
    copy.EditChannel = ChannelData{};
    copy.EditBankTable = {};
    return test::DataBytes(copy);
}

void PrintTo(const DataSet& d, std::ostream* os) { *os << d.Name; }
void PrintTo(const Editor& e, std::ostream* os) { *os << e.Name; }

using Case = std::tuple<DataSet, Editor>;

class RecordBytes : public ::testing::TestWithParam<Case> {};

TEST_P(RecordBytes, OkWithoutChangesKeepsEveryByte) {
    const auto& [data, editor] = GetParam();
    AppState st;
    data.Make(st);
    const bool changedBefore = IsDataChanged(st);
    test::TempSettings settings;
    frmMain w(st, settings.Make());
    w.show();
    const std::vector<std::uint8_t> before = SavedBytes(st);
    const std::string textsBefore = RecordTexts(st);
    {
        ScopedMsgBoxScript answers(MsgButton::Ok);
        ASSERT_TRUE(editor.Run(w));
    }
    EXPECT_EQ(RecordTexts(st), textsBefore);
    if (editor.Repairs || !data.KeepsNumbers) return;
    const std::vector<std::uint8_t> after = SavedBytes(st);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(Differences(before, after), "");
    EXPECT_EQ(IsDataChanged(st), changedBefore);
}

INSTANTIATE_TEST_SUITE_P(EveryEditor, RecordBytes, ::testing::Combine(::testing::ValuesIn(kDataSets),
                                                                      ::testing::ValuesIn(kEditors)),
                         [](const ::testing::TestParamInfo<Case>& i) {
                             return std::string(std::get<0>(i.param).Name) + "_" + std::get<1>(i.param).Name;
                         });


// A record text prints as the editor shows it: byte 0xE9 is "\u00e9" on paper as in the dialog.
struct PrintCase {
    const char* Name;
    void (*Put)(AppState&, const std::string&);
    void (*Section)(print::PrintJob&);
    QString (*Shown)(AppState&);  // the text as its dialog shows it
};

const PrintCase kPrintCases[] = {
    {"EmbeddedMessage", [](AppState& st, const std::string& t) { st.CurRadioInfo.Seller = t; }, print::Prt_EMG,
     [](AppState& st) { return FrmEMG(st, st.CurRadioInfo).BoxText(11); }},
    {"FiveToneName",
     [](AppState& st, const std::string& t) {
         FiveToneCodeRec& c = st.CurRadioData.Signal.FiveTone.CodeRows[0];
         c.IsEmpty = 0;
         c.Code = "12345";
         c.CodeLength = 5;
         c.Name = t;
     },
     print::Prt_5Tone, [](AppState& st) { return Frm5Tone(st).MSHFlexGrid1->TextMatrix(1, 5); }},
    {"FiveToneOwnID", [](AppState& st, const std::string& t) { st.CurRadioData.Signal.FiveTone.OwnID = t; },
     print::Prt_5Tone, [](AppState& st) { return Frm5Tone(st).Text2->text(); }},
    {"BookName",
     [](AppState& st, const std::string& t) {
         CommitBookCell(st.CurRadioData.CommBookList[0], 1, "12345");
         st.CurRadioData.CommBookList[0].Name = t;
     },
     print::Prt_CommBook, [](AppState& st) { return FrmCommuBook(st).MSFlexGrid1->TextMatrix(1, 2); }},
    {"TwoToneName",
     [](AppState& st, const std::string& t) {
         TwoToneListEntry& e = st.CurRadioData.Signal.TwoTone.List[0];
         SaveEditCell(e, 1, "1000");
         e.Name = t;
     },
     print::Prt_2Tone, [](AppState& st) { return Frm2Tone(st, {}).MSHFlexGrid1->TextMatrix(1, 3); }},
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.Name; }

class RecordTextPrint : public ::testing::TestWithParam<PrintCase> {};

TEST_P(RecordTextPrint, PrintsTheCharacterTheEditorShows) {
    AppState st = print::test::DataIn(kLanguageEnglish);
    const std::string bytes = "CAF\xE9";
    GetParam().Put(st, bytes);
    const std::string shown = GetParam().Shown(st).toStdString();
    ASSERT_EQ(shown, "CAF\u00e9");
    print::test::Printed p(st, GetParam().Section);
    int found = 0;
    for (const auto& page : p.Pages())
        for (const auto& t : page.Items) {
            EXPECT_EQ(t.Text.find("\xEF\xBF\xBD"), std::string::npos) << t.Text;
            if (t.Text.find(shown) != std::string::npos) ++found;
        }
    EXPECT_EQ(found, 1);
}

INSTANTIATE_TEST_SUITE_P(Sections, RecordTextPrint, ::testing::ValuesIn(kPrintCases),
                         [](const ::testing::TestParamInfo<PrintCase>& i) { return std::string(i.param.Name); });

// A control character in a name prints as the editor's grid shows it ("?"), so a tab cannot push
// the rest of the name into the next column; the grid keeps the name itself for its cell editor.
TEST(RecordTextPrint, ControlCharacterInANamePrintsAsTheGridShowsIt) {
    FlexGrid grid;
    const auto* delegate = qobject_cast<const QStyledItemDelegate*>(grid.itemDelegate());
    ASSERT_NE(delegate, nullptr);
    for (const PrintCase& c : kPrintCases) {
        const std::string name = c.Name;
        if (name != "FiveToneName" && name != "BookName" && name != "TwoToneName") continue;  // grids only
        SCOPED_TRACE(name);
        AppState st = print::test::DataIn(kLanguageEnglish);
        c.Put(st, "A\tB\x01");
        const QString kept = c.Shown(st);
        EXPECT_EQ(kept, QString("A\tB\x01"));
        const std::string shown = delegate->displayText(kept, QLocale()).toStdString();
        EXPECT_EQ(shown, "A?B?");
        print::test::Printed p(st, c.Section);
        int found = 0;
        for (const auto& page : p.Pages())
            for (const auto& t : page.Items) {
                EXPECT_EQ(t.Text.find_first_of("\t\x01"), std::string::npos) << t.Text;
                if (t.Text.find(shown) != std::string::npos) ++found;
            }
        EXPECT_EQ(found, 1);
    }
}

}  // namespace
}  // namespace rp
