#include "xml/NativeFileNames.h"

#include <QCoreApplication>
#include <QFile>

namespace talpora {

QString fileNameFromNative(const QByteArray& name)
{
    return QFile::decodeName(name);
}

QByteArray nativeFileName(const QString& name)
{
    return QFile::encodeName(name);
}

QStringList commandLineArguments(int, char*[])
{
    // Qt reads the UTF-16 command line itself; argv would hold it in the
    // ANSI code page, which cannot spell every name.
    return QCoreApplication::arguments().mid(1);
}

} // namespace talpora
