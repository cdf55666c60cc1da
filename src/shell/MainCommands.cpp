#include "shell/MainCommands.h"

#include <algorithm>
#include <cctype>

#include "model/BandText.h"
#include "model/Banks.h"
#include "model/NewData.h"

namespace rp {

namespace {

std::string Pick(const AppState& s, const std::string& english, const std::string& chinese) {
    return s.LanguageIndex == 2 ? chinese : english;
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.rbegin(), tail.rend(), text.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::string Bilingual(const AppState& s, const std::array<std::string, 3>& table) {
    return s.LanguageIndex == 2 ? table[2] : table[1];
}

std::string BadFileNameText(const AppState& s) {
    return Pick(s, "A data file name must not end in \"fre\": that name belongs to the channel file.",
                "数据文件名不能以“fre”结尾：这是信道文件的名称。");
}

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

bool ApplyModelAndBand(AppState& s, const std::string& modelCode, const std::string& modelName, int bandIndex) {
    if (!modelCode.empty()) {
        s.CurModelCode = modelCode;
        s.CurModelName = modelName;
    }
    if (bandIndex == s.CurBandIndex || bandIndex < 0 || bandIndex >= kBandVariants) return false;
    s.CurBandIndex = bandIndex;
    s.CurBandText = GetBandRangeStr(bandIndex);
    ParseFreBandStr(s);
    // Frequencies of the old band would lie outside the new one.
    ClearBankData(s.CurRadioData);
    s.CurRadioData.ChannelCount = 0;
    InitDefaultChannels(s);
    return true;
}

bool MainCommands::OfferSave(const std::string& text) {
    if (!host_.IsDataChanged()) return true;
    switch (host_.Message(text, MsgStyle::ExclamationYesNoCancel)) {
    case MsgButton::Yes: return FileSave();
    case MsgButton::No: return true;
    default: return false;
    }
}

std::string MainCommands::SaveFirstQuestion() {
    std::string text = host_.SaveFirstText();
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) text = Bilingual(s_, s_.SaveChangesText);
    return text;
}

void MainCommands::EndExchange() {
    host_.Abandon();
    s_.CommMode = CommModes::Idle;
}

bool MainCommands::FileNew() {
    if (!OfferSave(SaveFirstQuestion())) return false;
    if (!s_.ForceFactoryFres && host_.Message(Bilingual(s_, s_.ClearAllText), MsgStyle::ExclamationOkCancel) != MsgButton::Ok)
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
    if (!OfferSave(Bilingual(s_, s_.SaveChangesText))) return false;
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
    const std::string question = "\"" + GetFileNameOfPath(s_.DataFileName) + "\"" + Bilingual(s_, s_.OverwriteText);
    if (host_.Message(question, MsgStyle::QuestionOkCancel) != MsgButton::Ok) return false;
    return host_.SaveDataFile();
}

bool MainCommands::FileSaveAs() {
    const auto chosen = host_.AskSaveFileName(s_.DataFileName);
    if (!chosen) return false;
    const auto name = NormaliseDataFileName(*chosen);
    if (!name) {
        host_.Message(BadFileNameText(s_), MsgStyle::Exclamation);
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
    if (!OfferSave(SaveFirstQuestion())) return false;
    s_.CommMode = CommModes::Read;
    if (!host_.StartComm()) {
        s_.CommMode = CommModes::Idle;
        return false;
    }
    if (host_.Message(Bilingual(s_, s_.ReadPromptText), MsgStyle::QuestionOkCancel) != MsgButton::Ok) {
        EndExchange();
        return false;
    }
    host_.BeginRead();
    return true;
}

bool MainCommands::ProWrite() {
    if (ExchangeRunning()) return false;
    s_.CommMode = CommModes::Write;
    if (!host_.StartComm()) {
        s_.CommMode = CommModes::Idle;
        return false;
    }
    if (host_.Message(Bilingual(s_, s_.WritePromptText), MsgStyle::QuestionOkCancel) != MsgButton::Ok) {
        EndExchange();
        return false;
    }
    if (!host_.BeginWrite() || !s_.WriteAllowed) {
        // The encoder has told the user why; the port must not stay open behind its message.
        EndExchange();
        return false;
    }
    return true;
}

bool MainCommands::ReadRadioInfo() {
    if (ExchangeRunning()) return false;
    s_.CommMode = CommModes::InfoRead;
    if (!host_.StartComm()) {
        s_.CommMode = CommModes::Idle;
        return false;
    }
    host_.BeginInfoRead();
    return true;
}

bool MainCommands::CanExit() {
    if (!host_.IsDataChanged()) return true;
    switch (host_.Message(Bilingual(s_, s_.SaveChangesText), MsgStyle::ExclamationYesNoCancel)) {
    case MsgButton::Yes: return FileSave();
    case MsgButton::No: return true;
    default: return false;
    }
}

}  // namespace rp
