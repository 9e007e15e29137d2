#include "XmlParser.h"

#include "ElementText.h"
#include "NodeTree.h"

#include <algorithm>
#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

constexpr unsigned parseOptions =
    pugi::parse_escapes | pugi::parse_wconv_attribute | pugi::parse_eol | pugi::parse_embed_pcdata |
    pugi::parse_fragment; // keeps text outside the root, so that it can be refused

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

struct Fault
{
    std::size_t offset;
    QString what;
};

// The start of a node's markup: offset_debug() points at an element's name.
std::size_t markupOffset(pugi::xml_node node)
{
    const auto offset = static_cast<std::size_t>(node.offset_debug());
    return node.type() == pugi::node_element && offset > 0 ? offset - 1 : offset;
}

std::optional<Fault> topLevelFault(const pugi::xml_document& document)
{
    pugi::xml_node root;
    for (const pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_pcdata)
            return Fault{markupOffset(node), u"text outside the root element"_s};
        if (node.type() == pugi::node_element && root)
            return Fault{markupOffset(node), u"the document has more than one root element"_s};
        if (node.type() == pugi::node_element)
            root = node;
    }
    if (!root)
        return Fault{0, u"the document has no root element"_s};

    return std::nullopt;
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
        return {nullptr, nullptr, u"not enough memory to load the document"_s};
    if (const QString reason = notXmlReason(text); !reason.isEmpty())
        return {nullptr, nullptr, reason};

    // The text was parsed in place, so a fault is located in a fresh copy.
    auto failAt = [&reloadText](std::size_t offset, const QString& what) -> LoadResult {
        const Utf8Buffer original = reloadText();
        if (original.size() == 0)
            return {nullptr, nullptr, what};
        return {nullptr, nullptr, positioned(original, offset, what)};
    };

    auto document = std::make_shared<XmlDocument>();
    const std::size_t size = text.size();
    const pugi::xml_parse_result result = document->m_document.load_buffer_inplace_own(
        text.release(), size, parseOptions, pugi::encoding_utf8);
    if (!result)
        return failAt(static_cast<std::size_t>(result.offset),
                      QString::fromUtf8(result.description()));

    // In fragment mode the parser keeps what XML forbids at the top level:
    // text, and more or fewer than one element.
    if (const auto fault = topLevelFault(document->m_document))
        return failAt(fault->offset, fault->what);

    // Nor does the parser check that an element names each attribute once;
    // the tree's single walk over the elements does.
    auto tree = NodeTree::build(document);
    if (const pugi::xml_node element = tree->elementWithRepeatedAttribute())
        return failAt(markupOffset(element), u"attribute %1 appears twice"_s.arg(QString::fromUtf8(
                                                 repeatedAttributeName(element))));
    return {std::move(document), std::move(tree), {}};
}

} // namespace talpora
