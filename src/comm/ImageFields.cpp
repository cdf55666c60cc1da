#include "comm/ImageFields.h"

#include "model/Values.h"

namespace rp {

namespace {

char HexChar(unsigned v) { return "0123456789ABCDEF"[v & 0xF]; }

bool Inside(std::size_t size, int addr, int length) {
    return addr >= 0 && length >= 0 && static_cast<std::size_t>(addr) + static_cast<std::size_t>(length) <= size;
}

}  // namespace

std::uint8_t GetImageByte(std::span<const std::uint8_t> img, int addr) {
    return Inside(img.size(), addr, 1) ? img[static_cast<std::size_t>(addr)] : 0;
}

unsigned GetImageBits(std::span<const std::uint8_t> img, int addr, int first, int width) {
    if (first < 0 || width <= 0 || first + width > 8) return 0;
    return (GetImageByte(img, addr) >> first) & ((1u << width) - 1u);
}

std::uint16_t GetWordLE(std::span<const std::uint8_t> img, int addr) {
    return static_cast<std::uint16_t>(GetImageByte(img, addr) | (GetImageByte(img, addr + 1) << 8));
}

std::string GetHexDigits(std::span<const std::uint8_t> img, int addr, int bytes) {
    std::string s;
    s.reserve(static_cast<std::size_t>(bytes) * 2);
    for (int i = 0; i < bytes; ++i) {
        const std::uint8_t b = GetImageByte(img, addr + i);
        s.push_back(HexChar(b >> 4));
        s.push_back(HexChar(b));
    }
    return s;
}

std::string GetNibbleDigits(std::span<const std::uint8_t> img, int addr, int count) {
    std::string s;
    s.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::uint8_t b = GetImageByte(img, addr + i / 2);
        s.push_back(HexChar(i % 2 == 0 ? b >> 4 : b));
    }
    return s;
}

bool IsEntryFree(std::span<const std::uint8_t> img, int base, int k) {
    if (k < 0 || !Inside(img.size(), base + k / 8, 1)) return true;
    return GetImageBits(img, base + k / 8, k % 8, 1) != 0;
}

std::string GetText(std::span<const std::uint8_t> img, int addr, int width) {
    std::string s;
    for (int i = 0; i < width; ++i) {
        const std::uint8_t b = GetImageByte(img, addr + i);
        if (b == 0x00 || b == 0xFF) break;
        s.push_back(static_cast<char>(b));
    }
    return s;
}

bool IsDecimalDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool ImageWriter::Room(int addr, int length) {
    if (!ok_) return false;
    if (!Inside(img_.size(), addr, length)) {
        ok_ = false;
        return false;
    }
    return true;
}

void ImageWriter::Byte(int addr, long long v) {
    if (v < 0 || v > 255) ok_ = false;
    if (Room(addr, 1)) img_[static_cast<std::size_t>(addr)] = static_cast<std::uint8_t>(v);
}

void ImageWriter::Bits(int addr, int first, int width, long long v) {
    if (first < 0 || width <= 0 || first + width > 8 || v < 0 || v >= (1LL << width)) ok_ = false;
    if (!Room(addr, 1)) return;
    const unsigned mask = ((1u << width) - 1u) << first;
    std::uint8_t& b = img_[static_cast<std::size_t>(addr)];
    b = static_cast<std::uint8_t>((b & ~mask) | ((static_cast<unsigned>(v) << first) & mask));
}

void ImageWriter::WordLE(int addr, long long v) {
    if (v < 0 || v > 0xFFFF) ok_ = false;
    if (!Room(addr, 2)) return;
    img_[static_cast<std::size_t>(addr)] = static_cast<std::uint8_t>(v & 0xFF);
    img_[static_cast<std::size_t>(addr) + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

void ImageWriter::Fill(int addr, int length, std::uint8_t v) {
    if (!Room(addr, length)) return;
    for (int i = 0; i < length; ++i) img_[static_cast<std::size_t>(addr + i)] = v;
}

void ImageWriter::HexDigits(int addr, int bytes, std::string_view digits) {
    if (digits.size() != static_cast<std::size_t>(bytes) * 2) ok_ = false;
    if (!Room(addr, bytes)) return;
    for (int i = 0; i < bytes; ++i) {
        const int hi = HexDigitValue(digits[2 * static_cast<std::size_t>(i)]);
        const int lo = HexDigitValue(digits[2 * static_cast<std::size_t>(i) + 1]);
        if (hi < 0 || lo < 0) {
            ok_ = false;
            return;
        }
        img_[static_cast<std::size_t>(addr + i)] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
}

std::string FreqText8(std::string_view text) {
    std::string s = TrimNull(text);
    if (s.empty()) s = "FFFFFFFF";
    while (s.size() < 8) s.push_back('0');
    s.resize(8);
    return s;
}

void ImageWriter::Freq8(int addr, std::string_view text) { HexDigits(addr, 4, FreqText8(text)); }

void ImageWriter::NibbleDigits(int addr, int bytes, std::string_view digits) {
    if (digits.size() > static_cast<std::size_t>(bytes) * 2) ok_ = false;
    if (!Room(addr, bytes)) return;
    std::uint8_t packed[256] = {};
    if (bytes > 256) {
        ok_ = false;
        return;
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int v = HexDigitValue(digits[i]);
        if (v < 0) {
            ok_ = false;
            return;
        }
        packed[i / 2] = static_cast<std::uint8_t>(packed[i / 2] | (i % 2 == 0 ? v << 4 : v));
    }
    for (int i = 0; i < bytes; ++i) img_[static_cast<std::size_t>(addr + i)] = packed[i];
}

void ImageWriter::EntryUsed(int base, int k, bool used) {
    if (k < 0) {
        ok_ = false;
        return;
    }
    Bits(base + k / 8, k % 8, 1, used ? 0 : 1);
}

void ImageWriter::Text(int addr, int width, std::string_view text, std::uint8_t pad) {
    if (text.size() > static_cast<std::size_t>(width)) ok_ = false;
    if (!Room(addr, width)) return;
    for (int i = 0; i < width; ++i)
        img_[static_cast<std::size_t>(addr + i)] =
            static_cast<std::size_t>(i) < text.size() ? static_cast<std::uint8_t>(text[static_cast<std::size_t>(i)]) : pad;
}

}  // namespace rp
