#include "mappings/BankEdit.h"

#include "model/AppState.h"
#include "model/Banks.h"
#include "model/Values.h"

namespace rp {

std::string GetChannelText(int number) { return "Channel " + std::to_string(number - 1); }

int GetChannelNum(std::string_view text) {
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos) return 0;
    auto v = ParseScaled(text.substr(blank + 1), 0, RoundMode::HalfEven);
    if (!v || *v < 0 || *v >= kMaxChannels) return 0;
    return static_cast<int>(*v) + 1;
}

std::vector<std::string> BankListTexts() {
    std::vector<std::string> v;
    for (int b = 1; b <= kBankCount; ++b) v.push_back("Bank " + std::to_string(b));
    return v;
}

static bool IsBankNumber(int bank) { return bank >= 1 && bank <= kBankCount; }

BankView ShowBank(const AppState& st, int bank) {
    BankView v;
    if (!IsBankNumber(bank)) return v;
    v.Bank = bank;
    // A place holding anything but a memory channel counts as free, as everywhere else.
    for (std::int16_t e : st.EditBankTable[bank - 1])
        if (!IsFreeBankPlace(e)) v.InBank.push_back(GetChannelText(e));
    const int count = std::min<int>(std::max<int>(st.CurRadioData.ChannelCount, 0), kMaxChannels);
    for (int i = 0; i < count; ++i) {
        const int n = st.ChannelTable[i].ChannelNo;
        if (n >= 1 && n <= kMemoryChannels && !IsChInEditBank(st, n, bank)) v.Other.push_back(GetChannelText(n));
    }
    return v;
}

bool AddToShownBank(AppState& st, BankView& view, int otherIndex) {
    if (!IsBankNumber(view.Bank)) return false;
    if (otherIndex < 0 || otherIndex >= static_cast<int>(view.Other.size())) return false;
    if (view.InBank.size() >= static_cast<std::size_t>(kBankPlaces)) return false;
    const std::string text = view.Other[otherIndex];
    const int n = GetChannelNum(text);
    if (IsFreeBankPlace(n)) return false;  // not a memory channel
    for (auto& e : st.EditBankTable[view.Bank - 1]) {
        if (!IsFreeBankPlace(e)) continue;
        e = static_cast<std::int16_t>(n);
        view.InBank.push_back(text);
        view.Other.erase(view.Other.begin() + otherIndex);
        return true;
    }
    return false;
}

bool RemoveFromShownBank(AppState& st, BankView& view, int inBankIndex) {
    if (!IsBankNumber(view.Bank)) return false;
    if (inBankIndex < 0 || inBankIndex >= static_cast<int>(view.InBank.size())) return false;
    const std::string text = view.InBank[inBankIndex];
    const int n = GetChannelNum(text);
    for (auto& e : st.EditBankTable[view.Bank - 1]) {
        if (e != n) continue;
        e = 0;
        view.Other.push_back(text);
        view.InBank.erase(view.InBank.begin() + inBankIndex);
        return true;
    }
    return false;
}

}  // namespace rp
