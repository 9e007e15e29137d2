#pragma once

#include <QFont>

namespace talpora {

// SimSun at the given size, falling back to an installed CJK font so that
// Chinese text never shows as boxes.
QFont simSunFont(int pointSize);

} // namespace talpora
