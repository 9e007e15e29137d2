#pragma once

#include <QByteArray>
#include <QString>

namespace talpora::test {

// `text` in `encoding` ("GBK", "UTF-16LE", "windows-1251" ...) as the system
// encodes it; empty when the system cannot.
QByteArray encodedText(const QString& text, const char* encoding);

// True when the system has no converter for an encoding the program knows,
// as Wine has no GB18030 code page; the program then refuses such files.
bool systemLacksEncoding(const char* encoding);

} // namespace talpora::test
