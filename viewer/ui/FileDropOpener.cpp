#include "viewer/ui/FileDropOpener.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace talpora {

FileDropOpener::FileDropOpener(QWidget* window, std::function<void(const QString& path)> open)
    : QObject(window), m_open(std::move(open))
{}

void FileDropOpener::install(QWidget* window, std::function<void(const QString& path)> open)
{
    // No child of the window takes drops, so Qt hands drops over any of
    // them to the window itself.
    window->setAcceptDrops(true);
    window->installEventFilter(new FileDropOpener(window, std::move(open)));
}

QString FileDropOpener::firstLocalFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

bool FileDropOpener::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drag = static_cast<QDropEvent*>(event);
    const QString path = firstLocalFile(drag->mimeData());
    if (path.isEmpty() || !(drag->possibleActions() & Qt::CopyAction))
        return false;
    // Always a copy: a move would let the file manager delete the file.
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path] { m_open(path); }, Qt::QueuedConnection);
    return true;
}

} // namespace talpora
