#include <gtest/gtest.h>

#include <array>

#include "comm/ImageFields.h"

using namespace rp;

namespace {
std::array<std::uint8_t, 16> Buf(std::uint8_t fill = 0) {
    std::array<std::uint8_t, 16> b{};
    b.fill(fill);
    return b;
}
}  // namespace

TEST(ImageFields, BitsReplaceOnlyTheirFieldAndRefuseWiderValues) {
    auto b = Buf(0xFF);
    ImageWriter w(b);
    w.Bits(0, 2, 2, 1);
    EXPECT_TRUE(w.Ok());
    EXPECT_EQ(b[0], 0xF7);
    EXPECT_EQ(GetImageBits(b, 0, 2, 2), 1u);
    w.Bits(0, 0, 2, 4);  // does not fit two bits
    EXPECT_FALSE(w.Ok());
    EXPECT_EQ(b[0], 0xF7);
    w.Byte(1, 7);  // a failed writer writes nothing more
    EXPECT_EQ(b[1], 0xFF);
}

TEST(ImageFields, ByteAndWordRanges) {
    struct Case {
        long long v;
        bool ok;
    };
    for (const Case c : {Case{0, true}, Case{255, true}, Case{256, false}, Case{-1, false}}) {
        auto b = Buf();
        ImageWriter w(b);
        w.Byte(3, c.v);
        EXPECT_EQ(w.Ok(), c.ok) << c.v;
    }
    auto b = Buf();
    ImageWriter w(b);
    w.WordLE(0, 0x1234);
    EXPECT_EQ(b[0], 0x34);
    EXPECT_EQ(b[1], 0x12);
    EXPECT_EQ(GetWordLE(b, 0), 0x1234);
    w.WordLE(4, 0x10000);
    EXPECT_FALSE(w.Ok());
}

TEST(ImageFields, OutOfBoundsWritesFailAndReadsGiveZero) {
    auto b = Buf(0x11);
    ImageWriter w(b);
    w.WordLE(15, 1);
    EXPECT_FALSE(w.Ok());
    EXPECT_EQ(b[15], 0x11);
    EXPECT_EQ(GetImageByte(b, 16), 0);
    EXPECT_EQ(GetImageByte(b, -1), 0);
    EXPECT_TRUE(IsEntryFree(b, 15, 9));  // byte 16 does not exist: free
}

TEST(ImageFields, FrequencyTextsToBcd) {
    struct Case {
        const char* text;
        std::array<std::uint8_t, 4> bytes;
    };
    const Case cases[] = {
        {"014550000", {0x01, 0x45, 0x50, 0x00}},  // 145.5 MHz in 10 Hz units; the 10 Hz digit is dropped
        {"", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"FFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"0876", {0x08, 0x76, 0x00, 0x00}},  // short texts filled with "0"
    };
    for (const Case& c : cases) {
        auto b = Buf();
        ImageWriter w(b);
        w.Freq8(0, c.text);
        EXPECT_TRUE(w.Ok()) << c.text;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(b[static_cast<std::size_t>(i)], c.bytes[static_cast<std::size_t>(i)]) << c.text;
    }
    auto b = Buf();
    ImageWriter w(b);
    w.Freq8(0, "14X500000");
    EXPECT_FALSE(w.Ok());
    b = {0x43, 0x99, 0x00, 0x12};
    EXPECT_EQ(GetHexDigits(b, 0, 4), "43990012");
}

TEST(ImageFields, NibbleDigitsPackTwoPerByte) {
    auto b = Buf(0xEE);
    ImageWriter w(b);
    w.NibbleDigits(0, 3, "1A2b9");
    EXPECT_TRUE(w.Ok());
    EXPECT_EQ(b[0], 0x1A);
    EXPECT_EQ(b[1], 0x2B);
    EXPECT_EQ(b[2], 0x90);
    EXPECT_EQ(GetNibbleDigits(b, 0, 5), "1A2B9");
    w.NibbleDigits(4, 2, "12345");  // five digits do not fit two bytes
    EXPECT_FALSE(w.Ok());
    ImageWriter w2(b);
    w2.NibbleDigits(4, 2, "1*");
    EXPECT_FALSE(w2.Ok());
}

TEST(ImageFields, BitmapEntriesAndTexts) {
    auto b = Buf(0xFF);
    ImageWriter w(b);
    w.EntryUsed(2, 9, true);
    EXPECT_EQ(b[3], 0xFD);
    EXPECT_FALSE(IsEntryFree(b, 2, 9));
    EXPECT_TRUE(IsEntryFree(b, 2, 8));
    w.EntryUsed(2, 9, false);
    EXPECT_EQ(b[3], 0xFF);

    w.Text(4, 4, "AB", 0x20);
    EXPECT_EQ(b[5], 'B');
    EXPECT_EQ(b[6], 0x20);
    b[6] = 0x00;
    EXPECT_EQ(GetText(b, 4, 4), "AB");
    w.Text(8, 2, "ABC", 0x00);
    EXPECT_FALSE(w.Ok());
}
