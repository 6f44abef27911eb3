// Hides /proc from the calling process in a user and mount namespace of its own.
#include "tests/support/without_proc.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace {

void WriteFile(const char* file, const std::string& text)
{
    std::ofstream(file) << text;
}

}  // namespace

bool HideProc()
{
    // The process keeps its user and group inside the namespace.
    const uid_t user = getuid();
    const gid_t group = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    WriteFile("/proc/self/setgroups", "deny");
    WriteFile("/proc/self/uid_map", std::to_string(user) + " " + std::to_string(user) + " 1");
    WriteFile("/proc/self/gid_map", std::to_string(group) + " " + std::to_string(group) + " 1");
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
           && mount("none", "/proc", "tmpfs", 0, nullptr) == 0;
}
