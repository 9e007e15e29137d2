#pragma once

#include "checker/PackageError.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

struct zip;

namespace talpora::checker {

// A part's bytes, or why there are none: PartMissing, PartAmbiguous (several
// entries have its name, ignoring case), PartTooLarge (it inflates to more
// than the cap: refused as a zip bomb) or PartBroken (damaged data, a wrong
// checksum, an encrypted entry ...). The error belongs to the part.
struct PartBytes
{
    QByteArray bytes;
    PackageError error;
};

class OfficePackage;

// An opened package, or why it cannot be opened (NotAPackage, CannotOpenPackage).
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

// An Office Open XML package (a zip archive), read-only, through libzip.
// Nothing is ever extracted to disk; parts are read into memory up to a cap.
class OfficePackage
{
public:
    // 64 MiB: far above any real customUI part or relationship list.
    static constexpr qint64 defaultPartLimit = qint64(64) << 20;

    static OpenedPackage openFile(const QString& path);
    // The archive in memory; the bytes must outlive the package.
    static OpenedPackage openBytes(const QByteArray& bytes);

    ~OfficePackage();
    OfficePackage(const OfficePackage&) = delete;
    OfficePackage& operator=(const OfficePackage&) = delete;

    // Part names are matched as the package format compares them: ASCII
    // letters ignoring case (partNameKey).
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
    // Name key (partNameKey) -> archive index; -1 for an ambiguous name.
    QHash<QString, qint64> m_indexOfName;
    std::vector<QStringList> m_ambiguous;
};

} // namespace talpora::checker
