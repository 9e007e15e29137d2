#include "core/EncodedText.h"

#include <QStringEncoder>

namespace talpora::test {

QByteArray encodedText(const QString& text, const char* encoding)
{
    QStringEncoder encoder(encoding);
    if (!encoder.isValid())
        return {};
    return encoder.encode(text);
}

bool systemLacksEncoding(const char*)
{
    return false; // Qt's converters know every encoding the program decodes
}

} // namespace talpora::test
