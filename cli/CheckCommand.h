#pragma once

#include <QStringList>
#include <cstdio>

namespace talpora::cli {

// "check <file> [--app ...] [--version ...]" with the arguments after
// "check": one finding per line on `out`. Returns 0 without errors, 1 with
// errors, 2 when the file cannot be read or is not well-formed, or on a usage
// error.
int runCheck(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace talpora::cli
