#include "xml/ByteSource.h"

namespace talpora {

namespace {

class MemorySource final : public ByteSource
{
public:
    explicit MemorySource(QByteArrayView bytes) : m_rest(bytes.data(), std::size_t(bytes.size())) {}

    std::uint64_t sizeHint() const override { return m_size; }

    std::string_view next(LoadError&) override
    {
        const std::string_view chunk = m_rest.substr(0, chunkSize);
        m_rest.remove_prefix(chunk.size());
        return chunk;
    }

private:
    std::string_view m_rest;
    std::uint64_t m_size = m_rest.size();
};

} // namespace

std::unique_ptr<ByteSource> memorySource(QByteArrayView bytes)
{
    return std::make_unique<MemorySource>(bytes);
}

LoadError refusedSource(const QString& path)
{
    LoadError error;
    openFileSource(path, error);
    if (error.kind == LoadErrorKind::NotRegularFile || error.kind == LoadErrorKind::TooLarge)
        return error;
    return {};
}

} // namespace talpora
