#include "xml/WideUnicodeDecoder.h"

namespace talpora {

namespace {

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::optional<WideUnicodeDecoder> WideUnicodeDecoder::forEncoding(QByteArrayView name)
{
    const auto is = [&](const char* candidate) {
        return name.compare(QByteArrayView(candidate), Qt::CaseInsensitive) == 0;
    };
    if (is("UTF-16LE"))
        return WideUnicodeDecoder(2, false);
    if (is("UTF-16BE"))
        return WideUnicodeDecoder(2, true);
    if (is("UTF-32LE"))
        return WideUnicodeDecoder(4, false);
    if (is("UTF-32BE"))
        return WideUnicodeDecoder(4, true);
    return std::nullopt;
}

bool WideUnicodeDecoder::decode(std::string_view bytes, std::string& utf8)
{
    utf8.clear();
    utf8.reserve(bytes.size() * 3 / 2 + 4);
    for (const char byte : bytes) {
        m_unit[m_unitFill++] = static_cast<unsigned char>(byte);
        if (m_unitFill < m_unitBytes)
            continue;
        m_unitFill = 0;
        char32_t unit = 0;
        for (int i = 0; i < m_unitBytes; ++i)
            unit |= char32_t(m_unit[m_bigEndian ? i : m_unitBytes - 1 - i])
                    << (8 * (m_unitBytes - 1 - i));
        if (!take(unit, utf8))
            return false;
    }
    return true;
}

bool WideUnicodeDecoder::take(char32_t unit, std::string& utf8)
{
    if (m_highSurrogate != 0) {
        if (!isLowSurrogate(unit))
            return false;
        appendUtf8(0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00), utf8);
        m_highSurrogate = 0;
        return true;
    }
    if (isHighSurrogate(unit) && m_unitBytes == 2) {
        m_highSurrogate = unit;
        return true;
    }
    if (isHighSurrogate(unit) || isLowSurrogate(unit) || unit > 0x10FFFF)
        return false;
    appendUtf8(unit, utf8);
    return true;
}

} // namespace talpora
