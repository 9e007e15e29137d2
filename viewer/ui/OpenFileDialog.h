#pragma once

#include <QString>

class QWidget;

namespace talpora {

// Asks for an existing file with the system's dialog, offering the files that
// `filter` names ("XML 文件(*.xml)"; several with ";;" between them, the first
// chosen at first); empty when the user cancels.
QString chooseFileToOpen(QWidget* parent, const QString& filter);

} // namespace talpora
