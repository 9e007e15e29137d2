#include "checker/CheckReport.h"

using namespace Qt::StringLiterals;

namespace talpora::checker {

CheckReport::CheckReport(FindingSink& sink, std::size_t perPartLimit)
    : m_sink(sink), m_perPartLimit(perPartLimit)
{}

void CheckReport::add(Finding finding)
{
    if (finding.severity == Severity::Error)
        m_hasErrors = true;
    if (finding.part != m_part) {
        endPart();
        m_part = finding.part;
    }
    if (++m_partFindings > m_perPartLimit)
        return;
    finding.part = escapedControls(finding.part);
    finding.message = escapedControls(finding.message);
    m_sink.found(finding);
}

bool CheckReport::wouldShow(const QString& part) const
{
    return part != m_part || m_partFindings < m_perPartLimit;
}

void CheckReport::addUnreadable(Finding finding)
{
    m_unreadable = true;
    add(std::move(finding));
}

void CheckReport::addNote(const QString& note)
{
    m_sink.noted(escapedControls(note));
}

void CheckReport::endPart()
{
    if (m_partFindings > m_perPartLimit) {
        const QString where = m_part.isEmpty() ? u"the file"_s : escapedControls(m_part);
        addNote(u"%1 more findings in %2 not shown (at most %3 a part)"_s
                    .arg(m_partFindings - m_perPartLimit)
                    .arg(where)
                    .arg(m_perPartLimit));
    }
    m_partFindings = 0;
}

void CheckReport::replay(const CollectingSink& held, const CheckReport& heldReport)
{
    for (const Finding& finding : held.findings)
        m_sink.found(finding);
    for (const QString& note : held.notes)
        m_sink.noted(note);
    m_hasErrors = m_hasErrors || heldReport.m_hasErrors;
    m_unreadable = m_unreadable || heldReport.m_unreadable;
}

int CheckReport::exitStatus() const
{
    if (m_unreadable)
        return 2;
    return m_hasErrors ? 1 : 0;
}

QString formatFinding(const QString& file, const Finding& finding)
{
    QString text = escapedControls(file);
    if (!finding.part.isEmpty())
        text += u'!' + escapedControls(finding.part);
    if (finding.line > 0)
        text += u":%1:%2"_s.arg(finding.line).arg(finding.column);
    text += finding.severity == Severity::Error ? u": error: "_s : u": warning: "_s;
    return text + escapedControls(finding.message);
}

} // namespace talpora::checker
