#include "NamespaceScope.h"

namespace talpora {

namespace {

constexpr std::string_view declarationPrefix = "xmlns:";

bool isDeclaration(std::string_view attributeName)
{
    return attributeName == "xmlns" || attributeName.starts_with(declarationPrefix);
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
    const std::size_t declaredBefore = m_declared.size();
    for (const XmlAttribute& attribute : attributes) {
        if (!attribute.name.starts_with(declarationPrefix))
            continue;
        const std::string_view prefix = attribute.name.substr(declarationPrefix.size());
        // Namespaces in XML 1.0 allow no undeclaring and no redefining of the
        // two reserved prefixes.
        if (prefix.empty() || prefix.find(':') != std::string_view::npos ||
            attribute.value.empty() || prefix == "xmlns" ||
            (prefix == "xml" && attribute.value != "http://www.w3.org/XML/1998/namespace")) {
            forgetDeclarationsAfter(declaredBefore);
            return Fault{LoadErrorKind::BadQualifiedName, std::string(attribute.name)};
        }
        m_declared.emplace_back(prefix);
        ++m_bindings[m_declared.back()];
    }

    std::optional<Fault> fault = checkName(name);
    for (const XmlAttribute& attribute : attributes) {
        if (fault)
            break;
        if (!isDeclaration(attribute.name))
            fault = checkName(attribute.name);
    }
    if (fault) {
        forgetDeclarationsAfter(declaredBefore);
        return fault;
    }
    m_declaredBefore.push_back(declaredBefore);
    return std::nullopt;
}

void NamespaceScope::forgetDeclarationsAfter(std::size_t count)
{
    while (m_declared.size() > count) {
        --m_bindings[m_declared.back()];
        m_declared.pop_back();
    }
}

void NamespaceScope::leave()
{
    if (m_declaredBefore.empty())
        return;
    const std::size_t declaredBefore = m_declaredBefore.back();
    m_declaredBefore.pop_back();
    forgetDeclarationsAfter(declaredBefore);
}

} // namespace talpora
