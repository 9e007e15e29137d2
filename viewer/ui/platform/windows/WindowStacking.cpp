// Qt raises a window on Windows with SetWindowPos, which activates it unless told not to.
#include "viewer/ui/WindowStacking.h"

#include <QGuiApplication>
#include <QWidget>
#include <windows.h>

namespace talpora {

void raiseWithoutActivating(QWidget* window)
{
    // Only the windows platform's window ids are window handles: another
    // platform's (offscreen, in tests) may happen to name some other
    // program's window, and SetWindowPos would then wait on that program.
    if (!window->testAttribute(Qt::WA_WState_Created) ||
        QGuiApplication::platformName() != QLatin1String("windows")) {
        window->raise();
        return;
    }
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace talpora
