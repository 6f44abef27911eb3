#pragma once
// Bytes that end at an inaccessible page, on both builds: any read or write past the last
// byte faults.
#include <cstddef>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

class GuardedBytes {
public:
    explicit GuardedBytes(std::size_t size)
    {
        const std::size_t page = PageSize();
        const std::size_t usable = (size + page - 1) / page * page;
        mappedBytes_ = usable + page;
#if defined(_WIN32)
        mapping_ = VirtualAlloc(nullptr, mappedBytes_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        DWORD previous = 0;
        if (mapping_ == nullptr ||
            !VirtualProtect(static_cast<unsigned char*>(mapping_) + usable, page, PAGE_NOACCESS, &previous))
            return;
#else
        void* mapping = mmap(nullptr, mappedBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapping == MAP_FAILED)
            return;
        mapping_ = mapping;
        if (mprotect(static_cast<unsigned char*>(mapping_) + usable, page, PROT_NONE) != 0)
            return;
#endif
        bytes_ = static_cast<unsigned char*>(mapping_) + usable - size;
    }
    ~GuardedBytes()
    {
        if (mapping_ == nullptr)
            return;
#if defined(_WIN32)
        VirtualFree(mapping_, 0, MEM_RELEASE);
#else
        munmap(mapping_, mappedBytes_);
#endif
    }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    // Null when the pages could not be had.
    unsigned char* Bytes() const { return bytes_; }

private:
    static std::size_t PageSize()
    {
#if defined(_WIN32)
        SYSTEM_INFO system{};
        GetSystemInfo(&system);
        return system.dwPageSize;
#else
        return static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#endif
    }

    void* mapping_ = nullptr;
    std::size_t mappedBytes_ = 0;
    unsigned char* bytes_ = nullptr;
};
