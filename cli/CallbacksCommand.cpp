#include "cli/CallbacksCommand.h"

#include "catalogue/IdentifierIndex.h"
#include "checker/CallbackStubs.h"
#include "checker/CustomUiDocuments.h"
#include "checker/FindingTexts.h"
#include "cli/CliOutput.h"
#include "xml/ByteSource.h"

#include <new>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

using namespace talpora::checker;

// Whether Office lists the built-in control as a toggle button or check box
// in any application and version.
bool isBuiltInToggle(std::string_view idMso)
{
    using namespace talpora::catalogue;
    for (const IdentifierRecord* record :
         IdentifierIndex::builtIn().find(idMso, ApplicationSet::all())) {
        if (record->name == idMso &&
            record->hasType({"toggleButton", "checkBox"}, VersionSet::all()))
            return true;
    }
    return false;
}

QString languageName(CallbackLanguage language)
{
    switch (language) {
    case CallbackLanguage::Vba:
        return u"VBA"_s;
    case CallbackLanguage::CSharp:
        return u"C#"_s;
    case CallbackLanguage::VbNet:
        break;
    }
    return u"VB.NET"_s;
}

// The rule the name broke.
QString describeFault(CallbackNameFault fault, const QString& name, CallbackLanguage language)
{
    const QString languageText = languageName(language);
    switch (fault) {
    case CallbackNameFault::Keyword:
        return u"\"%1\" is a keyword of %2"_s.arg(name, languageText);
    case CallbackNameFault::TooLong:
        return u"\"%1\" is longer than the %2 characters a %3 name may have"_s.arg(
            name, QString::number(longestProcedureName(language)), languageText);
    case CallbackNameFault::NotIdentifier:
    case CallbackNameFault::None:
        break;
    }
    return (language == CallbackLanguage::Vba
                ? u"\"%1\" is no %2 name: a letter, then letters, digits and _"_s
                : u"\"%1\" is no %2 name: a letter or _, then letters, digits and _"_s)
        .arg(name, languageText);
}

// One line on standard error per callback without a stub: where it is named
// and why its name cannot stand in the stub's code.
void reportSkipped(const SkippedCallback& skipped, const QString& file, CallbackLanguage language,
                   std::FILE* err)
{
    const CallbackSite& site = skipped.stub->first;
    QString where = file;
    if (!site.part.isEmpty())
        where += u'!' + site.part;
    // A name of thousands of characters is named by its start.
    constexpr qsizetype shownLength = 80;
    QString name = QString::fromStdString(skipped.stub->name);
    if (name.size() > shownLength)
        name = name.left(shownLength) + u"\u2026"_s;
    const QString why = describeFault(skipped.fault, name, language);
    writeLine(err, escapedControls(u"talpora-cli: %1:%2: %3 of <%4>: %5; no stub written"_s.arg(
                       where, QString::number(site.line), QString::fromStdString(site.attribute),
                       QString::fromStdString(site.element), why)));
}

// A source that is no document (a device, a named pipe) or larger than any
// document, refused before it is opened for reading.
LoadError refusedFile(const QString& path)
{
    LoadError error;
    openFileSource(path, error);
    if (error.kind == LoadErrorKind::NotRegularFile || error.kind == LoadErrorKind::TooLarge)
        return error;
    return {};
}

// Reads `file` and writes the stubs of its callbacks; the callbacks whose
// names cannot stand in code are reported instead.
int writeCallbacks(const QString& file, CallbackLanguage language, std::FILE* out, std::FILE* err)
{
    CallbackCollector collector(isBuiltInToggle);
    const PackageError error = readCustomUiDocuments(
        file, collector, [&](const QString& part) { collector.setPart(part); });
    if (error) {
        const QString where = error.part.isEmpty() ? file : file + u'!' + error.part;
        writeLine(
            err, u"talpora-cli: %1: %2"_s.arg(escapedControls(where), describePackageError(error)));
        return 2;
    }
    if (collector.stubs().empty()) {
        writeLine(err, u"talpora-cli: %1: no callbacks"_s.arg(escapedControls(file)));
        return 1;
    }
    std::vector<SkippedCallback> skipped;
    write(out, callbackStubsText(collector.stubs(), language, &skipped));
    for (const SkippedCallback& callback : skipped)
        reportSkipped(callback, file, language, err);
    return skipped.empty() ? 0 : 1;
}

} // namespace

int runCallbacks(const CommandLine& line, std::FILE* out, std::FILE* err)
{
    CallbackLanguage language = CallbackLanguage::Vba;
    if (line.has("--language")) {
        const QString name = line.value("--language");
        const std::optional<CallbackLanguage> chosen = callbackLanguageFromName(name.toStdString());
        if (!chosen)
            return wrongCall(
                err, u"callbacks: unknown language '%1' (vba, csharp or vbnet)"_s.arg(name));
        language = *chosen;
    }
    if (line.operands.isEmpty())
        return wrongCall(err, u"callbacks: no file given"_s);
    if (line.operands.size() > 1)
        return wrongCall(err, u"callbacks: give one file"_s);
    const QString& file = line.operands.front();
    const QString shownFile = escapedControls(file);
    if (const LoadError refusal = refusedFile(file)) {
        writeLine(err, u"talpora-cli: %1: %2"_s.arg(shownFile, describe(refusal)));
        return 2;
    }
    try {
        return writeCallbacks(file, language, out, err);
    } catch (const std::bad_alloc&) {
        std::fflush(out);
        // Nothing is allocated on the way out: the message is plain bytes.
        std::fputs("talpora-cli: out of memory while reading the file or writing its callbacks; "
                   "what was printed is incomplete\n",
                   err);
        return 2;
    }
}

} // namespace talpora::cli
