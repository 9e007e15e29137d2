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
    const DocumentSource source = DocumentSource::catalogueEntry(index);
    const auto entries = catalogue::catalogueEntries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {LoadErrorKind::NoSuchEntry, 0, 0, 0, QString::number(index)};
    return accept(loadStoredDocument(entries[static_cast<std::size_t>(index)].identifier()),
                  source);
}

LoadError ViewerSession::loadFile(const QString& path)
{
    return accept(loadXmlFile(path), DocumentSource::file(QFileInfo(path).absoluteFilePath()));
}

DocumentRequest ViewerSession::request(const DocumentSource& source) const
{
    return {[source](LoadProgress* progress) { return openDocument(source, progress); },
            documentNameOf(source)};
}

QString ViewerSession::documentNameOf(const DocumentSource& source)
{
    switch (source.kind) {
    case DocumentSourceKind::None:
        break;
    case DocumentSourceKind::CatalogueEntry: {
        const auto entries = catalogue::catalogueEntries();
        if (source.entry >= 0 && static_cast<std::size_t>(source.entry) < entries.size())
            return entries[static_cast<std::size_t>(source.entry)].displayName();
        return QString::number(source.entry);
    }
    case DocumentSourceKind::File:
        return QDir::toNativeSeparators(source.path);
    case DocumentSourceKind::PackagePart:
        // The form check's findings name a part in: "<file>!<part>".
        return source.partName.isEmpty()
                   ? QDir::toNativeSeparators(source.path)
                   : QDir::toNativeSeparators(source.path) + u'!' + source.partName;
    }
    return {};
}

bool ViewerSession::accept(const OpenedDocument& opened)
{
    if (!opened)
        return false;
    show(opened.tree, opened.source, documentNameOf(opened.source));
    return true;
}

LoadError ViewerSession::accept(const LoadResult& result, const DocumentSource& source)
{
    if (!result)
        return result.error;
    show(result.tree, source, documentNameOf(source));
    return {};
}

LoadError ViewerSession::loadBytes(QByteArrayView bytes, const QString& documentName)
{
    const LoadResult result = loadXmlBytes(bytes);
    if (!result)
        return result.error;
    show(result.tree, {}, documentName);
    return {};
}

LoadError ViewerSession::loadStream(ByteSource& source, const QString& documentName)
{
    const LoadResult result = loadXmlSource(source);
    if (!result)
        return result.error;
    show(result.tree, {}, documentName);
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

void ViewerSession::show(std::shared_ptr<const NodeTree> tree, const DocumentSource& source,
                         const QString& documentName)
{
    m_tree = std::move(tree);
    m_source = source;
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
