#pragma once
// The scan settings (FrmScan) without widgets: lists, the revert list, enabling, what the dialog
// shows for the working data and what OK stores. Nothing here changes its input.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/AppState.h"

namespace rp {

constexpr int kScanCombos = 13;  // Combo1(0..12)

// Priority channels 1..200 of the channel table, sorted, each once, named by GetChannelName.
std::vector<std::string> ScanChannelList(const AppState& s);
// The eight revert choices (Combo2).
std::vector<std::string> ScanRevertTemplate(const AppState& s);
// The template entries Combo1(6) offers for a priority mode index (-1: none).
std::vector<int> ScanRevertIndexes(int priorityIndex);
std::vector<std::string> ScanRevertList(const std::vector<std::string>& revertTemplate, int priorityIndex);
// The list of Combo1(index) except the channel lists (2, 4) and the revert list (6).
std::vector<std::string> ScanComboItems(const AppState& s, int index);

// Enabled states of Combo1(0..12) and Check1.
struct ScanEnabled {
    std::array<bool, kScanCombos> Combo{};
    bool Check = true;
};
// InitRevertList's part: the priority-channel pairs the mode uses become enabled.
void ApplyRevertEnabling(ScanEnabled& e, int priorityIndex);
// SetControlState: by the scan mode and the priority mode (-1: no selection).
void ApplyScanControlState(ScanEnabled& e, int modeIndex, int priorityIndex);

// The priority-mode change: the revert list rebuilt for the mode, the revert choice kept when the
// list still offers it, else the first; RevertMode follows what Combo1(6) then shows.
struct ScanRevertChoice {
    std::vector<std::string> Items;
    int Index = -1;
    std::uint8_t RevertMode = 0;
};
ScanRevertChoice ScanPriorityModeChange(const std::vector<std::string>& revertTemplate, int priorityIndex,
                                        std::uint8_t revertMode);
// RevertMode for the text Combo1(6) shows.
std::uint8_t ScanRevertModeOfText(const std::vector<std::string>& revertTemplate, const std::string& text);

// What the dialog shows after its load. Texts are UTF-8.
struct ScanShow {
    std::string Caption;
    std::array<std::string, kScanCombos> Label1;
    std::array<std::vector<std::string>, kScanCombos> Items;
    std::array<int, kScanCombos> Index{};
    std::array<std::string, kScanCombos> Text;
    std::array<bool, kScanCombos> Hidden{};  // 3, 5, 11, 12 with their labels
    ScanEnabled Enabled;
    std::vector<std::string> Template;  // Combo2, hidden
    std::string Check1Caption;
    int Check1 = 0;
    std::string OKCaption, CancelCaption;
    // The edit copy after the load's repairs; the dialog writes it back to the working data.
    ScanData Record;
};
ScanShow ShowScan(const AppState& s);

// What the dialog holds when OK is pressed.
struct ScanHeld {
    std::array<int, kScanCombos> Index{};
    std::array<std::string, kScanCombos> Text;
    int Check1 = 0;
};
// OK: every byte from the controls except 10 and 12, which stay as loaded.
ScanData StoreScan(const ScanData& loaded, const std::vector<std::string>& revertTemplate, const ScanHeld& held);

}  // namespace rp
