#pragma once

#include <QStringList>
#include <cstdio>

namespace talpora::cli {

// Runs one talpora-cli command and returns the process exit status:
// 0 done, 1 nothing found (find), errors found (check) or a write error on
// `out`, 2 wrong call or a source that cannot be loaded. `in` is what "-"
// reads.
int runCommand(const QStringList& arguments, std::FILE* out, std::FILE* err, std::FILE* in = stdin);

} // namespace talpora::cli
