#include "checker/CustomUiParts.h"

#include "checker/OfficePackage.h"
#include "checker/PackageRelationships.h"

#include <QFile>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

void readPackageParts(const OfficePackage& package, CustomUiParts& result)
{
    const PartBytes rels = package.read(u"_rels/.rels"_s);
    if (rels.status != PartBytes::Status::Read) {
        result.error = u"not an Office Open XML package: it has no readable _rels/.rels"_s;
        return;
    }
    const RelationshipList list = readRelationships(rels.bytes);
    if (list.error) {
        result.error = u"_rels/.rels: "_s + describe(list.error);
        return;
    }
    for (const Relationship& relationship : list.relationships) {
        if (!isCustomUiRelationship(relationship.type))
            continue;
        const std::optional<QString> name =
            relationship.external ? std::nullopt : resolvePartName(relationship.target);
        if (!name) {
            result.error =
                u"the customUI target \"%1\" leaves the package"_s.arg(relationship.target);
            return;
        }
        // A part named by several relationships is read once.
        if (std::any_of(result.parts.begin(), result.parts.end(), [&](const CustomUiPart& read) {
                return read.name.compare(*name, Qt::CaseInsensitive) == 0;
            }))
            continue;
        PartBytes part = package.read(*name);
        if (part.status != PartBytes::Status::Read) {
            result.error = u"cannot read the customUI part \"%1\""_s.arg(*name);
            return;
        }
        result.parts.push_back({*name, std::move(part.bytes)});
    }
}

} // namespace

CustomUiParts readCustomUiParts(const QString& path)
{
    CustomUiParts result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = u"cannot open the file: "_s + file.errorString();
        return result;
    }
    QByteArray bytes = file.readAll();
    if (!startsLikeZip(bytes)) {
        result.parts.push_back({{}, std::move(bytes)});
        return result;
    }
    QString error;
    if (const std::unique_ptr<OfficePackage> package = OfficePackage::openBytes(bytes, error))
        readPackageParts(*package, result);
    else
        result.error = error;
    return result;
}

} // namespace talpora::checker
