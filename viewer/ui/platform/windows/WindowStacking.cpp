// Qt raises a window on Windows with SetWindowPos, which activates it unless told not to.
#include "viewer/ui/WindowStacking.h"

#include <QWidget>
#include <windows.h>

namespace talpora {

void raiseWithoutActivating(QWidget* window)
{
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        window->raise();
        return;
    }
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace talpora
