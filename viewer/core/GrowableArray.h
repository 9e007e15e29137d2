#pragma once

#include "viewer/core/AddressSpace.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace talpora {

// A growing array of plain values. By default it lives on the heap and grows
// by realloc, which copies it on systems whose allocator cannot remap pages.
// reserve() with a bound known beforehand (a file's size tells how many nodes
// it can hold at most) puts a large array in reserved address space instead:
// memory is committed as values are added, and the array never moves or is
// copied, however large it grows within the bound.
template <typename T> class GrowableArray
{
    static_assert(std::is_trivially_copyable_v<T>);

public:
    // Below this a reservation is not worth its system calls: the array grows
    // on the heap.
    static constexpr std::size_t smallestReservation = std::size_t(1) << 20;

    GrowableArray() = default;
    GrowableArray(GrowableArray&& other) noexcept { take(other); }
    GrowableArray& operator=(GrowableArray&& other) noexcept
    {
        if (this != &other) {
            deallocate();
            take(other);
        }
        return *this;
    }
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;
    ~GrowableArray() { deallocate(); }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    T* data() { return m_data; }
    const T* data() const { return m_data; }
    T& operator[](std::size_t i) { return m_data[i]; }
    const T& operator[](std::size_t i) const { return m_data[i]; }
    T& back() { return m_data[m_size - 1]; }

    // Address space for `count` values in all, for an empty array whose
    // values would take at least smallestReservation; a smaller bound is left
    // to ordinary growth. Growing past it still works, by one copy onto the heap.
    void reserve(std::size_t count)
    {
        if (m_data || count > std::size_t(-1) / sizeof(T))
            return;
        const std::size_t bytes = roundedToPages(count * sizeof(T));
        if (bytes < smallestReservation)
            return;
        void* reserved = addressSpace::reserve(bytes);
        if (!reserved)
            return; // no address space to spare: the heap will do
        m_data = static_cast<T*>(reserved);
        m_reservedBytes = bytes;
        m_committedBytes = 0;
    }

    // Throws std::bad_alloc when memory runs out, like the standard containers.
    void push_back(const T& value)
    {
        if (m_size == m_capacity)
            grow(m_size + 1);
        m_data[m_size++] = value;
    }
    // Makes the array `count` longer and returns where the new values go.
    T* extend(std::size_t count)
    {
        if (m_capacity - m_size < count)
            grow(m_size + count);
        T* added = m_data + m_size;
        m_size += count;
        return added;
    }
    void resize(std::size_t size)
    {
        if (size > m_capacity)
            grow(size);
        m_size = size;
    }
    void pop_back() { --m_size; }
    // Gives back what was taken for growth once the array is complete.
    void shrinkToFit()
    {
        if (m_reservedBytes != 0) {
            const std::size_t needed = roundedToPages(m_size * sizeof(T));
            if (needed < m_committedBytes) {
                addressSpace::decommit(reinterpret_cast<char*>(m_data) + needed,
                                       m_committedBytes - needed);
                m_committedBytes = needed;
                m_capacity = needed / sizeof(T);
            }
            return;
        }
        if (m_size == m_capacity || m_size == 0)
            return;
        if (T* smaller = static_cast<T*>(std::realloc(m_data, m_size * sizeof(T)))) {
            m_data = smaller;
            m_capacity = m_size;
        }
    }

private:
    static std::size_t roundedToPages(std::size_t bytes)
    {
        const std::size_t page = addressSpace::pageSize();
        return bytes > std::size_t(-1) - page ? bytes : (bytes + page - 1) / page * page;
    }

    void grow(std::size_t needed)
    {
        std::size_t capacity = m_capacity < 64 ? 64 : m_capacity + m_capacity / 2;
        if (capacity < needed)
            capacity = needed;
        if (capacity > std::size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        if (m_reservedBytes != 0) {
            if (needed * sizeof(T) <= m_reservedBytes) {
                commitUpTo(capacity * sizeof(T));
                return;
            }
            moveToHeap(capacity);
            return;
        }
        T* grown = static_cast<T*>(std::realloc(m_data, capacity * sizeof(T)));
        if (!grown)
            throw std::bad_alloc();
        m_data = grown;
        m_capacity = capacity;
    }

    // Commits at least `bytes` of the reservation, in steps large enough that
    // the system is asked rarely.
    void commitUpTo(std::size_t bytes)
    {
        std::size_t target = roundedToPages(bytes);
        const std::size_t step = smallestReservation;
        if (target - m_committedBytes < step)
            target = m_committedBytes + step;
        if (target > m_reservedBytes)
            target = m_reservedBytes;
        if (!addressSpace::commit(reinterpret_cast<char*>(m_data) + m_committedBytes,
                                  target - m_committedBytes))
            throw std::bad_alloc();
        m_committedBytes = target;
        m_capacity = target / sizeof(T);
    }

    // More values than the bound: the one copy the reservation was to save.
    void moveToHeap(std::size_t capacity)
    {
        T* moved = static_cast<T*>(std::malloc(capacity * sizeof(T)));
        if (!moved)
            throw std::bad_alloc();
        if (m_size > 0)
            std::memcpy(moved, m_data, m_size * sizeof(T));
        addressSpace::release(m_data, m_reservedBytes);
        m_data = moved;
        m_capacity = capacity;
        m_reservedBytes = 0;
        m_committedBytes = 0;
    }

    void deallocate()
    {
        if (m_reservedBytes != 0)
            addressSpace::release(m_data, m_reservedBytes);
        else
            std::free(m_data);
    }

    void take(GrowableArray& other)
    {
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_reservedBytes = std::exchange(other.m_reservedBytes, 0);
        m_committedBytes = std::exchange(other.m_committedBytes, 0);
    }

    T* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    // Non-zero while the values live in a reservation of this many bytes.
    std::size_t m_reservedBytes = 0;
    std::size_t m_committedBytes = 0;
};

} // namespace talpora
