#pragma once

#include <cstddef>

namespace talpora {

// UTF-8 text in memory that pugixml can parse in place and then own. Allocated
// with pugixml's allocator because the parser frees it with that allocator.
class Utf8Buffer
{
public:
    Utf8Buffer() = default;
    explicit Utf8Buffer(std::size_t size);
    Utf8Buffer(const char* data, std::size_t size);
    Utf8Buffer(Utf8Buffer&& other) noexcept;
    Utf8Buffer& operator=(Utf8Buffer&& other) noexcept;
    Utf8Buffer(const Utf8Buffer&) = delete;
    Utf8Buffer& operator=(const Utf8Buffer&) = delete;
    ~Utf8Buffer();

    char* data() { return m_data; }
    const char* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    bool allocationFailed() const { return m_size > 0 && m_data == nullptr; }

    // Drops the first `count` bytes (a byte-order mark).
    void dropFront(std::size_t count);
    // Makes the buffer shorter; never longer.
    void truncate(std::size_t size);
    // Hands the memory to the caller, who must free it with pugixml's deallocator.
    char* release();

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
};

} // namespace talpora
