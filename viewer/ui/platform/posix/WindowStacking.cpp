// Raising a window never moves the keyboard on X11 and Wayland.
#include "viewer/ui/WindowStacking.h"

#include <QWidget>

namespace talpora {

void raiseWithoutActivating(QWidget* window)
{
    window->raise();
}

} // namespace talpora
