#include "Utf8Buffer.h"

#include <cstring>
#include <pugixml.hpp>
#include <utility>

namespace talpora {

Utf8Buffer::Utf8Buffer(std::size_t size)
    : m_data(static_cast<char*>(pugi::get_memory_allocation_function()(size > 0 ? size : 1))),
      m_size(size)
{}

Utf8Buffer::Utf8Buffer(const char* data, std::size_t size) : Utf8Buffer(size)
{
    if (m_data && size > 0)
        std::memcpy(m_data, data, size);
}

Utf8Buffer::Utf8Buffer(Utf8Buffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0))
{}

Utf8Buffer& Utf8Buffer::operator=(Utf8Buffer&& other) noexcept
{
    if (this != &other) {
        Utf8Buffer discarded(std::move(*this));
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

Utf8Buffer::~Utf8Buffer()
{
    if (m_data)
        pugi::get_memory_deallocation_function()(m_data);
}

void Utf8Buffer::dropFront(std::size_t count)
{
    count = count < m_size ? count : m_size;
    std::memmove(m_data, m_data + count, m_size - count);
    m_size -= count;
}

void Utf8Buffer::truncate(std::size_t size)
{
    if (size < m_size)
        m_size = size;
}

char* Utf8Buffer::release()
{
    m_size = 0;
    return std::exchange(m_data, nullptr);
}

} // namespace talpora
