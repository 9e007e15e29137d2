#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct zip;

namespace talpora::checker {

// A part's bytes, or why there are none.
struct PartBytes
{
    enum class Status
    {
        Read,
        Missing,
        TooLarge, // inflates to more than the cap: refused as a zip bomb
        Broken    // damaged data, a wrong checksum, an encrypted entry ...
    };
    Status status = Status::Missing;
    QByteArray bytes;
    QString detail; // libzip's message for Broken
};

// An Office Open XML package (a zip archive), read-only, through libzip.
// Nothing is ever extracted to disk; parts are read into memory up to a cap.
class OfficePackage
{
public:
    // 64 MiB: far above any real customUI part or relationship list.
    static constexpr qint64 defaultPartLimit = qint64(64) << 20;

    // nullptr and `error` set ("not an Office Open XML package: ...", "cannot
    // open the package: ...") when the archive cannot be opened.
    static std::unique_ptr<OfficePackage> openFile(const QString& path, QString& error);
    // The archive in memory; the bytes must outlive the package.
    static std::unique_ptr<OfficePackage> openBytes(const QByteArray& bytes, QString& error);

    ~OfficePackage();
    OfficePackage(const OfficePackage&) = delete;
    OfficePackage& operator=(const OfficePackage&) = delete;

    bool contains(const QString& partName) const;
    // The part `partName` ("customUI/customUI14.xml", matched ignoring case as
    // package part names are), refused when it inflates to more than `limit`.
    PartBytes read(const QString& partName, qint64 limit = defaultPartLimit) const;

private:
    explicit OfficePackage(zip* archive) : m_archive(archive) {}
    zip* m_archive;
};

} // namespace talpora::checker
