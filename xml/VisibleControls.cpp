#include "xml/VisibleControls.h"

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
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
