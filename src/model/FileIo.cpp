#include "model/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace rp {

namespace fs = std::filesystem;

namespace {

// A symbolic link keeps pointing at the data: the new version replaces the file it names.
std::string ResolveLinks(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        fs::path target = fs::canonical(path, ec);
        if (!ec) return target.string();
    }
    return path;
}

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

mode_t NewFileMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

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

ReplacementFile::ReplacementFile(std::string path) : target_(ResolveLinks(path)) {}

ReplacementFile::~ReplacementFile() {
    if (!temp_.empty() && !committed_) ::unlink(temp_.c_str());
}

bool ReplacementFile::Write(std::span<const std::uint8_t> bytes) {
    if (!temp_.empty()) return false;
    std::string pattern = target_ + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    temp_ = pattern;
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

bool ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes) {
    ReplacementFile f(path);
    return f.Write(bytes) && f.Commit();
}

}  // namespace rp
