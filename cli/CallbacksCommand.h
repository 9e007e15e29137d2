#pragma once

#include <QStringList>
#include <cstdio>

namespace talpora::cli {

// talpora-cli callbacks <file> [--language vba|csharp|vbnet]: a stub for every
// callback the customUI file or Office document names. `arguments` follow the
// command name.
int runCallbacks(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace talpora::cli
