#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kz::test {

// Permission checks do not apply to root, so a test of what a child's account may write runs
// its writing part as this user: "nobody", a member of kClassGroup besides its own group.
inline constexpr uid_t kOtherUser = 65534;
inline constexpr gid_t kOtherUsersGroup = 65534;
inline constexpr gid_t kClassGroup = 4242;

inline bool runningAsRoot() { return ::geteuid() == 0; }

// In a child process: becomes kOtherUser when running as root; false when that failed.
inline bool becomeOtherUser() {
    if (!runningAsRoot()) return true;
    const gid_t groups[] = {kClassGroup};
    return ::setgroups(1, groups) == 0 && ::setgid(kOtherUsersGroup) == 0 &&
           ::setuid(kOtherUser) == 0;
}

// Runs work in a child process, as kOtherUser when the test runs as root (else as the test's own
// user), and returns what work returned. The child ends with _exit, so nothing of the test
// framework runs twice.
inline bool runAsOtherUser(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        if (!becomeOtherUser()) ::_exit(2);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kz::test
