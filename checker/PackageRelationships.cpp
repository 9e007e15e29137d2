#include "PackageRelationships.h"

#include "Utf8View.h"
#include "XmlEventReader.h"

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

std::optional<QString> resolvePartName(const QString& target)
{
    QStringList segments;
    // Package-level relationships resolve against the package root, so a
    // leading "/" changes nothing.
    for (const QString& segment : target.split(u'/')) {
        if (segment.isEmpty() || segment == u"."_s)
            continue;
        if (segment == u".."_s) {
            if (segments.isEmpty())
                return std::nullopt;
            segments.removeLast();
            continue;
        }
        segments.append(segment);
    }
    if (segments.isEmpty() || target.contains(u'\\') || target.contains(u':'))
        return std::nullopt;
    return segments.join(u'/');
}

} // namespace talpora::checker
