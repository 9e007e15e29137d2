#pragma once

#include "xml/LegacyDecoder.h"
#include "xml/LoadError.h"
#include "xml/TextEncoding.h"
#include "xml/WideUnicodeDecoder.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace talpora {

// Turns a document's chunks into UTF-8, chunk by chunk: UTF-8 passes through
// untouched (the parser checks it), UTF-16 and UTF-32 are decoded here, every
// other encoding goes through the system's LegacyDecoder. A character split
// between two chunks is kept whole.
class Utf8Converter
{
public:
    explicit Utf8Converter(const DetectedEncoding& encoding);

    // UnsupportedEncoding when this system cannot decode the encoding; None otherwise.
    LoadError readiness() const;

    // The chunk as UTF-8, valid until the next call; the byte-order mark is
    // dropped from the first chunk. Bytes that are not valid in the encoding
    // stop the conversion with InvalidEncodedText and their position.
    std::string_view convert(std::string_view bytes, LoadError& error);

    // After the last chunk: InvalidEncodedText when the text ends inside a
    // character (an odd byte of UTF-16, half a GBK character ...).
    LoadError finish();

private:
    LoadError invalidHere() const;
    void advancePosition(std::string_view utf8);

    DetectedEncoding m_encoding;
    std::optional<WideUnicodeDecoder> m_wide;
    std::unique_ptr<LegacyDecoder> m_legacy;
    std::string m_utf8;
    bool m_first = true;
    // Where the converted text so far ends, for placing a decoding fault.
    long long m_line = 1;
    long long m_column = 1;
};

} // namespace talpora
