#include "xml/NamespaceScope.h"

#include "xml/XmlEventReader.h"

namespace talpora {

namespace {

constexpr std::string_view declarationPrefix = "xmlns:";

bool hasColon(std::string_view name)
{
    return name.find(':') != std::string_view::npos;
}

bool isDeclaration(std::string_view attributeName)
{
    return attributeName == "xmlns" || attributeName.starts_with(declarationPrefix);
}

} // namespace

std::optional<std::string_view> NamespaceScope::uriOf(std::string_view prefix) const
{
    if (prefix == "xml")
        return xmlNamespace;
    const auto found = m_bindings.find(std::string(prefix));
    if (found != m_bindings.end() && !found->second.empty())
        return found->second.back();
    if (prefix.empty())
        return std::string_view();
    return std::nullopt;
}

std::string_view NamespaceScope::uriOfName(std::string_view qualifiedName) const
{
    return uriOf(prefixOf(qualifiedName)).value_or(std::string_view());
}

// A qualified name has at most one colon, with something on either side.
std::optional<NamespaceScope::Fault> NamespaceScope::checkName(std::string_view name) const
{
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    if (colon == 0 || colon + 1 == name.size() ||
        name.find(':', colon + 1) != std::string_view::npos)
        return Fault{LoadErrorKind::BadQualifiedName, std::string(name)};
    const std::string_view prefix = name.substr(0, colon);
    if (prefix == "xmlns")
        return Fault{LoadErrorKind::BadQualifiedName, std::string(name)};
    if (!uriOf(prefix))
        return Fault{LoadErrorKind::UnboundPrefix, std::string(prefix)};
    return std::nullopt;
}

std::optional<NamespaceScope::Fault> NamespaceScope::enter(std::string_view name,
                                                           std::span<const XmlAttribute> attributes)
{
    // Most elements declare nothing and use no prefix: nothing to check or declare.
    bool plain = !hasColon(name);
    for (const XmlAttribute& attribute : attributes)
        plain = plain && !hasColon(attribute.name) && attribute.name != "xmlns";
    if (plain) {
        ++m_depth;
        return std::nullopt;
    }
    return enterWithDeclarations(name, attributes);
}

void NamespaceScope::declare(std::string_view prefix, std::string_view uri, std::size_t depth)
{
    m_declared.push_back({std::string(prefix), depth});
    m_bindings[m_declared.back().prefix].emplace_back(uri);
}

std::optional<NamespaceScope::Fault>
NamespaceScope::enterWithDeclarations(std::string_view name,
                                      std::span<const XmlAttribute> attributes)
{
    const std::size_t depth = m_depth + 1;
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.name == "xmlns") {
            // xmlns="" takes the default namespace away again, as XML allows.
            declare({}, attribute.value, depth);
            continue;
        }
        if (!attribute.name.starts_with(declarationPrefix))
            continue;
        const std::string_view prefix = attribute.name.substr(declarationPrefix.size());
        // Namespaces in XML 1.0 allow no undeclaring of a prefix and no
        // redefining of the two reserved ones.
        if (prefix.empty() || hasColon(prefix) || attribute.value.empty() || prefix == "xmlns" ||
            (prefix == "xml" && attribute.value != xmlNamespace)) {
            forgetDeclarationsFrom(depth);
            return Fault{LoadErrorKind::BadQualifiedName, std::string(attribute.name)};
        }
        declare(prefix, attribute.value, depth);
    }

    std::optional<Fault> fault = checkName(name);
    for (const XmlAttribute& attribute : attributes) {
        if (fault)
            break;
        if (!isDeclaration(attribute.name))
            fault = checkName(attribute.name);
    }
    if (fault) {
        forgetDeclarationsFrom(depth);
        return fault;
    }
    m_depth = depth;
    return std::nullopt;
}

void NamespaceScope::forgetDeclarationsFrom(std::size_t depth)
{
    while (!m_declared.empty() && m_declared.back().depth >= depth) {
        m_bindings[m_declared.back().prefix].pop_back();
        m_declared.pop_back();
    }
}

void NamespaceScope::leave()
{
    if (m_depth == 0)
        return;
    forgetDeclarationsFrom(m_depth);
    --m_depth;
}

} // namespace talpora
