#include "Pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace talpora {

QIcon pictureIcon(const QString& svgResource)
{
    QSvgRenderer renderer(svgResource);
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

std::array<QIcon, 4> treePictures()
{
    return {pictureIcon(u":/icons/globe.svg"_s), pictureIcon(u":/icons/folder-closed.svg"_s),
            pictureIcon(u":/icons/folder-open.svg"_s), pictureIcon(u":/icons/books.svg"_s)};
}

QIcon programIcon()
{
    return pictureIcon(u":/icons/talpora.svg"_s);
}

QIcon scriptWindowIcon()
{
    return pictureIcon(u":/icons/scripts.svg"_s);
}

} // namespace talpora
