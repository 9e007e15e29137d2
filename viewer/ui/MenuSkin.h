#pragma once

#include <QString>

namespace talpora {

// The style sheet that paints the menu bar and its drop-down menus in the
// program's colours.
QString menuSkinStyleSheet();

} // namespace talpora
