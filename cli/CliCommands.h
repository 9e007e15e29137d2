#pragma once

#include <QStringList>
#include <cstdio>

namespace talpora::cli {

// Runs one talpora-cli command and returns the process exit status:
// 0 done, 1 nothing found (find), errors found (check) or a write error on
// `out`, 2 wrong call or a source that cannot be loaded. `in` is what "-"
// reads.
// No exception leaves it: running out of memory or any other failure ends in
// a one-line message on `err` and status 2.
int runCommand(const QStringList& arguments, std::FILE* out, std::FILE* err, std::FILE* in = stdin);

// Writes `message` to `err` without allocating, after what `out` holds, and
// returns 2: the end of a command that threw.
int reportException(std::FILE* out, std::FILE* err, const char* message);

} // namespace talpora::cli
