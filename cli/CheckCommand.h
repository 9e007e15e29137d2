#pragma once

#include "cli/CommandLine.h"

#include <QStringList>
#include <cstdio>

namespace talpora::cli {

// "check <file>... [--app ...] [--version ...] [--accept <identifier>[,...]]...", parsed; "-"
// reads standard input from `in`. Every finding and note goes to `out`, one per line; `err` only
// hears of a wrong call. Returns the worst
// status of the files: 0 without errors, 1 with errors, 2 when a file cannot
// be read or is not well-formed; 2 for a wrong call.
int runCheck(const CommandLine& line, std::FILE* out, std::FILE* err, std::FILE* in);

} // namespace talpora::cli
