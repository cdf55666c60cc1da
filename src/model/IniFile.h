#pragma once
// INI files as the language and settings files are kept: the same matching rules on every
// platform, and a write that touches nothing but its own line.
//
// - Section and key names match without regard to ASCII case.
// - A value is the text after the first "=", with blanks and tabs trimmed on both sides.
// - A missing key reads as "" (Has() tells it apart from a key that is present and empty).
// - Only the first section of a name counts, and in it the first line of a key.
// - A value enclosed in a pair of matching quotes (" or ') reads without them.
// - Lines beginning with ";" are comments. Commas, backslashes and other quotes are text.
// - A UTF-8 byte-order mark is skipped and kept; CRLF or LF line ends are kept as found.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rp {

class IniFile {
public:
    IniFile() = default;
    static IniFile Parse(std::string_view text);
    // Empty when the file does not exist or cannot be read.
    static std::optional<IniFile> Load(const std::string& path);

    std::string Get(std::string_view section, std::string_view key) const;
    bool Has(std::string_view section, std::string_view key) const;
    // Keys of the first section of that name, as written in the file.
    std::vector<std::string> Keys(std::string_view section) const;

    // Replaces the value on the key's own line, or adds the key at the end of its section, or
    // adds the section at the end of the file. Every other line stays byte for byte.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;
    // Writes through a temporary file beside the target, so a failed write never leaves half a file.
    bool Save(const std::string& path) const;

private:
    struct Entry {
        std::size_t Line;
        std::string Value;
    };
    void Reindex();

    std::vector<std::string> lines_;  // without their line ends
    std::string eol_ = "\n";
    bool bom_ = false;
    bool finalEol_ = true;
    std::unordered_map<std::string, Entry> index_;           // "section\nkey" in lower case
    std::unordered_map<std::string, std::size_t> sections_;  // lower-case section -> header line
};

// One key at a time for callers that keep no IniFile: each call rewrites its one line of the
// file, so it always works on what is on disk now.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace rp
