#pragma once

#include "xml/LoadError.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace talpora::checker {

struct Relationship
{
    QString id;
    QString type;
    QString target;
    bool external = false; // TargetMode="External": not a part of the package
};

struct RelationshipList
{
    std::vector<Relationship> relationships;
    LoadError error; // set when the relationship part is not well-formed
};

// The Relationship elements of a relationship part ("_rels/.rels").
RelationshipList readRelationships(QByteArrayView bytes);

// The customUI part a relationship names, told by the relationship's type.
enum class CustomUiPartType
{
    Ribbon2007,        // "customUI/customUI.xml" by custom: read by Office 2007 and later
    Ribbon2010,        // "customUI/customUI14.xml" by custom: read by Office 2010 and later
    QuickAccessToolbar // "userCustomization/customUI.xml": the toolbar a user customised
};

// nullopt when a relationship of this type names no customUI part.
std::optional<CustomUiPartType> customUiPartType(const QString& relationshipType);

// The relationship part of `sourcePart`: "customUI/_rels/customUI14.xml.rels"
// for "customUI/customUI14.xml", "_rels/.rels" for the package itself ("").
QString relationshipPartName(const QString& sourcePart);

// The part name a relationship target of `sourcePart` ("" for the package)
// points at, percent-escapes decoded: "/a/b.xml", "a/./b.xml" and
// "a/%62.xml" all give "a/b.xml" from the package; "images/i.png" from
// "customUI/customUI.xml" gives "customUI/images/i.png".
struct ResolvedTarget
{
    enum class Fault
    {
        None,
        Outside,  // leaves the package ("../x", "a/../../x"), is empty or names the package
        Malformed // a percent-escape that decodes to no part name (percentDecoded)
    };
    QString partName; // empty unless the fault is None
    Fault fault = Fault::None;
};
ResolvedTarget resolvePartName(const QString& target, const QString& sourcePart = {});

} // namespace talpora::checker
