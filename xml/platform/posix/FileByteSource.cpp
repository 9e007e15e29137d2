// Files read through POSIX calls.
#include "xml/ByteSource.h"
#include "xml/NativeFileNames.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talpora {

namespace {

LoadError errorFromErrno(int number)
{
    switch (number) {
    case ENOENT:
    case ENOTDIR:
        return {LoadErrorKind::FileNotFound, 0, 0, 0, {}};
    case EACCES:
    case EPERM:
        return {LoadErrorKind::PermissionDenied, 0, 0, 0, {}};
    case EISDIR:
        return {LoadErrorKind::Directory, 0, 0, 0, {}};
    case ENOMEM:
        return {LoadErrorKind::OutOfMemory, 0, 0, 0, {}};
    default:
        return {LoadErrorKind::ReadFailed, 0, 0, 0, QString::fromLocal8Bit(std::strerror(number))};
    }
}

class FileSource final : public ByteSource
{
public:
    FileSource(int fd, std::uint64_t size) : m_fd(fd), m_size(size), m_buffer(new char[chunkSize])
    {}
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    ~FileSource() override { ::close(m_fd); }

    std::string_view next(LoadError& error) override
    {
        std::size_t filled = 0;
        // Fill the whole chunk where the file allows, so that chunk sizes do
        // not depend on how the system splits reads.
        while (filled < chunkSize) {
            const ssize_t count = ::read(m_fd, m_buffer.get() + filled, chunkSize - filled);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                error = errorFromErrno(errno);
                return {};
            }
            if (count == 0)
                break;
            filled += static_cast<std::size_t>(count);
        }
        return {m_buffer.get(), filled};
    }

    std::uint64_t sizeHint() const override { return m_size; }

private:
    int m_fd;
    std::uint64_t m_size;
    std::unique_ptr<char[]> m_buffer;
};

} // namespace

std::unique_ptr<ByteSource> openFileSource(const QString& path, LoadError& error)
{
    if (path.isEmpty()) {
        error = errorFromErrno(ENOENT);
        return nullptr;
    }
    const QByteArray nativePath = nativeFileName(path);
    // O_NONBLOCK: opening a named pipe must not wait for a writer. It changes
    // nothing for the regular files that are read afterwards.
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = errorFromErrno(errno);
        return nullptr;
    }
    struct stat status
    {};
    const bool statusRead = ::fstat(fd, &status) == 0;
    const int statusError = errno;
    if (!statusRead || !S_ISREG(status.st_mode)) {
        ::close(fd);
        if (!statusRead)
            error = errorFromErrno(statusError);
        else if (S_ISDIR(status.st_mode))
            error = errorFromErrno(EISDIR);
        else
            error = {LoadErrorKind::NotRegularFile, 0, 0, 0, {}};
        return nullptr;
    }
    if (static_cast<std::uint64_t>(status.st_size) > largestDocument) {
        ::close(fd);
        error = {LoadErrorKind::TooLarge, 0, 0, 0, {}};
        return nullptr;
    }
    try {
        return std::make_unique<FileSource>(fd, static_cast<std::uint64_t>(status.st_size));
    } catch (const std::bad_alloc&) {
        ::close(fd);
        error = errorFromErrno(ENOMEM);
        return nullptr;
    }
}

} // namespace talpora
