#include "model/LangText.h"

#include "model/IniFile.h"

namespace rp {

std::string LangIniPathFor(int languageIndex) {
    return languageIndex == kLanguageChinese ? "language/chinese.ini" : "language/english.ini";
}

void SetLanguage(AppState& state, int languageIndex) {
    state.LanguageIndex = languageIndex == kLanguageChinese ? kLanguageChinese : kLanguageEnglish;
    state.LangIniPath = LangIniPathFor(state.LanguageIndex);
    auto file = IniFile::Load(state.ProgramDir + "/" + state.LangIniPath);
    auto shared = std::make_shared<const IniFile>(file ? std::move(*file) : IniFile());
    state.LangFile = shared;
    state.LangText = [shared](int id) { return shared->Get("OTHER", std::to_string(id)); };
}

std::string GetLangStr(const AppState& state, int id) {
    return state.LangText ? state.LangText(id) : std::string();
}

std::string GetOptionStr(const AppState& state, std::string_view key) {
    return state.LangFile ? state.LangFile->Get("OPTION", key) : std::string();
}

std::string GetMsgStr(const AppState& state, std::string_view key) {
    return state.LangFile ? state.LangFile->Get("MSG", key) : std::string();
}

namespace {
void Fill(std::array<std::string, 3>& table, const char* english, const char* chinese) {
    table = {std::string(), english, chinese};
}
}  // namespace

void InitMsgString(AppState& s) {
    s.CommTitleText[1][1] = "Read data from radio";
    s.CommTitleText[1][2] = "从对讲机读取数据";
    s.CommTitleText[2][1] = "Write data to radio";
    s.CommTitleText[2][2] = "向对讲机写入数据";
    Fill(s.ProgressLabelText, "Completion percentage:", "完成进度:");
    Fill(s.ReadPromptText, "Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？");
    Fill(s.WritePromptText, "Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？");
    Fill(s.RadioKilledText, "Radio is killed,can't be written!", "对讲机被遥毙，不能写入！");
    Fill(s.RadioFaintedText, "Radio is fainted,can't be written!", "对讲机被遥晕，不能写入！");
    Fill(s.VersionWrongText, "Version is wrong. Overwrite?", "版本错误。");
    Fill(s.BandWrongText, "Frequencys is wrong!", "频段类型错误！");
    Fill(s.ClearAllText, "All data will be cleared.", "所有数据将被清空。");
    Fill(s.FileErrorText, "file error.", "文件错误。");
    Fill(s.OverwriteText, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？");
    Fill(s.SaveChangesText, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？");
    Fill(s.DataFileText, "Data File", "数据文件");
    Fill(s.ClearFreqText, "Frequency data will be cleared.", "频率数据将被清除。");
    Fill(s.WarningText, "Warning", "警告");
}

void InitFunLangText(AppState& s) {
    Fill(s.CloseCaptionText, "&Close", "关闭(&C)");
    Fill(s.HelpCaptionText, "&Help", "帮助(&H)");
}

}  // namespace rp
