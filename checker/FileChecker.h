#pragma once

#include "catalogue/IdentifierIndex.h"
#include "checker/CheckOptions.h"
#include "checker/CheckReport.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace talpora::checker {

// What a check judged identifiers against: one application, or none for
// Access, Excel, PowerPoint and Word together; `assumed` when the file's own
// identifiers chose it (a note then says so too).
struct JudgedAgainst
{
    std::optional<catalogue::Application> application;
    bool assumed = false;
};

// Checks a customUI XML file, or the customUI parts of an Office Open XML
// document, template or add-in (told apart by isPackageFile). Findings go to
// `report` as they are found.
JudgedAgainst checkFile(const QString& path, const CheckOptions& options,
                        const catalogue::IdentifierIndex& index, CheckReport& report);
// The same for one customUI part of a package (`partName` as
// CustomUiPackage lists it), with what is wrong with the package as a whole:
// its errors, refused relationships and parts no relationship names.
JudgedAgainst checkPackagePart(const QString& path, const QString& partName,
                               const CheckOptions& options, const catalogue::IdentifierIndex& index,
                               CheckReport& report);

// The same for bytes in memory (standard input), told apart by isPackage;
// `name` also serves to guess the application from its extension.
void checkBytes(const QByteArray& bytes, const QString& name, const CheckOptions& options,
                const catalogue::IdentifierIndex& index, CheckReport& report);
// Bytes known to be a customUI part, or a whole package.
void checkXmlBytes(const QByteArray& bytes, const CheckOptions& options,
                   const catalogue::IdentifierIndex& index, CheckReport& report);
void checkPackageBytes(const QByteArray& bytes, const QString& fileName,
                       const CheckOptions& options, const catalogue::IdentifierIndex& index,
                       CheckReport& report);

} // namespace talpora::checker
