#pragma once

#include "catalogue/IdentifierIndex.h"
#include "checker/CheckOptions.h"
#include "checker/CheckReport.h"

#include <QByteArray>
#include <QString>

namespace talpora::checker {

// Checks a customUI XML file, or the customUI parts of an Office Open XML
// document, template or add-in (told apart by the zip signature and the
// extension). Findings go to `report` as they are found.
void checkFile(const QString& path, const CheckOptions& options,
               const catalogue::IdentifierIndex& index, CheckReport& report);

// The same for bytes in memory: a customUI part, or a whole package.
// `fileName` only serves to guess the application from its extension.
void checkXmlBytes(const QByteArray& bytes, const CheckOptions& options,
                   const catalogue::IdentifierIndex& index, CheckReport& report);
void checkPackageBytes(const QByteArray& bytes, const QString& fileName,
                       const CheckOptions& options, const catalogue::IdentifierIndex& index,
                       CheckReport& report);

} // namespace talpora::checker
