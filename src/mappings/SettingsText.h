#pragma once
// Texts shared by the settings mappings. Every text a show mapping returns is UTF-8, ready for
// QString::fromStdString; record texts are single-byte characters and pass through AnsiToUtf8 and
// Utf8ToAnsi (model/FixedText.h).
#include <string>
#include <string_view>
#include <vector>

#include "model/FixedText.h"
#include "model/ValueText.h"  // IndexRule, TextRule

namespace rp {

struct AppState;

// The decimal texts of first .. last.
std::vector<std::string> NumberItems(int first, int last);

// Channel numbers sorted ascending by value and then named by GetChannelName; numbers seen twice
// are listed once when unique is set.
std::vector<std::string> SortedChannelNames(std::vector<int> numbers, bool unique);

// The memory channels (1..200) of the table, sorted and named: the scan and alert channel lists.
std::vector<std::string> MemoryChannelNames(const AppState& s);

}  // namespace rp
