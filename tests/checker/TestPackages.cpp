#include "TestPackages.h"

#include <zip.h>

namespace talpora::test {

QByteArray zipArchive(const std::vector<PackagePart>& parts)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = target ? zip_open_from_source(target, ZIP_TRUNCATE, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive)
        return {};
    zip_source_keep(target); // the bytes are read back after closing
    for (const auto& [name, bytes] : parts) {
        zip_source_t* source =
            zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!source || zip_file_add(archive, name.toUtf8().constData(), source, 0) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            zip_source_free(target);
            return {};
        }
    }
    QByteArray result;
    if (zip_close(archive) == 0 && zip_source_open(target) == 0) {
        char buffer[65536];
        for (zip_int64_t count; (count = zip_source_read(target, buffer, sizeof buffer)) > 0;)
            result.append(buffer, qsizetype(count));
        zip_source_close(target);
    }
    zip_source_free(target);
    return result;
}

namespace {

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xffffffff;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

void appendLittleEndian(QByteArray& bytes, quint64 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

} // namespace

QByteArray rawZipArchive(const std::vector<RawZipEntry>& entries)
{
    QByteArray archive;
    QByteArray directory;
    std::vector<qsizetype> headerOffsets;
    for (const RawZipEntry& entry : entries) {
        const quint32 crc = crc32(entry.data) ^ entry.crcChange;
        const bool descriptor = entry.flags & 0x0008;
        const auto fields = [&](QByteArray& header) {
            appendLittleEndian(header, 20, 2); // version needed
            appendLittleEndian(header, entry.flags, 2);
            appendLittleEndian(header, 0, 2); // stored
            appendLittleEndian(header, 0, 4); // time and date
        };
        if (entry.sharesHeaderOf >= 0) {
            headerOffsets.push_back(headerOffsets[std::size_t(entry.sharesHeaderOf)]);
        } else {
            headerOffsets.push_back(archive.size());
            archive += "PK\x03\x04";
            fields(archive);
            for (const quint64 value :
                 {quint64(crc), quint64(entry.data.size()), quint64(entry.data.size())})
                appendLittleEndian(archive, descriptor ? 0 : value, 4);
            appendLittleEndian(archive, quint64(entry.name.size()), 2);
            appendLittleEndian(archive, 0, 2);
            archive += entry.name + entry.data;
            if (descriptor) {
                archive += "PK\x07\x08";
                for (const quint64 value :
                     {quint64(crc), quint64(entry.data.size()), quint64(entry.data.size())})
                    appendLittleEndian(archive, value, 4);
            }
        }
        directory += "PK\x01\x02";
        appendLittleEndian(directory, 20, 2); // version made by
        fields(directory);
        for (const quint64 value :
             {quint64(crc), quint64(entry.data.size()), quint64(entry.data.size())})
            appendLittleEndian(directory, value, 4);
        appendLittleEndian(directory, quint64(entry.name.size()), 2);
        appendLittleEndian(directory, 0, 8); // extra, comment, disk, attributes
        appendLittleEndian(directory, 0, 4); // external attributes
        appendLittleEndian(directory, quint64(headerOffsets.back()), 4);
        directory += entry.name;
    }
    const qsizetype directoryOffset = archive.size();
    archive += directory + "PK\x05\x06";
    appendLittleEndian(archive, 0, 4); // disks
    appendLittleEndian(archive, entries.size(), 2);
    appendLittleEndian(archive, entries.size(), 2);
    appendLittleEndian(archive, quint64(directory.size()), 4);
    appendLittleEndian(archive, quint64(directoryOffset), 4);
    appendLittleEndian(archive, 0, 2); // comment
    return archive;
}

QByteArray packageRelationships(const std::vector<std::pair<QString, QString>>& relationships)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                     "relationships\">";
    int id = 1;
    for (const auto& [type, target] : relationships) {
        xml += "<Relationship Id=\"rId" + QByteArray::number(id++) + "\" Type=\"" + type.toUtf8() +
               "\" Target=\"" + target.toUtf8() + "\"/>";
    }
    return xml + "</Relationships>";
}

QByteArray excelWorkbook(const std::vector<PackagePart>& customUiParts)
{
    std::vector<std::pair<QString, QString>> relationships{
        {officeDocumentType, QStringLiteral("xl/workbook.xml")}};
    std::vector<PackagePart> parts{{QStringLiteral("xl/workbook.xml"), "<workbook/>"}};
    for (const PackagePart& part : customUiParts) {
        relationships.emplace_back(
            part.first.contains(QStringLiteral("14")) ? customUi14Type : customUiType, part.first);
        parts.push_back(part);
    }
    parts.emplace_back(QStringLiteral("_rels/.rels"), packageRelationships(relationships));
    return zipArchive(parts);
}

} // namespace talpora::test
