#include "viewer/ui/Pictures.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtMath>
#include <memory>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

// Draws one SVG picture at whatever size and device pixel ratio it is asked
// for, so it stays crisp on every screen. The same picture serves every mode:
// a selected row shows it untinted, as a normal one does.
class SvgPictureEngine : public QIconEngine
{
public:
    explicit SvgPictureEngine(const QString& svgResource)
        : m_renderer(std::make_shared<QSvgRenderer>(svgResource))
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, rendered(rect.size(), ratio));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    // Asked for a pixmap, the engine is given its size in device pixels.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return rendered(size, 1.0);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
    }

    QString key() const override { return u"talpora-svg-picture"_s; }
    QIconEngine* clone() const override { return new SvgPictureEngine(*this); }
    bool isNull() override { return !m_renderer->isValid(); }

private:
    QPixmap rendered(const QSize& size, qreal scale)
    {
        const QSize devicePixels(qCeil(size.width() * scale), qCeil(size.height() * scale));
        if (devicePixels.isEmpty())
            return {};
        const QString key = u"%1x%2@%3"_s.arg(size.width()).arg(size.height()).arg(scale);
        if (const auto cached = m_cache.constFind(key); cached != m_cache.constEnd())
            return *cached;
        QPixmap pixmap(devicePixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        m_renderer->render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        m_cache.insert(key, pixmap);
        return pixmap;
    }

    std::shared_ptr<QSvgRenderer> m_renderer;
    QHash<QString, QPixmap> m_cache;
};

// A picture with a mark over its corner, both drawn by their own engines at
// the size asked for, so the mark is as crisp as the picture.
class MarkedPictureEngine : public QIconEngine
{
public:
    MarkedPictureEngine(QIcon picture, QIcon mark)
        : m_picture(std::move(picture)), m_mark(std::move(mark))
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        m_picture.paint(painter, rect, Qt::AlignCenter, mode, state);
        // The lower right quarter and a little more: big enough to read at 16 px.
        const int side = (rect.width() * 5 + 7) / 8;
        m_mark.paint(painter, QRect(rect.right() + 1 - side, rect.bottom() + 1 - side, side, side),
                     Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
    }

    QString key() const override { return u"talpora-marked-picture"_s; }
    QIconEngine* clone() const override { return new MarkedPictureEngine(*this); }

private:
    QIcon m_picture;
    QIcon m_mark;
};

} // namespace

QIcon pictureIcon(const QString& svgResource)
{
    return QIcon(new SvgPictureEngine(svgResource));
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

QIcon errorMark()
{
    return pictureIcon(u":/icons/mark-error.svg"_s);
}

QIcon warningMark()
{
    return pictureIcon(u":/icons/mark-warning.svg"_s);
}

QIcon markedPicture(const QIcon& picture, const QIcon& mark)
{
    return QIcon(new MarkedPictureEngine(picture, mark));
}

} // namespace talpora
