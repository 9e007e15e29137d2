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

// Takes the --accept options (repeatable, "--accept=A,B" too) out of
// `arguments` into `accepted`; the error of a wrong one, or empty.
QString takeAcceptOptions(QStringList& arguments, std::vector<std::string>& accepted)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == u"--accept"_s) {
            if (i + 1 == arguments.size())
                return u"--accept needs a value"_s;
            value = arguments[++i];
        } else if (arguments[i].startsWith(u"--accept="_s)) {
            value = arguments[i].mid(9);
        } else {
            rest.append(arguments[i]);
            continue;
        }
        const QStringList names = value.split(u',', Qt::SkipEmptyParts);
        if (names.isEmpty())
            return u"--accept needs an identifier"_s;
        for (const QString& name : names)
            accepted.push_back(name.trimmed().toStdString());
    }
    arguments = rest;
    return {};
}

} // namespace

int runCheck(const QStringList& arguments, std::FILE* out, std::FILE* err, std::FILE* in)
{
    QStringList targetArguments = arguments;
    std::vector<std::string> accepted;
    if (const QString error = takeAcceptOptions(targetArguments, accepted); !error.isEmpty())
        return wrongCall(err, u"check: "_s + error);
    const ParsedTargetOptions parsed = parseTargetOptions(targetArguments);
    if (!parsed.error.isEmpty())
        return wrongCall(err, u"check: "_s + parsed.error);
    const TargetOptions& options = parsed.options;
    if (options.operands.isEmpty())
        return wrongCall(err, u"check: no file given"_s);
    if (options.operands.count(u"-"_s) > 1)
        return wrongCall(err, u"check: standard input (-) given twice"_s);
    const checker::CheckOptions checkOptions{options.application, options.versions,
                                             std::move(accepted)};
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
