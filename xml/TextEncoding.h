#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

namespace talpora {

// How the bytes of an XML text are encoded, as its byte-order mark, its first
// bytes or its XML declaration say.
struct DetectedEncoding
{
    QByteArray name;       // e.g. "UTF-8", "UTF-16LE", "GBK"; never empty
    std::size_t bomSize;   // bytes of byte-order mark to skip, 0 when there is none
    bool declared = false; // an XML declaration names the encoding

    bool isUtf8() const;
};

// Looks only at the first kilobyte; a missing or unreadable declaration means UTF-8.
DetectedEncoding detectXmlEncoding(const char* data, std::size_t size);

} // namespace talpora
