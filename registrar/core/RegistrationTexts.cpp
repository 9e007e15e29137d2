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
    return {ReportKind::Registered, "注册" + visibleName(name) + "成功!"};
}

Report registrationFailedReport(const std::string& name, int exitCode)
{
    return {ReportKind::RegistrationFailed, "注册" + visibleName(name) + "失败!（" +
                                                registrationTool + " 退出代码 " +
                                                std::to_string(exitCode) + "）"};
}

Report registrationTimedOutReport(const std::string& name)
{
    return {ReportKind::RegistrationFailed,
            "注册" + visibleName(name) + "失败!（" + registrationTool + " 超过 " +
                std::to_string(toolTimeLimitSeconds) + " 秒没有结束，已被终止）"};
}

Report toolUnavailableReport(const std::string& reason)
{
    return {ReportKind::ToolUnavailable,
            std::string("无法启动注册工具 ") + registrationTool + "：" + reason};
}

Report folderUnreadableReport(const std::string& folder, const std::string& reason)
{
    return {ReportKind::FolderUnreadable, "无法读取文件夹 " + visibleName(folder) + "：" + reason};
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
