#include "comm/Codecs.h"

namespace rp {

bool FinishEncoder(AppState& s, const ImageWriter& w, const char* label, Messages& m) {
    if (w.Ok()) return true;
    s.WriteAllowed = false;
    m.emplace_back(label);
    return false;
}

bool IsModel(std::string_view code, std::string_view model) { return TrimNull(code) == model; }

int RadioListBitmapForData(const AppState& s) { return IsModel(s.CurModelCode, "6173USD") ? 0x0140 : 0x0260; }
int AMListBitmapForData(const AppState& s) { return IsModel(s.CurModelCode, "6173USD") ? 0x0260 : 0x0140; }

// The older "D" radio keeps the current layout; every other radio has the two bitmaps swapped.
int RadioListBitmapForRadio(const AppState& s) {
    return IsModel(s.RadioModelCode, "6173USD") || IsModel(s.RadioModelCode, "ZV853D") ? 0x0140 : 0x0260;
}
int AMListBitmapForRadio(const AppState& s) { return RadioListBitmapForRadio(s) == 0x0140 ? 0x0260 : 0x0140; }

bool SetCommDataBySignal(AppState& s, Messages& m) {
    return SetCommDataByOption(s, m) && SetCommDataBy5Tone(s, m) && SetCommDataBy2Tone(s, m) &&
           SetCommDataByDTMF(s, m) && SetCommDataByDTMFCommuBook(s, m);
}

void GetCommDataBySignal(AppState& s) {
    GetCommDataByOption(s);
    GetCommDataBy5Tone(s);
    GetCommDataBy2Tone(s);
    GetCommDataByDTMF(s);
    GetCommDataByDTMFCommuBook(s);
}

}  // namespace rp
