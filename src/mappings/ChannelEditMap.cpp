#include "mappings/ChannelEditMap.h"

#include <algorithm>
#include <cstdlib>

#include "model/AppState.h"
#include "model/ChannelOps.h"
#include "model/FixedText.h"
#include "model/ToneLists.h"
#include "model/ValueText.h"
#include "model/Values.h"

namespace rp {

namespace {

constexpr const char* kSignalNames[] = {"DTMF", "2Tone{DN}", "5Tone", "MSK{DN}"};

bool Contains(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

std::string ItemText(const std::vector<std::string>& items, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < items.size() ? items[index] : std::string();
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Lists and captions

std::vector<std::string> ChannelStepItems() {
    return {"2.5K", "5K", "6.25K", "10K", "12.5K", "20K", "25K", "30K", "50K"};
}

std::vector<std::string> ChannelBandwidthItems() { return {"25KHz", "12.5KHz"}; }

ChannelEditLists BuildChannelEditLists(const AppState& st, const LangFn& lang) {
    auto L = [&](int id) { return lang ? lang(id) : std::string(); };
    ChannelEditLists l;
    l.Step = ChannelStepItems();
    l.Bandwidth = ChannelBandwidthItems();
    l.Power = {L(1204), L(1205)};
    l.OptSig = {L(1206), kSignalNames[0], kSignalNames[1], kSignalNames[2]};
    // Only the full model has MSK signalling.
    if (st.CurModelCode == "6173USD") l.OptSig.push_back(kSignalNames[3]);
    l.ToneKind = {L(1206), "CTCSS", "DCS"};
    l.Scrambler = {L(1755), L(1756)};
    l.PttId = {L(1755), L(1765), L(1766), L(1767)};
    for (int id = 1784; id <= 1788; ++id) l.SquelchModes.push_back(L(id));
    // Text 1213 stands for value 3, which the radio does not offer.
    for (int id : {1210, 1211, 1212, 1214, 1215, 1216, 1217, 1218, 1219, 1220}) l.ExtraDisplay.push_back(L(id));
    l.BusyLock = {L(1755), "Repeater", "Busy"};
    for (int i = 0; i <= 9; ++i) l.SquelchLevel.push_back(std::to_string(i));
    const auto& two = st.CurRadioData.Signal.TwoTone;
    for (int k = 1; k <= 16; ++k)
        if (two.Decode[k - 1].Valid == 1) l.TwoToneDecode.push_back(std::to_string(k));
    l.OffsetMode = {"REP", "TX Frequency"};
    l.Shift = {L(1210), "-", "+"};
    for (const auto& t : CTCSSToneTexts()) l.Ctcss.emplace_back(t);
    l.Ctcss.push_back(L(4031));
    l.Dcs.reserve(kDCSCodeCount);
    for (int c = 0; c < kDCSCodeCount; ++c) l.Dcs.push_back(GetOctStr(c, 3));
    for (int m = 1; m <= 16; ++m) l.DtmfMemories.push_back("M" + std::to_string(m));
    for (int k = 1; k <= 32; ++k)
        if (two.List[k - 1].EmptyFlag == 0) l.TwoToneEntries.push_back(std::to_string(k - 1));
    const auto& rows = st.CurRadioData.Signal.FiveTone.CodeRows;
    for (int k = 1; k <= 100; ++k)
        if (rows[k - 1].IsEmpty == 0) l.FiveToneRows.push_back(std::to_string(k - 1));
    const auto& msk = st.CurRadioData.MSK.Entries;
    for (int k = 0; k < 32; ++k)
        if (msk[k].Valid == 1) l.MskEntries.push_back(std::to_string(k));
    for (int b = 1; b <= kBankCount; ++b) l.Banks.push_back("Bank " + std::to_string(b));
    return l;
}

ChannelEditLists BuildChannelEditLists(const AppState& st) { return BuildChannelEditLists(st, st.LangText); }

ChannelEditCaptions BuildChannelEditCaptions(const LangFn& lang) {
    auto L = [&](int id) { return lang ? lang(id) : std::string(); };
    ChannelEditCaptions c;
    c.Title = L(1300);
    c.Label1 = {L(1101), L(1102), L(1103), L(1140)};
    const int ids[18] = {1104, 1106, 1109, 1114, 1110, 0, 1742, 1743, 1744, 1745, 0, 0, 1116, 1720, 0, 1119, 1150, 0};
    for (int i = 0; i < 18; ++i)
        if (ids[i]) c.Label2[i] = L(ids[i]);
    c.Label2[5] = L(1107) + " " + L(1112);
    c.Label2[10] = L(1107) + " " + L(1113);
    c.Label2[17] = "Offset";
    c.Label3 = "PTTID Code";
    c.Label4 = L(4030);
    c.Check1 = L(1105);
    c.Check2 = L(1301);
    c.Check3 = "PTT ID";
    c.Check4_0 = L(1207);
    c.Check4_1 = L(1114);
    c.Check5 = L(1746);
    c.Check6 = L(1111);
    c.Check7 = "PTTID Decode";
    c.OK = L(101);
    c.Cancel = L(102);
    return c;
}

ChannelEditCaptions BuildChannelEditCaptions(const AppState& st) { return BuildChannelEditCaptions(st.LangText); }

// ---------------------------------------------------------------------------------------------
// Rules

std::vector<int> OfferedSquelchModes(int toneKind, bool signalling) {
    const bool tone = toneKind == 1 || toneKind == 2;
    if (!tone) return signalling ? std::vector<int>{0, 2} : std::vector<int>{0};
    return signalling ? std::vector<int>{0, 1, 2, 3, 4} : std::vector<int>{0, 1};
}

int SignalTypeOfOptSig(const ChannelEditLists& lists, int optSig) {
    return GetSignalTypeCode(ItemText(lists.OptSig, optSig));
}

int ExtraDisplayItem(const ChannelEditLists& lists, int value) {
    // Below 3 the value is the item; 3 is not offered; above it the items are one behind.
    int item = 0;
    if (value >= 0 && value < 3) item = value;
    else if (value > 3) item = value - 1;
    if (item >= static_cast<int>(lists.ExtraDisplay.size())) item = 0;
    return TextRule(lists.ExtraDisplay, ItemText(lists.ExtraDisplay, item));
}

int ExtraDisplayValue(int item) { return item >= 3 ? item + 1 : item; }

// ---------------------------------------------------------------------------------------------
// Showing

void LoadEditChannel(AppState& st, int number) {
    CopyBankToEdit(st);
    const int slot = FindFreIndex(st, number);
    if (slot >= 0) st.EditChannel = st.ChannelTable[slot];
    else NewEmptyChannel(st, st.EditChannel, number);
    // The power list has two items; the edit copy drops what it cannot show.
    if (st.EditChannel.Power > 1) st.EditChannel.Power = 0;
}

ChannelEditView ShowChannelData(const AppState& st, const ChannelEditLists& lists, int number,
                                const ChannelData& rec, const BankArray& banks, const MessageFn& message) {
    ChannelEditView view;
    ChannelEditValues& v = view.Values;
    view.NameShown = HasChannelName(number);
    view.BanksShown = HasChannelBanks(number);

    // Frequencies. The TX text is worked out in whole 10 Hz units from the texts shown.
    v.RxText = GetFreShowByData(st, rec.RxFreq.View(), message);
    v.Shift = std::max(IndexRule(lists.Shift, rec.Shift), 0);
    v.OffsetText = GetFreShowByData2(rec.OffsetFreq.View(), message);
    const auto rx = FreqTextToUnits(v.RxText);
    const auto offset = FreqTextToUnits(v.OffsetText);
    if (rx) {
        std::int64_t tx = *rx;
        if (v.Shift == 1 && offset) tx = *rx - *offset;
        else if (v.Shift == 2 && offset) tx = *rx + *offset;
        v.TxText = FormatNumber(static_cast<double>(tx) / 100000.0, "#.00000");
    }

    if (view.BanksShown)
        for (int b = 1; b <= kBankCount; ++b) v.Banks[b - 1] = BankPosIn(banks, number, b) > 0;

    const std::string name = rec.Name.Trimmed();
    for (std::size_t i = 0; i < v.NameChars.size(); ++i)
        v.NameChars[i] = i < name.size() ? name.substr(i, 1) : std::string();

    v.Step = std::max(IndexRule(lists.Step, rec.StepIndex), 0);
    v.Bandwidth = std::max(IndexRule(lists.Bandwidth, rec.Bandwidth), 0);
    v.Power = std::max(IndexRule(lists.Power, rec.Power > 1 ? 0 : rec.Power), 0);

    // Signalling: a type the model's list lacks (MSK) selects the first item; the entry list
    // still follows the stored type.
    v.OptSig = 0;
    if (rec.SignalType >= 1 && rec.SignalType <= 4)
        v.OptSig = std::max(TextRule(lists.OptSig, kSignalNames[rec.SignalType - 1]), 0);
    const bool signalling = v.OptSig != 0;
    view.TwoToneDecodeEnabled = SignalTypeOfOptSig(lists, v.OptSig) == 2;

    v.DecKind = std::max(IndexRule(lists.ToneKind, rec.DecToneType), 0);
    v.EncKind = std::max(IndexRule(lists.ToneKind, rec.EncToneType), 0);
    v.Scrambler = std::max(IndexRule(lists.Scrambler, rec.Scrambler), 0);
    // The two PTT IDs exclude each other; the 5-Tone one is set last and wins.
    v.DtmfPttId = std::max(IndexRule(lists.PttId, rec.DTMFPttId), 0);
    v.FiveTonePttId = std::max(IndexRule(lists.PttId, rec.FiveTonePttId), 0);
    if (v.FiveTonePttId != 0) v.DtmfPttId = 0;

    // Squelch mode: chosen while reverse is still unticked, then kept only where every later
    // rebuild of the offered list (reverse ticked, talk-around unticking it) still offers it.
    int mode = rec.SquelchMode >= 0 && rec.SquelchMode < 5 ? rec.SquelchMode : 0;
    if (!Contains(OfferedSquelchModes(v.DecKind, signalling), mode)) mode = 0;
    v.Reverse = IsPositive(rec.Reverse);
    v.TalkAround = IsPositive(rec.TalkAround);
    if (v.Reverse && !Contains(OfferedSquelchModes(v.EncKind, signalling), mode)) mode = 0;
    if (v.TalkAround) v.Reverse = 0;  // reverse and talk-around exclude each other
    view.SquelchOffered = OfferedSquelchModes(GoverningToneKind(v.DecKind, v.EncKind, v.Reverse), signalling);
    if (!Contains(view.SquelchOffered, mode)) mode = 0;
    v.SquelchMode = mode;

    v.ExtraDisplay = std::max(ExtraDisplayItem(lists, rec.Spare5), 0);
    v.BusyLock = std::max(IndexRule(lists.BusyLock, rec.BusyLockout), 0);
    v.SquelchLevel = std::max(IndexRule(lists.SquelchLevel, rec.SquelchLevel), 0);
    v.TwoToneDecode = TextRule(lists.TwoToneDecode, std::to_string(rec.TwoToneDecodeNo + 1));
    v.OffsetMode = std::max(IndexRule(lists.OffsetMode, rec.ExtraFlag), 0);
    v.TxInhibit = IsPositive(rec.TxInhibit);
    v.Compander = IsPositive(rec.Compander);
    v.ScanSkip = IsPositive(rec.ScanFlag);
    v.PttIdDecode = IsPositive(rec.Spare7);
    v.PttIdCode = rec.SpareText.Trimmed();

    view.IdListShown = IdListOfSignalType(rec.SignalType);
    switch (view.IdListShown) {
        case 0:
            v.IdIndex[0] = IndexRule(lists.DtmfMemories, rec.DTMFMemoryNo);
            v.PttIdFlag = IsPositive(rec.Spare4);
            break;
        case 1: v.IdIndex[1] = TextRule(lists.TwoToneEntries, std::to_string(rec.TwoToneNo)); break;
        case 2:
            v.IdIndex[2] = TextRule(lists.FiveToneRows, std::to_string(rec.FiveToneNo));
            v.PttIdFlag = IsPositive(rec.Spare4);
            break;
        case 3: v.IdIndex[3] = TextRule(lists.MskEntries, std::to_string(rec.MSKNo)); break;
        default: break;
    }

    view.DecCtcssShown = v.DecKind == 1;
    view.DecDcsShown = v.DecKind == 2;
    if (view.DecCtcssShown) v.DecCtcss = IndexRule(lists.Ctcss, rec.DecCTCSSIndex);
    if (view.DecDcsShown) {
        v.DecDcs = IndexRule(lists.Dcs, rec.DecDCSCode);
        v.DecInvert = IsPositive(rec.DecDCSInvert);
    }
    view.EncCtcssShown = v.EncKind == 1;
    view.EncDcsShown = v.EncKind == 2;
    if (view.EncCtcssShown) v.EncCtcss = IndexRule(lists.Ctcss, rec.EncCTCSSIndex);
    if (view.EncDcsShown) {
        v.EncDcs = IndexRule(lists.Dcs, rec.EncDCSCode);
        v.EncInvert = IsPositive(rec.EncDCSInvert);
    }

    // A custom tone of 1000 Hz and more is shown whole, as stored: the record keeps the radio's
    // 16-bit word, so an erased FF FF is 6553.5, not a negative tone.
    v.CustomCtcss = FormatNumber(static_cast<std::uint16_t>(rec.CustomCTCSS) / 10.0, "#.0");
    view.ValueControlsEnabled = !v.RxText.empty();
    return view;
}

// ---------------------------------------------------------------------------------------------
// Storing

namespace {

void Say(const MessageBoxFn& message, const std::string& text, int style) {
    if (message) message(text, style);
}

// The fields both a changed and an added record take from the dialog, frequencies first.
void StoreFields(AppState& st, const ChannelEditLists& lists, const ChannelEditValues& v, ChannelData& rec,
                 ChannelStoreResult& result, const MessageBoxFn& message) {
    rec.StepIndex = ClampInt16(v.Step);

    const FreqCheckResult rx = CheckRxFreqStr(st, v.RxText, rec.StepIndex);
    if (rx.OutOfBand) Say(message, st.LangText(2001), MsgStyle::Exclamation);
    result.RxText = rx.Text;
    rec.RxFreq = GetFreDataStr(rx.Text);

    std::string name;
    for (const auto& c : v.NameChars) name.push_back(c.empty() ? ' ' : c[0]);
    rec.Name = name;

    // An empty TX box is a simplex channel.
    FreqCheckResult tx{rx.Text, false, false};
    if (!TrimBlanks(v.TxText).empty()) {
        tx = CheckTxFreqStr(st, v.TxText, rec.StepIndex);
        if (tx.OutOfBand) Say(message, st.LangText(2001), MsgStyle::Exclamation);
    }
    const std::int64_t rxUnits = FreqTextToUnits(rx.Text).value_or(0);
    const std::int64_t txUnits = FreqTextToUnits(tx.Text).value_or(rxUnits);
    result.Shift = txUnits == rxUnits ? 0 : (txUnits < rxUnits ? 1 : 2);
    result.OffsetText = FreqUnitsToText(txUnits > rxUnits ? txUnits - rxUnits : rxUnits - txUnits, 1);
    rec.Shift = static_cast<std::int16_t>(result.Shift);
    const FreqCheckResult pair = CheckFreqPair(st, result.OffsetText, rx.Text, result.Shift, rec.StepIndex);
    if (pair.OutOfBand) Say(message, st.LangText(2001), MsgStyle::Exclamation);
    rec.OffsetFreq = GetFreDataStr(pair.Text);

    rec.Bandwidth = ClampInt16(v.Bandwidth);
    rec.Power = ClampInt16(v.Power);
    rec.DecToneType = ClampInt16(v.DecKind);
    rec.EncToneType = ClampInt16(v.EncKind);
    rec.SignalType = static_cast<std::int16_t>(SignalTypeOfOptSig(lists, v.OptSig));
    const double decodeNo = GetNumValue(ItemText(lists.TwoToneDecode, v.TwoToneDecode), 1);
    rec.TwoToneDecodeNo = ClampInt16(static_cast<long long>(RoundHalfEven(decodeNo)) - 1);
    rec.Scrambler = ClampInt16(v.Scrambler);
    rec.DTMFPttId = ClampInt16(v.DtmfPttId);
    rec.FiveTonePttId = ClampInt16(v.FiveTonePttId);
    rec.SquelchMode = ClampInt16(std::max(v.SquelchMode, 0));
    rec.Spare5 = ClampInt16(ExtraDisplayValue(v.ExtraDisplay));
    rec.BusyLockout = ClampInt16(v.BusyLock);
    rec.SquelchLevel = ClampInt16(v.SquelchLevel);
    rec.ExtraFlag = ClampInt16(v.OffsetMode);
    rec.TxInhibit = ClampInt16(v.TxInhibit);
    rec.DecCTCSSIndex = ClampInt16(std::max(v.DecCtcss, 0));
    rec.EncCTCSSIndex = ClampInt16(std::max(v.EncCtcss, 0));
    rec.DecDCSCode = ClampInt16(std::max(v.DecDcs, 0));
    rec.EncDCSCode = ClampInt16(std::max(v.EncDcs, 0));
    rec.DecDCSInvert = ClampInt16(v.DecInvert);
    rec.EncDCSInvert = ClampInt16(v.EncInvert);
    rec.DTMFMemoryNo = ClampInt16(std::max(v.IdIndex[0], 0));
    auto entryNo = [](const std::vector<std::string>& items, int index) {
        return ClampInt16(GetIntOfText(ItemText(items, index), 0));
    };
    rec.TwoToneNo = entryNo(lists.TwoToneEntries, v.IdIndex[1]);
    rec.FiveToneNo = entryNo(lists.FiveToneRows, v.IdIndex[2]);
    rec.MSKNo = entryNo(lists.MskEntries, v.IdIndex[3]);
    rec.Reverse = ClampInt16(v.Reverse);
    rec.TalkAround = ClampInt16(v.TalkAround);
    rec.Compander = ClampInt16(v.Compander);
    rec.ScanFlag = ClampInt16(v.ScanSkip);
    rec.Spare7 = ClampInt16(v.PttIdDecode);
    rec.SpareText = result.PttIdCode;

    result.CustomCtcss = GetCTCSSShowStr(v.CustomCtcss);
    rec.CustomCTCSS = ClampInt16(ParseScaled(result.CustomCtcss, 1, RoundMode::HalfEven).value_or(1511));
}

}  // namespace

ChannelStoreResult StoreChannelEdit(AppState& st, const ChannelEditLists& lists, int number,
                                    const ChannelEditValues& v, const MessageBoxFn& message) {
    ChannelStoreResult result;
    result.PttIdCode = v.PttIdCode;
    if (result.PttIdCode.size() < 5) result.PttIdCode.append(5 - result.PttIdCode.size(), '0');
    if (number < 1 || number > kMaxChannels) return result;

    // Only an empty RX box clears a channel; a VFO always keeps a frequency.
    const std::string rxText = TrimBlanks(v.RxText);
    if (rxText.empty()) {
        if (number >= kVfo1Channel) {
            Say(message, "VFO can't be null!", MsgStyle::OkOnly);
            result.Outcome = ChannelStoreOutcome::Refused;
            return result;
        }
        if (IsChannelNoUsed(st, number) && number <= kMemoryChannels) {
            CopyEditToBank(st);
            const bool deleted = DeleteChannel(st, number, [&](const std::string& t) { Say(message, t, MsgStyle::OkOnly); });
            result.Outcome = deleted ? ChannelStoreOutcome::Deleted : ChannelStoreOutcome::DeleteRefused;
        }
        return result;
    }
    if (!IsNumericText(rxText)) {
        Say(message, st.LangText(kRxNotNumberText), MsgStyle::Exclamation);
        result.Outcome = ChannelStoreOutcome::Refused;
        return result;
    }

    const int slot = FindFreIndex(st, number);
    const int count = std::clamp<int>(st.CurRadioData.ChannelCount, 0, kMaxChannels);
    if (slot < 0 && count >= kMaxChannels) return result;  // one record per number: cannot happen
    CopyEditToBank(st);
    ChannelData rec;
    if (slot >= 0) {
        rec = st.ChannelTable[slot];
    } else {
        rec = ChannelData{};
        rec.ChannelNo = static_cast<std::int16_t>(number);
        // Only a new channel takes the PTT ID flag.
        rec.Spare4 = ClampInt16(v.PttIdFlag);
    }
    rec.Used = 1;
    StoreFields(st, lists, v, rec, result, message);
    if (slot >= 0) {
        st.ChannelTable[slot] = rec;
    } else {
        st.ChannelTable[count] = rec;
        st.CurRadioData.ChannelCount = static_cast<std::int16_t>(count + 1);
    }
    SetChBankByList(st, number, v.Banks);
    result.Outcome = ChannelStoreOutcome::Stored;
    return result;
}

}  // namespace rp
