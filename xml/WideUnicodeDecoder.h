#pragma once

#include <QByteArrayView>
#include <optional>
#include <string>
#include <string_view>

namespace talpora {

// Turns UTF-16 or UTF-32 bytes into UTF-8, chunk by chunk, refusing what is
// not Unicode text: a lone surrogate, a code point above U+10FFFF, and, at
// the end, a unit or a surrogate pair left incomplete.
class WideUnicodeDecoder
{
public:
    // For "UTF-16LE", "UTF-16BE", "UTF-32LE" and "UTF-32BE"; none otherwise.
    static std::optional<WideUnicodeDecoder> forEncoding(QByteArrayView name);

    // Replaces `utf8` with the characters that `bytes` completes. On a bad
    // unit returns false, with `utf8` holding the characters before it.
    bool decode(std::string_view bytes, std::string& utf8);

    // True when no unit and no surrogate pair waits for more bytes.
    bool atCharacterBoundary() const { return m_unitFill == 0 && m_highSurrogate == 0; }

private:
    WideUnicodeDecoder(int unitBytes, bool bigEndian)
        : m_unitBytes(unitBytes), m_bigEndian(bigEndian)
    {}
    // False when the unit cannot stand where it is.
    bool take(char32_t unit, std::string& utf8);

    int m_unitBytes;
    bool m_bigEndian;
    unsigned char m_unit[4] = {};
    int m_unitFill = 0;
    char32_t m_highSurrogate = 0;
};

} // namespace talpora
