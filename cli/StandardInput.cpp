#include "cli/StandardInput.h"

#include "cli/platform/StandardInput.h"
#include "xml/ByteSource.h"

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
    if (nature.size)
        bytes.reserve(static_cast<qsizetype>(*nature.size));
    char buffer[65536];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
        if (static_cast<std::uint64_t>(bytes.size()) + count > largestDocument)
            return {LoadErrorKind::TooLarge, 0, 0, 0, {}};
        bytes.append(buffer, static_cast<qsizetype>(count));
    }
    if (std::ferror(in))
        return {LoadErrorKind::ReadFailed, 0, 0, 0, {}};
    return {};
}

} // namespace talpora::cli
