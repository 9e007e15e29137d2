#include "ViewerSession.h"

#include "CatalogueEntries.h"
#include "DisplayText.h"
#include "DocumentLoader.h"
#include "TreeSearch.h"
#include "Utf8View.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

using namespace Qt::StringLiterals;

namespace talpora {

ViewerSession::ViewerSession(QString executableName)
    : m_executableName(std::move(executableName)), m_caption(m_executableName)
{}

LoadError ViewerSession::loadCatalogueEntry(int index)
{
    const auto entries = catalogue::catalogueEntries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {LoadErrorKind::NoSuchEntry, 0, 0, 0, QString::number(index)};
    const catalogue::CatalogueEntry& entry = entries[static_cast<std::size_t>(index)];
    const LoadResult result = loadStoredDocument(entry.identifier());
    if (!result)
        return result.error;
    show(result.tree, entry.displayName());
    return {};
}

LoadError ViewerSession::loadFile(const QString& path)
{
    const LoadResult result = loadXmlFile(path);
    if (!result)
        return result.error;
    show(result.tree, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    return {};
}

LoadError ViewerSession::loadBytes(QByteArrayView bytes, const QString& documentName)
{
    const LoadResult result = loadXmlBytes(bytes);
    if (!result)
        return result.error;
    show(result.tree, documentName);
    return {};
}

LoadError ViewerSession::loadSource(const QString& source)
{
    // "excel_2013_tabs_en" means the entry unless such a file really exists.
    if (!QFileInfo(source).isFile()) {
        if (const auto entry = catalogue::findEntryByName(source, Qt::CaseInsensitive))
            return loadCatalogueEntry(entry->index);
    }
    return loadFile(source);
}

void ViewerSession::show(std::shared_ptr<const NodeTree> tree, const QString& documentName)
{
    m_tree = std::move(tree);
    m_documentName = documentName;
    m_caption = m_executableName + u" - "_s + documentName;
}

namespace {

// The namespace declarations a start tag writes (xmlns:p="uri"), into `bound`.
void readPrefixDeclarations(std::string_view startTag, QHash<QString, QString>& bound)
{
    constexpr std::string_view marker = " xmlns:";
    for (std::size_t at = startTag.find(marker); at != std::string_view::npos;
         at = startTag.find(marker, at + 1)) {
        const std::size_t nameStart = at + marker.size();
        const std::size_t equals = startTag.find("=\"", nameStart);
        const std::size_t valueEnd =
            equals == std::string_view::npos ? equals : startTag.find('"', equals + 2);
        if (valueEnd == std::string_view::npos)
            return;
        bound.insert(fromUtf8View(startTag.substr(nameStart, equals - nameStart)),
                     fromUtf8View(startTag.substr(equals + 2, valueEnd - equals - 2)));
    }
}

// The namespace of each prefixed name from `position` up to the root's child,
// node first, as the snippet builder takes them; empty for other names. One
// walk down the chain, so a node with a huge start tag is read once.
QStringList namespacesUpToRoot(const NodeTree& tree, NodeTree::Position position)
{
    QList<NodeTree::Position> chain; // root first
    for (NodeTree::Position node = position; node != NodeTree::noNode; node = tree.parent(node))
        chain.prepend(node);
    QHash<QString, QString> bound;
    QStringList namespaces;
    for (const NodeTree::Position node : chain) {
        readPrefixDeclarations(tree.textUtf8(node), bound);
        if (node == 1)
            continue;
        const std::string_view name = tree.nameUtf8(node);
        const std::size_t colon = name.find(':');
        namespaces.prepend(colon == std::string_view::npos
                               ? QString()
                               : bound.value(fromUtf8View(name.substr(0, colon))));
    }
    return namespaces;
}

bool anyPrefixedName(const NodeTree& tree, NodeTree::Position position)
{
    for (NodeTree::Position node = position; node > 1; node = tree.parent(node)) {
        if (tree.nameUtf8(node).find(':') != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace

NodeTree::Position ViewerSession::FindNext(NodeTree::Position selected) const
{
    return m_tree ? talpora::FindNext(*m_tree, selected, m_keyword) : NodeTree::noNode;
}

QString ViewerSession::pathOf(NodeTree::Position position) const
{
    return m_tree && m_tree->contains(position) ? m_tree->fullPath(position) : QString();
}

QString ViewerSession::statusTextOf(NodeTree::Position position) const
{
    return displayLine(pathOf(position));
}

SnippetResult ViewerSession::snippetFor(NodeTree::Position position) const
{
    if (!m_tree || !m_tree->contains(position))
        return {{}, u"没有位置为 %1 的节点"_s.arg(position)};
    // Refused before the tags of a chain far too deep are collected.
    if (!snippetDepthFits(m_tree->depth(position)))
        return refuseTooDeepSnippet(m_tree->depth(position), m_tree->text(1));
    return BuildSnippet(m_tree->tagsUpToRoot(position), m_tree->text(1),
                        anyPrefixedName(*m_tree, position) ? namespacesUpToRoot(*m_tree, position)
                                                           : QStringList());
}

} // namespace talpora
