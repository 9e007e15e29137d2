#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace talpora {

// Follows a file on disk and says when it has changed and settled, so that
// the document shown from it can be loaded again. Editors and Office save by
// writing a temporary file and renaming it over the old one: the folder is
// watched too, so such a save is followed like one written in place. A file
// still being written (its size or time still moving) is waited for; a change
// is said once, however many notifications it causes.
class FileFollower : public QObject
{
    Q_OBJECT

public:
    explicit FileFollower(QObject* parent = nullptr);

    // Starts following `path` as it is now; an empty path stops following.
    void follow(const QString& path);
    const QString& path() const { return m_path; }

    // How long the file must stay the same before it counts as saved.
    static constexpr int settleMilliseconds = 150;

signals:
    // The file is there again, with other contents than when last said.
    void changed();
    // The file is gone (deleted, or renamed away); said once until it is back.
    void vanished();

private:
    struct Stamp
    {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        QDateTime metadataChanged;

        bool operator==(const Stamp&) const = default;
    };

    static Stamp stampOf(const QString& path);
    void noticed();
    void settle();
    void watch();

    QFileSystemWatcher* m_watcher;
    QTimer* m_settleTimer;
    QString m_path;
    Stamp m_said;     // the state last reported (or followed from)
    Stamp m_lastSeen; // the state at the last look, to see it settle
};

} // namespace talpora
