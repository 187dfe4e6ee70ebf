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

#include <optional>
#include <string>
#include <utility>

namespace tavo {
namespace {

constexpr int kMostLinks = 40;
constexpr std::size_t kTagLength = 6;
constexpr const char* kTemporarySuffix = ".tmp";
// Temporary names keep the name within what any file system takes.
constexpr std::size_t kMostBaseInTemporary = 200;
// A temporary file older than this was left by a write that was killed.
constexpr std::time_t kLeftoverAge = 3600;

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
// followed (a link to a file not yet there names that file); nothing for a
// loop of links.
std::optional<std::string> followLinks(std::string path) {
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

// The reason a write of `path` failed, as the system says it.
std::string writeFailure(const std::string& path, int error) {
    return "cannot write " + path + ": " + std::strerror(error);
}

constexpr const char* kNoName = "cannot write: the file name is empty";

bool refuse(std::string* reason, std::string text) {
    if (reason != nullptr) *reason = std::move(text);
    return false;
}

// Creates a new temporary file for `target` with `mode` from the start (the
// process umask applies, and is never changed); -1 with errno set when it
// cannot.
int createTemporary(const std::string& target, mode_t mode, std::string& name) {
    const std::string stem = folderOf(target) + "/" + temporaryPrefix(nameOf(target));
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + randomTag() + kTemporarySuffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Removes what writes of `target` killed more than an hour ago left; a
// younger one may belong to a write still going on in another process.
void removeLeftovers(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string prefix = temporaryPrefix(nameOf(target));
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const std::time_t before = std::time(nullptr) - kLeftoverAge;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, prefix)) continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_mtime < before)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// 0, or the errno of the write that failed.
int writeAll(int fd, const unsigned char* bytes, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t put = ::write(fd, bytes + written, size - written);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return errno;
        if (put == 0) return ENOSPC;
        written += static_cast<std::size_t>(put);
    }
    return 0;
}

// 0, or the errno of a sync that failed. A folder that cannot be opened
// (the user may write it but not read it) or a file system that cannot sync
// a folder leaves the rename as safe as they make it.
int syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0 || ::fsync(dir.get()) == 0 || errno == EINVAL || errno == EROFS) return 0;
    return errno;
}

// Whether the file `info` describes (`exists`) may be replaced by a write
// of `path`; false (and the reason told) for something that is not a
// regular file or a file its owner protected.
bool replaceable(const std::string& path, const struct stat& info, bool exists,
                 std::string* reason) {
    if (!exists) return true;
    if (S_ISDIR(info.st_mode)) return refuse(reason, writeFailure(path, EISDIR));
    if (!S_ISREG(info.st_mode))
        return refuse(reason, "cannot write " + path + ": it is not a regular file");
    if ((info.st_mode & S_IWUSR) == 0) return refuse(reason, writeFailure(path, EACCES));
    return true;
}

// Gives the new file the owner (where allowed) and permission bits of
// `model`; 0 or the errno of the failure.
int keepOwnerAndMode(int fd, const struct stat& model) {
    if (model.st_uid != ::geteuid() || model.st_gid != ::getegid())
        (void)!::fchown(fd, model.st_uid, model.st_gid);
    return ::fchmod(fd, model.st_mode & 07777) == 0 ? 0 : errno;
}

// Writes the bytes to a new temporary file beside `target`, owned and
// permitted as `model` (when given), and renames it over `target`; `path`
// is the name the reasons give.
bool replaceWith(const std::string& path, const std::string& target, const struct stat* model,
                 const void* data, std::size_t size, std::string* reason) {
    std::string temporary;
    Descriptor fd(createTemporary(target, model ? model->st_mode & 0777 : 0666, temporary));
    if (fd.get() < 0) return refuse(reason, writeFailure(path, errno));

    int error = model ? keepOwnerAndMode(fd.get(), *model) : 0;
    if (error == 0) error = writeAll(fd.get(), static_cast<const unsigned char*>(data), size);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (!fd.close() && error == 0) error = errno;
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return refuse(reason, writeFailure(path, error));
    }
    removeLeftovers(target);
    if (const int synced = syncFolder(folderOf(target)); synced != 0)
        return refuse(reason, "cannot sync the folder of " + path + ": " + std::strerror(synced));
    return true;
}

} // namespace

FileRead readRegularFile(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    if (path.empty()) {
        result.reason = "cannot open: the file name is empty";
        return result;
    }
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
    // Room for the whole file and the read that finds its end: a long script
    // or list costs its size, not the doublings of a growing buffer.
    result.bytes.reserve(
        static_cast<std::size_t>(std::min<std::uint64_t>(maxBytes, result.fileSize + chunk)));
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
    const std::optional<std::string> target = followLinks(path);
    if (path.empty() || !target) return false;
    std::string temporary;
    const int fd = createTemporary(*target, 0666, temporary);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(temporary.c_str());
    return true;
}

bool writeFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string* reason) {
    if (path.empty()) return refuse(reason, kNoName);
    const std::optional<std::string> target = followLinks(path);
    if (!target) return refuse(reason, writeFailure(path, ELOOP));
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return refuse(reason, writeFailure(path, errno));
    if (!replaceable(path, old, exists, reason)) return false;
    return replaceWith(path, *target, exists ? &old : nullptr, data, size, reason);
}

bool writeSidecarFile(const std::string& savePath, const std::string& sidecarPath, const void* data,
                      std::size_t size, std::string* reason) {
    if (sidecarPath.empty()) return refuse(reason, kNoName);
    // The sidecar's own name, never what a link there names.
    struct stat old {};
    const bool exists = ::lstat(sidecarPath.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return refuse(reason, writeFailure(sidecarPath, errno));
    if (!(exists && S_ISLNK(old.st_mode)) && !replaceable(sidecarPath, old, exists, reason))
        return false;
    struct stat save {};
    const bool saved = ::stat(savePath.c_str(), &save) == 0 && S_ISREG(save.st_mode);
    return replaceWith(sidecarPath, sidecarPath, saved ? &save : nullptr, data, size, reason);
}

std::string makeTemporaryBeside(const std::string& path, std::string* reason) {
    std::string temporary;
    Descriptor fd(createTemporary(path, 0666, temporary));
    if (fd.get() < 0) {
        refuse(reason, writeFailure(path, errno));
        return {};
    }
    removeLeftovers(path);
    return temporary;
}

} // namespace tavo
