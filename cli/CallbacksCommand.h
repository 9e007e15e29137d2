#pragma once

#include "cli/CommandLine.h"

#include <QStringList>
#include <cstdio>

namespace talpora::cli {

// talpora-cli callbacks <file> [--language vba|csharp|vbnet]: a stub for every
// callback the customUI file or Office document names.
int runCallbacks(const CommandLine& line, std::FILE* out, std::FILE* err);

} // namespace talpora::cli
