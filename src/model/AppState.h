#pragma once
// The program's module-level data in one object. The application owns one; tests make their own.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/Records.h"

namespace rp {

// Address ranges of the image that an exchange steps over, in the order added (ascending).
struct SkipRange {
    long Start = 0;
    long End = 0;  // inclusive
};
struct SkipRangeTable {
    static constexpr int kMaxRanges = 501;
    std::array<SkipRange, kMaxRanges> Ranges{};
    int SkipRangeCount = 0;
};

class IniFile;

using TestDataBlock = std::array<std::uint8_t, 16>;

// Lower limit of the broadcast-radio list for a model: the full model of the family tunes down
// to 64 MHz, every other model from 76 MHz.
inline double RadioBandLowForModel(std::string_view modelCode) {
    return modelCode == "6173USD" ? 64.0 : 76.0;
}

// The exchange that runs, as AppState::CommMode holds it.
namespace CommModes {
constexpr int Idle = 0, Read = 1, Write = 2, InfoRead = 3;
}

struct AppState {
    // Working data and the copies as last saved or opened.
    RadioData CurRadioData;
    RadioData FileRadioData;
    ChannelArray ChannelTable{};
    ChannelArray FileChannelTable{};
    ChannelData ChannelClipboard;  // Used says whether it holds a channel
    ChannelData EditChannel;
    BankArray EditBankTable{};
    SignalData EditSignalData;
    RadioInfo CurRadioInfo;

    // Model and band of the current data.
    std::string CurModelCode = "6173USD";
    std::string CurModelName;
    std::string CurBandText = "UHF(400 - 480 MHz) VHF(136 - 174 MHz)";
    int CurBandIndex = 0;
    std::string CurVersionText = "V100";
    double RxBandLow[2] = {400.0, 136.0};
    double RxBandHigh[2] = {480.0, 174.0};
    double TxBandLow[2] = {400.0, 136.0};
    double TxBandHigh[2] = {480.0, 174.0};
    double RadioBandLow = 76.0, RadioBandHigh = 108.0;
    double AMBandLow = 118.0, AMBandHigh = 136.0;
    std::string RadioModelCode;  // what the radio reported in its identification

    // Files.
    std::string DataFileName = "new.dat";
    std::string CommBookFileName = "new.cb";
    // The book editor's buffer lives as long as the program: entries 80..127 keep what the last
    // imported book file held there, for the next export.
    std::array<CommBookEntry, 128> CommBookBuffer{};
    int IsNewData = -1;  // -1 from New or a radio read, 0 once saved or opened

    // Flags that New and the exchange set.
    int RadioKilled = 0;
    int RadioFainted = 0;
    bool GridCopyFlags[3] = {false, false, false};
    bool NoInitFileFlag = false;
    int FactoryFresFlag = 0;
    int ForceFactoryFres = 0;

    // Factory test data: block 0 as the last read brought it (none before any read). In the
    // test-data mode it travels with the data file in a test-data file beside it.
    bool TestDataMode = false;
    std::optional<TestDataBlock> TestData;
    std::optional<TestDataBlock> FileTestData;

    // Language (1 English, 2 Chinese).
    int LanguageIndex = 1;

    // The radio memory image by radio address and the exchange that uses it (CommModes).
    std::array<std::uint8_t, 0x4000> CommImage{};
    int CommMode = CommModes::Idle;
    bool WriteAllowed = true;
    int CommEndAddress = 0x4000;  // an older radio ends at 0x3D00

    // What the radio reported in its identification besides its model code.
    int RadioBandIndex = 0;
    std::string RadioBandText;

    // Ranges the exchange skips and the progress count of the current phase, in blocks.
    SkipRangeTable SkipRanges;
    int ProgressCount = 0;
    int ProgressTotal = 0;

    // Numbered texts of the current language; the shell plugs in the language files. The core
    // asks for texts through this and never shows a window itself.
    std::function<std::string(int)> LangText = [](int) { return std::string(); };

    // Folder of the program: language/ and Init/ are looked for beside it.
    std::string ProgramDir = ".";

    // Start-up, language and settings.
    std::string LangIniPath = "language/english.ini";  // relative to ProgramDir
    std::shared_ptr<const IniFile> LangFile;           // the current language file, read once
    char SavedDecimalSep = '.';  // the user's separator as found at start; the program never changes it
    std::string RadioVersion = "V100";
    int ReadBlockSize = 16;
    int WriteBlockSize = 16;
    bool NoEchoFlag = true;
    int EchoLength = 0;
    int HelpFileFlag = 0;
    int PrintMenuFlag = 0;
    int CurChannelNo = 0;
    std::string TypedPassWord;  // the password the user last confirmed; never stored
    int CurEditRow = 0, CurEditCol = 0;  // the channel grid's cell being edited in place
    // The batch editor's function switches (21 bytes, above 0 = on) and the file that keeps them.
    std::array<std::uint8_t, 21> BatchFunFlags{};
    std::string BatchFunIniPath;  // empty: BatchFun.ini in ProgramDir
    // mysetup.ini, section "language".
    std::string SetupIniPath;
    bool IsFirstRun = false;
    std::string ComPortName;  // as the system names it, or a typed device path
    int HandshakingValue = 0;
    int StopBitValue = 1;
    // Bilingual tables, index 1 English, 2 Chinese (0 stays "").
    std::string CommTitleText[3][3];  // [1 read, 2 write][language]
    std::array<std::string, 3> ProgressLabelText, ReadPromptText, WritePromptText, RadioKilledText,
        RadioFaintedText, VersionWrongText, BandWrongText, ClearAllText, FileErrorText, OverwriteText,
        SaveChangesText, DataFileText, ClearFreqText, WarningText, CloseCaptionText, HelpCaptionText;

    // Printout: caption tables (index 1 English, 2 Chinese), filled once by InitPrintText.
    std::array<std::string, 3> PrtTextFileName, PrtTextSelectAll, PrtTextClearAll, PrtTextSet,
        PrtTextChannel, PrtTextVHFChannel, PrtTextRadioChannel, PrtTextOption, PrtTextDTMF,
        PrtText2Tone, PrtText5Tone, PrtTextCommBook, PrtTextEmbedded, PrtTextTitle, PrtTextOK,
        PrtTextCancel, PrtTextModelType, PrtTextFrequency, PrtTextSelectItems;
    std::string PrtTextOnOff[3][3];  // [check value + 1][language]
    // The print dialog's ticks as its last OK stored them, and the outcome of the last job.
    std::array<int, 10> PrintItemFlags{};
    bool PrintJobOK = false;
};

}  // namespace rp
