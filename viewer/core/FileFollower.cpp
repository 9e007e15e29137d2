#include "viewer/core/FileFollower.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace talpora {

FileFollower::FileFollower(QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)), m_settleTimer(new QTimer(this))
{
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(settleMilliseconds);
    connect(m_settleTimer, &QTimer::timeout, this, &FileFollower::settle);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &FileFollower::noticed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileFollower::noticed);
}

FileFollower::Stamp FileFollower::stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return {true, info.size(), info.lastModified(), info.metadataChangeTime()};
}

void FileFollower::follow(const QString& path)
{
    m_settleTimer->stop();
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_path = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    m_said = m_lastSeen = m_path.isEmpty() ? Stamp{} : stampOf(m_path);
    watch();
}

void FileFollower::watch()
{
    if (m_path.isEmpty())
        return;
    // A file replaced by a rename is a new file: the watcher lets go of the
    // old one, so the path is taken up again whenever it is there.
    if (QFileInfo::exists(m_path) && !m_watcher->files().contains(m_path))
        m_watcher->addPath(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher->directories().contains(folder))
        m_watcher->addPath(folder);
}

void FileFollower::noticed()
{
    // Every notification of a burst starts the wait again.
    m_settleTimer->start();
}

void FileFollower::settle()
{
    watch();
    const Stamp now = stampOf(m_path);
    if (now != m_lastSeen) {
        // Still moving: look again once it has been quiet for a while.
        m_lastSeen = now;
        m_settleTimer->start();
        return;
    }
    if (now == m_said)
        return; // nothing new, or back as it was
    const bool wasThere = m_said.exists;
    m_said = now;
    if (now.exists)
        emit changed();
    else if (wasThere)
        emit vanished();
}

} // namespace talpora
