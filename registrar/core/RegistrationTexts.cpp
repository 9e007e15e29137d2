#include "RegistrationTexts.h"

namespace quillet {

Command unregisterCommand(const std::string& folder, const std::string& name)
{
    return {registrationTool, {"/u", "/s", name}, folder};
}

Command registerCommand(const std::string& folder, const std::string& name)
{
    return {registrationTool, {"/s", name}, folder};
}

Report registeredReport(const std::string& name)
{
    return {ReportKind::Registered, "注册" + name + "成功!"};
}

Report registrationFailedReport(const std::string& name, int exitCode)
{
    return {ReportKind::RegistrationFailed, "注册" + name + "失败!（" + registrationTool +
                                                " 退出代码 " + std::to_string(exitCode) + "）"};
}

Report toolUnavailableReport(const std::string& reason)
{
    return {ReportKind::ToolUnavailable,
            std::string("无法启动注册工具 ") + registrationTool + "：" + reason};
}

Report folderUnreadableReport(const std::string& folder, const std::string& reason)
{
    return {ReportKind::FolderUnreadable, "无法读取文件夹 " + folder + "：" + reason};
}

} // namespace quillet
