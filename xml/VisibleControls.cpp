#include "xml/VisibleControls.h"

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

// Bidirectional marks, embeddings, overrides and isolates reorder the text
// after them on screen: a name could show as something it is not.
bool isBidiControl(char16_t c)
{
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029 || isBidiControl(c);
}

} // namespace

QString escapedControls(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && !needsEscape(text[first].unicode()))
        ++first;
    if (first == text.size())
        return text;
    QString escaped = text.left(first);
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!needsEscape(c))
            escaped += QChar(c);
        else if (c == u'\n')
            escaped += u"\\n"_s;
        else if (c == u'\r')
            escaped += u"\\r"_s;
        else if (c == u'\t')
            escaped += u"\\t"_s;
        else if (c > 0xff)
            escaped += u"\\u%1"_s.arg(int(c), 4, 16, QChar(u'0'));
        else
            escaped += u"\\x%1"_s.arg(int(c), 2, 16, QChar(u'0'));
    }
    return escaped;
}

} // namespace talpora
