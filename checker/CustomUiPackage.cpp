#include "checker/CustomUiPackage.h"

#include "checker/PartNames.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

using catalogue::Application;

constexpr auto imageRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image"_L1;

// Where Office writes customUI parts: "customUI/*.xml", "userCustomization/*.xml".
bool looksLikeCustomUiPart(const QString& nameKey)
{
    return nameKey.count(u'/') == 1 && nameKey.endsWith(u".xml"_s) &&
           (nameKey.startsWith(u"customui/"_s) || nameKey.startsWith(u"usercustomization/"_s));
}

} // namespace

QString CustomUiPackage::relationshipsPart()
{
    return relationshipPartName({});
}

OpenedCustomUiPackage CustomUiPackage::openFile(const QString& path)
{
    return opened(OfficePackage::openFile(path));
}

OpenedCustomUiPackage CustomUiPackage::openBytes(const QByteArray& bytes)
{
    return opened(OfficePackage::openBytes(bytes));
}

OpenedCustomUiPackage CustomUiPackage::opened(OpenedPackage package)
{
    if (!package.package)
        return {nullptr, std::move(package.error)};
    return {std::unique_ptr<CustomUiPackage>(new CustomUiPackage(std::move(package.package))), {}};
}

CustomUiPackage::CustomUiPackage(std::unique_ptr<OfficePackage> package)
    : m_package(std::move(package))
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

    QSet<QString> listed; // name keys (partNameKey)
    for (const Relationship& relationship : list.relationships) {
        const std::optional<CustomUiPartType> type = customUiPartType(relationship.type);
        if (!type)
            continue;
        const ResolvedTarget target = relationship.external
                                          ? ResolvedTarget{{}, ResolvedTarget::Fault::Outside}
                                          : resolvePartName(relationship.target);
        if (target.fault != ResolvedTarget::Fault::None) {
            const PackageErrorKind kind = target.fault == ResolvedTarget::Fault::Malformed
                                              ? PackageErrorKind::TargetMalformed
                                              : PackageErrorKind::TargetOutside;
            m_parts.push_back({{}, *type, {kind, relsName, {relationship.target}, {}}});
            continue;
        }
        const QString key = partNameKey(target.partName);
        if (listed.contains(key))
            continue;
        listed.insert(key);
        m_parts.push_back({target.partName, *type, {}});
    }
    for (const QString& name : m_package->partNames()) {
        const QString key = partNameKey(name);
        if (looksLikeCustomUiPart(key) && !listed.contains(key))
            m_unnamedParts.append(name);
    }
}

PartBytes CustomUiPackage::read(const CustomUiPartEntry& entry)
{
    if (entry.refusal)
        return {{}, entry.refusal};
    PartBytes part = m_package->read(entry.name);
    if (part.error.kind == PackageErrorKind::PartMissing)
        part.error = {
            PackageErrorKind::CustomUiPartMissing, {}, {entry.name, relationshipsPart()}, {}};
    return part;
}

ImageRelationships CustomUiPackage::imageRelationships(const QString& partName)
{
    const QString relsName = relationshipPartName(partName);
    const PartBytes rels = m_package->read(relsName);
    if (rels.error.kind == PackageErrorKind::PartMissing)
        return {};
    if (rels.error)
        return {{}, rels.error};
    const RelationshipList list = readRelationships(rels.bytes);
    if (list.error)
        return {{}, {PackageErrorKind::LoadFailed, relsName, {}, list.error}};
    ImageRelationships images;
    for (const Relationship& relationship : list.relationships) {
        if (relationship.type == imageRelationship)
            images.ids.insert(relationship.id.toStdString());
    }
    return images;
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
