#pragma once

#include "checker/CheckReport.h"
#include "checker/StartTagScanner.h"
#include "xml/XmlEventReader.h"

#include <QString>
#include <vector>

namespace talpora::checker {

// Where the checks of one part put their findings, and where in a start tag
// they point. The checks of one start tag report in their own order; the
// findings are held until `flush`, which passes them on in the tag's order.
// Past the part's limit of shown findings, findings are only counted.
class PartFindings
{
public:
    PartFindings(CheckReport& report, QString part) : m_report(report), m_part(std::move(part)) {}

    // False once a finding added now would only be counted: the caller may
    // leave out the work of wording it and call addHidden instead.
    bool wouldShow() const { return m_report.showable(m_part) > m_pending.size(); }
    void add(Severity severity, TextPosition position, FindingKind kind,
             MessageArguments arguments = {}, std::vector<FindingHint> hints = {});
    void addHidden(Severity severity) { m_report.addHidden(m_part, severity); }

    // The start tag is done: its findings go on in the order of their places.
    void flush();

    static TextPosition tagStart(const XmlElementStart& element)
    {
        return {element.line, element.column};
    }
    // The first character of the attribute's name, or of its value; the tag's
    // "<" when the markup does not show it. `attribute` is one of
    // `element.attributes`. The tag is scanned once, whatever the number of
    // attributes asked about, until `flush`.
    TextPosition nameOf(const XmlElementStart& element, const XmlAttribute& attribute);
    TextPosition valueOf(const XmlElementStart& element, const XmlAttribute& attribute);

private:
    const AttributePlace* placeOf(const XmlElementStart& element, const XmlAttribute& attribute);

    CheckReport& m_report;
    QString m_part;
    std::vector<Finding> m_pending; // of the current start tag
    // The current start tag's attributes as far as they were asked about.
    StartTagScanner m_scanner;
    std::vector<AttributePlace> m_places;
    bool m_scanning = false; // m_scanner walks the current start tag
};

} // namespace talpora::checker
