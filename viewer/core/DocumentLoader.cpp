#include "DocumentLoader.h"

#include "FileReader.h"
#include "StoredDocuments.h"
#include "XmlParser.h"

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

// A stored document is UTF-8, may start with a byte-order mark and ends in
// 0 to 3 NUL bytes of padding; none of that is document text.
Utf8Buffer storedText(const QByteArray& bytes)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    while (!text.isEmpty() && text.back() == '\0')
        text.chop(1);
    return Utf8Buffer(text.data(), static_cast<std::size_t>(text.size()));
}

} // namespace

LoadResult loadStoredDocument(int identifier)
{
    const catalogue::StoredDocument stored = catalogue::storedDocument(identifier);
    if (!stored)
        return {nullptr, nullptr, stored.error};
    return XmlParser::parse(storedText(stored.bytes), [&] { return storedText(stored.bytes); });
}

LoadResult loadXmlFile(const QString& path)
{
    Utf8FileText file = readFileAsUtf8(path);
    if (!file)
        return {nullptr, nullptr, file.error};
    return XmlParser::parse(std::move(file.text), [&] { return readFileAsUtf8(path).text; });
}

} // namespace talpora
