#pragma once

class QWidget;

namespace talpora {

// Puts a window above the others of the program without giving it the
// keyboard (on Windows, raising a window also activates it).
void raiseWithoutActivating(QWidget* window);

} // namespace talpora
