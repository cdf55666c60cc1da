// Printing as a user started with --print does it: read a fully programmed radio (the simulated
// one, over the real serial port), File > Print, Select All, a PDF file; then the PDF is read back.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
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
                                                 ScopedMsgBoxScript none(vbOK);
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

}  // namespace
}  // namespace rp
