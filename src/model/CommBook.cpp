#include "model/CommBook.h"

#include <algorithm>
#include <cstring>

#include "model/FileIo.h"
#include "model/FixedText.h"
#include "model/Values.h"

namespace rp {

std::vector<std::uint8_t> EncodeCommBookFile(const CommBookFileData& book) {
    std::vector<std::uint8_t> out(kCommBookFileSize);
    std::uint8_t* p = out.data();
    for (const auto& e : book) {
        const auto index = static_cast<std::uint16_t>(e.Index);
        p[0] = static_cast<std::uint8_t>(index & 0xFF);
        p[1] = static_cast<std::uint8_t>(index >> 8);
        std::memcpy(p + 2, e.CallID.Bytes.data(), 5);
        std::memcpy(p + 7, e.Name.Bytes.data(), 6);
        p += kCommBookEntrySize;
    }
    return out;
}

CommBookFileData DecodeCommBookFile(const std::vector<std::uint8_t>& bytes) {
    CommBookFileData book{};
    if (bytes.size() < kCommBookFileSize) return book;
    const std::uint8_t* p = bytes.data();
    for (auto& e : book) {
        e.Index = static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
        std::memcpy(e.CallID.Bytes.data(), p + 2, 5);
        std::memcpy(e.Name.Bytes.data(), p + 7, 6);
        p += kCommBookEntrySize;
    }
    return book;
}

namespace {

bool IsPadOrErased(std::uint8_t b) { return b == 0x00 || b == 0x20 || b == 0xFF; }
bool IsDigit(std::uint8_t b) { return b >= '0' && b <= '9'; }
bool IsCallIdByte(std::uint8_t b) { return IsDigit(b) || IsPadOrErased(b); }
bool IsNameByte(std::uint8_t b) { return IsDigit(b) || (b >= 'A' && b <= 'Z') || IsPadOrErased(b); }

}  // namespace

bool IsCommBookFile(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kCommBookFileSize) return false;
    for (std::size_t entry = 0; entry < kCommBookFileSize; entry += kCommBookEntrySize) {
        const std::uint8_t* p = bytes.data() + entry;
        if (!std::all_of(p + 2, p + 7, IsCallIdByte)) return false;
        if (!std::all_of(p + 7, p + 13, IsNameByte)) return false;
    }
    return true;
}

bool ReadCommBookFile(const std::string& path, CommBookFileData& book) {
    if (!RegularFileSize(path)) return false;  // a pipe or a folder is no book
    const FileBytes f = ReadFileBytes(path, kCommBookFileSize);
    if (f.Status != ReadStatus::Ok || !IsCommBookFile(f.Bytes)) return false;
    book = DecodeCommBookFile(f.Bytes);
    return true;
}

bool WriteCommBookFile(const std::string& path, const CommBookFileData& book) {
    const auto bytes = EncodeCommBookFile(book);
    return ReplaceFileContent(path, bytes);
}

std::string CommitBookCell(CommBookEntry& entry, int column, std::string_view text) {
    std::string s = TrimNull(text);
    const std::string shown = s;
    if (column == 1) {
        if (s.empty()) s.assign(1, '\0');
        if (s.size() >= 5) entry.CallID.Set(std::string_view(s).substr(0, 5));
        else entry.CallID.SetNulTerminated(s);
        return TrimNull(shown);
    }
    if (column == 2) {
        if (s.empty()) s.assign(1, '\0');
        else if (s.size() < 6) s.push_back('\0');
        entry.Name.Set(s);
        return TrimNull(shown);
    }
    return std::string();
}

namespace {

// The Call ID as a sort key: blanks read as "A", cut at the NUL, filled up with "B" to five
// digits, so an empty ID sorts last and a short one after the longer ones it begins.
bool CallIdKey(const CommBookEntry& e, long& key) {
    std::string id = e.CallID.Str();
    std::replace(id.begin(), id.end(), ' ', 'A');
    id = TrimNull(id);
    while (id.size() < 5) id.push_back('B');
    long v = 0;
    for (char c : id) {
        const int d = HexDigitValue(c);
        if (d < 0) return false;
        v = v * 16 + d;
    }
    key = v;
    return true;
}

}  // namespace

void SortCommuBook(std::array<CommBookEntry, 80>& book) {
    struct Keyed {
        long Key;
        CommBookEntry Entry;
    };
    std::vector<Keyed> sorted;
    std::vector<CommBookEntry> rest;
    sorted.reserve(book.size());
    for (const auto& e : book) {
        long key = 0;
        if (CallIdKey(e, key)) sorted.push_back({key, e});
        else rest.push_back(e);
    }
    // The radio's own order for equal keys comes from this exchange sort, so keep it.
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i)
        for (std::size_t j = i + 1; j < sorted.size(); ++j)
            if (sorted[i].Key > sorted[j].Key) std::swap(sorted[i], sorted[j]);
    std::size_t pos = 0;
    for (const auto& k : sorted) book[pos++] = k.Entry;
    for (const auto& e : rest) book[pos++] = e;
    for (std::size_t i = 0; i < book.size(); ++i) book[i].Index = static_cast<std::int16_t>(i);
}

}  // namespace rp
