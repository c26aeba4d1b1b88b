#include "SpillReadFaults.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <mutex>
#include <string>

namespace halvern::test {
namespace {

std::mutex gLock;
std::string gFolder;
int gGoodReads = 0;
int gFailed = 0;

// True when this read is to fail: a file under the named folder, its good reads used up.
bool FailThisRead(int fd) {
    std::lock_guard<std::mutex> hold(gLock);
    if (gFolder.empty()) return false;
    char target[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    if (n <= 0 || std::string(target, static_cast<size_t>(n)).rfind(gFolder + "/", 0) != 0)
        return false;
    if (gGoodReads > 0) {
        --gGoodReads;
        return false;
    }
    ++gFailed;
    return true;
}

}  // namespace

void FailSpillReadsUnder(const std::string& folder, int goodReads) {
    std::lock_guard<std::mutex> hold(gLock);
    gFolder = folder;
    gGoodReads = goodReads;
    gFailed = 0;
}

int FailedSpillReads() {
    std::lock_guard<std::mutex> hold(gLock);
    return gFailed;
}

}  // namespace halvern::test

// Every pread of this program comes here; the system call does the real work.
extern "C" ssize_t pread(int fd, void* buffer, size_t size, off_t offset) {
    if (halvern::test::FailThisRead(fd)) return 0;  // the file ends early
    return static_cast<ssize_t>(::syscall(SYS_pread64, fd, buffer, size, offset));
}
