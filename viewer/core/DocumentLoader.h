#pragma once

#include "viewer/core/LoadProgress.h"
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

// Each may run on any thread. `progress`, when given, hears how far the load
// got, and a stop it requests ends the load with LoadErrorKind::Stopped.

// Loads the catalogue document stored under `identifier`. Its byte-order mark
// and the NUL padding after it never reach the parser.
LoadResult loadStoredDocument(int identifier, LoadProgress* progress = nullptr);

// Loads an XML file of any size, read in chunks, in the encoding its
// byte-order mark or declaration names.
LoadResult loadXmlFile(const QString& path, LoadProgress* progress = nullptr);

// Loads a document held in memory, in any encoding a file may have.
LoadResult loadXmlBytes(QByteArrayView bytes, LoadProgress* progress = nullptr);

// Loads a document from a source read a chunk at a time (standard input).
LoadResult loadXmlSource(ByteSource& source, LoadProgress* progress = nullptr);

} // namespace talpora
