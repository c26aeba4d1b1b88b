#include "TemporaryFiles.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>

namespace halvern {

namespace {

constexpr int kNameAttempts = 100;
constexpr size_t kRandomLetters = 12;

// Letters and digits drawn from the kernel's generator, so a name cannot be foreseen.
std::string RandomLetters() {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[kRandomLetters];
    size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        got += static_cast<size_t>(n);
    }
    // Without the generator (it does not fail on Linux) the name only has to be new: O_EXCL
    // still refuses whatever is there.
    uint64_t clock =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (size_t i = got; i < sizeof bytes; ++i, clock >>= 5)
        bytes[i] = static_cast<unsigned char>(clock);
    std::string letters;
    for (unsigned char b : bytes) letters += kAlphabet[b % (sizeof kAlphabet - 1)];
    return letters;
}

// Calls io(pointer, bytes, offset) until `size` bytes have moved; false on an error (EINTR is
// retried) or a call that moves nothing (a full device, the end of a file).
template <class Byte, class Io>
bool MoveAll(Byte* data, size_t size, long long offset, Io io) {
    while (size > 0) {
        const ssize_t n = io(data, size, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

std::string TemporaryFolder() {
    const char* dir = std::getenv("TMPDIR");
    struct stat info {};
    if (dir && *dir == '/' && ::stat(dir, &info) == 0 && S_ISDIR(info.st_mode)) return dir;
    return "/tmp";
}

int CreateUniqueFile(const std::string& folder, const std::string& prefix, std::string& path) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = InFolder(folder, prefix + RandomLetters());
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              S_IRUSR | S_IWUSR);
        if (fd >= 0) {
            path = name;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

bool CreateUniqueFolder(const std::string& folder, const std::string& prefix, std::string& path) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = InFolder(folder, prefix + RandomLetters());
        if (::mkdir(name.c_str(), S_IRWXU) == 0) {
            path = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

int CreateAnonymousFile(const std::string& folder) {
    std::string path;
    const int fd = CreateUniqueFile(folder, ".halvern-", path);
    if (fd >= 0) ::unlink(path.c_str());
    return fd;
}

int OpenNamelessFile(const std::string& folder) {
    // The file is named through /proc/self/fd; without it, it could never be named.
    if (::access("/proc/self/fd", X_OK) != 0) return -1;
    return ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC,
                  S_IRUSR | S_IWUSR);
}

bool LinkNamelessFile(int fd, const std::string& folder, const std::string& prefix,
                      std::string& path) {
    const std::string source = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = InFolder(folder, prefix + RandomLetters());
        // linkat never follows or replaces what is at the new name.
        if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            path = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool WriteAll(int fd, const void* data, size_t size) {
    return MoveAll(static_cast<const char*>(data), size, 0,
                   [fd](const char* p, size_t n, long long) { return ::write(fd, p, n); });
}

bool WriteAllAt(int fd, const void* data, size_t size, long long offset) {
    return MoveAll(static_cast<const char*>(data), size, offset,
                   [fd](const char* p, size_t n, long long at) {
                       return ::pwrite(fd, p, n, static_cast<off_t>(at));
                   });
}

bool ReadAllAt(int fd, void* data, size_t size, long long offset) {
    return MoveAll(static_cast<char*>(data), size, offset, [fd](char* p, size_t n, long long at) {
        return ::pread(fd, p, n, static_cast<off_t>(at));
    });
}

}  // namespace halvern
