#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace talpora::test {

using PackagePart = std::pair<QString, QByteArray>; // part name, bytes

// A zip archive (deflated entries) holding `parts`; empty on failure.
QByteArray zipArchive(const std::vector<PackagePart>& parts);

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
