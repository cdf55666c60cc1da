// The five-tone code table and the communication book on A4, measured as the printer measures
// them when the job is replayed: a row of the widest texts the records hold (names of wide
// letters, a code of 40 digits, the longest standard) prints on one line at the body size, each
// cell whole and clear of the next.
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QCheckBox>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <gtest/gtest.h>

#include "../print/WideTableRows.h"
#include "MainFixture.h"
#include "mappings/FiveTone.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "print/FrmPrintList.h"
#include "print/QtPrint.h"
#include "print/core/PrintText.h"

namespace rp {
namespace {

struct TableRowsCase {
    const char* Name;
    int Language;
};
std::ostream& operator<<(std::ostream& os, const TableRowsCase& c) { return os << c.Name; }

class PrintedTableRowsOnA4 : public ::testing::TestWithParam<TableRowsCase> {};

TEST_P(PrintedTableRowsOnA4, EachRowPrintsWholeOnOneLineAtTheBodySize) {
    AppState st;
    test::UseLanguage(st, GetParam().Language);
    InitPrintText(st);
    NewData(st);
    test::FillFiveTone(st);
    test::FillBook(st);
    std::vector<std::vector<std::string>> rows = test::FiveToneRows(st);
    const auto book = test::BookRows(st);
    rows.insert(rows.end(), book.begin(), book.end());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    FrmPrintList dlg(st, printer);
    dlg.ExecPrintDialog = [&](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(dir.filePath("tables.pdf"));
        return true;
    };
    for (const int item : {6, 7}) dlg.Check1[static_cast<std::size_t>(item)]->setChecked(true);  // five-tone, book
    dlg.Command1->click();
    ASSERT_TRUE(st.PrintJobOK);

    const print::QtPrintMetrics m(printer, print::PrintFontFamily(st));
    const float gap = m.TextWidth("  ", print::PrintFont{});
    std::map<std::vector<std::string>, int> found;
    for (const auto& page : dlg.LastPages) {
        std::map<float, std::vector<const print::DrawnText*>> lines;  // by the top of the line
        for (const auto& it : page.Items) lines[it.Y].push_back(&it);
        for (auto& [top, items] : lines) {
            std::sort(items.begin(), items.end(), [](auto* a, auto* b) { return a->X < b->X; });
            std::vector<std::string> texts;
            for (const auto* it : items) texts.push_back(it->Text);
            if (std::find(rows.begin(), rows.end(), texts) == rows.end()) continue;
            ++found[texts];
            for (std::size_t i = 0; i < items.size(); ++i) {
                const print::DrawnText& c = *items[i];
                EXPECT_EQ(c.Font.Size, 10.0f) << "\"" << c.Text << "\" printed smaller";
                const float right = c.X + m.TextWidth(c.Text, c.Font);
                if (i + 1 < items.size()) {
                    EXPECT_LE(right + gap, items[i + 1]->X + 0.01f)
                        << "\"" << c.Text << "\" before \"" << items[i + 1]->Text << "\"";
                }
                EXPECT_LE(right, m.PageWidth() + 0.01f) << c.Text;
            }
        }
    }
    // A cell that wrapped prints in pieces: its row has no line of exactly its texts.
    for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_GE(found[rows[r]], 1) << "row " << r << " is not one whole line";
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintedTableRowsOnA4,
                         ::testing::Values(TableRowsCase{"English", kLanguageEnglish},
                                           TableRowsCase{"Chinese", kLanguageChinese}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace rp
