#pragma once
// The bank editor without its window: which channels a bank of the edit copy holds, which other
// memory channels could join it, and the moves between the two lists. The window only shows
// these lists and keeps the selection.
#include <string>
#include <string_view>
#include <vector>

namespace rp {

struct AppState;

// "Channel " and the channel number as shown (number minus 1).
std::string GetChannelText(int number);
// The channel number of such a text: what follows the first blank plus 1; 0 when there is no
// blank or no number after it.
int GetChannelNum(std::string_view text);

// "Bank 1" .. "Bank 9".
std::vector<std::string> BankListTexts();

struct BankView {
    int Bank = 0;                     // 1..9; 0 while no bank is chosen (both lists empty)
    std::vector<std::string> InBank;  // List2: the bank's channels in place order, holes skipped
    std::vector<std::string> Other;   // List3: memory channels of the table not in the bank
};

// The lists for bank 1..9 of EditBankTable; an empty view for any other number.
BankView ShowBank(const AppState& st, int bank);

// "<<": item `otherIndex` of view.Other joins the bank in its first free place and is listed
// last. False, changing nothing, when no item is chosen, the bank is full or no bank is shown.
bool AddToShownBank(AppState& st, BankView& view, int otherIndex);
// ">>": item `inBankIndex` of view.InBank leaves the bank; its place stays free (the bank is
// never packed) and it is listed last among the others. False when nothing changed.
bool RemoveFromShownBank(AppState& st, BankView& view, int inBankIndex);

}  // namespace rp
