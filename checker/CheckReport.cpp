#include "checker/CheckReport.h"

namespace talpora::checker {

CheckReport::CheckReport(FindingSink& sink, std::size_t perPartLimit)
    : m_sink(sink), m_perPartLimit(perPartLimit)
{}

void CheckReport::enterPart(const QString& part)
{
    if (part != m_part) {
        endPart();
        m_part = part;
    }
}

void CheckReport::add(Finding finding)
{
    if (finding.severity == Severity::Error)
        m_hasErrors = true;
    enterPart(finding.part);
    if (m_shown == m_perPartLimit) {
        ++m_hidden;
        return;
    }
    ++m_shown;
    m_sink.found(finding);
}

void CheckReport::addHidden(const QString& part, Severity severity)
{
    if (severity == Severity::Error)
        m_hasErrors = true;
    enterPart(part);
    ++m_hidden;
}

std::size_t CheckReport::showable(const QString& part) const
{
    return part != m_part ? m_perPartLimit : m_perPartLimit - m_shown;
}

void CheckReport::addUnreadable(Finding finding)
{
    m_unreadable = true;
    add(std::move(finding));
}

void CheckReport::addNote(Note note)
{
    m_sink.noted(note);
}

void CheckReport::endPart()
{
    if (m_hidden > 0) {
        const auto more = static_cast<long long>(m_hidden);
        const auto limit = static_cast<long long>(m_perPartLimit);
        addNote(m_part.isEmpty() ? Note{NoteKind::MoreInFile, {more, limit}}
                                 : Note{NoteKind::MoreInPart, {more, m_part, limit}});
    }
    m_shown = 0;
    m_hidden = 0;
}

void CheckReport::replay(const CollectingSink& held, const CheckReport& heldReport)
{
    for (const Finding& finding : held.findings)
        m_sink.found(finding);
    for (const Note& note : held.notes)
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

} // namespace talpora::checker
