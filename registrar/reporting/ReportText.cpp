#include "registrar/reporting/ReportText.h"

#include "registrar/core/RegistrationTexts.h"

#include <QCoreApplication>
#include <initializer_list>

namespace quillet {

namespace {

// What each kind of report says; "%1", "%2" and "%3" stand for its arguments.
const char* format(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Registered:
        //: %1 is a file name
        return QT_TRANSLATE_NOOP("Quillet", "Registered %1.");
    case ReportKind::RegistrationFailed:
        //: %1 is a file name, %2 the registration tool (Regsvr32), %3 its exit code
        return QT_TRANSLATE_NOOP("Quillet", "Registering %1 failed (%2 exit code %3).");
    case ReportKind::RegistrationTimedOut:
        //: %1 is a file name, %2 the registration tool (Regsvr32), %3 a number of seconds
        return QT_TRANSLATE_NOOP(
            "Quillet", "Registering %1 failed (%2 did not end within %3 seconds and was ended).");
    case ReportKind::ToolUnavailable:
        //: %1 is the registration tool (Regsvr32), %2 the system's reason
        return QT_TRANSLATE_NOOP("Quillet", "Cannot start the registration tool %1: %2");
    case ReportKind::FolderUnreadable:
        //: %1 is a folder, %2 the system's reason
        return QT_TRANSLATE_NOOP("Quillet", "Cannot read the folder %1: %2");
    case ReportKind::Usage:
        return "";
    }
    return "";
}

// Puts the arguments in place of "%1" to "%9" in one pass, so that a name
// holding "%2" stays as it is, and leaves the bytes of every argument alone.
std::string filledIn(const std::string& text, std::initializer_list<std::string> arguments)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (text[i] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
            filled += arguments.begin()[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace

std::string reportText(const Report& report)
{
    if (report.kind == ReportKind::Usage)
        return usageText();
    const std::string text =
        QCoreApplication::translate("Quillet", format(report.kind)).toStdString();
    switch (report.kind) {
    case ReportKind::Registered:
        return filledIn(text, {visibleName(report.subject)});
    case ReportKind::RegistrationFailed:
        return filledIn(
            text, {visibleName(report.subject), registrationTool, std::to_string(report.exitCode)});
    case ReportKind::RegistrationTimedOut:
        return filledIn(text, {visibleName(report.subject), registrationTool,
                               std::to_string(toolTimeLimitSeconds)});
    case ReportKind::ToolUnavailable:
        return filledIn(text, {registrationTool, report.reason});
    case ReportKind::FolderUnreadable:
        return filledIn(text, {visibleName(report.subject), report.reason});
    case ReportKind::Usage:
        break;
    }
    return text;
}

} // namespace quillet
