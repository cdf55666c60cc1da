#pragma once
// The radio information viewer (FrmEMG) without widgets: what it shows for an information
// record, in English or Chinese. It never changes the record.
#include <array>
#include <string>
#include <vector>

#include "model/AppState.h"

namespace rp {

// The band list item a band code selects: 8 x (code div 16) + (code mod 16), the remainder
// keeping the sign of the code. Outside 0..7 the list shows item 0.
int EMGBandIndex(int bandCode);

// What the viewer shows. Texts are UTF-8.
struct EMGShow {
    std::string Caption;
    std::string Label2;                  // area code
    std::array<std::string, 14> Label1;  // Label1(7) is the second line of Label1(6)'s caption
    std::string Frame1Caption;
    std::vector<std::string> ModelItems;  // Combo1(0): the model name alone
    std::vector<std::string> BandItems;   // Combo1(1): the eight band texts
    int BandIndex = 0;
    std::array<std::string, 2> ComboText;  // Combo1(0), Combo1(1)
    std::array<std::string, 12> Text1;
    std::string CloseCaption, HelpCaption;
};
EMGShow ShowEMG(const AppState& s, const RadioInfo& info);

}  // namespace rp
