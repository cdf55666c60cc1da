// Every print starts from the whole printout in order, one copy: a page range, the reverse
// order and copies chosen for one print are not kept, out of sight behind the printer dialog's
// options, for the next. The printer and its paper are kept.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "FullDataFixture.h"
#include "MainFixture.h"
#include "ModalDriver.h"
#include "PrintPdfFixture.h"
#include "print/FrmPrintList.h"
#include "print/core/PrintText.h"

namespace rp {
namespace {

// The controls of the real printer dialog the tests use.
struct PrinterDialogControls {
    QComboBox* printers = nullptr;
    QLineEdit* file = nullptr;
    QRadioButton* all = nullptr;
    QRadioButton* range = nullptr;
    QSpinBox* from = nullptr;
    QSpinBox* to = nullptr;
    QCheckBox* reverse = nullptr;
    QSpinBox* copies = nullptr;
    QPushButton* ok = nullptr;
    explicit PrinterDialogControls(QPrintDialog& p)
        : printers(p.findChild<QComboBox*>("printers")),
          file(p.findChild<QLineEdit*>("filename")),
          all(p.findChild<QRadioButton*>("printAll")),
          range(p.findChild<QRadioButton*>("printRange")),
          from(p.findChild<QSpinBox*>("from")),
          to(p.findChild<QSpinBox*>("to")),
          reverse(p.findChild<QCheckBox*>("reverse")),
          copies(p.findChild<QSpinBox*>("copies")) {
        if (auto* box = p.findChild<QDialogButtonBox*>()) ok = box->button(QDialogButtonBox::Ok);
    }
    bool Found() const { return printers && file && all && range && from && to && reverse && copies && ok; }
    // The printer "to a PDF file", writing the given file.
    void ToPdf(const QString& pdf) {
        const int toFile = printers->findText("PDF", Qt::MatchContains);
        ASSERT_GE(toFile, 0);
        test::Pick(printers, toFile);
        file->setText(pdf);
    }
};

struct PrintAfresh : ::testing::Test {
    AppState st;
    QTemporaryDir dir;
    // One printer for the whole run, as the main window keeps it.
    QPrinter printer{QPrinter::HighResolution};
    void SetUp() override {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) missing";
        ASSERT_TRUE(dir.isValid());
        test::UseLanguage(st, kLanguageEnglish);
        InitPrintText(st);
        test::FillFullData(st);
        printer.setPageSize(QPageSize(QPageSize::A5));
    }
    // File > Print with the channel list ticked; `inDialog` works the printer dialog and presses
    // its OK. The number of pages the printout has.
    std::size_t Print(const std::function<void(QPrintDialog&, PrinterDialogControls&)>& inDialog) {
        FrmPrintList d(st, printer);
        d.show();
        QTest::mouseClick(d.Check1[0], Qt::LeftButton);
        EXPECT_TRUE(d.Check1[0]->isChecked());
        const bool shown = test::RunModal<QPrintDialog>([&] { QTest::mouseClick(d.Command1, Qt::LeftButton); },
                                                         [&](QPrintDialog& p) {
                                                             PrinterDialogControls c(p);
                                                             ASSERT_TRUE(c.Found());
                                                             inDialog(p, c);
                                                         });
        EXPECT_TRUE(shown);
        EXPECT_TRUE(st.PrintJobOK);
        return d.LastPages.size();
    }
};

TEST_F(PrintAfresh, TheNextPrintAfterPagesTwoToThreeReversedPrintsEveryPageInOrder) {
    const QString first = dir.filePath("first.pdf");
    Print([&](QPrintDialog&, PrinterDialogControls& c) {
        c.ToPdf(first);
        c.range->click();
        c.from->setValue(2);
        c.to->setValue(3);
        c.reverse->click();
        c.copies->setValue(2);
        c.ok->click();
    });
    const QList<int> firstPages = test::PdfFooters(test::PdfText(first));
    ASSERT_GE(firstPages.size(), 4);  // pages 3 and 2, twice
    EXPECT_EQ(firstPages.mid(0, 2), (QList<int>{3, 2}));

    // The next print: the same printer and paper, only a new file name; the range and the
    // options are not touched, as a user who never opens "Options >>" does not.
    const QString second = dir.filePath("second.pdf");
    bool offeredAfresh = false;
    const std::size_t pages = Print([&](QPrintDialog&, PrinterDialogControls& c) {
        offeredAfresh = c.all->isChecked() && !c.reverse->isChecked() && c.copies->value() == 1;
        c.file->setText(second);
        c.ok->click();
    });
    EXPECT_TRUE(offeredAfresh) << "the printer dialog offers the last print's range, order or copies";
    ASSERT_GE(pages, 4u);
    QList<int> everyPage;
    for (int p = 1; p <= static_cast<int>(pages); ++p) everyPage << p;
    EXPECT_EQ(test::PdfFooters(test::PdfText(second)), everyPage);
    // What may be remembered is: the paper.
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
}

}  // namespace
}  // namespace rp
