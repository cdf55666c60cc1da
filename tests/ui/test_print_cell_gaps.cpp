// The printout's captions on A4, measured as the printer measures them when the job is replayed:
// each caption prints whole on one line and stays clear of the value beside it.
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QCheckBox>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <set>
#include <gtest/gtest.h>

#include "FullDataFixture.h"
#include "MainFixture.h"
#include "mappings/FiveTone.h"
#include "mappings/OptionMap.h"
#include "print/FrmPrintList.h"
#include "print/QtPrint.h"
#include "print/core/PrintText.h"
#include "print/core/PrtChannel.h"

namespace rp {
namespace {

// A blank of the 10-point body face is about 3 points wide: less than two of them between a
// caption and its value reads as one run of words.
constexpr float kLeastGapPoints = 6.0f;

struct CaptionGapCase {
    const char* Name;
    int Language;
};
std::ostream& operator<<(std::ostream& os, const CaptionGapCase& c) { return os << c.Name; }

class PrintedCaptions : public ::testing::TestWithParam<CaptionGapCase> {};

TEST_P(PrintedCaptions, PrintWholeAndClearOfTheirValuesOnA4) {
    AppState st;
    test::UseLanguage(st, GetParam().Language);
    InitPrintText(st);
    test::FillFullData(st);

    // Captions that must print whole: the channel block's and the five-tone settings'.
    std::set<std::string> whole;
    const print::ChannelBlock block =
        print::MakeChannelBlock(st, print::ChannelDialogTexts(st), st.ChannelTable[0]);
    for (const auto& line : block.Lines)
        for (std::size_t i = 0; i < line.size(); i += 2) whole.insert(line[i]);
    const FiveToneView ft = ShowFiveTone(st, st.CurRadioData.Signal.FiveTone, 0);
    for (int i = 0; i <= 9; ++i) whole.insert(ft.Label1[static_cast<std::size_t>(i)]);
    whole.insert({ft.Check1Caption, ft.InfoNumberLabel, ft.FrameCaption[0], ft.FrameCaption[1]});
    whole.insert(ft.InfoLabel.begin(), ft.InfoLabel.end());
    // The option settings' captions, where they print.
    std::set<std::string> captions = whole;
    const OptionShow option = ShowOption(st);
    captions.insert(option.Label1.begin(), option.Label1.end());
    captions.insert(option.Check1Caption.begin(), option.Check1Caption.end());
    captions.erase(std::string());
    whole.erase(std::string());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    FrmPrintList dlg(st, printer);
    dlg.ExecPrintDialog = [&](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(dir.filePath("captions.pdf"));
        return true;
    };
    for (const int item : {0, 3, 6}) dlg.Check1[static_cast<std::size_t>(item)]->setChecked(true);  // channels, options, five-tone
    dlg.Command1->click();
    ASSERT_TRUE(st.PrintJobOK);

    const print::QtPrintMetrics m(printer, print::PrintFontFamily(st));
    const float points = 72.0f / static_cast<float>(printer.resolution());
    struct Narrowest {
        float Gap = 1e9f;
        std::string Next;
    };
    std::map<std::string, Narrowest> seen;  // each caption printed, with its narrowest gap
    for (const auto& page : dlg.LastPages) {
        std::map<float, std::vector<const print::DrawnText*>> lines;  // by the top of the line
        for (const auto& it : page.Items) lines[it.Y].push_back(&it);
        for (auto& [top, items] : lines) {
            std::sort(items.begin(), items.end(), [](auto* a, auto* b) { return a->X < b->X; });
            for (std::size_t i = 0; i < items.size(); ++i) {
                const print::DrawnText& c = *items[i];
                if (!captions.count(c.Text)) continue;
                Narrowest& n = seen[c.Text];
                if (i + 1 == items.size()) continue;
                const float gap = (items[i + 1]->X - c.X - m.TextWidth(c.Text, c.Font)) * points;
                if (gap < n.Gap) n = {gap, items[i + 1]->Text};
            }
        }
    }
    for (const auto& [caption, n] : seen)
        EXPECT_GE(n.Gap, kLeastGapPoints) << "\"" << caption << "\" before \"" << n.Next << "\"";
    // A caption that wrapped prints in pieces, none of them the caption itself.
    for (const std::string& c : whole) EXPECT_TRUE(seen.count(c)) << "\"" << c << "\" is not printed on one line";
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintedCaptions,
                         ::testing::Values(CaptionGapCase{"English", kLanguageEnglish},
                                           CaptionGapCase{"Chinese", kLanguageChinese}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace rp
