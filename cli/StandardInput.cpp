#include "cli/StandardInput.h"

#include "cli/platform/StandardInput.h"
#include "xml/ByteSource.h"

namespace talpora::cli {

LoadError readStandardInput(std::FILE* in, QByteArray& bytes)
{
    const InputNature nature = standardInputNature(in);
    if (!nature.document)
        return {LoadErrorKind::NotRegularFile, 0, 0, 0, {}};
    if (nature.size && *nature.size > largestDocument)
        return {LoadErrorKind::TooLarge, 0, 0, 0, {}};
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
