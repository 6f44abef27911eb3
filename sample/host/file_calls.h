#pragma once
// The C run-time's file calls that the sample host uses, on both builds. The platform's C
// run-time lacks a few names: handles there are kept from child processes with
// _O_NOINHERIT, there are no FIFOs to open without blocking, and no symbolic links to stat.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(_WIN32)
constexpr int O_CLOEXEC = _O_NOINHERIT;
constexpr int O_NONBLOCK = 0;
inline int lstat(const char* path, struct stat* status)
{
    return stat(path, status);
}
#endif
