#pragma once

#include <QByteArrayView>
#include <memory>
#include <string>
#include <string_view>

namespace talpora {

// Turns text in an encoding other than UTF-8, UTF-16 and UTF-32 (GBK,
// Shift_JIS, ISO-8859-5, windows-1251 ...) into UTF-8, chunk by chunk. Each
// system decodes with what it has: Qt's converters on Linux, the system's
// code pages on Windows, where Qt has no converters for these encodings.
class LegacyDecoder
{
public:
    virtual ~LegacyDecoder() = default;

    // A decoder for the encoding, or none when this system cannot decode it.
    static std::unique_ptr<LegacyDecoder> forEncoding(QByteArrayView name);

    // Replaces `utf8` with the characters that `bytes` completes; a character
    // cut at the end of `bytes` waits for the next chunk. On bytes that are
    // not valid in the encoding returns false, with `utf8` holding the
    // characters before them.
    virtual bool decode(std::string_view bytes, std::string& utf8) = 0;

    // After the last chunk: false when the text ends inside a character.
    virtual bool finish() = 0;
};

} // namespace talpora
