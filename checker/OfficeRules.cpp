#include "checker/OfficeRules.h"

#include "xml/Utf8View.h"

#include <algorithm>
#include <array>

namespace talpora::checker {

namespace {

constexpr std::string_view customUi2006 = "http://schemas.microsoft.com/office/2006/01/customui";
constexpr std::string_view customUi2009 = "http://schemas.microsoft.com/office/2009/07/customui";

// Elements that Office tells apart by their id: tabs, groups and controls.
// Separators, boxes, button groups, items and the Backstage's layout elements
// may go without one.
constexpr std::array<std::string_view, 14> identifiedElements = {
    "tab",      "group",   "button", "toggleButton", "checkBox",    "editBox",      "comboBox",
    "dropDown", "gallery", "menu",   "dynamicMenu",  "splitButton", "labelControl", "control"};
// In the Backstage view only its tabs and groups.
constexpr std::array<std::string_view, 2> identifiedInBackstage = {"tab", "group"};

constexpr std::array<std::string_view, 3> identityAttributes = {"id", "idQ", "idMso"};

template <std::size_t size>
bool contains(const std::array<std::string_view, size>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

void OfficeRules::startElement(const XmlElementStart& element, bool inCustomUi)
{
    ++m_depth;
    const std::string_view localName = localNameOf(element.name);
    const bool inSplitButton = !m_inSplitButton.empty() && m_inSplitButton.back();
    m_inSplitButton.push_back(inCustomUi && localName == "splitButton");
    if (!inCustomUi)
        return;
    if (m_depth == 1) {
        m_loadImage = std::any_of(element.attributes.begin(), element.attributes.end(),
                                  [](const XmlAttribute& a) { return a.name == "loadImage"; });
    }
    if (localName == "backstage" && m_backstageDepth == 0)
        m_backstageDepth = m_depth;
    checkIdentity(element, localName, inSplitButton);
    for (const XmlAttribute& attribute : element.attributes) {
        if (attribute.name == "idQ" || attribute.name == "insertAfterQ" ||
            attribute.name == "insertBeforeQ")
            checkQualified(element, localName, attribute);
        else if (attribute.name == "image")
            checkImage(element, attribute);
    }
}

void OfficeRules::endElement()
{
    if (m_depth == m_backstageDepth)
        m_backstageDepth = 0;
    if (!m_inSplitButton.empty())
        m_inSplitButton.pop_back();
    if (m_depth > 0)
        --m_depth;
}

void OfficeRules::checkIdentity(const XmlElementStart& element, std::string_view localName,
                                bool inSplitButton)
{
    std::array<const XmlAttribute*, identityAttributes.size()> present{};
    std::size_t count = 0;
    bool idQ = false;
    for (const XmlAttribute& attribute : element.attributes) {
        if (contains(identityAttributes, attribute.name) && count < present.size()) {
            present[count++] = &attribute;
            idQ = idQ || attribute.name == "idQ";
        }
    }
    // id beside idMso has its own finding in CustomUiChecker.
    if (count > 1 && idQ) {
        m_sink.add(Severity::Error, m_sink.nameOf(element, *present[1]), FindingKind::TwoIdentities,
                   {fromUtf8View(element.name), fromUtf8View(present[0]->name),
                    fromUtf8View(present[1]->name)});
    }
    // The menu of a split button is a part of it, named by the split button.
    const bool needsOne = m_backstageDepth ? contains(identifiedInBackstage, localName)
                                           : contains(identifiedElements, localName) &&
                                                 !(inSplitButton && localName == "menu");
    if (count == 0 && needsOne)
        m_sink.add(Severity::Error, PartFindings::tagStart(element), FindingKind::NoIdentity,
                   {fromUtf8View(element.name)});
}

void OfficeRules::checkQualified(const XmlElementStart& element, std::string_view localName,
                                 const XmlAttribute& attribute)
{
    const std::size_t colon = attribute.value.find(':');
    if (colon == std::string_view::npos)
        return; // no prefix: the schema's check of the value is all there is
    const std::string_view prefix = attribute.value.substr(0, colon);
    const std::string_view name = attribute.value.substr(colon + 1);
    const std::optional<std::string_view> uri =
        element.namespaces ? element.namespaces->uriOf(prefix) : std::nullopt;
    const TextPosition place = m_sink.valueOf(element, attribute);
    if (!uri) {
        m_sink.add(Severity::Error, place, FindingKind::UndeclaredPrefix,
                   {fromUtf8View(attribute.name), fromUtf8View(prefix)});
        return;
    }
    if (*uri != customUi2006 && *uri != customUi2009)
        return; // an identifier shared between add-ins
    // A separator or a box named in the customUI namespace names no built-in control.
    if (attribute.name == "idQ" && !contains(identifiedElements, localName))
        return;
    if (std::optional<std::vector<FindingHint>> hints = m_identifiers.unknown(name)) {
        // What the schema says of the value is said with the identifier: once.
        if (const std::optional<Finding> fault = m_sink.takeValueFault(attribute);
            fault && fault->kind == FindingKind::ValueNotQualifiedName)
            IdentifierRules::addNotAName(*hints);
        m_sink.add(Severity::Error, place, FindingKind::UnknownIdentifier,
                   {fromUtf8View(attribute.name), fromUtf8View(name)}, std::move(*hints));
        return;
    }
    if (attribute.name != "idQ")
        return;
    if (const std::optional<FindingKind> why = m_identifiers.wrongKind(name, localName))
        m_sink.add(Severity::Warning, place, *why, {fromUtf8View(name)});
}

void OfficeRules::checkImage(const XmlElementStart& element, const XmlAttribute& attribute)
{
    if (!m_imageIds || m_loadImage || m_imageIds->contains(std::string(attribute.value)))
        return;
    m_sink.add(Severity::Error, m_sink.valueOf(element, attribute),
               FindingKind::NoImageRelationship, {fromUtf8View(attribute.value)});
}

} // namespace talpora::checker
