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
                             {}});
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
    CheckReport& m_report;
    QString m_part;
    std::vector<Finding> m_pending;
};

} // namespace talpora::checker
