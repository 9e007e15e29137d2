#pragma once

#include "CheckOptions.h"
#include "CheckReport.h"
#include "IdentifierIndex.h"

#include <QByteArray>
#include <QString>

namespace talpora::checker {

// Checks a customUI XML file, or the customUI parts of an Office Open XML
// document, template or add-in (told apart by the zip signature and the
// extension).
CheckReport checkFile(const QString& path, const CheckOptions& options,
                      const catalogue::IdentifierIndex& index);

// The same for bytes in memory: a customUI part, or a whole package.
// `fileName` only serves to guess the application from its extension.
CheckReport checkXmlBytes(const QByteArray& bytes, const CheckOptions& options,
                          const catalogue::IdentifierIndex& index);
CheckReport checkPackageBytes(const QByteArray& bytes, const QString& fileName,
                              const CheckOptions& options, const catalogue::IdentifierIndex& index);

} // namespace talpora::checker
