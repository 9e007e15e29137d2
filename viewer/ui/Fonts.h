#pragma once

#include <QFont>

namespace talpora {

// SimSun at the given size, falling back to an installed CJK font so that
// Chinese text never shows as boxes. While the interface speaks Japanese
// (the default locale), a Mincho comes first, so that kanji take their
// Japanese forms.
QFont simSunFont(int pointSize);

// SimSun for the small texts of menus, the status bar and the Scripts window,
// falling back to a CJK sans-serif face of regular weight: the serif faces
// that stand in for SimSun where it is missing draw hairlines at these sizes,
// which read as grey, thin, disabled text.
QFont smallTextFont(int pointSize);

} // namespace talpora
