#include "mappings/OptionMap.h"

#include <algorithm>

#include "model/Banks.h"
#include "model/FixedText.h"
#include "model/ValueText.h"
#include "model/Values.h"
#include "mappings/SettingsText.h"

namespace rp {

OptionSingles GetOptionSingles(const RadioData& r) {
    OptionSingles v;
    v.BroadcastRadioOn = r.OptionBytesA[1];
    v.AMDisplayMode = r.OptionBytesA[2];
    v.AMChannelNo = r.OptionBytesA[3];
    v.SubUnitVolume = r.OptionBytesA[4];
    v.BroadcastBand = r.OptionBytesA[5];
    v.PF1KeyFunction = r.OptionBytesB[0];
    v.AMEnabled = r.OptionBytesB[1];
    v.FMEnabled = r.OptionBytesB[2];
    v.SWEnabled = r.OptionBytesB[3];
    v.LWEnabled = r.OptionBytesB[4];
    v.RptMute = r.TailByte;
    v.ScanQuick = r.TailWord1;
    v.UpperSquelchLevel = r.TailWord2;
    v.LowerSquelchLevel = r.TailWord3;
    return v;
}

void SetOptionSingles(RadioData& r, const OptionSingles& v) {
    r.OptionBytesA[1] = v.BroadcastRadioOn;
    r.OptionBytesA[2] = v.AMDisplayMode;
    r.OptionBytesA[3] = v.AMChannelNo;
    r.OptionBytesA[4] = v.SubUnitVolume;
    r.OptionBytesA[5] = v.BroadcastBand;
    r.OptionBytesB[0] = v.PF1KeyFunction;
    r.OptionBytesB[1] = v.AMEnabled;
    r.OptionBytesB[2] = v.FMEnabled;
    r.OptionBytesB[3] = v.SWEnabled;
    r.OptionBytesB[4] = v.LWEnabled;
    r.TailByte = v.RptMute;
    r.TailWord1 = v.ScanQuick;
    r.TailWord2 = v.UpperSquelchLevel;
    r.TailWord3 = v.LowerSquelchLevel;
}

namespace {

template <std::size_t N>
void NormaliseInPlace(FixedText<N>& t) {
    t = t.Trimmed();
}

// Clamped to [low, high] with four decimals; a number too long for a double still has a sign,
// and so a side of the band.
std::string NormaliseFreqText(std::string_view text, double low, double high, const char* fallback) {
    const auto parsed = ParseDecimalText(text);
    if (!parsed) return fallback;
    double v = 0;
    if (const auto n = ParseNumber(text)) v = *n;
    else v = parsed->Negative ? low : high;
    if (v < low) v = low;
    if (v > high) v = high;
    return FormatFixed(v, 4);
}

std::vector<std::string> Texts(const AppState& s, std::initializer_list<int> ids) {
    std::vector<std::string> items;
    for (const int id : ids) items.push_back(s.LangText(id));
    return items;
}

std::vector<std::string> Literals(std::initializer_list<const char*> texts) {
    return std::vector<std::string>(texts.begin(), texts.end());
}

}  // namespace

void NormaliseOptionTexts(RadioData& r) {
    NormaliseInPlace(r.SWFreq);
    NormaliseInPlace(r.LWFreq);
    for (int k = 0; k < 100; ++k) NormaliseInPlace(r.AMList[static_cast<std::size_t>(k)]);
}

std::string NormaliseSWFreqText(std::string_view text) { return NormaliseFreqText(text, 2.3, 29.99, "18.0000"); }
std::string NormaliseLWFreqText(std::string_view text) { return NormaliseFreqText(text, 0.52, 1.71, "1.2000"); }

std::string ShowFreqText(std::string_view stored) {
    const std::string t = TrimNull(stored);
    if (!IsNumericText(t)) return "";
    const auto v = ParseNumber(t);
    // Too long for a double: shown as typed rather than as a made-up number.
    return v ? FormatFixed(*v, 4) : t;
}

std::vector<std::string> OptionPF1Items(std::string_view modelCode) {
    auto items = Literals({"Off", "VOLT", "CALL", "FHSS{DN}", "SUB PTT"});
    if (modelCode == "6173USD") items.emplace_back("ALARM{CN}");
    else if (modelCode != "6173USC") items[3] = "ALARM";
    return items;
}

bool OptionHidesSubUnitVolume(std::string_view modelCode) { return modelCode == "6173USA"; }

bool OptionHidesBroadcastBands(std::string_view modelCode) {
    return modelCode != "6173USC" && modelCode != "6173USD";
}

std::vector<std::string> OptionComboItems(const AppState& s, const RadioData& r, int index) {
    switch (index) {
    case 0: return Texts(s, {1750, 1751, 1752});
    case 1: case 2: case 3: case 26: return Texts(s, {1753, 1754});
    case 6: {
        std::vector<std::string> items;
        for (int k = 0; k <= 100; ++k)
            if (r.FMRadioList[static_cast<std::size_t>(k)].Valid == 1) items.push_back(k == 100 ? "VFO" : std::to_string(k));
        return items;
    }
    case 7: case 8: return Literals({"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"});
    case 9: return Literals({"5s", "10s", "15s", "SCP2s"});
    case 10: { auto v = Literals({"0s", "1s", "2s", "3s"}); v.push_back(s.LangText(8101)); return v; }
    case 11: return Texts(s, {1755, 1756, 1757});
    case 12: return Texts(s, {1758, 1759, 1760});
    case 13: return Texts(s, {8102, 8100, 1755});
    case 14: return Texts(s, {1794, 1795});
    case 15: return Texts(s, {1761, 1762});
    case 16: {
        std::vector<std::string> v{s.LangText(1755)};
        for (int k = 1; k <= 27; ++k) v.push_back(std::to_string(10 * k) + s.LangText(1781) + (k % 6 != 0 ? "{N}" : ""));
        return v;
    }
    case 17: return Texts(s, {1755, 1768, 1769, 1770});
    case 18: return Texts(s, {1796, 1797});
    case 19: { std::vector<std::string> v{s.LangText(1755)}; v.emplace_back("Repeater"); v.emplace_back("Busy"); return v; }
    case 20: {
        std::vector<std::string> v{s.LangText(1755), "1:2", "1:3", "1:5", "1:8"};
        v.push_back(s.LangText(1757));
        return v;
    }
    case 21: return {s.LangText(1755), "1750 Hz", "2100 Hz", "1000 Hz", "1450 Hz"};
    case 22: { std::vector<std::string> v{s.LangText(1755)}; for (auto& n : NumberItems(1, 10)) v.push_back(n); return v; }
    case 23: {
        std::vector<std::string> v;
        for (int k = 0; k <= 25; ++k) v.push_back(FormatScaled(5 + k, 1));
        return v;
    }
    case 24: return Texts(s, {1755, 1763, 1764, 8300});
    case 25: return NumberItems(1, 8);
    case 27: {
        std::vector<std::string> v;
        for (int k = 0; k < 100; ++k)
            if (!r.AMList[static_cast<std::size_t>(k)].Trimmed().empty()) v.push_back(std::to_string(k));
        if (v.empty()) v.emplace_back("0");
        return v;
    }
    case 28: return Literals({"FM 64-108 MHz", "AM 118-136 MHz", "SW 2.3-(29.99{N}21.85{D})", "LW 0.52-1.71 MHz"});
    case 29: return OptionPF1Items(s.CurModelCode);
    case 30: case 31: return Literals({"CH", "Bank"});
    case 32: case 33: return NumberItems(0, 9);
    default: return {};
    }
}

std::vector<std::string> OptionChannelList(const AppState& s, int workModeIndex, int groupIndex) {
    std::vector<int> numbers;
    const int count = std::min<int>(s.CurRadioData.ChannelCount, kMaxChannels);
    for (int slot = 0; slot < count; ++slot) {
        const int n = s.ChannelTable[static_cast<std::size_t>(slot)].ChannelNo;
        if (workModeIndex == 0) {
            // The VFOs are no memory a display can hold.
            if (n < 205) numbers.push_back(n);
        } else if (n <= kMemoryChannels) {
            if (groupIndex == 9 || (groupIndex >= 0 && groupIndex < kBankCount && GetChBankPos(s, n, groupIndex + 1) > 0))
                numbers.push_back(n);
        }
    }
    return SortedChannelNames(std::move(numbers), false);
}

std::int16_t* OptionComboField(OptionData& o, int comboIndex) {
    switch (comboIndex) {
    case 0: return &o.DisplayMode;
    case 1: return &o.DisplayStyle1;
    case 2: return &o.DisplayStyle2;
    case 3: return &o.RadioDisplayStyle;
    case 7: return &o.MemoryGroup1;
    case 8: return &o.MemoryGroup2;
    case 9: return &o.ScanTime;
    case 10: return &o.FunctionKeyTime;
    case 11: return &o.Backlight;
    case 12: return &o.BacklightColour;
    case 13: return &o.SubUnitDisplayStyle;
    case 14: return &o.SQLKeyFunction;
    case 15: return &o.MainSelect;
    case 16: return &o.TOT;
    case 17: return &o.AutoPowerOff;
    case 18: return &o.DisplayModeOption;
    case 19: return &o.BusyLockout;
    case 20: return &o.PowerSave;
    case 21: return &o.TBSTFrequency;
    case 22: return &o.VOXLevel;
    case 23: return &o.VOXDelay;
    case 24: return &o.TailEliminationMode;
    case 30: return &o.WorkMode1;
    case 31: return &o.WorkMode2;
    default: return nullptr;
    }
}

std::int16_t* OptionCheckField(OptionData& o, int checkIndex) {
    switch (checkIndex) {
    case 0: return &o.FunctionOperation;
    case 1: return &o.InternalFunctionOperation;
    case 2: return &o.InitKey;
    case 3: return &o.TailToneElimination;
    case 4: return &o.FullBand;
    case 5: return &o.Alarm;
    case 6: return &o.VoicePrompt;
    case 12: return &o.GroupSelect1;
    case 13: return &o.GroupSelect2;
    case 14: return &o.KeyLock;
    default: return nullptr;
    }
}

std::int16_t OptionMemoryChannel(std::int16_t stored, int selectedIndex, std::string_view selectedText) {
    if (selectedIndex < 0) return stored;
    return static_cast<std::int16_t>(GetChannelNoByName(selectedText) - 1);
}

DisplayModeCascade OptionDisplayModeChange(int newIndex) {
    DisplayModeCascade c;
    if (newIndex == 1) {
        c.StyleIndex = 1;
        c.StylesEnabled = false;
        c.OptionShown = true;
    } else if (newIndex == 2) {
        c.StyleIndex = 1;
    }
    return c;
}

OptionShow ShowOption(const AppState& s) {
    // The dialog normalises these texts in the working data when it opens; the show works on a
    // copy so that a printout leaves the data alone.
    RadioData r = s.CurRadioData;
    NormaliseOptionTexts(r);
    const OptionSingles single = GetOptionSingles(r);

    OptionShow v;
    v.Edit = r.Signal.Option;
    OptionData& e = v.Edit;
    e.RadioText = e.RadioText.Trimmed();

    v.Caption = s.LangText(1701);
    for (int i = 0; i <= 17; ++i) v.Label1[static_cast<std::size_t>(i)] = s.LangText(1702 + i);
    for (int i = 19; i <= 28; ++i) v.Label1[static_cast<std::size_t>(i)] = s.LangText(1701 + i);
    v.Label1[29] = "PF1";
    v.Label1[30] = s.LangText(8140);
    v.Label1[31] = s.LangText(8141);
    v.Label1[32] = s.LangText(8147);
    v.Label1[33] = s.LangText(8148);
    v.Label2 = s.LangText(1739);
    for (int i = 0; i <= 6; ++i) v.Check1Caption[static_cast<std::size_t>(i)] = s.LangText(1730 + i);
    v.Check1Caption[7] = s.LangText(8103);
    v.Check1Caption[8] = "AM Enabled";
    v.Check1Caption[9] = "FM Enabled";
    v.Check1Caption[10] = "SW Enabled";
    v.Check1Caption[11] = "LW Enabled";
    for (int i = 12; i <= 15; ++i) v.Check1Caption[static_cast<std::size_t>(i)] = s.LangText(8142 + i - 12);
    v.Check1Caption[16] = "RPT Mute";
    for (int i = 0; i < 9; ++i) v.Check3Caption[static_cast<std::size_t>(i)] = "Bank Link " + std::to_string(i + 1);
    v.Check3Caption[9] = "Bank Link 0";
    v.Label4 = {"SW Frequency[MHz]", "LW Frequency[MHz]"};
    v.OKCaption = s.LangText(101);
    v.CancelCaption = s.LangText(102);

    // Model variants; hidden controls are still filled and read.
    v.Enabled.fill(true);
    v.Hidden[19] = true;
    const bool hideBands = OptionHidesBroadcastBands(s.CurModelCode);
    if (OptionHidesSubUnitVolume(s.CurModelCode)) v.Hidden[25] = true;
    for (int i = 26; i <= 28; ++i) v.Hidden[static_cast<std::size_t>(i)] = hideBands;
    for (int i = 8; i <= 11; ++i) v.Check1Hidden[static_cast<std::size_t>(i)] = hideBands;
    v.Text3Hidden = hideBands;

    for (int i = 0; i < kOptionCombos; ++i) v.Items[static_cast<std::size_t>(i)] = OptionComboItems(s, r, i);
    v.Items[4] = OptionChannelList(s, IndexRule(v.Items[30], e.WorkMode1), IndexRule(v.Items[7], e.MemoryGroup1));
    v.Items[5] = OptionChannelList(s, IndexRule(v.Items[31], e.WorkMode2), IndexRule(v.Items[8], e.MemoryGroup2));

    auto byIndex = [&](int i, int value) {
        v.Index[static_cast<std::size_t>(i)] = IndexRule(v.Items[static_cast<std::size_t>(i)], value);
    };
    auto byText = [&](int i, std::string_view text) {
        v.Index[static_cast<std::size_t>(i)] = TextRule(v.Items[static_cast<std::size_t>(i)], text);
    };
    for (int i = 0; i < kOptionCombos; ++i) {
        if (std::int16_t* f = OptionComboField(e, i)) byIndex(i, *f);
    }
    v.Hidden[18] = v.Index[0] != 1;
    if (v.Index[0] == 1) { v.Enabled[1] = false; v.Enabled[2] = false; }
    byText(4, GetChannelName(e.MemoryChannel1 + 1));
    byText(5, GetChannelName(e.MemoryChannel2 + 1));
    byText(6, e.RadioChannel == 100 ? std::string("VFO") : std::to_string(e.RadioChannel));
    byIndex(25, single.SubUnitVolume);
    byIndex(26, single.AMDisplayMode);
    byText(27, std::to_string(single.AMChannelNo));
    byIndex(28, single.BroadcastBand);
    byIndex(29, single.PF1KeyFunction);
    byIndex(32, single.UpperSquelchLevel);
    byIndex(33, single.LowerSquelchLevel);
    for (int i = 0; i < kOptionCombos; ++i) {
        const auto& items = v.Items[static_cast<std::size_t>(i)];
        const int k = v.Index[static_cast<std::size_t>(i)];
        v.Text[static_cast<std::size_t>(i)] = k >= 0 && k < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(k)] : "";
    }

    for (int i = 0; i < kOptionChecks; ++i) {
        if (std::int16_t* f = OptionCheckField(e, i)) v.Check1[static_cast<std::size_t>(i)] = IsPositive(*f);
    }
    v.Check1[7] = IsPositive(single.BroadcastRadioOn);
    v.Check1[8] = IsPositive(single.AMEnabled);
    v.Check1[9] = IsPositive(single.FMEnabled);
    v.Check1[10] = IsPositive(single.SWEnabled);
    v.Check1[11] = IsPositive(single.LWEnabled);
    v.Check1[15] = IsPositive(single.ScanQuick);
    v.Check1[16] = IsPositive(single.RptMute);
    for (int i = 0; i < kOptionLinks; ++i) v.Check3[static_cast<std::size_t>(i)] = IsPositive(e.BankLink[static_cast<std::size_t>(i)]);

    v.Text3[0] = ShowFreqText(r.SWFreq.View());
    v.Text3[1] = ShowFreqText(r.LWFreq.View());

    // Padded to twelve characters; a blank leaves its box empty.
    const std::string text = e.RadioText.Trimmed();
    for (int i = 0; i < kOptionTextBoxes; ++i) {
        const char c = i < static_cast<int>(text.size()) ? text[static_cast<std::size_t>(i)] : ' ';
        v.Text1[static_cast<std::size_t>(i)] = c == ' ' ? std::string() : AnsiToUtf8(std::string_view(&c, 1));
    }
    return v;
}

void StoreOption(RadioData& r, const OptionHeld& held) {
    OptionData e = held.Edit;
    std::string text;
    for (const auto& box : held.Text1) text += box.empty() ? std::string(" ") : Utf8ToAnsi(box);
    e.RadioText = text;
    r.Signal.Option = e;

    auto index = [&](int i) { return ClampByte(held.Index[static_cast<std::size_t>(i)] < 0 ? 0 : held.Index[static_cast<std::size_t>(i)]); };
    auto check = [&](int i) { return static_cast<std::uint8_t>(IsPositive(held.Check1[static_cast<std::size_t>(i)])); };
    OptionSingles v = GetOptionSingles(r);
    v.BroadcastRadioOn = check(7);
    v.ScanQuick = check(15);
    v.RptMute = check(16);
    v.SubUnitVolume = index(25);
    v.AMDisplayMode = index(26);
    v.AMChannelNo = ClampByte(GetIntOfText(held.Text[27], 0));
    v.BroadcastBand = index(28);
    v.PF1KeyFunction = index(29);
    v.UpperSquelchLevel = index(32);
    v.LowerSquelchLevel = index(33);
    v.AMEnabled = check(8);
    v.FMEnabled = check(9);
    v.SWEnabled = check(10);
    v.LWEnabled = check(11);
    SetOptionSingles(r, v);

    r.SWFreq = NormaliseSWFreqText(held.Text3[0]);
    r.LWFreq = NormaliseLWFreqText(held.Text3[1]);
}

}  // namespace rp
