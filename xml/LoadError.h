#pragma once

#include <QString>

namespace talpora {

enum class LoadErrorKind
{
    None,
    FileNotFound,
    PermissionDenied,
    Directory,
    NotRegularFile,
    ReadFailed, // detail: the system's message
    Empty,      // nothing but blanks
    BinaryData,
    NotMarkup,           // does not start with "<"
    UnsupportedEncoding, // detail: the encoding's name
    InvalidEncodedText,  // bytes that are not valid in the encoding; detail: its name
    OutOfMemory,
    Syntax,             // not well-formed; parserCode says how, detail in Expat's words
    MismatchedTag,      // an end tag that does not close the open element; detail: its name
    UndeclaredEncoding, // bytes that are not UTF-8 but read as a legacy encoding the
                        // document does not declare; detail: that encoding's name
    UnboundPrefix,      // detail: the prefix
    BadQualifiedName,   // detail: the name
    ExternalEntity,     // an entity that would need an unread external DTD; detail: its name
    TooLarge,
    Stopped,               // the event handler asked to stop
    MissingStoredDocument, // detail: the identifier
    NoSuchEntry            // detail: the catalogue position
};

// Why a document could not be loaded, as data; describe() words it.
struct LoadError
{
    LoadErrorKind kind = LoadErrorKind::None;
    long long line = 0;   // 1-based; 0 when the fault has no place in the text
    long long column = 0; // 1-based, in characters
    int parserCode = 0;   // the XML parser's own error number, for Syntax
    QString detail;
    long long relatedLine = 0; // MismatchedTag: the line where the open element starts

    // True when there is an error.
    explicit operator bool() const { return kind != LoadErrorKind::None; }
};

// "line L, column C: <reason>" or the bare reason, in the language of the
// installed translation: English where none is installed (talpora-cli), the
// parser's faults then word for word as Expat's XML_ErrorString gives them.
QString describe(const LoadError& error);

} // namespace talpora
