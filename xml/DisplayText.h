#pragma once

#include <QString>
#include <string_view>

namespace talpora {

// How many characters of a node's text one tree row draws; laying out a text
// of megabytes on every repaint would freeze the window.
inline constexpr qsizetype maximumDisplayLength = 4000;

// A node's text as a tree row shows it: control characters (line breaks, tabs,
// bidirectional overrides and the rest) as visible marks, so that a row stays one line and nothing
// hides, and a text longer than maximumDisplayLength cut there with "…".
// Search, path and snippet work on the real text, never on this one.
QString displayText(std::string_view utf8);

// A text as one line of a label or a message shows it: the visible marks of
// displayText() and the same cut, whatever the text's length.
QString displayLine(const QString& text);

} // namespace talpora
