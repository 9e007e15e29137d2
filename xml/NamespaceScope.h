#pragma once

#include "xml/LoadError.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace talpora {

struct XmlAttribute;

// The namespace declarations in scope while a document is read: checks that
// every prefixed element and attribute name uses a declared prefix, as a
// namespace-aware parser would, and tells which namespace a prefix is bound
// to, while names and attributes stay exactly as written (a namespace-aware
// parser would reorder the declarations). It is the reader's, and the one
// place where a document's namespaces are resolved.
class NamespaceScope
{
public:
    static constexpr std::string_view xmlNamespace = "http://www.w3.org/XML/1998/namespace";

    struct Fault
    {
        LoadErrorKind kind; // UnboundPrefix or BadQualifiedName
        std::string detail;
    };

    // Opens an element's scope; on a fault the scope is left as it was.
    std::optional<Fault> enter(std::string_view name, std::span<const XmlAttribute> attributes);
    void leave();

    // The namespace bound to `prefix` in the innermost open element: "" asks
    // for the default namespace, which is "" when none is declared; "xml" is
    // always bound. nullopt when the prefix is not declared.
    std::optional<std::string_view> uriOf(std::string_view prefix) const;
    // The namespace of a name as written ("x:group" or "group"); "" when the
    // name is in no namespace or its prefix is not declared.
    std::string_view uriOfName(std::string_view qualifiedName) const;

private:
    struct Declaration
    {
        std::string prefix;
        std::size_t depth; // of the element that declares it
    };

    std::optional<Fault> enterWithDeclarations(std::string_view name,
                                               std::span<const XmlAttribute> attributes);
    std::optional<Fault> checkName(std::string_view name) const;
    void declare(std::string_view prefix, std::string_view uri, std::size_t depth);
    void forgetDeclarationsFrom(std::size_t depth);

    std::size_t m_depth = 0; // open elements
    // prefix ("" for the default namespace) -> the URIs declared for it in the
    // open elements, innermost last; a lookup is one hash, however deep.
    std::unordered_map<std::string, std::vector<std::string>> m_bindings;
    std::vector<Declaration> m_declared; // in declaration order
};

// "x" of "x:name"; empty without a prefix.
inline std::string_view prefixOf(std::string_view qualifiedName)
{
    const std::size_t colon = qualifiedName.find(':');
    return colon == std::string_view::npos ? std::string_view() : qualifiedName.substr(0, colon);
}

} // namespace talpora
