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

// The file path leads to once symbolic links are followed (a relative target counts from the
// link's folder). A link whose target does not exist yet leads there all the same; a path that
// is no link, or a loop of links, comes back as it is.
std::string FollowLinks(const std::string& path);

// False when a file stands at path that must not be replaced: the user may not write it, or its
// permissions let no one write it (which the super-user could otherwise override unnoticed).
// True where nothing stands yet.
bool MayReplace(const std::string& path);

// A new version of a file, written beside it under a temporary name and put in its place by
// Commit(), so that the old file stays whole until the new one is complete. Destroying a file
// that was not committed removes the temporary. A symbolic link is followed: the file it names
// gets the new content and the link stays.
class ReplacementFile {
public:
    explicit ReplacementFile(std::string path);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Writes and flushes the whole content to the temporary file. Refuses (false, nothing
    // written) when the file in place may not be replaced.
    bool Write(std::span<const std::uint8_t> bytes);
    // Renames the temporary over the target.
    bool Commit();

    friend bool CommitInOrder(ReplacementFile& first, ReplacementFile& last);

private:
    std::string target_;
    std::string temp_;
    bool written_ = false;
    bool committed_ = false;
};

// Puts first and then last in place, for two files that only make sense together. The old file
// of first is kept until last is in place and comes back when last cannot be put there, so a
// failure leaves both old files (or none of the new ones where none stood before).
bool CommitInOrder(ReplacementFile& first, ReplacementFile& last);

// Writes bytes to path through a ReplacementFile.
bool ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace rp
