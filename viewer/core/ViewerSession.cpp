#include "viewer/core/ViewerSession.h"

#include "catalogue/CatalogueEntries.h"
#include "viewer/core/DocumentLoader.h"
#include "viewer/core/TreeSearch.h"
#include "xml/DisplayText.h"
#include "xml/Utf8View.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace talpora {

ViewerSession::ViewerSession(QString executableName)
    : m_executableName(std::move(executableName)), m_caption(m_executableName)
{}

LoadError ViewerSession::loadCatalogueEntry(int index)
{
    const DocumentRequest request = requestCatalogueEntry(index);
    return accept(request.load(nullptr), request.documentName);
}

LoadError ViewerSession::loadFile(const QString& path)
{
    const DocumentRequest request = requestFile(path);
    return accept(request.load(nullptr), request.documentName);
}

DocumentRequest ViewerSession::requestCatalogueEntry(int index) const
{
    const auto entries = catalogue::catalogueEntries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
        return {[index](LoadProgress*) {
                    return LoadResult{
                        nullptr, {LoadErrorKind::NoSuchEntry, 0, 0, 0, QString::number(index)}};
                },
                {}};
    }
    const catalogue::CatalogueEntry& entry = entries[static_cast<std::size_t>(index)];
    return {[identifier = entry.identifier()](LoadProgress* progress) {
                return loadStoredDocument(identifier, progress);
            },
            entry.displayName()};
}

DocumentRequest ViewerSession::requestFile(const QString& path) const
{
    return {[path](LoadProgress* progress) { return loadXmlFile(path, progress); },
            QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())};
}

LoadError ViewerSession::accept(const LoadResult& result, const QString& documentName)
{
    if (!result)
        return result.error;
    show(result.tree, documentName);
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

LoadError ViewerSession::loadStream(ByteSource& source, const QString& documentName)
{
    const LoadResult result = loadXmlSource(source);
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

// The namespace of each prefixed name from `position` up to the root's child,
// node first, as the parser bound it; empty for other names.
QStringList namespacesUpToRoot(const NodeTree& tree, NodeTree::Position position)
{
    QStringList namespaces;
    for (NodeTree::Position node = position; node > 1; node = tree.parent(node))
        namespaces.append(fromUtf8View(tree.prefixNamespaceUtf8(node)));
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
        return {{}, {SnippetFailureKind::NoSuchNode, position, 0, {}}};
    // Refused before the tags of a chain far too deep are collected.
    if (!snippetDepthFits(m_tree->depth(position)))
        return refuseTooDeepSnippet(m_tree->depth(position), m_tree->text(1));
    return BuildSnippet(m_tree->tagsUpToRoot(position), m_tree->text(1),
                        anyPrefixedName(*m_tree, position) ? namespacesUpToRoot(*m_tree, position)
                                                           : QStringList());
}

} // namespace talpora
