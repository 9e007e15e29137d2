#pragma once

#include "checker/PackageError.h"
#include "xml/XmlEventReader.h"

#include <QString>
#include <functional>

namespace talpora::checker {

// Reads the customUI documents of `path` into `handler`: the file itself, or,
// for an Office Open XML package (isPackageFile), the customUI parts its
// relationships name, as CustomUiPackage lists them. `enterPart` learns the
// name of each part before its elements come ("" for a file on its own).
// Stops at the first fault: a file or part that is no XML (LoadFailed, with
// the part), or anything CustomUiPackage reports.
PackageError readCustomUiDocuments(const QString& path, XmlEventHandler& handler,
                                   const std::function<void(const QString& part)>& enterPart);

} // namespace talpora::checker
