#pragma once
// Bank membership of the memory channels 1..200: 9 banks of 32 places, on the live table inside
// CurRadioData and on the edit copy that the channel and bank dialogs change freely.
//
// A place holding anything but a channel number 1..200 is free: data from a file or a radio may
// carry any value there, and such a value must neither block a place nor match a channel.
#include <array>

#include "model/Records.h"

namespace rp {

struct AppState;

// Item b - 1 stands for bank b.
using BankList = std::array<bool, kBankCount>;

// The bank a channel joins when none is named: 1..9 for channels 1..180, 0 (none) otherwise.
int DefaultBankOf(int ch);
bool IsFreeBankPlace(int entry);

int GetChBankPos(const AppState& st, int ch, int bank);
bool CanAddToBank(const AppState& st, int ch, int bank);
void AddChToBank(AppState& st, int ch, int bank);
void DelChFromAllBank(AppState& st, int ch);
void SetChBank(AppState& st, int ch, int bank, bool selected);
void SetChBankByList(AppState& st, int ch, const BankList& list);
std::string GetChBankStr(const AppState& st, int ch);
void ShowChBankList(const AppState& st, int ch, BankList& list);
void ClearBankData(RadioData& record);

void CopyBankToEdit(AppState& st);
void CopyEditToBank(AppState& st);
bool IsChInEditBank(const AppState& st, int ch, int bank);
bool CanAddToEditBank(const AppState& st, int ch, int bank);
void AddChToEditBank(AppState& st, int ch, int bank);

// Table-level forms of the same rules, for tables that are not the working ones (a default data
// file's record while it is being loaded).
int BankPosIn(const BankArray& t, int ch, int bank);
void AddChToBankIn(BankArray& t, int ch, int bank);
void DelChFromAllBankIn(BankArray& t, int ch);

}  // namespace rp
