#include "cli/StandardInput.h"

#include "cli/platform/StandardInput.h"
#include "xml/ByteSource.h"

#include <algorithm>

namespace talpora::cli {

namespace {

// A refusal of what standard input is connected to, before reading.
LoadError refusal(const InputNature& nature)
{
    if (!nature.document)
        return {LoadErrorKind::NotRegularFile, 0, 0, 0, {}};
    if (nature.size && *nature.size > largestDocument)
        return {LoadErrorKind::TooLarge, 0, 0, 0, {}};
    return {};
}

class StreamSource final : public ByteSource
{
public:
    explicit StreamSource(std::FILE* in) : m_in(in), m_buffer(new char[chunkSize]) {}

    std::string_view next(LoadError& error) override
    {
        // Whole chunks where the stream allows, as a file gives them.
        std::size_t filled = 0;
        while (filled < chunkSize) {
            const std::size_t count =
                std::fread(m_buffer.get() + filled, 1, chunkSize - filled, m_in);
            if (count == 0)
                break;
            filled += count;
        }
        if (filled == 0 && std::ferror(m_in))
            error = {LoadErrorKind::ReadFailed, 0, 0, 0, {}};
        return {m_buffer.get(), filled};
    }

private:
    std::FILE* m_in;
    std::unique_ptr<char[]> m_buffer;
};

} // namespace

std::unique_ptr<ByteSource> openStandardInput(std::FILE* in, LoadError& error)
{
    error = refusal(standardInputNature(in));
    if (error)
        return nullptr;
    return std::make_unique<StreamSource>(in);
}

LoadError readStandardInput(std::FILE* in, QByteArray& bytes)
{
    const InputNature nature = standardInputNature(in);
    if (LoadError refused = refusal(nature))
        return refused;
    // Read straight into the array, which grows by doubling (a remap, not a
    // copy, for large blocks): no second copy of a document is ever held.
    constexpr qsizetype firstRoom = qsizetype(1) << 20;
    constexpr qsizetype mostRoom = qsizetype(largestDocument) + 1;
    qsizetype filled = 0;
    bytes.resize(nature.size ? qsizetype(*nature.size) + 1 : firstRoom);
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(std::min(mostRoom, 2 * bytes.size()));
        const std::size_t count =
            std::fread(bytes.data() + filled, 1, std::size_t(bytes.size() - filled), in);
        if (count == 0)
            break;
        filled += qsizetype(count);
        if (std::uint64_t(filled) > largestDocument) {
            bytes.clear();
            return {LoadErrorKind::TooLarge, 0, 0, 0, {}};
        }
    }
    bytes.truncate(filled);
    if (std::ferror(in))
        return {LoadErrorKind::ReadFailed, 0, 0, 0, {}};
    return {};
}

} // namespace talpora::cli
