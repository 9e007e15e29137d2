#pragma once

#include "checker/CustomUiSchema.h"
#include "checker/PartFindings.h"
#include "xml/XmlEventReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace talpora::checker {

// Holds a customUI part to the schema of its namespace, element by element:
// children where they may stand and no more of them than allowed, attributes
// the element takes, values of their types, required attributes, and no
// static attribute beside the callback that replaces it. Follows the other
// customUI namespace alongside, to name it when it has what the part's
// namespace lacks.
class SchemaValidator
{
public:
    explicit SchemaValidator(PartFindings& sink) : m_sink(sink) {}

    // `namespaceUri` is the element's; the root decides the part's schema.
    void startElement(const XmlElementStart& element, std::string_view namespaceUri);
    void endElement();

    // The schema of the part once its root was read; nullptr when the root is
    // not customUI in one of the two namespaces.
    const schema::Schema* partSchema() const { return m_schema; }

private:
    struct Open
    {
        const schema::ElementType* type = nullptr;   // nullptr: not checked
        const schema::ElementType* shadow = nullptr; // the same place in the other namespace
        std::string name;
        TextPosition place{0, 0};
        std::size_t slot = 0;
        std::uint32_t count = 0;           // in `slot`
        std::vector<std::uint32_t> counts; // per slot, for a type whose slots come in any order
        bool saidTooMany = false;          // one finding a parent, not one per extra child
    };

    void startRoot(const XmlElementStart& element, std::string_view namespaceUri);
    void startChild(const XmlElementStart& element, std::string_view namespaceUri, Open& parent);
    const schema::ElementType* acceptChild(const XmlElementStart& element, Open& parent);
    void refuseChild(const XmlElementStart& element, Open& parent, bool tooMany,
                     std::uint32_t limit, bool outOfPlace);
    void checkAttributes(const XmlElementStart& element, const Open& open);
    void checkValue(const XmlElementStart& element, const XmlAttribute& attribute,
                    const schema::AttributeRule& rule);
    void checkChildrenComplete(const Open& open);
    NameList mayStandHere(const Open& parent) const;

    PartFindings& m_sink;
    const schema::Schema* m_schema = nullptr;
    const schema::Schema* m_otherSchema = nullptr;
    std::size_t m_depth = 0;
    std::vector<Open> m_open; // once the root was accepted
    // Per attribute of the current element's type, the element's attribute
    // of that name, if it has one.
    std::vector<const XmlAttribute*> m_present;
};

} // namespace talpora::checker
