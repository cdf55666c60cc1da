#pragma once
// Fixed-width texts as the radio and the data files hold them: N single-byte characters.
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace rp {

// A text with its trailing blanks removed and then cut at its first NUL.
// "AB \0x" gives "AB ": the blanks are only trimmed at the very end of the field.
std::string TrimNull(std::string_view s);
// Cut at the first NUL, nothing else.
std::string CutAtNull(std::string_view s);
// The text without leading and trailing blanks.
std::string TrimBlanks(std::string_view s);

// A record text for printing or any other UTF-8 text: one character per record byte (the
// data's single-byte code page, taken as Latin-1), so 0x80..0xFF print as the editors show them.
std::string AnsiToUtf8(std::string_view bytes);
// Back to record bytes; a character beyond Latin-1 becomes "?".
std::string Utf8ToAnsi(std::string_view utf8);

template <std::size_t N>
struct FixedText {
    // A zero-filled field holds NULs, as a freshly cleared record does.
    std::array<char, N> Bytes{};

    static constexpr std::size_t Size = N;

    FixedText() = default;
    FixedText(std::string_view s) { Set(s); }  // NOLINT: records assign texts freely

    // Assignment pads with blanks and cuts to N: a record text always fills its field, and blanks
    // are what pads a shorter text in the data files and the radio's memory.
    void Set(std::string_view s) {
        const std::size_t n = s.size() < N ? s.size() : N;
        std::memcpy(Bytes.data(), s.data(), n);
        for (std::size_t i = n; i < N; ++i) Bytes[i] = ' ';
    }
    FixedText& operator=(std::string_view s) { Set(s); return *this; }
    FixedText& operator=(const char* s) { Set(std::string_view(s)); return *this; }
    FixedText& operator=(const std::string& s) { Set(std::string_view(s)); return *this; }

    // Value followed by one NUL and then blanks: how several editors store a short text.
    void SetNulTerminated(std::string_view s) {
        if (s.size() >= N) { Set(s); return; }
        std::string t(s);
        t.push_back('\0');
        Set(t);
    }

    std::string Str() const { return std::string(Bytes.data(), N); }
    std::string Trimmed() const { return TrimNull(std::string_view(Bytes.data(), N)); }
    std::string_view View() const { return std::string_view(Bytes.data(), N); }

    char& operator[](std::size_t i) { return Bytes[i]; }
    char operator[](std::size_t i) const { return Bytes[i]; }

    bool operator==(const FixedText&) const = default;
};

}  // namespace rp
