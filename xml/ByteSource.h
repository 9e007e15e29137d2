#pragma once

#include "xml/LoadError.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <memory>
#include <string_view>

namespace talpora {

// The largest document read from any source (a file, standard input, a part
// of a package): 2 GiB. Every byte offset then fits the parser's counters,
// which are 32-bit on Windows, and memory for a document held whole (standard
// input) stays bounded; a larger one is refused as LoadErrorKind::TooLarge
// before it is read.
inline constexpr std::uint64_t largestDocument = std::uint64_t(1) << 31;

// Bytes handed out a chunk at a time, so that a document is never held whole.
class ByteSource
{
public:
    static constexpr std::size_t chunkSize = std::size_t(1) << 20;

    virtual ~ByteSource() = default;
    // The next chunk (valid until the next call); empty at the end or on an
    // error, which is then written to `error`.
    virtual std::string_view next(LoadError& error) = 0;
    // How many bytes the source expects to hand out, as known before reading
    // (a file's size when it was opened; it may change meanwhile); 0 when unknown.
    virtual std::uint64_t sizeHint() const { return 0; }
};

// Opens a file for chunked reading. Directories, named pipes, devices,
// unreadable files and files larger than largestDocument are refused here,
// before anything is read; a named pipe is refused without waiting for a
// writer.
std::unique_ptr<ByteSource> openFileSource(const QString& path, LoadError& error);

// Why the file at `path` is no document to read at all (a device, a named
// pipe, or larger than largestDocument), found without reading it; empty when
// it may be read. Commands that hand the path to a reader of their own ask
// this first.
LoadError refusedSource(const QString& path);

// Bytes already in memory; they must outlive the source.
std::unique_ptr<ByteSource> memorySource(QByteArrayView bytes);

} // namespace talpora
