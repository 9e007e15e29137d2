#pragma once

#include <QString>

namespace talpora {

// `text` with C0 and C1 control characters, the Unicode line and paragraph
// separators and the bidirectional controls written as visible escapes ("\n",
// "\t", "\r", "\x1b", "\x85", "\u2028", "\u202e"), so text read from a file
// can neither break nor forge a line of output, nor reorder what follows it,
// nor drive the terminal it is printed to. Backslashes stay as they
// are: an escape cannot be told from the same characters typed, but it cannot
// do harm either.
QString escapedControls(const QString& text);

} // namespace talpora
