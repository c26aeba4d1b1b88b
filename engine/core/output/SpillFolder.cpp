#include "output/SpillFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "TemporaryFiles.h"

namespace halvern {

namespace {

std::string ParentOf(const std::string& parent) {
    return parent.empty() ? TemporaryFolder() : parent;
}

// The process id in a spill folder's name; 0 when the name is no spill folder's.
pid_t OwnerOf(const std::string& name) {
    const std::string prefix = kSpillFolderPrefix;
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    const char* digits = name.c_str() + prefix.size();
    char* end = nullptr;
    const long pid = std::strtol(digits, &end, 10);
    if (end == digits || *end != '-' || pid <= 0) return 0;
    return static_cast<pid_t>(pid);
}

bool ProcessAlive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Empties and removes a folder of ours that nobody holds; its entries are only spill files.
void RemoveUnheldFolder(const std::string& folder, pid_t owner) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    const bool ours = ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid();
    // A folder whose owner lives on belongs to a run that may not have locked it yet.
    const bool dead = owner == ::getpid() || !ProcessAlive(owner);
    if (!ours || !dead || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    if (DIR* dir = ::fdopendir(::dup(fd))) {
        std::vector<std::string> names;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(dir);
        for (const std::string& name : names) ::unlinkat(fd, name.c_str(), 0);
    }
    ::rmdir(folder.c_str());
    ::close(fd);
}

}  // namespace

SpillFolder::SpillFolder(const std::string& parent) {
    const std::string where = ParentOf(parent);
    RemoveStaleSpillFolders(where);
    const std::string prefix = kSpillFolderPrefix + std::to_string(::getpid()) + "-";
    if (!CreateUniqueFolder(where, prefix, path_)) {
        path_.clear();
        return;
    }
    lock_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (lock_ >= 0 && ::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock_);
        lock_ = -1;
    }
    if (lock_ < 0) {
        ::rmdir(path_.c_str());
        path_.clear();
    }
}

SpillFolder::~SpillFolder() {
    if (lock_ < 0) return;
    ::rmdir(path_.c_str());
    ::close(lock_);
}

int SpillFolder::createFile() const {
    return ok() ? CreateAnonymousFile(path_) : -1;
}

void RemoveStaleSpillFolders(const std::string& parent) {
    const std::string where = ParentOf(parent);
    DIR* dir = ::opendir(where.c_str());
    if (!dir) return;
    std::vector<std::pair<std::string, pid_t>> found;
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t owner = OwnerOf(entry->d_name);
        if (owner > 0) found.emplace_back(entry->d_name, owner);
    }
    ::closedir(dir);
    for (const auto& [name, owner] : found) RemoveUnheldFolder(where + "/" + name, owner);
}

}  // namespace halvern
