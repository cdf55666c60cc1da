#pragma once
// The one layer that reads and writes fields of a byte buffer. Codecs call it; nobody shifts and
// masks by hand a second time.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "model/FixedText.h"

namespace rp {

// Sequential little-endian writer over a fixed buffer; it never writes past the end and
// remembers that it tried (Ok() false).
class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> buf) : buf_(buf) {}
    void U8(std::uint8_t v) { if (Room(1)) buf_[pos_++] = v; }
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void U16(std::uint16_t v) { if (Room(2)) { buf_[pos_] = v & 0xFF; buf_[pos_ + 1] = v >> 8; pos_ += 2; } }
    void F64(double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        if (Room(8)) for (int i = 0; i < 8; ++i) buf_[pos_++] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    template <std::size_t N> void Text(const FixedText<N>& t) {
        if (Room(N)) { std::memcpy(buf_.data() + pos_, t.Bytes.data(), N); pos_ += N; }
    }
    std::size_t Pos() const { return pos_; }
    bool Ok() const { return ok_; }

private:
    bool Room(std::size_t n) { if (pos_ + n > buf_.size()) { ok_ = false; return false; } return true; }
    std::span<std::uint8_t> buf_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Sequential little-endian reader; past the end it yields zeros and Ok() false.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> buf) : buf_(buf) {}
    std::uint8_t U8() { return Room(1) ? buf_[pos_++] : 0; }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::uint16_t U16() {
        if (!Room(2)) return 0;
        std::uint16_t v = static_cast<std::uint16_t>(buf_[pos_] | (buf_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    double F64() {
        if (!Room(8)) return 0;
        std::uint64_t u = 0;
        for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(buf_[pos_++]) << (8 * i);
        double v;
        std::memcpy(&v, &u, 8);
        return v;
    }
    template <std::size_t N> void Text(FixedText<N>& t) {
        if (Room(N)) { std::memcpy(t.Bytes.data(), buf_.data() + pos_, N); pos_ += N; }
        else t.Bytes.fill('\0');
    }
    std::size_t Pos() const { return pos_; }
    bool Ok() const { return ok_; }

private:
    bool Room(std::size_t n) { if (pos_ + n > buf_.size()) { ok_ = false; pos_ = buf_.size(); return false; } return true; }
    std::span<const std::uint8_t> buf_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace rp
