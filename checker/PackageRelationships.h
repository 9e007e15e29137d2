#pragma once

#include "LoadError.h"

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

// The part name a package-level relationship target points at: "/a/b.xml"
// and "a/./b.xml" both give "a/b.xml". nullopt when the target leaves the
// package ("../x", "a/../../x"), is empty or names the package itself.
std::optional<QString> resolvePartName(const QString& target);

} // namespace talpora::checker
