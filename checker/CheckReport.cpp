#include "CheckReport.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace talpora::checker {

bool CheckReport::hasErrors() const
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& finding) { return finding.severity == Severity::Error; });
}

int CheckReport::exitStatus() const
{
    if (unreadable)
        return 2;
    return hasErrors() ? 1 : 0;
}

QString formatFinding(const QString& file, const Finding& finding)
{
    QString text = file;
    if (!finding.part.isEmpty())
        text += u'!' + finding.part;
    if (finding.line > 0)
        text += u":%1:%2"_s.arg(finding.line).arg(finding.column);
    text += finding.severity == Severity::Error ? u": error: "_s : u": warning: "_s;
    return text + finding.message;
}

} // namespace talpora::checker
