// Printing as a user started with --print does it: read a fully programmed radio (the simulated
// one, over the real serial port), File > Print, Select All, a PDF file; then the PDF is read back.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "FullDataFixture.h"
#include "MainFixture.h"
#include "ModalDriver.h"
#include "PrintPdfFixture.h"
#include "PtyHarness.h"
#include "UserRound.h"
#include "model/LangText.h"
#include "print/FrmPrintList.h"
#include "print/core/PrintText.h"
#include "kit/MsgBox.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

// The radio's memory holding the full data set.
std::vector<std::uint8_t> FullRadioImage() {
    AppState s;
    test::UseLanguage(s, kLanguageEnglish);
    test::FillFullData(s);
    InitCommImage(s);
    std::string label;
    EXPECT_TRUE(SetCommData(s, label)) << label;
    return {s.CommImage.begin(), s.CommImage.end()};
}

TEST(EndToEnd, PrintEveryItemOfAReadRadioToAPdfFile) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) missing";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string imagePath = dir.filePath("radio.img").toStdString();
    const auto image = FullRadioImage();
    std::ofstream(imagePath, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
    sim::PtyRadioProcess radio(QString(RP_RUNTIME_DIR) + "/simradio", {"--image", QString::fromStdString(imagePath)});
    ASSERT_TRUE(radio.Ok()) << radio.Error();

    AppState st;
    test::UseLanguage(st, kLanguageEnglish);
    InitMsgString(st);
    InitFunLangText(st);
    InitPrintText(st);
    NewData(st);
    st.ComPortName = radio.Device();
    st.PrintMenuFlag = 1;  // what --print sets
    test::TempSettings settings;
    frmMain w(st, settings.Make());
    w.show();
    ASSERT_TRUE(w.MenuAction("mnuFilePrint")->isVisible());

    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w, 30000));
    ASSERT_EQ(st.CurRadioData.ChannelCount, kMaxChannels);
    const std::vector<std::uint8_t> before = test::DataBytes(st);

    // File > Print: Select All, OK, and in the printer dialog a PDF file on A4.
    const QString pdf = dir.filePath("all.pdf");
    std::size_t pages = 0;
    ASSERT_TRUE(test::RunModal<FrmPrintList>([&] { w.MenuAction("mnuFilePrint")->trigger(); },
                                             [&](FrmPrintList& d) {
                                                 d.ExecPrintDialog = [&](QPrinter& p, QWidget*) {
                                                     p.setOutputFormat(QPrinter::PdfFormat);
                                                     p.setOutputFileName(pdf);
                                                     p.setPageSize(QPageSize(QPageSize::A4));
                                                     return true;
                                                 };
                                                 d.CommandSelAll->click();
                                                 ScopedMsgBoxScript none(MsgButton::Ok);
                                                 d.Command1->click();
                                                 EXPECT_TRUE(none.Messages().empty());
                                                 pages = d.LastPages.size();
                                             }));
    EXPECT_TRUE(st.PrintJobOK);
    EXPECT_TRUE(test::DataBytes(st) == before);

    const QString text = test::PdfText(pdf);
    EXPECT_GE(pages, 50u);
    EXPECT_EQ(static_cast<std::size_t>(text.count('\f')), pages);
    EXPECT_EQ(static_cast<std::size_t>(text.count(QString::fromStdString(PrtText(st, st.PrtTextTitle)))), pages);
    for (const std::string& t : test::SectionTitles(st)) EXPECT_TRUE(text.contains(QString::fromStdString(t))) << t;
    // What the radio held reaches the paper: the last channel, a list row, a five-tone name, the book.
    for (const char* held : {"CH206", "TWO1031", "INFO107", "N100099", "BK79", "FULL FIXTURE"})
        EXPECT_TRUE(text.contains(held)) << held;
    if (qEnvironmentVariableIsSet("RP_KEEP_PDF")) QFile::copy(pdf, qEnvironmentVariable("RP_KEEP_PDF") + "/e2e.pdf");
}

// Pages 2 to 3, last page first, chosen in the printer dialog itself; the dialog offers no
// selection and no current page, which the printout does not have.
TEST(EndToEnd, PagesTwoToThreeInReverseFromThePrinterDialog) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) missing";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AppState st;
    test::UseLanguage(st, kLanguageEnglish);
    InitPrintText(st);
    test::FillFullData(st);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    FrmPrintList d(st, printer);
    d.show();
    QTest::mouseClick(d.Check1[0], Qt::LeftButton);
    ASSERT_TRUE(d.Check1[0]->isChecked());
    const QString pdf = dir.filePath("pages.pdf");
    ASSERT_TRUE(test::RunModal<QPrintDialog>([&] { QTest::mouseClick(d.Command1, Qt::LeftButton); },
                                             [&](QPrintDialog& p) {
                                                 EXPECT_TRUE(p.testOption(QAbstractPrintDialog::PrintPageRange));
                                                 EXPECT_FALSE(p.testOption(QAbstractPrintDialog::PrintSelection));
                                                 EXPECT_FALSE(p.testOption(QAbstractPrintDialog::PrintCurrentPage));
                                                 for (const char* absent : {"printSelection", "printCurrentPage"}) {
                                                     auto* b = p.findChild<QRadioButton*>(absent);
                                                     if (b) {
                                                         EXPECT_TRUE(b->isHidden() || !b->isEnabled()) << absent;
                                                     }
                                                 }
                                                 auto* printers = p.findChild<QComboBox*>("printers");
                                                 auto* file = p.findChild<QLineEdit*>("filename");
                                                 auto* range = p.findChild<QRadioButton*>("printRange");
                                                 auto* from = p.findChild<QSpinBox*>("from");
                                                 auto* to = p.findChild<QSpinBox*>("to");
                                                 auto* reverse = p.findChild<QCheckBox*>("reverse");
                                                 ASSERT_TRUE(printers && file && range && from && to && reverse);
                                                 const int toFile = printers->findText("PDF", Qt::MatchContains);
                                                 ASSERT_GE(toFile, 0);
                                                 test::Pick(printers, toFile);
                                                 file->setText(pdf);
                                                 range->click();
                                                 from->setValue(2);
                                                 to->setValue(3);
                                                 reverse->click();
                                                 auto* box = p.findChild<QDialogButtonBox*>();
                                                 ASSERT_NE(box, nullptr);
                                                 box->button(QDialogButtonBox::Ok)->click();
                                             }));
    EXPECT_TRUE(st.PrintJobOK);
    const QString text = test::PdfText(pdf);
    EXPECT_EQ(text.count('\f'), 2);
    EXPECT_EQ(test::PdfFooters(text), (QList<int>{3, 2}));
    EXPECT_TRUE(text.contains("CH5"));   // page 2: channels 5 to 8
    EXPECT_TRUE(text.contains("CH12"));  // page 3: channels 9 to 12
    EXPECT_LT(text.indexOf("CH12"), text.indexOf("CH5"));
}

}  // namespace
}  // namespace rp
