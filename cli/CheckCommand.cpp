#include "CheckCommand.h"

#include "CliOutput.h"
#include "FileChecker.h"
#include "IdentifierIndex.h"
#include "TargetOptions.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

checker::CheckReport checkStandardInput(const checker::CheckOptions& options, std::FILE* in)
{
    const catalogue::IdentifierIndex& index = catalogue::IdentifierIndex::builtIn();
    QByteArray bytes;
    if (!readAll(in, bytes)) {
        checker::CheckReport report;
        report.unreadable = true;
        report.findings.push_back({{}, 0, 0, checker::Severity::Error, u"cannot read"_s});
        return report;
    }
    if (bytes.startsWith("PK\x03\x04"))
        return checker::checkPackageBytes(bytes, standardInputName(), options, index);
    return checker::checkXmlBytes(bytes, options, index);
}

} // namespace

int runCheck(const QStringList& arguments, std::FILE* out, std::FILE* err, std::FILE* in)
{
    const ParsedTargetOptions parsed = parseTargetOptions(arguments);
    if (!parsed.error.isEmpty())
        return wrongCall(err, u"check: "_s + parsed.error);
    const TargetOptions& options = parsed.options;
    if (options.operands.isEmpty())
        return wrongCall(err, u"check: no file given"_s);
    if (options.operands.count(u"-"_s) > 1)
        return wrongCall(err, u"check: standard input (-) given twice"_s);
    const checker::CheckOptions checkOptions{options.application, options.versions};
    int status = 0;
    for (const QString& file : options.operands) {
        const bool standardInput = isStandardInput(file);
        const checker::CheckReport report =
            standardInput
                ? checkStandardInput(checkOptions, in)
                : checker::checkFile(file, checkOptions, catalogue::IdentifierIndex::builtIn());
        const QString name = standardInput ? standardInputName() : file;
        for (const checker::Finding& finding : report.findings)
            writeLine(out, checker::formatFinding(name, finding));
        for (const QString& note : report.notes)
            writeLine(out, u"%1: note: %2"_s.arg(name, note));
        status = std::max(status, report.exitStatus());
    }
    return status;
}

} // namespace talpora::cli
