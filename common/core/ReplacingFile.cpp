#include "ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "FileSafety.h"
#include "TemporaryFiles.h"

namespace halvern {

namespace {

constexpr size_t kBufferBytes = 64 * 1024;
constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool FolderWritable(const std::string& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// The process's umask, read without changing it (umask(2) would, for every thread).
mode_t CurrentUmask() {
    mode_t mask = S_IWGRP | S_IWOTH;
    if (std::FILE* f = std::fopen("/proc/self/status", "re")) {
        char line[256];
        while (std::fgets(line, sizeof line, f)) {
            unsigned value = 0;
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = static_cast<mode_t>(value);
                break;
            }
        }
        std::fclose(f);
    }
    return mask;
}

bool MayWrite(const std::string& path, const struct stat& info) {
    // access(2) answers yes to root for any file: a file without a write bit is refused as well.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

}  // namespace

std::string NotRegularFileText(const std::string& name) {
    return name + " is not a regular file.";
}

std::string WriteFailureText(const std::string& ownText, const std::string& note) {
    return note.empty() ? ownText : ownText + "\r" + note;
}

ReplacingFile::~ReplacingFile() {
    discard();
}

bool ReplacingFile::fail(WriteFault fault) {
    if (fault_ == WriteFault::None) fault_ = fault;
    return false;
}

bool ReplacingFile::open(const std::string& target) {
    discard();
    name_ = target;
    fault_ = WriteFault::None;
    existed_ = false;
    device_ = false;
    written_ = 0;
    if (target.empty()) return fail(WriteFault::Create);
    target_ = ResolveLinks(target);

    struct stat info {};
    if (::lstat(target_.c_str(), &info) != 0)
        return errno == ENOENT ? openTemporary(false) : fail(WriteFault::Create);
    existed_ = true;
    if (S_ISCHR(info.st_mode)) return openDevice();
    if (!S_ISREG(info.st_mode)) return fail(WriteFault::NotRegular);
    if (!MayWrite(target_, info)) return fail(WriteFault::ReadOnly);
    permissions_ = info.st_mode & 07777;
    owner_ = info.st_uid;
    group_ = info.st_gid;
    fileDevice_ = info.st_dev;
    inode_ = info.st_ino;
    // A rename would cut the other names off, give the file to the user, or is not allowed.
    const bool otherOwner = info.st_uid != ::geteuid() && ::geteuid() != 0;
    return openTemporary(info.st_nlink > 1 || otherOwner || !FolderWritable(FolderOf(target_)));
}

bool ReplacingFile::openTemporary(bool inPlace) {
    const std::string folder = FolderOf(target_);
    if (inPlace) {
        fd_ = CreateAnonymousFile(FolderWritable(folder) ? folder : TemporaryFolder());
        mode_ = Mode::InPlace;
    } else {
        // Without a name until commit, so that a process that dies leaves nothing behind.
        fd_ = OpenNamelessFile(folder);
        nameless_ = fd_ >= 0;
        if (!nameless_) fd_ = CreateUniqueFile(folder, temporaryPrefix(), temp_);
        mode_ = Mode::Rename;
    }
    if (fd_ < 0) {
        mode_ = Mode::Closed;
        temp_.clear();
        return fail(WriteFault::Create);
    }
    buffer_.reserve(kBufferBytes);
    return true;
}

bool ReplacingFile::openDevice() {
    // O_NONBLOCK only for the open itself; a device that then refuses bytes fails the write.
    fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return fail(WriteFault::Create);
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISCHR(info.st_mode)) {
        closeDescriptor();
        return fail(WriteFault::NotRegular);
    }
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags >= 0) ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    mode_ = Mode::Device;
    device_ = true;
    return true;
}

bool ReplacingFile::openForAppend(const std::string& target) {
    if (!open(target)) return false;
    if (mode_ == Mode::Device || !existed_) return true;
    std::string bytes;
    if (ReadFileBytes(target_, bytes) && write(bytes)) return true;
    discard();
    fault_ = WriteFault::Create;
    return false;
}

bool ReplacingFile::write(const void* data, size_t size) {
    if (mode_ == Mode::Closed || fault_ != WriteFault::None) return false;
    const char* bytes = static_cast<const char*>(data);
    if (buffer_.size() + size > kBufferBytes && !flush()) return false;
    if (size >= kBufferBytes) {
        if (!WriteAll(fd_, bytes, size)) return fail(WriteFault::Write);
    } else {
        buffer_.insert(buffer_.end(), bytes, bytes + size);
    }
    written_ += size;
    return true;
}

bool ReplacingFile::flush() {
    if (buffer_.empty()) return fault_ == WriteFault::None;
    const bool written = WriteAll(fd_, buffer_.data(), buffer_.size());
    buffer_.clear();
    return written || fail(WriteFault::Write);
}

bool ReplacingFile::truncate(uint64_t size) {
    if (mode_ == Mode::Closed || mode_ == Mode::Device || size > written_ || !flush()) return false;
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0 ||
        ::lseek(fd_, static_cast<off_t>(size), SEEK_SET) < 0)
        return fail(WriteFault::Write);
    written_ = size;
    return true;
}

bool ReplacingFile::commit() {
    if (mode_ == Mode::Closed) return fail(WriteFault::Create);
    if (!flush()) {
        discard();
        return false;
    }
    bool ok = true;
    switch (mode_) {
        case Mode::Device:
            ok = ::close(fd_) == 0 || fail(WriteFault::Write);
            fd_ = -1;
            break;
        case Mode::Rename:
            ok = commitRename();
            break;
        case Mode::InPlace:
            ok = commitInPlace();
            break;
        case Mode::Closed:
            break;
    }
    discard();
    return ok;
}

bool ReplacingFile::commitRename() {
    const mode_t mode = existed_ ? permissions_ : kNewFileMode & ~CurrentUmask();
    // Only root may give a file away; a file of the user's own keeps its owner anyway.
    const bool ownerKept = !existed_ || ::fchown(fd_, owner_, group_) == 0;
    static_cast<void>(ownerKept);
    const bool modeKept = ::fchmod(fd_, mode) == 0;
    static_cast<void>(modeKept);
    if (nameless_ && !LinkNamelessFile(fd_, FolderOf(target_), temporaryPrefix(), temp_))
        return fail(WriteFault::Replace);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(WriteFault::Write);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return fail(WriteFault::Replace);
    temp_.clear();
    return true;
}

bool ReplacingFile::commitInPlace() {
    const int out =
        ::open(target_.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info {};
    if (out < 0 || ::fstat(out, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_dev != fileDevice_ || info.st_ino != inode_) {
        if (out >= 0) ::close(out);
        return fail(WriteFault::Replace);
    }
    // Room for the new content first: where the disk has none, the old file is untouched.
    const int reserved = ::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(written_));
    if (reserved != 0 && errno == ENOSPC) {
        ::close(out);
        return fail(WriteFault::Replace);
    }
    std::vector<char> block(kBufferBytes);
    bool ok = true;
    for (uint64_t at = 0; ok && at < written_;) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(block.size(), written_ - at));
        ok = ReadAllAt(fd_, block.data(), n, static_cast<long long>(at)) &&
             WriteAllAt(out, block.data(), n, static_cast<long long>(at));
        at += n;
    }
    ok = ok && ::ftruncate(out, static_cast<off_t>(written_)) == 0;
    ok = (::close(out) == 0) && ok;
    return ok || fail(WriteFault::Damaged);
}

void ReplacingFile::closeDescriptor() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void ReplacingFile::discard() {
    closeDescriptor();
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
    buffer_.clear();
    nameless_ = false;
    mode_ = Mode::Closed;
}

std::string ReplacingFile::temporaryPrefix() const {
    return "." + FileNameOf(target_) + ".";
}

std::string ReplacingFile::failureNote() const {
    switch (fault_) {
        case WriteFault::NotRegular:
            return NotRegularFileText(name_);
        case WriteFault::ReadOnly:
            return name_ + " is read-only: it was left as it was.";
        case WriteFault::Write:
        case WriteFault::Replace:
            return existed_ && !device_ ? name_ + " was left as it was." : "";
        case WriteFault::Damaged:
            return name_ + " was written in place and may be damaged.";
        case WriteFault::None:
        case WriteFault::Create:
            break;
    }
    return "";
}

std::string ReplacingFile::failureText(const std::string& ownText) const {
    return WriteFailureText(ownText, failureNote());
}

WriteOutcome WriteFileReplacing(const std::string& path, std::string_view bytes) {
    ReplacingFile file;
    if (file.open(path) && file.write(bytes) && file.commit()) return {};
    file.discard();
    return {file.fault(), file.failureNote()};
}

}  // namespace halvern
