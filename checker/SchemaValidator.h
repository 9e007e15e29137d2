#pragma once

#include "checker/CustomUiSchema.h"
#include "checker/PartFindings.h"
#include "xml/XmlEventReader.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace talpora::checker {

// Holds a customUI part to the schema of its namespace, element by element:
// elements of the part's namespace only; children where they may stand (an
// element out of order is named once, not every sibling after it), no more of
// them than allowed and none missing; no text among them; attributes the
// element takes, unprefixed, with values of their types; required attributes;
// and no static attribute beside the callback that replaces it. Follows the
// other customUI namespace alongside, to name it when it has what the part's
// namespace lacks.
class SchemaValidator
{
public:
    explicit SchemaValidator(PartFindings& sink) : m_sink(sink) {}

    // `namespaceUri` is the element's; the root decides the part's schema.
    void startElement(const XmlElementStart& element, std::string_view namespaceUri);
    void endElement();
    void text(const XmlText& text);

    // The schema of the part once its root was read; nullptr when the root is
    // not customUI in one of the two namespaces.
    const schema::Schema* partSchema() const { return m_schema; }

private:
    // What stands in one slot of an element's children.
    struct SlotState
    {
        std::uint32_t count = 0;   // children of the slot, in order or not
        std::uint32_t inOrder = 0; // of them, those that keep the slots' order
        std::string first;         // the first of those, as written
        TextPosition firstPlace{0, 0};
    };

    struct Open
    {
        const schema::ElementType* type = nullptr;   // nullptr: not checked
        const schema::ElementType* shadow = nullptr; // the same place in the other namespace
        std::string name;
        TextPosition place{0, 0};
        std::size_t slot = 0;      // of the last child that kept the order
        std::size_t firstSlot = 0; // its slots' states in m_slots
        bool saidTooMany = false;  // one finding a parent, not one per extra child
        bool saidText = false;     // of the text since the last tag
    };

    // Of an element type's attributes, by their index: the required ones, and
    // each static one with the callback that replaces it.
    struct TypeRules
    {
        std::vector<std::size_t> required;
        std::vector<std::pair<std::size_t, std::size_t>> pairs;
    };

    const TypeRules& rulesOf(const schema::ElementType& type);
    void startRoot(const XmlElementStart& element, std::string_view namespaceUri);
    void startChild(const XmlElementStart& element, std::string_view namespaceUri, Open& parent);
    const schema::ElementType* acceptChild(const XmlElementStart& element, Open& parent);
    bool takeSlot(const XmlElementStart& element, Open& parent, std::size_t slot);
    void refuseUnknownChild(const XmlElementStart& element, Open& parent);
    Open opened(const XmlElementStart& element, const schema::ElementType* type,
                const schema::ElementType* shadow);
    SlotState& stateOf(const Open& open, std::size_t slot)
    {
        return m_slots[open.firstSlot + slot];
    }
    std::size_t slotCount(const Open& open) const
    {
        return open.type ? open.type->childSlots.size() : 0;
    }
    void checkAttributes(const XmlElementStart& element, const Open& open);
    void checkPrefixedAttribute(const XmlElementStart& element, const XmlAttribute& attribute,
                                const Open& open);
    void checkUnknownAttribute(const XmlElementStart& element, const XmlAttribute& attribute,
                               const Open& open);
    void checkValue(const XmlElementStart& element, const XmlAttribute& attribute,
                    const schema::AttributeRule& rule);
    void checkChildrenComplete(const Open& open);

    PartFindings& m_sink;
    const schema::Schema* m_schema = nullptr;
    const schema::Schema* m_otherSchema = nullptr;
    std::size_t m_depth = 0;
    std::vector<Open> m_open; // once the root was accepted
    // The slots of the open elements' types, back to back: one block for all
    // elements, not one each.
    std::vector<SlotState> m_slots;
    // Per attribute of the current element's type, the element's attribute
    // of that name, if it has one.
    std::vector<const XmlAttribute*> m_present;
    std::unordered_map<const schema::ElementType*, TypeRules> m_typeRules;
};

} // namespace talpora::checker
