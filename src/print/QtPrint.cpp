#include "print/QtPrint.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include "model/AppState.h"

namespace rp::print {

namespace {

QFont MakeFont(const QString& family, const PrintFont& f) {
    QFont font(family);
    font.setPointSizeF(f.Size > 0 ? f.Size : 1.0);
    font.setBold(f.Bold);
    // No ligatures: a PDF of the printout reads back "Off" as typed, not with an "ff" glyph.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}  // namespace

QtPrintMetrics::QtPrintMetrics(QPrinter& printer, QString family) : printer_(printer), family_(std::move(family)) {}

// QPrinter's own width and height are its printable area in device pixels, where a painter
// on it has its origin; the paper's margins are not part of them.
float QtPrintMetrics::PageWidth() const { return static_cast<float>(printer_.width()); }
float QtPrintMetrics::PageHeight() const { return static_cast<float>(printer_.height()); }

float QtPrintMetrics::TextWidth(const std::string& utf8, const PrintFont& font) const {
    return static_cast<float>(QFontMetricsF(MakeFont(family_, font), &printer_)
                                  .horizontalAdvance(QString::fromStdString(utf8)));
}

float QtPrintMetrics::LineHeight(const PrintFont& font) const {
    return static_cast<float>(QFontMetricsF(MakeFont(family_, font), &printer_).lineSpacing());
}

QString PrintFontFamily(const AppState& st) {
    const QString family = QString::fromStdString(st.LangText(20)).trimmed();
    return family.isEmpty() ? QFont().family() : family;
}

PageChoice PrinterPageChoice(const QPrinter& printer) {
    PageChoice c;
    // Qt leaves the range, the order and (without a spooler) the copies to the application.
    if (printer.printRange() == QPrinter::PageRange) {
        c.FromPage = printer.fromPage();
        c.ToPage = printer.toPage();
    }
    c.Reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    if (!printer.supportsMultipleCopies()) {
        c.Copies = printer.copyCount();
        c.Collate = printer.collateCopies();
    }
    return c;
}

void StartPageChoiceAfresh(QPrinter& printer) {
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    printer.setPageOrder(QPrinter::FirstPageFirst);
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
}

bool ReplayOnPrinter(const std::vector<PrintedPage>& pages, const std::vector<std::size_t>& order, QPrinter& printer,
                     const QString& family) {
    if (order.empty()) return true;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        for (const auto& item : pages.at(order[i]).Items) {
            const QFont font = MakeFont(family, item.Font);
            painter.setFont(font);
            // The recording holds the top of each line; drawText wants the baseline.
            const QFontMetricsF fm(font, &printer);
            painter.drawText(QPointF(item.X, item.Y + fm.ascent()), QString::fromStdString(item.Text));
        }
    }
    return painter.end();
}

std::string PrintDateTimeText() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return (locale.toString(now.date(), QLocale::ShortFormat) + "    " +
            locale.toString(now.time(), QLocale::ShortFormat)).toStdString();
}

QPrinter& AppPrinter() {
    // Never destroyed: it outlives every window, and a printer engine torn down after the
    // application object is gone may call into it.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

}  // namespace rp::print
