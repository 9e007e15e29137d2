#include "FileReader.h"

#include "TextEncoding.h"

#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

QString describeErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return u"file not found"_s;
    case EACCES:
    case EPERM:
        return u"permission denied"_s;
    case EISDIR:
        return u"not a file (it is a directory)"_s;
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

Utf8FileText readRawBytes(const QString& path)
{
    if (path.isEmpty())
        return {{}, u"file not found"_s};
    const QByteArray nativePath = QFile::encodeName(path);
    // O_NONBLOCK: opening a named pipe must not wait for a writer. It changes
    // nothing for the regular files that are read below.
    FileDescriptor file(::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return {{}, describeErrno(errno)};

    struct stat status
    {};
    if (::fstat(file.get(), &status) != 0)
        return {{}, describeErrno(errno)};
    if (S_ISDIR(status.st_mode))
        return {{}, describeErrno(EISDIR)};
    if (!S_ISREG(status.st_mode))
        return {{}, u"not a regular file"_s};

    Utf8Buffer bytes(static_cast<std::size_t>(status.st_size));
    if (bytes.allocationFailed())
        return {{}, u"not enough memory to load the file"_s};
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {{}, describeErrno(errno)};
        if (count == 0)
            break; // the file shrank while we read it
        filled += static_cast<std::size_t>(count);
    }
    bytes.truncate(filled);
    return {std::move(bytes), {}};
}

} // namespace

Utf8FileText convertToUtf8(const char* data, std::size_t size, const QByteArray& encoding)
{
    QStringDecoder decoder(encoding.constData());
    if (!decoder.isValid())
        return {{}, u"unsupported encoding \u201C%1\u201D"_s.arg(QString::fromLatin1(encoding))};
    const QString text = decoder.decode(QByteArrayView(data, static_cast<qsizetype>(size)));
    const QByteArray utf8 = text.toUtf8();
    return {Utf8Buffer(utf8.constData(), static_cast<std::size_t>(utf8.size())), {}};
}

Utf8FileText readFileAsUtf8(const QString& path)
{
    Utf8FileText raw = readRawBytes(path);
    if (!raw)
        return raw;
    const DetectedEncoding encoding = detectXmlEncoding(raw.text.data(), raw.text.size());
    if (encoding.isUtf8()) {
        raw.text.dropFront(encoding.bomSize);
        return raw;
    }
    return convertToUtf8(raw.text.data() + encoding.bomSize, raw.text.size() - encoding.bomSize,
                         encoding.name);
}

} // namespace talpora
