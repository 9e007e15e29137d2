// Renders an SVG picture into a square PNG of a given size:
//   talpora_render_icon <picture.svg> <size in pixels> <output.png>
// The build uses it to make the PNG program icons of the icon theme.

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = arguments.value(2).toInt(&sizeOk);
    if (arguments.size() != 4 || !sizeOk || size < 1 || size > 4096) {
        std::fputs("usage: talpora_render_icon <picture.svg> <size> <output.png>\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "talpora_render_icon: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(arguments[3], "PNG")) {
        std::fprintf(stderr, "talpora_render_icon: cannot write %s\n", qPrintable(arguments[3]));
        return 1;
    }
    return 0;
}
