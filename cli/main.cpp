#include "CliCommands.h"
#include "ConsoleStreams.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    const talpora::cli::ConsoleStreams streams;
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int status = talpora::cli::runCommand(arguments, stdout, stderr);
    std::fflush(stdout);
    return status;
}
