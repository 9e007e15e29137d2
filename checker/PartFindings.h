#pragma once

#include "checker/CheckReport.h"
#include "checker/StartTagScanner.h"
#include "xml/XmlEventReader.h"

#include <QString>
#include <algorithm>
#include <utility>
#include <vector>

namespace talpora::checker {

// Where the checks of one part put their findings, and where in a start tag
// they point. The checks of one start tag report in their own order; the
// findings are held until `flush`, which passes them on in the tag's order.
class PartFindings
{
public:
    PartFindings(CheckReport& report, QString part) : m_report(report), m_part(std::move(part)) {}

    // Each start tag, before its checks report, and each end tag, after the
    // findings of its element were flushed: a finding then names the element
    // whose start tag holds its place.
    void enterElement(TextPosition tagStart) { m_open.push_back({++m_elements, tagStart}); }
    void leaveElement()
    {
        if (!m_open.empty())
            m_open.pop_back();
    }

    void add(Severity severity, TextPosition position, FindingKind kind,
             MessageArguments arguments = {}, std::vector<FindingHint> hints = {})
    {
        m_pending.push_back({m_part,
                             position.line,
                             position.column,
                             severity,
                             kind,
                             std::move(arguments),
                             std::move(hints),
                             {},
                             {},
                             elementAt(position)});
    }
    void flush()
    {
        std::stable_sort(m_pending.begin(), m_pending.end(),
                         [](const Finding& a, const Finding& b) {
                             return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                         });
        for (Finding& finding : m_pending)
            m_report.add(std::move(finding));
        m_pending.clear();
    }

    static TextPosition tagStart(const XmlElementStart& element)
    {
        return {element.line, element.column};
    }
    // The first character of the attribute's name, or of its value.
    static TextPosition nameOf(const XmlElementStart& element, std::string_view attribute)
    {
        const std::optional<AttributePlace> place =
            findAttribute(element.markup, tagStart(element), attribute);
        return place ? place->name : tagStart(element);
    }
    static TextPosition valueOf(const XmlElementStart& element, std::string_view attribute)
    {
        const std::optional<AttributePlace> place =
            findAttribute(element.markup, tagStart(element), attribute);
        return place ? place->value : tagStart(element);
    }

private:
    struct OpenElement
    {
        std::uint32_t ordinal;
        TextPosition tagStart;
    };

    // The innermost open element whose start tag begins at or before the
    // place: the current one for its own attributes, an ancestor for a fault
    // found when the ancestor ends.
    std::uint32_t elementAt(TextPosition position) const
    {
        for (auto open = m_open.rbegin(); open != m_open.rend(); ++open) {
            if (std::pair(open->tagStart.line, open->tagStart.column) <=
                std::pair(position.line, position.column))
                return open->ordinal;
        }
        return m_open.empty() ? 0 : m_open.back().ordinal;
    }

    CheckReport& m_report;
    QString m_part;
    std::vector<Finding> m_pending;
    std::vector<OpenElement> m_open;
    std::uint32_t m_elements = 0;
};

} // namespace talpora::checker
