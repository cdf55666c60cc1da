#pragma once
// Reading back a printed PDF file, and the titles its sections print.
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "mappings/DTMFMap.h"
#include "mappings/FiveTone.h"
#include "model/LangText.h"
#include "mappings/TwoToneMap.h"
#include "print/core/PrintText.h"
#include "mappings/AlertMap.h"
#include "mappings/OptionMap.h"

namespace rp::test {

// The text of a PDF file laid out as on the page; pdftotext ends every page with a form feed.
inline QString PdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page numbers of the footers ("- n -" alone on a line), in the order the pages come.
inline QList<int> PdfFooters(const QString& text) {
    QList<int> footers;
    static const QRegularExpression footer(R"(^\s*-\s*(\d+)\s*-\s*$)", QRegularExpression::MultilineOption);
    for (auto it = footer.globalMatch(text); it.hasNext();) footers << it.next().captured(1).toInt();
    return footers;
}

// The title of every section of a job with every item ticked, in the language in use: the
// channel list, the editors' captions (and the five-tone's short title of its further pages),
// the book and the embedded message.
inline std::vector<std::string> SectionTitles(const AppState& st) {
    return {GetLangStr(st, 3009),
            ShowOption(st).Caption,
            ShowDTMFData(st, st.CurRadioData.Signal.DTMF).FormCaption,
            MakeTwoToneCaptions(st).Form,
            ShowFiveTone(st, st.CurRadioData.Signal.FiveTone, 0).Caption,
            PrtText(st, st.PrtText5Tone),
            PrtText(st, st.PrtTextCommBook),
            PrtText(st, st.PrtTextEmbedded),
            ShowAlert(st).Caption};
}

}  // namespace rp::test
