#pragma once
// The channel dialog (FrmCHEdit) as plain data: its captions, its list items, what it shows for
// a channel record, the rules that tie its controls together, and how its values are stored.
//
// The dialog only moves values between these and its controls; the printout of the channel
// section calls the same builders and ShowChannelData on its own copy of the data, so every text
// the dialog displays comes from here. Nothing here shows a window or touches Qt.
//
// A list choice is the zero-based item index, -1 for no choice; a check value is 0 or 1.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/Banks.h"
#include "model/MsgCodes.h"
#include "model/Records.h"
#include "model/ValueText.h"

namespace rp {

struct AppState;

// Numbered text of a language (GetLangStr's form); AppState::LangText is one.
using LangFn = std::function<std::string(int)>;
// A message for the user with its MsgBox style (MsgStyle).
using MessageBoxFn = std::function<void(const std::string& text, int style)>;

// Channel numbers the dialog treats apart.
constexpr int kVfo1Channel = 205;
constexpr int kVfo2Channel = 206;

// The text of a new message: a receive frequency that is not a number.
constexpr int kRxNotNumberText = 2010;  // the same text the grid shows

// The texts of a channel's stored step and bandwidth indexes, in list order: the channel dialog
// and the batch dialog show the same lists.
std::vector<std::string> ChannelStepItems();
std::vector<std::string> ChannelBandwidthItems();

// Item lists of the dialog's controls.
struct ChannelEditLists {
    std::vector<std::string> Step;            // Combo1(0): "2.5K" .. "50K"
    std::vector<std::string> Bandwidth;       // Combo1(1)
    std::vector<std::string> Power;           // Combo1(2)
    std::vector<std::string> OptSig;          // Combo1(4): off, DTMF, 2-Tone, 5-Tone[, MSK]
    std::vector<std::string> ToneKind;        // Combo1(5), Combo1(10): off, CTCSS, DCS
    std::vector<std::string> Scrambler;       // Combo1(6)
    std::vector<std::string> PttId;           // Combo1(7), Combo1(8)
    std::vector<std::string> SquelchModes;    // Combo1(11), the full list of five
    std::vector<std::string> ExtraDisplay;    // Combo1(12): values 0, 1, 2, 4 .. 10
    std::vector<std::string> BusyLock;        // Combo1(13)
    std::vector<std::string> SquelchLevel;    // Combo1(15): "0" .. "9"
    std::vector<std::string> TwoToneDecode;   // Combo1(16): used decode entries, counted from 1
    std::vector<std::string> OffsetMode;      // Combo1(17)
    std::vector<std::string> Shift;           // Combo2: none, "-", "+"
    std::vector<std::string> Ctcss;           // Combo3(0), Combo3(1): 51 tones, then the custom one
    std::vector<std::string> Dcs;             // Combo3(2), Combo3(3): "000" .. "777", index = code
    std::vector<std::string> DtmfMemories;    // Combo4(0): "M1" .. "M16"
    std::vector<std::string> TwoToneEntries;  // Combo4(1): used 2-Tone list entries, counted from 0
    std::vector<std::string> FiveToneRows;    // Combo4(2): 5-Tone code rows holding a code, from 0
    std::vector<std::string> MskEntries;      // Combo4(3): enabled MSK entries, from 0
    std::vector<std::string> Banks;           // ListBank: "Bank 1" .. "Bank 9"
};
ChannelEditLists BuildChannelEditLists(const AppState& st, const LangFn& lang);
ChannelEditLists BuildChannelEditLists(const AppState& st);  // in the current language

struct ChannelEditCaptions {
    std::string Title;
    std::array<std::string, 4> Label1;   // RX, shift and offset, name, TX
    std::array<std::string, 18> Label2;  // the label of Combo1(i); "" where it has none
    std::string Label3, Label4;          // PTT ID code, custom CTCSS
    std::string Check1, Check2, Check3, Check4_0, Check4_1, Check5, Check6, Check7;
    std::string OK, Cancel;
};
ChannelEditCaptions BuildChannelEditCaptions(const LangFn& lang);
ChannelEditCaptions BuildChannelEditCaptions(const AppState& st);

// The values the dialog holds, one per control (hidden ones included).
struct ChannelEditValues {
    std::string RxText;      // Text1(0)
    std::string TxText;      // Text1(10)
    std::string OffsetText;  // Text1(1)
    int Shift = 0;           // Combo2
    std::array<std::string, 6> NameChars;  // Text1(2) .. Text1(7), one character each
    int Step = 0, Bandwidth = 0, Power = 0;
    int OptSig = 0;                  // Combo1(4)
    int DecKind = 0, EncKind = 0;    // Combo1(5), Combo1(10)
    int Scrambler = 0;               // Combo1(6)
    int DtmfPttId = 0, FiveTonePttId = 0;  // Combo1(7), Combo1(8)
    int SquelchMode = 0;             // item of the full list Combo1(11)
    int ExtraDisplay = 0;            // Combo1(12)
    int BusyLock = 0;                // Combo1(13)
    int SquelchLevel = 0;            // Combo1(15)
    int TwoToneDecode = -1;          // Combo1(16)
    int OffsetMode = 0;              // Combo1(17)
    int DecCtcss = -1, EncCtcss = -1;  // Combo3(0), Combo3(1)
    int DecDcs = -1, EncDcs = -1;      // Combo3(2), Combo3(3)
    int DecInvert = 0, EncInvert = 0;  // Check2(0), Check2(1)
    std::array<int, 4> IdIndex{-1, -1, -1, -1};  // Combo4(0) .. Combo4(3)
    int TxInhibit = 0;    // Check1
    int PttIdFlag = 0;    // Check3
    int Reverse = 0;      // Check4(0)
    int TalkAround = 0;   // Check4(1)
    int Compander = 0;    // Check5
    int ScanSkip = 0;     // Check6
    int PttIdDecode = 0;  // Check7
    std::string PttIdCode;    // Text2
    std::string CustomCtcss;  // Text3
    BankList Banks{};         // ListBank ticks, item b - 1 = bank b
    bool operator==(const ChannelEditValues&) const = default;
};

// Everything the dialog displays for a channel: the values and the state of the controls that
// depend on them.
struct ChannelEditView {
    ChannelEditValues Values;
    bool NameShown = true;   // not for the VFOs
    bool BanksShown = true;  // memory channels only
    int IdListShown = -1;    // which Combo4 is shown, -1 none
    bool DecCtcssShown = false, DecDcsShown = false;  // Check2(0) goes with the DCS list
    bool EncCtcssShown = false, EncDcsShown = false;
    std::vector<int> SquelchOffered;  // Combo1(9): items of the full list, in order
    bool TwoToneDecodeEnabled = false;
    bool ValueControlsEnabled = false;  // false while there is no RX frequency
};

// Whether a channel number names a VFO (no name, no bank) or a memory channel (banks).
inline bool HasChannelName(int number) { return number < kVfo1Channel; }
inline bool HasChannelBanks(int number) { return number >= 1 && number <= kMemoryChannels; }

// The squelch modes offered beside a tone kind (0 none, 1 CTCSS, 2 DCS) and signalling: items
// of the full list. An out-of-range kind counts as none.
std::vector<int> OfferedSquelchModes(int toneKind, bool signalling);
// The tone kind that governs the squelch modes: the encode side's while reverse is ticked.
inline int GoverningToneKind(int decKind, int encKind, int reverse) { return reverse ? encKind : decKind; }
// Combo4 list that goes with a signalling type 1 .. 4; -1 for none.
inline int IdListOfSignalType(int signalType) { return signalType >= 1 && signalType <= 4 ? signalType - 1 : -1; }
// Signalling type of the chosen item of Combo1(4).
int SignalTypeOfOptSig(const ChannelEditLists& lists, int optSig);
// Item of Combo1(12) for a stored ExtraDisplay value and back.
int ExtraDisplayItem(const ChannelEditLists& lists, int value);
int ExtraDisplayValue(int item);

// Copies the live banks into the edit copy and loads EditChannel with channel `number`, or
// with an empty channel of that number (which also enters its default bank of the edit copy).
void LoadEditChannel(AppState& st, int number);

// What the dialog shows for `record` as channel `number` with these banks. Reads nothing else
// of `st` than the band limits (for an unreadable RX text). Changes nothing; a stored RX or
// offset text that is not a number reports "Not IsNumeric" through `message`.
ChannelEditView ShowChannelData(const AppState& st, const ChannelEditLists& lists, int number,
                                const ChannelData& record, const BankArray& banks,
                                const MessageFn& message = {});

// How OK ended.
enum class ChannelStoreOutcome {
    Stored,         // the record was changed or added; its banks follow the ticks
    Deleted,        // an empty RX deleted the memory channel
    DeleteRefused,  // it was the last memory channel
    NothingStored,  // an empty RX on a channel without record, or a PL/PU channel
    Refused,        // the dialog stays open with the focus on the RX box
};
struct ChannelStoreResult {
    ChannelStoreOutcome Outcome = ChannelStoreOutcome::NothingStored;
    // Texts OK writes back into the dialog's boxes (empty where it writes nothing).
    std::string RxText, OffsetText, PttIdCode, CustomCtcss;
    int Shift = 0;
};

// OK of the channel dialog up to the redraw: checks the RX text, then stores `values` into
// channel `number` (changing its record in place or appending it) with the bank ticks, deletes
// the channel, stores nothing, or refuses. The bank edit copy becomes the live bank table
// whenever a record is stored or deleted.
ChannelStoreResult StoreChannelEdit(AppState& st, const ChannelEditLists& lists, int number,
                                    const ChannelEditValues& values, const MessageBoxFn& message = {});

}  // namespace rp
