#pragma once

#include "checker/PackageError.h"

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <memory>

struct zip;

namespace talpora::checker {

// A part's bytes, or why there are none: PartMissing, PartAmbiguous (several
// entries have its name, ignoring case), PartTooLarge (it inflates to more
// than the cap: refused as a zip bomb), PackageTooLarge (the parts read so far
// and this one inflate to more than the package's total) or PartBroken
// (damaged data, a wrong checksum, an encrypted entry ...). The error belongs
// to the part.
struct PartBytes
{
    QByteArray bytes;
    PackageError error;
};

class OfficePackage;

// An opened package, or why it cannot be opened: NotAPackage,
// CannotOpenPackage, or InconsistentZip (ZipStructure.h), which refuses an
// archive that zip readers may read differently.
struct OpenedPackage
{
    std::unique_ptr<OfficePackage> package;
    PackageError error;
};

// Whether the bytes start as a zip archive does.
inline bool startsLikeZip(QByteArrayView start)
{
    return start.startsWith("PK\x03\x04");
}

// An Office Open XML package (a zip archive), read-only, through libzip,
// once its zip structure proved sound. Nothing is ever extracted to disk;
// parts are read into memory, each up to a cap and all together up to a
// total, so no archive makes a reader inflate without end.
class OfficePackage
{
public:
    // 64 MiB: far above any real customUI part or relationship list.
    static constexpr qint64 defaultPartLimit = qint64(64) << 20;
    // 256 MiB for all the parts one package has read, however many it holds.
    static constexpr qint64 defaultTotalLimit = qint64(256) << 20;

    static OpenedPackage openFile(const QString& path);
    static OpenedPackage openBytes(const QByteArray& bytes);

    ~OfficePackage();
    OfficePackage(const OfficePackage&) = delete;
    OfficePackage& operator=(const OfficePackage&) = delete;

    // Part names are matched as the package format compares them: ASCII
    // letters ignoring case (partNameKey).
    bool contains(const QString& partName) const;
    // The part `partName` ("customUI/customUI14.xml"), refused when it
    // inflates to more than `limit` or past what is left of the total.
    PartBytes read(const QString& partName, qint64 limit = defaultPartLimit);

    // Every entry name that is UTF-8, as stored, in archive order.
    const QStringList& partNames() const { return m_names; }
    // The entry names that are not UTF-8, their odd bytes escaped
    // (withInvalidBytesEscaped): no part has them, so none is read.
    const QStringList& undecodableNames() const { return m_undecodableNames; }
    // Groups of two or more entry names that are equal ignoring case: which of
    // them an application reads is anybody's guess, so none of them is read.
    const std::vector<QStringList>& ambiguousNames() const { return m_ambiguous; }

private:
    OfficePackage(std::unique_ptr<QIODevice> device, zip* archive);
    static OpenedPackage open(std::unique_ptr<QIODevice> device);
    void indexNames();

    std::unique_ptr<QIODevice> m_device; // what the archive reads from
    zip* m_archive;
    qint64 m_inflateLeft = defaultTotalLimit;
    QStringList m_names;
    QStringList m_undecodableNames;
    // Name key (partNameKey) -> archive index; -1 for an ambiguous name.
    QHash<QString, qint64> m_indexOfName;
    std::vector<QStringList> m_ambiguous;
};

} // namespace talpora::checker
