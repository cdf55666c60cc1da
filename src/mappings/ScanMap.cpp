#include "mappings/ScanMap.h"

#include <algorithm>

#include "model/ValueText.h"
#include "model/Values.h"
#include "mappings/SettingsText.h"

namespace rp {

std::vector<std::string> ScanChannelList(const AppState& s) { return MemoryChannelNames(s); }

std::vector<std::string> ScanRevertTemplate(const AppState& s) {
    const std::string selected = s.LangText(2432);
    const std::string talkback = s.LangText(2433);
    const std::string priority = s.LangText(2403);
    return {selected,
            selected + " + " + talkback,
            priority + "1",
            priority + "2",
            s.LangText(2434),
            s.LangText(2435),
            priority + "1" + " + " + talkback,
            priority + "2" + " + " + talkback};
}

std::vector<int> ScanRevertIndexes(int priorityIndex) {
    switch (priorityIndex) {
    case 0: return {0, 1, 4, 5};
    case 1: return {0, 1, 2, 4, 5, 6};
    case 2: return {0, 1, 3, 4, 5, 7};
    case 3: return {0, 1, 2, 3, 4, 5, 6, 7};
    default: return {};
    }
}

std::vector<std::string> ScanRevertList(const std::vector<std::string>& revertTemplate, int priorityIndex) {
    std::vector<std::string> items;
    for (const int k : ScanRevertIndexes(priorityIndex))
        if (k < static_cast<int>(revertTemplate.size())) items.push_back(revertTemplate[static_cast<std::size_t>(k)]);
    return items;
}

std::vector<std::string> ScanComboItems(const AppState& s, int index) {
    switch (index) {
    case 0: return {s.LangText(2430), s.LangText(2431)};
    case 1: {
        const std::string p = s.LangText(2403);
        return {s.LangText(2430), p + "1", p + "2", p + "1" + " + " + p + "2"};
    }
    case 7: case 8: {
        std::vector<std::string> v;
        for (int i = 5; i <= 50; ++i) v.push_back(FormatScaled(i, 1));
        return v;
    }
    case 9: case 10: {
        std::vector<std::string> v;
        for (int i = 1; i <= 50; ++i) v.push_back(FormatScaled(i, 1));
        return v;
    }
    case 11: return {s.LangText(2436), s.LangText(2437), s.LangText(2438), s.LangText(2439)};
    case 12: {
        std::vector<std::string> v;
        for (int i = 2; i <= 255; ++i) v.push_back(std::to_string(i * 25));
        return v;
    }
    default: return {};
    }
}

void ApplyRevertEnabling(ScanEnabled& e, int priorityIndex) {
    if (priorityIndex == 1 || priorityIndex == 3) e.Combo[2] = e.Combo[3] = true;
    if (priorityIndex == 2 || priorityIndex == 3) e.Combo[4] = e.Combo[5] = true;
}

void ApplyScanControlState(ScanEnabled& e, int modeIndex, int priorityIndex) {
    if (modeIndex == 0) {
        for (int i = 1; i < kScanCombos; ++i) e.Combo[static_cast<std::size_t>(i)] = false;
        e.Check = false;
        return;
    }
    if (modeIndex != 1) return;
    for (int i = 1; i < kScanCombos; ++i) e.Combo[static_cast<std::size_t>(i)] = true;
    e.Check = true;
    if (priorityIndex == 0 || priorityIndex == 2) e.Combo[2] = e.Combo[3] = false;
    if (priorityIndex == 0 || priorityIndex == 1) e.Combo[4] = e.Combo[5] = false;
}

std::uint8_t ScanRevertModeOfText(const std::vector<std::string>& revertTemplate, const std::string& text) {
    return ClampByte(GetComboIndexOfText(revertTemplate, text, 0));
}

namespace {
std::string TemplateItem(const std::vector<std::string>& revertTemplate, std::uint8_t revertMode) {
    return GetComboListText(revertTemplate, revertMode > 7 ? 0 : revertMode);
}
}  // namespace

ScanRevertChoice ScanPriorityModeChange(const std::vector<std::string>& revertTemplate, int priorityIndex,
                                        std::uint8_t revertMode) {
    ScanRevertChoice c;
    c.Items = ScanRevertList(revertTemplate, priorityIndex);
    const std::string shown = GetComboMatchText(c.Items, TemplateItem(revertTemplate, revertMode));
    c.Index = TextRule(c.Items, shown);
    c.RevertMode = ScanRevertModeOfText(revertTemplate, shown);
    return c;
}

ScanShow ShowScan(const AppState& s) {
    ScanShow v;
    ScanData r = s.CurRadioData.Signal.Scan;

    v.Caption = s.LangText(2400);
    v.Label1[0] = s.LangText(2402);
    v.Label1[1] = s.LangText(2403);
    v.Label1[2] = s.LangText(2404);
    v.Label1[3] = "-";
    v.Label1[4] = s.LangText(2405);
    v.Label1[5] = "-";
    v.Label1[6] = s.LangText(2406);
    for (int i = 7; i <= 12; ++i) v.Label1[static_cast<std::size_t>(i)] = s.LangText(2400 + i);
    v.Check1Caption = s.LangText(2413);
    v.OKCaption = s.LangText(101);
    v.CancelCaption = s.LangText(102);
    for (const int i : {3, 5, 11, 12}) v.Hidden[static_cast<std::size_t>(i)] = true;

    v.Template = ScanRevertTemplate(s);
    for (int i = 0; i < kScanCombos; ++i) v.Items[static_cast<std::size_t>(i)] = ScanComboItems(s, i);
    v.Items[2] = ScanChannelList(s);
    v.Items[4] = v.Items[2];
    v.Enabled.Combo.fill(true);

    // The load's selections run the selection handlers in this order; the end state of the
    // enabling depends on it only through the last SetControlState.
    v.Index[0] = IndexRule(v.Items[0], r.ScanMode);
    ApplyScanControlState(v.Enabled, v.Index[0], -1);
    v.Index[1] = IndexRule(v.Items[1], r.PriorityMode);
    {
        ApplyRevertEnabling(v.Enabled, v.Index[1]);
        ApplyScanControlState(v.Enabled, v.Index[0], v.Index[1]);
        r.RevertMode = ScanPriorityModeChange(v.Template, v.Index[1], r.RevertMode).RevertMode;
    }
    v.Index[2] = TextRule(v.Items[2], GetChannelName(r.PriorityChannel1 + 1));
    v.Index[4] = TextRule(v.Items[4], GetChannelName(r.PriorityChannel2 + 1));
    for (const int i : {2, 3, 4, 5}) v.Enabled.Combo[static_cast<std::size_t>(i)] = false;
    v.Items[6] = ScanRevertList(v.Template, v.Index[1]);
    ApplyRevertEnabling(v.Enabled, v.Index[1]);
    v.Index[6] = TextRule(v.Items[6], TemplateItem(v.Template, r.RevertMode));
    if (v.Index[6] >= 0) r.RevertMode = ScanRevertModeOfText(v.Template, v.Items[6][static_cast<std::size_t>(v.Index[6])]);
    v.Index[7] = IndexRule(v.Items[7], r.ScanBackTimeA);
    v.Index[8] = IndexRule(v.Items[8], r.ScanBackTimeB);
    v.Index[9] = IndexRule(v.Items[9], r.RxResumeDelay);
    v.Index[10] = IndexRule(v.Items[10], r.TxResumeDelay);
    v.Index[11] = IndexRule(v.Items[11], r.ScanType);
    v.Index[12] = IndexRule(v.Items[12], r.ScanWaitTime - 2);
    v.Index[3] = v.Index[5] = -1;
    if (r.ScanEntryTone > 1) r.ScanEntryTone = 0;
    v.Check1 = r.ScanEntryTone;
    ApplyScanControlState(v.Enabled, v.Index[0], v.Index[1]);

    for (int i = 0; i < kScanCombos; ++i) {
        const auto& items = v.Items[static_cast<std::size_t>(i)];
        const int k = v.Index[static_cast<std::size_t>(i)];
        v.Text[static_cast<std::size_t>(i)] = k >= 0 ? items[static_cast<std::size_t>(k)] : "";
    }
    v.Record = r;
    return v;
}

ScanData StoreScan(const ScanData& loaded, const std::vector<std::string>& revertTemplate, const ScanHeld& held) {
    ScanData r = loaded;
    auto index = [&](int i) { return ClampByte(std::max(held.Index[static_cast<std::size_t>(i)], 0)); };
    // A priority channel is stored as its number - 1; an empty list stores 0.
    auto channel = [&](int i) {
        const std::string& t = held.Text[static_cast<std::size_t>(i)];
        return t.empty() ? std::uint8_t{0} : ClampByte(GetChannelNoByName(t) - 1);
    };
    r.ScanMode = index(0);
    r.PriorityMode = index(1);
    r.PriorityChannel1 = channel(2);
    r.PriorityChannel2 = channel(4);
    r.RevertMode = ScanRevertModeOfText(revertTemplate, held.Text[6]);
    r.ScanBackTimeA = index(7);
    r.ScanBackTimeB = index(8);
    r.RxResumeDelay = index(9);
    r.TxResumeDelay = index(10);
    r.ScanType = index(11);
    r.ScanWaitTime = ClampByte(std::max(held.Index[12], 0) + 2);
    r.ScanEntryTone = static_cast<std::uint8_t>(IsPositive(held.Check1));
    return r;
}

}  // namespace rp
