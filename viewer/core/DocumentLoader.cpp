#include "viewer/core/DocumentLoader.h"

#include "catalogue/StoredDocuments.h"
#include "viewer/core/NodeTreeBuilder.h"
#include "xml/XmlEventReader.h"

namespace talpora {

namespace {

template <typename Read> LoadResult build(Read read, LoadProgress* progress)
{
    try {
        NodeTreeBuilder builder(progress);
        const LoadError error = read(builder);
        // The builder stops the reader only at a limit of its own; the
        // reader's error then holds the place.
        if (error && builder.error())
            return {nullptr, {builder.error().kind, error.line, error.column, 0, {}}};
        if (error)
            return {nullptr, error};
        return {builder.finish(), {}};
    } catch (const std::bad_alloc&) {
        return {nullptr, {LoadErrorKind::OutOfMemory, 0, 0, 0, {}}};
    }
}

} // namespace

LoadResult loadStoredDocument(int identifier, LoadProgress* progress)
{
    const catalogue::StoredDocument stored = catalogue::storedDocument(identifier);
    if (!stored)
        return {nullptr,
                {LoadErrorKind::MissingStoredDocument, 0, 0, 0, QString::number(identifier)}};
    // A stored document ends in 0 to 3 NUL bytes of padding, which are not
    // document text; the byte-order mark is dropped by the reader.
    QByteArrayView text(stored.bytes);
    while (!text.isEmpty() && text.back() == '\0')
        text.chop(1);
    return loadXmlBytes(text, progress);
}

LoadResult loadXmlFile(const QString& path, LoadProgress* progress)
{
    return build([&](NodeTreeBuilder& builder) { return readXmlFile(path, builder); }, progress);
}

LoadResult loadXmlBytes(QByteArrayView bytes, LoadProgress* progress)
{
    return build([&](NodeTreeBuilder& builder) { return readXmlBytes(bytes, builder); }, progress);
}

LoadResult loadXmlSource(ByteSource& source, LoadProgress* progress)
{
    return build([&](NodeTreeBuilder& builder) { return readXmlSource(source, builder); },
                 progress);
}

} // namespace talpora
