#pragma once
// The one layer that reads and writes fields of the radio memory image: bytes, bit ranges,
// little-endian words, BCD frequencies, nibble-packed digit strings, in-use bitmaps and
// padded texts. Every codec goes through it, so no codec shifts or masks by hand.
//
// Reading is total: an address outside the buffer reads as 0 and a bitmap entry outside it
// reads as free. Writing is checked: a value that does not fit its field, a character that is
// not a digit where digits are expected, or an address outside the buffer makes the writer fail
// and ignore every later write, so a failed encoder never spills into neighbouring bits.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/FixedText.h"

namespace rp {

constexpr int kImageSize = 0x4000;

// ---- reading ----
std::uint8_t GetImageByte(std::span<const std::uint8_t> img, int addr);
// Bits first .. first + width - 1 of the byte at addr.
unsigned GetImageBits(std::span<const std::uint8_t> img, int addr, int first, int width);
std::uint16_t GetWordLE(std::span<const std::uint8_t> img, int addr);
// The bytes as hexadecimal digits, two per byte, high nibble first, upper case ("0145FFFF").
std::string GetHexDigits(std::span<const std::uint8_t> img, int addr, int bytes);
// The first count nibbles from addr, high nibble first, as upper-case hexadecimal digits.
std::string GetNibbleDigits(std::span<const std::uint8_t> img, int addr, int count);
// Entry k of a bitmap at base is bit k mod 8 of byte base + k div 8; a set bit means free.
bool IsEntryFree(std::span<const std::uint8_t> img, int base, int k);
// Bytes up to the first 0x00 or 0xFF, at most width of them.
std::string GetText(std::span<const std::uint8_t> img, int addr, int width);

template <std::size_t N>
void GetRawText(std::span<const std::uint8_t> img, int addr, FixedText<N>& t) {
    for (std::size_t i = 0; i < N; ++i) t[i] = static_cast<char>(GetImageByte(img, addr + static_cast<int>(i)));
}

// A digit text is the 8-digit BCD form of a frequency when every character is 0-9.
bool IsDecimalDigits(std::string_view s);

// ---- writing ----
class ImageWriter {
public:
    explicit ImageWriter(std::span<std::uint8_t> img) : img_(img) {}

    bool Ok() const { return ok_; }
    void Fail() { ok_ = false; }

    // v must be 0..255.
    void Byte(int addr, long long v);
    // v must fit width bits; the other bits of the byte keep their value.
    void Bits(int addr, int first, int width, long long v);
    void WordLE(int addr, long long v);  // 0..65535
    void Fill(int addr, int length, std::uint8_t v);
    // digits: exactly 2 * bytes hexadecimal digits (either case).
    void HexDigits(int addr, int bytes, std::string_view digits);
    // A frequency text as the radio keeps it: trimmed, empty as "FFFFFFFF", short texts filled
    // with "0" up to 8 digits, only the first 8 digits stored (the 10 Hz digit is dropped).
    void Freq8(int addr, std::string_view text);
    // Up to 2 * bytes hexadecimal digits packed two per byte, high nibble first; the nibbles
    // behind the text are 0.
    void NibbleDigits(int addr, int bytes, std::string_view digits);
    // Marks entry k of the bitmap at base as in use (clears its bit) or as free (sets it).
    void EntryUsed(int base, int k, bool used);
    // The text's bytes, then pad up to width; a longer text fails.
    void Text(int addr, int width, std::string_view text, std::uint8_t pad);

    template <std::size_t N>
    void RawText(int addr, const FixedText<N>& t) {
        for (std::size_t i = 0; i < N; ++i)
            Byte(addr + static_cast<int>(i), static_cast<std::uint8_t>(t[i]));
    }

private:
    bool Room(int addr, int length);
    std::span<std::uint8_t> img_;
    bool ok_ = true;
};

// The frequency text an image holds, as 8 digits, or "FFFFFFFF" style text when it is not BCD.
std::string FreqText8(std::string_view text);

}  // namespace rp
