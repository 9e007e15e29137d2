#pragma once

#include "xml/LoadError.h"

#include <QByteArray>
#include <cstdio>

namespace talpora::cli {

// Reads all of `in` into `bytes`, within the loader's largest document. A
// terminal or device is refused before reading (NotRegularFile), a regular
// file larger than the limit at once and a pipe as soon as it passes the
// limit (TooLarge); ReadFailed when reading failed.
LoadError readStandardInput(std::FILE* in, QByteArray& bytes);

} // namespace talpora::cli
