#include "viewer/ui/StartMainWindow.h"

#include "viewer/ui/Form1.h"

#include <QFileInfo>
#include <QMetaObject>

namespace talpora {

Form1* startMainWindow(const QString& fileToOpen)
{
    auto* window = new Form1;
    window->show();
    if (fileToOpen.isEmpty())
        return window;
    // A full path, as the file dialog gives, so that a message box names the
    // file the same way. Queued, so that the window is on screen before a long
    // load or a message box.
    const QString path = QFileInfo(fileToOpen).absoluteFilePath();
    QMetaObject::invokeMethod(
        window, [window, path] { window->openFile(path); }, Qt::QueuedConnection);
    return window;
}

} // namespace talpora
