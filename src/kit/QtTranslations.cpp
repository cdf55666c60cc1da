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
        buttons = {{MsgButton::Ok, LangStr(state, 101)},    {MsgButton::Cancel, LangStr(state, 102)},
                   {MsgButton::Yes, LangStr(state, 2013)},  {MsgButton::No, LangStr(state, 2014)},
                   {MsgButton::Retry, LangStr(state, 2015)}, {MsgButton::Abort, LangStr(state, 2016)},
                   {MsgButton::Ignore, LangStr(state, 2017)}};
    }
    SetMsgBoxButtonTexts(buttons);
    return covered;
}

}  // namespace rp
