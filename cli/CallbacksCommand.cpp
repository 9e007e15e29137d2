#include "CallbacksCommand.h"

#include "CallbackStubs.h"
#include "CliOutput.h"
#include "CustomUiParts.h"
#include "IdentifierIndex.h"

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

using namespace talpora::checker;

constexpr char callbacksUsage[] = "usage: talpora-cli callbacks <customUI file | Office document> "
                                  "[--language vba|csharp|vbnet]\n";

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
        if (arguments[i] == u"--language"_s && !language && i + 1 < arguments.size()) {
            language = callbackLanguageFromName(arguments[++i].toStdString());
            if (!language)
                break;
        } else if (file.isEmpty() && !arguments[i].isEmpty() && !arguments[i].startsWith(u"--"_s)) {
            file = arguments[i];
        } else {
            file.clear();
            break;
        }
    }
    if (file.isEmpty() || (arguments.contains(u"--language"_s) && !language)) {
        std::fputs(callbacksUsage, err);
        return 2;
    }
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
            writeLine(err, u"talpora-cli: %1: %2"_s.arg(where, describeInEnglish(error)));
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
