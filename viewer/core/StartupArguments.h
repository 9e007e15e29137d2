#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace talpora {

// What Talpora's command line asks for: either to end at once with a text
// (help, version, or what is wrong with the call), or to open the window and
// possibly a file in it.
struct StartupRequest
{
    std::optional<int> exitStatus; // set: print `message` and end with this status
    QString message;               // for standard output when the status is 0, else standard error
    QString fileToOpen;            // empty: start with nothing loaded
};

// `arguments` start with the program's name, as QCoreApplication::arguments()
// has them; Qt's own options (-platform, -style, ...) are accepted and left to
// QApplication. The texts use the application's name, in English: they are
// made before any translation is installed.
StartupRequest parseStartupArguments(const QStringList& arguments);

} // namespace talpora
