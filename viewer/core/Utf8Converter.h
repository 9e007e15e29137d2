#pragma once

#include "LoadError.h"
#include "TextEncoding.h"

#include <QByteArray>
#include <QStringDecoder>
#include <string_view>

namespace talpora {

// Turns a document's chunks into UTF-8, chunk by chunk: UTF-8 passes through
// untouched (the parser checks it), every other encoding goes through Qt's
// decoder, which keeps a character split between two chunks.
class Utf8Converter
{
public:
    explicit Utf8Converter(const DetectedEncoding& encoding);

    // UnsupportedEncoding when Qt cannot decode the encoding; None otherwise.
    LoadError readiness() const;

    // The chunk as UTF-8, valid until the next call; the byte-order mark is
    // dropped from the first chunk. Bytes that are not valid in the encoding
    // stop the conversion with InvalidEncodedText and their position.
    std::string_view convert(std::string_view bytes, LoadError& error);

private:
    void advancePosition(std::string_view utf8);

    DetectedEncoding m_encoding;
    QStringDecoder m_decoder;
    QByteArray m_utf8;
    bool m_first = true;
    // Where the converted text so far ends, for placing a decoding fault.
    long long m_line = 1;
    long long m_column = 1;
};

} // namespace talpora
