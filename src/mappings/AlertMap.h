#pragma once
// The alert settings (FrmAlert) without widgets: lists, the code list, enabling, what the dialog
// shows for the working data and what OK stores. Nothing here changes its input.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/AppState.h"

namespace rp {

constexpr int kAlertCombos = 10;  // Combo1(0..9); 7 is hidden and empty

// The list of Combo1(index) except the code list (2) and the hidden Combo1(7).
std::vector<std::string> AlertComboItems(const AppState& s, int index);
// Combo2(0) (pre-alert time, 1..254 s) and Combo2(1) (lone-work time, 5..255 s).
std::vector<std::string> AlertLoneWorkItems(int index);
// The emergency channels: memory channels 1..200 of the table, sorted, each once, as
// GetChannelName shows them.
std::vector<std::string> AlertChannelList(const AppState& s);
// The code list by code type index: "M1".."M16" for the DTMF memories that hold a code (1), the
// numbers of the five-tone rows that hold a code, or "0" when none does (2); else empty.
std::vector<std::string> AlertCodeList(const AppState& s, int typeIndex);
// The item the stored code selects in that list (-1: empty list).
int AlertCodeIndex(const std::vector<std::string>& items, int typeIndex, std::uint8_t idCode);

// Enabled states of Combo1(0..9), Combo2(0..1).
struct AlertEnabled {
    std::array<bool, kAlertCombos> Combo{};
    std::array<bool, 2> Combo2{};
};
void ApplyAlertModeEnabling(AlertEnabled& e, int modeIndex);
void ApplyAlertChannelEnabling(AlertEnabled& e, int channelSelectIndex);
void ApplyAlertCheckEnabling(AlertEnabled& e, int checkValue);

// What the dialog shows after its load. Texts are UTF-8. The lone-work group (Frame1, Check1,
// Combo2) is hidden but filled like the rest.
struct AlertShow {
    std::string Caption;
    std::array<std::string, kAlertCombos> Label1;
    std::array<std::vector<std::string>, kAlertCombos> Items;
    std::array<int, kAlertCombos> Index{};
    std::array<std::string, kAlertCombos> Text;
    std::array<bool, kAlertCombos> Hidden{};  // only 7
    AlertEnabled Enabled;
    std::string Frame1Caption;
    bool LoneWorkHidden = true;
    std::string Check1Caption;
    int Check1 = 0;
    std::array<std::string, 2> Label2;
    std::array<std::vector<std::string>, 2> Combo2Items;
    std::array<int, 2> Combo2Index{};
    std::array<std::string, 2> Combo2Text;
    std::string OKCaption, CancelCaption;
    AlertData Edit;  // the edit copy after the load (AutoDetectMode above 1 read as 0)
};
AlertShow ShowAlert(const AppState& s);

// What the dialog holds when OK is pressed.
struct AlertHeld {
    std::array<int, kAlertCombos> Index{};
    std::array<std::string, kAlertCombos> Text;
    int Check1 = 0;
    std::array<std::string, 2> Combo2Text;
};
AlertData StoreAlert(const AlertHeld& held);

}  // namespace rp
