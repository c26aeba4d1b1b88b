#include "FileSafety.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace halvern {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

size_t ExtStart(const std::string& path) {
    size_t slash = path.find_last_of('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) return std::string::npos;
    return dot;
}

}  // namespace

int OpenRegularFile(const std::string& path, bool* notRegular) {
    if (notRegular) *notRegular = false;
    // A FIFO opened for reading waits for a writer unless O_NONBLOCK; a socket cannot be opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        return fd;
    }
    if (fd >= 0) ::close(fd);
    if (notRegular) *notRegular = IsNotRegularFile(path);
    return -1;
}

bool IsNotRegularFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

std::string OpenFailureText(const std::string& ownText, const std::string& path) {
    return IsNotRegularFile(path) ? ownText + "\r" + NotRegularFileText(path) : ownText;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    const int fd = OpenRegularFile(path);
    if (fd < 0) return false;
    std::string data;
    char buf[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    if (ok) bytes = std::move(data);
    return ok;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

std::string FindCompanionFile(const std::string& path) {
    if (FileExists(path)) return path;
    size_t dot = ExtStart(path);
    if (dot == std::string::npos) return path;
    std::string stem = FileNameOf(path.substr(0, dot));
    std::string ext = path.substr(dot);
    fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return path;
    std::string best;
    for (const auto& entry : it) {
        std::string name = entry.path().filename().string();
        if (name.size() != stem.size() + ext.size()) continue;
        if (name.compare(0, stem.size(), stem) != 0) continue;
        if (!EqualNoCase(std::string_view(name).substr(stem.size()), ext)) continue;
        if (!entry.is_regular_file(ec)) continue;
        // Several candidates: take the first in name order, so the choice does not depend on
        // the directory's order.
        if (best.empty() || name < best) best = name;
    }
    if (best.empty()) return path;
    return (folder / best).string();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) {
        bool same = fs::equivalent(a, b, ec);
        if (!ec) return same;
    }
    fs::path ca = fs::weakly_canonical(fs::absolute(a, ec), ec);
    fs::path cb = fs::weakly_canonical(fs::absolute(b, ec), ec);
    return ca == cb;
}

std::string ChangeFileExt(const std::string& path, std::string_view ext) {
    size_t dot = ExtStart(path);
    std::string base = dot == std::string::npos ? path : path.substr(0, dot);
    return base + std::string(ext);
}

std::string FileExt(const std::string& path) {
    size_t dot = ExtStart(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolveLinks(const std::string& path) {
    fs::path p = path;
    std::error_code ec;
    // A loop of links ends here as a name that cannot be opened.
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p.string();
}

}  // namespace halvern
