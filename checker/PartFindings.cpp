#include "checker/PartFindings.h"

#include <algorithm>
#include <utility>

namespace talpora::checker {

void PartFindings::add(Severity severity, TextPosition position, FindingKind kind,
                       MessageArguments arguments, std::vector<FindingHint> hints)
{
    if (!wouldShow()) {
        addHidden(severity);
        return;
    }
    m_pending.push_back({m_part,
                         position.line,
                         position.column,
                         severity,
                         kind,
                         std::move(arguments),
                         std::move(hints),
                         {},
                         {}});
}

void PartFindings::flush()
{
    m_scanning = false;
    std::stable_sort(m_pending.begin(), m_pending.end(), [](const Finding& a, const Finding& b) {
        return std::pair(a.line, a.column) < std::pair(b.line, b.column);
    });
    for (Finding& finding : m_pending)
        m_report.add(std::move(finding));
    m_pending.clear();
}

const AttributePlace* PartFindings::placeOf(const XmlElementStart& element,
                                            const XmlAttribute& attribute)
{
    if (!m_scanning) {
        m_scanner = StartTagScanner(element.markup, tagStart(element));
        m_places.clear();
        m_scanning = true;
    }
    const auto index = static_cast<std::size_t>(&attribute - element.attributes.data());
    for (AttributePlace place; m_places.size() <= index && m_scanner.next(place);)
        m_places.push_back(place);
    if (index < m_places.size() && m_places[index].name == attribute.name)
        return &m_places[index];
    return nullptr;
}

TextPosition PartFindings::nameOf(const XmlElementStart& element, const XmlAttribute& attribute)
{
    const AttributePlace* place = placeOf(element, attribute);
    return place ? place->namePosition : tagStart(element);
}

TextPosition PartFindings::valueOf(const XmlElementStart& element, const XmlAttribute& attribute)
{
    const AttributePlace* place = placeOf(element, attribute);
    return place ? place->valuePosition : tagStart(element);
}

} // namespace talpora::checker
