#include "Utf8Converter.h"

#include <algorithm>

namespace talpora {

Utf8Converter::Utf8Converter(const DetectedEncoding& encoding)
    : m_encoding(encoding), m_wide(WideUnicodeDecoder::forEncoding(encoding.name)),
      m_decoder(encoding.isUtf8() || m_wide ? QStringDecoder()
                                            : QStringDecoder(encoding.name.constData()))
{}

LoadError Utf8Converter::readiness() const
{
    if (m_encoding.isUtf8() || m_wide || m_decoder.isValid())
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
    if (m_wide) {
        const bool decoded = m_wide->decode(bytes, m_wideUtf8);
        advancePosition(m_wideUtf8);
        if (!decoded) {
            error = invalidHere();
            return {};
        }
        return m_wideUtf8;
    }
    return convertWithQt(bytes, error);
}

std::string_view Utf8Converter::convertWithQt(std::string_view bytes, LoadError& error)
{
    const QString text = m_decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    m_utf8 = text.toUtf8();
    const std::string_view utf8(m_utf8.constData(), std::size_t(m_utf8.size()));
    if (m_decoder.hasError()) {
        // The decoder put U+FFFD, or for some encodings U+001A, where the bad
        // bytes were.
        const std::size_t bad = std::min(utf8.find("\xEF\xBF\xBD"), utf8.find('\x1A'));
        advancePosition(utf8.substr(0, bad));
        error = invalidHere();
        return {};
    }
    advancePosition(utf8);
    return utf8;
}

LoadError Utf8Converter::finish()
{
    if (m_encoding.isUtf8())
        return {}; // the parser refuses a truncated UTF-8 character itself
    if (m_wide)
        return m_wide->atCharacterBoundary() ? LoadError{} : invalidHere();
    // Qt's decoder cannot be asked whether it holds part of a character; a
    // line end after such a part makes it report the fault.
    const QString afterEnd = m_decoder.decode(QByteArrayView("\n"));
    return m_decoder.hasError() ? invalidHere() : LoadError{};
}

LoadError Utf8Converter::invalidHere() const
{
    return {LoadErrorKind::InvalidEncodedText, m_line, m_column, 0,
            QString::fromLatin1(m_encoding.name)};
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
