#include "mappings/FiveToneInfo.h"

#include <algorithm>

#include "model/AppState.h"
#include "model/LangText.h"
#include "model/ValueText.h"

namespace rp {

InfoFunctionRule InfoFunctionRuleOf(int f) {
    InfoFunctionRule r;
    switch (f) {
    case 1: r.TwoResponsesOnly = true; r.ForcedResponse = 0; break;
    case 2: case 6: r.ForcedResponse = 0; r.ResponseEnabled = false; break;
    case kInfoKill: case kInfoStun: case kInfoWake: r.ForcedResponse = 2; r.ResponseEnabled = false; break;
    default: break;
    }
    r.NameEnabled = f != 0 && f != 6;
    return r;
}

static std::string InfoCodeText(const InfoCodeRec& r) {
    const std::size_t n = std::min<std::size_t>(r.CodeLength, decltype(r.Code)::Size);
    return std::string(r.Code.View().substr(0, n));
}

InfoCodeView ShowInfoCode(const AppState& st, const InfoCodeRec& r, int number) {
    InfoCodeView v;
    v.Number = number;
    v.Caption = GetLangStr(st, 3005) + std::to_string(number);
    constexpr int kInfoFunctions = 8;  // the lines of the function list (FiveToneLists::InfoFunctions)
    v.Responses = {GetOptionStr(st, "60057"), GetOptionStr(st, "60058"), GetOptionStr(st, "60059")};
    if (r.InfoFunction < kInfoFunctions) v.Function = r.InfoFunction;
    const InfoFunctionRule rule = InfoFunctionRuleOf(v.Function);
    if (rule.TwoResponsesOnly) v.Responses.resize(2);
    v.ResponseEnabled = rule.ResponseEnabled;
    v.NameEnabled = rule.NameEnabled;
    // The stored response is shown even where the function would force another; one the list
    // cannot show leaves the list without a choice and is kept.
    if (r.InfoResponse < v.Responses.size()) v.Response = r.InfoResponse;
    v.Code = r.CodeLength > 0 ? InfoCodeText(r) : "";
    v.Name = (v.Function == 0 || v.Function == 6) ? "" : r.Name.Trimmed();
    return v;
}

void SaveInfoCode(InfoCodeRec& stored, int function, int response, std::string_view code, std::string_view name) {
    InfoCodeRec r = stored;
    if (function >= 0 && function <= 7) r.InfoFunction = static_cast<std::uint8_t>(function);
    if (response >= 0 && response <= 2) r.InfoResponse = static_cast<std::uint8_t>(response);
    r.Code = code;
    r.CodeLength = static_cast<std::uint8_t>(std::min<std::size_t>(code.size(), decltype(r.Code)::Size));
    r.Name = TrimNull(name);
    stored = r;
}

int InfoCodeSameAsOwnID(const FiveToneData& ft) {
    const std::string own = ft.OwnID.Trimmed();
    for (std::size_t i = 0; i < ft.InfoCodes.size(); ++i) {
        const int f = ft.InfoCodes[i].InfoFunction;
        if ((f == kInfoKill || f == kInfoStun || f == kInfoWake) && InfoCodeText(ft.InfoCodes[i]) == own)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::vector<std::string> CheckInfoKillStunWaken(const FiveToneData& ft) {
    bool killOrStun = false, wake = false, duplicate = false;
    const std::string own = ft.OwnID.Trimmed();
    const auto& e = ft.InfoCodes;
    for (std::size_t i = 0; i < e.size(); ++i) {
        const int f = e[i].InfoFunction;
        if (f == kInfoKill || f == kInfoStun) killOrStun = true;
        if (f == kInfoWake) wake = true;
        if (f != kInfoKill && f != kInfoStun && f != kInfoWake) continue;
        const std::string ci = InfoCodeText(e[i]);
        if (ci == own) return {"60350"};
        // Every other entry, earlier ones included: a shared code is refused wherever it sits.
        for (std::size_t j = 0; j < e.size(); ++j)
            if (j != i && e[j].InfoFunction != f && InfoCodeText(e[j]) == ci) duplicate = true;
    }
    std::vector<std::string> keys;
    if (killOrStun && !wake) keys.push_back("60300");
    if (duplicate) keys.push_back("60301");
    return keys;
}

namespace {
constexpr int kMessageHead = 8;  // "E1", the code, "E"
}  // namespace

int SpecialMessageMax(int mode) {
    const int digits = mode == 1 || mode == 2 ? kPttIdCodeMax : kFiveToneCodeMax;
    return (digits - kMessageHead) / 2;
}

std::string SpecialCodeTooLongText(const AppState& st) { return GetOptionStr(st, "60351"); }

std::vector<std::string> SpecialCodeKinds(const AppState& st) {
    return {GetOptionStr(st, "60073"), std::string(kAniKind), std::string(kPttIdKind)};
}

std::string HexOfMessage(std::string_view m) {
    static const char* d = "0123456789ABCDEF";
    std::string h;
    for (const char ch : m) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 16) h.push_back(d[c >> 4]);
        h.push_back(d[c & 15]);
    }
    return h;
}

static void SetRowCode(FiveToneCodeRec& r, const std::string& code, std::size_t length) {
    r.Code = code;
    r.CodeLength = static_cast<std::uint8_t>(std::min<std::size_t>(length, kFiveToneCodeMax));
    r.IsEmpty = 0;
}

SpecialCodeOutput ApplySpecialCode(const AppState& st, FiveToneData& ft, const SpecialCodeInput& in) {
    SpecialCodeOutput out;
    const bool hasSeparator = in.Separator >= 1 && in.Separator <= 6;
    ft.SpecialHexDigit = static_cast<std::int16_t>(hasSeparator ? 9 + in.Separator : 0);
    const std::string d = hasSeparator ? std::string(1, static_cast<char>('A' + in.Separator - 1)) : "";
    if ((in.Kind == 0 || in.Kind == 1) && in.Code.size() < 5) {
        out.CodeTooShort = true;
        return out;
    }
    const std::string& c = in.Code;
    const std::string& id = in.OwnId;
    const std::string h = HexOfMessage(in.Message);
    if (in.Mode == 0) {
        const int row = std::clamp(in.Row, 0, kFiveToneRows - 1);
        FiveToneCodeRec& r = ft.CodeRows[row];
        if (in.Kind == 0) {
            const std::string x = ConvertSignalIDStr("E1" + c + "E", "X") + h;
            SetRowCode(r, ConvertSignalIDStr(x, "X"), x.size());
            out.CodeCell = c + " " + GetOptionStr(st, "60084") + in.Message;
        } else if (in.Kind == 1) {
            const std::string composed = c + d + std::string(kSelfIdMark);
            SetRowCode(r, GetSignalIDStr(composed, id), composed.size());
            out.CodeCell = c + d;
        } else {
            const std::string composed = "E6" + std::string(kSelfIdMark);
            SetRowCode(r, GetSignalIDStr(composed, id), composed.size());
        }
        const auto kinds = SpecialCodeKinds(st);
        out.KindCell = kinds[static_cast<std::size_t>(std::clamp(in.Kind, 0, 2))];
        return out;
    }
    std::string box;
    if (in.Kind == 0) box = "E1" + c + "E" + h;
    else if (in.Kind == 1) box = c + d + id;
    else box = "E6" + id;
    const std::string stored = GetSignalIDStr(box, id);
    // A longer code would stop every later write to the radio.
    if (static_cast<int>(stored.size()) > kPttIdCodeMax) {
        out.TooLong = true;
        return out;
    }
    out.BoxText = stored;
    return out;
}

}  // namespace rp
