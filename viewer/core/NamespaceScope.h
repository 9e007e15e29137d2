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
    std::optional<Fault> checkName(std::string_view name) const;
    bool isBound(std::string_view prefix) const;
    void forgetDeclarationsAfter(std::size_t count);

    std::unordered_map<std::string, unsigned> m_bindings; // prefix -> open declarations
    std::vector<std::string> m_declared;                  // in declaration order
    std::vector<std::size_t> m_declaredBefore;            // m_declared's size per open element
};

} // namespace talpora
