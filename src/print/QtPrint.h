#pragma once
// The printout on a real QPrinter: metrics measured on the printer itself (its printable area,
// its resolution), and the replay of a finished recording onto it.
#include <QString>
#include <vector>

#include "print/core/PrintPages.h"
#include "print/core/PrintSurface.h"

class QPrinter;

namespace rp {
struct AppState;
}

namespace rp::print {

class QtPrintMetrics : public PrintMetrics {
public:
    QtPrintMetrics(QPrinter& printer, QString family);
    float PageWidth() const override;
    float PageHeight() const override;
    float TextWidth(const std::string& utf8, const PrintFont& font) const override;
    float LineHeight(const PrintFont& font) const override;

private:
    QPrinter& printer_;
    QString family_;
};

// The printout's font family: the one the language file names for the windows.
QString PrintFontFamily(const AppState& st);

// What the user chose in the printer dialog: the page range and the order, and the copies when
// the printer does not make them itself (a PDF file, a printer without a spooler).
PageChoice PrinterPageChoice(const QPrinter& printer);

// Offers the whole printout in order, one copy, as a new printer would: what the last print
// chose there holds for that print alone. The printer, its paper and its file stay.
void StartPageChoiceAfresh(QPrinter& printer);

// Draws the recorded pages given by order (indexes into pages) onto the printer, each text by
// the top of its line. Nothing at all reaches the printer for an empty order. False when the
// printer refused a page.
bool ReplayOnPrinter(const std::vector<PrintedPage>& pages, const std::vector<std::size_t>& order, QPrinter& printer,
                     const QString& family);

// "date    time" as the system writes them.
std::string PrintDateTimeText();

// The program's one printer: what the user chooses in the set-up and print dialogs lasts until
// the program ends.
QPrinter& AppPrinter();

}  // namespace rp::print
