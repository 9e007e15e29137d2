#include "CheckCommand.h"

#include "CliOutput.h"
#include "FileChecker.h"
#include "IdentifierIndex.h"
#include "TargetOptions.h"

#include <new>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

constexpr char checkUsage[] =
    "usage: talpora-cli check <customUI file | Office document> "
    "[--app access|excel|powerpoint|word] [--version 2013|2016|2019|365]\n";

// Prints each finding the moment it is found: nothing piles up in memory.
class PrintingSink : public checker::FindingSink
{
public:
    PrintingSink(const QString& file, std::FILE* out, std::FILE* err)
        : m_file(file), m_out(out), m_err(err)
    {}

    void found(const checker::Finding& finding) override
    {
        writeLine(m_out, checker::formatFinding(m_file, finding));
    }
    void noted(const QString& note) override
    {
        writeLine(m_err, u"talpora-cli: %1: %2"_s.arg(checker::escapedControls(m_file), note));
    }

private:
    const QString& m_file;
    std::FILE* m_out;
    std::FILE* m_err;
};

} // namespace

int runCheck(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    const std::optional<TargetOptions> options = parseTargetOptions(arguments);
    if (!options) {
        std::fputs(checkUsage, err);
        return 2;
    }
    const QString& file = options->operand;
    PrintingSink sink(file, out, err);
    checker::CheckReport report(sink);
    try {
        checker::checkFile(file, {options->application, options->versions},
                           catalogue::IdentifierIndex::builtIn(), report);
    } catch (const std::bad_alloc&) {
        std::fflush(out);
        // Nothing is allocated on the way out: the message is plain bytes.
        std::fputs("talpora-cli: out of memory while checking the file; the findings printed "
                   "so far are incomplete\n",
                   err);
        return 2;
    }
    return report.exitStatus();
}

} // namespace talpora::cli
