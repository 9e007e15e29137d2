#pragma once

#include "XmlEventReader.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talpora::checker {

// The namespace declarations in scope while a document is read, to tell which
// namespace an element or a qualified attribute value ("mso:TabHome") is in.
class NamespaceBindings
{
public:
    // Takes the xmlns declarations of an element that opens.
    void enter(std::span<const XmlAttribute> attributes);
    void leave();

    // The namespace bound to `prefix` ("" for the default namespace, which is
    // "" when none is declared); nullopt when the prefix is not declared.
    std::optional<std::string_view> namespaceOf(std::string_view prefix) const;
    // The namespace of an element named as written ("x:group" or "group").
    std::string_view namespaceOfElement(std::string_view qualifiedName) const;

private:
    struct Binding
    {
        std::string prefix;
        std::string uri;
        std::size_t depth;
    };

    std::vector<Binding> m_bindings; // innermost last
    std::size_t m_depth = 0;
};

// "x" of "x:name"; empty without a prefix.
std::string_view prefixOf(std::string_view qualifiedName);

} // namespace talpora::checker
