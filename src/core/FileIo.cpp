#include "core/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavo {
namespace {

constexpr int kMostLinks = 40;
constexpr std::size_t kTagLength = 6;
constexpr const char* kTemporarySuffix = ".tmp";
// Temporary names keep the name within what any file system takes.
constexpr std::size_t kMostBaseInTemporary = 200;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now; false when the close reports an error.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names once every symbolic link on its last part is
// followed (a link to a file not yet there names that file); empty for a
// loop of links.
std::string followLinks(std::string path) {
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) return {};
        std::string next(target, static_cast<std::size_t>(length));
        path = next[0] == '/' ? next : folderOf(path) + "/" + next;
    }
    return {};
}

// ".NAME." before the tag and ".tmp" after it: hidden, and never taken for
// the file itself or any other save.
std::string temporaryPrefix(const std::string& name) {
    return "." + name.substr(0, kMostBaseInTemporary) + ".";
}

bool isTemporaryOf(const std::string& entry, const std::string& prefix) {
    const std::size_t suffix = std::strlen(kTemporarySuffix);
    return entry.size() == prefix.size() + kTagLength + suffix &&
           entry.compare(0, prefix.size(), prefix) == 0 &&
           entry.compare(entry.size() - suffix, suffix, kTemporarySuffix) == 0;
}

std::string randomTag() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char raw[kTagLength] = {};
    if (::getrandom(raw, sizeof raw, 0) != static_cast<ssize_t>(sizeof raw)) {
        // No entropy at hand: the clock and the process still make a name
        // that O_EXCL checks.
        std::uint64_t mix = static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15u ^
                            static_cast<std::uint64_t>(::clock());
        for (auto& byte : raw) {
            mix = mix * 6364136223846793005u + 1442695040888963407u;
            byte = static_cast<unsigned char>(mix >> 56);
        }
    }
    std::string tag;
    for (unsigned char byte : raw)
        tag += kLetters[byte % (sizeof kLetters - 1)];
    return tag;
}

// Creates a new temporary file for `target` with the permissions of a file
// the user makes (the process umask applies, and is never changed).
int createTemporary(const std::string& target, std::string& name) {
    const std::string stem = folderOf(target) + "/" + temporaryPrefix(nameOf(target));
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + randomTag() + kTemporarySuffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Removes what earlier writes of `target` left when they were killed.
void removeLeftovers(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string prefix = temporaryPrefix(nameOf(target));
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, prefix)) continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

bool writeAll(int fd, const unsigned char* bytes, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t put = ::write(fd, bytes + written, size - written);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false; // nothing written: the disk is full
        written += static_cast<std::size_t>(put);
    }
    return true;
}

bool syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) return false;
    // Some file systems cannot sync a folder; the rename is then as safe as
    // they make it.
    return ::fsync(dir.get()) == 0 || errno == EINVAL;
}

} // namespace

FileRead readRegularFile(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    // Without blocking: opening a FIFO would otherwise wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        result.reason = "cannot open " + path + ": " + std::strerror(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.reason = "cannot read " + path + ": " + std::strerror(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.reason = path + (S_ISDIR(info.st_mode) ? " is a folder" : " is not a regular file");
        return result;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    result.fileSize = static_cast<std::uint64_t>(info.st_size);
    const std::size_t chunk = 65536;
    while (result.bytes.size() < maxBytes) {
        const std::size_t old = result.bytes.size();
        const std::size_t want = std::min(maxBytes - old, chunk);
        result.bytes.resize(old + want);
        const ssize_t got = ::read(fd.get(), result.bytes.data() + old, want);
        if (got < 0 && errno == EINTR) {
            result.bytes.resize(old);
            continue;
        }
        if (got < 0) {
            result.bytes.clear();
            result.reason = "cannot read " + path + ": " + std::strerror(errno);
            return result;
        }
        result.bytes.resize(old + static_cast<std::size_t>(got));
        if (got == 0) break;
    }
    // A file that grew while it was read is as long as what was read.
    result.fileSize = std::max<std::uint64_t>(result.fileSize, result.bytes.size());
    result.ok = true;
    return result;
}

bool canWriteBeside(const std::string& path) {
    const std::string target = followLinks(path);
    if (target.empty()) return false;
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(temporary.c_str());
    return true;
}

bool writeFileAtomically(const std::string& path, const void* data, std::size_t size) {
    const std::string target = followLinks(path);
    if (target.empty()) return false;
    std::string temporary;
    Descriptor fd(createTemporary(target, temporary));
    if (fd.get() < 0) return false;

    bool ok = writeAll(fd.get(), static_cast<const unsigned char*>(data), size);
    // A file replaced keeps its owner (where allowed) and permission bits.
    struct stat old {};
    if (ok && ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(fd.get(), old.st_uid, old.st_gid);
        ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    removeLeftovers(target);
    return syncFolder(folderOf(target));
}

} // namespace tavo
