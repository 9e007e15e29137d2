#pragma once

#include "catalogue/OfficeTargets.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

namespace talpora::checker {

// Whether a document is an Office Open XML package rather than customUI XML:
// its first bytes are a zip archive's, or its name ends in the extension of
// an Office document (".xlsm", ".docx" ...), so that a damaged package is
// reported as one. `fileName` may be any name ("<stdin>").
bool isPackage(QByteArrayView start, const QString& fileName);

// The same for a file; false when `path` is no regular file, so that the XML
// reader says why it cannot be read.
bool isPackageFile(const QString& path);

// The extensions of the Office documents, templates and add-ins that are
// packages by their name ("xlsx", "xlsm" ...), lower case, without the dot.
QStringList packageFileExtensions();

// The application whose documents have the extension of `fileName`.
std::optional<catalogue::Application> applicationOfExtension(const QString& fileName);

} // namespace talpora::checker
