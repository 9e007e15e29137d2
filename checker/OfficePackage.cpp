#include "OfficePackage.h"

#include <QFile>
#include <zip.h>

using namespace Qt::StringLiterals;

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

std::unique_ptr<OfficePackage> OfficePackage::openFile(const QString& path, QString& error)
{
    int code = 0;
    // libzip takes file names in UTF-8 on every system (on Windows it opens
    // them by their wide-character name).
    zip* archive = zip_open(path.toUtf8().constData(), ZIP_RDONLY, &code);
    if (!archive) {
        const bool notZip = code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS;
        error = (notZip ? u"not an Office Open XML package: "_s : u"cannot open the package: "_s) +
                messageOfCode(code);
        return nullptr;
    }
    error.clear();
    return std::unique_ptr<OfficePackage>(new OfficePackage(archive));
}

std::unique_ptr<OfficePackage> OfficePackage::openBytes(const QByteArray& bytes, QString& error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &zipError);
    zip* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &zipError) : nullptr;
    if (!archive) {
        error = u"not an Office Open XML package: "_s + messageOf(&zipError);
        if (source)
            zip_source_free(source);
        zip_error_fini(&zipError);
        return nullptr;
    }
    zip_error_fini(&zipError);
    error.clear();
    return std::unique_ptr<OfficePackage>(new OfficePackage(archive));
}

OfficePackage::~OfficePackage()
{
    zip_discard(m_archive);
}

bool OfficePackage::contains(const QString& partName) const
{
    return zip_name_locate(m_archive, partName.toUtf8().constData(), ZIP_FL_NOCASE) >= 0;
}

PartBytes OfficePackage::read(const QString& partName, qint64 limit) const
{
    const zip_int64_t index =
        zip_name_locate(m_archive, partName.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        return {PartBytes::Status::Missing, {}, {}};
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return {PartBytes::Status::Broken, {}, messageOf(zip_get_error(m_archive))};
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > static_cast<zip_uint64_t>(limit))
        return {PartBytes::Status::TooLarge, {}, {}};

    zip_file_t* file = zip_fopen_index(m_archive, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        return {PartBytes::Status::Broken, {}, messageOf(zip_get_error(m_archive))};
    // The stored size can lie; the cap holds for what actually comes out.
    PartBytes part{PartBytes::Status::Read, {}, {}};
    char buffer[64 * 1024];
    while (true) {
        const zip_int64_t count = zip_fread(file, buffer, sizeof buffer);
        if (count < 0) {
            part = {PartBytes::Status::Broken, {}, messageOf(zip_file_get_error(file))};
            break;
        }
        if (count == 0)
            break;
        if (part.bytes.size() + count > limit) {
            part = {PartBytes::Status::TooLarge, {}, {}};
            break;
        }
        part.bytes.append(buffer, static_cast<qsizetype>(count));
    }
    zip_fclose(file);
    return part;
}

} // namespace talpora::checker
