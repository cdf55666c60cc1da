#pragma once
// Numbered texts of the current language for the shell's small windows.
#include <QString>

#include "model/AppState.h"

namespace rp {

inline QString LangQ(const AppState& s, int id) { return QString::fromStdString(s.LangText(id)); }

// A menu caption used as a window caption: without its access key and trailing dots.
inline QString PlainCaption(QString text) {
    text.remove('&');
    while (text.endsWith('.')) text.chop(1);
    return text.trimmed();
}

}  // namespace rp
