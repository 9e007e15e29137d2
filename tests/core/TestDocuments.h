#pragma once

#include "TestFiles.h"
#include "viewer/core/DocumentLoader.h"
#include "viewer/core/NodeTree.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace talpora::test {

// Parses text in memory the way a loaded file is parsed.
inline LoadResult parseXml(const QByteArray& utf8)
{
    return loadXmlBytes(utf8);
}

// The tree of a UTF-8 document, or nullptr when it does not parse.
inline std::shared_ptr<const NodeTree> treeOf(const QByteArray& utf8)
{
    const LoadResult result = parseXml(utf8);
    return result ? result.tree : nullptr;
}

inline std::shared_ptr<const NodeTree> treeOf(const LoadResult& result)
{
    return result ? result.tree : nullptr;
}

} // namespace talpora::test
