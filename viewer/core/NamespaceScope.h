#pragma once

#include "XmlEventReader.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace talpora {

// Follows the xmlns:prefix declarations in scope and checks that every
// prefixed element and attribute name uses a declared prefix, as a
// namespace-aware parser would, while names and attributes stay exactly as
// written (a namespace-aware parser would reorder the declarations).
class NamespaceScope
{
public:
    struct Fault
    {
        LoadErrorKind kind; // UnboundPrefix or BadQualifiedName
        std::string detail;
    };

    // Opens an element's scope; on a fault the scope is left as it was.
    std::optional<Fault> enter(std::string_view name, std::span<const XmlAttribute> attributes);
    void leave();

private:
    struct Declaration
    {
        std::string prefix;
        std::size_t depth; // of the element that declares it
    };

    std::optional<Fault> enterWithPrefixes(std::string_view name,
                                           std::span<const XmlAttribute> attributes);
    std::optional<Fault> checkName(std::string_view name) const;
    bool isBound(std::string_view prefix) const;
    void forgetDeclarationsFrom(std::size_t depth);

    std::size_t m_depth = 0;                              // open elements
    std::unordered_map<std::string, unsigned> m_bindings; // prefix -> open declarations
    std::vector<Declaration> m_declared;                  // in declaration order
};

} // namespace talpora
