#pragma once
// The batch channel editor without its window: the function switches kept in BatchFun.ini, the
// rules that normalise its inputs, and Apply, which writes the chosen fields into every channel
// of a range.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ValueText.h"

namespace rp {

struct AppState;

// The 21 batch functions, by number; the numbers are the byte offsets in BatchFun.ini.
enum BatchFun : int {
    kBatchRxFreq = 0,
    kBatchTxFreq = 1,
    kBatchDecTone = 2,
    kBatchEncTone = 3,
    kBatchName = 4,
    kBatchStep = 5,
    kBatchSpacing = 6,
    kBatchPower = 7,
    kBatchSignal = 8,
    kBatchSquelchMode = 9,
    kBatchDTMFPttId = 10,
    kBatchFiveTonePttId = 11,
    kBatchScrambler = 12,
    kBatchBusyLock = 13,
    kBatchTxInhibit = 14,
    kBatchCompander = 15,
    kBatchScanSkip = 16,
    kBatchReverse = 17,
    kBatchTalkAround = 18,
    kBatchCustomCTCSS = 19,
    kBatchSquelchLevel = 20,
};
constexpr int kBatchFunCount = 21;
using BatchFunArray = std::array<std::uint8_t, kBatchFunCount>;

// ---- BatchFun.ini: 21 raw bytes, one switch per function (any value above 0 is on) ----

void SetDefaultBatchFun(BatchFunArray& flags);
int IsBatchFunOn(std::uint8_t flag);
// The switches from the file at path. A missing file, or one shorter than 21 bytes, is (re)written
// with the defaults; a file that cannot be read leaves the switches as they were. The compander
// switch is off after every load that read or wrote the file.
void LoadBatchFun(AppState& st);
// Writes the 21 switches at the start of the file (created when missing; later bytes stay).
// False when the file cannot be written; nothing is shown.
bool SaveBatchFun(const AppState& st);

// ---- Input rules of the dialog's fields ----

// rData when it is a number, else rDef.
std::string DefaultData(std::string_view rData, std::string_view rDef);
// Frequencies in whole 10 Hz units. A value off the 2.5 kHz and the 6.25 kHz raster counted
// from the edge of a band moves to the 2.5 kHz raster point next to it, towards the edge.
std::int64_t StepDataFre(const AppState& st, std::int64_t units, bool isRx);
// An offset in MHz snapped to the raster counted from 0, "#0.00000".
std::string StepDataFree(std::string_view mhzText);
// A step in kHz snapped to the raster, as plain text ("12.5", "5").
std::string StepData(std::string_view khzText);
// The range boxes while typing: a number 0..199 without fraction or leading zeros; anything
// else "0".
std::string ClampRangeText(std::string_view text);
// The step boxes while typing: a number above 1000 becomes "1000".
std::string ClampStepText(std::string_view text);
// The RX (isRx) or TX start box on leaving: into a band and onto its raster, "#0.00000".
std::string NormaliseStartFreq(const AppState& st, std::string_view mhzText, bool isRx);
// What value box Text2(index) holds once the focus leaves it; `related` is the text of the box
// whose length limits this one (Text2(8) for 9, Text2(10) for 11). Index 7 and indexes outside
// 0..11 keep their text.
std::string NormaliseBatchField(const AppState& st, int index, std::string_view text, std::string_view related = {});

// ---- Tone and entry lists ----

constexpr int kBatchToneCount = 1077;  // none, 51 CTCSS tones, custom, 512 normal, 512 inverted DCS
constexpr int kBatchCustomToneItem = 52;
// Item 0 noneText, 1..51 the CTCSS tones, 52 customText, then "D000N".."D777N", "D000I".."D777I".
std::vector<std::string> BatchToneList(std::string_view noneText, std::string_view customText);

struct ToneFields {
    std::int16_t Kind = 0;  // 0 none, 1 CTCSS, 2 DCS
    std::int16_t CTCSSIndex = 0;
    std::int16_t DCSCode = 0;
    std::int16_t DCSInvert = 0;
};
// Turns a tone-list item into a channel's tone fields. Fields the item does not name keep their
// value, so a channel keeps its CTCSS index when it gets a DCS code and the other way round.
void GetToneByText(std::string_view text, int index, std::string_view customText, ToneFields& tone);
// The text without the characters of removeChars, as a whole number; def when empty or not a
// number.
int GetIntByText(std::string_view text, int def, std::string_view removeChars);

// The entry lists of the signalling function, from the working data.
struct BatchEntryLists {
    std::vector<std::string> DTMF;        // "1M".."16M", filled memories
    std::vector<std::string> TwoTone;     // "0".."31", used list entries
    std::vector<std::string> FiveTone;    // "0".."99", rows holding a code
    std::vector<std::string> MSK;         // "0".."31", enabled entries
    std::vector<std::string> TwoToneDecode;  // "1".."16", valid decode entries
};
BatchEntryLists GetBatchEntryLists(const AppState& st);

// Every list of the dialog, items in order.
struct BatchLists {
    std::vector<std::string> Tones;          // Combo1(0), Combo1(1)
    std::vector<std::string> Step;           // Combo1(2): the step index
    std::vector<std::string> Spacing;        // Combo1(3): 0 25 kHz, 1 12.5 kHz
    std::vector<std::string> Power;          // Combo1(4)
    std::vector<std::string> Signal;         // Combo1(5); "MSK{DN}" for the full model only
    std::vector<std::string> SquelchMode;    // Combo1(6)
    std::vector<std::string> PttId;          // Combo1(7), Combo1(8)
    std::vector<std::string> Scrambler;      // Combo1(9)
    std::vector<std::string> BusyLock;       // Combo1(10)
    std::vector<std::string> SquelchLevel;   // Combo1(15)
    BatchEntryLists Entries;                 // Combo1(11..14), Combo1(16)
};
BatchLists GetBatchLists(const AppState& st);

// ---- Apply ----

// What the dialog holds when Apply is pressed. Texts are the boxes' texts, indexes the lists'
// chosen items (-1 none), bools the option buttons and check boxes.
struct BatchSettings {
    bool AllChannels = true;             // Option1(0), else Option1(1) with the boxes
    std::string FromText = "0", ToText = "199";  // Text1(0), Text1(1): channels as shown
    bool DeleteOutside = false;          // Check4

    std::string RxStart, RxStep = "0";   // Text2(0), Text2(1)
    bool RxIncrease = true;              // Option2

    int TxRule = 0;                      // Option3: 0 default, 1 offset, 2 start frequency
    std::string TxOffset = "0.00000";    // Text2(2)
    bool OffsetPlus = true;              // Option4
    std::string TxStart, TxStep = "0";   // Text2(3), Text2(4)
    bool TxIncrease = true;              // Option5

    struct ToneRow {
        int ListIndex = 0;               // Combo1(0) / Combo1(1)
        std::string Interval = "0";      // Text2(5) / Text2(6)
        bool Random = false;             // Check3(0) / Check3(1)
        bool Increase = true;            // Option9 / Option10
    };
    ToneRow DecTone, EncTone;
    bool EncFollowsDec = true;           // Check3(2)

    bool NumericName = false;            // Option6
    std::string NameText;                // Text2(7): the name, or the prefix of a numeric ID
    std::string StartId = "0", IdStep = "0";  // Text2(8), Text2(9)
    bool IdIncrease = true;              // Option7

    int StepIndex = 0;                   // Combo1(2)
    int Spacing = 0;                     // Combo1(3)
    int Power = 0;                       // Combo1(4)
    std::string SignalText;              // Combo1(5)
    std::string DTMFText, TwoToneText, FiveToneText, MSKText, DecodeText;  // Combo1(11..14, 16)
    int SquelchMode = 0;                 // Combo1(6)
    int DTMFPttId = 0, FiveTonePttId = 0;  // Combo1(7), Combo1(8)
    int Scrambler = 0;                   // Combo1(9)
    int BusyLock = 0;                    // Combo1(10)
    std::array<bool, 5> Checks{};        // Check1(0..4): TX inhibit, compander, scan skip, reverse, talk-around
    std::string CustomTone;              // Text3, Hz
    int SquelchLevel = 3;                // Combo1(15)
};

constexpr int kBatchIdLimit = 6;  // characters of a name, and the typing limit of the start ID

// The normalisation Apply runs on the fields of the functions that are on, as leaving each field
// would; the dialog shows the normalised texts afterwards.
void NormaliseBatchSettings(const AppState& st, BatchSettings& s);

// A uniform number in [0, 1); drawn once per channel and random tone function.
using BatchRandom = std::function<double()>;

// Writes the functions whose switch in st.BatchFunFlags is on into every channel of the range, creating missing channels when
// the RX frequency function is on; deletes the memory channels outside the range first when
// asked to. The settings are normalised in place. `message` shows the refusal to delete the last
// channel. The caller redraws the grids.
void ApplyBatch(AppState& st, BatchSettings& s, const BatchRandom& random, const MessageFn& message);

}  // namespace rp
