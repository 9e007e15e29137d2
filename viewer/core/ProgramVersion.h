#pragma once

#include <QString>

namespace talpora {

// The version that Talpora and talpora-cli report: the project's version in CMake.
inline QString programVersion()
{
    return QStringLiteral(TALPORA_VERSION);
}

} // namespace talpora
