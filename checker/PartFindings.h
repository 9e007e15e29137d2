#pragma once

#include "checker/CheckReport.h"
#include "checker/StartTagScanner.h"
#include "xml/XmlEventReader.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace talpora::checker {

// Where the checks of one part put their findings, and where in a start tag
// they point. The checks of one start tag report in their own order; the
// findings are held until `flush`, which passes them on in the tag's order.
//
// A finding the rest of the part may still change (an identifier that a
// later element may turn out to define) is undecided: it and every finding
// after it wait until `finish`, so the order stays that of the text. What
// waits is bounded by the part's limit of shown findings; past it findings
// are only counted.
class PartFindings
{
public:
    // Rewrites an undecided finding once the part is read; `subject` is what
    // it was added with.
    using Decision = std::function<void(Finding& finding, const std::string& subject)>;

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

    void setDecision(Decision decide) { m_decide = std::move(decide); }

    // False once a finding added now would only be counted: the caller may
    // leave out the work of wording it and call addHidden instead.
    bool wouldShow() const
    {
        return m_report.showable(m_part) > m_pending.size() + m_waiting.size();
    }
    void add(Severity severity, TextPosition position, FindingKind kind,
             MessageArguments arguments = {}, std::vector<FindingHint> hints = {});
    void addUndecided(Severity severity, TextPosition position, FindingKind kind,
                      MessageArguments arguments, std::vector<FindingHint> hints,
                      std::string subject);
    void addHidden(Severity severity) { m_report.addHidden(m_part, severity); }
    // A value outside its attribute's type, which another check of the same
    // start tag may word together with what it finds about the value, as one
    // finding (takeValueFault); at flush, one not taken is added as it is.
    void addValueFault(const XmlAttribute& attribute, TextPosition position, FindingKind kind,
                       MessageArguments arguments);
    std::optional<Finding> takeValueFault(const XmlAttribute& attribute);

    // The start tag is done: its findings go on in the order of their places.
    void flush();
    // The part is done (or cannot be read further): undecided findings are
    // decided and everything waiting goes on.
    void finish();

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
    struct OpenElement
    {
        std::uint32_t ordinal;
        TextPosition tagStart;
    };

    // The innermost open element whose start tag begins at or before the
    // place: the current one for its own attributes, an ancestor for a fault
    // found when the ancestor ends.
    std::uint32_t elementAt(TextPosition position) const;

    struct Entry
    {
        Finding finding;
        std::string subject;
        bool undecided = false;
    };

    const AttributePlace* placeOf(const XmlElementStart& element, const XmlAttribute& attribute);
    void pass(Entry& entry);

    CheckReport& m_report;
    QString m_part;
    Decision m_decide;
    std::vector<Entry> m_pending; // of the current start tag
    std::deque<Entry> m_waiting;  // behind an undecided finding
    std::size_t m_undecided = 0;  // among m_pending and m_waiting
    // The current start tag's attributes as far as they were asked about.
    StartTagScanner m_scanner;
    std::vector<AttributePlace> m_places;
    std::vector<std::pair<const XmlAttribute*, Finding>> m_valueFaults; // of the current start tag
    bool m_scanning = false; // m_scanner walks the current start tag
    std::vector<OpenElement> m_open;
    std::uint32_t m_elements = 0;
};

} // namespace talpora::checker
