#pragma once

#include "DocumentLoader.h"
#include "NodeTree.h"
#include "XmlParser.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace talpora::test {

// Parses UTF-8 text in memory the way a loaded file is parsed.
inline LoadResult parseXml(const QByteArray& utf8)
{
    const auto text = [utf8] {
        return Utf8Buffer(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    };
    return XmlParser::parse(text(), text);
}

// The tree of a UTF-8 document, or nullptr when it does not parse.
inline std::shared_ptr<const NodeTree> treeOf(const QByteArray& utf8)
{
    const LoadResult result = parseXml(utf8);
    return result ? NodeTree::build(result.document) : nullptr;
}

inline std::shared_ptr<const NodeTree> treeOf(const LoadResult& result)
{
    return result ? NodeTree::build(result.document) : nullptr;
}

// Writes `bytes` to `name` inside `dir` and returns the file's path (empty on failure).
inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace talpora::test
