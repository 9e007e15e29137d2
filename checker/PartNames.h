#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace talpora::checker {

// How the names of a package's parts are compared, decoded and shown.

// The key two part names share when the package format takes them for one
// name: ASCII letters compared ignoring case, every other character as it is
// ("ſ" is not "s", the Kelvin sign is not "K").
QString partNameKey(const QString& name);

// The name of a zip entry as text; nullopt when its bytes are not UTF-8.
std::optional<QString> utf8Name(QByteArrayView bytes);

// The bytes as UTF-8 text, each byte that belongs to no UTF-8 character
// written as "\xNN": a name that is not UTF-8, shown without losing a byte.
QString withInvalidBytesEscaped(QByteArrayView bytes);

// A relationship target with its percent-escapes decoded ("my%20UI.xml" is
// "my UI.xml"); nullopt when an escape is malformed ("%ZZ", "%4"), when the
// decoded bytes are not UTF-8 ("%FF"), or when an escape stands for a
// character no part name holds: NUL, "/" or "\" ("%00", "%2F", "%5C").
std::optional<QString> percentDecoded(const QString& target);

} // namespace talpora::checker
