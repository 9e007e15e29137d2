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
    if (length <= maximumDisplayLength)
        return withVisibleMarks(text);
    length = maximumDisplayLength;
    if (text.at(length - 1).isHighSurrogate()) // never half a character
        --length;
    return withVisibleMarks(text.first(length)) + QChar(char16_t(0x2026));
}

QString withVisibleMarks(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown)
        c = visibleMark(c);
    return shown;
}

} // namespace talpora
