#include "mappings/ModBatch.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "model/AppState.h"
#include "model/ChannelOps.h"
#include "mappings/ChannelEditMap.h"
#include "model/FixedText.h"
#include "model/FreqCheck.h"
#include "model/NewData.h"
#include "model/Repairs.h"
#include "model/ToneLists.h"
#include "model/Values.h"

namespace rp {

// ---- BatchFun.ini ----

static std::string BatchFunPath(const AppState& st) {
    if (!st.BatchFunIniPath.empty()) return st.BatchFunIniPath;
    return (std::filesystem::path(st.ProgramDir) / "BatchFun.ini").string();
}

void SetDefaultBatchFun(BatchFunArray& flags) {
    flags.fill(1);
    flags[kBatchCompander] = 0;
}

int IsBatchFunOn(std::uint8_t flag) { return flag > 0 ? 1 : 0; }

bool SaveBatchFun(const AppState& st) {
    const std::string path = BatchFunPath(st);
    std::error_code ec;
    // Only the first 21 bytes belong to the switches; whatever follows them stays.
    std::fstream f;
    if (std::filesystem::is_regular_file(path, ec))
        f.open(path, std::ios::in | std::ios::out | std::ios::binary);
    else
        f.open(path, std::ios::out | std::ios::binary);
    if (!f) return false;
    f.write(reinterpret_cast<const char*>(st.BatchFunFlags.data()), kBatchFunCount);
    f.flush();
    return static_cast<bool>(f);
}

void LoadBatchFun(AppState& st) {
    const std::string path = BatchFunPath(st);
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        std::ifstream f(path, std::ios::binary);
        if (!f) return;  // unreadable: the switches stay as they are
        BatchFunArray read{};
        f.read(reinterpret_cast<char*>(read.data()), kBatchFunCount);
        if (f.gcount() == kBatchFunCount) {
            st.BatchFunFlags = read;
            st.BatchFunFlags[kBatchCompander] = 0;
            return;
        }
        if (f.bad()) return;
    } else if (std::filesystem::exists(path, ec)) {
        return;  // a folder or device by that name: nothing to read, nothing to overwrite
    }
    // Missing, or too short to hold the switches: the defaults, kept in the file from now on.
    SetDefaultBatchFun(st.BatchFunFlags);
    SaveBatchFun(st);
    st.BatchFunFlags[kBatchCompander] = 0;
}

// ---- Input rules ----

std::string DefaultData(std::string_view rData, std::string_view rDef) {
    return IsNumericText(rData) ? std::string(rData) : std::string(rDef);
}

// The raster of the channel plan: 2.5 kHz and 6.25 kHz in 10 Hz units.
constexpr std::int64_t kRasterA = 250;
constexpr std::int64_t kRasterB = 625;

static std::int64_t SnapToRaster(std::int64_t units, std::int64_t edge) {
    const std::int64_t n = units - edge;
    const std::int64_t r = n % kRasterA;  // sign of n, so the value moves towards the edge
    if (r != 0 && n % kRasterB != 0) return units - r;
    return units;
}

std::int64_t StepDataFre(const AppState& st, std::int64_t units, bool isRx) {
    const double* low = isRx ? st.RxBandLow : st.TxBandLow;
    const double* high = isRx ? st.RxBandHigh : st.TxBandHigh;
    // The edge only sets where the raster is counted from; every band edge is a whole MHz, which
    // lies on both rasters, so which band is taken does not change the result.
    int b = 0;
    const double f = static_cast<double>(units) / 100000.0;
    for (int j = 0; j < 2; ++j)
        if (f >= low[j] && f >= high[j]) b = j;
    const auto edge = static_cast<std::int64_t>(RoundHalfEven(low[b] * 100000.0));
    return SnapToRaster(units, edge);
}

std::string StepDataFree(std::string_view mhzText) {
    std::int64_t u = ParseScaled(mhzText, 5, RoundMode::HalfEven).value_or(0);
    u = SnapToRaster(u, 0);
    return FreqUnitsToText(u, 1);
}

std::string StepData(std::string_view khzText) {
    std::int64_t u = ParseScaled(khzText, 2, RoundMode::HalfEven).value_or(0);
    u = SnapToRaster(u, 0);
    std::string s = FormatScaled(u, 2);
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    if (s.empty() || s == "-0") s = "0";
    return s;
}

std::string ClampRangeText(std::string_view text) {
    auto v = ParseNumber(text);
    if (!v) return "0";
    if (*v > 199) return "199";
    if (*v < 0) return "0";
    return std::to_string(static_cast<int>(*v));  // the integer part
}

std::string ClampStepText(std::string_view text) {
    auto v = ParseNumber(text);
    if (v && *v > 1000) return "1000";
    return std::string(text);
}

std::string NormaliseStartFreq(const AppState& st, std::string_view mhzText, bool isRx) {
    const FreqCheckResult checked = CheckFreqStr(st, mhzText, 0, isRx);
    const std::int64_t units = FreqTextToUnits(checked.Text).value_or(0);
    // The snap counts from the RX edges for both boxes, as the TX box always has; all edges lie
    // on the raster, so a checked TX value stays where the check put it.
    return FreqUnitsToText(StepDataFre(st, units, true), 1);
}

static std::string CutTo(std::string s, std::size_t n) {
    if (s.size() > n) s.resize(n);
    return s;
}

std::string NormaliseBatchField(const AppState& st, int index, std::string_view text, std::string_view related) {
    switch (index) {
        case 0: return NormaliseStartFreq(st, text, true);
        case 3: return NormaliseStartFreq(st, text, false);
        case 1:
        case 4: return StepData(text);
        case 2: return StepDataFree(text);
        case 5:
        case 6:
        case 8: return DefaultData(text, "0");
        case 9:
        case 11: return CutTo(DefaultData(text, "0"), related.size());
        case 10: {
            std::string t = DefaultData(text, "000");
            return t.size() < 3 ? std::string("000") : t;
        }
        default: return std::string(text);
    }
}

// ---- Tone and entry lists ----

std::vector<std::string> BatchToneList(std::string_view noneText, std::string_view customText) {
    std::vector<std::string> items;
    items.reserve(kBatchToneCount);
    items.emplace_back(noneText);
    for (std::string_view t : CTCSSToneTexts()) items.emplace_back(t);
    items.emplace_back(customText);
    for (int inv = 0; inv < 2; ++inv)
        for (int c = 0; c < kDCSCodeCount; ++c) items.push_back(DCSCodeText(c, inv == 1));
    return items;
}

static std::optional<int> OctalDigits(std::string_view s) {
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '7') return std::nullopt;
        v = v * 8 + (c - '0');
    }
    return v;
}

void GetToneByText(std::string_view text, int index, std::string_view customText, ToneFields& tone) {
    if (index == 0) {
        tone.Kind = 0;
        return;
    }
    if (IsNumericText(text) || TrimNull(text) == customText) {
        // A CTCSS item sits one place after its index; the custom tone is index 51. Anything
        // that would land outside the tones is no tone rather than a stray index.
        if (index >= 1 && index <= kCTCSSToneCount + 1) {
            tone.Kind = 1;
            tone.CTCSSIndex = static_cast<std::int16_t>(index - 1);
        } else {
            tone.Kind = 0;
        }
        return;
    }
    if (text.size() == 5 && text[0] == 'D' && (text[4] == 'N' || text[4] == 'I')) {
        if (auto code = OctalDigits(text.substr(1, 3))) {
            tone.DCSInvert = text[4] == 'I' ? 1 : 0;
            tone.DCSCode = static_cast<std::int16_t>(*code);
            tone.Kind = 2;
            return;
        }
    }
    tone.Kind = 0;
}

int GetIntByText(std::string_view text, int def, std::string_view removeChars) {
    if (text.empty()) return def;
    std::string t(text);
    for (char c : removeChars) t.erase(std::remove(t.begin(), t.end(), c), t.end());
    auto v = ParseScaled(t, 0, RoundMode::HalfEven);
    if (!v || *v < INT16_MIN || *v > INT16_MAX) return def;
    return static_cast<int>(*v);
}

BatchEntryLists GetBatchEntryLists(const AppState& st) {
    BatchEntryLists l;
    const SignalData& sig = st.CurRadioData.Signal;
    for (int i = 0; i < 16; ++i)
        if (sig.DTMF.Memories[i].Length > 0) l.DTMF.push_back(std::to_string(i + 1) + "M");
    for (int i = 0; i < 32; ++i)
        if (sig.TwoTone.List[i].EmptyFlag == 0) l.TwoTone.push_back(std::to_string(i));
    for (int i = 0; i < 100; ++i)
        if (sig.FiveTone.CodeRows[i].IsEmpty == 0) l.FiveTone.push_back(std::to_string(i));
    for (int i = 0; i < 32; ++i)
        if (st.CurRadioData.MSK.Entries[i].Valid == 1) l.MSK.push_back(std::to_string(i));
    for (int i = 0; i < 16; ++i)
        if (sig.TwoTone.Decode[i].Valid == 1) l.TwoToneDecode.push_back(std::to_string(i + 1));
    return l;
}

BatchLists GetBatchLists(const AppState& st) {
    BatchLists l;
    auto texts = [&](std::initializer_list<int> ids) {
        std::vector<std::string> v;
        for (int id : ids) v.push_back(st.LangText(id));
        return v;
    };
    l.Tones = BatchToneList(st.LangText(4070), st.LangText(4030));
    l.Step = ChannelStepItems();
    // The stored bandwidth is 0 for 25 kHz and 1 for 12.5 kHz everywhere in the program.
    l.Spacing = ChannelBandwidthItems();
    l.Power = texts({4072, 4074});
    l.Signal = {st.LangText(4070), "DTMF", "2Tone{DN}", "5Tone"};
    if (st.CurModelCode == "6173USD") l.Signal.push_back("MSK{DN}");
    l.SquelchMode = texts({4075, 4076, 4077, 4078, 4079});
    l.PttId = texts({4071, 4080, 4081, 4082});
    l.Scrambler = texts({4071, 4083});
    l.BusyLock = texts({4071, 4084, 4085});
    for (int i = 0; i <= 9; ++i) l.SquelchLevel.push_back(std::to_string(i));
    l.Entries = GetBatchEntryLists(st);
    return l;
}

// ---- Apply ----

static bool On(const AppState& st, int k) { return st.BatchFunFlags[k] > 0; }

void NormaliseBatchSettings(const AppState& st, BatchSettings& s) {
    if (On(st, kBatchRxFreq)) {
        s.RxStart = NormaliseBatchField(st, 0, s.RxStart);
        s.RxStep = NormaliseBatchField(st, 1, ClampStepText(s.RxStep));
    }
    if (On(st, kBatchTxFreq)) {
        if (s.TxRule == 1) {
            s.TxOffset = NormaliseBatchField(st, 2, s.TxOffset);
        } else if (s.TxRule == 2) {
            s.TxStart = NormaliseBatchField(st, 3, s.TxStart);
            s.TxStep = NormaliseBatchField(st, 4, ClampStepText(s.TxStep));
        }
    }
    if (On(st, kBatchDecTone)) s.DecTone.Interval = NormaliseBatchField(st, 5, s.DecTone.Interval);
    if (On(st, kBatchEncTone)) s.EncTone.Interval = NormaliseBatchField(st, 6, s.EncTone.Interval);
    if (On(st, kBatchName) && s.NumericName) {
        // The box takes no more than this; a longer text would leave no room in the name.
        s.StartId = CutTo(NormaliseBatchField(st, 8, s.StartId), kBatchIdLimit);
        s.IdStep = NormaliseBatchField(st, 9, s.IdStep, s.StartId);
    }
}

static std::int64_t Units(std::string_view mhzText) { return FreqTextToUnits(mhzText).value_or(0); }

// kHz text to 10 Hz units.
static std::int64_t StepUnits(std::string_view khzText) {
    return ParseScaled(khzText, 2, RoundMode::HalfEven).value_or(0);
}

// The channel's RX frequency in 10 Hz units; none for an empty or unreadable field.
static std::optional<std::int64_t> RxUnits(const ChannelData& c) {
    const std::string t = c.RxFreq.Trimmed();
    if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stoll(t);
}

static std::string FreqText(std::int64_t units) { return FreqUnitsToText(std::max<std::int64_t>(units, 0), 1); }

static int ToneItem(const BatchSettings::ToneRow& row, int n, int count, const BatchRandom& random) {
    if (row.Random) {
        // The product is taken in single precision, so a draw just below 1 can round up to the
        // count itself: that lands on the last item.
        const double u = random ? random() : 0.0;
        const auto k = static_cast<int>(static_cast<float>(count) * static_cast<float>(u));
        return std::clamp(k, 0, count - 1);
    }
    const int start = (row.ListIndex >= 0 && row.ListIndex < count) ? row.ListIndex : 0;
    const long long step = static_cast<long long>(GetIntOfText(row.Interval, 0)) * n;
    long long k = row.Increase ? start + step : start - step;
    k %= count;
    if (k < 0) k += count;
    return static_cast<int>(k);
}

static void SetTone(ChannelData& c, bool encode, const ToneFields& t) {
    if (encode) {
        c.EncToneType = t.Kind;
        c.EncCTCSSIndex = t.CTCSSIndex;
        c.EncDCSCode = t.DCSCode;
        c.EncDCSInvert = t.DCSInvert;
    } else {
        c.DecToneType = t.Kind;
        c.DecCTCSSIndex = t.CTCSSIndex;
        c.DecDCSCode = t.DCSCode;
        c.DecDCSInvert = t.DCSInvert;
    }
}

static ToneFields GetTone(const ChannelData& c, bool encode) {
    return encode ? ToneFields{c.EncToneType, c.EncCTCSSIndex, c.EncDCSCode, c.EncDCSInvert}
                  : ToneFields{c.DecToneType, c.DecCTCSSIndex, c.DecDCSCode, c.DecDCSInvert};
}

static std::string NumericName(const BatchSettings& s, int n) {
    const int len = static_cast<int>(s.StartId.size());
    long long modulus = 1;
    for (int i = 0; i < len; ++i) modulus *= 10;
    std::string prefix = s.NameText;
    if (len >= kBatchIdLimit) prefix.clear();
    else if (static_cast<int>(prefix.size()) > kBatchIdLimit - len) prefix.resize(kBatchIdLimit - len);
    const long long start = GetIntOfText(s.StartId, 0);
    const long long step = static_cast<long long>(GetIntOfText(s.IdStep, 0)) * n;
    long long v = s.IdIncrease ? start + step : start - step;
    v %= modulus;
    if (v < 0) v += modulus;
    return prefix + FormatPadded(v, len);
}

static std::int16_t Index16(int index) { return ClampInt16(std::max(index, 0)); }

void ApplyBatch(AppState& st, BatchSettings& s, const BatchRandom& random, const MessageFn& message) {
    // 1. The range, in channel numbers.
    int from = 1, to = kMemoryChannels;
    if (!s.AllChannels) {
        s.FromText = ClampRangeText(s.FromText);
        s.ToText = ClampRangeText(s.ToText);
        from = GetIntOfText(s.FromText, 0) + 1;
        to = GetIntOfText(s.ToText, 0) + 1;
        if (from > to) std::swap(from, to);
    }

    // 2. The inputs of the functions that are on, as leaving their fields would leave them.
    NormaliseBatchSettings(st, s);
    const int shiftChoice = s.OffsetPlus ? 2 : 1;

    // 3. Memory channels outside the range go first; the PL/PU channels and the VFOs stay.
    if (s.DeleteOutside) {
        int slot = 0;
        while (slot < st.CurRadioData.ChannelCount && slot < kMaxChannels) {
            const int number = st.ChannelTable[slot].ChannelNo;
            if ((number < from || number > to) && number <= kMemoryChannels) {
                // A refusal (the last memory channel) would find the same slot again: its message
                // is shown once and the walk ends there.
                if (!DeleteChannel(st, number, message)) break;
            } else {
                ++slot;
            }
        }
    }

    const std::string customText = st.LangText(4030);
    const std::vector<std::string> tones = BatchToneList(st.LangText(4070), customText);
    const int toneCount = static_cast<int>(tones.size());
    const std::int64_t rxStart = Units(s.RxStart), rxStep = StepUnits(s.RxStep);
    const std::int64_t txStart = Units(s.TxStart), txStep = StepUnits(s.TxStep);
    const std::int64_t offset = Units(s.TxOffset);

    static constexpr int kOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 17, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20};

    for (int ch = from; ch <= to; ++ch) {
        const int n = ch - from;
        int slot = FindFreIndex(st, ch);
        for (int k : kOrder) {
            if (!On(st, k)) continue;
            if (k != kBatchRxFreq && slot < 0) break;
            if (k == kBatchRxFreq) {
                const std::int64_t f = s.RxIncrease ? rxStart + rxStep * n : rxStart - rxStep * n;
                const std::string rx = CheckRxFreqStr(st, FreqText(f)).Text;
                if (slot < 0) {
                    if (!AddDefaultChannel(st, ch, rx)) break;  // no room left in the table
                    slot = st.CurRadioData.ChannelCount - 1;
                }
                // Also a new channel keeps the full 10 Hz of its frequency, on the raster.
                st.ChannelTable[slot].RxFreq = GetFreDataStr(rx);
                continue;
            }
            ChannelData& c = st.ChannelTable[slot];
            switch (k) {
                case kBatchTxFreq: {
                    if (s.TxRule == 0) {
                        c.Shift = 0;
                        c.OffsetFreq = GetFreDataStr("0");
                        break;
                    }
                    const auto rxUnits = RxUnits(c);
                    if (!rxUnits) break;  // no RX frequency to count from
                    std::int64_t t;
                    if (s.TxRule == 1) t = shiftChoice == 2 ? *rxUnits + offset : *rxUnits - offset;
                    else t = s.TxIncrease ? txStart + txStep * n : txStart - txStep * n;
                    const std::string ts = CheckTxFreqStr(st, FreqText(t)).Text;
                    const std::string rs = FreqUnitsToText(*rxUnits, 3);
                    const std::int64_t d = Units(ts) - *rxUnits;
                    c.Shift = static_cast<std::int16_t>(d > 0 ? 2 : d < 0 ? 1 : 0);
                    const std::string pair = CheckFreqPair(st, FreqUnitsToText(d < 0 ? -d : d, 1), rs, c.Shift).Text;
                    c.OffsetFreq = GetFreDataStr(pair);
                    break;
                }
                case kBatchDecTone:
                case kBatchEncTone: {
                    const bool encode = k == kBatchEncTone;
                    if (encode && s.EncFollowsDec) {
                        SetTone(c, true, GetTone(c, false));
                        break;
                    }
                    const int item = ToneItem(encode ? s.EncTone : s.DecTone, n, toneCount, random);
                    ToneFields t = GetTone(c, encode);
                    GetToneByText(tones[item], item, customText, t);
                    SetTone(c, encode, t);
                    break;
                }
                case kBatchName:
                    c.Name = s.NumericName ? NumericName(s, n) : s.NameText;
                    break;
                case kBatchStep: c.StepIndex = Index16(s.StepIndex); break;
                case kBatchSpacing: c.Bandwidth = Index16(s.Spacing); break;
                case kBatchPower: c.Power = Index16(s.Power); break;
                case kBatchSignal:
                    c.SignalType = static_cast<std::int16_t>(GetSignalTypeCode(s.SignalText));
                    c.DTMFMemoryNo = static_cast<std::int16_t>(GetIntByText(s.DTMFText, 1, "M") - 1);
                    c.TwoToneNo = static_cast<std::int16_t>(GetIntByText(s.TwoToneText, 0, ""));
                    c.FiveToneNo = static_cast<std::int16_t>(GetIntByText(s.FiveToneText, 0, ""));
                    c.MSKNo = static_cast<std::int16_t>(GetIntByText(s.MSKText, 0, ""));
                    c.TwoToneDecodeNo = static_cast<std::int16_t>(GetIntByText(s.DecodeText, 1, "") - 1);
                    break;
                case kBatchReverse:
                    c.Reverse = s.Checks[3] ? 1 : 0;
                    if (c.Reverse > 0 && c.TalkAround > 0) c.TalkAround = 0;
                    break;
                case kBatchSquelchMode: {
                    // The channel dialog offers the same modes; one it would not offer falls back to 0.
                    const int kind = GoverningToneKind(c.DecToneType, c.EncToneType, c.Reverse > 0);
                    const std::vector<int> offered = OfferedSquelchModes(kind, c.SignalType != 0);
                    const bool ok = std::find(offered.begin(), offered.end(), s.SquelchMode) != offered.end();
                    c.SquelchMode = Index16(ok ? s.SquelchMode : 0);
                    break;
                }
                case kBatchDTMFPttId:
                    c.DTMFPttId = Index16(s.DTMFPttId);
                    if (c.DTMFPttId > 0 && c.FiveTonePttId > 0) c.FiveTonePttId = 0;
                    break;
                case kBatchFiveTonePttId:
                    c.FiveTonePttId = Index16(s.FiveTonePttId);
                    if (c.FiveTonePttId > 0 && c.DTMFPttId > 0) c.DTMFPttId = 0;
                    break;
                case kBatchScrambler: c.Scrambler = Index16(s.Scrambler); break;
                case kBatchBusyLock: c.BusyLockout = Index16(s.BusyLock); break;
                case kBatchTxInhibit: c.TxInhibit = s.Checks[0] ? 1 : 0; break;
                case kBatchCompander: c.Compander = s.Checks[1] ? 1 : 0; break;
                case kBatchScanSkip: c.ScanFlag = s.Checks[2] ? 1 : 0; break;
                case kBatchTalkAround:
                    c.TalkAround = s.Checks[4] ? 1 : 0;
                    if (c.TalkAround > 0 && c.Reverse > 0) c.Reverse = 0;
                    break;
                case kBatchCustomCTCSS:
                    s.CustomTone = GetCTCSSShowStr(s.CustomTone);
                    c.CustomCTCSS = static_cast<std::int16_t>(
                        ParseScaled(s.CustomTone, 1, RoundMode::HalfEven).value_or(1511));
                    break;
                case kBatchSquelchLevel: c.SquelchLevel = Index16(s.SquelchLevel); break;
                default: break;
            }
        }
    }

    // Deleted channels may still be named by the option, scan and alert settings.
    CheckChannelRefs(st);
}

}  // namespace rp
