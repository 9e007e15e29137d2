#include "DisplayText.h"

namespace talpora {

namespace {

// C0 controls and DEL have their own pictures (␀ … ␟, ␡); the line and
// paragraph separators and NEL break a line as "\n" does (␤); the other C1
// controls show as ␦.
QChar visibleMark(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x20)
        return QChar(char16_t(0x2400 + code));
    if (code == 0x7F)
        return QChar(char16_t(0x2421));
    if (code == 0x85 || code == 0x2028 || code == 0x2029)
        return QChar(char16_t(0x2424));
    if (code >= 0x80 && code <= 0x9F)
        return QChar(char16_t(0x2426));
    return c;
}

} // namespace

QString displayText(const QString& text)
{
    qsizetype length = text.size();
    const bool cut = length > maximumDisplayLength;
    if (cut) {
        length = maximumDisplayLength;
        if (text.at(length - 1).isHighSurrogate()) // never half a character
            --length;
    }
    QString shown;
    shown.reserve(length + 1);
    for (qsizetype i = 0; i < length; ++i)
        shown.append(visibleMark(text.at(i)));
    if (cut)
        shown.append(QChar(char16_t(0x2026)));
    return shown;
}

} // namespace talpora
