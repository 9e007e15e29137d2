#pragma once

#include <cstddef>

// Address space taken without memory behind it, and memory put behind it page
// by page: an array that lives in such a reservation grows in place, never
// copied, on every system.
namespace talpora::addressSpace {

// The granule of commit() and decommit().
std::size_t pageSize();
// `bytes` of address space, no memory yet; nullptr when the system refuses.
void* reserve(std::size_t bytes);
// Memory behind [address, address + bytes) of a reservation, zeroed; false
// when there is not enough.
bool commit(void* address, std::size_t bytes);
// Gives the memory of [address, address + bytes) back, page-aligned, and
// keeps the address space.
void decommit(void* address, std::size_t bytes);
// Gives back a whole reservation, as reserve() returned it.
void release(void* address, std::size_t bytes);

} // namespace talpora::addressSpace
