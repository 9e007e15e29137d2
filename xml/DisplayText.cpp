#include "xml/DisplayText.h"

#include "xml/Utf8View.h"

#include <algorithm>

namespace talpora {

namespace {

// The marks and embeddings that reorder text around them: drawn as they
// are, "label=\"\u202Eevil\"" would read as label="<"live.
bool isBidirectionalControl(char16_t code)
{
    return (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) ||
           code == 0x200E || code == 0x200F || code == 0x061C;
}

// C0 controls and DEL have their own pictures (␀ … ␟, ␡); the line and
// paragraph separators and NEL break a line as "\n" does (␤); the other C1
// controls and the bidirectional controls show as ␦.
QChar visibleMark(QChar c)
{
    const char16_t code = c.unicode();
    if (isBidirectionalControl(code))
        return QChar(char16_t(0x2426));
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

QString withVisibleMarks(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown)
        c = visibleMark(c);
    return shown;
}

} // namespace

QString displayText(std::string_view utf8)
{
    // A UTF-16 unit takes at most three bytes, so this prefix holds more units
    // than a row draws whenever it is shorter than the text: a text of
    // megabytes is not decoded whole on every repaint.
    std::size_t prefix =
        std::min(utf8.size(), static_cast<std::size_t>(3 * (maximumDisplayLength + 2)));
    while (prefix < utf8.size() && (static_cast<unsigned char>(utf8[prefix]) & 0xC0) == 0x80)
        --prefix; // never half a character
    return displayLine(fromUtf8View(utf8.substr(0, prefix)));
}

QString displayLine(const QString& text)
{
    qsizetype length = text.size();
    if (length <= maximumDisplayLength)
        return withVisibleMarks(text);
    length = maximumDisplayLength;
    if (text.at(length - 1).isHighSurrogate()) // never half a character
        --length;
    return withVisibleMarks(text.first(length)) + QChar(char16_t(0x2026));
}

} // namespace talpora
