#pragma once

#include "CheckReport.h"
#include "StartTagScanner.h"
#include "XmlEventReader.h"

#include <QString>

namespace talpora::checker {

// Where the checks of one part put their findings, and where in a start tag
// they point.
class FindingSink
{
public:
    FindingSink(CheckReport& report, QString part) : m_report(report), m_part(std::move(part)) {}

    void add(Severity severity, TextPosition position, QString message)
    {
        m_report.findings.push_back(
            {m_part, position.line, position.column, severity, std::move(message)});
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
};

} // namespace talpora::checker
