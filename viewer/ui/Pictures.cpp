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

} // namespace talpora
