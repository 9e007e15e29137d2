#pragma once

#include "xml/LoadError.h"
#include "xml/NamespaceScope.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <span>
#include <string_view>

namespace talpora {

class ByteSource;

// One attribute as the parser reports it: name as written (prefix included),
// value with character and entity references expanded. UTF-8.
struct XmlAttribute
{
    std::string_view name;
    std::string_view value;
};

// A start tag. Views are valid only during the call that receives them.
struct XmlElementStart
{
    std::string_view name;                    // as written, prefix included
    std::span<const XmlAttribute> attributes; // in document order
    long long line;                           // 1-based line of the "<"
    long long column;                         // 1-based column of the "<", in characters
    // The start tag as written ("<button idMso=\"X\" .../>"), in UTF-8 after
    // any encoding conversion; lets a caller place an attribute exactly.
    std::string_view markup;
    // The element's namespace as the parser resolved it ("" for none), and the
    // declarations in scope inside the element, for names in values ("x:id").
    std::string_view namespaceUri;
    const NamespaceScope* namespaces = nullptr;
};

// Character data between tags, or the text of a comment, with the place of
// its first character (a comment's: its "<!--"). UTF-8, line ends as LF; a
// view valid only during the call. The parser may pass one run of text in
// several pieces: a line break, a reference and the end of a chunk may each
// begin a new one. Pieces of character data that are only XML white space
// (the layout between tags) are not passed on.
struct XmlText
{
    std::string_view text;
    long long line;
    long long column; // in characters
};

// The part of a name after its namespace prefix ("Relationship" for
// "r:Relationship"); the whole name when it has no prefix.
inline std::string_view localNameOf(std::string_view qualifiedName)
{
    const std::size_t colon = qualifiedName.find(':');
    return colon == std::string_view::npos ? qualifiedName : qualifiedName.substr(colon + 1);
}

// Receives the elements of a document in document order. Returning false
// stops the reading; the reader then returns LoadErrorKind::Stopped.
class XmlEventHandler
{
public:
    virtual ~XmlEventHandler() = default;
    virtual bool startElement(const XmlElementStart& element) = 0;
    virtual bool endElement() = 0;
    // A handler that never reads line, column and markup says so: they then
    // stay 0 and empty, which saves the parser a little work per element.
    virtual bool wantsPlaces() const { return true; }
    // Before the first element: the document's size in bytes as its source
    // tells it (a file's size when it was opened; 0 when unknown).
    virtual void sourceSize(std::uint64_t /*bytes*/) {}
    // After each chunk of the source: the bytes read so far. Returning false
    // stops the reading with LoadErrorKind::Stopped.
    virtual bool sourceRead(std::uint64_t /*bytes*/) { return true; }
    // Text and comments reach only a handler that asks for them; the parser
    // then skips them at no cost to the others.
    virtual bool wantsText() const { return false; }
    virtual bool text(const XmlText&) { return true; }
    virtual bool wantsComments() const { return false; }
    virtual bool comment(const XmlText&) { return true; }
};

// Reads a file in chunks and reports its elements. Only well-formed,
// namespace-well-formed XML 1.0 gets to the end without an error: any fault
// stops the reading with the error, after the elements before it were
// reported. Encodings: UTF-8, UTF-16/32 (with or without a byte-order mark)
// and whatever the declaration names that Qt can decode (GBK, Shift_JIS ...).
LoadError readXmlFile(const QString& path, XmlEventHandler& handler);

// The same for bytes in memory (a stored document, a part of a package).
LoadError readXmlBytes(QByteArrayView bytes, XmlEventHandler& handler);

// The same for any source of bytes (standard input), read a chunk at a time.
LoadError readXmlSource(ByteSource& source, XmlEventHandler& handler);

} // namespace talpora
