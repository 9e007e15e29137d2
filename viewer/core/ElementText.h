#pragma once

#include <QString>
#include <pugixml.hpp>
#include <string>

namespace talpora {

// "<name a="v" b="w">": the start tag written out with every attribute in
// document order (namespace declarations included), values as parsed, never
// escaped again, and no "/" even for an empty element.
QString ElementText(pugi::xml_node element);

// The same text appended as UTF-8 to `out`; the search builds it this way to
// avoid an allocation per node.
void appendElementText(std::string& out, pugi::xml_node element);

// "name|idMso" for a node below the root ("name|" when there is no idMso);
// the bare element name for the root.
QString elementTag(pugi::xml_node element, bool isRoot);

// The name of the first attribute that `element` names twice, or nullptr when
// every name is unique (XML forbids repeats; the parser lets them through).
const char* repeatedAttributeName(pugi::xml_node element);

} // namespace talpora
