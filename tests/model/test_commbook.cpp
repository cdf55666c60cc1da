// The communication book: committed bytes, its file, and the sort by Call ID.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "model/AppState.h"
#include "model/CommBook.h"
#include "model/DataFiles.h"
#include "model/NewData.h"

using namespace rp;
namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

std::vector<std::uint8_t> ReadAll(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

struct TempDir {
    fs::path Path = fs::temp_directory_path() / ("rp-book-" + std::to_string(::getpid()));
    TempDir() { fs::create_directories(Path); }
    ~TempDir() { fs::remove_all(Path); }
};

CommBookEntry Fresh() {
    AppState st;
    st.NoInitFileFlag = true;
    NewData(st);
    return st.CurRadioData.CommBookList[0];
}

}  // namespace

TEST(CommBook, CommittedCellsLeaveTheBytesTheRadioReads) {
    struct Case {
        const char* name;
        int column;
        std::string typed;
        std::string bytes;
        std::string shown;
    };
    const Case cases[] = {
        {"four-digit id", 1, "1234", "1234\0"s, "1234"},
        {"five-digit id fills the field", 1, "12345", "12345", "12345"},
        {"emptied id", 1, "", "\0\0   "s, ""},
        {"two-letter name", 2, "AB", "AB\0   "s, "AB"},
        {"six-letter name", 2, "ABCDEF", "ABCDEF", "ABCDEF"},
        {"name with a blank inside", 2, "AB C", "AB C\0 "s, "AB C"},
        {"trailing blanks dropped, leading kept", 2, " AB  ", " AB\0  "s, " AB"},
        {"emptied name", 2, "", "\0     "s, ""},
    };
    for (const auto& c : cases) {
        CommBookEntry e = Fresh();
        e.Index = 7;
        EXPECT_EQ(CommitBookCell(e, c.column, c.typed), c.shown) << c.name;
        const std::string stored = c.column == 1 ? e.CallID.Str() : e.Name.Str();
        EXPECT_EQ(stored, c.bytes) << c.name;
        EXPECT_EQ(e.Index, 7) << c.name;
    }
    CommBookEntry e = Fresh();
    const CommBookEntry before = e;
    EXPECT_EQ(CommitBookCell(e, 0, "9"), "");
    EXPECT_EQ(e, before);
}

TEST(CommBook, FileHasTheFixedLayoutAndRoundTrips) {
    CommBookFileData book{};
    book[0].Index = 0x0102;
    book[0].CallID.SetNulTerminated("12");
    book[0].Name = "ABCDEF";
    book[127].Index = -1;
    const auto bytes = EncodeCommBookFile(book);
    ASSERT_EQ(bytes.size(), 1664u);
    EXPECT_EQ(bytes[0], 0x02);
    EXPECT_EQ(bytes[1], 0x01);
    EXPECT_EQ(std::string(bytes.begin() + 2, bytes.begin() + 7), "12\0  "s);
    EXPECT_EQ(std::string(bytes.begin() + 7, bytes.begin() + 13), "ABCDEF");
    EXPECT_EQ(bytes[13 * 127], 0xFF);
    EXPECT_EQ(bytes[13 * 127 + 2], 0x00);  // never-imported entries stay zero bytes
    EXPECT_EQ(EncodeCommBookFile(DecodeCommBookFile(bytes)), bytes);
}

TEST(CommBook, ImportThenExportIsByteIdentical) {
    TempDir dir;
    // Every kind of byte a book may hold, in every field, with Index values of any kind.
    std::vector<std::uint8_t> original(1664);
    const std::string idBytes = "0123456789\0 \xFF"s;
    const std::string nameBytes = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\0 \xFF"s;
    for (std::size_t i = 0; i < original.size(); ++i) {
        const std::size_t at = i % 13;
        const auto pick = [i](const std::string& set) { return static_cast<std::uint8_t>(set[(i * 7 + 3) % set.size()]); };
        original[i] = at < 2 ? static_cast<std::uint8_t>(i * 7 + 3) : at < 7 ? pick(idBytes) : pick(nameBytes);
    }
    { std::ofstream(dir.Path / "a.cb", std::ios::binary).write(reinterpret_cast<const char*>(original.data()), 1664); }
    CommBookFileData book{};
    ASSERT_TRUE(ReadCommBookFile((dir.Path / "a.cb").string(), book));
    ASSERT_TRUE(WriteCommBookFile((dir.Path / "b.cb").string(), book));
    EXPECT_EQ(ReadAll(dir.Path / "b.cb"), original);

    // A longer file gives its first 1664 bytes; an export replaces a longer file whole.
    auto longer = original;
    longer.resize(2000, 0xAA);
    { std::ofstream(dir.Path / "c.cb", std::ios::binary).write(reinterpret_cast<const char*>(longer.data()), 2000); }
    CommBookFileData fromLong{};
    ASSERT_TRUE(ReadCommBookFile((dir.Path / "c.cb").string(), fromLong));
    EXPECT_EQ(fromLong, book);
    ASSERT_TRUE(WriteCommBookFile((dir.Path / "c.cb").string(), book));
    EXPECT_EQ(fs::file_size(dir.Path / "c.cb"), 1664u);
}

TEST(CommBook, BadFilesChangeNothingAndCreateNothing) {
    TempDir dir;
    CommBookFileData book{};
    book[3].Name = "KEEP";
    const CommBookFileData before = book;
    { std::ofstream(dir.Path / "short.cb", std::ios::binary) << std::string(1663, 'x'); }
    fs::create_directories(dir.Path / "folder.cb");
    for (const char* name : {"missing.cb", "short.cb", "folder.cb"}) {
        EXPECT_FALSE(ReadCommBookFile((dir.Path / name).string(), book)) << name;
        EXPECT_EQ(book, before) << name;
    }
    EXPECT_FALSE(fs::exists(dir.Path / "missing.cb"));
    // An export that cannot be written leaves the old file.
    EXPECT_FALSE(WriteCommBookFile((dir.Path / "no-such-folder" / "x.cb").string(), book));
}

TEST(CommBook, SortOrdersByCallIdAndKeepsEveryEntryOnce) {
    std::array<CommBookEntry, 80> book{};
    const CommBookEntry fresh = Fresh();
    for (int i = 0; i < 80; ++i) {
        book[i] = fresh;
        book[i].Index = static_cast<std::int16_t>(i);
    }
    book[0].CallID.SetNulTerminated("300");
    book[1].CallID = "12345";
    book[2].CallID.SetNulTerminated("12");
    book[3].CallID.SetNulTerminated("1X");  // not hexadecimal: behind the rest
    book[4].CallID = "00001";
    book[5].CallID.SetNulTerminated("1");
    for (int i = 0; i < 6; ++i) book[i].Name.SetNulTerminated(std::string(1, static_cast<char>('A' + i)));
    for (int i = 6; i < 80; ++i) book[i].Name.SetNulTerminated("N" + std::to_string(i));
    book[6].Index = 200;  // indexes out of range or doubled must not lose entries
    book[7].Index = 6;
    book[8].Index = -1;
    book[9].CallID = "zz   ";

    SortCommuBook(book);
    std::vector<std::string> ids;
    for (int i = 0; i < 6; ++i) ids.push_back(book[i].CallID.Trimmed());
    EXPECT_EQ(ids, (std::vector<std::string>{"00001", "12345", "12", "1", "300", ""}));
    EXPECT_EQ(book[78].CallID.Trimmed(), "1X");  // not hexadecimal: last, in their old order
    EXPECT_EQ(book[78].Name.Trimmed(), "D");
    EXPECT_EQ(book[79].CallID.Trimmed(), "zz");
    std::set<std::string> names;
    for (int i = 0; i < 80; ++i) {
        EXPECT_EQ(book[i].Index, i);
        names.insert(book[i].Name.Trimmed());
    }
    EXPECT_EQ(names.size(), 80u);
}

namespace {

std::vector<std::uint8_t> Exported(const CommBookFileData& book) { return EncodeCommBookFile(book); }

// The book of a fresh data set as Export writes it, entries 80 to 127 never imported.
CommBookFileData FreshBook() {
    CommBookFileData book{};
    const CommBookEntry fresh = Fresh();
    for (int i = 0; i < 80; ++i) {
        book[i] = fresh;
        book[i].Index = static_cast<std::int16_t>(i);
    }
    return book;
}

std::vector<std::uint8_t> WithField(int entry, std::size_t offset, std::string_view bytes) {
    auto out = Exported(FreshBook());
    std::memcpy(out.data() + 13 * entry + offset, bytes.data(), bytes.size());
    return out;
}

}  // namespace

// What Import takes: every book the program writes, and nothing whose fields the editor could
// never have produced (garbage then reaches the radio on OK).
TEST(CommBook, ImportTakesBooksAndRefusesOtherFiles) {
    TempDir dir;
    CommBookFileData edited = FreshBook();
    CommitBookCell(edited[0], 1, "12345");
    CommitBookCell(edited[0], 2, "ABCDEF");
    CommitBookCell(edited[1], 1, "7");
    CommitBookCell(edited[1], 2, " A 9");
    CommitBookCell(edited[2], 1, "");
    CommitBookCell(edited[2], 2, "");
    edited[100].Index = -300;  // imported earlier from another file; the sort renumbers it
    CommBookFileData erased = FreshBook();  // read from an erased radio: the 0xFF bytes survive
    for (int i = 0; i < 80; ++i) {
        erased[i].CallID = "\xFF\xFF\xFF\xFF\xFF";
        erased[i].Name = "\xFF\xFF\xFF\xFF\xFF\xFF";
    }
    auto longer = Exported(edited);
    longer.resize(3000, 'x');  // only the first 1664 bytes are the book

    AppState data;
    data.NoInitFileFlag = true;
    NewData(data);
    const std::string dataFile = (dir.Path / "picked.dat").string();
    ASSERT_TRUE(SaveDataFile(data, dataFile).Ok());
    std::vector<std::uint8_t> random(1664);
    for (std::size_t i = 0; i < random.size(); ++i) random[i] = static_cast<std::uint8_t>(i * 7 + 3);

    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool book;
    };
    const Case cases[] = {
        {"fresh book", Exported(FreshBook()), true},
        {"never imported: zero bytes", std::vector<std::uint8_t>(1664, 0), true},
        {"edited entries", Exported(edited), true},
        {"erased radio", Exported(erased), true},
        {"longer file", longer, true},
        {"call id with a letter", WithField(5, 2, "12A45"), false},
        {"call id with a dot", WithField(5, 2, "145.5"), false},
        {"call id with a control byte", WithField(127, 2, "1\x01"), false},
        {"name in small letters", WithField(79, 7, "abc"), false},
        {"name with a tilde", WithField(0, 7, "A~"), false},
        {"name with a byte above 127", WithField(0, 7, "\xC3\xA9"), false},
        {"name of entry 80 with a DEL byte", WithField(80, 7, "\x7F"), false},
        {"random bytes", random, false},
        {"data file picked by mistake", ReadAll(dataFile), false},
    };
    for (const auto& c : cases) {
        ASSERT_GE(c.bytes.size(), 1664u) << c.name;
        EXPECT_EQ(IsCommBookFile(c.bytes), c.book) << c.name;
        const fs::path file = dir.Path / "case.cb";
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(c.bytes.data()), static_cast<std::streamsize>(c.bytes.size()));
        CommBookFileData book = FreshBook();
        book[3].Name = "KEEP";
        const CommBookFileData before = book;
        EXPECT_EQ(ReadCommBookFile(file.string(), book), c.book) << c.name;
        if (c.book) EXPECT_EQ(EncodeCommBookFile(book), std::vector<std::uint8_t>(c.bytes.begin(), c.bytes.begin() + 1664)) << c.name;
        else EXPECT_EQ(book, before) << c.name;
    }
}
