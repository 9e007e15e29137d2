#include "RegistrationRun.h"
#include "WindowsCommandRunner.h"
#include "WindowsDirectoryLister.h"
#include "WindowsMessageReporter.h"
#include "WindowsProgramLocator.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    quillet::WindowsDirectoryLister lister;
    quillet::WindowsCommandRunner runner;
    quillet::WindowsMessageReporter reporter(L"Quillet");
    return quillet::RegistrationRun(lister, runner, reporter)
        .run(quillet::locateWindowsProgram())
        .exitCode();
}
