#include "xml/LoadError.h"

#include "xml/DisplayText.h"

#include <QCoreApplication>
#include <array>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

constexpr char context[] = "LoadError";

// What each kind of failure says; "%1" stands for the error's detail, "%2"
// for the related line.
const char* reasonFormat(LoadErrorKind kind)
{
    switch (kind) {
    case LoadErrorKind::None:
    case LoadErrorKind::Syntax: // worded from the parser's code
        return "";
    case LoadErrorKind::FileNotFound:
        return QT_TRANSLATE_NOOP("LoadError", "file not found");
    case LoadErrorKind::PermissionDenied:
        return QT_TRANSLATE_NOOP("LoadError", "permission denied");
    case LoadErrorKind::Directory:
        return QT_TRANSLATE_NOOP("LoadError", "not a file (it is a directory)");
    case LoadErrorKind::NotRegularFile:
        return QT_TRANSLATE_NOOP("LoadError", "not a regular file");
    case LoadErrorKind::ReadFailed:
        //: %1 is the system's message
        return QT_TRANSLATE_NOOP("LoadError", "cannot read the file (%1)");
    case LoadErrorKind::Empty:
        return QT_TRANSLATE_NOOP("LoadError", "not XML (the file is empty)");
    case LoadErrorKind::BinaryData:
        return QT_TRANSLATE_NOOP("LoadError", "not XML (the file holds binary data)");
    case LoadErrorKind::NotMarkup:
        return QT_TRANSLATE_NOOP("LoadError", "not XML (it does not start with markup)");
    case LoadErrorKind::UnsupportedEncoding:
        //: %1 is the name of the encoding, such as GBK
        return QT_TRANSLATE_NOOP("LoadError", "unsupported encoding “%1”");
    case LoadErrorKind::InvalidEncodedText:
        //: %1 is the name of the encoding, such as GBK
        return QT_TRANSLATE_NOOP("LoadError", "bytes that are not valid %1");
    case LoadErrorKind::OutOfMemory:
        return QT_TRANSLATE_NOOP("LoadError", "not enough memory to load the document");
    case LoadErrorKind::MismatchedTag:
        //: %1 is an element name, %2 a line number
        return QT_TRANSLATE_NOOP("LoadError",
                                 "mismatched tag: the open element is <%1>, started on line %2");
    case LoadErrorKind::UndeclaredEncoding:
        //: %1 is the names of the encodings the bytes read as, such as GBK/Shift_JIS
        return QT_TRANSLATE_NOOP("LoadError",
                                 "bytes that are not valid UTF-8; they read as %1, but the "
                                 "encoding declaration is missing (for example <?xml "
                                 "version=\"1.0\" encoding=\"GBK\"?>)");
    case LoadErrorKind::UnboundPrefix:
        return QT_TRANSLATE_NOOP("LoadError", "namespace prefix “%1” is not declared");
    case LoadErrorKind::BadQualifiedName:
        return QT_TRANSLATE_NOOP("LoadError",
                                 "“%1” is not a valid name in a namespace-aware document");
    case LoadErrorKind::ExternalEntity:
        return QT_TRANSLATE_NOOP("LoadError",
                                 "entity “%1” is defined outside the document, which is not read");
    case LoadErrorKind::TooLarge:
        return QT_TRANSLATE_NOOP("LoadError", "the document is too large to load");
    case LoadErrorKind::Stopped:
        return QT_TRANSLATE_NOOP("LoadError", "loading was stopped");
    case LoadErrorKind::MissingStoredDocument:
        return QT_TRANSLATE_NOOP(
            "LoadError", "the catalogue has no document with identifier %1 (valid: 101–157)");
    case LoadErrorKind::NoSuchEntry:
        return QT_TRANSLATE_NOOP("LoadError", "the catalogue has no entry %1");
    }
    return "";
}

struct ParserFault
{
    int code;
    const char* words;
};

// The parser's faults that the reader meets, by Expat's error code, in
// Expat's own words (XML_ErrorString), so that talpora-cli says exactly what
// Expat says; a test holds them to the library's.
constexpr std::array<ParserFault, 31> parserFaults = {{
    {1, QT_TRANSLATE_NOOP("LoadError", "out of memory")},
    {2, QT_TRANSLATE_NOOP("LoadError", "syntax error")},
    {3, QT_TRANSLATE_NOOP("LoadError", "no element found")},
    {4, QT_TRANSLATE_NOOP("LoadError", "not well-formed (invalid token)")},
    {5, QT_TRANSLATE_NOOP("LoadError", "unclosed token")},
    {6, QT_TRANSLATE_NOOP("LoadError", "partial character")},
    {7, QT_TRANSLATE_NOOP("LoadError", "mismatched tag")},
    {8, QT_TRANSLATE_NOOP("LoadError", "duplicate attribute")},
    {9, QT_TRANSLATE_NOOP("LoadError", "junk after document element")},
    {10, QT_TRANSLATE_NOOP("LoadError", "illegal parameter entity reference")},
    {11, QT_TRANSLATE_NOOP("LoadError", "undefined entity")},
    {12, QT_TRANSLATE_NOOP("LoadError", "recursive entity reference")},
    {13, QT_TRANSLATE_NOOP("LoadError", "asynchronous entity")},
    {14, QT_TRANSLATE_NOOP("LoadError", "reference to invalid character number")},
    {15, QT_TRANSLATE_NOOP("LoadError", "reference to binary entity")},
    {16, QT_TRANSLATE_NOOP("LoadError", "reference to external entity in attribute")},
    {17, QT_TRANSLATE_NOOP("LoadError", "XML or text declaration not at start of entity")},
    {18, QT_TRANSLATE_NOOP("LoadError", "unknown encoding")},
    {19, QT_TRANSLATE_NOOP("LoadError", "encoding specified in XML declaration is incorrect")},
    {20, QT_TRANSLATE_NOOP("LoadError", "unclosed CDATA section")},
    {21, QT_TRANSLATE_NOOP("LoadError", "error in processing external entity reference")},
    {24, QT_TRANSLATE_NOOP("LoadError", "entity declared in parameter entity")},
    {28, QT_TRANSLATE_NOOP("LoadError", "must not undeclare prefix")},
    {29, QT_TRANSLATE_NOOP("LoadError", "incomplete markup in parameter entity")},
    {30, QT_TRANSLATE_NOOP("LoadError", "XML declaration not well-formed")},
    {31, QT_TRANSLATE_NOOP("LoadError", "text declaration not well-formed")},
    {32, QT_TRANSLATE_NOOP("LoadError", "illegal character(s) in public id")},
    {38, QT_TRANSLATE_NOOP("LoadError", "reserved prefix (xml) must not be undeclared or bound "
                                        "to another namespace name")},
    {39,
     QT_TRANSLATE_NOOP("LoadError", "reserved prefix (xmlns) must not be declared or undeclared")},
    {40, QT_TRANSLATE_NOOP("LoadError",
                           "prefix must not be bound to one of the reserved namespace names")},
    {43, QT_TRANSLATE_NOOP("LoadError",
                           "limit on input amplification factor (from DTD and entities) breached")},
}};

QString translated(const char* source)
{
    return QCoreApplication::translate(context, source);
}

QString parserFault(const LoadError& error)
{
    for (const ParserFault& fault : parserFaults) {
        if (fault.code == error.parserCode)
            return translated(fault.words);
    }
    // A fault the reader never meets (a misuse of the parser), or one of a
    // later Expat: the reader's detail holds Expat's own words for it.
    //: %1 is the XML parser's own English words for a fault that normal use never meets
    return translated(QT_TRANSLATE_NOOP("LoadError", "%1")).arg(error.detail);
}

QString reason(const LoadError& error)
{
    if (error.kind == LoadErrorKind::Syntax)
        return parserFault(error);
    const QString format = translated(reasonFormat(error.kind));
    // A detail comes from the file (a name, an entity): shown whole it could be
    // megabytes long or span lines.
    // The number first: a detail holding "%2" must stay as it is.
    QString text = format;
    text.replace(u"%2"_s, QString::number(error.relatedLine));
    return format.contains(u"%1") ? text.arg(displayLine(error.detail)) : text;
}

} // namespace

QString describe(const LoadError& error)
{
    if (!error)
        return {};
    const QString why = reason(error);
    if (error.line <= 0)
        return why;
    //: %1 is a line number, %2 a column number, %3 what is wrong there
    return translated(QT_TRANSLATE_NOOP("LoadError", "line %1, column %2: %3"))
        .arg(QString::number(error.line), QString::number(error.column), why);
}

} // namespace talpora
