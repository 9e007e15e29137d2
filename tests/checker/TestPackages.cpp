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
