#pragma once

#include <QStringList>
#include <cstdio>

namespace talpora::cli {

// Runs one talpora-cli command and returns the process exit status:
// 0 done, 1 nothing found (find), 2 usage error or a source that cannot be loaded.
int runCommand(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace talpora::cli
