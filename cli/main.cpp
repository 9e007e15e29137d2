#include "cli/CliCommands.h"
#include "cli/platform/ConsoleStreams.h"
#include "xml/NativeFileNames.h"

#include <QCoreApplication>
#include <new>

int main(int argc, char* argv[])
{
    const talpora::cli::ConsoleStreams streams;
    try {
        QCoreApplication application(argc, argv);
        // File names arrive as the system holds them, not as the locale decodes them.
        const QStringList arguments = talpora::commandLineArguments(argc, argv);
        return talpora::cli::runCommand(arguments, stdout, stderr, stdin);
    } catch (const std::bad_alloc&) {
        return talpora::cli::reportException(stdout, stderr, "talpora-cli: out of memory\n");
    } catch (...) {
        return talpora::cli::reportException(stdout, stderr, "talpora-cli: internal error\n");
    }
}
