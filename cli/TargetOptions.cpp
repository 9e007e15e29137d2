#include "cli/TargetOptions.h"

using namespace Qt::StringLiterals;

namespace talpora::cli {

ParsedTargetOptions parseTargetOptions(const QStringList& arguments)
{
    ParsedTargetOptions parsed;
    TargetOptions& options = parsed.options;
    const auto refuse = [&parsed](const QString& error) {
        parsed.error = error;
        return parsed;
    };
    bool applicationGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        QString value;
        if (const qsizetype equals = option.indexOf(u'=');
            option.startsWith(u"--"_s) && equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        } else if (option == u"--app"_s || option == u"--version"_s) {
            if (i + 1 == arguments.size())
                return refuse(option + u" needs a value"_s);
            value = arguments[++i];
        }
        if (option != u"--app"_s && option != u"--version"_s) {
            if (option.startsWith(u"--"_s))
                return refuse(u"unknown option '%1'"_s.arg(option));
            if (option.isEmpty())
                return refuse(u"an empty argument"_s);
            options.operands.append(option);
            continue;
        }
        const QByteArray utf8 = value.toUtf8();
        const std::string_view text(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        if (option == u"--app"_s) {
            if (applicationGiven)
                return refuse(u"--app given twice"_s);
            options.application = catalogue::applicationFromCode(text);
            if (!options.application)
                return refuse(u"--app: unknown application '%1'"_s.arg(value));
            applicationGiven = true;
        } else {
            if (options.versionGiven)
                return refuse(u"--version given twice"_s);
            const std::optional<catalogue::VersionSet> version = catalogue::versionFromName(text);
            if (!version)
                return refuse(u"--version: unknown version '%1'"_s.arg(value));
            options.versions = *version;
            options.versionGiven = true;
        }
    }
    return parsed;
}

} // namespace talpora::cli
