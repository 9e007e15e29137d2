#include "checker/PackageRelationships.h"

#include "checker/PartNames.h"
#include "xml/Utf8View.h"
#include "xml/XmlEventReader.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

class RelationshipCollector : public XmlEventHandler
{
public:
    explicit RelationshipCollector(std::vector<Relationship>& relationships)
        : m_relationships(relationships)
    {}

    bool startElement(const XmlElementStart& element) override
    {
        if (localNameOf(element.name) != "Relationship")
            return true;
        Relationship relationship;
        for (const XmlAttribute& attribute : element.attributes) {
            if (attribute.name == "Id")
                relationship.id = fromUtf8View(attribute.value);
            else if (attribute.name == "Type")
                relationship.type = fromUtf8View(attribute.value);
            else if (attribute.name == "Target")
                relationship.target = fromUtf8View(attribute.value);
            else if (attribute.name == "TargetMode")
                relationship.external = attribute.value == "External";
        }
        m_relationships.push_back(std::move(relationship));
        return true;
    }
    bool endElement() override { return true; }
    bool wantsPlaces() const override { return false; }

private:
    std::vector<Relationship>& m_relationships;
};

} // namespace

RelationshipList readRelationships(QByteArrayView bytes)
{
    RelationshipList list;
    RelationshipCollector collector(list.relationships);
    list.error = readXmlBytes(bytes, collector);
    return list;
}

QString relationshipPartName(const QString& sourcePart)
{
    const qsizetype slash = sourcePart.lastIndexOf(u'/');
    return sourcePart.left(slash + 1) + u"_rels/"_s + sourcePart.mid(slash + 1) + u".rels"_s;
}

ResolvedTarget resolvePartName(const QString& target, const QString& sourcePart)
{
    using Fault = ResolvedTarget::Fault;
    // Part names are URIs: "%20" in a target is a space in the name.
    const std::optional<QString> decoded = percentDecoded(target);
    if (!decoded)
        return {{}, Fault::Malformed};
    QStringList segments;
    // A leading "/" starts at the package root; anything else at the source
    // part's folder.
    if (!decoded->startsWith(u'/'))
        segments = sourcePart.section(u'/', 0, -2, QString::SectionSkipEmpty)
                       .split(u'/', Qt::SkipEmptyParts);
    for (const QString& segment : decoded->split(u'/')) {
        if (segment.isEmpty() || segment == u"."_s)
            continue;
        if (segment == u".."_s) {
            if (segments.isEmpty())
                return {{}, Fault::Outside};
            segments.removeLast();
            continue;
        }
        segments.append(segment);
    }
    if (segments.isEmpty() || decoded->contains(u'\\') || decoded->contains(u':'))
        return {{}, Fault::Outside};
    return {segments.join(u'/'), Fault::None};
}

std::optional<CustomUiPartType> customUiPartType(const QString& relationshipType)
{
    if (relationshipType ==
        "http://schemas.microsoft.com/office/2006/relationships/ui/extensibility"_L1)
        return CustomUiPartType::Ribbon2007;
    if (relationshipType ==
        "http://schemas.microsoft.com/office/2007/relationships/ui/extensibility"_L1)
        return CustomUiPartType::Ribbon2010;
    if (relationshipType ==
        "http://schemas.microsoft.com/office/2006/relationships/ui/userCustomization"_L1)
        return CustomUiPartType::QuickAccessToolbar;
    return std::nullopt;
}

} // namespace talpora::checker
