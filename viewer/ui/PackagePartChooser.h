#pragma once

#include "viewer/core/DocumentOpening.h"

#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace talpora {

// Asks which customUI part of a package to show: a small box that names each
// part and what reads it, the part preferredPart() picks chosen at first.
// nullopt when the user cancels.
std::optional<QString> choosePackagePart(QWidget* parent, const QString& packageName,
                                         const std::vector<PackagePartChoice>& parts);

} // namespace talpora
