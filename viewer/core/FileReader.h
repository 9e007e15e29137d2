#pragma once

#include "Utf8Buffer.h"

#include <QString>

namespace talpora {

// A file's bytes converted to UTF-8 (byte-order mark dropped), or why not.
struct Utf8FileText
{
    Utf8Buffer text;
    QString error;

    explicit operator bool() const { return error.isEmpty(); }
};

Utf8FileText readFileAsUtf8(const QString& path);

// Converts text in a named encoding to UTF-8; `data` excludes any byte-order mark.
Utf8FileText convertToUtf8(const char* data, std::size_t size, const QByteArray& encoding);

} // namespace talpora
