#pragma once

#include <QByteArrayView>

namespace talpora {

// The Windows code page of an encoding name ("GBK" 936, "Shift_JIS" 932,
// "ISO-8859-5" 28595 ...), compared without regard to case; 0 for a name
// that has none here.
unsigned windowsCodePage(QByteArrayView name);

} // namespace talpora
