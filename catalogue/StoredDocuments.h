#pragma once

#include <QByteArray>

namespace talpora::catalogue {

// The bytes of one stored catalogue document, or none when the catalogue has
// no document of the identifier asked for (the one failure there is).
struct StoredDocument
{
    QByteArray bytes; // exactly as stored: byte-order mark and NUL padding included
    bool found = false;

    explicit operator bool() const { return found; }
};

// Looks a document up by its identifier (101..157); any other identifier finds
// nothing. Nothing is ever read from disk.
StoredDocument storedDocument(int identifier);

} // namespace talpora::catalogue
