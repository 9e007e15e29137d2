// Reservations as inaccessible anonymous mappings, which count against no
// memory limit until they are made writable.
#include "viewer/core/AddressSpace.h"

#include <sys/mman.h>
#include <unistd.h>

namespace talpora::addressSpace {

std::size_t pageSize()
{
    static const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

void* reserve(std::size_t bytes)
{
    void* address =
        ::mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return address == MAP_FAILED ? nullptr : address;
}

bool commit(void* address, std::size_t bytes)
{
    return ::mprotect(address, bytes, PROT_READ | PROT_WRITE) == 0;
}

void decommit(void* address, std::size_t bytes)
{
    // A fresh inaccessible mapping over the range drops its pages at once.
    ::mmap(address, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_FIXED, -1,
           0);
}

void release(void* address, std::size_t bytes)
{
    ::munmap(address, bytes);
}

} // namespace talpora::addressSpace
