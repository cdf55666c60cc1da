#include "kit/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <map>

#include "kit/Language.h"
#include "kit/MsgBox.h"

namespace rp {

namespace {
// The translator this program installed; a language switch replaces it.
QTranslator*& Installed() {
    static QTranslator* t = nullptr;
    return t;
}
}  // namespace

QString QtTranslationsDir() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool ApplyQtLanguage(const AppState& state, const QString& dir) {
    if (QTranslator* old = Installed()) {
        QCoreApplication::removeTranslator(old);
        delete old;
        Installed() = nullptr;
    }
    bool covered = true;
    if (state.LanguageIndex == 2) {
        auto* t = new QTranslator;
        covered = !dir.isEmpty() && t->load(QStringLiteral("qtbase_zh_CN"), dir) &&
                  QCoreApplication::installTranslator(t);
        if (covered) Installed() = t;
        else delete t;
    }
    std::map<int, QString> buttons;
    if (!covered) {
        buttons = {{vbOK, LangStr(state, 101)},    {vbCancel, LangStr(state, 102)},
                   {vbYes, LangStr(state, 2013)},  {vbNo, LangStr(state, 2014)},
                   {vbRetry, LangStr(state, 2015)}, {vbAbort, LangStr(state, 2016)},
                   {vbIgnore, LangStr(state, 2017)}};
    }
    SetMsgBoxButtonTexts(buttons);
    return covered;
}

}  // namespace rp
