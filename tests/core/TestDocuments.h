#pragma once

#include "DocumentLoader.h"
#include "NodeTree.h"
#include "TestFiles.h"
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
    return result ? result.tree : nullptr;
}

inline std::shared_ptr<const NodeTree> treeOf(const LoadResult& result)
{
    return result ? result.tree : nullptr;
}

} // namespace talpora::test
