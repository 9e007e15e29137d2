#include "NamespaceScope.h"

namespace talpora {

namespace {

constexpr std::string_view declarationPrefix = "xmlns:";

bool hasColon(std::string_view name)
{
    return name.find(':') != std::string_view::npos;
}

} // namespace

bool NamespaceScope::isBound(std::string_view prefix) const
{
    if (prefix == "xml")
        return true;
    const auto found = m_bindings.find(std::string(prefix));
    return found != m_bindings.end() && found->second > 0;
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
    if (!isBound(prefix))
        return Fault{LoadErrorKind::UnboundPrefix, std::string(prefix)};
    return std::nullopt;
}

std::optional<NamespaceScope::Fault> NamespaceScope::enter(std::string_view name,
                                                           std::span<const XmlAttribute> attributes)
{
    // Most documents use no prefix at all: nothing to check or declare.
    bool prefixed = hasColon(name);
    for (const XmlAttribute& attribute : attributes)
        prefixed = prefixed || hasColon(attribute.name);
    if (prefixed)
        return enterWithPrefixes(name, attributes);
    ++m_depth;
    return std::nullopt;
}

std::optional<NamespaceScope::Fault>
NamespaceScope::enterWithPrefixes(std::string_view name, std::span<const XmlAttribute> attributes)
{
    const std::size_t depth = m_depth + 1;
    for (const XmlAttribute& attribute : attributes) {
        if (!attribute.name.starts_with(declarationPrefix))
            continue;
        const std::string_view prefix = attribute.name.substr(declarationPrefix.size());
        // Namespaces in XML 1.0 allow no undeclaring and no redefining of the
        // two reserved prefixes.
        if (prefix.empty() || hasColon(prefix) || attribute.value.empty() || prefix == "xmlns" ||
            (prefix == "xml" && attribute.value != "http://www.w3.org/XML/1998/namespace")) {
            forgetDeclarationsFrom(depth);
            return Fault{LoadErrorKind::BadQualifiedName, std::string(attribute.name)};
        }
        m_declared.push_back({std::string(prefix), depth});
        ++m_bindings[m_declared.back().prefix];
    }

    std::optional<Fault> fault = checkName(name);
    for (const XmlAttribute& attribute : attributes) {
        if (fault)
            break;
        if (!attribute.name.starts_with(declarationPrefix))
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
        --m_bindings[m_declared.back().prefix];
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
