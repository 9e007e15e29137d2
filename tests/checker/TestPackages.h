#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <utility>
#include <vector>

namespace talpora::test {

using PackagePart = std::pair<QString, QByteArray>; // part name, bytes

// A zip archive (deflated entries) holding `parts`; empty on failure.
QByteArray zipArchive(const std::vector<PackagePart>& parts);

// One entry of an archive written byte by byte, for the archives no zip
// library writes: damaged, forged or merely unusual ones.
struct RawZipEntry
{
    QByteArray name;         // as stored, any bytes
    QByteArray data;         // stored as it is, uncompressed
    quint16 flags = 0;       // 0x0001 encrypted, 0x0008 data descriptor, 0x0800 UTF-8 name
    quint32 crcChange = 0;   // XOR'd into the checksum both headers give: damaged data
    int sharesHeaderOf = -1; // its central record points at that entry's local header
};

// A zip archive of `entries` in order, their central records in the same
// order; an entry that shares another's header has no local header of its own.
QByteArray rawZipArchive(const std::vector<RawZipEntry>& entries);

// "_rels/.rels" with the given (type, target) relationships.
QByteArray packageRelationships(const std::vector<std::pair<QString, QString>>& relationships);

// An Excel workbook holding these customUI parts, each named in "_rels/.rels"
// by a relationship of its type: customUI14 for Office 2010, any other for 2007.
QByteArray excelWorkbook(const std::vector<PackagePart>& customUiParts);

inline const QString customUiType =
    QStringLiteral("http://schemas.microsoft.com/office/2006/relationships/ui/extensibility");
inline const QString customUi14Type =
    QStringLiteral("http://schemas.microsoft.com/office/2007/relationships/ui/extensibility");
inline const QString officeDocumentType = QStringLiteral(
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument");

} // namespace talpora::test
