#pragma once
#include <string>

#include "model/AppState.h"

namespace rp {

// Fills the printout's caption tables for both languages. Called once at start-up, after the
// language is chosen: the page title keeps the product name of that language's file.
void InitPrintText(AppState& state);

// The word printed for a check value: "ON"/"OFF" (or the Chinese pair). A stored value other
// than 0 or 1 has no word and prints as an empty cell.
std::string PrtOnOffText(const AppState& state, int value);

// A caption table's entry for the current language ("" for a language outside the table).
const std::string& PrtText(const AppState& state, const std::array<std::string, 3>& table);

}  // namespace rp
