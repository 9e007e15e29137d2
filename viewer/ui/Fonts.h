#pragma once

#include <QFont>

namespace talpora {

// SimSun at the given size, falling back to an installed CJK font so that
// Chinese text never shows as boxes. While the interface speaks Japanese
// (the default locale), a Mincho comes first, so that kanji take their
// Japanese forms.
QFont simSunFont(int pointSize);

} // namespace talpora
