#pragma once

#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

namespace talpora {

// A growing array of plain values kept with malloc/realloc. Large arrays then
// grow in place (the allocator remaps their pages instead of copying), and
// capacity that is never written costs no memory, so a table built for a file
// of hundreds of megabytes never holds two copies of itself.
template <typename T> class GrowableArray
{
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowableArray() = default;
    GrowableArray(GrowableArray&& other) noexcept
        : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
          m_capacity(std::exchange(other.m_capacity, 0))
    {}
    GrowableArray& operator=(GrowableArray&& other) noexcept
    {
        if (this != &other) {
            std::free(m_data);
            m_data = std::exchange(other.m_data, nullptr);
            m_size = std::exchange(other.m_size, 0);
            m_capacity = std::exchange(other.m_capacity, 0);
        }
        return *this;
    }
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;
    ~GrowableArray() { std::free(m_data); }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    T* data() { return m_data; }
    const T* data() const { return m_data; }
    T& operator[](std::size_t i) { return m_data[i]; }
    const T& operator[](std::size_t i) const { return m_data[i]; }
    T& back() { return m_data[m_size - 1]; }

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
    // Gives back what was reserved for growth once the array is complete.
    void shrinkToFit()
    {
        if (m_size == m_capacity || m_size == 0)
            return;
        if (T* smaller = static_cast<T*>(std::realloc(m_data, m_size * sizeof(T)))) {
            m_data = smaller;
            m_capacity = m_size;
        }
    }

private:
    void grow(std::size_t needed)
    {
        std::size_t capacity = m_capacity < 64 ? 64 : m_capacity + m_capacity / 2;
        if (capacity < needed)
            capacity = needed;
        if (capacity > std::size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        T* grown = static_cast<T*>(std::realloc(m_data, capacity * sizeof(T)));
        if (!grown)
            throw std::bad_alloc();
        m_data = grown;
        m_capacity = capacity;
    }

    T* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace talpora
