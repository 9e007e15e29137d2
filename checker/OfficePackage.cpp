#include "checker/OfficePackage.h"

#include "checker/PartNames.h"

#include <QFile>
#include <zip.h>

namespace talpora::checker {

namespace {

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

} // namespace

OpenedPackage OfficePackage::openFile(const QString& path)
{
    int code = 0;
    // libzip takes file names in UTF-8 on every system (on Windows it opens
    // them by their wide-character name).
    zip* archive = zip_open(path.toUtf8().constData(), ZIP_RDONLY, &code);
    if (!archive) {
        const bool notZip = code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS;
        return {nullptr,
                {notZip ? PackageErrorKind::NotAPackage : PackageErrorKind::CannotOpenPackage,
                 {},
                 {messageOfCode(code)},
                 {}}};
    }
    return {std::unique_ptr<OfficePackage>(new OfficePackage(archive)), {}};
}

OpenedPackage OfficePackage::openBytes(const QByteArray& bytes)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &zipError);
    zip* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &zipError) : nullptr;
    if (!archive) {
        OpenedPackage failed{nullptr,
                             {PackageErrorKind::NotAPackage, {}, {messageOf(&zipError)}, {}}};
        if (source)
            zip_source_free(source);
        zip_error_fini(&zipError);
        return failed;
    }
    zip_error_fini(&zipError);
    return {std::unique_ptr<OfficePackage>(new OfficePackage(archive)), {}};
}

OfficePackage::OfficePackage(zip* archive) : m_archive(archive)
{
    // One pass over the central directory, so finding a part costs a hash
    // lookup however many entries the archive has.
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    QHash<QString, qsizetype> ambiguousGroup; // name key -> index in m_ambiguous
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(m_archive, static_cast<zip_uint64_t>(index), 0);
        if (!name)
            continue;
        const QString stored = QString::fromUtf8(name);
        m_names.append(stored);
        const QString key = partNameKey(stored);
        const auto entry = m_indexOfName.find(key);
        if (entry == m_indexOfName.end()) {
            m_indexOfName.insert(key, index);
            continue;
        }
        if (entry.value() >= 0) {
            ambiguousGroup.insert(key, m_ambiguous.size());
            m_ambiguous.push_back(
                {QString::fromUtf8(zip_get_name(m_archive, zip_uint64_t(entry.value()), 0))});
            entry.value() = -1;
        }
        m_ambiguous[std::size_t(ambiguousGroup.value(key))].append(stored);
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

PartBytes OfficePackage::read(const QString& partName, qint64 limit) const
{
    const auto failed = [&](PackageErrorKind kind, MessageArgument argument) {
        return PartBytes{{}, {kind, partName, {std::move(argument)}, {}}};
    };
    const auto tooLarge = [&] { return failed(PackageErrorKind::PartTooLarge, limit >> 20); };
    const auto found = m_indexOfName.constFind(partNameKey(partName));
    if (found == m_indexOfName.cend())
        return failed(PackageErrorKind::PartMissing, partName);
    if (found.value() < 0)
        return failed(PackageErrorKind::PartAmbiguous, partName);
    const zip_int64_t index = found.value();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return failed(PackageErrorKind::PartBroken, messageOf(zip_get_error(m_archive)));
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > static_cast<zip_uint64_t>(limit))
        return tooLarge();

    zip_file_t* file = zip_fopen_index(m_archive, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        return failed(PackageErrorKind::PartBroken, messageOf(zip_get_error(m_archive)));
    // The stored size can lie; the cap holds for what actually comes out.
    PartBytes part;
    char buffer[64 * 1024];
    while (true) {
        const zip_int64_t count = zip_fread(file, buffer, sizeof buffer);
        if (count < 0) {
            part = failed(PackageErrorKind::PartBroken, messageOf(zip_file_get_error(file)));
            break;
        }
        if (count == 0)
            break;
        if (part.bytes.size() + count > limit) {
            part = tooLarge();
            break;
        }
        part.bytes.append(buffer, static_cast<qsizetype>(count));
    }
    zip_fclose(file);
    return part;
}

} // namespace talpora::checker
