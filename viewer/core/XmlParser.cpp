#include "XmlParser.h"

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

constexpr unsigned parseOptions =
    pugi::parse_escapes | pugi::parse_wconv_attribute | pugi::parse_eol | pugi::parse_embed_pcdata;

bool isXmlBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Catches what is plainly not XML before the parser gives a puzzling message.
QString notXmlReason(const Utf8Buffer& text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (std::memchr(begin, '\0', std::min<std::size_t>(text.size(), 8192)))
        return u"not XML (the file holds binary data)"_s;
    const char* first = std::find_if_not(begin, end, isXmlBlank);
    if (first == end)
        return u"not XML (the file is empty)"_s;
    if (*first != '<')
        return u"not XML (it does not start with markup)"_s;
    return {};
}

QString positioned(const Utf8Buffer& text, std::size_t offset, const QString& what)
{
    const TextPosition at = textPositionAt(text.data(), text.size(), offset);
    return u"line %1, column %2: %3"_s.arg(at.line).arg(at.column).arg(what);
}

} // namespace

TextPosition textPositionAt(const char* text, std::size_t size, std::size_t offset)
{
    offset = std::min(offset, size);
    TextPosition at{1, 1};
    for (std::size_t i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++at.line;
            at.column = 1;
        } else if ((byte & 0xC0) != 0x80) { // count characters, not continuation bytes
            ++at.column;
        }
    }
    return at;
}

LoadResult XmlParser::parse(Utf8Buffer text, const std::function<Utf8Buffer()>& reloadText)
{
    if (text.allocationFailed())
        return {nullptr, u"not enough memory to load the document"_s};
    if (const QString reason = notXmlReason(text); !reason.isEmpty())
        return {nullptr, reason};

    auto document = std::make_shared<XmlDocument>();
    const std::size_t size = text.size();
    const pugi::xml_parse_result result = document->m_document.load_buffer_inplace_own(
        text.release(), size, parseOptions, pugi::encoding_utf8);
    if (!result) {
        const QString what = QString::fromUtf8(result.description());
        const Utf8Buffer original = reloadText();
        if (original.size() == 0)
            return {nullptr, what};
        return {nullptr, positioned(original, static_cast<std::size_t>(result.offset), what)};
    }

    // The parser accepts several top-level elements; XML allows exactly one.
    const pugi::xml_node root = document->rootElement();
    for (pugi::xml_node next = root.next_sibling(); next; next = next.next_sibling()) {
        if (next.type() == pugi::node_element) {
            const QString what = u"the document has more than one root element"_s;
            const Utf8Buffer original = reloadText();
            return {nullptr,
                    positioned(original, static_cast<std::size_t>(next.offset_debug()) - 1, what)};
        }
    }
    return {std::move(document), {}};
}

} // namespace talpora
