#include "core/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavo {

std::optional<Bytes> readFileBytes(const std::string& path, std::size_t maxBytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    Bytes bytes;
    std::size_t chunk = maxBytes < 65536 ? maxBytes : 65536;
    while (bytes.size() < maxBytes) {
        std::size_t want = maxBytes - bytes.size() < chunk ? maxBytes - bytes.size() : chunk;
        std::size_t old = bytes.size();
        bytes.resize(old + want);
        ssize_t got = ::read(fd, bytes.data() + old, want);
        if (got < 0) {
            if (errno == EINTR) {
                bytes.resize(old);
                continue;
            }
            ::close(fd);
            return std::nullopt;
        }
        bytes.resize(old + static_cast<std::size_t>(got));
        if (got == 0) break;
    }
    ::close(fd);
    return bytes;
}

bool canWriteBeside(const std::string& path) {
    std::string temp = path + ".XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(temp.c_str());
    return true;
}

bool writeFileAtomically(const std::string& path, const void* data, std::size_t size) {
    std::string temp = path + ".XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::size_t written = 0;
    bool ok = true;
    while (written < size) {
        ssize_t put = ::write(fd, bytes + written, size - written);
        if (put < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        written += static_cast<std::size_t>(put);
    }
    // The new file gets the usual permissions for a file the user creates.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ok = ok && ::fchmod(fd, 0666 & ~mask) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

} // namespace tavo
