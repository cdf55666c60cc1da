#pragma once
// The communication book: its file of its own, the bytes a committed cell leaves in an entry,
// and the order the radio expects (by Call ID).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"

namespace rp {

// A book file holds 128 entries of 13 bytes, the radio's 80 first; no header, no checksum.
constexpr int kCommBookFileEntries = 128;
constexpr std::size_t kCommBookEntrySize = 13;
constexpr std::size_t kCommBookFileSize = kCommBookFileEntries * kCommBookEntrySize;  // 1664
static_assert(kCommBookFileSize == 1664);

using CommBookFileData = std::array<CommBookEntry, kCommBookFileEntries>;

std::vector<std::uint8_t> EncodeCommBookFile(const CommBookFileData& book);
// bytes must hold at least kCommBookFileSize bytes; only those are read.
CommBookFileData DecodeCommBookFile(const std::vector<std::uint8_t>& bytes);

// True when the first 1664 bytes can be a book: every Call ID holds only digits, NUL and blanks,
// every name only what the editor lets the user type (capitals, digits, blanks) and NUL. Bytes
// 0xFF also pass in both, as a read of an erased radio leaves them and an export writes them back.
// The Index fields are not judged: the sort renumbers them. A shorter buffer is no book.
bool IsCommBookFile(const std::vector<std::uint8_t>& bytes);

// Reads the first 1664 bytes of the file into book. A missing, unreadable or shorter file, or one
// whose bytes are no book (IsCommBookFile), leaves book untouched and returns false; the file is
// only opened for reading.
bool ReadCommBookFile(const std::string& path, CommBookFileData& book);
// Writes exactly 1664 bytes; the old file stays whole when the write fails.
bool WriteCommBookFile(const std::string& path, const CommBookFileData& book);

// Stores a cell's text into the entry (column 1 the Call ID, 2 the name) the way the radio
// reads it: a short value ends with one NUL and blanks, an emptied field starts with NUL.
// Returns what the cell shows afterwards. Other columns change nothing and return "".
std::string CommitBookCell(CommBookEntry& entry, int column, std::string_view text);

// Orders the radio's book by Call ID (empty IDs last) and renumbers Index to the positions.
// Call IDs that are not hexadecimal go behind all others in their old order; every entry is
// kept exactly once whatever its Index held.
void SortCommuBook(std::array<CommBookEntry, 80>& book);

}  // namespace rp
