#include "cli/TargetOptions.h"

using namespace Qt::StringLiterals;

namespace talpora::cli {

ParsedTargetOptions parseTargetOptions(const CommandLine& line)
{
    ParsedTargetOptions parsed;
    TargetOptions& options = parsed.options;
    for (const auto& [option, value] : line.given) {
        const QByteArray utf8 = value.toUtf8();
        const std::string_view text(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        if (option == u"--app"_s) {
            options.application = catalogue::applicationFromCode(text);
            if (!options.application) {
                parsed.error = u"--app: unknown application '%1'"_s.arg(value);
                return parsed;
            }
        } else if (option == u"--version"_s) {
            const std::optional<catalogue::VersionSet> version = catalogue::versionFromName(text);
            if (!version) {
                parsed.error = u"--version: unknown version '%1'"_s.arg(value);
                return parsed;
            }
            options.versions = *version;
            options.versionGiven = true;
        }
    }
    return parsed;
}

} // namespace talpora::cli
