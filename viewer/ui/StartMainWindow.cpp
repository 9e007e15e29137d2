#include "StartMainWindow.h"

#include "Form1.h"

#include <QMetaObject>

namespace talpora {

Form1* startMainWindow(const QString& fileToOpen)
{
    auto* window = new Form1;
    window->show();
    // Queued, so that the window is on screen before a long load or a message box.
    if (!fileToOpen.isEmpty()) {
        QMetaObject::invokeMethod(
            window, [window, fileToOpen] { window->openFile(fileToOpen); }, Qt::QueuedConnection);
    }
    return window;
}

} // namespace talpora
