#include "model/ModelTable.h"

#include "model/FixedText.h"

namespace rp {

namespace {

constexpr int kCurrentModelNameText = 8901;

struct ModelRow {
    std::string_view Code;
    std::string_view Name;  // empty: the language text of the current model
};

constexpr ModelRow kModels[] = {
    {kCurrentModelCode, {}},
    {kOldModelCodeC, "ZV853UV-C"},
    {kOldModelCodeD, "ZV853UV-D"},
};

std::string RowName(const AppState& st, const ModelRow& row) {
    if (row.Name.empty()) return st.LangText ? st.LangText(kCurrentModelNameText) : std::string();
    return std::string(row.Name);
}

}  // namespace

std::string GetModelName(const AppState& st, std::string_view code) {
    const std::string c = TrimNull(code);
    for (const auto& row : kModels)
        if (c == row.Code) return RowName(st, row);
    return c;
}

std::string GetModelCode(const AppState& st, std::string_view name) {
    const std::string n = TrimNull(name);
    for (const auto& row : kModels) {
        // A language file without text 8901 must not turn every empty name into the current model.
        const std::string shown = RowName(st, row);
        if (!shown.empty() && n == shown) return std::string(row.Code);
    }
    return n;
}

std::string NormalizeModelCode(std::string_view code) {
    if (code == "6173US") return "6173USA";
    return std::string(code);
}

bool IsDataModelCode(std::string_view code) {
    for (const auto c : kDataModelCodes)
        if (code == c) return true;
    return false;
}

bool IsOldModelCode(std::string_view code) {
    const std::string c = TrimNull(code);
    return c == kOldModelCodeC || c == kOldModelCodeD;
}

}  // namespace rp
