#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace talpora {

// Lets a window take files dropped on it from a file manager: a drag that
// carries local files is accepted anywhere over the window, and a drop opens
// the first of them through `open`, once the drop has finished (so that a
// message box never blocks the file manager).
class FileDropOpener : public QObject
{
    Q_OBJECT

public:
    static void install(QWidget* window, std::function<void(const QString& path)> open);

    // The first local file the drag carries; empty when it carries none.
    static QString firstLocalFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FileDropOpener(QWidget* window, std::function<void(const QString& path)> open);

    std::function<void(const QString& path)> m_open;
};

} // namespace talpora
