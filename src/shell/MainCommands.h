#pragma once
// What the main window's file and radio commands do, in which order, with which questions.
// The window plugs in its message boxes, file dialogs, data files and the exchange through
// CommandHost, so every path here is tested without a window or a serial port.
#include <array>
#include <optional>
#include <string>

#include "model/AppState.h"
#include "model/MsgCodes.h"

namespace rp {

class CommandHost {
public:
    virtual ~CommandHost() = default;

    // A message box with the program's title; returns the button pressed (MsgButton).
    virtual int Message(const std::string& text, int style) = 0;
    // Key "9001" of section "MSG" of the current language file: save before going on.
    virtual std::string SaveFirstText() = 0;
    // File dialogs: nothing when the user cancels.
    virtual std::optional<std::string> AskOpenFileName() = 0;
    virtual std::optional<std::string> AskSaveFileName(const std::string& current) = 0;

    // The data files. Each reports its own failure to the user; false = nothing was saved.
    virtual bool IsDataChanged() = 0;
    virtual bool SaveDataFile() = 0;
    virtual bool OpenDataFile() = 0;  // false when the file was refused
    virtual void NewDataFile() = 0;

    // The exchange. StartComm opens the port for CommMode and reports a port that does not open
    // itself; Abandon closes it again when the user declines.
    virtual bool StartComm() = 0;
    virtual void Abandon() = 0;
    // Pre-fill the image, count the blocks, show the progress window and send the entry word.
    virtual void BeginRead() = 0;
    // The same after the encoders; false when an encoder refused the data (it said why).
    virtual bool BeginWrite() = 0;
    // Pre-fill the image and send the entry word, with no progress window.
    virtual void BeginInfoRead() = 0;
};

// The entry of a bilingual table for the current language ("" before the tables are filled).
std::string Bilingual(const AppState& s, const std::array<std::string, 3>& table);
// Why a Save As name was refused.
std::string BadFileNameText(const AppState& s);

// The file-name part of a path.
std::string GetFileNameOfPath(const std::string& path);

// A name chosen in the Save As dialog as the data file's name: ".dat" is added when it does not
// end in it; nothing when the name ends in "fre", which would be the channel file's own name.
std::optional<std::string> NormaliseDataFileName(const std::string& chosen);

// The model and band dialog's choice on the data. A new band resets the channels and banks to
// that band's defaults; returns true when it did.
bool ApplyModelAndBand(AppState& s, const std::string& modelCode, const std::string& modelName, int bandIndex);

// Each command returns true when it went through to its end.
class MainCommands {
public:
    MainCommands(AppState& state, CommandHost& host) : s_(state), host_(host) {}

    bool FileNew();
    bool SetInit();  // New that keeps every factory channel of the default data file
    bool FileOpen();
    bool FileSave();
    bool FileSaveAs();
    bool ProRead();
    bool ProWrite();
    bool ReadRadioInfo();
    // True when the program may end: nothing unsaved, or the user saved or dropped it.
    bool CanExit();

    // Read, Write, the information read and the port choice wait while an exchange runs.
    bool ExchangeRunning() const { return s_.CommMode != CommModes::Idle; }

private:
    // The save question of New and Read: false when the user stops the command there.
    bool OfferSave(const std::string& text);
    // Key 9001 of the language file, or the built-in question when the file lacks it: a
    // Yes/No/Cancel box without its question cannot be answered.
    std::string SaveFirstQuestion();
    void EndExchange();

    AppState& s_;
    CommandHost& host_;
};

}  // namespace rp
