#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
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
        Broken,   // damaged data, a wrong checksum, an encrypted entry ...
        Ambiguous // several entries have this name, ignoring case
    };
    Status status = Status::Missing;
    QByteArray bytes;
    QString detail; // libzip's message for Broken
};

// Whether the bytes start as a zip archive does.
inline bool startsLikeZip(QByteArrayView start)
{
    return start.startsWith("PK\x03\x04");
}

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

    // Part names are matched ignoring case, as the package format compares them.
    bool contains(const QString& partName) const;
    // The part `partName` ("customUI/customUI14.xml"), refused when it
    // inflates to more than `limit`.
    PartBytes read(const QString& partName, qint64 limit = defaultPartLimit) const;

    // Every entry name as stored, in archive order.
    const QStringList& partNames() const { return m_names; }
    // Groups of two or more entry names that are equal ignoring case: which of
    // them an application reads is anybody's guess, so none of them is read.
    const std::vector<QStringList>& ambiguousNames() const { return m_ambiguous; }

private:
    explicit OfficePackage(zip* archive);
    zip* m_archive;
    QStringList m_names;
    // Case-folded name -> archive index; -1 for an ambiguous name.
    QHash<QString, qint64> m_indexOfName;
    std::vector<QStringList> m_ambiguous;
};

} // namespace talpora::checker
