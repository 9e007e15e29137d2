#include "cli/CheckCommand.h"

#include "catalogue/IdentifierIndex.h"
#include "checker/FileChecker.h"
#include "checker/FindingTexts.h"
#include "cli/CliOutput.h"
#include "cli/TargetOptions.h"

#include <algorithm>
#include <new>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

// Prints each finding and note the moment it is found, all on standard
// output: nothing piles up in memory.
class PrintingSink : public checker::FindingSink
{
public:
    PrintingSink(const QString& file, std::FILE* out) : m_file(file), m_out(out) {}

    void found(const checker::Finding& finding) override
    {
        writeLine(m_out, checker::formatFinding(m_file, finding));
    }
    void noted(const checker::Note& note) override
    {
        writeLine(m_out, checker::formatNote(m_file, note));
    }

private:
    const QString& m_file;
    std::FILE* m_out;
};

void checkStandardInput(const checker::CheckOptions& options, std::FILE* in,
                        checker::CheckReport& report)
{
    const catalogue::IdentifierIndex& index = catalogue::IdentifierIndex::builtIn();
    QByteArray bytes;
    if (!readAll(in, bytes)) {
        checker::Finding unreadable;
        unreadable.kind = checker::FindingKind::InputUnreadable;
        report.addUnreadable(std::move(unreadable));
        return;
    }
    checker::checkBytes(bytes, standardInputName(), options, index, report);
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
        const QString name = standardInput ? standardInputName() : file;
        PrintingSink sink(name, out);
        checker::CheckReport report(sink);
        try {
            if (standardInput)
                checkStandardInput(checkOptions, in, report);
            else
                checker::checkFile(file, checkOptions, catalogue::IdentifierIndex::builtIn(),
                                   report);
        } catch (const std::bad_alloc&) {
            std::fflush(out);
            // Nothing is allocated on the way out: the message is plain bytes.
            std::fputs("talpora-cli: out of memory while checking the file; the findings printed "
                       "so far are incomplete\n",
                       err);
            return 2;
        }
        status = std::max(status, report.exitStatus());
    }
    return status;
}

} // namespace talpora::cli
