#pragma once
// Model codes the data carry and the names the user sees for them.
#include <string>
#include <string_view>

#include "model/AppState.h"

namespace rp {

constexpr std::string_view kCurrentModelCode = "6173USD";
constexpr std::string_view kOldModelCodeC = "ZV853C";
constexpr std::string_view kOldModelCodeD = "ZV853D";

// The models whose data have the current layout: the model dialog offers them, and a data file
// saved under any of them opens again.
constexpr std::string_view kDataModelCodes[] = {kCurrentModelCode, "6173USA", "6173USC", "6173UVD"};
bool IsDataModelCode(std::string_view code);

// The shown name of a model code; the current model's name is language text 8901. A code the
// table does not know comes back trimmed and otherwise unchanged.
std::string GetModelName(const AppState& st, std::string_view code);
// The inverse look-up of a shown name; an unknown name comes back trimmed and unchanged.
std::string GetModelCode(const AppState& st, std::string_view name);
// Radios of one early batch report "6173US" for what is "6173USA".
std::string NormalizeModelCode(std::string_view code);

bool IsOldModelCode(std::string_view code);

}  // namespace rp
