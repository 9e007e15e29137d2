// Qt's file dialog, or the desktop's through Qt.
#include "viewer/ui/OpenFileDialog.h"

#include <QFileDialog>

namespace talpora {

QString chooseFileToOpen(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

} // namespace talpora
