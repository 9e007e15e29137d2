#include "CheckReport.h"

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

} // namespace

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

int CheckReport::exitStatus() const
{
    if (m_unreadable)
        return 2;
    return m_hasErrors ? 1 : 0;
}

QString escapedControls(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && !needsEscape(text[first].unicode()))
        ++first;
    if (first == text.size())
        return text;
    QString escaped = text.left(first);
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!needsEscape(c))
            escaped += QChar(c);
        else if (c == u'\n')
            escaped += u"\\n"_s;
        else if (c == u'\r')
            escaped += u"\\r"_s;
        else if (c == u'\t')
            escaped += u"\\t"_s;
        else if (c > 0xff)
            escaped += u"\\u%1"_s.arg(int(c), 4, 16, QChar(u'0'));
        else
            escaped += u"\\x%1"_s.arg(int(c), 2, 16, QChar(u'0'));
    }
    return escaped;
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
