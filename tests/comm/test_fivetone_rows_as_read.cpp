// A five-tone code row goes back to the radio as it was read when the user has not changed it,
// however odd its bytes: a digit count beyond the place, a count that disagrees with the code
// length, a length beyond 40, a standard or period outside its list, repeat digits not in the
// stored form. Read, the editor's OK without an edit (its show, then its save), write.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "../model/EnglishState.h"
#include "comm/CommImage.h"
#include "mappings/FiveTone.h"

using namespace rp;

namespace {

constexpr int kRows = 0x0D00;
constexpr int kRowBitmap = 0x0390;
constexpr int kDigitCount = 31;

struct OddRow {
    const char* Name;
    std::array<std::uint8_t, 32> Bytes;
    bool Used = true;
};

// Spare, standard, code length, tone period, 20 digit bytes, 7 name bytes, digit count.
std::array<std::uint8_t, 32> RowBytes(std::uint8_t standard, std::uint8_t length, std::uint8_t period,
                                      std::vector<std::uint8_t> digits, std::uint8_t count,
                                      std::vector<std::uint8_t> name = {'N', 'A', 'M', 'E', ' ', ' ', ' '},
                                      std::uint8_t fill = 0x00) {
    std::array<std::uint8_t, 32> b{};
    b.fill(fill);
    b[0] = 0x00;
    b[1] = standard;
    b[2] = length;
    b[3] = period;
    for (std::size_t i = 0; i < digits.size() && i < 20; ++i) b[4 + i] = digits[i];
    for (std::size_t i = 0; i < name.size() && i < 7; ++i) b[24 + i] = name[i];
    b[kDigitCount] = count;
    return b;
}

const OddRow kOddRows[] = {
    {"CountFFLength5", RowBytes(1, 5, 70, {0x98, 0x76, 0x50}, 0xFF)},
    {"CountFFLengthFF", RowBytes(1, 0xFF, 70, {0x12, 0x34}, 0xFF)},
    {"Count0Length5", RowBytes(1, 5, 70, {}, 0x00)},
    {"Count41Length41", RowBytes(2, 41, 60, {0x12, 0x34, 0x56}, 41)},
    {"Count10Length80", RowBytes(3, 80, 50, {0x12, 0x34, 0x56, 0x78, 0x9A}, 10)},
    {"Count3Length8", RowBytes(0, 8, 70, {0x12, 0x30}, 3)},
    {"Count5LengthFF", RowBytes(0, 0xFF, 70, {0x12, 0x34, 0x50}, 5)},
    {"RepeatDigitsNotInStoredForm", RowBytes(4, 5, 70, {0x11, 0x11, 0x10}, 5)},
    {"StandardAndPeriodOutsideTheirLists", RowBytes(0x20, 5, 0x05, {0x12, 0x34, 0x50}, 5)},
    {"UserToneSetStandard", RowBytes(15, 4, 120, {0x12, 0x34}, 4)},
    {"NameOfHighBytes", RowBytes(1, 4, 70, {0x12, 0x34}, 4, {0xE9, 0x80, 'A', 0xFF, 0xFF, 0xFF, 0xFF})},
    {"EmptyRowOfAnErasedRadio", RowBytes(0xFF, 0xFF, 0xFF, std::vector<std::uint8_t>(20, 0xFF), 0xFF,
                                         std::vector<std::uint8_t>(7, 0xFF), 0xFF),
     false},
    {"EmptyRowWithACode", RowBytes(1, 5, 70, {0x12, 0x34, 0x50}, 5), false},
};

void PrintTo(const OddRow& r, std::ostream* os) { *os << r.Name; }

std::string Hex(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02X", static_cast<unsigned>(v));
    return b;
}

// A radio with the own ID 12345 and the odd row at code row 8 (and a plain row at row 1).
AppState RadioWith(const OddRow& row) {
    AppState s = test::EnglishState();
    s.CurModelCode = "6173USD";
    s.RadioModelCode = "6173USD";
    s.CommImage.fill(0x00);
    for (int i = 0; i < 13; ++i) s.CommImage[kRowBitmap + i] = 0xFF;
    for (int i = 0; i < 5; ++i) s.CommImage[0x0325 + i] = static_cast<std::uint8_t>('1' + i);
    s.CommImage[0x0323] = 5;
    const auto plain = RowBytes(0, 5, 70, {0x12, 0x34, 0x50}, 5);
    std::copy(plain.begin(), plain.end(), s.CommImage.begin() + kRows);
    s.CommImage[kRowBitmap] &= static_cast<std::uint8_t>(~0x01);
    std::copy(row.Bytes.begin(), row.Bytes.end(), s.CommImage.begin() + kRows + 32 * 7);
    if (row.Used) s.CommImage[kRowBitmap] &= static_cast<std::uint8_t>(~0x80);
    return s;
}

// The five-tone editor's OK without an edit: its load shows the edit copy (repairing it), its
// OK saves what it shows against the record it opened on.
void OkWithoutAnEdit(AppState& s) {
    s.EditSignalData = s.CurRadioData.Signal;
    FiveToneData& ft = s.EditSignalData.FiveTone;
    std::uint8_t decode = s.CurRadioData.OptionBytesA[0];
    RepairFiveToneForShow(ft);
    const FiveToneView v = ShowFiveTone(s, ft, decode);
    SaveFiveTone(ft, decode, v, &s.CurRadioData.Signal.FiveTone);
    s.CurRadioData.Signal = s.EditSignalData;
    s.CurRadioData.OptionBytesA[0] = decode;
}

// The bytes of row 8 a read takes (digits only as far as the count reaches) that came back
// different, "b31 FF>28".
std::vector<std::string> Changed(const std::array<std::uint8_t, 32>& before, const AppState& s) {
    std::vector<std::string> changed;
    const int a = kRows + 32 * 7;
    const int digits = before[kDigitCount] > 40 ? 40 : before[kDigitCount];
    for (int b = 0; b < 32; ++b) {
        int mask = 0xFF;
        if (b >= 4 && b < 24) {
            const int first = 2 * (b - 4);
            mask = (first < digits ? 0xF0 : 0) | (first + 1 < digits ? 0x0F : 0);
        }
        if ((s.CommImage[a + b] & mask) != (before[b] & mask))
            changed.push_back("b" + std::to_string(b) + " " + Hex(before[b]) + ">" + Hex(s.CommImage[a + b]));
    }
    return changed;
}

}  // namespace

class FiveToneRowsAsRead : public ::testing::TestWithParam<OddRow> {};

TEST_P(FiveToneRowsAsRead, AWriteGivesBackWhatTheReadTook) {
    const OddRow& row = GetParam();
    AppState s = RadioWith(row);
    GetCommData(s);
    InitCommImage(s);
    std::string label;
    std::vector<std::string> messages;
    ASSERT_TRUE(SetCommData(s, label, messages)) << label;
    EXPECT_EQ(Changed(row.Bytes, s), std::vector<std::string>{});
}

TEST_P(FiveToneRowsAsRead, OkWithoutAnEditThenAWriteGivesBackWhatTheReadTook) {
    const OddRow& row = GetParam();
    AppState s = RadioWith(row);
    GetCommData(s);
    const FiveToneCodeRec read = s.CurRadioData.Signal.FiveTone.CodeRows[7];
    OkWithoutAnEdit(s);
    EXPECT_TRUE(s.CurRadioData.Signal.FiveTone.CodeRows[7] == read);
    InitCommImage(s);
    std::string label;
    std::vector<std::string> messages;
    ASSERT_TRUE(SetCommData(s, label, messages)) << label;
    EXPECT_EQ(Changed(row.Bytes, s), std::vector<std::string>{});
    EXPECT_EQ((s.CommImage[kRowBitmap] & 0x80) == 0, row.Used);
}

INSTANTIATE_TEST_SUITE_P(OddRows, FiveToneRowsAsRead, ::testing::ValuesIn(kOddRows),
                         [](const auto& info) { return std::string(info.param.Name); });

// What the user changes is stored in the stored form, as before: a row whose code is edited, a
// row whose name is edited, a row carrying an own-ID placeholder.
TEST(FiveToneRowsAsRead, AChangedRowIsStoredInItsStoredForm) {
    const AppState st = test::EnglishState();
    FiveToneCodeRec loaded;
    loaded.IsEmpty = 0;
    loaded.Code = std::string(40, '0').replace(0, 5, "11111");
    loaded.CodeLength = 5;
    loaded.Standard = 1;
    loaded.TonePeriod = 70;
    loaded.RadioDigitCount = 0xFF;
    const FiveToneRowCells cells = ShowFiveToneRow(st, loaded, 1, "12345");
    EXPECT_EQ(cells.Code, "11111");
    EXPECT_TRUE(RowUnchangedSinceLoad(loaded, cells, loaded));

    FiveToneCodeRec named = loaded;
    FiveToneRowCells renamed = cells;
    renamed.Name = CommitFiveToneName(named, "X");
    EXPECT_FALSE(RowUnchangedSinceLoad(named, renamed, loaded));

    FiveToneCodeRec typed = loaded;
    CommitFiveToneCode(typed, "11111", "12345");
    EXPECT_FALSE(RowUnchangedSinceLoad(typed, cells, loaded));
    SaveFiveToneRow(typed, cells, "12345");
    EXPECT_EQ(typed.Code.Trimmed(), "1E1E1");
    EXPECT_EQ(typed.CodeLength, 5);

    FiveToneCodeRec placeholder = loaded;
    placeholder.Code = "12345ASelfID";
    placeholder.CodeLength = 12;
    EXPECT_FALSE(RowUnchangedSinceLoad(placeholder, ShowFiveToneRow(st, placeholder, 1, "67890"), placeholder));
}

// The PTT-ID records the same: a digit count beyond the place and a length that disagrees with
// it come back as read when the user leaves the boxes alone.
TEST(FiveToneRowsAsRead, PttIdsAsReadGoBackByteForByte) {
    AppState s = RadioWith(kOddRows[0]);
    const std::uint8_t begin[16] = {1, 5, 70, 0xFF, 0x98, 0x76, 0x50, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::uint8_t end[16] = {0x20, 0x50, 0x05, 7, 0x12, 0x34, 0x56, 0x70, 0, 0, 0, 0, 0, 0, 0, 0};
    std::copy(std::begin(begin), std::end(begin), s.CommImage.begin() + 0x0360);
    std::copy(std::begin(end), std::end(end), s.CommImage.begin() + 0x0370);
    GetCommData(s);
    OkWithoutAnEdit(s);
    InitCommImage(s);
    std::string label;
    std::vector<std::string> messages;
    ASSERT_TRUE(SetCommData(s, label, messages)) << label;
    std::vector<std::string> changed;
    for (int b = 0; b < 16; ++b) {
        // The end code's count (7) leaves the low half of its fourth digit byte unread.
        const int mask = b == 7 ? 0xF0 : (b > 7 ? 0 : 0xFF);
        if ((s.CommImage[0x0360 + b]) != begin[b]) changed.push_back("begin b" + std::to_string(b) + " " + Hex(begin[b]) + ">" + Hex(s.CommImage[0x0360 + b]));
        if ((s.CommImage[0x0370 + b] & mask) != (end[b] & mask))
            changed.push_back("end b" + std::to_string(b) + " " + Hex(end[b]) + ">" + Hex(s.CommImage[0x0370 + b]));
    }
    EXPECT_EQ(changed, std::vector<std::string>{});
}

namespace {

constexpr int kPttBegin = 0x0360, kPttEnd = 0x0370;
constexpr int kRow8 = kRows + 32 * 7;

// A code whose digits fill its place: a code row (40 digits) or a PTT-ID (24 digits), with the
// count and code-length bytes of the table.
struct FullPlace {
    const char* Name;
    int Address;
    std::uint8_t Count;
    std::uint8_t Length;
};

const FullPlace kFullPlaces[] = {
    {"RowCount40Length40", kRow8, 0x28, 40},   {"RowCount40Length0", kRow8, 0x28, 0},
    {"RowCount40Length41", kRow8, 0x28, 41},   {"RowCount40Length48", kRow8, 0x28, 48},
    {"RowCount40LengthFF", kRow8, 0x28, 0xFF}, {"RowCount48Length40", kRow8, 0x30, 40},
    {"RowCountFFLength48", kRow8, 0xFF, 48},   {"BeginCount24Length24", kPttBegin, 0x18, 24},
    {"BeginCount24Length5", kPttBegin, 0x18, 5}, {"BeginCount24Length25", kPttBegin, 0x18, 25},
    {"BeginCount24Length30", kPttBegin, 0x18, 30}, {"BeginCount24Length40", kPttBegin, 0x18, 40},
    {"EndCount24Length41", kPttEnd, 0x18, 41}, {"EndCount24LengthFF", kPttEnd, 0x18, 0xFF},
    {"EndCount30Length24", kPttEnd, 0x1E, 24},
};

void PrintTo(const FullPlace& c, std::ostream* os) { *os << c.Name; }

int RecordSize(const FullPlace& c) { return c.Address == kRow8 ? 32 : 16; }

// The record's bytes: every digit byte used, so all of them must come back.
std::vector<std::uint8_t> FullPlaceBytes(const FullPlace& c) {
    const std::uint8_t digits[] = {0x98, 0x76, 0x54, 0x32, 0x10, 0xFE, 0xDC, 0xBA};
    if (c.Address == kRow8) {
        std::vector<std::uint8_t> d;
        for (int i = 0; i < 20; ++i) d.push_back(digits[i % 8]);
        const auto b = RowBytes(1, c.Length, 70, d, c.Count);
        return {b.begin(), b.end()};
    }
    std::vector<std::uint8_t> b = {1, c.Length, 70, c.Count};
    for (int i = 0; i < 12; ++i) b.push_back(digits[i % 8]);
    return b;
}

AppState RadioWith(const FullPlace& c) {
    AppState s = RadioWith(kOddRows[0]);
    const std::vector<std::uint8_t> b = FullPlaceBytes(c);
    std::copy(b.begin(), b.end(), s.CommImage.begin() + c.Address);
    return s;
}

std::vector<std::string> ChangedBytes(const FullPlace& c, const AppState& s) {
    const std::vector<std::uint8_t> before = FullPlaceBytes(c);
    std::vector<std::string> changed;
    for (int b = 0; b < RecordSize(c); ++b)
        if (s.CommImage[static_cast<std::size_t>(c.Address + b)] != before[static_cast<std::size_t>(b)])
            changed.push_back("b" + std::to_string(b) + " " + Hex(before[static_cast<std::size_t>(b)]) + ">" +
                              Hex(s.CommImage[static_cast<std::size_t>(c.Address + b)]));
    return changed;
}

void Write(AppState& s) {
    InitCommImage(s);
    std::string label;
    std::vector<std::string> messages;
    ASSERT_TRUE(SetCommData(s, label, messages)) << label;
}

}  // namespace

class FiveToneFullPlaceAsRead : public ::testing::TestWithParam<FullPlace> {};

TEST_P(FiveToneFullPlaceAsRead, AWriteGivesBackTheCountRead) {
    AppState s = RadioWith(GetParam());
    GetCommData(s);
    ASSERT_NO_FATAL_FAILURE(Write(s));
    EXPECT_EQ(ChangedBytes(GetParam(), s), std::vector<std::string>{});
}

TEST_P(FiveToneFullPlaceAsRead, OkWithoutAnEditThenAWriteGivesBackTheCountRead) {
    AppState s = RadioWith(GetParam());
    GetCommData(s);
    OkWithoutAnEdit(s);
    ASSERT_NO_FATAL_FAILURE(Write(s));
    EXPECT_EQ(ChangedBytes(GetParam(), s), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(CountAndLength, FiveToneFullPlaceAsRead, ::testing::ValuesIn(kFullPlaces),
                         [](const auto& info) { return std::string(info.param.Name); });

// A row the user changes is written as before: its code's own digit count and code length.
TEST(FiveToneFullPlaceAsRead, ARenamedFullRowWritesItsCodesOwnCountAndLength) {
    const FullPlace c{"RowCount40Length48", kRow8, 0x28, 48};
    AppState s = RadioWith(c);
    GetCommData(s);
    s.EditSignalData = s.CurRadioData.Signal;
    FiveToneData& ft = s.EditSignalData.FiveTone;
    std::uint8_t decode = s.CurRadioData.OptionBytesA[0];
    RepairFiveToneForShow(ft);
    FiveToneView v = ShowFiveTone(s, ft, decode);
    v.Rows[7].Name = "RENAMED";
    SaveFiveTone(ft, decode, v, &s.CurRadioData.Signal.FiveTone);
    s.CurRadioData.Signal = s.EditSignalData;
    ASSERT_NO_FATAL_FAILURE(Write(s));
    EXPECT_EQ(s.CommImage[kRow8 + 2], 40);
    EXPECT_EQ(s.CommImage[kRow8 + kDigitCount], 0x28);
    EXPECT_EQ(std::string(s.CommImage.begin() + kRow8 + 24, s.CommImage.begin() + kRow8 + 31), "RENAMED");
}
