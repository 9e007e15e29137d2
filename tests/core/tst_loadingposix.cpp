// Loading files as POSIX systems have them: permissions that lock a reader
// out, and named pipes.
#include "TestDocuments.h"
#include "viewer/core/DocumentLoader.h"

#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

// Switches the effective user to "nobody" for its lifetime, so that a test
// running as root meets file permissions like an ordinary user.
class EffectiveUser
{
public:
    EffectiveUser() : m_switched(::geteuid() == 0 && ::seteuid(65534) == 0) {}
    EffectiveUser(const EffectiveUser&) = delete;
    EffectiveUser& operator=(const EffectiveUser&) = delete;
    ~EffectiveUser()
    {
        if (m_switched && ::seteuid(0) != 0)
            qFatal("cannot switch the effective user back to root");
    }
    bool switched() const { return m_switched; }

private:
    bool m_switched;
};

} // namespace

class TestLoadingPosix : public QObject
{
    Q_OBJECT

private slots:
    void unreadableFiles();
    void namedPipeDoesNotBlock();
};

void TestLoadingPosix::unreadableFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::ExeOther));
    QVERIFY(QDir(dir.path()).mkpath(u"open"_s) && QDir(dir.path()).mkpath(u"closed"_s));
    const QString lockedFile = writeFile(dir, u"open/locked.xml"_s, "<r/>");
    const QString fileInLockedFolder = writeFile(dir, u"closed/inside.xml"_s, "<r/>");
    QVERIFY(QFile::setPermissions(lockedFile, {}));
    QVERIFY(QFile::setPermissions(dir.filePath(u"closed"_s),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    LoadResult fromLockedFile;
    LoadResult fromLockedFolder;
    {
        const EffectiveUser nobody;
        if (::geteuid() == 0)
            QSKIP("running as root and cannot switch to another user");
        fromLockedFile = loadXmlFile(lockedFile);
        if (nobody.switched()) // as an ordinary user the folder is our own
            fromLockedFolder = loadXmlFile(fileInLockedFolder);
    }
    QVERIFY(!fromLockedFile);
    QCOMPARE(describe(fromLockedFile.error), u"permission denied"_s);
    if (::geteuid() == 0) {
        QVERIFY(!fromLockedFolder);
        QCOMPARE(describe(fromLockedFolder.error), u"permission denied"_s);
    }
}

void TestLoadingPosix::namedPipeDoesNotBlock()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(u"pipe.xml"_s));
    QVERIFY(::mkfifo(path.constData(), 0600) == 0);

    auto pending =
        std::async(std::launch::async, [path] { return loadXmlFile(QFile::decodeName(path)); });
    if (pending.wait_for(std::chrono::seconds(3)) != std::future_status::ready) {
        // A writer lets the blocked open return, so that the test can end.
        const int writer = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        pending.wait();
        QFAIL("loading a named pipe waits for a writer that never comes");
    }
    const LoadResult result = pending.get();
    QVERIFY(!result);
    QVERIFY(result.error);
}

QTEST_APPLESS_MAIN(TestLoadingPosix)
#include "tst_loadingposix.moc"
