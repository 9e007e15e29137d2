// Files read through the Windows API, with wide-character names so that a name
// in any script opens.
#include "xml/ByteSource.h"

#include <QDir>
#include <system_error>
#include <windows.h>

namespace talpora {

namespace {

LoadError errorFromSystem(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
        return {LoadErrorKind::FileNotFound, 0, 0, 0, {}};
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return {LoadErrorKind::PermissionDenied, 0, 0, 0, {}};
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return {LoadErrorKind::OutOfMemory, 0, 0, 0, {}};
    default:
        return {LoadErrorKind::ReadFailed, 0, 0, 0,
                QString::fromStdString(std::system_category().message(int(code)))};
    }
}

class FileSource final : public ByteSource
{
public:
    FileSource(HANDLE file, std::uint64_t size)
        : m_file(file), m_size(size), m_buffer(new char[chunkSize])
    {}
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    ~FileSource() override { CloseHandle(m_file); }

    std::string_view next(LoadError& error) override
    {
        std::size_t filled = 0;
        // Fill the whole chunk where the file allows, so that chunk sizes do
        // not depend on how the system splits reads.
        while (filled < chunkSize) {
            DWORD count = 0;
            if (!ReadFile(m_file, m_buffer.get() + filled, DWORD(chunkSize - filled), &count,
                          nullptr)) {
                error = errorFromSystem(GetLastError());
                return {};
            }
            if (count == 0)
                break;
            filled += count;
        }
        return {m_buffer.get(), filled};
    }

    std::uint64_t sizeHint() const override { return m_size; }

private:
    HANDLE m_file;
    std::uint64_t m_size;
    std::unique_ptr<char[]> m_buffer;
};

} // namespace

std::unique_ptr<ByteSource> openFileSource(const QString& path, LoadError& error)
{
    if (path.isEmpty()) {
        error = errorFromSystem(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    // Others may go on reading, writing or renaming the file while it is read.
    // Backup semantics let a folder open too, so that it can be named as such.
    const HANDLE file = CreateFileW(
        name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = errorFromSystem(GetLastError());
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool onDisk = GetFileType(file) == FILE_TYPE_DISK;
    if (!onDisk || !GetFileInformationByHandle(file, &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        const DWORD code = GetLastError();
        CloseHandle(file);
        // Devices, consoles and pipes are not documents.
        if (!onDisk)
            error = {LoadErrorKind::NotRegularFile, 0, 0, 0, {}};
        else if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            error = {LoadErrorKind::Directory, 0, 0, 0, {}};
        else
            error = errorFromSystem(code);
        return nullptr;
    }
    const std::uint64_t size =
        (std::uint64_t(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    if (size > largestDocument) {
        CloseHandle(file);
        error = {LoadErrorKind::TooLarge, 0, 0, 0, {}};
        return nullptr;
    }
    try {
        return std::make_unique<FileSource>(file, (std::uint64_t{information.nFileSizeHigh} << 32) |
                                                      information.nFileSizeLow);
    } catch (const std::bad_alloc&) {
        CloseHandle(file);
        error = errorFromSystem(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
}

} // namespace talpora
