#include "model/ChannelRules.h"

namespace rp {

std::vector<int> OfferedSquelchModes(bool tonePresent, bool signallingPresent) {
    if (tonePresent && signallingPresent) return {0, 1, 2, 3, 4};
    if (tonePresent) return {0, 1};
    if (signallingPresent) return {0, 2};
    return {0};
}

bool IsSquelchModeOffered(int mode, bool tonePresent, bool signallingPresent) {
    switch (mode) {
        case 0: return true;
        case 1: return tonePresent;
        case 2: return signallingPresent;
        case 3:
        case 4: return tonePresent && signallingPresent;
        default: return false;
    }
}

int FitSquelchMode(int mode, bool tonePresent, bool signallingPresent) {
    return IsSquelchModeOffered(mode, tonePresent, signallingPresent) ? mode : 0;
}

int GoverningToneKind(int reverse, int encToneType, int decToneType) {
    return reverse > 0 ? encToneType : decToneType;
}

}  // namespace rp
