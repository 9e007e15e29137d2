#include "cli/CliCommands.h"
#include "cli/platform/ConsoleStreams.h"
#include "xml/NativeFileNames.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    const talpora::cli::ConsoleStreams streams;
    QCoreApplication application(argc, argv);
    // File names arrive as the system holds them, not as the locale decodes them.
    const QStringList arguments = talpora::commandLineArguments(argc, argv);
    return talpora::cli::runCommand(arguments, stdout, stderr, stdin);
}
