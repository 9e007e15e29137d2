#pragma once

#include "viewer/core/DocumentLoader.h"
#include "viewer/core/NodeTree.h"
#include "viewer/core/SnippetBuilder.h"
#include "xml/LoadError.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>

namespace talpora {

class ByteSource;

// A load that may run on another thread, and the name its document is shown
// under once it has loaded.
struct DocumentRequest
{
    std::function<LoadResult(LoadProgress*)> load;
    QString documentName;
};

// What the viewer shows and remembers, apart from any window: the loaded
// tree, the caption and the search keyword. A failed load changes nothing.
class ViewerSession
{
public:
    // `executableName` is the running program's file name without extension.
    explicit ViewerSession(QString executableName);

    // Each returns no error on success; on failure nothing changes.
    LoadError loadCatalogueEntry(int index);
    LoadError loadFile(const QString& path);
    // A document read from elsewhere (standard input), shown as `documentName`.
    LoadError loadBytes(QByteArrayView bytes, const QString& documentName);
    // Reads the document a chunk at a time, never holding it whole.
    LoadError loadStream(ByteSource& source, const QString& documentName);
    // A path to an existing file, or else a catalogue entry name in any letter
    // case, or else a path (whose failure is reported).
    LoadError loadSource(const QString& source);

    // The same loads in two steps, for a caller that loads elsewhere: what to
    // run, then what it gave, shown (no error) or refused (nothing changes).
    DocumentRequest requestCatalogueEntry(int index) const;
    DocumentRequest requestFile(const QString& path) const;
    LoadError accept(const LoadResult& result, const QString& documentName);

    // nullptr until the first successful load.
    const std::shared_ptr<const NodeTree>& tree() const { return m_tree; }
    // The window caption: "<executable> - <entry name or full path>" after a
    // load, the bare executable name before.
    const QString& caption() const { return m_caption; }
    // What was loaded last: the entry name or the full native path.
    const QString& documentName() const { return m_documentName; }

    const QString& keyword() const { return m_keyword; }
    void setKeyword(const QString& keyword) { m_keyword = keyword; }
    NodeTree::Position FindNext(NodeTree::Position selected) const;

    // The status bar text for a clicked node: the node texts from the root down.
    QString pathOf(NodeTree::Position position) const;
    // The path as the status bar shows it: one line, cut like a tree row.
    QString statusTextOf(NodeTree::Position position) const;
    SnippetResult snippetFor(NodeTree::Position position) const;

private:
    void show(std::shared_ptr<const NodeTree> tree, const QString& documentName);

    QString m_executableName;
    QString m_caption;
    QString m_documentName;
    QString m_keyword;
    std::shared_ptr<const NodeTree> m_tree;
};

} // namespace talpora
