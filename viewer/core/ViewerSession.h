#pragma once

#include "viewer/core/DocumentLoader.h"
#include "viewer/core/DocumentOpening.h"
#include "viewer/core/DocumentSource.h"
#include "viewer/core/NodeTree.h"
#include "viewer/core/SnippetBuilder.h"
#include "xml/LoadError.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>

namespace talpora {

class ByteSource;

// A load that may run on another thread, and how a failure names the document.
struct DocumentRequest
{
    std::function<OpenedDocument(LoadProgress*)> load;
    QString documentName;
};

// What the viewer shows and remembers, apart from any window: the loaded
// tree, the caption and the search keyword. A failed load changes nothing.
class ViewerSession
{
public:
    // `executableName` is the running program's file name without extension.
    explicit ViewerSession(QString executableName);

    // Each returns no error on success; on failure nothing changes. A file
    // is read as XML, whatever it is.
    LoadError loadCatalogueEntry(int index);
    LoadError loadFile(const QString& path);
    // A document read from elsewhere (standard input), shown as `documentName`.
    LoadError loadBytes(QByteArrayView bytes, const QString& documentName);
    // Reads the document a chunk at a time, never holding it whole.
    LoadError loadStream(ByteSource& source, const QString& documentName);
    // A path to an existing file, or else a catalogue entry name in any letter
    // case, or else a path (whose failure is reported).
    LoadError loadSource(const QString& source);

    // A load in two steps, for a caller that loads elsewhere: what to run (a
    // file may be XML or an Office package), then what it gave, shown (true)
    // or refused (nothing changes).
    DocumentRequest request(const DocumentSource& source) const;
    bool accept(const OpenedDocument& opened);

    // nullptr until the first successful load.
    const std::shared_ptr<const NodeTree>& tree() const { return m_tree; }
    // What the tree on screen was loaded from; loading it again gives the
    // same document as it now is.
    const DocumentSource& source() const { return m_source; }
    // The window caption: "<executable> - <entry name, full path, or full
    // path!part>" after a load, the bare executable name before.
    const QString& caption() const { return m_caption; }
    // What was loaded last: the entry name, the full native path, or the
    // package's full native path and "!" and the part's name.
    const QString& documentName() const { return m_documentName; }
    static QString documentNameOf(const DocumentSource& source);

    const QString& keyword() const { return m_keyword; }
    void setKeyword(const QString& keyword) { m_keyword = keyword; }
    NodeTree::Position FindNext(NodeTree::Position selected) const;

    // The status bar text for a clicked node: the node texts from the root down.
    QString pathOf(NodeTree::Position position) const;
    // The path as the status bar shows it: one line, cut like a tree row.
    QString statusTextOf(NodeTree::Position position) const;
    SnippetResult snippetFor(NodeTree::Position position) const;

private:
    LoadError accept(const LoadResult& result, const DocumentSource& source);
    void show(std::shared_ptr<const NodeTree> tree, const DocumentSource& source,
              const QString& documentName);

    QString m_executableName;
    QString m_caption;
    QString m_documentName;
    QString m_keyword;
    std::shared_ptr<const NodeTree> m_tree;
    DocumentSource m_source;
};

} // namespace talpora
