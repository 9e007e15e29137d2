#include "registrar/core/RegistrationRun.h"
#include "registrar/core/RegistrationTexts.h"
#include "registrar/platform/posix/PosixCommandRunner.h"
#include "registrar/platform/posix/PosixDirectoryLister.h"
#include "registrar/platform/posix/PosixProgramLocator.h"
#include "registrar/platform/qt/MessageBoxReporter.h"
#include "registrar/reporting/TerminalReporter.h"
#include "translations/Translations.h"

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <iostream>

using namespace Qt::StringLiterals;

namespace {

bool hasGraphicalDisplay()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

int registerAll(const quillet::ProgramLocation& program, quillet::Reporter& reporter)
{
    quillet::PosixDirectoryLister lister;
    quillet::PosixCommandRunner runner(std::chrono::seconds(quillet::toolTimeLimitSeconds));
    return quillet::RegistrationRun(lister, runner, reporter).run(program).exitCode();
}

} // namespace

int main(int argc, char* argv[])
{
    // Quillet takes no arguments; one given by mistake ("--help", a file name) must not
    // set off a registration.
    if (argc > 1) {
        std::cerr << quillet::usageText();
        return 2;
    }
    QCoreApplication::setApplicationName(u"Quillet"_s);
    QCoreApplication::setApplicationVersion(u"1.00"_s);
    const quillet::ProgramLocation program =
        quillet::locatePosixProgram(argc > 0 ? argv[0] : nullptr);

    // Without a display the program still works from a terminal or a script.
    if (!hasGraphicalDisplay()) {
        const QCoreApplication application(argc, argv);
        talpora::installTranslations(talpora::systemInterfaceLanguage(), {u"quillet"_s});
        quillet::TerminalReporter reporter(std::cout, std::cerr);
        return registerAll(program, reporter);
    }
    QApplication application(argc, argv);
    talpora::installTranslations(talpora::systemInterfaceLanguage(), {u"quillet"_s, u"qtbase"_s});
    quillet::MessageBoxReporter reporter;
    return registerAll(program, reporter);
}
