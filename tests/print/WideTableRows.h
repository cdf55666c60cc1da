#pragma once
// Records whose table rows are the widest they can be (a code of 40 digits, the longest standard
// and period, names of wide letters), and the rows of cells the five-tone code table and the
// communication book print for them.
#include <string>
#include <vector>

#include "mappings/FiveTone.h"
#include "model/AppState.h"
#include "model/LangText.h"

namespace rp::test {

inline const std::string kCode40 = "1234567890123456789012345678901234567890";

// Every code row used: 40 digits, the longest standard, the longest period, seven wide letters.
inline void FillFiveTone(AppState& st) {
    for (auto& r : st.CurRadioData.Signal.FiveTone.CodeRows) {
        r.IsEmpty = 0;
        r.Code = kCode40;
        r.CodeLength = 40;
        r.Standard = 10;  // EURO SIGNAL
        r.TonePeriod = 100;
        r.Name = "WWWWWWW";
    }
}

inline std::vector<std::vector<std::string>> FiveToneRows(const AppState& st) {
    const FiveToneView v = ShowFiveTone(st, st.CurRadioData.Signal.FiveTone, 0);
    std::vector<std::vector<std::string>> rows = {
        {v.GridHeader[0], v.GridHeader[2], v.GridHeader[3], v.GridHeader[4], v.GridHeader[5]}};
    for (int r = 0; r < kFiveToneRows; ++r) rows.push_back({std::to_string(r), kCode40, "EURO SIGNAL", "100", "WWWWWWW"});
    return rows;
}

// Every book entry used, named with six wide letters.
inline void FillBook(AppState& st) {
    for (auto& e : st.CurRadioData.CommBookList) {
        e.CallID = "12345";
        e.Name = "WWWWWW";
    }
}

// The book prints three entries a row: its heading, then 50 rows.
inline std::vector<std::vector<std::string>> BookRows(const AppState& st) {
    std::vector<std::vector<std::string>> rows(1);
    for (int g = 0; g < 3; ++g) rows[0].insert(rows[0].end(), {GetLangStr(st, 3007), "Call ID", "Name"});
    for (int r = 0; r < 50; ++r) {
        std::vector<std::string> row;
        for (int p = r; p < static_cast<int>(st.CurRadioData.CommBookList.size()); p += 50)
            row.insert(row.end(), {std::to_string(p), "12345", "WWWWWW"});
        rows.push_back(row);
    }
    return rows;
}

}  // namespace rp::test
