#pragma once

#include "viewer/core/NodeTree.h"
#include "xml/LoadError.h"

#include <QString>
#include <memory>

namespace talpora {

class ByteSource;

// The outcome of a load: the node tree of a well-formed document, or why
// there is none. A failed load never yields part of a tree.
struct LoadResult
{
    std::shared_ptr<const NodeTree> tree;
    LoadError error;

    explicit operator bool() const { return tree != nullptr; }
};

// Loads the catalogue document stored under `identifier`. Its byte-order mark
// and the NUL padding after it never reach the parser.
LoadResult loadStoredDocument(int identifier);

// Loads an XML file of any size, read in chunks, in the encoding its
// byte-order mark or declaration names.
LoadResult loadXmlFile(const QString& path);

// Loads a document held in memory, in any encoding a file may have.
LoadResult loadXmlBytes(QByteArrayView bytes);

// Loads a document from a source read a chunk at a time (standard input).
LoadResult loadXmlSource(ByteSource& source);

} // namespace talpora
