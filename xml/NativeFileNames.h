#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talpora {

// File names exactly as the system holds them. On Linux a name is any bytes,
// not necessarily UTF-8 (a GBK name unpacked from a zip archive, say): each
// byte that is not part of valid UTF-8 is kept as the lone surrogate
// U+DC80 + byte, so that the name opens again. On Windows names are UTF-16
// and pass through unchanged.
QString fileNameFromNative(const QByteArray& name);
QByteArray nativeFileName(const QString& name);

// The program's arguments after its own name, decoded as file names are.
// On Windows QCoreApplication must exist already (Qt reads the UTF-16 command
// line there); on Linux `argv` is all it needs, so it serves before any
// QCoreApplication.
QStringList commandLineArguments(int argc, char* argv[]);

} // namespace talpora
