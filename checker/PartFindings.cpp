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
    m_pending.push_back({{m_part,
                          position.line,
                          position.column,
                          severity,
                          kind,
                          std::move(arguments),
                          std::move(hints),
                          {},
                          {},
                          elementAt(position)},
                         {},
                         false});
}

void PartFindings::addUndecided(Severity severity, TextPosition position, FindingKind kind,
                                MessageArguments arguments, std::vector<FindingHint> hints,
                                std::string subject)
{
    if (!wouldShow()) {
        addHidden(severity);
        return;
    }
    add(severity, position, kind, std::move(arguments), std::move(hints));
    m_pending.back().subject = std::move(subject);
    m_pending.back().undecided = true;
    ++m_undecided;
}

void PartFindings::addValueFault(const XmlAttribute& attribute, TextPosition position,
                                 FindingKind kind, MessageArguments arguments)
{
    m_valueFaults.push_back({&attribute,
                             {m_part,
                              position.line,
                              position.column,
                              Severity::Error,
                              kind,
                              std::move(arguments),
                              {},
                              {},
                              {},
                              elementAt(position)}});
}

std::optional<Finding> PartFindings::takeValueFault(const XmlAttribute& attribute)
{
    const auto fault = std::find_if(m_valueFaults.begin(), m_valueFaults.end(),
                                    [&](const auto& entry) { return entry.first == &attribute; });
    if (fault == m_valueFaults.end())
        return std::nullopt;
    Finding taken = std::move(fault->second);
    m_valueFaults.erase(fault);
    return taken;
}

void PartFindings::flush()
{
    for (auto& [attribute, fault] : m_valueFaults)
        add(Severity::Error, {fault.line, fault.column}, fault.kind, std::move(fault.arguments));
    m_valueFaults.clear();
    m_scanning = false;
    if (m_pending.empty())
        return;
    std::stable_sort(m_pending.begin(), m_pending.end(), [](const Entry& a, const Entry& b) {
        return std::pair(a.finding.line, a.finding.column) <
               std::pair(b.finding.line, b.finding.column);
    });
    if (m_undecided == 0) {
        for (Entry& entry : m_pending)
            m_report.add(std::move(entry.finding));
    } else {
        std::move(m_pending.begin(), m_pending.end(), std::back_inserter(m_waiting));
    }
    m_pending.clear();
}

void PartFindings::finish()
{
    flush();
    for (Entry& entry : m_waiting)
        pass(entry);
    m_waiting.clear();
    m_undecided = 0;
}

void PartFindings::pass(Entry& entry)
{
    if (entry.undecided && m_decide)
        m_decide(entry.finding, entry.subject);
    m_report.add(std::move(entry.finding));
}

std::uint32_t PartFindings::elementAt(TextPosition position) const
{
    for (auto open = m_open.rbegin(); open != m_open.rend(); ++open) {
        if (std::pair(open->tagStart.line, open->tagStart.column) <=
            std::pair(position.line, position.column))
            return open->ordinal;
    }
    return m_open.empty() ? 0 : m_open.back().ordinal;
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
