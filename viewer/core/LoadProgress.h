#pragma once

#include <atomic>
#include <cstdint>

namespace talpora {

// How far a load got, and a request to stop it, shared between the thread
// that loads and the one that watches: every member may be called from any
// thread at any time.
class LoadProgress
{
public:
    // Asks the load to stop; it then ends with LoadErrorKind::Stopped at its
    // next chunk, keeping nothing of what it read.
    void requestStop() { m_stopRequested.store(true, std::memory_order_relaxed); }
    bool stopRequested() const { return m_stopRequested.load(std::memory_order_relaxed); }

    // The loader's side: the source's size in bytes (0 when unknown), and the
    // bytes read so far.
    void setTotalBytes(std::uint64_t bytes) { m_total.store(bytes, std::memory_order_relaxed); }
    void setBytesRead(std::uint64_t bytes) { m_read.store(bytes, std::memory_order_relaxed); }

    // 0 to 100; -1 while the size is unknown.
    int percent() const
    {
        const std::uint64_t total = m_total.load(std::memory_order_relaxed);
        if (total == 0)
            return -1;
        const std::uint64_t read = m_read.load(std::memory_order_relaxed);
        return read >= total ? 100 : static_cast<int>(read * 100 / total);
    }

private:
    std::atomic<bool> m_stopRequested{false};
    std::atomic<std::uint64_t> m_total{0};
    std::atomic<std::uint64_t> m_read{0};
};

} // namespace talpora
