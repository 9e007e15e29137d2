#include "xml/Utf8Converter.h"

#include <algorithm>

namespace talpora {

Utf8Converter::Utf8Converter(const DetectedEncoding& encoding)
    : m_encoding(encoding), m_wide(WideUnicodeDecoder::forEncoding(encoding.name)),
      m_legacy(encoding.isUtf8() || m_wide ? nullptr : LegacyDecoder::forEncoding(encoding.name))
{}

LoadError Utf8Converter::readiness() const
{
    if (m_encoding.isUtf8() || m_wide || m_legacy)
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
    const bool decoded =
        m_wide ? m_wide->decode(bytes, m_utf8) : m_legacy && m_legacy->decode(bytes, m_utf8);
    advancePosition(m_utf8);
    if (!decoded) {
        error = invalidHere();
        return {};
    }
    return m_utf8;
}

LoadError Utf8Converter::finish()
{
    if (m_encoding.isUtf8())
        return {}; // the parser refuses a truncated UTF-8 character itself
    const bool whole = m_wide ? m_wide->atCharacterBoundary() : m_legacy && m_legacy->finish();
    return whole ? LoadError{} : invalidHere();
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
