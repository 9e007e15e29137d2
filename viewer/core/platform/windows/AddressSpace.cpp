// Reservations through VirtualAlloc: reserved pages cost no commit charge
// until they are committed.
#include "viewer/core/AddressSpace.h"

#include <windows.h>

namespace talpora::addressSpace {

std::size_t pageSize()
{
    static const std::size_t size = [] {
        SYSTEM_INFO information{};
        GetSystemInfo(&information);
        return static_cast<std::size_t>(information.dwPageSize);
    }();
    return size;
}

void* reserve(std::size_t bytes)
{
    return VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS);
}

bool commit(void* address, std::size_t bytes)
{
    return VirtualAlloc(address, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

void decommit(void* address, std::size_t bytes)
{
    VirtualFree(address, bytes, MEM_DECOMMIT);
}

void release(void* address, std::size_t /*bytes*/)
{
    VirtualFree(address, 0, MEM_RELEASE);
}

} // namespace talpora::addressSpace
