#include "model/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace rp {

namespace fs = std::filesystem;

namespace {

// More links in a row than the system itself follows can only be a loop.
constexpr int kMaxLinkHops = 40;

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A mkstemp pattern for a file beside target. The file system limits each name (255 bytes on
// most): a target whose name already fills it gets its name shortened, never its folder changed.
std::string SpareNamePattern(const std::string& target) {
    constexpr std::string_view kSuffix = ".XXXXXX";
    const std::size_t slash = target.rfind('/');
    const std::size_t leafStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = leafStart == 0 ? "." : target.substr(0, leafStart);
    long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (limit <= 0) limit = 255;
    const std::size_t room = static_cast<std::size_t>(std::max<long>(limit, static_cast<long>(kSuffix.size()) + 1)) -
                             kSuffix.size();
    std::size_t keep = target.size() - leafStart;
    if (keep > room) {
        keep = room;
        // Cut at the start of a character, so the name stays valid UTF-8.
        while (keep > 0 && (static_cast<unsigned char>(target[leafStart + keep]) & 0xC0) == 0x80) --keep;
    }
    return target.substr(0, leafStart + keep) + std::string(kSuffix);
}

// The new file takes the owner and group of the one it replaces, where the system lets it: the
// super-user saving another user's file must not take it from them, and a user who may not give
// a file away still keeps its group when they belong to it. Where neither is allowed the file is
// saved all the same, as the user's own.
void KeepOwner(int fd, const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return;
    if (::fchown(fd, st.st_uid, st.st_gid) == 0) return;
    (void)::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
}

mode_t NewFileMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The old version of a file, kept under a spare name beside it while its successor is put in
// place, so that it can come back.
class KeptFile {
public:
    explicit KeptFile(std::string target) : target_(std::move(target)) {}

    // False when the old file could not be kept; it then stands where it was.
    bool Keep() {
        struct stat st {};
        if (::lstat(target_.c_str(), &st) != 0) return errno == ENOENT;  // Restore then removes the new one
        if (!S_ISREG(st.st_mode)) return false;  // a pipe or a folder could not be brought back
        std::string pattern = SpareNamePattern(target_);
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) return false;
        ::close(fd);
        spare_ = pattern;
        // A second name for the old file keeps it in its place meanwhile; where the file system
        // has no such names, it moves to the spare name for the moment.
        ::unlink(spare_.c_str());
        if (::link(target_.c_str(), spare_.c_str()) == 0) {
            linked_ = true;
            return true;
        }
        if (::rename(target_.c_str(), spare_.c_str()) == 0) return true;
        spare_.clear();
        return false;
    }

    // The new file did not get into place: the old one is still (or again) there.
    void Untouched() {
        if (spare_.empty()) return;
        if (linked_) ::unlink(spare_.c_str());
        else ::rename(spare_.c_str(), target_.c_str());
    }

    // The new file is in place but must go: the old one comes back, or none when none was there.
    void Restore() {
        if (spare_.empty()) ::unlink(target_.c_str());
        else ::rename(spare_.c_str(), target_.c_str());
    }

    void Drop() {
        if (!spare_.empty()) ::unlink(spare_.c_str());
    }

private:
    std::string target_;
    std::string spare_;
    bool linked_ = false;
};

}  // namespace

FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    FileBytes out;
    // Without O_NONBLOCK a pipe standing where a file should be blocks the open until some
    // other program writes to it; a file that is not regular is refused below anyway.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        out.Status = (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Error;
        return out;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return out;
    }
    const std::size_t want = std::min<std::size_t>(maxBytes, static_cast<std::size_t>(st.st_size));
    out.Bytes.resize(want);
    std::size_t done = 0;
    while (done < want) {
        const ssize_t n = ::read(fd, out.Bytes.data() + done, want - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            out.Bytes.clear();
            return out;
        }
        if (n == 0) break;  // the file shrank while we read it
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    out.Bytes.resize(done);
    out.Status = ReadStatus::Ok;
    return out;
}

std::optional<std::uintmax_t> RegularFileSize(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uintmax_t>(st.st_size);
}

std::string FollowLinks(const std::string& path) {
    fs::path p(path);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p.string();
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) return p.string();
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return path;
}

bool MayReplace(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
    // access() answers yes to the super-user whatever the permissions say, so a file that nobody
    // may write counts as read-only for everyone.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::access(path.c_str(), W_OK) == 0;
}

ReplacementFile::ReplacementFile(std::string path) : target_(FollowLinks(path)) {}

ReplacementFile::~ReplacementFile() {
    if (!temp_.empty() && !committed_) ::unlink(temp_.c_str());
}

bool ReplacementFile::Write(std::span<const std::uint8_t> bytes) {
    if (!temp_.empty() || !MayReplace(target_)) return false;
    std::string pattern = SpareNamePattern(target_);
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    temp_ = pattern;
    // The owner first: a change of owner clears the set-user and set-group bits of the mode.
    KeepOwner(fd, target_);
    bool ok = ::fchmod(fd, NewFileMode(target_)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    written_ = ok;
    return ok;
}

bool ReplacementFile::Commit() {
    if (!written_ || committed_) return false;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

bool CommitInOrder(ReplacementFile& first, ReplacementFile& last) {
    if (!first.written_ || first.committed_ || !last.written_ || last.committed_) return false;
    KeptFile old(first.target_);
    if (!old.Keep()) return false;
    if (!first.Commit()) {
        old.Untouched();
        return false;
    }
    if (!last.Commit()) {
        old.Restore();
        return false;
    }
    old.Drop();
    return true;
}

bool ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes) {
    ReplacementFile f(path);
    return f.Write(bytes) && f.Commit();
}

}  // namespace rp
