#include "cli/CallbacksCommand.h"

#include "catalogue/IdentifierIndex.h"
#include "checker/CallbackStubs.h"
#include "checker/CustomUiDocuments.h"
#include "checker/FindingTexts.h"
#include "cli/CliOutput.h"

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

// Reads `file` and writes the stubs of its callbacks.
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
        writeLine(err, u"talpora-cli: %1: no callbacks"_s.arg(file));
        return 1;
    }
    write(out, callbackStubsText(collector.stubs(), language));
    return 0;
}

} // namespace

int runCallbacks(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    QString file;
    std::optional<CallbackLanguage> language;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--language"_s || argument.startsWith(u"--language="_s)) {
            if (language)
                return wrongCall(err, u"callbacks: --language given twice"_s);
            QString name;
            if (argument == u"--language"_s) {
                if (i + 1 == arguments.size())
                    return wrongCall(err, u"callbacks: --language needs a value"_s);
                name = arguments[++i];
            } else {
                name = argument.mid(11);
            }
            language = callbackLanguageFromName(name.toStdString());
            if (!language)
                return wrongCall(
                    err, u"callbacks: unknown language '%1' (vba, csharp or vbnet)"_s.arg(name));
        } else if (argument.startsWith(u"--"_s) || argument.isEmpty()) {
            return wrongCall(err, u"callbacks: unknown option '%1'"_s.arg(argument));
        } else if (!file.isEmpty()) {
            return wrongCall(err, u"callbacks: give one file"_s);
        } else {
            file = argument;
        }
    }
    if (file.isEmpty())
        return wrongCall(err, u"callbacks: no file given"_s);
    try {
        return writeCallbacks(file, language.value_or(CallbackLanguage::Vba), out, err);
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
