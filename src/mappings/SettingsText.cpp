#include "mappings/SettingsText.h"

#include <algorithm>

#include "model/AppState.h"
#include "model/Records.h"

namespace rp {

std::vector<std::string> NumberItems(int first, int last) {
    std::vector<std::string> items;
    for (int i = first; i <= last; ++i) items.push_back(std::to_string(i));
    return items;
}

std::vector<std::string> SortedChannelNames(std::vector<int> numbers, bool unique) {
    std::stable_sort(numbers.begin(), numbers.end());
    if (unique) numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::vector<std::string> items;
    items.reserve(numbers.size());
    for (const int n : numbers) items.push_back(GetChannelName(n));
    return items;
}

std::vector<std::string> MemoryChannelNames(const AppState& s) {
    std::vector<int> numbers;
    const int count = std::min<int>(s.CurRadioData.ChannelCount, kMaxChannels);
    for (int slot = 0; slot < count; ++slot) {
        const int n = s.ChannelTable[static_cast<std::size_t>(slot)].ChannelNo;
        if (n >= 1 && n <= kMemoryChannels) numbers.push_back(n);
    }
    return SortedChannelNames(std::move(numbers), true);
}

}  // namespace rp
