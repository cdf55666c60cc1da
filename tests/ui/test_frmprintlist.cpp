// The print dialog and the printout on a real QPrinter writing PDF files, read back with
// pdftotext.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FullDataFixture.h"
#include "MainFixture.h"
#include "PrintPdfFixture.h"
#include "model/DataChanged.h"
#include "print/FrmPrintList.h"
#include "print/QtPrint.h"
#include "print/core/PrintText.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

using namespace rp;
using namespace rp::test;

namespace {

struct PrintListTest : ::testing::Test {
    AppState st;
    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    void SetUp() override {
        UseLanguage(st, kLanguageEnglish);
        InitPrintText(st);
    }
    QString Pdf() const { return dir.filePath("out.pdf"); }
    // A printer dialog that chooses a PDF file and OK, or Cancel.
    std::function<bool(QPrinter&, QWidget*)> PrintTo(const QString& file, bool ok = true) {
        return [file, ok, this](QPrinter& p, QWidget*) {
            ++printDialogs;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(file);
            return ok;
        };
    }
    int printDialogs = 0;
};

TEST_F(PrintListTest, TitleCaptionsAndSelectAll) {
    for (int lang : {kLanguageEnglish, kLanguageChinese}) {
        SetLanguage(st, lang);
        FrmPrintList dlg(st, printer);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("打印列表"));
        EXPECT_EQ(dlg.Check1[0]->text(), lang == 1 ? "Channel Infomation" : "信道信息");
        EXPECT_EQ(dlg.Check1[5]->text(), "2Tone{DN}");
        EXPECT_EQ(dlg.Command1->text(), lang == 1 ? "&OK" : "确定(&O)");
        EXPECT_EQ(dlg.Check1[9]->text(), QString::fromStdString(st.LangText(2600)));
        for (auto* c : dlg.Check1) EXPECT_FALSE(c->isChecked());
        dlg.CommandSelAll->click();
        for (auto* c : dlg.Check1) EXPECT_TRUE(c->isChecked());
        dlg.CommandClrAll->click();
        for (auto* c : dlg.Check1) EXPECT_FALSE(c->isChecked());
        // Every caption shows whole, left of the buttons.
        for (int i : {0, 3, 4, 5, 6, 7, 8, 9}) {
            EXPECT_GE(dlg.Check1[i]->width(), dlg.Check1[i]->sizeHint().width()) << dlg.Check1[i]->text().toStdString();
            EXPECT_LT(dlg.Check1[i]->geometry().right(), dlg.CommandSelAll->x());
        }
        // Items 1 and 2 lie below the client area.
        EXPECT_GE(dlg.Check1[1]->geometry().top(), dlg.height());
        EXPECT_FALSE(dlg.Command1->autoDefault());
    }
}

TEST_F(PrintListTest, NothingTickedAsksForItemsAndKeepsTheFlags) {
    for (int lang : {kLanguageEnglish, kLanguageChinese}) {
        SetLanguage(st, lang);
        st.PrintItemFlags = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        FrmPrintList dlg(st, printer);
        dlg.ExecPrintDialog = PrintTo(Pdf());
        for (bool onlyHiddenItems : {false, true}) {
            dlg.Check1[1]->setChecked(onlyHiddenItems);
            dlg.Check1[2]->setChecked(onlyHiddenItems);
            ScopedMsgBoxScript script(MsgButton::Ok);
            dlg.Command1->click();
            ASSERT_EQ(script.Messages().size(), 1u);
            EXPECT_EQ(script.Messages()[0].Text, lang == 1 ? "Please select printing items." : "请选择打印项目。");
            EXPECT_EQ(script.Messages()[0].Style, MsgStyle::Exclamation);
        }
        EXPECT_EQ(printDialogs, 0);
        EXPECT_EQ(st.PrintItemFlags[0], 1);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_FALSE(QFile::exists(Pdf()));
    }
}

TEST_F(PrintListTest, CancelInThePrinterDialogPrintsNothingAndKeepsTheDialog) {
    FillAllChannels(st);
    FrmPrintList dlg(st, printer);
    dlg.ExecPrintDialog = PrintTo(Pdf(), false);
    dlg.Check1[0]->setChecked(true);
    dlg.Check1[7]->setChecked(true);
    {
        ScopedMsgBoxScript script(MsgButton::Ok);
        dlg.Command1->click();
        EXPECT_TRUE(script.Messages().empty());
    }
    EXPECT_FALSE(st.PrintJobOK);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(dlg.Check1[0]->isChecked());
    EXPECT_TRUE(dlg.Check1[7]->isChecked());
    EXPECT_TRUE(dlg.LastPages.empty());
    EXPECT_FALSE(QFile::exists(Pdf()));
    // A second OK starts a new job.
    dlg.ExecPrintDialog = PrintTo(Pdf(), true);
    dlg.Command1->click();
    EXPECT_TRUE(st.PrintJobOK);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(Pdf()));
}

TEST_F(PrintListTest, AFailedJobSaysSoAndPrintsNothing) {
    FrmPrintList dlg(st, printer);
    dlg.ExecPrintDialog = PrintTo(Pdf());
    dlg.Sources.Alert = [](print::PrintJob&) { throw std::runtime_error("out of paper"); };
    dlg.Check1[7]->setChecked(true);
    dlg.Check1[9]->setChecked(true);
    ScopedMsgBoxScript script(MsgButton::Ok);
    dlg.Command1->click();
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(script.Messages()[0].Text, "Printing failed.");
    EXPECT_FALSE(st.PrintJobOK);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(dlg.Check1[9]->isChecked());
    EXPECT_FALSE(QFile::exists(Pdf()));
}

TEST_F(PrintListTest, PrintCommandOnlyWithThePrintSwitch) {
    TempSettings settings;
    for (int flag : {0, 1}) {
        st.PrintMenuFlag = flag;
        frmMain w(st, settings.Make());
        auto* print = w.findChild<QAction*>("mnuFilePrint");
        ASSERT_NE(print, nullptr);
        EXPECT_EQ(print->isVisible(), flag == 1);
    }
}

// ---- PDF -------------------------------------------------------------------------------------

struct PdfCase {
    const char* Name;
    QPageSize::PageSizeId Paper;
    int Language;
};
std::ostream& operator<<(std::ostream& os, const PdfCase& c) { return os << c.Name; }

class PrintPdf : public PrintListTest, public ::testing::WithParamInterface<PdfCase> {};

TEST_P(PrintPdf, PagesAndTextMatchTheRecording) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) missing";
    const PdfCase& c = GetParam();
    FillFullData(st);
    ASSERT_FALSE(IsDataChanged(st));
    SetLanguage(st, c.Language);
    const std::vector<std::uint8_t> before = DataBytes(st);
    const RadioInfo infoBefore = st.CurRadioInfo;
    printer.setPageSize(QPageSize(c.Paper));
    FrmPrintList dlg(st, printer);
    dlg.ExecPrintDialog = PrintTo(Pdf());
    dlg.CommandSelAll->click();
    ScopedMsgBoxScript script(MsgButton::Ok);
    dlg.Command1->click();
    EXPECT_TRUE(script.Messages().empty());
    ASSERT_TRUE(st.PrintJobOK);
    EXPECT_FALSE(IsDataChanged(st));
    EXPECT_TRUE(DataBytes(st) == before);
    EXPECT_TRUE(st.CurRadioInfo == infoBefore);

    const QString text = PdfText(Pdf());
    if (qEnvironmentVariableIsSet("RP_KEEP_PDF")) QFile::copy(Pdf(), qEnvironmentVariable("RP_KEEP_PDF") + "/" + c.Name + ".pdf");
    const int pages = static_cast<int>(dlg.LastPages.size());
    EXPECT_GE(pages, 50);  // 52 channel pages of four blocks on A4, the book, six more sections
    // pdftotext ends every page with a form feed.
    EXPECT_EQ(text.count('\f'), pages);
    const QString title = QString::fromStdString(PrtText(st, st.PrtTextTitle));
    EXPECT_EQ(text.count(title), pages);
    for (const char* name : {"CH1", "CH100", "CH206"}) EXPECT_TRUE(text.contains(QString(name) + "\n") || text.contains(QString(name) + " ")) << name;
    EXPECT_TRUE(text.contains("VFO2"));
    EXPECT_TRUE(text.contains("BK79"));
    // Every section's title as printed, in the language in use.
    for (const std::string& t : SectionTitles(st)) {
        ASSERT_FALSE(t.empty());
        EXPECT_TRUE(text.contains(QString::fromStdString(t))) << t;
    }
    // The footers, in page order: 1 up to the last page, each once.
    QList<int> footers;
    static const QRegularExpression footer(R"(^\s*-\s*(\d+)\s*-\s*$)", QRegularExpression::MultilineOption);
    for (auto it = footer.globalMatch(text); it.hasNext();) footers << it.next().captured(1).toInt();
    QList<int> expected;
    for (int p = 1; p <= pages; ++p) expected << p;
    EXPECT_EQ(footers, expected);
}

INSTANTIATE_TEST_SUITE_P(Papers, PrintPdf,
                         ::testing::Values(PdfCase{"A4English", QPageSize::A4, 1},
                                           PdfCase{"LetterEnglish", QPageSize::Letter, 1},
                                           PdfCase{"A4Chinese", QPageSize::A4, 2},
                                           PdfCase{"LetterChinese", QPageSize::Letter, 2}),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- What the printer dialog chose -----------------------------------------------------------

struct RangeCase {
    const char* Name;
    int From, To;  // 0, 0: every page
    bool Reverse;
    QList<int> Footers;  // empty: every page, in the chosen order
    int Copies = 1;
    bool Collate = true;
};
std::ostream& operator<<(std::ostream& os, const RangeCase& c) { return os << c.Name; }

class PrintRange : public PrintListTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(PrintRange, OnlyTheChosenPagesInTheChosenOrderKeepingTheirNumbers) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) missing";
    const RangeCase& c = GetParam();
    FillFullData(st);
    printer.setPageSize(QPageSize(QPageSize::A4));
    FrmPrintList dlg(st, printer);
    dlg.ExecPrintDialog = [&](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(Pdf());
        p.setPrintRange(c.From == 0 ? QPrinter::AllPages : QPrinter::PageRange);
        p.setFromTo(c.From, c.To);
        p.setPageOrder(c.Reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
        p.setCopyCount(c.Copies);
        p.setCollateCopies(c.Collate);
        return true;
    };
    dlg.CommandSelAll->click();
    ScopedMsgBoxScript script(MsgButton::Ok);
    dlg.Command1->click();
    EXPECT_TRUE(script.Messages().empty());
    ASSERT_TRUE(st.PrintJobOK);
    const int recorded = static_cast<int>(dlg.LastPages.size());
    ASSERT_GE(recorded, 60);
    QList<int> expected = c.Footers;
    if (expected.isEmpty())
        for (int p = 1; p <= recorded; ++p) c.Reverse ? expected.prepend(p) : expected.append(p);
    const QString text = PdfText(Pdf());
    EXPECT_EQ(text.count('\f'), expected.size());
    EXPECT_EQ(PdfFooters(text), expected);
    // Page 2 is the second channel page: it goes on with channel 4 (CH5).
    if (expected.contains(2)) {
        EXPECT_TRUE(text.contains("CH5")) << c.Name;
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, PrintRange,
                         ::testing::Values(RangeCase{"PagesTwoToThree", 2, 3, false, {2, 3}},
                                           RangeCase{"PagesFiftyThreeToFiftyFour", 53, 54, false, {53, 54}},
                                           RangeCase{"PagesTwoToFourReversed", 2, 4, true, {4, 3, 2}},
                                           RangeCase{"EveryPageReversed", 0, 0, true, {}},
                                           // A PDF file makes no copies of its own: the replay does.
                                           RangeCase{"TwoCollatedCopies", 2, 3, false, {2, 3, 2, 3}, 2, true},
                                           RangeCase{"TwoCopiesEachPage", 2, 3, true, {3, 3, 2, 2}, 2, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PrintListTest, ARangePastTheEndSaysSoAndPrintsNothing) {
    FillFullData(st);
    FrmPrintList dlg(st, printer);
    dlg.ExecPrintDialog = [&](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(Pdf());
        p.setPrintRange(QPrinter::PageRange);
        p.setFromTo(200, 210);
        return true;
    };
    dlg.Check1[7]->setChecked(true);
    ScopedMsgBoxScript script(MsgButton::Ok);
    dlg.Command1->click();
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(script.Messages()[0].Text, "The chosen pages are not in the printout. Pages in the printout: 1");
    EXPECT_FALSE(st.PrintJobOK);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(dlg.Check1[7]->isChecked());
    EXPECT_FALSE(QFile::exists(Pdf()));
}

TEST_F(PrintListTest, AnA6PrintoutKeepsEveryChannelLineAboveTheFooter) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) missing";
    FillFullData(st);
    printer.setPageSize(QPageSize(QPageSize::A6));
    FrmPrintList dlg(st, printer);
    dlg.ExecPrintDialog = PrintTo(Pdf());
    dlg.Check1[0]->setChecked(true);
    dlg.Command1->click();
    ASSERT_TRUE(st.PrintJobOK);
    const print::QtPrintMetrics m(printer, print::PrintFontFamily(st));
    for (std::size_t p = 0; p < dlg.LastPages.size(); ++p) {
        const auto& items = dlg.LastPages[p].Items;
        for (std::size_t i = 0; i + 1 < items.size(); ++i)  // all but the footer
            EXPECT_LE(items[i].Y + m.LineHeight(items[i].Font), m.PageHeight() * 0.95f + 0.5f)
                << "page " << p + 1 << " " << items[i].Text;
    }
    // On paper: every channel's last line, and one footer per page.
    const QString text = PdfText(Pdf());
    const QString scanSkip = QString::fromStdString(print::ChannelDialogTexts(st).Check6);
    EXPECT_EQ(text.count(scanSkip), kMaxChannels);
    EXPECT_EQ(PdfFooters(text).size(), text.count('\f'));
}

}  // namespace
