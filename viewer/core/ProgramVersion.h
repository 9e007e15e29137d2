#pragma once

#include <QString>

namespace talpora {

// The version that Talpora and talpora-cli report: the project's version in CMake.
inline QString programVersion()
{
    return QStringLiteral(TALPORA_VERSION);
}

// What --version prints: the program, its version, copyright and licence.
inline QString programVersionText(const QString& program)
{
    return program + u' ' + programVersion() +
           QStringLiteral("\nCopyright (c) 2026 the Talpora developers\n"
                          "Licence: MIT <https://opensource.org/license/mit>\n");
}

} // namespace talpora
