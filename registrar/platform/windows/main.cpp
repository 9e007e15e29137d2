#include "registrar/core/RegistrationRun.h"
#include "registrar/core/RegistrationTexts.h"
#include "registrar/platform/windows/WindowsCommandRunner.h"
#include "registrar/platform/windows/WindowsDirectoryLister.h"
#include "registrar/platform/windows/WindowsMessageReporter.h"
#include "registrar/platform/windows/WindowsProgramLocator.h"

#include <string_view>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int)
{
    quillet::WindowsMessageReporter reporter(L"Quillet");
    // Quillet takes no arguments; one given by mistake must not set off a registration.
    if (arguments != nullptr &&
        std::wstring_view(arguments).find_first_not_of(L" \t") != std::wstring_view::npos) {
        reporter.show({quillet::ReportKind::Usage, quillet::usageText()});
        return 2;
    }
    quillet::WindowsDirectoryLister lister;
    quillet::WindowsCommandRunner runner(quillet::toolTimeLimitSeconds * 1000);
    return quillet::RegistrationRun(lister, runner, reporter)
        .run(quillet::locateWindowsProgram())
        .exitCode();
}
