#pragma once

#include <QString>

namespace talpora {

class Form1;

// Shows a new main window and, once the event loop runs, opens `fileToOpen`
// (when not empty; relative to the current folder) exactly as File > Open does: a failure shows the
// same box and the window stays open. The caller owns the window.
Form1* startMainWindow(const QString& fileToOpen);

} // namespace talpora
