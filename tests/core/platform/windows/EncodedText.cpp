#include "core/EncodedText.h"

#include "xml/platform/windows/WindowsCodePages.h"

#include <QStringEncoder>
#include <windows.h>

namespace talpora::test {

// Qt without ICU encodes only Unicode and Latin-1; the code pages the
// program decodes with encode the rest.
QByteArray encodedText(const QString& text, const char* encoding)
{
    const unsigned codePage = windowsCodePage(encoding);
    if (codePage == 0) {
        QStringEncoder encoder(encoding);
        return encoder.isValid() ? QByteArray(encoder.encode(text)) : QByteArray();
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length =
        WideCharToMultiByte(codePage, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray bytes(length, '\0');
    WideCharToMultiByte(codePage, 0, wide, int(text.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

bool systemLacksEncoding(const char* encoding)
{
    const unsigned codePage = windowsCodePage(encoding);
    CPINFO info{};
    return codePage != 0 && GetCPInfo(codePage, &info) == 0;
}

} // namespace talpora::test
