#include "model/Banks.h"

#include "model/AppState.h"

namespace rp {

static bool IsMemoryChannel(int ch) { return ch >= 1 && ch <= kMemoryChannels; }
static bool IsBank(int bank) { return bank >= 1 && bank <= kBankCount; }

int DefaultBankOf(int ch) {
    if (!IsMemoryChannel(ch)) return 0;
    const int b = (ch - 1) / 20 + 1;
    return b <= kBankCount ? b : 0;
}

bool IsFreeBankPlace(int entry) { return !IsMemoryChannel(entry); }

int BankPosIn(const BankArray& t, int ch, int bank) {
    if (!IsMemoryChannel(ch) || !IsBank(bank)) return 0;
    for (int p = 0; p < kBankPlaces; ++p)
        if (t[bank - 1][p] == ch) return p + 1;
    return 0;
}

static bool CanAddIn(const BankArray& t, int ch, int bank) {
    if (!IsBank(bank)) return false;
    if (BankPosIn(t, ch, bank) > 0) return true;
    for (int p = 0; p < kBankPlaces; ++p)
        if (IsFreeBankPlace(t[bank - 1][p])) return true;
    return false;
}

void AddChToBankIn(BankArray& t, int ch, int bank) {
    if (!IsMemoryChannel(ch) || bank > kBankCount) return;
    if (bank < 1) bank = DefaultBankOf(ch);
    if (!IsBank(bank)) return;
    if (BankPosIn(t, ch, bank) > 0) return;
    for (int p = 0; p < kBankPlaces; ++p) {
        if (IsFreeBankPlace(t[bank - 1][p])) {
            t[bank - 1][p] = static_cast<std::int16_t>(ch);
            return;
        }
    }
}

void DelChFromAllBankIn(BankArray& t, int ch) {
    if (!IsMemoryChannel(ch)) return;
    for (auto& bank : t)
        for (auto& e : bank)
            if (e == ch) e = 0;
}

static void SetBankIn(BankArray& t, int ch, int bank, bool selected) {
    if (!IsMemoryChannel(ch) || !IsBank(bank)) return;
    const int pos = BankPosIn(t, ch, bank);
    if (pos == 0 && selected) AddChToBankIn(t, ch, bank);
    if (pos > 0 && !selected) {
        for (auto& e : t[bank - 1])
            if (e == ch) e = 0;
    }
}

static void ShowListIn(const BankArray& t, int ch, BankList& list) {
    if (ch > kMemoryChannels) return;
    for (int b = 1; b <= kBankCount; ++b) list[b - 1] = BankPosIn(t, ch, b) > 0;
}

int GetChBankPos(const AppState& st, int ch, int bank) { return BankPosIn(st.CurRadioData.BankTable, ch, bank); }
bool CanAddToBank(const AppState& st, int ch, int bank) { return CanAddIn(st.CurRadioData.BankTable, ch, bank); }
void AddChToBank(AppState& st, int ch, int bank) { AddChToBankIn(st.CurRadioData.BankTable, ch, bank); }
void DelChFromAllBank(AppState& st, int ch) { DelChFromAllBankIn(st.CurRadioData.BankTable, ch); }
void SetChBank(AppState& st, int ch, int bank, bool selected) {
    SetBankIn(st.CurRadioData.BankTable, ch, bank, selected);
}

void SetChBankByList(AppState& st, int ch, const BankList& list) {
    if (!IsMemoryChannel(ch)) return;
    for (int b = 1; b <= kBankCount; ++b) SetChBank(st, ch, b, list[b - 1]);
}

std::string GetChBankStr(const AppState& st, int ch) {
    std::string s;
    if (!IsMemoryChannel(ch)) return s;
    for (int b = 1; b <= kBankCount; ++b)
        if (GetChBankPos(st, ch, b) > 0) s.push_back(static_cast<char>('0' + b));
    return s;
}

void ShowChBankList(const AppState& st, int ch, BankList& list) { ShowListIn(st.CurRadioData.BankTable, ch, list); }

void ClearBankData(RadioData& record) {
    for (auto& bank : record.BankTable) bank.fill(0);
}

void CopyBankToEdit(AppState& st) { st.EditBankTable = st.CurRadioData.BankTable; }
void CopyEditToBank(AppState& st) { st.CurRadioData.BankTable = st.EditBankTable; }
bool IsChInEditBank(const AppState& st, int ch, int bank) { return BankPosIn(st.EditBankTable, ch, bank) > 0; }
bool CanAddToEditBank(const AppState& st, int ch, int bank) { return CanAddIn(st.EditBankTable, ch, bank); }
void AddChToEditBank(AppState& st, int ch, int bank) { AddChToBankIn(st.EditBankTable, ch, bank); }

}  // namespace rp
