#include "checker/CustomUiPackage.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

using catalogue::Application;

constexpr auto imageRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image"_L1;

// Where Office writes customUI parts: "customUI/*.xml", "userCustomization/*.xml".
bool looksLikeCustomUiPart(const QString& foldedName)
{
    return foldedName.count(u'/') == 1 && foldedName.endsWith(u".xml"_s) &&
           (foldedName.startsWith(u"customui/"_s) ||
            foldedName.startsWith(u"usercustomization/"_s));
}

} // namespace

QString CustomUiPackage::relationshipsPart()
{
    return relationshipPartName({});
}

OpenedCustomUiPackage CustomUiPackage::openFile(const QString& path)
{
    return opened({}, OfficePackage::openFile(path));
}

OpenedCustomUiPackage CustomUiPackage::openBytes(QByteArray bytes)
{
    OpenedPackage package = OfficePackage::openBytes(bytes);
    return opened(std::move(bytes), std::move(package));
}

OpenedCustomUiPackage CustomUiPackage::opened(QByteArray bytes, OpenedPackage package)
{
    if (!package.package)
        return {nullptr, std::move(package.error)};
    return {std::unique_ptr<CustomUiPackage>(
                new CustomUiPackage(std::move(bytes), std::move(package.package))),
            {}};
}

CustomUiPackage::CustomUiPackage(QByteArray bytes, std::unique_ptr<OfficePackage> package)
    : m_bytes(std::move(bytes)), m_package(std::move(package))
{
    listParts();
}

void CustomUiPackage::listParts()
{
    for (const QStringList& names : m_package->ambiguousNames())
        m_errors.push_back({PackageErrorKind::AmbiguousNames,
                            {},
                            {NameList{names, NameListForm::QuotedConjunction}},
                            {}});
    const QString relsName = relationshipsPart();
    const PartBytes rels = m_package->read(relsName);
    if (rels.error.kind == PackageErrorKind::PartMissing) {
        m_errors.push_back({PackageErrorKind::NoRelationships, {}, {relsName}, {}});
        return;
    }
    if (rels.error.kind == PackageErrorKind::PartAmbiguous)
        return; // said with the package's names
    if (rels.error) {
        m_errors.push_back(rels.error);
        return;
    }
    const RelationshipList list = readRelationships(rels.bytes);
    if (list.error) {
        m_errors.push_back({PackageErrorKind::LoadFailed, relsName, {}, list.error});
        return;
    }
    m_hasRelationships = true;

    QSet<QString> listed; // case-folded
    for (const Relationship& relationship : list.relationships) {
        const std::optional<CustomUiPartType> type = customUiPartType(relationship.type);
        if (!type)
            continue;
        const std::optional<QString> name =
            relationship.external ? std::nullopt : resolvePartName(relationship.target);
        if (!name) {
            m_parts.push_back(
                {{},
                 *type,
                 {PackageErrorKind::TargetOutside, relsName, {relationship.target}, {}}});
            continue;
        }
        const QString folded = name->toCaseFolded();
        if (listed.contains(folded))
            continue;
        listed.insert(folded);
        m_parts.push_back({*name, *type, {}});
    }
    for (const QString& name : m_package->partNames()) {
        const QString folded = name.toCaseFolded();
        if (looksLikeCustomUiPart(folded) && !listed.contains(folded))
            m_unnamedParts.append(name);
    }
}

PartBytes CustomUiPackage::read(const CustomUiPartEntry& entry) const
{
    if (entry.refusal)
        return {{}, entry.refusal};
    PartBytes part = m_package->read(entry.name);
    if (part.error.kind == PackageErrorKind::PartMissing)
        part.error = {
            PackageErrorKind::CustomUiPartMissing, {}, {entry.name, relationshipsPart()}, {}};
    return part;
}

std::unordered_set<std::string> CustomUiPackage::imageRelationshipIds(const QString& partName) const
{
    std::unordered_set<std::string> ids;
    const PartBytes rels = m_package->read(relationshipPartName(partName));
    if (rels.error)
        return ids;
    for (const Relationship& relationship : readRelationships(rels.bytes).relationships) {
        if (relationship.type == imageRelationship)
            ids.insert(relationship.id.toStdString());
    }
    return ids;
}

std::optional<Application> CustomUiPackage::application() const
{
    if (m_package->contains(u"xl/workbook.xml"_s))
        return Application::Excel;
    if (m_package->contains(u"word/document.xml"_s))
        return Application::Word;
    if (m_package->contains(u"ppt/presentation.xml"_s))
        return Application::PowerPoint;
    if (m_package->contains(u"visio/document.xml"_s))
        return Application::Visio;
    return std::nullopt;
}

} // namespace talpora::checker
