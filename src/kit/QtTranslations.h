#pragma once
// Qt's own texts (the standard buttons of message boxes, the file dialogs) in the program's
// language rather than the system's.
#include <QString>

#include "model/AppState.h"

namespace rp {

// Where Qt keeps its translations on this system.
QString QtTranslationsDir();

// Installs Qt's translation for the program's language from `dir` (none for English) and, where
// it cannot be had, gives the message boxes their button captions from the language files.
// Returns true when Qt's own translation covers the language.
bool ApplyQtLanguage(const AppState& state, const QString& dir = QtTranslationsDir());

}  // namespace rp
