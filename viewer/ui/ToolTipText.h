#pragma once

#include <QString>

namespace talpora {

// How many characters of a text a tooltip shows: some twenty lines at the
// tooltip's wrapping width, well within any screen's height.
inline constexpr qsizetype maximumToolTipLength = 1600;

// A plain text as a tooltip: escaped (so "<b>" shows as written), cut with
// "…" after maximumToolTipLength characters, and rich text so that the
// tooltip wraps it to a readable width instead of one screen-wide line.
QString toolTipText(const QString& plainText);

} // namespace talpora
