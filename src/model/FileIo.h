#pragma once
// Whole-file reads and crash-safe writes for the files the program keeps.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rp {

enum class ReadStatus { Ok, Missing, Error };

struct FileBytes {
    ReadStatus Status = ReadStatus::Error;
    std::vector<std::uint8_t> Bytes;
};

// Reads at most maxBytes from the start of the file.
FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes);

// The size of a regular file, or nothing when it is missing, unreadable or not a regular file.
std::optional<std::uintmax_t> RegularFileSize(const std::string& path);

// A new version of a file, written beside it under a temporary name and put in its place by
// Commit(), so that the old file stays whole until the new one is complete. Destroying a file
// that was not committed removes the temporary.
class ReplacementFile {
public:
    explicit ReplacementFile(std::string path);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Writes and flushes the whole content to the temporary file.
    bool Write(std::span<const std::uint8_t> bytes);
    // Renames the temporary over the target.
    bool Commit();
    const std::string& Target() const { return target_; }

private:
    std::string target_;
    std::string temp_;
    bool written_ = false;
    bool committed_ = false;
};

// Writes bytes to path through a ReplacementFile.
bool ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace rp
