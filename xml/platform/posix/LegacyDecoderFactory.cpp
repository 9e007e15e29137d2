#include "xml/QtLegacyDecoder.h"

namespace talpora {

std::unique_ptr<LegacyDecoder> LegacyDecoder::forEncoding(QByteArrayView name)
{
    auto decoder = std::make_unique<QtLegacyDecoder>(name);
    if (!decoder->isValid())
        return nullptr;
    return decoder;
}

} // namespace talpora
