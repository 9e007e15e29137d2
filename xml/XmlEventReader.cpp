#include "xml/XmlEventReader.h"

#include "xml/ByteSource.h"
#include "xml/LegacyDecoder.h"
#include "xml/NamespaceScope.h"
#include "xml/TextEncoding.h"
#include "xml/Utf8Converter.h"
#include "xml/Utf8View.h"

#include <QStringList>
#include <algorithm>
#include <expat.h>
#include <memory>
#include <new>
#include <string>
#include <unordered_set>
#include <vector>

namespace talpora {

namespace {

bool isXmlBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Refuses, before the parser sees them, texts that are plainly not XML:
// binary data near the start, nothing but blanks, or no markup first.
class StartOfTextCheck
{
public:
    LoadError inspect(std::string_view utf8)
    {
        if (m_inspected < binaryWindow) {
            const std::string_view window = utf8.substr(0, binaryWindow - m_inspected);
            if (window.find('\0') != std::string_view::npos)
                return {LoadErrorKind::BinaryData, 0, 0, 0, {}};
            m_inspected += window.size();
        }
        if (!m_sawMarkup) {
            for (const char c : utf8) {
                if (isXmlBlank(c))
                    continue;
                if (c != '<')
                    return {LoadErrorKind::NotMarkup, 0, 0, 0, {}};
                m_sawMarkup = true;
                break;
            }
        }
        return {};
    }
    LoadError atEnd() const
    {
        return m_sawMarkup ? LoadError{} : LoadError{LoadErrorKind::Empty, 0, 0, 0, {}};
    }

private:
    static constexpr std::size_t binaryWindow = 8192;
    std::size_t m_inspected = 0;
    bool m_sawMarkup = false;
};

std::string_view view(const XML_Char* text)
{
    return text ? std::string_view(text) : std::string_view();
}

// One Expat parser fed UTF-8 chunks. The parser checks well-formedness
// (with hashed duplicate-attribute detection, internal entities expanded and
// entity amplification refused); this class adds the namespace check, keeps
// external entities out and passes the elements on.
// The legacy encodings whose bytes a document most often holds without
// declaring them: their names, joined by "/", when `bytes` read as them.
QString undeclaredLegacyEncodingOf(std::string_view bytes)
{
    QStringList readable;
    for (const char* name : {"GBK", "Shift_JIS"}) {
        const std::unique_ptr<LegacyDecoder> decoder = LegacyDecoder::forEncoding(name);
        std::string text;
        if (decoder && decoder->decode(bytes, text))
            readable.append(QString::fromLatin1(name));
    }
    return readable.join(u'/');
}

class ExpatReader
{
public:
    // `undeclaredUtf8`: the document is read as UTF-8 only because it
    // declares no encoding.
    ExpatReader(XmlEventHandler& handler, bool undeclaredUtf8)
        : m_handler(handler), m_wantsPlaces(handler.wantsPlaces()),
          m_undeclaredUtf8(undeclaredUtf8), m_parser(XML_ParserCreate("UTF-8"))
    {
        if (!m_parser)
            return;
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, &ExpatReader::onStart, &ExpatReader::onEnd);
        XML_SetExternalEntityRefHandler(m_parser, &ExpatReader::onExternalEntity);
        XML_SetSkippedEntityHandler(m_parser, &ExpatReader::onSkippedEntity);
        XML_SetNotStandaloneHandler(m_parser, &ExpatReader::onNotStandalone);
        XML_SetEntityDeclHandler(m_parser, &ExpatReader::onEntityDeclaration);
        if (handler.wantsText())
            XML_SetCharacterDataHandler(m_parser, &ExpatReader::onText);
        if (handler.wantsComments())
            XML_SetCommentHandler(m_parser, &ExpatReader::onComment);
    }
    ExpatReader(const ExpatReader&) = delete;
    ExpatReader& operator=(const ExpatReader&) = delete;
    ~ExpatReader()
    {
        if (m_parser)
            XML_ParserFree(m_parser);
    }

    LoadError feed(std::string_view utf8, bool last)
    {
        if (!m_parser)
            return {LoadErrorKind::OutOfMemory, 0, 0, 0, {}};
        return parsed(XML_Parse(m_parser, utf8.data(), static_cast<int>(utf8.size()), last ? 1 : 0),
                      utf8.size());
    }

    // Room for `size` bytes right after the text the parser holds back, to be
    // filled and handed over with feedRoom: text gathered there is never
    // copied again. Null when there is no memory for it.
    char* room(std::size_t size)
    {
        return m_parser ? static_cast<char*>(XML_GetBuffer(m_parser, static_cast<int>(size)))
                        : nullptr;
    }

    // Parses the first `size` bytes of the room; nothing may come between
    // room() and this call.
    LoadError feedRoom(std::size_t size)
    {
        return parsed(XML_ParseBuffer(m_parser, static_cast<int>(size), 0), size);
    }

    // Bytes fed that the parser holds back as the start of a token it has
    // not seen the end of yet (a long comment, a huge attribute value).
    long long unparsedBytes() const { return m_unparsed; }

    // The first bytes of the token held back, where the parser can say.
    std::string_view heldTokenStart() const
    {
        int offset = 0;
        int size = 0;
        const char* context = XML_GetInputContext(m_parser, &offset, &size);
        if (!context || offset < 0 || offset > size)
            return {};
        return {context + offset, std::min<std::size_t>(std::size_t(size - offset), 16)};
    }

    // True once the end tag of the root element was read.
    bool rootEnded() const { return m_rootEnded; }

private:
    LoadError parsed(XML_Status status, std::size_t size)
    {
        m_fed += static_cast<long long>(size);
        const XML_Index parsedUpTo = XML_GetCurrentByteIndex(m_parser);
        // Where the parser cannot say, it is taken to have made no progress.
        m_unparsed =
            parsedUpTo >= 0 ? m_fed - parsedUpTo : m_unparsed + static_cast<long long>(size);
        if (status == XML_STATUS_OK)
            return {};
        if (m_error)
            return m_error;
        const XML_Error code = XML_GetErrorCode(m_parser);
        if (code == XML_ERROR_NO_MEMORY)
            return {LoadErrorKind::OutOfMemory, 0, 0, 0, {}};
        LoadError fault{LoadErrorKind::Syntax,
                        static_cast<long long>(XML_GetCurrentLineNumber(m_parser)),
                        static_cast<long long>(XML_GetCurrentColumnNumber(m_parser)) + 1,
                        static_cast<int>(code), QString::fromUtf8(XML_ErrorString(code))};
        if (code == XML_ERROR_TAG_MISMATCH && !m_openElements.empty()) {
            fault.kind = LoadErrorKind::MismatchedTag;
            fault.detail =
                fromUtf8View(std::string_view(m_openNames).substr(m_openElements.back().nameStart));
            fault.relatedLine = m_openElements.back().line;
        } else if (code == XML_ERROR_INVALID_TOKEN && m_undeclaredUtf8) {
            if (QString legacy = undeclaredLegacyEncodingOf(textFromFault()); !legacy.isEmpty()) {
                fault.kind = LoadErrorKind::UndeclaredEncoding;
                fault.detail = legacy;
            }
        }
        return fault;
    }

    // Stops at the current place in the text.
    void stop(LoadErrorKind kind, std::string_view detail)
    {
        stopWith({kind, static_cast<long long>(XML_GetCurrentLineNumber(m_parser)),
                  static_cast<long long>(XML_GetCurrentColumnNumber(m_parser)) + 1, 0,
                  fromUtf8View(detail)});
    }

    void stopWith(const LoadError& error)
    {
        if (m_error)
            return;
        m_error = error;
        XML_StopParser(m_parser, XML_FALSE);
    }

    // The text from the place of a fault on, as far as the parser holds it,
    // cut before a line end; empty unless it starts with a byte above ASCII.
    std::string_view textFromFault() const
    {
        int offset = 0;
        int size = 0;
        const char* context = XML_GetInputContext(m_parser, &offset, &size);
        if (!context || offset < 0 || offset >= size ||
            static_cast<unsigned char>(context[offset]) < 0x80)
            return {};
        const std::string_view rest(context + offset, std::size_t(size - offset));
        return rest.substr(0, std::min<std::size_t>(rest.find('\n'), 256));
    }

    std::string_view markup() const
    {
        int offset = 0;
        int size = 0;
        const char* context = XML_GetInputContext(m_parser, &offset, &size);
        const int count = XML_GetCurrentByteCount(m_parser);
        if (!context || count <= 0 || offset < 0 || offset + count > size)
            return {};
        return {context + offset, static_cast<std::size_t>(count)};
    }

    // With an external DTD that is not read, the parser drops a reference to
    // an entity it does not know from an attribute value without a word; such
    // a value would be shown wrong, so the document is refused instead.
    std::string_view unknownEntityIn(std::string_view startTag) const
    {
        for (std::size_t amp = startTag.find('&'); amp != std::string_view::npos;
             amp = startTag.find('&', amp + 1)) {
            const std::size_t semicolon = startTag.find(';', amp);
            if (semicolon == std::string_view::npos)
                break;
            const std::string_view name = startTag.substr(amp + 1, semicolon - amp - 1);
            if (name.empty() || name[0] == '#' || name == "lt" || name == "gt" || name == "amp" ||
                name == "apos" || name == "quot")
                continue;
            if (!m_declaredEntities.contains(std::string(name)))
                return name;
        }
        return {};
    }

    void start(const XML_Char* name, const XML_Char** attributes)
    {
        if (m_error)
            return;
        ++m_depth;
        m_openElements.push_back(
            {m_openNames.size(), static_cast<long long>(XML_GetCurrentLineNumber(m_parser))});
        m_openNames.append(view(name));
        const int specified = XML_GetSpecifiedAttributeCount(m_parser);
        m_attributes.clear();
        // Only the attributes written in the tag; defaults from a DTD are not
        // part of what the user wrote.
        for (int i = 0; i < specified; i += 2)
            m_attributes.push_back({view(attributes[i]), view(attributes[i + 1])});

        if (const auto fault = m_namespaces.enter(view(name), m_attributes)) {
            stop(fault->kind, fault->detail);
            return;
        }
        XmlElementStart element{
            view(name), m_attributes, 0, 0, {}, m_namespaces.uriOfName(view(name)), &m_namespaces};
        if (m_wantsPlaces) {
            element.line = static_cast<long long>(XML_GetCurrentLineNumber(m_parser));
            element.column = static_cast<long long>(XML_GetCurrentColumnNumber(m_parser)) + 1;
            element.markup = markup();
        }
        if (m_dependsOnUnreadDeclarations) {
            if (const std::string_view entity = unknownEntityIn(markup()); !entity.empty()) {
                stop(LoadErrorKind::ExternalEntity, entity);
                return;
            }
        }
        if (!m_handler.startElement(element))
            stop(LoadErrorKind::Stopped, {});
    }

    void end()
    {
        if (m_error)
            return;
        m_namespaces.leave();
        m_rootEnded = --m_depth == 0;
        m_openNames.resize(m_openElements.back().nameStart);
        m_openElements.pop_back();
        if (!m_handler.endElement())
            stop(LoadErrorKind::Stopped, {});
    }

    XmlText here(std::string_view text) const
    {
        return {text, static_cast<long long>(XML_GetCurrentLineNumber(m_parser)),
                static_cast<long long>(XML_GetCurrentColumnNumber(m_parser)) + 1};
    }

    void text(std::string_view text)
    {
        // Layout between tags is most of the text of most documents, and
        // asking the parser for a place costs a walk over the text before it.
        if (std::all_of(text.begin(), text.end(), isXmlBlank))
            return;
        if (!m_error && !m_handler.text(here(text)))
            stop(LoadErrorKind::Stopped, {});
    }

    void comment(std::string_view text)
    {
        if (!m_error && !m_handler.comment(here(text)))
            stop(LoadErrorKind::Stopped, {});
    }

    // Expat is C: no exception may cross it, so the callbacks catch them all.
    template <typename Action> static void guarded(void* userData, Action action)
    {
        auto* reader = static_cast<ExpatReader*>(userData);
        try {
            action(*reader);
        } catch (const std::bad_alloc&) {
            reader->stopWith({LoadErrorKind::OutOfMemory, 0, 0, 0, {}});
        } catch (...) {
            reader->stop(LoadErrorKind::Stopped, {});
        }
    }

    static void XMLCALL onStart(void* userData, const XML_Char* name, const XML_Char** attributes)
    {
        guarded(userData, [&](ExpatReader& reader) { reader.start(name, attributes); });
    }
    static void XMLCALL onEnd(void* userData, const XML_Char*)
    {
        guarded(userData, [](ExpatReader& reader) { reader.end(); });
    }
    static void XMLCALL onText(void* userData, const XML_Char* text, int length)
    {
        guarded(userData, [&](ExpatReader& reader) {
            reader.text(std::string_view(text, static_cast<std::size_t>(length)));
        });
    }
    static void XMLCALL onComment(void* userData, const XML_Char* text)
    {
        guarded(userData, [&](ExpatReader& reader) { reader.comment(view(text)); });
    }
    // Nothing outside the document is ever fetched: an external entity in
    // the content refuses the document rather than silently leaving it out.
    static int XMLCALL onExternalEntity(XML_Parser parser, const XML_Char*, const XML_Char*,
                                        const XML_Char* systemId, const XML_Char*)
    {
        guarded(XML_GetUserData(parser), [&](ExpatReader& reader) {
            reader.stop(LoadErrorKind::ExternalEntity, view(systemId));
        });
        return XML_STATUS_ERROR;
    }
    static void XMLCALL onSkippedEntity(void* userData, const XML_Char* name, int isParameterEntity)
    {
        if (isParameterEntity)
            return; // declarations the parser does not read; they add no content
        guarded(userData, [&](ExpatReader& reader) {
            reader.stop(LoadErrorKind::ExternalEntity, view(name));
        });
    }
    static int XMLCALL onNotStandalone(void* userData)
    {
        static_cast<ExpatReader*>(userData)->m_dependsOnUnreadDeclarations = true;
        return XML_STATUS_OK;
    }
    static void XMLCALL onEntityDeclaration(void* userData, const XML_Char* name,
                                            int isParameterEntity, const XML_Char*, int,
                                            const XML_Char*, const XML_Char*, const XML_Char*,
                                            const XML_Char*)
    {
        if (isParameterEntity)
            return;
        guarded(userData,
                [&](ExpatReader& reader) { reader.m_declaredEntities.emplace(view(name)); });
    }

    XmlEventHandler& m_handler;
    const bool m_wantsPlaces;
    const bool m_undeclaredUtf8;
    XML_Parser m_parser;
    LoadError m_error;
    NamespaceScope m_namespaces;
    std::vector<XmlAttribute> m_attributes;
    bool m_dependsOnUnreadDeclarations = false;
    std::unordered_set<std::string> m_declaredEntities;
    long long m_fed = 0;
    long long m_unparsed = 0;
    long long m_depth = 0;
    bool m_rootEnded = false;
    // The open elements, for naming the one an end tag fails to close: their
    // names back to back, and where each starts in that text and in the file.
    struct OpenElement
    {
        std::size_t nameStart;
        long long line;
    };
    std::vector<OpenElement> m_openElements;
    std::string m_openNames;
};

// Hands the converted text to the parser so that reading stays linear in the
// file size. The parser scans a token it has not seen the end of again on
// every call, so while it holds such a token back (a long comment, a huge
// attribute value) the text is gathered instead: until the token's closing
// mark turns up, or, when that cannot be told or a look-alike keeps turning
// up, until the gathered text outgrows the held-back text. Each rescan then
// costs a bounded multiple of new text. The text is gathered in the parser's
// own buffer, right after the text it holds: a huge token then costs its
// size once there, not again in a buffer of ours.
//
// NUL bytes after the root element are padding that some programs write,
// not content, and are dropped; anywhere else the parser refuses them.
class ParserFeed
{
public:
    explicit ParserFeed(ExpatReader& parser) : m_parser(parser) {}

    LoadError add(std::string_view utf8)
    {
        const std::size_t content = utf8.find_last_not_of('\0') + 1; // 0 when all NUL
        if (content > 0 && m_heldNuls > 0) {
            // Something follows the padding: the document goes wrong at its first NUL.
            if (LoadError fault = pass(std::string_view("\0", 1)))
                return fault;
            m_heldNuls = 0;
        }
        if (LoadError fault = pass(utf8.substr(0, content)))
            return fault;
        const std::string_view nuls = utf8.substr(content);
        // Counted, never kept: a file of gigabytes of padding costs no memory.
        if (m_parser.rootEnded() && m_gathered == 0) {
            m_heldNuls += nuls.size();
            return {};
        }
        return pass(nuls);
    }

    LoadError finish()
    {
        if (LoadError fault = flush())
            return fault;
        if (LoadError nothing = m_startCheck.atEnd())
            return nothing;
        return m_parser.feed({}, true);
    }

private:
    // Below this the parser's rescans cost less than gathering would.
    static constexpr long long smallestHeldToken = 1LL << 20;
    // The parser takes an int and its buffer must stay below 2 GiB.
    static constexpr std::size_t largestFeed = std::size_t(1) << 30;

    LoadError pass(std::string_view utf8)
    {
        if (utf8.empty())
            return {};
        if (LoadError plainlyNotXml = m_startCheck.inspect(utf8))
            return plainlyNotXml;
        if (m_gathered + utf8.size() > m_roomSize) {
            if (LoadError fault = flush())
                return fault;
        }
        if (m_gathered == 0 && m_parser.unparsedBytes() < smallestHeldToken)
            return feed(utf8);
        const long long held = m_parser.unparsedBytes();
        if (m_gathered == 0) { // room for all that the size rule may gather, in one block
            m_roomSize = std::min(std::size_t(4 * held) + utf8.size(), largestFeed);
            m_room = m_parser.room(m_roomSize);
            if (!m_room)
                return {LoadErrorKind::OutOfMemory, 0, 0, 0, {}};
        }
        const std::size_t searchFrom = m_gathered - std::min(m_gathered, std::size_t(2));
        std::copy(utf8.begin(), utf8.end(), m_room + m_gathered);
        m_gathered += utf8.size();
        const long long gathered = static_cast<long long>(m_gathered);
        const bool closingMarkSeen =
            !m_closingMark.empty() &&
            std::string_view(m_room, m_gathered).find(m_closingMark, searchFrom) !=
                std::string_view::npos;
        if (gathered >= 4 * held || (closingMarkSeen && gathered >= held / 8) ||
            m_gathered >= largestFeed)
            return flush();
        return {};
    }

    LoadError flush()
    {
        if (m_gathered == 0)
            return {};
        LoadError fault = m_parser.feedRoom(m_gathered);
        m_closingMark = closingMarkOf(m_parser.heldTokenStart());
        m_gathered = 0;
        m_room = nullptr;
        m_roomSize = 0;
        return fault;
    }

    LoadError feed(std::string_view utf8)
    {
        LoadError fault = m_parser.feed(utf8, false);
        m_closingMark = closingMarkOf(m_parser.heldTokenStart());
        return fault;
    }

    // What ends a token that starts with `start`; empty when unknown.
    static std::string_view closingMarkOf(std::string_view start)
    {
        if (start.starts_with("<!--"))
            return "-->";
        if (start.starts_with("<![CDATA["))
            return "]]>";
        if (start.starts_with("<?"))
            return "?>";
        if (start.starts_with("<!"))
            return {}; // a document type declaration nests marks of its own
        if (start.starts_with("<"))
            return ">"; // may also stand in a value: then the size rule holds
        return {};
    }

    ExpatReader& m_parser;
    StartOfTextCheck m_startCheck;
    char* m_room = nullptr; // in the parser's buffer
    std::size_t m_roomSize = 0;
    std::size_t m_gathered = 0; // bytes of the room filled
    std::string_view m_closingMark;
    std::size_t m_heldNuls = 0;
};

} // namespace

LoadError readXmlSource(ByteSource& source, XmlEventHandler& handler)
{
    LoadError error;
    std::string_view chunk = source.next(error);
    if (error)
        return error;
    const DetectedEncoding encoding = detectXmlEncoding(chunk.data(), chunk.size());
    Utf8Converter converter(encoding);
    if (LoadError notReady = converter.readiness())
        return notReady;

    ExpatReader parser(handler, encoding.isUtf8() && !encoding.declared);
    ParserFeed feed(parser);
    handler.sourceSize(source.sizeHint());
    // A file may grow while it is read, and bytes in memory were never measured.
    std::uint64_t read = 0;
    while (!chunk.empty()) {
        read += chunk.size();
        if (read > largestDocument)
            return {LoadErrorKind::TooLarge, 0, 0, 0, {}};
        const std::string_view utf8 = converter.convert(chunk, error);
        if (error)
            return error;
        if (LoadError fault = feed.add(utf8))
            return fault;
        if (!handler.sourceRead(read))
            return {LoadErrorKind::Stopped, 0, 0, 0, {}};
        chunk = source.next(error);
        if (error)
            return error;
    }
    if (LoadError truncated = converter.finish())
        return truncated;
    return feed.finish();
}

LoadError readXmlFile(const QString& path, XmlEventHandler& handler)
{
    LoadError error;
    const std::unique_ptr<ByteSource> source = openFileSource(path, error);
    if (!source)
        return error;
    return readXmlSource(*source, handler);
}

LoadError readXmlBytes(QByteArrayView bytes, XmlEventHandler& handler)
{
    const std::unique_ptr<ByteSource> source = memorySource(bytes);
    return readXmlSource(*source, handler);
}

} // namespace talpora
