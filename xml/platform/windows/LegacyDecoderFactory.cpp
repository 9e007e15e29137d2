#include "xml/QtLegacyDecoder.h"
#include "xml/platform/windows/CodePageDecoder.h"
#include "xml/platform/windows/WindowsCodePages.h"

namespace talpora {

// Qt without ICU decodes only Unicode and Latin-1 here; the system's code
// pages know the rest.
std::unique_ptr<LegacyDecoder> LegacyDecoder::forEncoding(QByteArrayView name)
{
    if (const unsigned codePage = windowsCodePage(name)) {
        auto decoder = std::make_unique<CodePageDecoder>(codePage);
        if (decoder->isValid())
            return decoder;
    }
    auto decoder = std::make_unique<QtLegacyDecoder>(name);
    if (!decoder->isValid())
        return nullptr;
    return decoder;
}

} // namespace talpora
