#include "shell/MainCommands.h"

#include <algorithm>
#include <cctype>

namespace rp {

namespace {

const std::string& Pick(const AppState& s, const std::string& english, const std::string& chinese) {
    return s.LanguageIndex == 2 ? chinese : english;
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.rbegin(), tail.rend(), text.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::string ReadPromptText(const AppState& s) {
    static const std::string en = "Read data from radio.\r\nDo you wish continue?";
    static const std::string zh = "从对讲机读取数据。\r\n是否继续？";
    return Pick(s, en, zh);
}

std::string WritePromptText(const AppState& s) {
    static const std::string en = "Write data to radio.\r\nDo you wish continue?";
    static const std::string zh = "向对讲机写入数据。\r\n是否继续？";
    return Pick(s, en, zh);
}

std::string ClearAllText(const AppState& s) {
    return Pick(s, "All data will be cleared.", "所有数据将被清空。");
}

std::string OverwriteText(const AppState& s) {
    return Pick(s, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？");
}

std::string SaveChangesText(const AppState& s) {
    return Pick(s, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？");
}

std::string BadFileNameText(const AppState& s) {
    return Pick(s, "A data file name must not end in \"fre\": that name belongs to the channel file.",
                "数据文件名不能以“fre”结尾：这是频道文件的名称。");
}

std::string CommTitleText(const AppState& s, int mode) {
    if (mode == 2) return Pick(s, "Write data to radio", "向对讲机写入数据");
    return Pick(s, "Read data from radio", "从对讲机读取数据");
}

std::string ProgressLabelText(const AppState& s) { return Pick(s, "Completion percentage:", "完成进度:"); }
std::string DataFileText(const AppState& s) { return Pick(s, "Data File", "数据文件"); }
std::string ClearFreqText(const AppState& s) {
    return Pick(s, "Frequency data will be cleared.", "频率数据将被清除。");
}
std::string WarningText(const AppState& s) { return Pick(s, "Warning", "警告"); }

std::string GetFileNameOfPath(const std::string& path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::optional<std::string> NormaliseDataFileName(const std::string& chosen) {
    if (GetFileNameOfPath(chosen).empty()) return std::nullopt;
    // The channel file is the data file's name with its last three letters made "fre"; a data
    // file named like that would be overwritten by its own channel file.
    if (EndsWithNoCase(chosen, "fre")) return std::nullopt;
    if (EndsWithNoCase(chosen, ".dat")) return chosen;
    return chosen + ".dat";
}

bool MainCommands::OfferSave(const std::string& text) {
    if (!host_.IsDataChanged()) return true;
    switch (host_.Message(text, Style::YesNoCancelExclamation)) {
    case Answer::Yes: return FileSave();
    case Answer::No: return true;
    default: return false;
    }
}

void MainCommands::EndExchange() {
    host_.ClosePort();
    s_.CommMode = 0;
}

bool MainCommands::FileNew() {
    if (!OfferSave(host_.SaveFirstText())) return false;
    if (!s_.ForceFactoryFres && host_.Message(ClearAllText(s_), Style::OkCancelExclamation) != Answer::OK)
        return false;
    host_.NewDataFile();
    return true;
}

bool MainCommands::SetInit() {
    s_.ForceFactoryFres = 1;
    const bool done = FileNew();
    s_.ForceFactoryFres = 0;
    return done;
}

bool MainCommands::FileOpen() {
    if (!OfferSave(SaveChangesText(s_))) return false;
    const auto name = host_.AskOpenFileName();
    if (!name) return false;
    const std::string previous = s_.DataFileName;
    s_.DataFileName = *name;
    const bool opened = host_.OpenDataFile();
    // A refused file must not become the target of the next Save.
    if (!opened) s_.DataFileName = previous;
    return opened;
}

bool MainCommands::FileSave() {
    if (s_.IsNewData != 0) return FileSaveAs();
    const std::string question = "\"" + GetFileNameOfPath(s_.DataFileName) + "\"" + OverwriteText(s_);
    if (host_.Message(question, Style::OkCancelQuestion) != Answer::OK) return false;
    return host_.SaveDataFile();
}

bool MainCommands::FileSaveAs() {
    const auto chosen = host_.AskSaveFileName(s_.DataFileName);
    if (!chosen) return false;
    const auto name = NormaliseDataFileName(*chosen);
    if (!name) {
        host_.Message(BadFileNameText(s_), Style::Exclamation);
        return false;
    }
    const std::string previous = s_.DataFileName;
    s_.DataFileName = *name;
    if (host_.SaveDataFile()) return true;
    s_.DataFileName = previous;
    return false;
}

bool MainCommands::ProRead() {
    if (ExchangeRunning()) return false;
    if (!OfferSave(host_.SaveFirstText())) return false;
    s_.CommMode = 1;
    if (!host_.StartComm()) {
        s_.CommMode = 0;
        return false;
    }
    if (host_.Message(ReadPromptText(s_), Style::OkCancelQuestion) != Answer::OK) {
        EndExchange();
        return false;
    }
    host_.InitCommImage();
    host_.PrepareRead();
    host_.ShowProgress();
    return true;
}

bool MainCommands::ProWrite() {
    if (ExchangeRunning()) return false;
    s_.CommMode = 2;
    if (!host_.StartComm()) {
        s_.CommMode = 0;
        return false;
    }
    if (host_.Message(WritePromptText(s_), Style::OkCancelQuestion) != Answer::OK) {
        EndExchange();
        return false;
    }
    host_.InitCommImage();
    s_.WriteAllowed = true;
    host_.SetCommData();
    host_.PrepareWrite();
    if (!s_.WriteAllowed) {
        // The encoder has told the user why; the port must not stay open behind its message.
        EndExchange();
        return false;
    }
    host_.ShowProgress();
    return true;
}

bool MainCommands::ReadRadioInfo() {
    if (ExchangeRunning()) return false;
    s_.CommMode = 3;
    if (!host_.StartComm()) {
        s_.CommMode = 0;
        return false;
    }
    host_.InitCommImage();
    host_.SendProgramWord();
    return true;
}

bool MainCommands::CanExit() {
    if (!host_.IsDataChanged()) return true;
    switch (host_.Message(SaveChangesText(s_), Style::YesNoCancelExclamation)) {
    case Answer::Yes: return FileSave();
    case Answer::No: return true;
    default: return false;
    }
}

}  // namespace rp
