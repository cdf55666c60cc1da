#pragma once
// The function settings (FrmOption) without widgets: its lists, what it shows for the working
// data, what each change and OK store. The printout calls ShowOption on the same data and prints
// what it returns; nothing here changes its input.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/AppState.h"

namespace rp {

constexpr int kOptionCombos = 34;    // Combo1(0..33)
constexpr int kOptionChecks = 17;    // Check1(0..16)
constexpr int kOptionLinks = 10;     // Check3(0..9)
constexpr int kOptionTextBoxes = 12; // Text1(0..11)

// The settings the dialog writes straight into RadioData on OK, by the places that hold them.
struct OptionSingles {
    std::uint8_t BroadcastRadioOn = 0;  // OptionBytesA[1]
    std::uint8_t AMDisplayMode = 0;     // OptionBytesA[2]
    std::uint8_t AMChannelNo = 0;       // OptionBytesA[3]
    std::uint8_t SubUnitVolume = 0;     // OptionBytesA[4]
    std::uint8_t BroadcastBand = 0;     // OptionBytesA[5]
    std::uint8_t PF1KeyFunction = 0;    // OptionBytesB[0]
    std::uint8_t AMEnabled = 0;         // OptionBytesB[1]
    std::uint8_t FMEnabled = 0;         // OptionBytesB[2]
    std::uint8_t SWEnabled = 0;         // OptionBytesB[3]
    std::uint8_t LWEnabled = 0;         // OptionBytesB[4]
    std::uint8_t RptMute = 0;           // TailByte
    std::int16_t ScanQuick = 0;         // TailWord1
    std::int16_t UpperSquelchLevel = 0; // TailWord2
    std::int16_t LowerSquelchLevel = 0; // TailWord3
    bool operator==(const OptionSingles&) const = default;
};
OptionSingles GetOptionSingles(const RadioData& r);
void SetOptionSingles(RadioData& r, const OptionSingles& v);

// Opening the dialog trims SWFreq, LWFreq and AM entries 0..99 at their first NUL and trailing
// blanks and stores them back blank-padded.
void NormaliseOptionTexts(RadioData& r);

// A frequency box after it is left: not a number gives the default, a number is clamped to the
// band and written with four decimals.
std::string NormaliseSWFreqText(std::string_view text);  // 2.3 .. 29.99, default "18.0000"
std::string NormaliseLWFreqText(std::string_view text);  // 0.52 .. 1.71, default "1.2000"
// What the box shows for a stored text: four decimals when it is a number, else empty.
std::string ShowFreqText(std::string_view stored);

// The model variants: the PF1 list and whether the broadcast-band controls are hidden
// (Combo1(25) only for "6173USA"; Combo1(26..28), Check1(8..11), both frequency boxes for every
// model but "6173USC" and "6173USD").
std::vector<std::string> OptionPF1Items(std::string_view modelCode);
bool OptionHidesSubUnitVolume(std::string_view modelCode);
bool OptionHidesBroadcastBands(std::string_view modelCode);

// The list of Combo1(index); the broadcast list (6) and the AM list (27) come from r, the
// channel lists (4, 5) are built by OptionChannelList.
std::vector<std::string> OptionComboItems(const AppState& s, const RadioData& r, int index);
// InitChannelList for one memory: by work mode (0 "CH", else "Bank") and group list index
// (9 = all channels, else bank index + 1), reading the working channel and bank tables.
std::vector<std::string> OptionChannelList(const AppState& s, int workModeIndex, int groupIndex);

// The field of OptionData a list stores on change (0..3, 7..24, 30, 31), or nullptr.
std::int16_t* OptionComboField(OptionData& o, int comboIndex);
// The field of OptionData a check box stores on click (0..6, 12..14), or nullptr.
std::int16_t* OptionCheckField(OptionData& o, int checkIndex);

// What a change of a channel list (Combo1(4), Combo1(5)) stores: the chosen channel's number
// minus 1. With nothing chosen, the list of an empty bank, the stored channel stays: the user
// has chosen none, and a made-up channel would go to the radio.
std::int16_t OptionMemoryChannel(std::int16_t stored, int selectedIndex, std::string_view selectedText);

// The display-mode cascade: what Combo1(1), Combo1(2) and Combo1(18) become when the user
// picks display mode index.
struct DisplayModeCascade {
    int StyleIndex = 0;        // Combo1(1) and Combo1(2)
    bool StylesEnabled = true;
    int OptionIndex = 0;       // Combo1(18)
    bool OptionShown = false;
};
DisplayModeCascade OptionDisplayModeChange(int newIndex);

// What the dialog shows after its load. Texts are UTF-8.
struct OptionShow {
    std::string Caption;
    std::array<std::string, kOptionCombos> Label1;
    std::array<std::vector<std::string>, kOptionCombos> Items;
    std::array<int, kOptionCombos> Index{};  // -1: nothing selected
    std::array<std::string, kOptionCombos> Text;
    std::array<bool, kOptionCombos> Hidden{};       // Combo1(i) and Label1(i)
    std::array<bool, kOptionCombos> Enabled{};
    std::array<std::string, kOptionChecks> Check1Caption;
    std::array<int, kOptionChecks> Check1{};
    std::array<bool, kOptionChecks> Check1Hidden{};
    std::array<std::string, kOptionLinks> Check3Caption;
    std::array<int, kOptionLinks> Check3{};
    std::string Label2;
    std::array<std::string, kOptionTextBoxes> Text1;  // one character or empty
    std::array<std::string, 2> Label4;
    std::array<std::string, 2> Text3;
    bool Text3Hidden = false;  // Text3(0..1) and Label4(0..1)
    std::string OKCaption, CancelCaption;
    OptionData Edit;  // the dialog's edit copy as loaded (power-on text normalised)
};
OptionShow ShowOption(const AppState& s);

// What the dialog holds when OK is pressed.
struct OptionHeld {
    OptionData Edit;
    std::array<int, kOptionCombos> Index{};
    std::array<std::string, kOptionCombos> Text;
    std::array<int, kOptionChecks> Check1{};
    std::array<std::string, kOptionTextBoxes> Text1;  // UTF-8, one character or empty
    std::array<std::string, 2> Text3;
};
// OK: the power-on text joined from the boxes, the record copied back, the single fields and the
// normalised frequency texts written.
void StoreOption(RadioData& r, const OptionHeld& held);

}  // namespace rp
