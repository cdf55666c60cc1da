#pragma once
// Data with the shipped English texts, for the services that show or check texts.
#include "model/AppState.h"
#include "model/LangText.h"

namespace rp::test {

inline AppState EnglishState() {
    AppState st;
    st.ProgramDir = RP_RUNTIME_DIR;
    SetLanguage(st, kLanguageEnglish);
    return st;
}

}  // namespace rp::test
