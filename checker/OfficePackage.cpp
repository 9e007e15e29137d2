#include "checker/OfficePackage.h"

#include "checker/PartNames.h"
#include "checker/ZipDeviceSource.h"
#include "checker/ZipStructure.h"

#include <QBuffer>
#include <QFile>
#include <zip.h>

namespace talpora::checker {

namespace {

constexpr quint16 utf8NameFlag = 0x0800;

QString messageOf(zip_error_t* error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

QString messageOfCode(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    QString message = messageOf(&error);
    zip_error_fini(&error);
    return message;
}

OpenedPackage failed(PackageErrorKind kind, MessageArgument argument)
{
    return {nullptr, {kind, {}, {std::move(argument)}, {}}};
}

// libzip refuses a whole archive when one name flagged as UTF-8 is not: the
// flag is cleared for libzip, so the other entries stay readable.
std::vector<BytePatch> clearedFalseUtf8Flags(const std::vector<ZipEntry>& entries)
{
    std::vector<BytePatch> patches;
    for (const ZipEntry& entry : entries) {
        if ((entry.flags & utf8NameFlag) && !utf8Name(entry.name))
            patches.push_back(
                {entry.recordOffset + 9, static_cast<char>((entry.flags & ~utf8NameFlag) >> 8)});
    }
    return patches;
}

// Whether libzip lists the entries the structure check found, in its order:
// else it found another directory than the one checked.
bool listsSameEntries(zip* archive, const std::vector<ZipEntry>& entries)
{
    if (zip_get_num_entries(archive, 0) != zip_int64_t(entries.size()))
        return false;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const ZipEntry& entry = entries[index];
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, index, ZIP_FL_ENC_RAW, &stat) != 0 || !stat.name ||
            QByteArrayView(stat.name) != entry.name || stat.size != entry.size ||
            stat.comp_size != entry.compressedSize || stat.crc != entry.crc ||
            stat.comp_method != entry.method)
            return false;
    }
    return true;
}

} // namespace

OpenedPackage OfficePackage::openFile(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return failed(PackageErrorKind::CannotOpenPackage, file->errorString());
    return open(std::move(file));
}

OpenedPackage OfficePackage::openBytes(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return open(std::move(buffer));
}

OpenedPackage OfficePackage::open(std::unique_ptr<QIODevice> device)
{
    const ZipStructure structure = readZipStructure(*device);
    switch (structure.verdict) {
    case ZipStructure::Verdict::Sound:
        break;
    case ZipStructure::Verdict::NotZip:
        return failed(PackageErrorKind::NotAPackage, messageOfCode(ZIP_ER_NOZIP));
    case ZipStructure::Verdict::Inconsistent:
        return failed(PackageErrorKind::InconsistentZip, structure.faultOffset);
    case ZipStructure::Verdict::Unreadable:
        return failed(PackageErrorKind::CannotOpenPackage, device->errorString());
    }

    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* source =
        zipDeviceSource(*device, clearedFalseUtf8Flags(structure.entries), &zipError);
    zip* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &zipError) : nullptr;
    if (!archive) {
        OpenedPackage opened = failed(PackageErrorKind::CannotOpenPackage, messageOf(&zipError));
        if (source)
            zip_source_free(source);
        zip_error_fini(&zipError);
        return opened;
    }
    zip_error_fini(&zipError);
    if (!listsSameEntries(archive, structure.entries)) {
        zip_discard(archive);
        return failed(PackageErrorKind::InconsistentZip,
                      structure.entries.empty() ? 0 : structure.entries.front().recordOffset);
    }
    return {std::unique_ptr<OfficePackage>(new OfficePackage(std::move(device), archive)), {}};
}

OfficePackage::OfficePackage(std::unique_ptr<QIODevice> device, zip* archive)
    : m_device(std::move(device)), m_archive(archive)
{
    indexNames();
}

void OfficePackage::indexNames()
{
    // One pass over the central directory, so finding a part costs a hash
    // lookup however many entries the archive has.
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    QHash<QString, qsizetype> ambiguousGroup; // name key -> index in m_ambiguous
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* raw = zip_get_name(m_archive, zip_uint64_t(index), ZIP_FL_ENC_RAW);
        if (!raw)
            continue;
        const std::optional<QString> stored = utf8Name(raw);
        if (!stored) {
            m_undecodableNames.append(withInvalidBytesEscaped(raw));
            continue;
        }
        m_names.append(*stored);
        const QString key = partNameKey(*stored);
        const auto entry = m_indexOfName.find(key);
        if (entry == m_indexOfName.end()) {
            m_indexOfName.insert(key, index);
            continue;
        }
        if (entry.value() >= 0) {
            ambiguousGroup.insert(key, m_ambiguous.size());
            m_ambiguous.push_back({QString::fromUtf8(
                zip_get_name(m_archive, zip_uint64_t(entry.value()), ZIP_FL_ENC_RAW))});
            entry.value() = -1;
        }
        m_ambiguous[std::size_t(ambiguousGroup.value(key))].append(*stored);
    }
}

OfficePackage::~OfficePackage()
{
    zip_discard(m_archive);
}

bool OfficePackage::contains(const QString& partName) const
{
    return m_indexOfName.contains(partNameKey(partName));
}

PartBytes OfficePackage::read(const QString& partName, qint64 limit)
{
    const auto failedPart = [&](PackageErrorKind kind, MessageArgument argument) {
        return PartBytes{{}, {kind, partName, {std::move(argument)}, {}}};
    };
    // The first limit the part passes, when it passes one.
    const auto overLimit = [&](quint64 size) -> std::optional<PartBytes> {
        if (size > quint64(limit))
            return failedPart(PackageErrorKind::PartTooLarge, limit >> 20);
        if (size > quint64(m_inflateLeft))
            return failedPart(PackageErrorKind::PackageTooLarge, defaultTotalLimit >> 20);
        return std::nullopt;
    };
    const auto found = m_indexOfName.constFind(partNameKey(partName));
    if (found == m_indexOfName.cend())
        return failedPart(PackageErrorKind::PartMissing, partName);
    if (found.value() < 0)
        return failedPart(PackageErrorKind::PartAmbiguous, partName);
    const zip_int64_t index = found.value();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return failedPart(PackageErrorKind::PartBroken, messageOf(zip_get_error(m_archive)));
    if (stat.valid & ZIP_STAT_SIZE) {
        if (std::optional<PartBytes> refused = overLimit(stat.size))
            return std::move(*refused);
    }

    zip_file_t* file = zip_fopen_index(m_archive, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        return failedPart(PackageErrorKind::PartBroken, messageOf(zip_get_error(m_archive)));
    // The stored size can lie; the limits hold for what actually comes out,
    // and what came out counts against the total even when the part is refused.
    PartBytes part;
    qint64 inflated = 0;
    char buffer[64 * 1024];
    while (true) {
        const zip_int64_t count = zip_fread(file, buffer, sizeof buffer);
        if (count < 0) {
            part = failedPart(PackageErrorKind::PartBroken, messageOf(zip_file_get_error(file)));
            break;
        }
        if (count == 0)
            break;
        inflated += count;
        if (std::optional<PartBytes> refused = overLimit(quint64(inflated))) {
            part = std::move(*refused);
            break;
        }
        part.bytes.append(buffer, static_cast<qsizetype>(count));
    }
    zip_fclose(file);
    m_inflateLeft -= std::min(inflated, m_inflateLeft);
    return part;
}

} // namespace talpora::checker
