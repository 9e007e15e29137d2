#include "Utf8Converter.h"

#include <algorithm>

namespace talpora {

Utf8Converter::Utf8Converter(const DetectedEncoding& encoding)
    : m_encoding(encoding),
      m_decoder(encoding.isUtf8() ? QStringDecoder() : QStringDecoder(encoding.name.constData()))
{}

LoadError Utf8Converter::readiness() const
{
    if (m_encoding.isUtf8() || m_decoder.isValid())
        return {};
    return {LoadErrorKind::UnsupportedEncoding, 0, 0, 0, QString::fromLatin1(m_encoding.name)};
}

std::string_view Utf8Converter::convert(std::string_view bytes, LoadError& error)
{
    if (m_first) {
        m_first = false;
        bytes.remove_prefix(std::min(bytes.size(), m_encoding.bomSize));
    }
    if (m_encoding.isUtf8())
        return bytes;

    const QString text = m_decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    m_utf8 = text.toUtf8();
    const std::string_view utf8(m_utf8.constData(), std::size_t(m_utf8.size()));
    if (m_decoder.hasError()) {
        // The decoder put U+FFFD, or for some encodings U+001A, where the bad
        // bytes were.
        const std::size_t bad = std::min(utf8.find("\xEF\xBF\xBD"), utf8.find('\x1A'));
        advancePosition(utf8.substr(0, bad));
        error = {LoadErrorKind::InvalidEncodedText, m_line, m_column, 0,
                 QString::fromLatin1(m_encoding.name)};
        return {};
    }
    advancePosition(utf8);
    return utf8;
}

void Utf8Converter::advancePosition(std::string_view utf8)
{
    for (const char c : utf8) {
        if (c == '\n') {
            ++m_line;
            m_column = 1;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++m_column; // characters, not continuation bytes
        }
    }
}

} // namespace talpora
