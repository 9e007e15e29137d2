#include "DocumentLoader.h"

#include "NodeTreeBuilder.h"
#include "StoredDocuments.h"
#include "XmlEventReader.h"

namespace talpora {

namespace {

template <typename Read> LoadResult build(Read read)
{
    try {
        NodeTreeBuilder builder;
        const LoadError error = read(builder);
        if (error)
            return {nullptr, builder.error() ? builder.error() : error};
        return {builder.finish(), {}};
    } catch (const std::bad_alloc&) {
        return {nullptr, {LoadErrorKind::OutOfMemory, 0, 0, 0, {}}};
    }
}

} // namespace

LoadResult loadStoredDocument(int identifier)
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
    return loadXmlBytes(text);
}

LoadResult loadXmlFile(const QString& path)
{
    return build([&](NodeTreeBuilder& builder) { return readXmlFile(path, builder); });
}

LoadResult loadXmlBytes(QByteArrayView bytes)
{
    return build([&](NodeTreeBuilder& builder) { return readXmlBytes(bytes, builder); });
}

} // namespace talpora
