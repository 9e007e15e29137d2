#include "cli/CallbacksCommand.h"

#include "catalogue/IdentifierIndex.h"
#include "checker/CallbackStubs.h"
#include "checker/CustomUiParts.h"
#include "cli/CliOutput.h"

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
    const CustomUiParts parts = readCustomUiParts(file);
    if (!parts.error.isEmpty()) {
        writeLine(err, u"talpora-cli: %1: %2"_s.arg(file, parts.error));
        return 2;
    }
    CallbackCollector collector(isBuiltInToggle);
    for (const CustomUiPart& part : parts.parts) {
        collector.setPart(part.name);
        if (const LoadError error = readXmlBytes(part.bytes, collector)) {
            const QString where = part.name.isEmpty() ? file : file + u'!' + part.name;
            writeLine(err, u"talpora-cli: %1: %2"_s.arg(where, describe(error)));
            return 2;
        }
    }
    if (collector.stubs().empty()) {
        writeLine(err, u"talpora-cli: %1: no callbacks"_s.arg(file));
        return 1;
    }
    write(out, callbackStubsText(collector.stubs(), language.value_or(CallbackLanguage::Vba)));
    return 0;
}

} // namespace talpora::cli
