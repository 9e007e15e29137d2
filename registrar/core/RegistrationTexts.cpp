#include "registrar/core/RegistrationTexts.h"

namespace quillet {

namespace {

std::string inFolder(const ProgramLocation& program, const std::string& name)
{
    return std::string(".") + program.separator + name;
}

} // namespace

Command unregisterCommand(const ProgramLocation& program, const std::string& name)
{
    return {registrationTool, {"/u", "/s", inFolder(program, name)}, program.folder};
}

Command registerCommand(const ProgramLocation& program, const std::string& name)
{
    return {registrationTool, {"/s", inFolder(program, name)}, program.folder};
}

std::string visibleName(const std::string& name)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string visible;
    visible.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n')
            visible += "\\n";
        else if (byte == '\r')
            visible += "\\r";
        else if (byte == '\t')
            visible += "\\t";
        else if (byte < 0x20 || byte == 0x7F)
            visible += {'\\', 'x', hex[byte >> 4], hex[byte & 0xF]};
        else
            visible += c;
    }
    return visible;
}

Report registeredReport(const std::string& name)
{
    return {ReportKind::Registered, name, 0, {}};
}

Report registrationFailedReport(const std::string& name, int exitCode)
{
    return {ReportKind::RegistrationFailed, name, exitCode, {}};
}

Report registrationTimedOutReport(const std::string& name)
{
    return {ReportKind::RegistrationTimedOut, name, 0, {}};
}

Report toolUnavailableReport(const std::string& reason)
{
    return {ReportKind::ToolUnavailable, {}, 0, reason};
}

Report folderUnreadableReport(const std::string& folder, const std::string& reason)
{
    return {ReportKind::FolderUnreadable, folder, 0, reason};
}

std::string usageText()
{
    return "Usage: Quillet\n"
           "\n"
           "Registers every .ocx and then every .dll file in Quillet's own folder with "
           "regsvr32,\none at a time, and reports each. It takes no arguments: given any, it "
           "registers nothing\nand shows this text.\n";
}

} // namespace quillet
