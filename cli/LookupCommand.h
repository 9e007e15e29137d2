#pragma once

#include "cli/CommandLine.h"

#include <QStringList>
#include <cstdio>

namespace talpora::cli {

// "lookup <idMso> [--app ...] [--version ...]" with the arguments after
// "lookup". Returns 0 when the identifier is known, 1 when not (with the
// nearest identifiers on `err`), 2 on a usage error.
int runLookup(const CommandLine& line, std::FILE* out, std::FILE* err);

} // namespace talpora::cli
