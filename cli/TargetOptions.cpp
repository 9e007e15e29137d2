#include "TargetOptions.h"

using namespace Qt::StringLiterals;

namespace talpora::cli {

std::optional<TargetOptions> parseTargetOptions(const QStringList& arguments)
{
    TargetOptions options;
    bool applicationGiven = false;
    qsizetype operandCount = 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument != u"--app"_s && argument != u"--version"_s) {
            if (argument.startsWith(u"--"_s))
                return std::nullopt;
            options.operand = argument;
            ++operandCount;
            continue;
        }
        if (i + 1 == arguments.size())
            return std::nullopt;
        const QByteArray value = arguments[++i].toUtf8();
        const std::string_view text(value.constData(), static_cast<std::size_t>(value.size()));
        if (argument == u"--app"_s) {
            options.application = catalogue::applicationFromCode(text);
            if (applicationGiven || !options.application)
                return std::nullopt;
            applicationGiven = true;
        } else {
            const std::optional<catalogue::VersionSet> version = catalogue::versionFromName(text);
            if (options.versionGiven || !version)
                return std::nullopt;
            options.versions = *version;
            options.versionGiven = true;
        }
    }
    if (operandCount != 1 || options.operand.isEmpty())
        return std::nullopt;
    return options;
}

} // namespace talpora::cli
