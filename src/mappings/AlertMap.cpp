#include "mappings/AlertMap.h"

#include <algorithm>

#include "model/ValueText.h"
#include "model/Values.h"
#include "mappings/SettingsText.h"

namespace rp {

std::vector<std::string> AlertComboItems(const AppState& s, int index) {
    switch (index) {
    case 0: return {s.LangText(2630), s.LangText(2631), s.LangText(2632), s.LangText(2633)};
    case 1: return {s.LangText(2436), "DTMF", "5Tone"};
    case 3: case 4: case 5: return NumberItems(1, 255);
    case 6: return {s.LangText(2634), s.LangText(2635)};
    case 8: return AlertChannelList(s);
    case 9: {
        std::vector<std::string> v{s.LangText(2636)};
        for (auto& n : NumberItems(1, 255)) v.push_back(std::move(n));
        return v;
    }
    default: return {};
    }
}

std::vector<std::string> AlertLoneWorkItems(int index) {
    return index == 0 ? NumberItems(1, 254) : NumberItems(5, 255);
}

std::vector<std::string> AlertChannelList(const AppState& s) { return MemoryChannelNames(s); }

std::vector<std::string> AlertCodeList(const AppState& s, int typeIndex) {
    std::vector<std::string> items;
    const SignalData& sig = s.CurRadioData.Signal;
    if (typeIndex == 1) {
        for (int i = 0; i < 16; ++i)
            if (sig.DTMF.Memories[static_cast<std::size_t>(i)].Length > 0) items.push_back("M" + std::to_string(i + 1));
    } else if (typeIndex == 2) {
        for (int i = 1; i <= 100; ++i)
            if (sig.FiveTone.CodeRows[static_cast<std::size_t>(i - 1)].IsEmpty == 0) items.push_back(std::to_string(i - 1));
        if (items.empty()) items.emplace_back("0");
    }
    return items;
}

int AlertCodeIndex(const std::vector<std::string>& items, int typeIndex, std::uint8_t idCode) {
    if (typeIndex == 1) return TextRule(items, "M" + std::to_string(idCode + 1));
    if (typeIndex == 2) return TextRule(items, std::to_string(idCode));
    return -1;
}

void ApplyAlertModeEnabling(AlertEnabled& e, int modeIndex) {
    const bool alarmOnly = modeIndex == 0;
    e.Combo[3] = alarmOnly;
    for (const int i : {1, 2, 4, 5}) e.Combo[static_cast<std::size_t>(i)] = !alarmOnly;
}

void ApplyAlertChannelEnabling(AlertEnabled& e, int channelSelectIndex) {
    if (channelSelectIndex == 0) e.Combo[7] = e.Combo[8] = true;
    else if (channelSelectIndex == 1) e.Combo[7] = e.Combo[8] = false;
}

void ApplyAlertCheckEnabling(AlertEnabled& e, int checkValue) {
    e.Combo2[0] = e.Combo2[1] = checkValue != 0;
}

AlertShow ShowAlert(const AppState& s) {
    AlertShow v;
    AlertData r = s.CurRadioData.Signal.Alert;

    v.Caption = s.LangText(2600);
    for (int i = 0; i < kAlertCombos; ++i) v.Label1[static_cast<std::size_t>(i)] = s.LangText(2602 + i);
    v.Frame1Caption = s.LangText(2612);
    v.Check1Caption = s.LangText(2613);
    v.Label2 = {s.LangText(2614), s.LangText(2615)};
    v.OKCaption = s.LangText(101);
    v.CancelCaption = s.LangText(102);
    v.Hidden[7] = true;

    for (int i = 0; i < kAlertCombos; ++i) v.Items[static_cast<std::size_t>(i)] = AlertComboItems(s, i);
    v.Combo2Items = {AlertLoneWorkItems(0), AlertLoneWorkItems(1)};
    v.Enabled.Combo.fill(true);
    v.Enabled.Combo2.fill(true);

    v.Index[0] = IndexRule(v.Items[0], r.AlarmMode);
    ApplyAlertModeEnabling(v.Enabled, v.Index[0]);
    v.Index[1] = IndexRule(v.Items[1], r.IDCodeType);
    v.Items[2] = AlertCodeList(s, v.Index[1]);
    v.Index[2] = AlertCodeIndex(v.Items[2], v.Index[1], r.IDCode);
    v.Index[3] = IndexRule(v.Items[3], r.AlarmTime - 1);
    v.Index[4] = IndexRule(v.Items[4], r.TxTime - 1);
    v.Index[5] = IndexRule(v.Items[5], r.RxTime - 1);
    v.Index[6] = IndexRule(v.Items[6], r.ChannelSelect);
    ApplyAlertChannelEnabling(v.Enabled, v.Index[6]);
    v.Index[7] = -1;
    v.Index[8] = TextRule(v.Items[8], GetChannelName(r.EmergencyChannel + 1));
    v.Index[9] = IndexRule(v.Items[9], r.Period);
    if (r.AutoDetectMode > 1) r.AutoDetectMode = 0;
    v.Check1 = r.AutoDetectMode;
    ApplyAlertCheckEnabling(v.Enabled, v.Check1);
    v.Combo2Index[0] = TextRule(v.Combo2Items[0], std::to_string(r.PreAlertTime));
    v.Combo2Index[1] = TextRule(v.Combo2Items[1], std::to_string(r.LoneWorkTime));

    for (int i = 0; i < kAlertCombos; ++i) {
        const int k = v.Index[static_cast<std::size_t>(i)];
        v.Text[static_cast<std::size_t>(i)] = k >= 0 ? v.Items[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] : "";
    }
    for (int i = 0; i < 2; ++i)
        v.Combo2Text[static_cast<std::size_t>(i)] = v.Combo2Items[static_cast<std::size_t>(i)][static_cast<std::size_t>(v.Combo2Index[static_cast<std::size_t>(i)])];
    v.Edit = r;
    return v;
}

AlertData StoreAlert(const AlertHeld& held) {
    AlertData r;
    auto index = [&](int i) { return ClampByte(std::max(held.Index[static_cast<std::size_t>(i)], 0)); };
    r.AlarmMode = index(0);
    r.IDCodeType = index(1);
    const std::string& code = held.Text[2];
    if (held.Index[1] < 1 || code.empty()) r.IDCode = 0;
    else if (r.IDCodeType == 1) r.IDCode = ClampByte(GetIntOfText(std::string_view(code).substr(1), 1) - 1);
    else if (r.IDCodeType == 2) r.IDCode = ClampByte(GetIntOfText(code, 0));
    r.AlarmTime = ClampByte(std::max(held.Index[3], 0) + 1);
    r.TxTime = ClampByte(std::max(held.Index[4], 0) + 1);
    r.RxTime = ClampByte(std::max(held.Index[5], 0) + 1);
    r.ChannelSelect = index(6);
    // The channel list shows channel number - 1, which is what the byte holds.
    r.EmergencyChannel = ClampByte(GetIntOfText(held.Text[8], 1));
    r.Period = index(9);
    r.AutoDetectMode = static_cast<std::uint8_t>(IsPositive(held.Check1));
    r.PreAlertTime = ClampByte(GetIntOfText(held.Combo2Text[0], 1));
    r.LoneWorkTime = ClampByte(GetIntOfText(held.Combo2Text[1], 5));
    return r;
}

}  // namespace rp
