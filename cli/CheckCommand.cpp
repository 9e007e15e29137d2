#include "cli/CheckCommand.h"

#include "catalogue/IdentifierIndex.h"
#include "checker/FileChecker.h"
#include "checker/FindingTexts.h"
#include "cli/CliOutput.h"
#include "cli/StandardInput.h"
#include "cli/TargetOptions.h"
#include "xml/ByteSource.h"

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

// A source refused before it is read: a device, a named pipe, or larger than
// any document.
checker::Finding unreadableSource(const LoadError& error)
{
    checker::Finding unreadable;
    unreadable.kind = checker::FindingKind::Unreadable;
    unreadable.loadError = error;
    return unreadable;
}

void checkStandardInput(const checker::CheckOptions& options, std::FILE* in,
                        checker::CheckReport& report)
{
    const catalogue::IdentifierIndex& index = catalogue::IdentifierIndex::builtIn();
    QByteArray bytes;
    if (const LoadError error = readStandardInput(in, bytes)) {
        if (error.kind == LoadErrorKind::ReadFailed) {
            checker::Finding unreadable;
            unreadable.kind = checker::FindingKind::InputUnreadable;
            report.addUnreadable(std::move(unreadable));
        } else {
            report.addUnreadable(unreadableSource(error));
        }
        return;
    }
    checker::checkBytes(bytes, standardInputName(), options, index, report);
}

// A source that is no document (a device, a named pipe) or larger than any
// document, refused before the checker opens it.
LoadError refusedFile(const QString& path)
{
    LoadError error;
    openFileSource(path, error);
    if (error.kind == LoadErrorKind::NotRegularFile || error.kind == LoadErrorKind::TooLarge)
        return error;
    return {};
}

// The identifiers of the --accept options (repeatable, "--accept=A,B" too) in
// `accepted`; the error of a wrong one, or empty.
QString acceptedIdentifiers(const CommandLine& line, std::vector<std::string>& accepted)
{
    for (const auto& [option, value] : line.given) {
        if (option != u"--accept"_s)
            continue;
        const QStringList names = value.split(u',', Qt::SkipEmptyParts);
        if (names.isEmpty())
            return u"--accept needs an identifier"_s;
        for (const QString& name : names)
            accepted.push_back(name.trimmed().toStdString());
    }
    return {};
}

} // namespace

int runCheck(const CommandLine& line, std::FILE* out, std::FILE* err, std::FILE* in)
{
    std::vector<std::string> accepted;
    if (const QString error = acceptedIdentifiers(line, accepted); !error.isEmpty())
        return wrongCall(err, u"check: "_s + error);
    const ParsedTargetOptions parsed = parseTargetOptions(line);
    if (!parsed.error.isEmpty())
        return wrongCall(err, u"check: "_s + parsed.error);
    const TargetOptions& options = parsed.options;
    if (line.operands.isEmpty())
        return wrongCall(err, u"check: no file given"_s);
    if (line.operands.count(u"-"_s) > 1)
        return wrongCall(err, u"check: standard input (-) given twice"_s);
    const checker::CheckOptions checkOptions{options.application, options.versions,
                                             std::move(accepted)};
    int status = 0;
    for (const QString& file : line.operands) {
        const bool standardInput = isStandardInput(file);
        const QString name = standardInput ? standardInputName() : file;
        PrintingSink sink(name, out);
        checker::CheckReport report(sink);
        try {
            if (standardInput)
                checkStandardInput(checkOptions, in, report);
            else if (const LoadError refusal = refusedFile(file))
                report.addUnreadable(unreadableSource(refusal));
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
