#pragma once

#include "xml/ByteSource.h"
#include "xml/LoadError.h"

#include <QByteArray>
#include <cstdio>
#include <memory>

namespace talpora::cli {

// Reads all of `in` into `bytes`, within the loader's largest document. A
// terminal or device is refused before reading (NotRegularFile), a regular
// file larger than the limit at once and a pipe as soon as it passes the
// limit (TooLarge); ReadFailed when reading failed.
LoadError readStandardInput(std::FILE* in, QByteArray& bytes);

// `in` as a source read a chunk at a time, so that a document from a pipe is
// never held whole; refused (null) as readStandardInput refuses it. A read
// error while reading is ReadFailed; the reader holds any source to the
// largest document.
std::unique_ptr<ByteSource> openStandardInput(std::FILE* in, LoadError& error);

} // namespace talpora::cli
