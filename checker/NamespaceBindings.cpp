#include "NamespaceBindings.h"

namespace talpora::checker {

std::string_view prefixOf(std::string_view qualifiedName)
{
    const std::size_t colon = qualifiedName.find(':');
    return colon == std::string_view::npos ? std::string_view() : qualifiedName.substr(0, colon);
}

void NamespaceBindings::enter(std::span<const XmlAttribute> attributes)
{
    ++m_depth;
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.name == "xmlns")
            m_bindings.push_back({{}, std::string(attribute.value), m_depth});
        else if (attribute.name.starts_with("xmlns:"))
            m_bindings.push_back(
                {std::string(attribute.name.substr(6)), std::string(attribute.value), m_depth});
    }
}

void NamespaceBindings::leave()
{
    while (!m_bindings.empty() && m_bindings.back().depth == m_depth)
        m_bindings.pop_back();
    if (m_depth > 0)
        --m_depth;
}

std::optional<std::string_view> NamespaceBindings::namespaceOf(std::string_view prefix) const
{
    for (auto binding = m_bindings.rbegin(); binding != m_bindings.rend(); ++binding) {
        if (binding->prefix == prefix)
            return binding->uri;
    }
    if (prefix.empty())
        return std::string_view();
    if (prefix == "xml")
        return "http://www.w3.org/XML/1998/namespace";
    return std::nullopt;
}

std::string_view NamespaceBindings::namespaceOfElement(std::string_view qualifiedName) const
{
    // The reader refuses undeclared prefixes, so a name always resolves.
    return namespaceOf(prefixOf(qualifiedName)).value_or(std::string_view());
}

} // namespace talpora::checker
