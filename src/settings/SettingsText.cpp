#include "settings/SettingsText.h"

#include <algorithm>

#include "model/AppState.h"
#include "model/Records.h"

namespace rp {

std::string AnsiToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        std::size_t len = (c >= 0xF0) ? 4 : (c >= 0xE0) ? 3 : (c >= 0xC0) ? 2 : 1;
        if (len == 2 && i + 1 < utf8.size()) {
            const unsigned v = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            out.push_back(v <= 0xFF ? static_cast<char>(v) : '?');
        } else {
            out.push_back('?');
        }
        i += std::min(len, utf8.size() - i);
    }
    return out;
}

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

int IndexRule(const std::vector<std::string>& items, int index) {
    if (items.empty()) return -1;
    return (index >= 0 && index < static_cast<int>(items.size())) ? index : 0;
}

int TextRule(const std::vector<std::string>& items, std::string_view text) {
    if (items.empty()) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return static_cast<int>(i);
    return 0;
}

}  // namespace rp
