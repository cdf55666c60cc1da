#pragma once
// Numbered texts of the current language file (language/english.ini or language/chinese.ini).
#include <string>
#include <string_view>

#include "model/AppState.h"

namespace rp {

inline constexpr int kLanguageEnglish = 1;
inline constexpr int kLanguageChinese = 2;

// "language/english.ini" or "language/chinese.ini", relative to the program folder.
std::string LangIniPathFor(int languageIndex);

// Sets LanguageIndex and LangIniPath, reads the language file once and points AppState::LangText
// at it. A missing file gives "" for every text.
void SetLanguage(AppState& state, int languageIndex);

// Section "OTHER": the text with that number, "" when it is missing or empty.
std::string GetLangStr(const AppState& state, int id);
// Sections "OPTION" (five-digit keys of list texts) and "MSG" (prompt keys), read directly.
std::string GetOptionStr(const AppState& state, std::string_view key);
std::string GetMsgStr(const AppState& state, std::string_view key);

// The bilingual message tables and caption tables built into the program.
void InitMsgString(AppState& state);
void InitFunLangText(AppState& state);

}  // namespace rp
