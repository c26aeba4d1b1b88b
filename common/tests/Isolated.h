// Runs a piece of a test in a child process under a time limit, optionally as the unprivileged
// user "nobody": a call that blocks is killed and reported instead of hanging the suite, and
// permission checks meet an ordinary user even when the tests run as root. The child's text
// comes back through a pipe.
#pragma once

#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace halvern::test {

struct IsolatedResult {
    bool finished = false;  // false: killed at the time limit
    int exitCode = -1;
    std::string text;  // what the child returned
};

constexpr uid_t kNobodyUid = 65534;
constexpr gid_t kNogroupGid = 65534;

inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}

// Runs `body` in a child; its result string is the child's text, exit code 0. With `asNobody`
// (only possible as root) the child gives up its privileges first.
inline IsolatedResult RunIsolated(const std::function<std::string()>& body, bool asNobody = false,
                                  std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    IsolatedResult result;
    int fds[2];
    if (::pipe(fds) != 0) return result;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return result;
    if (pid == 0) {
        ::close(fds[0]);
        int code = 0;
        if (asNobody && RunningAsRoot() &&
            (::setgroups(0, nullptr) != 0 ||
             ::setresgid(kNogroupGid, kNogroupGid, kNogroupGid) != 0 ||
             ::setresuid(kNobodyUid, kNobodyUid, kNobodyUid) != 0))
            code = 3;
        if (code == 0) {
            const std::string text = body();
            size_t done = 0;
            while (done < text.size()) {
                const ssize_t n = ::write(fds[1], text.data() + done, text.size() - done);
                if (n <= 0) break;
                done += static_cast<size_t>(n);
            }
        }
        ::close(fds[1]);
        ::_exit(code);
    }
    ::close(fds[1]);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;  // the child closed its end
        result.text.append(buffer, static_cast<size_t>(n));
    }
    int status = 0;
    pid_t ended = ::waitpid(pid, &status, WNOHANG);
    while (ended == 0 && std::chrono::steady_clock::now() < deadline) {
        ::usleep(1000);
        ended = ::waitpid(pid, &status, WNOHANG);
    }
    if (ended == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    } else if (ended == pid && WIFEXITED(status)) {
        result.finished = true;
        result.exitCode = WEXITSTATUS(status);
    }
    ::close(fds[0]);
    return result;
}

// A small tmpfs mounted at `folder` for the duration of a test (needs root and CAP_SYS_ADMIN);
// mounted() is false where it cannot be done.
class SmallFileSystem {
  public:
    SmallFileSystem(const std::string& folder, const std::string& size) : folder_(folder) {
        const std::string options = "size=" + size + ",mode=0777";
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    ~SmallFileSystem() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

  private:
    std::string folder_;
    bool mounted_ = false;
};

}  // namespace halvern::test
