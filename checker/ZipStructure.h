#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <vector>

class QIODevice;

namespace talpora::checker {

// One entry of a zip archive as its central directory records it.
struct ZipEntry
{
    QByteArray name; // as stored, in no particular encoding
    quint16 flags = 0;
    quint16 method = 0;
    quint32 crc = 0;
    quint64 compressedSize = 0;
    quint64 size = 0;
    qint64 headerOffset = 0; // of its local header
    qint64 recordOffset = 0; // of its central directory record
};

// What the bytes of a zip archive say about its structure.
struct ZipStructure
{
    enum class Verdict
    {
        Sound,        // one archive, read alike by every zip reader
        NotZip,       // no end of central directory record
        Inconsistent, // see readZipStructure
        Unreadable    // the device failed: its errorString() says why
    };
    Verdict verdict = Verdict::NotZip;
    qint64 faultOffset = 0;        // Inconsistent: where the fault is
    std::vector<ZipEntry> entries; // Sound: in central directory order
};

// Checks that an archive is one archive whose parts every zip reader finds
// alike, which libzip does not: a reader that trusts the central directory
// and one that walks the local headers, or two that pick different end
// records, must not see different parts. Sound means: the last end of
// central directory record ends the file (its comment holds no other); the
// central directory ends where that record (or its ZIP64 record) begins and
// holds exactly the entries it counts; every local header agrees with its
// central record (name, method, encryption, and checksum and sizes unless a
// data descriptor carries them, which then agrees too); and the entries,
// local header to data descriptor, follow one another from the first byte to
// the central directory without overlap or gap, so no bytes are left for a
// second archive. Anything else is Inconsistent, at the offset of the first
// fault found. Reads headers only, never entry data.
ZipStructure readZipStructure(QIODevice& archive);

} // namespace talpora::checker
