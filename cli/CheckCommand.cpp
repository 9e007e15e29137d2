#include "CheckCommand.h"

#include "CliOutput.h"
#include "FileChecker.h"
#include "IdentifierIndex.h"
#include "TargetOptions.h"

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

constexpr char checkUsage[] =
    "usage: talpora-cli check <customUI file | Office document> "
    "[--app access|excel|powerpoint|word|outlook|onenote|project|publisher|visio|infopath|"
    "sharepointdesigner] [--version 2013|2016|2019|365]\n";

} // namespace

int runCheck(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    const std::optional<TargetOptions> options = parseTargetOptions(arguments);
    if (!options) {
        std::fputs(checkUsage, err);
        return 2;
    }
    const QString& file = options->operand;
    const checker::CheckReport report = checker::checkFile(
        file, {options->application, options->versions}, catalogue::IdentifierIndex::builtIn());
    for (const checker::Finding& finding : report.findings)
        writeLine(out, checker::formatFinding(file, finding));
    for (const QString& note : report.notes)
        writeLine(err, u"talpora-cli: %1: %2"_s.arg(file, note));
    return report.exitStatus();
}

} // namespace talpora::cli
