#pragma once

#include <QByteArray>
#include <QString>

namespace talpora::catalogue {

// The bytes of one stored catalogue document, or why there are none.
struct StoredDocument
{
    QByteArray bytes; // exactly as stored: byte-order mark and NUL padding included
    QString error;    // empty on success

    explicit operator bool() const { return error.isEmpty(); }
};

// Looks a document up by its identifier (101..157). Any other identifier
// yields an error naming it; nothing is ever read from disk.
StoredDocument storedDocument(int identifier);

} // namespace talpora::catalogue
