#include "registrar/core/RegistrationRun.h"
#include "registrar/core/RegistrationTexts.h"
#include "registrar/platform/windows/WindowsCommandRunner.h"
#include "registrar/platform/windows/WindowsDirectoryLister.h"
#include "registrar/platform/windows/WindowsMessageReporter.h"
#include "registrar/platform/windows/WindowsProgramLocator.h"
#include "translations/Translations.h"

#include <QCoreApplication>
#include <string_view>
#include <windows.h>

using namespace Qt::StringLiterals;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int)
{
    // The reports speak the user's display language through Qt's translations,
    // which need the application object. Qt reads the command line from Windows
    // itself.
    int argc = 1;
    char name[] = "Quillet";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    talpora::installTranslations(talpora::systemInterfaceLanguage(), {u"quillet"_s});
    quillet::WindowsMessageReporter reporter(L"Quillet");
    // Quillet takes no arguments; one given by mistake must not set off a registration.
    if (arguments != nullptr &&
        std::wstring_view(arguments).find_first_not_of(L" \t") != std::wstring_view::npos) {
        reporter.show({quillet::ReportKind::Usage, {}, 0, {}});
        return 2;
    }
    quillet::WindowsDirectoryLister lister;
    quillet::WindowsCommandRunner runner(quillet::toolTimeLimitSeconds * 1000);
    return quillet::RegistrationRun(lister, runner, reporter)
        .run(quillet::locateWindowsProgram())
        .exitCode();
}
