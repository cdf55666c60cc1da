#include "comm/CommImage.h"

#include <algorithm>
#include <cstdlib>

#include "comm/Codecs.h"
#include "model/BandText.h"
#include "model/ModelTable.h"
#include "model/Values.h"

namespace rp {

namespace {

struct PreFill {
    int From;
    int To;  // inclusive
    std::uint8_t Value;
};

// 0x0000-0x000F is absent on purpose: it holds the factory test data. The 0xFF ranges are exactly
// the in-use bitmaps, so an entry no encoder marks reads back as free.
constexpr PreFill kPreFill[] = {
    {0x0010, 0x00FF, 0x00}, {0x0100, 0x015F, 0xFF}, {0x0160, 0x025F, 0x00},
    {0x0260, 0x026F, 0xFF}, {0x0270, 0x037F, 0x00}, {0x0380, 0x039F, 0xFF},
    {0x03A0, 0x3FFF, 0x00},
};

}  // namespace

void InitCommImage(AppState& s) {
    for (const PreFill& p : kPreFill)
        std::fill(s.CommImage.begin() + p.From, s.CommImage.begin() + p.To + 1, p.Value);
}

bool SetCommData(AppState& s, std::string& errorLabel, std::vector<std::string>& messages) {
    const std::size_t firstMessage = messages.size();
    SetCommDataByScan(s, messages);
    SetCommDataByAlert(s, messages);
    SetCommDataByFrequency(s, messages);
    if (s.WriteAllowed) {
        SetCommDataBySignal(s, messages);
        // These run even after a signalling encoder failed; the write is refused all the same.
        SetCommDataByAM(s, messages);
        SetCommDataByMSK(s, messages);
        SetCommDataByBank(s, messages);
    }
    if (s.WriteAllowed) return true;
    errorLabel.clear();
    for (std::size_t i = firstMessage; i < messages.size(); ++i) {
        const std::string& t = messages[i];
        if (t.size() > 5 && t.compare(t.size() - 5, 5, "Error") == 0) {
            errorLabel = t;
            break;
        }
    }
    return false;
}

bool SetCommData(AppState& s, std::string& errorLabel) {
    std::vector<std::string> messages;
    return SetCommData(s, errorLabel, messages);
}

void GetCommData(AppState& s) {
    GetCommDataByFrequency(s);
    GetCommDataByScan(s);
    GetCommDataByAlert(s);
    GetCommDataByInfo(s);
    GetCommDataBySignal(s);
    GetCommDataByAM(s);
    GetCommDataByMSK(s);
    GetCommDataByBank(s);
}

void ApplyRadioIdent(AppState& s) {
    s.CurModelName = GetModelName(s, s.CurModelCode);
    s.CurBandText = s.RadioBandText;
    s.CurBandIndex = s.RadioBandIndex;
    ParseFreBandStr(s);
}

}  // namespace rp
