#include "viewer/ui/ToolTipText.h"

#include <QTextDocument>

namespace talpora {

QString toolTipText(const QString& plainText)
{
    QString shown = plainText;
    if (shown.size() > maximumToolTipLength) {
        qsizetype length = maximumToolTipLength;
        if (shown.at(length - 1).isHighSurrogate()) // never half a character
            --length;
        shown = shown.first(length) + QChar(char16_t(0x2026));
    }
    return Qt::convertFromPlainText(shown, Qt::WhiteSpaceNormal);
}

} // namespace talpora
