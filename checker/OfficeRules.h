#pragma once

#include "checker/IdentifierRules.h"
#include "checker/PartFindings.h"
#include "xml/XmlEventReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace talpora::checker {

// The rules Office holds a customUI part to beyond its schema: one of id, idQ
// and idMso on tabs, groups and controls (never two); idQ, insertAfterQ and
// insertBeforeQ resolved through the namespace declarations, a built-in
// identifier when the prefix names a customUI namespace; and, in a package,
// an image relationship for every image="..." unless the root has loadImage.
class OfficeRules
{
public:
    OfficeRules(IdentifierRules& identifiers, PartFindings& sink)
        : m_identifiers(identifiers), m_sink(sink)
    {}

    // The ids of the image relationships of the part; without them (a file
    // on its own) image="..." is not checked.
    void setImageRelationships(std::unordered_set<std::string> ids) { m_imageIds = std::move(ids); }

    // `inCustomUi`: the element is in the part's customUI namespace.
    void startElement(const XmlElementStart& element, bool inCustomUi);
    void endElement();

private:
    void checkIdentity(const XmlElementStart& element, std::string_view localName,
                       bool inSplitButton);
    void checkQualified(const XmlElementStart& element, std::string_view localName,
                        const XmlAttribute& attribute);
    void checkImage(const XmlElementStart& element, const XmlAttribute& attribute);

    IdentifierRules& m_identifiers;
    PartFindings& m_sink;
    std::optional<std::unordered_set<std::string>> m_imageIds;
    bool m_loadImage = false;
    std::size_t m_depth = 0;
    std::size_t m_backstageDepth = 0;  // of the open backstage element; 0 outside
    std::vector<bool> m_inSplitButton; // per open element: it is a splitButton
};

} // namespace talpora::checker
