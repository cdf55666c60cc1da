#pragma once
// Language texts and core texts as QStrings, and menu captions made into window captions, for
// every window of the program.
#include <QRegularExpression>
#include <QString>

#include "model/AppState.h"

namespace rp {

inline QString LangQ(const AppState& s, int id) { return QString::fromStdString(s.LangText(id)); }

// A UTF-8 text of the core (language texts, list items, formatted numbers) for a widget.
// Record bytes go through kit::FromBytes instead.
inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// A menu caption without its access key: "&Model" gives "Model", and the bracketed key of
// the Chinese captions goes as a whole ("机型(&M)" gives "机型").
inline QString WithoutAccessKey(QString text) {
    static const QRegularExpression bracketed(QStringLiteral("\\s*[(（]&[^)）][)）]"));
    text.remove(bracketed);
    text.remove('&');
    return text;
}

// A menu caption used as a window caption: without its access key and trailing dots.
inline QString PlainCaption(QString text) {
    text = WithoutAccessKey(text);
    while (text.endsWith('.')) text.chop(1);
    return text.trimmed();
}

}  // namespace rp
